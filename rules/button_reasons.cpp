#include "button_reasons.h"

namespace cindral {

namespace {

std::string Said(Stat stat, const char* where) { return std::string(kStats[Index(stat)].name) + where; }

}  // namespace

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

}  // namespace cindral
