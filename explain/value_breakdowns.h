// Every value explains itself: a secondary statistic (all but Gas Res., a
// literal the race pick writes) or a skill value, broken down into the
// terms the rules add up, with the character's own numbers:
//   "Hit Points 30 = 15 + 5 (ST 5) + 10 (2 × EN 5)"
//   "Poison Res. 30% = 30 (Ghoul with Fast Metabolism)"
// The terms are the recomputations' own, recorded as they compute, so a
// breakdown always adds up to the value shown. It reads the character and
// changes nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet.h"
#include "value_terms.h"
#include "words.h"

namespace cindral {

class Engine;

// Whether a field's value has a breakdown.
bool HasBreakdown(Field field);

// The value's breakdown: its first line "<caption> <value> = <term> + …",
// where each term is its contribution and, in parentheses, what produced
// it; a second line when the race text was typed since the value was last
// recomputed, with what the next recomputation makes of it. "" for a field
// without a breakdown.
std::string Breakdown(const Engine& engine, Field field, Breaks breaks = Breaks::Unmarked);

// Gas Res., which no recomputation writes: the pair and the race whose pick
// set it, and that no trait changes it; while the race text is typed, that
// only a pick from the list sets it again.
std::string GasResText(const Engine& engine, Breaks breaks = Breaks::Unmarked);

// A term as a breakdown writes it, without its sign: "10 (2 × EN 5)".
std::string TermText(const Term& term);

// The race text in quotes, cut short when it is long.
std::string QuotedRaceText(const Sheet& sheet);

}  // namespace cindral
