#include "controls.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QToolTip>
#include <QWheelEvent>

#include "character_summary.h"
#include "palette.h"
#include "qt_text.h"
#include "race_facts.h"
#include "race_selection.h"
#include "words.h"
#include "zoom.h"

namespace cindral {

namespace {

// The explanation balloon at 100 %: its text's margin, the widest column
// of text, and its distance from the control it explains.
constexpr int kBalloonMargin = 4;
constexpr int kBalloonTextWidth = 300;
constexpr int kBalloonGap = 4;

// A tooltip's lines run no wider than this at 100 %, a readable column,
// nor nearer than this to the screen's edges.
constexpr int kTooltipTextWidth = 440;
constexpr int kTooltipScreenEdge = 8;

// An explanation's lines as they fit `width` in the font given.
QStringList LinesOf(const std::string& marked, const QFont& font, int width) {
  const QFontMetricsF metrics(font);
  const auto measure = [&metrics](std::string_view piece) { return metrics.horizontalAdvance(Q(piece)); };
  QStringList lines;
  for (const std::string& line : LaidOut(marked, measure, width)) lines.push_back(Q(line));
  return lines;
}

// What identifies the pixels a control draws: its kind, state, look (a
// refused button's dimmed sign), text, size, scale, zoom, colours and font.
size_t ImageHash(const QWidget& widget, int kind, const QStyleOptionButton& option, bool dimmed = false) {
  const QFont& font = widget.font();
  return qHashMulti(0, kind, static_cast<int>(option.state), dimmed, widget.width(), widget.height(),
                    widget.devicePixelRatio(), ZoomOf(widget), widget.palette().cacheKey(), font.family(),
                    font.pointSizeF(), font.weight(), option.text);
}

// Draws a control into an image kept for every widget that would draw the
// same pixels, and paints the widget from it, in the widget's font as the
// control would paint itself. The image is transparent where nothing is
// drawn.
template <typename Draw>
void PaintShared(QWidget& widget, size_t hash, Draw&& draw) {
  const QString key = QStringLiteral("cindral-") + QString::number(hash, 16);
  QPixmap image;
  if (!QPixmapCache::find(key, &image)) {
    const qreal ratio = widget.devicePixelRatio();
    // Zoomed, the screen's scale goes into the painter with the zoom, so
    // that the style draws every part afresh at the size it shows, rather
    // than from a picture of it kept at the screen's scale.
    const bool zoomed = ZoomOf(widget) != 1;
    image = QPixmap(widget.size() * ratio);
    image.setDevicePixelRatio(zoomed ? 1 : ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(widget.font());
    if (zoomed) painter.scale(ratio, ratio);
    draw(painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, image);
  }
  QPainter(&widget).drawPixmap(0, 0, image);
}

void PaintDisabledSquare(QPainter& painter, const QRect& square, bool ticked) {
  painter.fillRect(square, QColor(kClosedSquare));
  painter.setPen(QColor(kClosedEdge));
  painter.drawRect(square.adjusted(0, 0, -1, -1));
  if (!ticked) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(kClosedTick), 2));
  const QRectF r = QRectF(square).adjusted(3, 3, -3, -3);
  const QPointF tick[] = {{r.left(), r.center().y()}, {r.left() + r.width() / 3, r.bottom()}, {r.right(), r.top()}};
  painter.drawPolyline(tick, 3);
}

// Draws the ring just inside `rect`.
void PaintFocusRing(QPainter& painter, const QRect& rect) {
  // Four bands along the inside of the edge, filled: a wide pen would run
  // the outline through the stroker and the maths library, at start-up
  // too, where the focused box shows its ring.
  const QColor colour(kFocusYellow);
  const int w = kFocusRingWidth;
  const int sideHeight = rect.height() - 2 * w;
  painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), w), colour);
  painter.fillRect(QRect(rect.left(), rect.bottom() - w + 1, rect.width(), w), colour);
  painter.fillRect(QRect(rect.left(), rect.top() + w, w, sideHeight), colour);
  painter.fillRect(QRect(rect.right() - w + 1, rect.top() + w, w, sideHeight), colour);
}

}  // namespace

bool IsWindowKey(const QKeyEvent& key, bool hasSelectedText) {
  const QKeyCombination pressed(key.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(key.key()));
  if (pressed == kCopyKey) return !hasSelectedText;
  if (pressed == kPasteKey) return IsCharacterCopy(QGuiApplication::clipboard()->text().toStdString());
  return pressed == kUndoKey || pressed == kRedoKey || pressed == kRedoKeyToo || pressed == kCopyCharacterKey ||
         pressed == kPasteCharacterKey || pressed == kCheckCharacterKey;
}

