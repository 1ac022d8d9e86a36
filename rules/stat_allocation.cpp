#include "stat_allocation.h"

#include "secondary_stats.h"

namespace cindral {

const Limit* RaceLimitFor(const Sheet& sheet, Stat stat) {
  const auto race = CurrentRace(sheet);
  if (!race) return nullptr;
  return &kRaceLimits[Index(*race)].limits[Index(stat)];
}

// The limits are tested against the value shown, which already carries any
// trait's bonus: a trait's points count towards the race's maximum.
void StatPlus_Click(Sheet& sheet, Stat stat) {
  const Field field = FieldOf(stat);
  const double value = sheet.Number(field);
  const double pool = sheet.Number(Field::chpoint);
  if (const Limit* limit = RaceLimitFor(sheet, stat); limit && value < limit->high && pool > 0) {
    sheet.SetNumber(field, value + 1);
    sheet.SetNumber(Field::chpoint, pool - 1);
  }
  UpdateSecondaryStats(sheet);
}

// The pool has no upper bound, so only the race's low limit can refuse.
void StatMinus_Click(Sheet& sheet, Stat stat) {
  const Field field = FieldOf(stat);
  const double value = sheet.Number(field);
  if (const Limit* limit = RaceLimitFor(sheet, stat); limit && value > limit->low) {
    sheet.SetNumber(field, value - 1);
    sheet.SetNumber(Field::chpoint, sheet.Number(Field::chpoint) + 1);
  }
  UpdateSecondaryStats(sheet);
}

void StatButton_Click(Sheet& sheet, const StatButton& button) {
  if (button.step > 0) StatPlus_Click(sheet, button.stat);
  else StatMinus_Click(sheet, button.stat);
}

}  // namespace cindral
