// Tagging skills: Tags Left counts the free tags and the unticked boxes
// close when none is left.
#pragma once

#include "sheet.h"

namespace cindral {

// The click handling of every tag box (smallguns_Click ... outdoorsman_Click).
void TagBox_Click(Sheet& sheet, Skill skill);

// Unticks every tag box, each running its handling, then sets Tags Left to 3.
void ResetTags(Sheet& sheet);

// Enables every tag box while a tag is left; otherwise disables the
// unticked ones.
void UpdateTagBoxes(Sheet& sheet);

}  // namespace cindral