// A control repaints itself whole when the focus comes or goes.
bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Paint) return false;
  // The control paints itself, then the ring goes over its edge, drawn as
  // at 100 % under the zoom.
  watched->event(event);
  if (auto& control = *static_cast<QWidget*>(watched); control.hasFocus()) {
    const auto* box = qobject_cast<const SheetBox*>(&control);
    const qreal zoom = ZoomOf(control);
    QPainter painter(&control);
    if (zoom != 1) painter.scale(zoom, zoom);
    PaintFocusRing(painter, box ? box->SquareAtActualSize().adjusted(-1, -1, 1, 1) : Zoomed(control.rect(), 1 / zoom));
  }
  return true;
}

bool ClickLabel::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QLabel::event(event);
  // On to the frame, where the window explains its controls.
  event->ignore();
  return false;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void ClickLabel::SetDimmed(bool dimmed) {
  if (dimmed == dimmed_) return;
  dimmed_ = dimmed;
  update();
}

void ClickLabel::paintEvent(QPaintEvent* event) {
  if (!dimmed_) {
    QLabel::paintEvent(event);
    return;
  }
  // The label's own text, in the colours the window gives disabled text.
  QPalette colours = palette();
  colours.setCurrentColorGroup(QPalette::Disabled);
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), colours,
                        true, text(), foregroundRole());
}

QRect SheetBox::SquareAtActualSize() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  const qreal zoom = ZoomOf(*this);
  const QSize square = Zoomed(style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this), 1 / zoom).size();
  // One pixel in from the left, where the ring needs it, and in the middle
  // of the box's height, which is the middle of its caption's line.
  return QRect(QPoint(1, (qRound(height() / zoom) - square.height() + 1) / 2), square);
}

QRect SheetBox::IndicatorRect() const { return Zoomed(SquareAtActualSize(), ZoomOf(*this)); }

void SheetBox::paintEvent(QPaintEvent*) {
  QStyleOptionButton option;
  initStyleOption(&option);
  // The focus is the ring's to show: a focused box draws as one without it.
  option.state &= ~QStyle::State_HasFocus;
  PaintShared(*this, ImageHash(*this, QStyle::CE_CheckBox, option), [&](QPainter& painter) {
    const QRect square = IndicatorRect();
    if (option.state & QStyle::State_Enabled) {
      // The style's own box, moved to where the square stands.
      const QRect at = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
      painter.translate(square.topLeft() - at.topLeft());
      style()->drawControl(QStyle::CE_CheckBox, &option, &painter, this);
    } else {
      if (const qreal zoom = ZoomOf(*this); zoom != 1) painter.scale(zoom, zoom);
      PaintDisabledSquare(painter, SquareAtActualSize(), option.state & QStyle::State_On);
    }
  });
}

void SheetButton::SetRefused(bool refused) {
  if (refused == refused_) return;
  refused_ = refused;
  update();
}

void SheetButton::paintEvent(QPaintEvent*) {
  QStyleOptionButton option;
  initStyleOption(&option);
  PaintShared(*this, ImageHash(*this, QStyle::CE_PushButton, option, refused_), [&](QPainter& painter) {
    if (!refused_) {
      style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    } else {
      // The face of an enabled button, the sign of a disabled one.
      style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
      QStyleOptionButton sign = option;
      sign.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
      sign.state &= ~QStyle::State_Enabled;
      sign.palette.setCurrentColorGroup(QPalette::Disabled);
      style()->drawControl(QStyle::CE_PushButtonLabel, &sign, &painter, this);
    }
  });
}

void PutOnBaselineOf(const QLabel& caption, QLabel& value) {
  if (caption.font() == value.font()) return;
  // Measured at 100 %, the whole pixels then scaled with the window.
  const qreal zoom = ZoomOf(value);
  const QFontMetricsF big(zoom == 1 ? caption.font() : Zoomed(caption.font(), 1 / zoom));
  const QFontMetricsF small(zoom == 1 ? value.font() : Zoomed(value.font(), 1 / zoom));
  const int lower = qRound((big.ascent() - big.descent()) - (small.ascent() - small.descent()));
  value.setContentsMargins(0, qRound(std::max(0, lower) * zoom), 0, 0);
}

QWidget* NamedControl(QWidget* widget) {
  while (widget && widget->objectName().isEmpty()) widget = widget->parentWidget();
  return widget;
}

