// Why a tick box cannot be ticked right now, in the words its tooltip uses.
// Plain C++ over the sheet: it reads, it never writes.
#pragma once

#include <string>

#include "sheet.h"

namespace cindral {

inline constexpr const char* kNoTraitsLeft = "No traits left: untick one to choose another";
inline constexpr const char* kNoTagsLeft = "No tags left: untick a skill to tag another";
// A race text the player typed names no race (or a race other than the one
// picked last), so the trait boxes still follow the last race picked from
// the list; picking one puts them in order.
inline constexpr const char* kPickARace = "Not available: pick a race from the list";

// Ham Fisted holds the Unarmed tag: its box cannot be unticked for good,
// since the next skill recomputation ticks it again.
inline constexpr const char* kTaggedByHamFisted = "Tagged by Ham Fisted";

// "Tagged by Ham Fisted" for the Unarmed tag box while Ham Fisted is ticked
// and holds its tag; "" for any other box.
std::string ForcedTagReason(const Sheet& sheet, Box box);

// "" for an enabled box. For a disabled trait box: the race's own refusal
// ("Not available to a Robot") before an empty allowance, since unticking
// another trait would not help there. A tag box held by Ham Fisted says so
// rather than that a tag is missing.
std::string DisabledReason(const Sheet& sheet, Box box);

}  // namespace cindral
