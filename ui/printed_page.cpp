// The printed character sheet and its print preview: the one place that
// uses the toolkit's print support, built as a module the window loads on
// the first print (print_character.h). The page is drawn black on white
// from the sheet's words (printed_sheet.h), measured in the page's own
// fonts on the printer, and made smaller as a whole where it would not fit
// the paper, so that it is always one page, portrait or landscape.
#include <QDialog>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTextLayout>
#include <algorithm>

#include "fonts.h"
#include "print_character.h"
#include "printed_sheet.h"
#include "qt_text.h"

namespace cindral {

namespace {

// The page's kinds of text, in points.
struct PageFont {
  double points;
  bool bold = false;
  bool italic = false;
};

constexpr PageFont kProgramFont{7};
constexpr PageFont kNameFont{20, true};
constexpr PageFont kRaceFont{12};
constexpr PageFont kHeadingFont{10.5, true};
constexpr PageFont kRowFont{9.5};
constexpr PageFont kMarkedRowFont{9.5, true};  // a tagged skill
constexpr PageFont kTraitFont{9.5, true};
constexpr PageFont kMarkFont{8, false, true};
constexpr PageFont kNoteFont{8.5};

// Distances, in points.
constexpr double kColumnGap = 24;
constexpr double kTitleGap = 10;    // under the title's rule
constexpr double kSectionGap = 12;  // above a heading
constexpr double kNoteIndent = 10;  // a trait's effects under its name
constexpr double kMarkGap = 6;      // between a value and its mark
constexpr double kRuledLineGap = 22;
constexpr double kRule = 0.75;
constexpr double kHairline = 0.3;
// Where a row's values end, as a share of the column's width: the longest
// caption ("Electricity Res.") stands clear of them, the longest mark
// ("tagged, box closed") fits after them.
constexpr double kValueEdge = 0.58;
// A row is this much taller than its font's line.
constexpr double kRowLeading = 1.2;

QFont FontOf(const PageFont& kind) {
  QFont font = WindowFont(kind.points, kind.bold);
  font.setItalic(kind.italic);
  return font;
}

// Lays the sheet out from the top of a page of a given size, in the
// printer's units, and draws it on a second pass.
class PageLayout {
 public:
  PageLayout(QPainter& painter, bool draw) : painter_(painter), draw_(draw) {
    unit_ = painter.device()->logicalDpiY() / 72.0;
    painter_.setPen(QPen(Qt::black, kRule * unit_));
  }

  // The height the sheet takes on a page `width` wide; the ruled lines for
  // notes fill the right column down to `height`, and are at least a few.
  double Lay(const PrintedSheet& sheet, double width, double height) {
    double top = Title(sheet, width);
    top += Points(kTitleGap);
    const double columnWidth = (width - Points(kColumnGap)) / 2;
    double bottom = top;
    for (std::size_t c = 0; c < sheet.columns.size(); ++c) {
      const double x = static_cast<double>(c) * (columnWidth + Points(kColumnGap));
      double y = top;
      for (const PrintedSection& section : sheet.columns[c]) y = Section(section, x, y, columnWidth);
      if (c + 1 == sheet.columns.size()) y = RuledLines(x, y, columnWidth, height);
      bottom = std::max(bottom, y);
    }
    return bottom;
  }

 private:
  double Points(double points) const { return points * unit_; }
  QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, painter_.device()); }

  // One line of text, cut with "…" where it is wider than the room; its
  // letters read left to right, whatever right-to-left letters or marks
  // it holds. Returns the line's height.
  double Line(const PageFont& kind, const QString& text, const QRectF& room, Qt::Alignment alignment) {
    const QFont font = FontOf(kind);
    const QFontMetricsF metrics = Metrics(font);
    if (draw_) {
      QTextOption option(alignment | Qt::AlignTop);
      option.setWrapMode(QTextOption::NoWrap);
      option.setTextDirection(Qt::LeftToRight);
      painter_.setFont(font);
      painter_.drawText(QRectF(room.topLeft(), QSizeF(room.width(), metrics.height())),
                        metrics.elidedText(text, Qt::ElideRight, room.width()), option);
    }
    return metrics.lineSpacing();
  }

  // A text wrapped to the room's width, at blanks where it can be; returns
  // its height.
  double Paragraph(const PageFont& kind, const QString& text, const QPointF& at, double width) {
    QTextLayout layout(text, FontOf(kind), painter_.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    const double lineSpacing = Metrics(FontOf(kind)).lineSpacing();
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      line.setPosition(QPointF(0, height));
      height += lineSpacing;
    }
    layout.endLayout();
    if (draw_) layout.draw(&painter_, at);
    return height;
  }

  void Rule(double x, double y, double width, double thickness, const QColor& colour = Qt::black) {
    if (!draw_) return;
    painter_.save();
    painter_.setPen(QPen(colour, Points(thickness)));
    painter_.drawLine(QPointF(x, y), QPointF(x + width, y));
    painter_.restore();
  }

  // The program's line, small, at the top right; the name large, or a line
  // to write it on; the race, and its mark while it is typed, not picked;
  // a rule under them. Returns where the title ends.
  double Title(const PrintedSheet& sheet, double width) {
    double y = Line(kProgramFont, Q(sheet.program), QRectF(0, 0, width, 0), Qt::AlignRight);
    const double nameHeight = Line(kNameFont, Q(sheet.name), QRectF(0, y, width, 0), Qt::AlignLeft);
    if (sheet.name.empty()) Rule(0, y + Metrics(FontOf(kNameFont)).ascent(), width * 0.6, kHairline);
    y += nameHeight;
    // The mark is never cut: the race text gives way to it.
    const QString mark = sheet.raceMark.empty() ? QString() : QStringLiteral(" (%1)").arg(Q(sheet.raceMark));
    const double markWidth = std::min(Metrics(FontOf(kRaceFont)).horizontalAdvance(mark), width / 2);
    Line(kRaceFont, Q(sheet.race), QRectF(0, y, width - markWidth, 0), Qt::AlignLeft);
    if (!mark.isEmpty()) {
      const double raceWidth = std::min(Metrics(FontOf(kRaceFont)).horizontalAdvance(Q(sheet.race)), width - markWidth);
      Line(kRaceFont, mark, QRectF(raceWidth, y, width - raceWidth, 0), Qt::AlignLeft);
    }
    y += Metrics(FontOf(kRaceFont)).lineSpacing() + Points(3);
    Rule(0, y, width, kRule);
    return y;
  }

