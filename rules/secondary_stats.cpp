#include "secondary_stats.h"

#include <array>
#include <cmath>
#include <optional>

#include "extra_notes.h"
#include "number_text.h"
#include "race_selection.h"
#include "skill_values.h"

namespace cindral {

namespace {

// What a race adds to or sets in the secondary statistics: a "plus" column
// adds, a "set" column replaces, an empty one leaves the value alone. The
// race's electricity resistance is its row's, the value race selection
// writes.
struct RaceModifier {
  Race race;
  int meleePlus;
  int hpRatePlus;
  std::optional<int> damageRes;
  int poisonPlus;
  int radPlus;
};

// clang-format off
constexpr std::array<RaceModifier, kRaceCount> kRaceModifiers = {{
    //                     melee  hp rate  damage res    poison  rad
    {Race::Human,          0,     0,       std::nullopt,  0,     0},
    {Race::Ghoul,          0,     0,       std::nullopt, 30,    80},
    {Race::SuperMutant,    0,     2,       25,           20,    50},
    {Race::HalfMutant,     0,     0,       std::nullopt, 15,    15},
    {Race::Deathclaw,      5,     2,       40,            0,     0},
    {Race::GrayDeathclaw,  5,     2,       40,            0,     0},
    {Race::Dog,            0,     0,       std::nullopt,  0,     0},
    {Race::Robot,          0,     0,       40,            0,     0},
}};
// clang-format on

static_assert(InKeyOrder(kRaceModifiers, [](const RaceModifier& m) { return m.race; }),
              "the race modifiers are indexed by race");

// Fast Metabolism's poison and radiation resistance: the race's bonus alone.
struct FastMetabolismResistance {
  Race race;
  int poison;
  int rad;
};

constexpr FastMetabolismResistance kFastMetabolismResistances[] = {
    {Race::Ghoul, 30, 80},
    {Race::SuperMutant, 20, 50},
};

// AG 1 gives 5; every higher band one more, up to 10 from AG 10 on.
double ActionPointsFor(double ag) {
  if (ag == 1) return 5;
  if (ag <= 3) return 6;
  if (ag <= 5) return 7;
  if (ag <= 7) return 8;
  if (ag <= 9) return 9;
  return 10;
}

double HealRateFor(double en) {
  if (en < 5) return 1;
  if (en < 8) return 2;
  if (en < 10) return 3;
  return 4;
}

double MeleeDamageFor(double st) { return st >= 1 && st <= 6 ? 1 : st - 5; }

// Halves go to the even neighbour: 6.5 gives 6, 7.5 gives 8.
double RoundHalfEven(double x) { return std::nearbyint(x); }

void SetPercent(Sheet& sheet, Field field, double value) { sheet.SetText(field, TextFromNumber(value) + "%"); }

}  // namespace

void UpdateSecondaryStats(Sheet& sheet) {
  const double st = sheet.Number(Field::st);
  const double pe = sheet.Number(Field::pe);
  const double en = sheet.Number(Field::en);
  const double in = sheet.Number(Field::intel);
  const double ag = sheet.Number(Field::ag);
  const std::optional<Race> race = CurrentRace(sheet);

  double ap = ActionPointsFor(ag);
  if (Ticked(sheet, Trait::bruiser)) ap -= 2;
  const double hp = 15 + st + 2 * en;
  // Armor Class and Crit. Chance start as copies of the Agility and Luck
  // texts and are read back as numbers only when a trait adjusts them.
  std::string ac = sheet.Text(Field::ag);
  std::string cc = sheet.Text(Field::lu);
  double damageRes = 0;
  double bonusDamage = 0;
  double electricityRes = 0;
  double poisonRes = 5 * WholePart(en);
  double radRes = 2 * WholePart(en);
  double carryWeight = 25 + 25 * st;
  double sequence = 2 * pe;
  if (Ticked(sheet, Trait::smallframe)) carryWeight = 15 * st;
  double meleeDamage = MeleeDamageFor(st);
  double healRate = HealRateFor(en);
  if (Ticked(sheet, Trait::domesticated)) meleeDamage -= 2;
  double skillRate = 5 + 2 * in;
  double hpRate = RoundHalfEven(WholePart(en) / 2 + 3);
  const bool fastMetabolism = Ticked(sheet, Trait::fastmet);
  if (fastMetabolism) healRate += 2;

  if (race) {
    const RaceModifier& modifier = kRaceModifiers[static_cast<std::size_t>(*race)];
    meleeDamage += modifier.meleePlus;
    hpRate += modifier.hpRatePlus;
    if (modifier.damageRes) damageRes = *modifier.damageRes;
    poisonRes += modifier.poisonPlus;
    radRes += modifier.radPlus;
    electricityRes = RowOf(*race).electricityRes;
  }

  // Fast Metabolism throws away the Endurance part of both resistances and
  // keeps only the bonus of the races that have one.
  if (fastMetabolism) {
    poisonRes = 0;
    radRes = 0;
    for (const FastMetabolismResistance& r : kFastMetabolismResistances) {
      if (race == r.race) {
        poisonRes = r.poison;
        radRes = r.rad;
      }
    }
  }

  if (Ticked(sheet, Trait::finesse)) {
    bonusDamage = -30;
    cc = TextFromNumber(NumberFromText(cc) + 10);
  }
  if (Ticked(sheet, Trait::kamikaze)) {
    ac = TextFromNumber(0);
    sequence += 5;
  }
  if (Ticked(sheet, Trait::heavyhand)) meleeDamage += 4;
  if (Ticked(sheet, Trait::skilled)) skillRate += 5;
  if (Ticked(sheet, Trait::glowingone)) radRes += 50;
  if (Ticked(sheet, Trait::vatskin)) ac = TextFromNumber(NumberFromText(ac) + 10);
  if (Ticked(sheet, Trait::tightnuts)) damageRes += 40;

  sheet.SetNumber(Field::ap, ap);
  sheet.SetNumber(Field::hp, hp);
  sheet.SetText(Field::ac, ac);
  sheet.SetNumber(Field::carrywt, carryWeight);
  sheet.SetNumber(Field::seq, sequence);
  sheet.SetNumber(Field::md, meleeDamage);
  sheet.SetNumber(Field::hr, healRate);
  sheet.SetNumber(Field::skillrate, skillRate);
  sheet.SetNumber(Field::hprate, hpRate);
  SetPercent(sheet, Field::rres, radRes);
  SetPercent(sheet, Field::pres, poisonRes);
  SetPercent(sheet, Field::dres, damageRes);
  SetPercent(sheet, Field::bd, bonusDamage);
  SetPercent(sheet, Field::eres, electricityRes);
  sheet.SetText(Field::cc, cc + "%");

  // The skills read the statistics this run has settled, and the notes
  // come last so that they follow any tag the skills took.
  UpdateSkills(sheet);
  UpdateExtraNotes(sheet);
}

}  // namespace cindral
