#include "zoom.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <optional>
#include <tuple>
#include <utility>

namespace cindral {

qreal ZoomOf(const QWidget& widget) {
  const auto* style = qobject_cast<const ZoomStyle*>(widget.style());
  return style ? style->zoom() : 1.0;
}

QRect ToQRect(const Rect& rect) { return QRect(rect.x, rect.y, rect.w, rect.h); }

QRect Zoomed(const QRect& rect, qreal zoom) {
  return ToQRect(Zoomed(Rect{rect.x(), rect.y(), rect.width(), rect.height()}, zoom));
}

QFont Zoomed(QFont font, qreal zoom) {
  if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * zoom);
  else if (font.pixelSize() > 0) font.setPixelSize(qMax(1, qRound(font.pixelSize() * zoom)));
  return font;
}

namespace {

QSize Zoomed(const QSize& size, qreal zoom) {
  if (!size.isValid()) return size;
  return QSize(qRound(size.width() * zoom), qRound(size.height() * zoom));
}

int Zoomed(int measure, qreal zoom) { return qRound(measure * zoom); }

}  // namespace

// While it stands, the style it stands for sees the option, the painter and
// the fonts as at 100 %: the option's rectangle, font metrics, line widths
// and icon sizes divided by the zoom, the painter scaled by it. The option
// is the caller's own, made for this call; it gets its measures back when
// the call is done.
class ZoomStyle::AtActualSize {
 public:
  AtActualSize(const ZoomStyle& style, const QStyleOption* option, QPainter* painter, const QWidget* widget)
      : style_(style), option_(const_cast<QStyleOption*>(option)), painter_(painter) {
    ++style_.actualSize_;
    const qreal shrink = 1 / style_.zoom_;
    QFont font = widget ? widget->font() : painter ? painter->font() : QApplication::font();
    if (painter_) {
      painter_->save();
      painter_->scale(style_.zoom_, style_.zoom_);
      painter_->setFont(cindral::Zoomed(painter_->font(), shrink));
    }
    if (!option_) return;
    rect_ = option_->rect;
    metrics_ = option_->fontMetrics;
    option_->rect = cindral::Zoomed(option_->rect, shrink);
    if (auto* item = qstyleoption_cast<QStyleOptionViewItem*>(option_)) {
      font_ = item->font;
      font = item->font;
      item->font = cindral::Zoomed(item->font, shrink);
      iconSize_ = item->decorationSize;
      item->decorationSize = Zoomed(item->decorationSize, shrink);
    } else if (auto* entry = qstyleoption_cast<QStyleOptionMenuItem*>(option_)) {
      font_ = entry->font;
      font = entry->font;
      entry->font = cindral::Zoomed(entry->font, shrink);
      widths_ = {entry->maxIconWidth, entry->reservedShortcutWidth};
      entry->maxIconWidth = Zoomed(entry->maxIconWidth, shrink);
      entry->reservedShortcutWidth = Zoomed(entry->reservedShortcutWidth, shrink);
    } else if (auto* frame = qstyleoption_cast<QStyleOptionFrame*>(option_)) {
      widths_ = {frame->lineWidth, frame->midLineWidth};
      frame->lineWidth = qMax(frame->lineWidth > 0 ? 1 : 0, Zoomed(frame->lineWidth, shrink));
      frame->midLineWidth = Zoomed(frame->midLineWidth, shrink);
    } else if (auto* button = qstyleoption_cast<QStyleOptionButton*>(option_)) {
      iconSize_ = button->iconSize;
      button->iconSize = Zoomed(button->iconSize, shrink);
    } else if (auto* combo = qstyleoption_cast<QStyleOptionComboBox*>(option_)) {
      iconSize_ = combo->iconSize;
      combo->iconSize = Zoomed(combo->iconSize, shrink);
    }
    option_->fontMetrics = QFontMetrics(cindral::Zoomed(font, shrink));
  }

