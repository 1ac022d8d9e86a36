// Keys for what the mouse does that the widgets do not already offer.
#pragma once

namespace cindral {

class SheetView;

// Enter presses a focused button as Space does; F1 on a focused tick box
// shows the text of its caption, as a click on that caption does (F1
// elsewhere shows nothing: a statistic and its buttons have no text);
// Ctrl+F1 and Ctrl+Shift+F1 step forwards and backwards through the texts
// of every caption and the counter `tags`, in the order they stand in the
// window, from the caption whose text the panel shows (one clicked, shown
// with F1 or stepped to, or a trait ticked or unticked), or from the first
// or the last while it shows any other text. Each step is a click on the
// caption, handed to the window. Shift+F1 asks What's This of the focused
// control, or, right after Ctrl+F1 or Ctrl+Shift+F1 walked to a caption, of
// that caption's value (or box). (Space ticks a focused box, Alt+Down and
// F4 open the race list: the widgets do that themselves.)
void AddKeyboardSupport(SheetView& window);

}  // namespace cindral
