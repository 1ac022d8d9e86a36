// Why a click would not do what it is for, in the words the window uses:
// a "+" or "-" whose press would change nothing, a tick box that cannot be
// ticked, the Unarmed tag that Ham Fisted holds. The kinds of refusal are
// the rules' (refusals.h); this only words them.
#pragma once

#include <string>

#include "refusals.h"
#include "words.h"

namespace cindral {

inline constexpr const char* kNoCharacterPoints = "No character points left";
// A race text the player typed names no race, so every button refuses until
// a race is picked again.
inline constexpr const char* kNoRaceForStats = "The race text names no race: pick a race from the list";

inline constexpr const char* kNoTraitsLeft = "No traits left: untick one to choose another";
inline constexpr const char* kNoTagsLeft = "No tags left: untick a skill to tag another";
// A race text the player typed names no race (or a race other than the one
// picked last), so the trait boxes still follow the last race picked from
// the list; picking one puts them in order.
inline constexpr const char* kPickARace = "Not available: pick a race from the list";
// Ham Fisted holds the Unarmed tag: its box cannot be unticked for good,
// since the next skill recomputation ticks it again.
inline constexpr const char* kTaggedByHamFisted = "Tagged by Ham Fisted";

// "" when a press would move the statistic. For a "+": the race text naming
// no race, then the race's maximum ("Strength is at the race's maximum", or
// "above" it when a trait has lifted the statistic past it), then an empty
// pool. For a "-": the race text naming no race, then the race's minimum
// ("Strength is at the race's minimum", or "below" it where a race starts
// under its own minimum).
std::string ButtonReason(const Sheet& sheet, const StatButton& button);

// "Tagged by Ham Fisted" for the Unarmed tag box while Ham Fisted is ticked
// and holds its tag; "" for any other box.
std::string ForcedTagReason(const Sheet& sheet, Box box);

// "" for an enabled box. For a disabled trait box: "Not available to a
// Robot" before an empty allowance. A tag box held by Ham Fisted says so
// rather than that a tag is missing.
std::string DisabledReason(const Sheet& sheet, Box box, Breaks breaks = Breaks::Unmarked);

// Why a click on the box would change nothing for good: a closed box's
// reason, or the Unarmed tag that Ham Fisted holds; "" when nothing holds it
// back.
std::string BoxReason(const Sheet& sheet, Box box, Breaks breaks = Breaks::Unmarked);

}  // namespace cindral
