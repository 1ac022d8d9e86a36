// Everything a player does to the character, as one type: the window sends
// it, the tests' generator makes it, the fuzz targets decode it and the
// benchmarks time it. An action is plain data; the history runs it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cindral {

struct Action {
  enum class Kind : std::uint8_t {
    Click,           // a button, a tick box, a caption, the counter `tags` or About, by its control name
    PickRace,        // a race picked from the list
    TypeRace,        // the race text, as the player has typed it so far
    TypeName,        // the name, as the player has typed it so far
    EndTyping,       // the focus has left the box being typed in
    CopyCharacter,   // the whole character put on the clipboard
    PasteCharacter,  // a character's text, rebuilt through the rules
    CheckCharacter,  // the character looked over as a game master would
    Undo,
    Redo,
  };

  Kind kind = Kind::Click;
  std::string text;  // the control clicked, the race picked, the text typed or pasted; "" for the rest

  bool operator==(const Action&) const = default;
};

inline Action Click(std::string_view control) { return {Action::Kind::Click, std::string(control)}; }
inline Action PickRace(std::string_view race) { return {Action::Kind::PickRace, std::string(race)}; }
inline Action TypeRace(std::string_view text) { return {Action::Kind::TypeRace, std::string(text)}; }
inline Action TypeName(std::string_view text) { return {Action::Kind::TypeName, std::string(text)}; }
inline Action EndTyping() { return {Action::Kind::EndTyping, {}}; }
inline Action CopyCharacter() { return {Action::Kind::CopyCharacter, {}}; }
inline Action PasteCharacter(std::string_view text) { return {Action::Kind::PasteCharacter, std::string(text)}; }
inline Action CheckCharacter() { return {Action::Kind::CheckCharacter, {}}; }
inline Action Undo() { return {Action::Kind::Undo, {}}; }
inline Action Redo() { return {Action::Kind::Redo, {}}; }

}  // namespace cindral
