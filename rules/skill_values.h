// The nineteen skill percentages.
#pragma once

#include "sheet.h"

namespace cindral {

// Rewrites all nineteen skill values from the statistics, the tags and the
// skill-changing traits. While Ham Fisted is ticked it first tags Unarmed,
// which runs Unarmed's tag handling nested.
void UpdateSkills(Sheet& sheet);

}  // namespace cindral
