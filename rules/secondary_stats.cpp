#include "secondary_stats.h"

#include <algorithm>
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

// What a step does to its statistic.
enum class Does : std::uint8_t {
  Add,               // adds the amount
  Set,               // replaces the value with the amount
  SetTimesStrength,  // replaces the value with the amount times ST
  SetByRace,         // replaces the value with the race's own from kByRace, the amount for any other race
};

// One step of the recomputation: while the trait's box is ticked, what it
// does to one statistic. The step without a trait is the race's modifiers,
// which stand between the traits' steps where the game applies them.
struct SecondaryStep {
  std::optional<Trait> trait;
  Field statistic = Field::race;  // unused by the race's step: its race row says what it changes
  Does does = Does::Add;
  int amount = 0;
};

constexpr SecondaryStep kRaceModifiersStep = {};

// The traits' effects on the secondary statistics, in the order the game
// applies them; a later step adjusts what an earlier one left.
// clang-format off
constexpr SecondaryStep kSecondarySteps[] = {
    // trait              statistic         does                     amount
    {Trait::bruiser,      Field::ap,        Does::Add,               -2},
    {Trait::smallframe,   Field::carrywt,   Does::SetTimesStrength,  15},
    {Trait::domesticated, Field::md,        Does::Add,               -2},
    {Trait::fastmet,      Field::hr,        Does::Add,               +2},
    kRaceModifiersStep,
    {Trait::fastmet,      Field::pres,      Does::SetByRace,          0},
    {Trait::fastmet,      Field::rres,      Does::SetByRace,          0},
    {Trait::finesse,      Field::bd,        Does::Set,              -30},
    {Trait::finesse,      Field::cc,        Does::Add,              +10},
    {Trait::kamikaze,     Field::ac,        Does::Set,                0},
    {Trait::kamikaze,     Field::seq,       Does::Add,               +5},
    {Trait::heavyhand,    Field::md,        Does::Add,               +4},
    {Trait::skilled,      Field::skillrate, Does::Add,               +5},
    {Trait::glowingone,   Field::rres,      Does::Add,              +50},
    {Trait::vatskin,      Field::ac,        Does::Add,              +10},
    {Trait::tightnuts,    Field::dres,      Does::Add,              +40},
};
// clang-format on

// The values a by-race step sets: Fast Metabolism throws away the Endurance
// part of the poison and radiation resistance and keeps only the bonus of
// the races that have one.
struct RaceValue {
  Race race;
  Field statistic;
  int value;
};

// clang-format off
constexpr RaceValue kByRace[] = {
    {Race::Ghoul,        Field::pres,  30},
    {Race::Ghoul,        Field::rres,  80},
    {Race::SuperMutant,  Field::pres,  20},
    {Race::SuperMutant,  Field::rres,  50},
};
// clang-format on

// The fields the recomputation writes, in the order it writes them: the
// plain ones, then the "%" ones, each with its sign appended as it is
// written.
constexpr Field kPlainFields[] = {Field::ap, Field::hp, Field::ac,        Field::carrywt, Field::seq,
                                  Field::md, Field::hr, Field::skillrate, Field::hprate};
constexpr Field kPercentFields[] = {Field::rres, Field::pres, Field::dres, Field::bd, Field::eres, Field::cc};

constexpr bool Written(Field field) {
  for (const Field f : kPlainFields) {
    if (f == field) return true;
  }
  for (const Field f : kPercentFields) {
    if (f == field) return true;
  }
  return false;
}

static_assert(std::ranges::all_of(kSecondarySteps,
                                  [](const SecondaryStep& step) { return !step.trait || Written(step.statistic); }),
              "every trait's step changes a statistic the recomputation writes");

// The secondary statistics as numbers while they are computed, by field.
class Values {
 public:
  double& operator[](Field field) { return values_[Index(field)]; }

 private:
  std::array<double, kFieldCount> values_{};
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

// The primary statistics the secondary ones derive from (CH is not used).
struct Primaries {
  double st, pe, en, in, ag, lu;
};

// Every statistic as the primary statistics alone make it.
Values BaseValues(const Primaries& p) {
  const auto [st, pe, en, in, ag, lu] = p;
  Values v;
  v[Field::ap] = ActionPointsFor(ag);
  v[Field::hp] = 15 + st + 2 * en;
  v[Field::ac] = ag;
  v[Field::dres] = 0;
  v[Field::bd] = 0;
  v[Field::eres] = 0;
  v[Field::pres] = 5 * WholePart(en);
  v[Field::rres] = 2 * WholePart(en);
  v[Field::cc] = lu;
  v[Field::carrywt] = 25 + 25 * st;
  v[Field::seq] = 2 * pe;
  v[Field::md] = MeleeDamageFor(st);
  v[Field::hr] = HealRateFor(en);
  v[Field::skillrate] = 5 + 2 * in;
  v[Field::hprate] = RoundHalfEven(WholePart(en) / 2 + 3);
  return v;
}

void ApplyRaceModifiers(Values& v, Race race) {
  const RaceModifier& modifier = kRaceModifiers[static_cast<std::size_t>(race)];
  v[Field::md] += modifier.meleePlus;
  v[Field::hprate] += modifier.hpRatePlus;
  if (modifier.damageRes) v[Field::dres] = *modifier.damageRes;
  v[Field::pres] += modifier.poisonPlus;
  v[Field::rres] += modifier.radPlus;
  v[Field::eres] = RowOf(race).electricityRes;
}

double ByRace(const SecondaryStep& step, std::optional<Race> race) {
  for (const RaceValue& row : kByRace) {
    if (race == row.race && step.statistic == row.statistic) return row.value;
  }
  return step.amount;
}

void Apply(const SecondaryStep& step, Values& v, const Primaries& p, std::optional<Race> race) {
  double& value = v[step.statistic];
  switch (step.does) {
    case Does::Add: value += step.amount; break;
    case Does::Set: value = step.amount; break;
    case Does::SetTimesStrength: value = step.amount * p.st; break;
    case Does::SetByRace: value = ByRace(step, race); break;
  }
}

}  // namespace

void UpdateSecondaryStats(Sheet& sheet) {
  const Primaries primaries = {sheet.Number(Field::st),    sheet.Number(Field::pe), sheet.Number(Field::en),
                               sheet.Number(Field::intel), sheet.Number(Field::ag), sheet.Number(Field::lu)};
  const std::optional<Race> race = CurrentRace(sheet);
  Values values = BaseValues(primaries);
  for (const SecondaryStep& step : kSecondarySteps) {
    if (!step.trait) {
      if (race) ApplyRaceModifiers(values, *race);
    } else if (Ticked(sheet, *step.trait)) {
      Apply(step, values, primaries, race);
    }
  }

  for (const Field field : kPlainFields) sheet.SetNumber(field, values[field]);
  for (const Field field : kPercentFields) sheet.SetText(field, TextFromNumber(values[field]) + "%");

  // The skills read the statistics this run has settled, and the notes
  // come last so that they follow any tag the skills took.
  UpdateSkills(sheet);
  UpdateExtraNotes(sheet);
}

}  // namespace cindral
