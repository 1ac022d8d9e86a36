// The window's own kinds of control: a caption that reports a click, a tick
// box that never ticks itself, the race drop-down and a frame drawn by hand.
// None of them keeps any state of the character.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>

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
// box then shows the state the sheet holds. It shows no text, so the
// forty-seven boxes share a handful of images, one for each state, drawn
// once by the style.
class SheetBox : public QCheckBox {
  Q_OBJECT
 public:
  using QCheckBox::QCheckBox;

 signals:
  void clickRequested();

 protected:
  void nextCheckState() override { emit clickRequested(); }
  void paintEvent(QPaintEvent* event) override;
};

// A push button drawn as the style draws it, from an image shared by every
// button of the same text, size and state: the fourteen "+" and "-"
// buttons are two images at start-up.
class SheetButton : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The race drop-down: a pick from its list is a pick; typing, Enter and
// leaving the box only change the race text. The list opens on, and the
// arrow keys step from, the race the text shows.
class RaceBox : public QComboBox {
  Q_OBJECT
 public:
  explicit RaceBox(QWidget* parent);

  void showPopup() override;

 protected:
  // A turn of the mouse wheel over the box would pick the next race and
  // wipe the character; only a deliberate pick from the list does that.
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The drop-down's own place in its list does not follow a race text set
  // by the sheet, so the list would open on its first entry and Down would
  // step from there. Only the place in the list moves: the text is the
  // same, nothing is picked and the window hears nothing.
  void MoveToTheRaceShown();
};

// A frame drawn by hand: black, a thin grey border, its caption set into
// the top edge in a font of its own. The controls inside keep the window's
// font and colours, so that none of them needs its own.
class SheetFrame : public QWidget {
 public:
  SheetFrame(const QString& caption, const QFont& captionFont, const QColor& captionColour, QWidget* parent);

  const QString& title() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  QFont captionFont_;
  QColor captionColour_;
};

}  // namespace cindral
