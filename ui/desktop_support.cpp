#include "desktop_support.h"

#include "accessibility.h"
#include "character_window.h"
#include "keyboard.h"
#include "tooltips.h"

namespace cindral {

void AddDesktopSupport(CharacterWindow& window) {
  AddKeyboardSupport(window);
  AddAccessibleNames(window);
  AddDisabledTooltips(window);
}

QWidget* ControlNamed(const CharacterWindow& window, std::string_view name) {
  return name.empty() ? nullptr : window.Control(name);
}

}  // namespace cindral
