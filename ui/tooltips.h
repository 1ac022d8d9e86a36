// Explanations on request: every value, statistic, button, box and the race
// box explains itself in a tooltip, and in a balloon beside it when a What's
// This is asked for (Shift+F1 sends one); each text is made only then, its
// lines broken between items. A value's caption shows the value's breakdown
// above its rule text. A disabled tick box and its caption carry the reason
// as their tooltip, and a "+" or "-" whose press would change nothing shows
// a dimmed sign. An explanation showing while the sheet changes is redrawn
// or goes at once.
#pragma once

namespace cindral {

class SheetView;

// Watches the window and its frames for tooltip and What's This requests,
// and keeps the boxes' reasons and the buttons' dimmed signs current after
// every event.
void AddExplanations(SheetView& window);

}  // namespace cindral
