#include "desktop_support.h"

#include <optional>

#include "character_window.h"
#include "window_layout.h"

namespace cindral {

namespace {

struct RowPlace {
  Frame frame;
  Rect rect;
};

std::optional<RowPlace> PlaceOf(std::string_view control) {
  for (const LabelPlace& p : LabelPlaces()) {
    if (p.name == control) return RowPlace{p.frame, p.rect};
  }
  for (const auto places : {ButtonPlaces(), BoxPlaces()}) {
    for (const ButtonPlace& p : places) {
      if (p.name == control) return RowPlace{p.frame, p.rect};
    }
  }
  return std::nullopt;
}

}  // namespace

void AddDesktopSupport(CharacterWindow& window) {
  AddKeyboardSupport(window);
  AddAccessibleNames(window);
  AddDisabledTooltips(window);
}

// Every row of a frame holds one label with a fixed text, its caption; the
// value fields start empty and mirror the sheet.
std::string_view CaptionBeside(std::string_view control) {
  const auto place = PlaceOf(control);
  if (!place) return {};
  for (const LabelPlace& p : LabelPlaces()) {
    if (p.frame == place->frame && p.rect.y == place->rect.y && !p.text.empty() && p.name != control) return p.name;
  }
  return {};
}

QWidget* ControlNamed(const CharacterWindow& window, std::string_view name) {
  return name.empty() ? nullptr : window.Control(name);
}

}  // namespace cindral
