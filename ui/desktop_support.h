// What the window offers beyond the mouse: a key for every action, names a
// screen reader can say, and tooltips that tell why a box cannot be ticked.
// Each part is added to a built window and keeps itself current through the
// window's sheetShown signal; none of them changes a field of the sheet by
// itself.
#pragma once

#include <string_view>

class QWidget;

namespace cindral {

class CharacterWindow;

// The keys (keyboard.h), the screen-reader names (accessibility.h) and the
// tooltips (tooltips.h).
void AddDesktopSupport(CharacterWindow& window);

// The window's control by name; nullptr for "" or a name it does not have.
QWidget* ControlNamed(const CharacterWindow& window, std::string_view name);

}  // namespace cindral
