#include "race_selection.h"

#include "secondary_stats.h"
#include "skill_tags.h"
#include "trait_availability.h"

namespace cindral {

std::optional<Race> RaceNamed(std::string_view text) {
  for (const RaceInfo& race : kRaces) {
    if (race.name == text) return race.race;
  }
  return std::nullopt;
}

std::optional<Race> CurrentRace(const Sheet& sheet) { return RaceNamed(sheet.Text(Field::race)); }

const RaceRow& RowOf(Race race) { return kRaceRows[Index(race)]; }

namespace {

void WriteRaceRow(Sheet& sheet, const RaceRow& row) {
  for (std::size_t s = 0; s < kStatCount; ++s) sheet.SetNumber(FieldOf(static_cast<Stat>(s)), row.stats[s]);
  sheet.SetNumber(Field::chpoint, row.charPoints);
  sheet.SetNumber(Field::perkrate, row.perkRate);
  sheet.SetText(Field::gres, row.gasRes);
  sheet.SetNumber(Field::eres, row.electricityRes);
  sheet.SetText(Field::extra, row.note);
}

}  // namespace

void race_Click(Sheet& sheet) {
  // Traits go first: their untick handling takes back what they added to
  // the statistics and Perk Rate before the race's row overwrites them.
  ClearTraits(sheet);
  ResetTags(sheet);
  if (const auto race = CurrentRace(sheet)) WriteRaceRow(sheet, RowOf(*race));
  UpdateSecondaryStats(sheet);
  EnableRaceTraits(sheet);
  UpdateTagBoxes(sheet);
}

}  // namespace cindral
