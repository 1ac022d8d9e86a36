// Why a click would not do what it is for, as the rules hold it back: the
// kind of refusal, not its words (those are the explanations'). Plain C++
// over the sheet: it reads, it never writes, and it refuses exactly what
// the buttons' and the boxes' handling refuses.
#pragma once

#include <cstdint>

#include "sheet.h"
#include "stat_allocation.h"

namespace cindral {

// Why a press of a statistic's "+" or "-" would not move the statistic, in
// the order the reasons are looked for; None when it would.
enum class ButtonRefusal : std::uint8_t { None, NoRace, AboveMaximum, AtMaximum, NoPoints, BelowMinimum, AtMinimum };
ButtonRefusal RefusalOf(const Sheet& sheet, const StatButton& button);

// Why a tick box cannot be clicked to any purpose just now; None when it
// can. A closed trait box: the race's own list before an empty allowance
// (unticking another trait would not help there), then a race text that
// names no race or another race than the one picked last. A closed tag box:
// no tags left, unless Ham Fisted holds it. The Unarmed tag that Ham Fisted
// holds says so, open or closed: unticked, the next skill recomputation
// ticks it again.
enum class BoxRefusal : std::uint8_t { None, NotForRace, NoTraitsLeft, PickARace, NoTagsLeft, TaggedByHamFisted };
BoxRefusal RefusalOf(const Sheet& sheet, Box box);

}  // namespace cindral
