#include "disabled_reasons.h"

#include "race_selection.h"
#include "trait_availability.h"

namespace cindral {

std::string ForcedTagReason(const Sheet& sheet, Box box) {
  if (box != Box::unarmed || !Ticked(sheet, box) || !Ticked(sheet, Trait::hamfist)) return {};
  return kTaggedByHamFisted;
}

std::string DisabledReason(const Sheet& sheet, Box box) {
  if (sheet.Enabled(box)) return {};
  if (IsTagBox(box)) {
    const std::string forced = ForcedTagReason(sheet, box);
    return forced.empty() ? kNoTagsLeft : forced;
  }

  const auto race = CurrentRace(sheet);
  if (race && !RaceAllows(*race, TraitOf(box))) return "Not available to a " + std::string(RowOf(*race).name);
  if (sheet.Number(Field::traits) <= 0) return kNoTraitsLeft;
  return kPickARace;
}

}  // namespace cindral
