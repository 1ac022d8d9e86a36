// The window's own kinds of control: a caption that reports a click, a tick
// box that never ticks itself, the text boxes that leave the window's keys
// to the window, the race drop-down and a frame drawn by hand. Every
// control that takes the keyboard focus shows it with the same ring. None
// of them keeps any state of the character.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

class QKeyEvent;

namespace cindral {

// The window's own keys: undo, redo, copying the character out, pasting
// one in and checking it work wherever the focus is. Ctrl+C copies the
// character only where no text is selected; with a selection it copies the
// selection, as everywhere. Ctrl+V pastes a character wherever the
// clipboard holds a character's copy; any other text it pastes into the
// name box and the race text, as everywhere.
inline constexpr QKeyCombination kUndoKey = Qt::CTRL | Qt::Key_Z;
inline constexpr QKeyCombination kRedoKey = Qt::CTRL | Qt::SHIFT | Qt::Key_Z;
inline constexpr QKeyCombination kRedoKeyToo = Qt::CTRL | Qt::Key_Y;
inline constexpr QKeyCombination kCopyCharacterKey = Qt::CTRL | Qt::SHIFT | Qt::Key_C;
inline constexpr QKeyCombination kCopyKey = Qt::CTRL | Qt::Key_C;
inline constexpr QKeyCombination kPasteCharacterKey = Qt::CTRL | Qt::SHIFT | Qt::Key_V;
inline constexpr QKeyCombination kPasteKey = Qt::CTRL | Qt::Key_V;
inline constexpr QKeyCombination kCheckCharacterKey = Qt::CTRL | Qt::SHIFT | Qt::Key_K;

// Whether a key belongs to the window rather than to a text box with or
// without selected text. Ctrl+V is a text box's while the clipboard holds
// anything but a character's copy: a box that takes typed text pastes with
// it, and the read-only boxes do not claim it, so the window's key gets it
// there.
bool IsWindowKey(const QKeyEvent& key, bool hasSelectedText);

// The focus ring: a bright yellow outline that shows on the black frames
// and on the light text boxes alike.
inline constexpr int kFocusRingWidth = 2;

// Draws the ring round every control it is given while the control has the
// keyboard focus (the race box has it while its text is typed in): just
// inside the control's edge, or round the square of a tick box. The control
// draws itself first, knowing nothing of the ring.
class FocusRing : public QObject {
 public:
  using QObject::QObject;

  void Add(QWidget& control) { control.installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override;
};

// A label that reacts to nothing: a value, a statistic's abbreviation,
// "Char Points", a counter, the information panel. A kind of its own, so
// that what it explains can be found for a screen reader.
class SheetLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
};

// A label that reports a click; captions and the counter `tags` use it. A
// dimmed caption names a box that cannot be ticked just now: it is drawn
// in the window's colour for disabled text, and still reports its click.
// Its tooltip is the window's to give, from the character as it stands.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

  void SetDimmed(bool dimmed);
  bool dimmed() const { return dimmed_; }

 signals:
  void clicked();

 protected:
  bool event(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool dimmed_ = false;
};

// A tick box that does not tick itself: a click asks the engine, and the
// box then shows the state the sheet holds. It shows no text, so the
// forty-seven boxes share a handful of images, one for each state, drawn
// once. An enabled box is the style's; a disabled one is a dark grey square
// without a white face, so that it cannot be taken for one that can be
// ticked. The square stands in the middle of the box, on its caption's
// line, with room around it for the focus ring.
class SheetBox : public QCheckBox {
  Q_OBJECT
 public:
  using QCheckBox::QCheckBox;

  // Where the square stands in the box, and in its picture at 100 %.
  QRect IndicatorRect() const;
  QRect SquareAtActualSize() const;

 signals:
  void clickRequested();

