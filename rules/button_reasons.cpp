#include "button_reasons.h"

namespace cindral {

namespace {

std::string Said(Stat stat, const char* where) { return std::string(kStats[Index(stat)].name) + where; }

}  // namespace

std::string ButtonReason(const Sheet& sheet, const StatButton& button) {
  const Limit* found = RaceLimitFor(sheet, button.stat);
  if (!found) return kNoRaceForStats;
  const Limit& limit = *found;
  // The limits hold for the value shown, a trait's change included.
  const double value = sheet.Number(FieldOf(button.stat));
  if (button.step > 0) {
    if (value > limit.high) return Said(button.stat, " is above the race's maximum");
    if (value == limit.high) return Said(button.stat, " is at the race's maximum");
    if (sheet.Number(Field::chpoint) <= 0) return kNoCharacterPoints;
    return {};
  }
  if (value < limit.low) return Said(button.stat, " is below the race's minimum");
  if (value == limit.low) return Said(button.stat, " is at the race's minimum");
  return {};
}

}  // namespace cindral
