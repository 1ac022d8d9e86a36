#include "controls.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QHashFunctions>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionButton>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "qt_text.h"
#include "race_selection.h"

namespace cindral {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

namespace {

// Draws a control through the style into an image kept for every widget
// that would draw the same pixels: same kind, text, size, state, scale and
// colours. The image is transparent where the style draws nothing.
void PaintShared(QWidget& widget, QStyle::ControlElement element, const QStyleOptionButton& option) {
  const qreal ratio = widget.devicePixelRatio();
  const QFont& font = widget.font();
  const size_t hash = qHashMulti(0, static_cast<int>(element), static_cast<int>(option.state), widget.width(),
                                 widget.height(), ratio, widget.palette().cacheKey(), font.family(),
                                 font.pointSizeF(), font.weight(), option.text);
  const QString key = QStringLiteral("cindral-") + QString::number(hash, 16);
  QPixmap image;
  if (!QPixmapCache::find(key, &image)) {
    image = QPixmap(widget.size() * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    widget.style()->drawControl(element, &option, &painter, &widget);
    painter.end();
    QPixmapCache::insert(key, image);
  }
  QPainter(&widget).drawPixmap(0, 0, image);
}

}  // namespace

void SheetBox::paintEvent(QPaintEvent*) {
  QStyleOptionButton option;
  initStyleOption(&option);
  PaintShared(*this, QStyle::CE_CheckBox, option);
}

void SheetButton::paintEvent(QPaintEvent*) {
  QStyleOptionButton option;
  initStyleOption(&option);
  PaintShared(*this, QStyle::CE_PushButton, option);
}

RaceBox::RaceBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // No completion: what the player types stays exactly as typed.
  setCompleter(nullptr);
  for (const std::string_view name : kRaceList) addItem(Q(name));
  // Left alone, an editable combo box matches the typed text to an entry
  // when editing finishes (Enter or leaving the box) and reports that as a
  // pick; here only a pick from the list is a pick.
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
}

void RaceBox::wheelEvent(QWheelEvent* event) { event->ignore(); }

void RaceBox::MoveToTheRaceShown() {
  const int row = findText(currentText(), Qt::MatchExactly);
  if (row < 0 || row == currentIndex()) return;
  const QSignalBlocker quiet(this);
  setCurrentIndex(row);
}

// Enter straight away in the open list keeps the race shown.
void RaceBox::showPopup() {
  MoveToTheRaceShown();
  QComboBox::showPopup();
}

// Down in the closed box moves to the next race in the list.
void RaceBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      MoveToTheRaceShown();
      break;
    default:
      break;
  }
  QComboBox::keyPressEvent(event);
}

SheetFrame::SheetFrame(const QString& caption, const QFont& captionFont, const QColor& captionColour,
                       QWidget* parent)
    : QWidget(parent), caption_(caption), captionFont_(captionFont), captionColour_(captionColour) {
  setAccessibleName(caption);
}

void SheetFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.setFont(captionFont_);
  const QFontMetrics metrics(captionFont_);
  const int edge = metrics.height() / 2;
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(QRect(0, edge, width() - 1, height() - edge - 1));
  const int textWidth = metrics.horizontalAdvance(caption_);
  const QRect caption(6, 0, textWidth + 4, metrics.height());
  painter.fillRect(caption, Qt::black);
  painter.setPen(captionColour_);
  painter.drawText(caption, Qt::AlignCenter, caption_);
}

}  // namespace cindral
