// The window drawn larger than its layout, as a screen of a higher scale
// would draw it: the window gives every control its rectangle of the layout
// and its font at the zoom, the controls it draws itself (the frames, the
// focus ring, the closed boxes) draw their 100 % picture under the zoom,
// and every standard control (the text boxes, the buttons, the tick boxes,
// the race list, the scroll bar, the menu) takes one style that draws the
// toolkit's own 100 % picture under the zoom. Nothing of it is made before
// the player first zooms, and it keeps no state of the character.
#pragma once

#include <QFont>
#include <QProxyStyle>
#include <QRect>

#include "window_layout.h"

namespace cindral {

// How much larger than its layout a widget is drawn: its style's zoom, 1
// for a widget that takes the application's style.
qreal ZoomOf(const QWidget& widget);

// A rectangle of the layout as the widgets take it.
QRect ToQRect(const Rect& rect);

// A rectangle of the 100 % picture at the zoom, its edges scaled and rounded
// as the layout's are; the zoom's inverse takes it back to 100 %.
QRect Zoomed(const QRect& rect, qreal zoom);

// A font at the zoom: its size times the zoom.
QFont Zoomed(QFont font, qreal zoom);

// The application's style at a zoom: every measure it gives is the style's
// own times the zoom, and it draws what the style draws at 100 %, scaled,
// so that a control looks as it looks on a screen of that scale. While the
// style it stands for draws or measures, it answers at 100 %. What that
// style keeps as pictures made at the screen's own scale (a push button's
// face, the race box's frame and arrow, a scroll bar's arrows) it draws
// from them, scaled up: their edges are a little coarser than on a screen
// of the zoom's scale.
class ZoomStyle : public QProxyStyle {
  Q_OBJECT
 public:
  // Stands for a new style of the application's kind; the window owns it.
  ZoomStyle(qreal zoom, QObject* owner);

  qreal zoom() const { return zoom_; }
  // The controls that take the style learn of a new zoom by a StyleChange.
  void SetZoom(qreal zoom) { zoom_ = zoom; }

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override;
  SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option, const QPoint& point,
                                   const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override;

 private:
  class AtActualSize;

  qreal zoom_;
  mutable int actualSize_ = 0;  // above 0 while the style it stands for works at 100 %
};

}  // namespace cindral
