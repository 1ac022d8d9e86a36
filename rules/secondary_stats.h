// The secondary statistics, derived from the primary ones, the race and
// the ticked traits.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "race_selection.h"
#include "sheet.h"
#include "value_terms.h"

namespace cindral {

// Rewrites every secondary statistic but Gas Res. and Perk Rate, then the
// skill values and the notes, so one call brings the whole sheet up to date.
void UpdateSecondaryStats(Sheet& sheet);

// Whether the recomputation writes the field: every secondary statistic
// but Gas Res. and Perk Rate.
bool RecomputedBySecondaryStats(Field field);

// Whether the recomputation writes the field with a "%" after its number.
bool ShownWithPercent(Field field);

// The terms of one secondary statistic as the recomputation makes it from
// the sheet's statistics and ticks for the race given (the race text's own,
// or the race an earlier recomputation read), in the order it applies them.
// Writes nothing.
Terms SecondaryTerms(const Sheet& sheet, Field statistic, std::optional<Race> race);

// What a race's own modifiers do in every recomputation: the statistics it
// adds to or sets (a term that replaces), in the window's order.
std::vector<std::pair<Field, Term>> RaceModifiers(Race race);

}  // namespace cindral
