#include "reasons.h"

#include "race_selection.h"

namespace cindral {

namespace {

std::string Said(Stat stat, const char* where) { return std::string(kStats[Index(stat)].name) + where; }

}  // namespace

std::string ButtonReason(const Sheet& sheet, const StatButton& button) {
  switch (RefusalOf(sheet, button)) {
    case ButtonRefusal::None: break;
    case ButtonRefusal::NoRace: return kNoRaceForStats;
    case ButtonRefusal::AboveMaximum: return Said(button.stat, " is above the race's maximum");
    case ButtonRefusal::AtMaximum: return Said(button.stat, " is at the race's maximum");
    case ButtonRefusal::NoPoints: return kNoCharacterPoints;
    case ButtonRefusal::BelowMinimum: return Said(button.stat, " is below the race's minimum");
    case ButtonRefusal::AtMinimum: return Said(button.stat, " is at the race's minimum");
  }
  return {};
}

std::string BoxReason(const Sheet& sheet, Box box) {
  switch (RefusalOf(sheet, box)) {
    case BoxRefusal::None: break;
    case BoxRefusal::NotForRace: return "Not available to a " + std::string(NameOf(*CurrentRace(sheet)));
    case BoxRefusal::NoTraitsLeft: return kNoTraitsLeft;
    case BoxRefusal::PickARace: return kPickARace;
    case BoxRefusal::NoTagsLeft: return kNoTagsLeft;
    case BoxRefusal::TaggedByHamFisted: return kTaggedByHamFisted;
  }
  return {};
}

std::string ForcedTagReason(const Sheet& sheet, Box box) {
  return RefusalOf(sheet, box) == BoxRefusal::TaggedByHamFisted ? kTaggedByHamFisted : "";
}

std::string DisabledReason(const Sheet& sheet, Box box) { return sheet.Enabled(box) ? "" : BoxReason(sheet, box); }

}  // namespace cindral
