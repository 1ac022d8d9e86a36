// A character pasted in as text (character_summary.h), rebuilt through the
// rules as a player builds one: the race picked from the list, the
// statistics pressed up and down, the traits ticked, the skills tagged and
// the name typed. The build is tried first on a copy of the engine that
// shows nothing; only when it gives the character the text describes is it
// played on the engine itself, so that a text that cannot be built leaves
// the character exactly as it was. The values the rules derive are then
// held against those the text gives, as a game master checks a sheet: the
// rules' values stand, and every difference is listed. Either way the
// information panel says what became of the text.
#pragma once

#include <string_view>

#include "events.h"

namespace cindral {

// Rebuilds on `engine` the character `text` describes, or leaves it as it
// was; returns whether it was built.
bool RebuildCharacter(Engine& engine, std::string_view text);

}  // namespace cindral
