// Writes down what the window draws as text at start, for bench/text_floor:
// a first line "widgets N" with the number of widgets in the window, then
// one line per text, tab-separated: its rectangle in the window, its font's
// point size and weight, its alignment, its colour and the text, with "\"
// written "\\" and a line break "\n".
//
// window_texts FILE
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTextStream>

#include <cstdio>

#include "character_window.h"
#include "controls.h"

namespace {

QString Escaped(QString text) {
  return text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_texts FILE\n");
    return 2;
  }
  QApplication app(argc, argv);
  cindral::CharacterWindow window;
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "window_texts: cannot write %s\n", argv[1]);
    return 1;
  }
  QTextStream out(&file);
  const QList<QWidget*> widgets = window.findChildren<QWidget*>();
  out << "widgets\t" << widgets.size() << '\n';
  const auto put = [&](const QWidget& widget, const QRect& rect, const QFont& font, int flags, const QColor& colour,
                       const QString& text) {
    if (text.isEmpty() || !widget.isVisibleTo(&window)) return;
    const QRect at(widget.mapTo(&window, rect.topLeft()), rect.size());
    out << at.x() << '\t' << at.y() << '\t' << at.width() << '\t' << at.height() << '\t' << font.pointSizeF() << '\t'
        << font.weight() << '\t' << flags << '\t' << colour.rgb() << '\t' << Escaped(text) << '\n';
  };
  for (QWidget* w : widgets) {
    const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
    if (const auto* frame = dynamic_cast<cindral::SheetFrame*>(w)) {
      put(*frame, frame->TitleRect(), frame->titleFont(), Qt::AlignCenter, frame->titleColour(), frame->title());
    } else if (const auto* label = qobject_cast<QLabel*>(w)) {
      const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
      put(*label, label->contentsRect(), label->font(), static_cast<int>(label->alignment()) | wrap,
          label->palette().color(group, label->foregroundRole()), label->text());
    } else if (const auto* button = qobject_cast<QAbstractButton*>(w)) {
      put(*button, button->rect(), button->font(), Qt::AlignCenter,
          button->palette().color(group, QPalette::ButtonText), button->text());
    } else if (const auto* line = qobject_cast<QLineEdit*>(w)) {
      put(*line, line->rect(), line->font(), Qt::AlignLeft | Qt::AlignVCenter,
          line->palette().color(group, QPalette::Text), line->text());
    }
  }
  return out.status() == QTextStream::Ok && file.flush() ? 0 : 1;
}
