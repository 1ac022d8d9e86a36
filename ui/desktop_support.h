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

// All three parts below.
void AddDesktopSupport(CharacterWindow& window);

// Enter presses a focused button as Space does; F1 on a focused tick box
// shows the text of the caption beside it, as a click on that caption does
// (F1 elsewhere shows nothing: a statistic and its buttons have no text);
// Ctrl+F1 and Ctrl+Shift+F1 step forwards and backwards through the texts
// of every caption and the counter `tags`, in the order they stand in the
// window. (Space ticks a focused box, Alt+Down and F4 open the race list:
// the widgets do that themselves.)
void AddKeyboardSupport(CharacterWindow& window);

// Every control is named by what it is ("Strength, plus", "Small Guns, tag",
// "Bruiser"), every value field by its caption and value ("Hit Points: 30"),
// and the information panel is described by the text it shows.
void AddAccessibleNames(CharacterWindow& window);

// A disabled tick box and its caption carry the reason as their tooltip.
void AddDisabledTooltips(CharacterWindow& window);

// The caption label that stands left of a control in the same row ("Label4"
// beside `bruiser`, "Label48" beside `hp`, "Label75" beside `stplu`), or "".
std::string_view CaptionBeside(std::string_view control);

// The window's control by name; nullptr for "" or a name it does not have.
QWidget* ControlNamed(const CharacterWindow& window, std::string_view name);

}  // namespace cindral
