// The window's context menu: "Undo", "Redo", "Copy Character", "Paste
// Character" and "Print Character…", each with its key shown, each disabled
// while it has nothing to do. It only maps onto the window's own actions and
// its print command; the keys work without it.
#pragma once

class QMenu;

namespace cindral {

class SheetView;

// Made the first time the player right-clicks; a window that is never
// right-clicked starts without it.
QMenu* MakeWindowMenu(SheetView& window);

}  // namespace cindral