 protected:
  void nextCheckState() override { emit clickRequested(); }
  void paintEvent(QPaintEvent* event) override;
};

// A push button drawn as the style draws it, from an image shared by every
// button of the same text, size and state: the fourteen "+" and "-"
// buttons are two images at start-up. A button whose press would change
// nothing draws its sign dimmed, yet stays enabled and in the focus order:
// a press still says why.
class SheetButton : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;

  void SetRefused(bool refused);
  bool refused() const { return refused_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool refused_ = false;
};

// A value beside a caption in a larger font is lowered onto the caption's
// baseline. Both are centred in rows of the same height, so the baselines
// differ by the difference of ascent less descent.
void PutOnBaselineOf(const QLabel& caption, QLabel& value);

// The control a widget belongs to: itself when it carries a control name,
// otherwise its nearest ancestor that does (the race box for its text
// part); nullptr for none.
QWidget* NamedControl(QWidget* widget);

// An explanation, the places its lines may break marked (words.h), as a
// tooltip beside `near` shows it: laid out in the tooltips' font at the
// window's zoom, no wider than a readable column, than `room` pixels where
// given, or than the screen; broken between items, never inside one; as
// rich text that shows every character as it is.
// `textWidth`, where given, receives the width of its widest line.
QString TooltipText(const std::string& marked, const QWidget& near, int room = 0, int* textWidth = nullptr);

// The tooltip on screen, if one shows.
QWidget* ShownTooltip();

// The explanation a player asks for with Shift+F1, shown in the window
// beside the control it explains, in the tooltips' colours; it goes at the
// next key or click anywhere, as a What's This text does, and takes neither
// the focus nor the key (but Escape, which only closes it). It carries its
// text as its accessible name, so that a screen reader says it as it shows.
class ExplanationBalloon : public QLabel {
  Q_OBJECT
 public:
  // Shows the text beside the control, in place of any balloon shown.
  static ExplanationBalloon* ShowBeside(QWidget* control, const std::string& marked);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ExplanationBalloon(QWidget* window, const std::string& marked);
};

// A one-line text box (the name, and the race box's text part) whose own
// undo, redo and copy without a selection give way to the window's keys,
// and which says when the focus leaves it: that ends a run of typing.
class SheetLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

 signals:
  void focusChanged(bool hasFocus);

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

// The notes box: read-only, scrolled, its text selectable and copied with
// Ctrl+C; the window's keys and its context menu are the window's.
class NotesBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit NotesBox(QWidget* parent);

 protected:
  bool event(QEvent* event) override;
};

// The race drop-down: a pick from its list is a pick; typing, Enter and
// leaving the box only change the race text. The list opens on, and the
// arrow keys step from, the race the text shows. While its text is not the
// race last picked from the list (typed, and so not fully applied), it
// looks different. Each entry of the list tells the race's facts as its
// tooltip, before it is picked, beside the open list.
class RaceBox : public QComboBox {
  Q_OBJECT
 public:
  explicit RaceBox(QWidget* parent);

  void showPopup() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  SheetLineEdit* textPart() const { return textPart_; }

  // Shows whether the text is the race last picked, or only typed.
  void ShowPicked(bool picked);
  bool showsPicked() const { return picked_; }

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
  void ShowFactsOfEntryAt(const QPoint& at);

  SheetLineEdit* textPart_ = nullptr;
  bool picked_ = true;
  bool entriesExplained_ = false;  // each race's facts, made the first time the list opens
};

// A frame drawn by hand: black, a thin grey border, its caption set into
// the top edge in a font of its own. The controls inside keep the window's
// font and colours, so that none of them needs its own.
class SheetFrame : public QWidget {
 public:
  SheetFrame(const QString& caption, const QFont& captionFont, const QColor& captionColour, QWidget* parent);

  const QString& title() const { return caption_; }
  const QFont& titleFont() const { return captionFont_; }
  const QColor& titleColour() const { return captionColour_; }
  // Where the title stands, on a gap in the top edge of the frame's picture
  // at 100 %.
  QRect TitleRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  QFont captionFont_;
  QColor captionColour_;
};

}  // namespace cindral
