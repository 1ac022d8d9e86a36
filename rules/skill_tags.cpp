#include "skill_tags.h"

#include <array>

#include "skill_values.h"

namespace cindral {

namespace {

// The order in which the tag boxes are reset and enabled.
constexpr std::array<Box, kSkillCount> kTagBoxOrder = {
    Box::barter,   Box::smallguns, Box::bigguns, Box::energyweapons, Box::unarmed,     Box::melee, Box::throwing,
    Box::firstaid, Box::doctor,    Box::pilot,   Box::sneak,         Box::lockpick,    Box::steal, Box::traps,
    Box::science,  Box::repair,    Box::speech,  Box::gambling,      Box::outdoorsman,
};

inline constexpr int kTagsPerCharacter = 3;

}  // namespace

// The handler never refuses a tick: the limit holds only because the
// unticked boxes are disabled once no tag is left.
void TagBox_Click(Sheet& sheet, Skill skill) {
  const bool ticked = sheet.State(TagBox(skill)) == 1;
  sheet.SetNumber(Field::tags, sheet.Number(Field::tags) + (ticked ? -1 : +1));
  UpdateTagBoxes(sheet);
  UpdateSkills(sheet);
}

void ResetTags(Sheet& sheet) {
  for (const Box box : kTagBoxOrder) sheet.SetState(box, 0);
  sheet.SetNumber(Field::tags, kTagsPerCharacter);
}

// A ticked box keeps its flag, so the player can always untick it to free
// its tag.
void UpdateTagBoxes(Sheet& sheet) {
  const bool tagsLeft = sheet.Number(Field::tags) > 0;
  for (const Box box : kTagBoxOrder) {
    if (tagsLeft) sheet.SetEnabled(box, true);
    else if (sheet.State(box) == 0) sheet.SetEnabled(box, false);
  }
}

}  // namespace cindral
