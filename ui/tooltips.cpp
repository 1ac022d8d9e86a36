#include "tooltips.h"

#include <QWidget>

#include "disabled_reasons.h"
#include "sheet_view.h"
#include "window_layout.h"

namespace cindral {

namespace {

void SetTip(QWidget* widget, const QString& tip) {
  if (widget && widget->toolTip() != tip) widget->setToolTip(tip);
}

// The reason follows the race text and the two counters as well as the
// enabled flags, so every box is looked at after every event; the race
// box's tip follows its text and the last pick.
void ShowReasons(SheetView& window) {
  const Sheet& sheet = window.sheet();
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    const auto box = static_cast<Box>(b);
    const QString reason = QString::fromStdString(DisabledReason(sheet, box));
    SetTip(window.Control(NameOf(box)), reason);
    SetTip(window.Control(CaptionOf(NameOf(box))), reason);
  }
  SetTip(window.Control("race"), window.RaceTextIsPicked() ? QString() : QString::fromLatin1(kTypedRaceNotApplied));
}

}  // namespace

void AddDisabledTooltips(SheetView& window) {
  ShowReasons(window);
  QObject::connect(&window, &SheetView::sheetShown, &window, [&window] { ShowReasons(window); });
}

}  // namespace cindral
