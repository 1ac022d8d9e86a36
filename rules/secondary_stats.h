// The secondary statistics, derived from the primary ones, the race and
// the ticked traits.
#pragma once

#include "sheet.h"

namespace cindral {

// Rewrites every secondary statistic but Gas Res. and Perk Rate, then the
// skill values and the notes, so one call brings the whole sheet up to date.
void UpdateSecondaryStats(Sheet& sheet);

}  // namespace cindral
