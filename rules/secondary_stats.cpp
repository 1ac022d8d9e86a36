#include "secondary_stats.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "extra_notes.h"
#include "number_text.h"
#include "race_selection.h"
#include "skill_values.h"
#include "value_terms.h"

namespace cindral {

namespace {

// What a race adds to or sets in the secondary statistics: a "plus" column
// adds, a "set" column replaces, an empty one leaves the value alone. The
// race's electricity resistance is its row's, the value race selection
// writes. The last two columns are what Fast Metabolism keeps of the poison
// and radiation resistance: it throws away the Endurance part and keeps
// only the bonus of the races that have one.
struct RaceModifier {
  Race race;
  int meleePlus;
  int hpRatePlus;
  std::optional<int> damageRes;
  int poisonPlus;
  int radPlus;
  int poisonWithFastMetabolism;
  int radWithFastMetabolism;
};

// clang-format off
constexpr std::array<RaceModifier, kRaceCount> kRaceModifiers = {{
    //                     melee  hp rate  damage res    poison  rad   with Fast Metabolism: poison  rad
    {Race::Human,          0,     0,       std::nullopt,  0,     0,                           0,     0},
    {Race::Ghoul,          0,     0,       std::nullopt, 30,    80,                          30,    80},
    {Race::SuperMutant,    0,     2,       25,           20,    50,                          20,    50},
    {Race::HalfMutant,     0,     0,       std::nullopt, 15,    15,                           0,     0},
    {Race::Deathclaw,      5,     2,       40,            0,     0,                           0,     0},
    {Race::GrayDeathclaw,  5,     2,       40,            0,     0,                           0,     0},
    {Race::Dog,            0,     0,       std::nullopt,  0,     0,                           0,     0},
    {Race::Robot,          0,     0,       40,            0,     0,                           0,     0},
}};
// clang-format on

static_assert(InKeyOrder(kRaceModifiers, [](const RaceModifier& m) { return m.race; }),
              "the race modifiers are indexed by race");

// What a step does to its statistic.
enum class Does : std::uint8_t {
  Add,               // adds the amount
  Set,               // replaces the value with the amount
  SetTimesStrength,  // replaces the value with the amount times ST
  SetByRace,         // replaces the value with the race's own from kRaceModifiers, the amount for no race
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
static_assert(std::ranges::all_of(kSecondarySteps,
                                  [](const SecondaryStep& step) {
                                    return step.does != Does::SetByRace || step.statistic == Field::pres ||
                                           step.statistic == Field::rres;
                                  }),
              "the races' own values by Fast Metabolism are for Poison Res. and Rad Res.");

// The secondary statistics as numbers while they are computed, by field;
// the terms of one of them kept when it is watched.
class Values {
 public:
  explicit Values(std::optional<Field> watched = std::nullopt) : watched_(watched), tally_(watched.has_value()) {}

  double operator[](Field field) const { return values_[Index(field)]; }
  void Set(Field field, const Term& term) {
    values_[Index(field)] = term.amount;
    if (watched_ == field) tally_.Set(term);
  }
  void Add(Field field, const Term& term) {
    values_[Index(field)] += term.amount;
    if (watched_ == field) tally_.Add(term);
  }
  const Terms& terms() const { return tally_.terms(); }

