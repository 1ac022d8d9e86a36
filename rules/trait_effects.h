// What ticking or unticking a trait box does.
#pragma once

#include "sheet.h"

namespace cindral {

// The click handling of every trait box (fastmet_Click ... betasoft_Click):
// the counter, the trait's direct changes made or undone, its recomputations
// and its rule text in the information panel.
void TraitBox_Click(Sheet& sheet, Trait trait);

}  // namespace cindral
