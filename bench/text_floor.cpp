// The floor under the window's start-up: one widget of the window's size
// that draws the texts bench/window_texts wrote down, in the window's fonts
// and colours, and nothing else. With --widgets it also holds as many empty
// widgets as the window has, one over each text in turn, which is what a
// window with a widget per control costs before any control does anything.
// Like the program, it prints "shown" and exits after its first paint when
// CINDRAL_QUIT_AFTER_SHOWN=1.
//
// text_floor FILE [--widgets]
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <vector>

#include "fonts.h"
#include "palette.h"
#include "quit_after_shown.h"
#include "window_layout.h"

namespace {

struct Text {
  QRect rect;
  QFont font;
  int flags;
  QColor colour;
  QString text;
};

QString Unescaped(const QString& text) {
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
      ++i;
      plain += text[i] == QLatin1Char('n') ? QLatin1Char('\n') : text[i];
    } else {
      plain += text[i];
    }
  }
  return plain;
}

class TextFloor : public QWidget {
 public:
  std::vector<Text> texts;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(cindral::kBlack));
    for (const Text& t : texts) {
      painter.setFont(t.font);
      painter.setPen(t.colour);
      painter.drawText(t.rect, t.flags, t.text);
    }
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  const bool withWidgets = argc == 3 && std::strcmp(argv[2], "--widgets") == 0;
  if (argc != 2 && !withWidgets) {
    std::fprintf(stderr, "usage: text_floor FILE [--widgets]\n");
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setFont(cindral::WindowFont());

  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "text_floor: cannot read %s\n", argv[1]);
    return 1;
  }
  TextFloor window;
  int widgets = 0;
  for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QStringList c = line.split(QLatin1Char('\t'));
    if (c.size() == 2 && c[0] == QLatin1String("widgets")) {
      widgets = c[1].toInt();
      continue;
    }
    if (c.size() != 9) continue;
    const QFont textFont = cindral::WindowFont(c[4].toDouble(), c[5].toInt() >= QFont::Bold);
    window.texts.push_back({QRect(c[0].toInt(), c[1].toInt(), c[2].toInt(), c[3].toInt()), textFont, c[6].toInt(),
                            QColor::fromRgb(c[7].toUInt()), Unescaped(c[8])});
  }
  if (window.texts.empty()) {
    std::fprintf(stderr, "text_floor: no texts in %s\n", argv[1]);
    return 1;
  }
  window.setFixedSize(cindral::kClientWidth, cindral::kClientHeight);
  if (withWidgets) {
    for (int i = 0; i < widgets; ++i) {
      auto* empty = new QWidget(&window);
      empty->setObjectName(QStringLiteral("w%1").arg(i));
      empty->setGeometry(window.texts[static_cast<std::size_t>(i) % window.texts.size()].rect);
    }
  }
  window.show();
  cindral::QuitAfterFirstPaintWhenAsked(window);
  return app.exec();
}
