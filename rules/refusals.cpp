#include "refusals.h"

#include "race_selection.h"
#include "trait_availability.h"

namespace cindral {

ButtonRefusal RefusalOf(const Sheet& sheet, const StatButton& button) {
  const Limit* found = RaceLimitFor(sheet, button.stat);
  if (!found) return ButtonRefusal::NoRace;
  const Limit& limit = *found;
  // The limits hold for the value shown, a trait's change included.
  const double value = sheet.Number(FieldOf(button.stat));
  if (button.step > 0) {
    if (value > limit.high) return ButtonRefusal::AboveMaximum;
    if (value == limit.high) return ButtonRefusal::AtMaximum;
    if (sheet.Number(Field::chpoint) <= 0) return ButtonRefusal::NoPoints;
    return ButtonRefusal::None;
  }
  if (value < limit.low) return ButtonRefusal::BelowMinimum;
  if (value == limit.low) return ButtonRefusal::AtMinimum;
  return ButtonRefusal::None;
}

BoxRefusal RefusalOf(const Sheet& sheet, Box box) {
  const bool heldByHamFisted = box == Box::unarmed && Ticked(sheet, box) && Ticked(sheet, Trait::hamfist);
  if (heldByHamFisted) return BoxRefusal::TaggedByHamFisted;
  if (sheet.Enabled(box)) return BoxRefusal::None;
  if (IsTagBox(box)) return BoxRefusal::NoTagsLeft;

  const auto race = CurrentRace(sheet);
  if (race && !RaceAllows(*race, TraitOf(box))) return BoxRefusal::NotForRace;
  if (sheet.Number(Field::traits) <= 0) return BoxRefusal::NoTraitsLeft;
  return BoxRefusal::PickARace;
}

}  // namespace cindral
