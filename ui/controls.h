// The window's own kinds of control: a caption that reports a click, a tick
// box that never ticks itself, the race drop-down and a frame drawn by hand.
// None of them keeps any state of the character.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace cindral {

// A label that reports a click; captions and the counter `tags` use it.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// A tick box that does not tick itself: a click asks the engine, and the
// box then shows the state the sheet holds.
class SheetBox : public QCheckBox {
  Q_OBJECT
 public:
  using QCheckBox::QCheckBox;

 signals:
  void clickRequested();

 protected:
  void nextCheckState() override { emit clickRequested(); }
};

// The race drop-down: a pick from its list is a pick; typing, Enter and
// leaving the box only change the race text.
class RaceBox : public QComboBox {
  Q_OBJECT
 public:
  explicit RaceBox(QWidget* parent);

 protected:
  // A turn of the mouse wheel over the box would pick the next race and
  // wipe the character; only a deliberate pick from the list does that.
  void wheelEvent(QWheelEvent* event) override;
};

// A frame drawn by hand: black, a thin grey border, its caption set into
// the top edge. Drawn directly rather than through a style sheet, which
// costs more at start-up than the rest of the window's frames together.
class SheetFrame : public QGroupBox {
 public:
  SheetFrame(const QString& caption, const QColor& captionColour, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor captionColour_;
};

}  // namespace cindral