  ~AtActualSize() {
    --style_.actualSize_;
    if (painter_) painter_->restore();
    if (!option_) return;
    option_->rect = rect_;
    option_->fontMetrics = *metrics_;
    if (auto* item = qstyleoption_cast<QStyleOptionViewItem*>(option_)) {
      item->font = font_;
      item->decorationSize = iconSize_;
    } else if (auto* entry = qstyleoption_cast<QStyleOptionMenuItem*>(option_)) {
      entry->font = font_;
      std::tie(entry->maxIconWidth, entry->reservedShortcutWidth) = widths_;
    } else if (auto* frame = qstyleoption_cast<QStyleOptionFrame*>(option_)) {
      std::tie(frame->lineWidth, frame->midLineWidth) = widths_;
    } else if (auto* button = qstyleoption_cast<QStyleOptionButton*>(option_)) {
      button->iconSize = iconSize_;
    } else if (auto* combo = qstyleoption_cast<QStyleOptionComboBox*>(option_)) {
      combo->iconSize = iconSize_;
    }
  }

  AtActualSize(const AtActualSize&) = delete;
  AtActualSize& operator=(const AtActualSize&) = delete;

  // A part of the option's rectangle, as the style gave it at 100 %, at the
  // zoom: its edges measured from the rectangle's top left and scaled, but
  // an edge on the rectangle's own edge kept on it, so that a part that
  // fills the rectangle still fills it and no frame appears where none was.
  QRect PartAtZoom(const QRect& part) const {
    if (!option_) return cindral::Zoomed(part, style_.zoom_);
    const QRect& whole = option_->rect;
    const auto at = [this](int distance) { return qRound(distance * style_.zoom_); };
    const int left = part.left() == whole.left() ? rect_.left() : rect_.left() + at(part.left() - whole.left());
    const int top = part.top() == whole.top() ? rect_.top() : rect_.top() + at(part.top() - whole.top());
    const int right =
        part.right() == whole.right() ? rect_.right() : rect_.left() + at(part.right() + 1 - whole.left()) - 1;
    const int bottom =
        part.bottom() == whole.bottom() ? rect_.bottom() : rect_.top() + at(part.bottom() + 1 - whole.top()) - 1;
    return QRect(QPoint(left, top), QPoint(right, bottom));
  }

 private:
  const ZoomStyle& style_;
  QStyleOption* option_;
  QPainter* painter_;
  QRect rect_;
  std::optional<QFontMetrics> metrics_;
  QFont font_;
  QSize iconSize_;
  std::pair<int, int> widths_;
};

ZoomStyle::ZoomStyle(qreal zoom, QObject* owner)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), zoom_(zoom) {
  setParent(owner);
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  const int measure = QProxyStyle::pixelMetric(metric, option, widget);
  return actualSize_ ? measure : Zoomed(measure, zoom_);
}

QSize ZoomStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
  if (actualSize_) return QProxyStyle::sizeFromContents(type, option, size, widget);
  const AtActualSize at(*this, option, nullptr, widget);
  return Zoomed(QProxyStyle::sizeFromContents(type, option, Zoomed(size, 1 / zoom_), widget), zoom_);
}

QRect ZoomStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const {
  if (actualSize_) return QProxyStyle::subElementRect(element, option, widget);
  const AtActualSize at(*this, option, nullptr, widget);
  return at.PartAtZoom(QProxyStyle::subElementRect(element, option, widget));
}

QRect ZoomStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                const QWidget* widget) const {
  if (actualSize_) return QProxyStyle::subControlRect(control, option, sub, widget);
  const AtActualSize at(*this, option, nullptr, widget);
  return at.PartAtZoom(QProxyStyle::subControlRect(control, option, sub, widget));
}

QStyle::SubControl ZoomStyle::hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                                    const QPoint& point, const QWidget* widget) const {
  if (actualSize_) return QProxyStyle::hitTestComplexControl(control, option, point, widget);
  const AtActualSize at(*this, option, nullptr, widget);
  return QProxyStyle::hitTestComplexControl(control, option, (QPointF(point) / zoom_).toPoint(), widget);
}

void ZoomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
  if (actualSize_) return QProxyStyle::drawPrimitive(element, option, painter, widget);
  const AtActualSize at(*this, option, painter, widget);
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ZoomStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
  if (actualSize_) return QProxyStyle::drawControl(element, option, painter, widget);
  const AtActualSize at(*this, option, painter, widget);
  QProxyStyle::drawControl(element, option, painter, widget);
}

void ZoomStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const {
  if (actualSize_) return QProxyStyle::drawComplexControl(control, option, painter, widget);
  const AtActualSize at(*this, option, painter, widget);
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

}  // namespace cindral
