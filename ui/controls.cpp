#include "controls.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "qt_text.h"
#include "race_selection.h"

namespace cindral {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
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

SheetFrame::SheetFrame(const QString& caption, const QColor& captionColour, QWidget* parent)
    : QGroupBox(caption, parent), captionColour_(captionColour) {}

void SheetFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const QFontMetrics metrics(font());
  const int edge = metrics.height() / 2;
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(QRect(0, edge, width() - 1, height() - edge - 1));
  const int textWidth = metrics.horizontalAdvance(title());
  const QRect caption(6, 0, textWidth + 4, metrics.height());
  painter.fillRect(caption, Qt::black);
  painter.setPen(captionColour_);
  painter.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace cindral
