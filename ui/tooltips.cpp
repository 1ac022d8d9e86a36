#include "tooltips.h"

#include <QWidget>

#include "character_window.h"
#include "desktop_support.h"
#include "disabled_reasons.h"
#include "window_layout.h"

namespace cindral {

namespace {

void SetTip(QWidget* widget, const QString& tip) {
  if (widget && widget->toolTip() != tip) widget->setToolTip(tip);
}

// The reason follows the race text and the two counters as well as the
// enabled flags, so every box is looked at after every event; the race
// box's tip follows its text and the last pick.
void ShowReasons(CharacterWindow& window) {
  const Sheet& sheet = window.engine().sheet();
  for (const ControlPlace& p : BoxPlaces()) {
    const auto box = FindBox(p.name);
    if (!box) continue;
    const QString reason = QString::fromStdString(DisabledReason(sheet, *box));
    SetTip(ControlNamed(window, p.name), reason);
    SetTip(ControlNamed(window, CaptionOf(p.name)), reason);
  }
  SetTip(ControlNamed(window, "race"),
         window.engine().RaceTextIsPicked() ? QString() : QString::fromLatin1(kTypedRaceNotApplied));
}

}  // namespace

void AddDisabledTooltips(CharacterWindow& window) {
  ShowReasons(window);
  QObject::connect(&window, &CharacterWindow::sheetShown, &window, [&window] { ShowReasons(window); });
}

}  // namespace cindral
