#include "reasons.h"

#include "race_selection.h"
#include "words.h"

namespace cindral {

namespace {

// "Strength is at the race's maximum".
std::string Said(Stat stat, Standing standing) {
  return std::string(kStats[Index(stat)].name) + " is " + StandingWords(standing, "the race's");
}

}  // namespace

std::string ButtonReason(const Sheet& sheet, const StatButton& button) {
  switch (RefusalOf(sheet, button)) {
    case ButtonRefusal::None: break;
    case ButtonRefusal::NoRace: return kNoRaceForStats;
    case ButtonRefusal::AboveMaximum: return Said(button.stat, Standing::AboveMaximum);
    case ButtonRefusal::AtMaximum: return Said(button.stat, Standing::AtMaximum);
    case ButtonRefusal::NoPoints: return kNoCharacterPoints;
    case ButtonRefusal::BelowMinimum: return Said(button.stat, Standing::BelowMinimum);
    case ButtonRefusal::AtMinimum: return Said(button.stat, Standing::AtMinimum);
  }
  return {};
}

std::string BoxReason(const Sheet& sheet, Box box, Breaks breaks) {
  switch (RefusalOf(sheet, box)) {
    case BoxRefusal::None: break;
    case BoxRefusal::NotForRace: {
      const std::string_view race = NameOf(*CurrentRace(sheet));
      const std::string reason = "Not available to a " + std::string(race);
      return breaks == Breaks::Marked ? SentenceNaming(reason, race) : reason;
    }
    case BoxRefusal::NoTraitsLeft: return kNoTraitsLeft;
    case BoxRefusal::PickARace: return kPickARace;
    case BoxRefusal::NoTagsLeft: return kNoTagsLeft;
    case BoxRefusal::TaggedByHamFisted:
      if (breaks == Breaks::Unmarked) return kTaggedByHamFisted;
      return SentenceNaming(kTaggedByHamFisted, kTraits[Index(Trait::hamfist)].caption);
  }
  return {};
}

std::string ForcedTagReason(const Sheet& sheet, Box box) {
  return RefusalOf(sheet, box) == BoxRefusal::TaggedByHamFisted ? kTaggedByHamFisted : "";
}

std::string DisabledReason(const Sheet& sheet, Box box, Breaks breaks) {
  return sheet.Enabled(box) ? "" : BoxReason(sheet, box, breaks);
}

}  // namespace cindral
