#include "character_copy.h"

#include <QMimeData>
#include <QStringList>
#include <vector>

#include "qt_text.h"

namespace cindral {

namespace {

// A value and what it is called; a tagged skill says so.
struct Line {
  QString caption;
  QString value;
  bool tagged = false;
};

struct Section {
  QString title;
  std::vector<Line> lines;
};

// The notes as shown, without the blank each of their pieces ends with.
QString Notes(const Sheet& sheet) {
  QString notes = Q(sheet.Text(Field::extra));
  while (!notes.isEmpty() && notes.back().isSpace()) notes.chop(1);
  return notes;
}

QStringList TickedTraits(const Sheet& sheet) {
  QStringList traits;
  for (const TraitInfo& trait : kTraits) {
    if (Ticked(sheet, trait.box)) traits << Q(trait.caption);
  }
  return traits;
}

// The statistics, the skills and the secondary statistics, in the order
// the window lists them.
std::vector<Section> Sections(const Sheet& sheet) {
  std::vector<Section> sections(3);
  sections[0].title = QStringLiteral("Primary Stats");
  for (const StatInfo& stat : kStats) sections[0].lines.push_back({Q(stat.name), Q(sheet.Text(stat.field))});
  for (const CaptionedField& counter : kCounters) {
    if (counter.field != Field::chpoint) continue;
    sections[0].lines.push_back({Q(counter.caption), Q(sheet.Text(counter.field))});
  }
  sections[1].title = QStringLiteral("Skills");
  for (const SkillInfo& skill : kSkills) {
    sections[1].lines.push_back({Q(skill.caption), Q(sheet.Text(skill.value)), Ticked(sheet, skill.box)});
  }
  sections[2].title = QStringLiteral("Secondary Stats");
  for (const CaptionedField& stat : kSecondaryStats) {
    sections[2].lines.push_back({Q(stat.caption), Q(sheet.Text(stat.field))});
  }
  return sections;
}

QString Escaped(const QString& text) { return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")); }

QString HeadingRow(const QString& title) {
  return QStringLiteral("<tr><th colspan=\"3\" align=\"left\">%1</th></tr>\n").arg(Escaped(title));
}

QString WholeRow(const QString& caption, const QString& value) {
  return QStringLiteral("<tr><td>%1</td><td colspan=\"2\">%2</td></tr>\n").arg(Escaped(caption), Escaped(value));
}

QString SpanRow(const QString& text) {
  return QStringLiteral("<tr><td colspan=\"3\">%1</td></tr>\n").arg(Escaped(text));
}

}  // namespace

QString CharacterText(const Sheet& sheet) {
  QString text;
  text += QStringLiteral("Name: ") + Q(sheet.Text(Field::Name)) + QLatin1Char('\n');
  text += QStringLiteral("Race: ") + Q(sheet.Text(Field::race)) + QLatin1Char('\n');
  const QStringList traits = TickedTraits(sheet);
  const std::vector<Section> sections = Sections(sheet);
  for (const Section& section : sections) {
    text += QLatin1Char('\n') + section.title + QLatin1Char('\n');
    for (const Line& line : section.lines) {
      text += line.caption + QStringLiteral(": ") + line.value;
      if (line.tagged) text += QStringLiteral(" (tagged)");
      text += QLatin1Char('\n');
    }
    // The traits follow the statistics, as they follow them in the window.
    if (&section == &sections.front()) {
      const QString ticked = traits.isEmpty() ? QStringLiteral("none") : traits.join(QStringLiteral(", "));
      text += QStringLiteral("\nTraits: ") + ticked + QLatin1Char('\n');
    }
  }
  const QString notes = Notes(sheet);
  text += QStringLiteral("\nExtra: ") + (notes.isEmpty() ? QStringLiteral("none") : notes) + QLatin1Char('\n');
  return text;
}

QString CharacterHtml(const Sheet& sheet) {
  QString html = QStringLiteral(
      "<html><head><meta charset=\"utf-8\"></head><body>\n"
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
  html += WholeRow(QStringLiteral("Name"), Q(sheet.Text(Field::Name)));
  html += WholeRow(QStringLiteral("Race"), Q(sheet.Text(Field::race)));
  const QStringList traits = TickedTraits(sheet);
  const std::vector<Section> sections = Sections(sheet);
  for (const Section& section : sections) {
    html += HeadingRow(section.title);
    for (const Line& line : section.lines) {
      html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td>%3</td></tr>\n")
                  .arg(Escaped(line.caption), Escaped(line.value), line.tagged ? QStringLiteral("tagged") : QString());
    }
    if (&section == &sections.front()) {
      html += HeadingRow(QStringLiteral("Traits"));
      if (traits.isEmpty()) html += SpanRow(QStringLiteral("none"));
      for (const QString& trait : traits) html += SpanRow(trait);
    }
  }
  html += HeadingRow(QStringLiteral("Extra"));
  const QString notes = Notes(sheet);
  html += SpanRow(notes.isEmpty() ? QStringLiteral("none") : notes);
  html += QStringLiteral("</table>\n</body></html>\n");
  return html;
}

QMimeData* CharacterMimeData(const Sheet& sheet) {
  auto* data = new QMimeData;
  data->setText(CharacterText(sheet));
  data->setHtml(CharacterHtml(sheet));
  return data;
}

}  // namespace cindral
