// What ticking or unticking a trait box does.
#pragma once

#include "sheet.h"

namespace cindral {

// The click handling of every trait box (fastmet_Click ... betasoft_Click):
// the counter, the trait's direct changes made or undone, its recomputations
// and its rule text in the information panel.
void TraitBox_Click(Sheet& sheet, Trait trait);

// What the trait's tick adds to a field directly (its untick takes it back):
// 0 for a field the trait does not change directly.
int DirectChangeOf(Trait trait, Field field);

}  // namespace cindral
