// The events a player makes, as the window and the tests both send them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sheet.h"

namespace cindral {

// What a click on a control does.
enum class ControlKind : std::uint8_t {
  StatButton,  // one of the fourteen "+" and "-" buttons
  Box,         // a tag box or a trait box
  Caption,     // a caption label, the counter `tags` or the About button
};

struct Control {
  std::string_view name;  // the control's name, as its widget carries it
  ControlKind kind;
  std::uint8_t index;  // the button's row, the box or the help text's row
};

// Every control that reacts to a click: 14 buttons, 47 boxes, 65 captions,
// `tags` and `Command1`. Nothing else reacts.
std::span<const Control> ReactingControls();
std::optional<Control> FindControl(std::string_view name);

// The window's load handling: the race handling for the race text shown.
void Form_Load(Sheet& sheet);

// The character generator behind the window: the sheet and every way a
// player changes it.
class Engine {
 public:
  // Every field in its initial content; Start() runs the load handling.
  Engine();
  // The same character to play on the side, whose sheet tells nobody of its
  // changes; only ever made on purpose.
  explicit Engine(const Engine& other) = default;
  Engine& operator=(const Engine&) = delete;

  void Start();

  Sheet& sheet() { return sheet_; }
  const Sheet& sheet() const { return sheet_; }

  // A user's click on a control by its name. Returns false, and changes
  // nothing, for a control that does not react (a value field, "ST",
  // "Char Points", a frame, an unknown name).
  bool Click(std::string_view control);
  void Click(const Control& control);

  // A pick from the race list: the race text becomes the name, then the
  // race handling runs.
  void PickRace(std::string_view name);

  // Typing into the race text or the name box: the text changes, nothing runs.
  void TypeRace(std::string_view text);
  void TypeName(std::string_view text);

  // The character has been copied out of the window: the information panel
  // says so, and nothing else changes.
  void ShowCharacterCopied();

  // The race last picked from the list (at start-up, the race shown then).
  // While the race text differs from it, the boxes and limits follow a race
  // the text no longer names; the window says so.
  const std::string& LastPick() const { return lastPick_; }
  bool RaceTextIsPicked() const { return sheet_.Text(Field::race) == lastPick_; }

  // Puts back what was remembered of a pick, with no rule run; only the
  // history does this, together with the sheet it puts back.
  void RestoreLastPick(std::string_view race) { lastPick_ = race; }

  // The race the secondary statistics shown were computed for and the list
  // the trait boxes are open by, as the recomputations noted them when they
  // last ran: they differ from the race text's while it was typed since.
  const RacesRead& LastRacesRead() const { return sheet_.LastRacesRead(); }

 private:
  Sheet sheet_;
  std::string lastPick_;
};

}  // namespace cindral