 private:
  std::array<double, kFieldCount> values_{};
  std::optional<Field> watched_;
  Tally tally_;
};

Term Number(double amount) { return {.amount = amount}; }

Term Times(int factor, Stat stat, double value) {
  return {.amount = factor * value, .from = From::Statistics, .factor = factor, .stat = stat, .value = value};
}

// The bands of a statistic, lowest first: AG 1 gives 5 Action Pts., every
// higher band one more up to 10 from AG 10 on, and AG 0 or below, which no
// race's limits reach, 6 as AG 2 and 3 do.
// clang-format off
constexpr Band kActionPointBands[] = {
    // AG from       to             gives
    {std::nullopt,   0,              6},
    {1,              1,              5},
    {2,              3,              6},
    {4,              5,              7},
    {6,              7,              8},
    {8,              9,              9},
    {10,             std::nullopt,  10},
};
constexpr Band kHealRateBands[] = {
    // EN from       to             gives
    {std::nullopt,   4,              1},
    {5,              7,              2},
    {8,              9,              3},
    {10,             std::nullopt,   4},
};
// Melee Dmg. from ST 1 to 6; any other Strength gives ST − 5.
constexpr Band kMeleeDamageBand = {1, 6, 1};
// clang-format on

// A table's bands follow each other without gap or overlap, from an open
// low end to an open high end.
template <std::size_t N>
constexpr bool Contiguous(const Band (&bands)[N]) {
  if (bands[0].low || bands[N - 1].high) return false;
  for (std::size_t i = 1; i < N; ++i) {
    if (!bands[i - 1].high || !bands[i].low || *bands[i].low != *bands[i - 1].high + 1) return false;
  }
  return true;
}
static_assert(Contiguous(kActionPointBands) && Contiguous(kHealRateBands), "every value of a statistic has its band");

// A band read off as a term: "8 (AG 7: 6–7 gives 8)".
Term BandTerm(const Band& band, Stat stat, double value) {
  return {.amount = static_cast<double>(band.gives),
          .from = From::StatisticBand,
          .stat = stat,
          .value = value,
          .band = &band};
}

// The band of the statistic's value in a table: the first band the value is
// below the next one of. The last band's high end is open, so every value
// has one.
template <std::size_t N>
Term BandTerm(const Band (&bands)[N], Stat stat, double value) {
  return BandTerm(
      *std::find_if(std::begin(bands), std::end(bands), [&](const Band& b) { return !b.high || value < *b.high + 1; }),
      stat, value);
}

Term ByTrait(double amount, Trait trait) { return {.amount = amount, .from = From::Trait, .trait = trait}; }

Term ByRace(double amount, Race race) { return {.amount = amount, .from = From::Race, .race = race}; }

// The amount below ST is read off as the difference: "2 (ST 7 − 5)".
Term LessThanStrength(double amount, double st) {
  return {.amount = amount, .from = From::StrengthLessFive, .stat = Stat::ST, .value = st};
}

Term MeleeDamageFor(double st) {
  return kMeleeDamageBand.Holds(st) ? BandTerm(kMeleeDamageBand, Stat::ST, st) : LessThanStrength(st - 5, st);
}

// Halves go to the even neighbour: 6.5 gives 6, 7.5 gives 8.
double RoundHalfEven(double x) { return std::nearbyint(x); }

// The primary statistics the secondary ones derive from (CH is not used).
struct Primaries {
  double st, pe, en, in, ag, lu;
};

Term HitPointRate(double en) {
  const double exact = WholePart(en) / 2 + 3;
  return {.amount = RoundHalfEven(exact),
          .from = From::HalfPlusThree,
          .stat = Stat::EN,
          .value = WholePart(en),
          .exact = exact};
}

// Every statistic as the primary statistics alone make it.
void BaseValues(Values& v, const Primaries& p) {
  const auto [st, pe, en, in, ag, lu] = p;
  v.Set(Field::ap, BandTerm(kActionPointBands, Stat::AG, ag));
  v.Set(Field::hp, Number(15));
  v.Add(Field::hp, Times(1, Stat::ST, st));
  v.Add(Field::hp, Times(2, Stat::EN, en));
  v.Set(Field::ac, Times(1, Stat::AG, ag));
  v.Set(Field::dres, Number(0));
  v.Set(Field::bd, Number(0));
  v.Set(Field::eres, Number(0));
  v.Set(Field::pres, Times(5, Stat::EN, WholePart(en)));
  v.Set(Field::rres, Times(2, Stat::EN, WholePart(en)));
  v.Set(Field::cc, Times(1, Stat::LU, lu));
  v.Set(Field::carrywt, Number(25));
  v.Add(Field::carrywt, Times(25, Stat::ST, st));
  v.Set(Field::seq, Times(2, Stat::PE, pe));
  v.Set(Field::md, MeleeDamageFor(st));
  v.Set(Field::hr, BandTerm(kHealRateBands, Stat::EN, en));
  v.Set(Field::skillrate, Number(5));
  v.Add(Field::skillrate, Times(2, Stat::IN, in));
  v.Set(Field::hprate, HitPointRate(en));
}

void ApplyRaceModifiers(Values& v, Race race) {
  const RaceModifier& modifier = kRaceModifiers[Index(race)];
  v.Add(Field::md, ByRace(modifier.meleePlus, race));
  v.Add(Field::hprate, ByRace(modifier.hpRatePlus, race));
  if (modifier.damageRes) v.Set(Field::dres, ByRace(*modifier.damageRes, race));
  v.Add(Field::pres, ByRace(modifier.poisonPlus, race));
  v.Add(Field::rres, ByRace(modifier.radPlus, race));
  v.Set(Field::eres, ByRace(RowOf(race).electricityRes, race));
}

// The value a by-race step sets: the race's own, or the step's amount for
// a race text that names no race.
Term SetByRace(const SecondaryStep& step, std::optional<Race> race) {
  Term term = ByTrait(step.amount, *step.trait);
  if (race) {
    const RaceModifier& modifier = kRaceModifiers[Index(*race)];
    term.amount = step.statistic == Field::pres ? modifier.poisonWithFastMetabolism : modifier.radWithFastMetabolism;
    term.from = From::RaceWithTrait;
    term.race = race;
  }
  return term;
}

void Apply(const SecondaryStep& step, Values& v, const Primaries& p, std::optional<Race> race) {
  const Trait trait = *step.trait;
  switch (step.does) {
    case Does::Add: v.Add(step.statistic, ByTrait(step.amount, trait)); break;
    case Does::Set: v.Set(step.statistic, ByTrait(step.amount, trait)); break;
    case Does::SetTimesStrength: {
      Term term = Times(step.amount, Stat::ST, p.st);
      term.from = From::Trait;
      term.trait = trait;
      v.Set(step.statistic, term);
      break;
    }
    case Does::SetByRace: v.Set(step.statistic, SetByRace(step, race)); break;
  }
}

// The recomputation's steps in the game's order, for the race given.
void Compute(Values& values, const Sheet& sheet, std::optional<Race> race) {
  const Primaries primaries = {sheet.Number(Field::st),    sheet.Number(Field::pe), sheet.Number(Field::en),
                               sheet.Number(Field::intel), sheet.Number(Field::ag), sheet.Number(Field::lu)};
  BaseValues(values, primaries);
  for (const SecondaryStep& step : kSecondarySteps) {
    if (!step.trait) {
      if (race) ApplyRaceModifiers(values, *race);
    } else if (Ticked(sheet, *step.trait)) {
      Apply(step, values, primaries, race);
    }
  }
}

// Whether the race makes every value the recomputation writes as `values`
// holds it.
bool MakesTheSame(const Sheet& sheet, std::optional<Race> race, const Values& values) {
  Values other;
  Compute(other, sheet, race);
  const auto same = [&](Field field) { return other[field] == values[field]; };
  return std::ranges::all_of(kPlainFields, same) && std::ranges::all_of(kPercentFields, same);
}

}  // namespace

void UpdateSecondaryStats(Sheet& sheet) {
  const std::optional<Race> race = CurrentRace(sheet);
  Values values;
  Compute(values, sheet, race);

  bool changed = false;
  for (const Field field : kPlainFields) changed |= sheet.SetText(field, TextFromNumber(values[field]));
  for (const Field field : kPercentFields) changed |= sheet.SetText(field, TextFromNumber(values[field]) + "%");
  // The values shown and the race noted with them change together: a run
  // that changes no value leaves the race noted while that race makes every
  // value as well (Gray Deathclaw typed over Deathclaw, then a refused "+").
  RacesRead read = sheet.LastRacesRead();
  if (read.secondaryStats != race && (changed || !MakesTheSame(sheet, read.secondaryStats, values))) {
    read.secondaryStats = race;
    sheet.SetLastRacesRead(read);
  }

  // The skills read the statistics this run has settled, and the notes
  // come last so that they follow any tag the skills took.
  UpdateSkills(sheet);
  UpdateExtraNotes(sheet);
}

Terms SecondaryTerms(const Sheet& sheet, Field statistic, std::optional<Race> race) {
  Values values(statistic);
  Compute(values, sheet, race);
  return values.terms();
}

bool RecomputedBySecondaryStats(Field field) { return Written(field); }

bool ShownWithPercent(Field field) { return std::ranges::find(kPercentFields, field) != std::end(kPercentFields); }

std::vector<std::pair<Field, Term>> RaceModifiers(Race race) {
  std::vector<std::pair<Field, Term>> modifiers;
  for (const CaptionedField& statistic : kSecondaryStats) {
    Values values(statistic.field);
    ApplyRaceModifiers(values, race);
    for (const Term& term : values.terms()) modifiers.emplace_back(statistic.field, term);
  }
  return modifiers;
}

}  // namespace cindral
