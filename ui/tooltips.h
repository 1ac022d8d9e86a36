// Tooltips that tell the player why a tick box cannot be ticked, and that
// a race typed into the race box is not applied.
#pragma once

namespace cindral {

class SheetView;

// What the race box says while its text is not the race last picked.
inline constexpr const char* kTypedRaceNotApplied =
    "The typed race is not applied until a race is picked from the list";

// A disabled tick box and its caption carry the reason as their tooltip;
// the race box says when its text is only typed.
void AddDisabledTooltips(SheetView& window);

}  // namespace cindral
