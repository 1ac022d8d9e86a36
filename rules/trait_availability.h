// Which trait boxes can be ticked: the race's list, and none while no trait
// is left.
#pragma once

#include "race_selection.h"

namespace cindral {

// Whether the race may pick the trait, and whether a list of the trait
// table holds it.
bool RaceAllows(Race race, Trait trait);
bool ListAllows(TraitColumn list, Trait trait);

// Sets every trait box's enabled flag from the race's list, and notes the
// list on the sheet; a race text that names no race changes nothing.
void EnableRaceTraits(Sheet& sheet);

// Unticks every trait box in trait order, each running its untick handling.
void ClearTraits(Sheet& sheet);

// Follows Traits Left: the race's list while a trait is left, otherwise
// every unticked box disabled, and the boxes noted as following no list.
void UpdateTraitBoxes(Sheet& sheet);

// Traits Left down by one on a tick, up by one on an untick.
void CountTrait(Sheet& sheet, Trait trait);

}  // namespace cindral