QString TooltipText(const std::string& marked, const QWidget& near, int room, int* textWidth) {
  const qreal zoom = ZoomOf(near);
  const QFont font = Zoomed(QToolTip::font(), zoom);
  const int screen = near.screen()->availableGeometry().width() - 2 * kTooltipScreenEdge;
  const int width = std::min({qRound(kTooltipTextWidth * zoom), room > 0 ? room : screen, screen});
  // The lines kept as they are laid out: a tooltip's own wrapping of rich
  // text would break inside an item.
  QString style = QStringLiteral("white-space:pre");
  if (zoom != 1) {
    style += font.pointSizeF() > 0 ? QStringLiteral("; font-size:%1pt").arg(font.pointSizeF())
                                   : QStringLiteral("; font-size:%1px").arg(font.pixelSize());
  }
  const QStringList lines = LinesOf(marked, font, width);
  if (textWidth) {
    const QFontMetricsF metrics(font);
    *textWidth = 0;
    for (const QString& line : lines) *textWidth = std::max(*textWidth, qCeil(metrics.horizontalAdvance(line)));
  }
  return QStringLiteral("<p style=\"%1\">").arg(style) + lines.join(QLatin1Char('\n')).toHtmlEscaped() +
         QStringLiteral("</p>");
}

QWidget* ShownTooltip() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->inherits("QTipLabel") && w->isVisible()) return w;
  }
  return nullptr;
}

ExplanationBalloon::ExplanationBalloon(QWidget* window, const std::string& marked) : QLabel(window) {
  setObjectName(QStringLiteral("explanation"));
  if (auto* zoomed = qobject_cast<ZoomStyle*>(window->style())) setStyle(zoomed);
  const qreal zoom = ZoomOf(*window);
  setAttribute(Qt::WA_DeleteOnClose);
  setTextFormat(Qt::PlainText);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(qMax(1, qRound(zoom)));
  setMargin(qRound(kBalloonMargin * zoom));
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setAutoFillBackground(true);
  setAccessibleName(Spoken(Q(Finished(marked, Breaks::Unmarked))));
  // As wide as the text needs, up to the width of a column of text, its
  // lines broken between items.
  setText(LinesOf(marked, font(), qRound(kBalloonTextWidth * zoom)).join(QLatin1Char('\n')));
  setFixedSize(sizeHint());
  qApp->installEventFilter(this);
}

ExplanationBalloon* ExplanationBalloon::ShowBeside(QWidget* control, const std::string& marked) {
  QWidget* window = control->window();
  delete window->findChild<ExplanationBalloon*>(QString(), Qt::FindDirectChildrenOnly);
  auto* balloon = new ExplanationBalloon(window, marked);
  // Inside the window, over the frames: to the right of the control, its
  // top on the control's top; to the left where the window ends, and never
  // off its bottom.
  const int gap = qRound(kBalloonGap * ZoomOf(*window));
  const QRect at(control->mapTo(window, QPoint(0, 0)), control->size());
  int x = at.right() + gap;
  if (x + balloon->width() > window->width()) x = std::max(0, at.left() - gap - balloon->width());
  const int y = std::max(0, std::min(at.top(), window->height() - balloon->height()));
  balloon->move(x, y);
  balloon->raise();
  balloon->show();
  return balloon;
}

bool ExplanationBalloon::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: close(); return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    case QEvent::MouseButtonPress:
    case QEvent::WindowDeactivate: close(); break;
    default: break;
  }
  return false;
}

bool SheetLineEdit::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
    if (IsWindowKey(*static_cast<QKeyEvent*>(event), hasSelectedText())) {
      // Not this box's: the window's shortcut takes it.
      event->ignore();
      return event->type() == QEvent::ShortcutOverride;
    }
  }
  return QLineEdit::event(event);
}

void SheetLineEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  emit focusChanged(true);
}

void SheetLineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  emit focusChanged(false);
}

NotesBox::NotesBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // A plain frame as wide as the focus ring, which is drawn on it; the
  // frame's line itself is drawn in the box's background colour.
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(kFocusRingWidth);
  setForegroundRole(QPalette::Base);
  // A right-click here opens the window's menu.
  setContextMenuPolicy(Qt::NoContextMenu);
  viewport()->setContextMenuPolicy(Qt::NoContextMenu);
}

bool NotesBox::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
      const auto& key = *static_cast<QKeyEvent*>(event);
      if (IsWindowKey(key, textCursor().hasSelection())) {
        event->ignore();
        return event->type() == QEvent::ShortcutOverride;
      }
      // A read-only box does not claim Ctrl+C on its own; with a selection
      // the key is its, to copy the selection.
      if (event->type() == QEvent::ShortcutOverride && key.keyCombination() == kCopyKey) {
        event->accept();
        return true;
      }
      break;
    }
    default: break;
  }
  return QPlainTextEdit::event(event);
}

RaceBox::RaceBox(QWidget* parent) : QComboBox(parent) {
  textPart_ = new SheetLineEdit(this);
  setLineEdit(textPart_);
  setInsertPolicy(QComboBox::NoInsert);
  // No completion: what the player types stays exactly as typed.
  setCompleter(nullptr);
  for (const std::string_view name : kRaceList) addItem(Q(name));
  // Left alone, an editable combo box matches the typed text to an entry
  // when editing finishes (Enter or leaving the box) and reports that as a
  // pick; here only a pick from the list is a pick.
  disconnect(textPart_, &QLineEdit::editingFinished, this, nullptr);
  disconnect(textPart_, &QLineEdit::returnPressed, this, nullptr);
}

