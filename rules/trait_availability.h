// Which trait boxes can be ticked: the race's list, and none while no trait
// is left.
#pragma once

#include "race_selection.h"

namespace cindral {

// Whether the race may pick the trait.
bool RaceAllows(Race race, Trait trait);

// Sets every trait box's enabled flag from the race's list; a race text that
// names no race changes nothing.
void EnableRaceTraits(Sheet& sheet);

// Unticks every trait box in trait order, each running its untick handling.
void ClearTraits(Sheet& sheet);

// Follows Traits Left: the race's list while a trait is left, otherwise
// every unticked box disabled.
void UpdateTraitBoxes(Sheet& sheet);

// Traits Left down by one on a tick, up by one on an untick.
void CountTrait(Sheet& sheet, Trait trait);

}  // namespace cindral
