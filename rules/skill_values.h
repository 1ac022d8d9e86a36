// The nineteen skill percentages.
#pragma once

#include "sheet.h"
#include "value_terms.h"

namespace cindral {

// Rewrites all nineteen skill values from the statistics, the tags and the
// skill-changing traits. While Ham Fisted is ticked it first tags Unarmed,
// which runs Unarmed's tag handling nested.
void UpdateSkills(Sheet& sheet);

// The terms of a skill's value as UpdateSkills adds them up from the sheet:
// the formula's number and statistics, the tag, each ticked trait's
// adjustment. Writes nothing.
Terms SkillTerms(const Sheet& sheet, Skill skill);

}  // namespace cindral