void RaceBox::ShowPicked(bool picked) {
  if (picked == picked_) return;
  picked_ = picked;
  if (picked) {
    setPalette(QPalette());  // the window's colours again
    return;
  }
  QPalette typed = palette();
  typed.setColor(QPalette::Base, QColor(kTypedRaceAmber));
  typed.setColor(QPalette::Text, QColor(kTypedRaceText));
  setPalette(typed);
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
  QAbstractItemView* list = view();
  if (!entriesExplained_) {
    entriesExplained_ = true;
    for (int row = 0; row < count(); ++row) {
      if (const auto race = RaceNamed(itemText(row).toStdString()))
        setItemData(row, Q(RaceFacts(*race)), Qt::AccessibleDescriptionRole);
    }
    list->viewport()->installEventFilter(this);
  }
  // The list is drawn at the box's zoom.
  if (QWidget* popup = list->window(); popup->style() != style()) {
    popup->setStyle(style());
    for (QWidget* part : popup->findChildren<QWidget*>()) part->setStyle(style());
  }
  QComboBox::showPopup();
}

bool RaceBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && watched == view()->viewport()) {
    ShowFactsOfEntryAt(static_cast<QHelpEvent*>(event)->pos());
    return true;
  }
  return QComboBox::eventFilter(watched, event);
}

// Beside the open list, never over it: to its right, or to its left where
// the screen ends there, on the entry's line; where neither side has room
// for the facts as wide as they run, they are laid out for the wider side.
void RaceBox::ShowFactsOfEntryAt(const QPoint& at) {
  QAbstractItemView* list = view();
  const QModelIndex index = list->indexAt(at);
  const auto race = index.isValid() ? RaceNamed(itemText(index.row()).toStdString()) : std::nullopt;
  if (!race) {
    QToolTip::hideText();
    return;
  }
  const std::string facts = RaceFacts(*race, Breaks::Marked);
  const QRect entry = list->visualRect(index);
  const QWidget* popup = list->window();
  const QRect beside(popup->mapToGlobal(QPoint()), popup->size());
  const QRect screen = popup->screen()->availableGeometry();
  const int gap = qRound(kBalloonGap * ZoomOf(*this));
  const int right = screen.right() - beside.right() - gap;
  const int left = beside.left() - screen.left() - gap;
  const QPoint entryTop = list->viewport()->mapToGlobal(entry.topLeft());

  int textWidth = 0;
  QToolTip::showText(entryTop, TooltipText(facts, *this, 0, &textWidth), list->viewport(), entry);
  QWidget* tip = ShownTooltip();
  if (!tip) return;
  if (tip->width() > right && tip->width() > left) {
    const int chrome = tip->width() - textWidth;
    QToolTip::showText(entryTop, TooltipText(facts, *this, std::max(right, left) - chrome), list->viewport(), entry);
  }
  const int x = tip->width() <= right || right >= left ? beside.right() + 1 + gap : beside.left() - gap - tip->width();
  const int y = std::clamp(entryTop.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - tip->height()));
  tip->move(x, y);
}

// Down in the closed box moves to the next race in the list.
void RaceBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: MoveToTheRaceShown(); break;
    default: break;
  }
  QComboBox::keyPressEvent(event);
}

SheetFrame::SheetFrame(const QString& caption, const QFont& captionFont, const QColor& captionColour, QWidget* parent)
    : QWidget(parent), caption_(caption), captionFont_(captionFont), captionColour_(captionColour) {
  setAccessibleName(caption);
}

QRect SheetFrame::TitleRect() const {
  const QFontMetrics metrics(captionFont_);
  return QRect(6, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
}

// Drawn as at 100 % under the zoom, the caption in its 100 % font.
void SheetFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(kBlack));
  const qreal zoom = ZoomOf(*this);
  const QSize size = Zoomed(rect(), 1 / zoom).size();
  if (zoom != 1) painter.scale(zoom, zoom);
  painter.setFont(captionFont_);
  const QFontMetrics metrics(captionFont_);
  const int edge = metrics.height() / 2;
  painter.setPen(QColor(kMiddleGrey));
  painter.drawRect(QRect(0, edge, size.width() - 1, size.height() - edge - 1));
  const QRect caption = TitleRect();
  painter.fillRect(caption, QColor(kBlack));
  painter.setPen(captionColour_);
  painter.drawText(caption, Qt::AlignCenter, caption_);
}

}  // namespace cindral