  // A heading with a rule under it, then its rows. Returns where it ends.
  double Section(const PrintedSection& section, double x, double y, double width) {
    y += Points(kSectionGap);
    y += Line(kHeadingFont, Q(section.heading), QRectF(x, y, width, 0), Qt::AlignLeft);
    Rule(x, y, width, kRule);
    y += Points(2);
    for (const PrintedRow& row : section.rows) y = Row(row, x, y, width);
    return y;
  }

  // A caption with its value and mark on one line, a hairline under it;
  // then its note, wrapped: under a caption it is indented.
  double Row(const PrintedRow& row, double x, double y, double width) {
    if (!row.caption.empty() || !row.value.empty()) {
      const double valueEdge = x + width * kValueEdge;
      const double height = Metrics(FontOf(kRowFont)).lineSpacing() * kRowLeading;
      const double lead = (height - Metrics(FontOf(kRowFont)).lineSpacing()) / 2;
      const PageFont& valueFont = row.mark.empty() ? kRowFont : kMarkedRowFont;
      const PageFont& captionFont = row.value.empty() ? kTraitFont : valueFont;
      const double captionRoom = row.value.empty() ? width : valueEdge - x - Points(kMarkGap) - Points(28);
      Line(captionFont, Q(row.caption), QRectF(x, y + lead, captionRoom, 0), Qt::AlignLeft);
      Line(valueFont, Q(row.value), QRectF(x, y + lead, valueEdge - x, 0), Qt::AlignRight);
      if (!row.mark.empty()) {
        const double markX = valueEdge + Points(kMarkGap);
        const double markLead = Metrics(FontOf(kRowFont)).ascent() - Metrics(FontOf(kMarkFont)).ascent();
        Line(kMarkFont, Q(row.mark), QRectF(markX, y + lead + markLead, x + width - markX, 0), Qt::AlignLeft);
      }
      y += height;
      if (row.note.empty()) Rule(x, y, width, kHairline, QColor(150, 150, 150));
    }
    if (!row.note.empty()) {
      const double indent = row.caption.empty() ? 0 : Points(kNoteIndent);
      y += Paragraph(kNoteFont, Q(row.note), QPointF(x + indent, y), width - indent) + Points(2);
    }
    return y;
  }

  // "Notes" and ruled blank lines for the table down to the foot of the
  // page, at least a few.
  double RuledLines(double x, double y, double width, double bottom) {
    y += Points(kSectionGap);
    y += Line(kHeadingFont, Q(kNotesHeading), QRectF(x, y, width, 0), Qt::AlignLeft);
    Rule(x, y, width, kRule);
    const double gap = Points(kRuledLineGap);
    const auto fits = static_cast<std::size_t>(std::max(0.0, (bottom - y) / gap));
    const std::size_t lines = std::max(kFewestNoteLines, fits);
    for (std::size_t i = 0; i < lines; ++i) {
      y += gap;
      Rule(x, y, width, kHairline);
    }
    return y;
  }

  QPainter& painter_;
  const bool draw_;
  double unit_ = 1;  // the printer's units in a point
};

// The sheet on the page the painter's printer is set to: made smaller as
// a whole where it would not fit.
void DrawPrintedSheet(QPainter& painter, const QSizeF& page, const PrintedSheet& sheet) {
  const double needed = PageLayout(painter, false).Lay(sheet, page.width(), 0);
  const double fit = needed > page.height() ? page.height() / needed : 1.0;
  painter.save();
  painter.scale(fit, fit);
  PageLayout(painter, true).Lay(sheet, page.width() / fit, page.height() / fit);
  painter.restore();
}

// The preview opens as tall as most of the screen, a page's shape wide.
QSize PreviewSize(const QWidget* parent) {
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  const int height = screen ? std::min(900, screen->availableGeometry().height() * 9 / 10) : 800;
  return QSize(height * 4 / 5, height);
}

}  // namespace

}  // namespace cindral

// The module's one entry (print_character.h).
extern "C" Q_DECL_EXPORT QDialog* cindral_open_print_preview(QWidget* parent, const cindral::PrintedSheet& sheet) {
  auto* preview = new QPrintPreviewDialog(parent);
  preview->setObjectName(QStringLiteral("printPreview"));
  preview->setAttribute(Qt::WA_DeleteOnClose);
  preview->setWindowTitle(QStringLiteral("Print Character"));
  QPrinter& printer = *preview->printer();
  printer.setDocName(cindral::Q(sheet.name.empty() ? sheet.program : sheet.name));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  // The page is drawn from the sheet as it was when the preview opened,
  // whenever the preview or the printer asks for it.
  QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview, [sheet](QPrinter* target) {
    QPainter painter(target);
    cindral::DrawPrintedSheet(painter, QSizeF(target->width(), target->height()), sheet);
  });
  if (auto* view = preview->findChild<QPrintPreviewWidget*>()) view->setZoomMode(QPrintPreviewWidget::FitInView);
  preview->resize(cindral::PreviewSize(parent));
  preview->open();
  return preview;
}
