#include "character_copy.h"

#include <QMimeData>

#include "character_summary.h"
#include "qt_text.h"

namespace cindral {

namespace {

QString Escaped(std::string_view text) { return Q(text).toHtmlEscaped(); }

QString HeadingRow(std::string_view title) {
  return QStringLiteral("<tr><th colspan=\"3\" align=\"left\">%1</th></tr>\n").arg(Escaped(title));
}

// A line of its own (the name, the race, the traits, the notes) takes the
// whole row; a line under a heading has its value and its mark in columns.
QString Row(const LineInfo& info, const SummaryLine& line) {
  if (info.group.empty()) {
    const std::string value = line.mark.empty() ? line.value : line.value + " (" + line.mark + ")";
    return QStringLiteral("<tr><td>%1</td><td colspan=\"2\">%2</td></tr>\n").arg(Escaped(info.caption), Escaped(value));
  }
  return QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td>%3</td></tr>\n")
      .arg(Escaped(info.caption), Escaped(line.value), Escaped(line.mark));
}

}  // namespace

QString CharacterText(const Engine& engine) { return Q(SummaryText(Summarize(engine))); }

QString CharacterHtml(const Engine& engine) {
  const CharacterSummary summary = Summarize(engine);
  QString html = QStringLiteral(
      "<html><head><meta charset=\"utf-8\"></head><body>\n"
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
  html += HeadingRow(ProgramLine());
  for (std::size_t i = 0; i < kSummaryLineCount; ++i) {
    const LineInfo& info = kSummaryLines[i];
    if (!info.group.empty() && (i == 0 || info.group != kSummaryLines[i - 1].group)) html += HeadingRow(info.group);
    html += Row(info, summary[i]);
  }
  html += QStringLiteral("</table>\n</body></html>\n");
  return html;
}

QMimeData* CharacterMimeData(const Engine& engine) {
  auto* data = new QMimeData;
  data->setText(CharacterText(engine));
  data->setHtml(CharacterHtml(engine));
  return data;
}

}  // namespace cindral
