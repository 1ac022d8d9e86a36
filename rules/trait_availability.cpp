#include "trait_availability.h"

#include <array>
#include <optional>

namespace cindral {

namespace {

// Which races may pick a trait, one column for each list of the trait
// table (each race's column is the race's own, in fields.h).
struct RaceTraits {
  Trait trait;
  std::array<bool, kTraitColumnCount> allowed;  // by TraitColumn
};

constexpr bool Y = true;
constexpr bool n = false;

// clang-format off
constexpr std::array<RaceTraits, kTraitCount> kRaceTraits = {{
    //                       Human Ghoul S-Mut H-Mut DC/GDC/Dog Robot
    {Trait::fastmet,      {{ Y,    Y,    Y,    Y,    Y,         n }}},
    {Trait::bruiser,      {{ Y,    Y,    Y,    Y,    Y,         Y }}},
    {Trait::smallframe,   {{ Y,    Y,    Y,    Y,    Y,         Y }}},
    {Trait::onehand,      {{ Y,    Y,    Y,    Y,    n,         Y }}},
    {Trait::finesse,      {{ Y,    Y,    Y,    Y,    Y,         Y }}},
    {Trait::kamikaze,     {{ Y,    Y,    Y,    Y,    Y,         Y }}},
    {Trait::heavyhand,    {{ Y,    Y,    Y,    Y,    Y,         Y }}},
    {Trait::fastshot,     {{ Y,    Y,    Y,    Y,    n,         n }}},
    {Trait::bloody,       {{ Y,    Y,    Y,    Y,    Y,         Y }}},
    {Trait::jinx,         {{ Y,    Y,    Y,    Y,    Y,         Y }}},
    {Trait::goodnature,   {{ Y,    Y,    Y,    Y,    n,         n }}},
    {Trait::chemrel,      {{ Y,    Y,    Y,    Y,    Y,         n }}},
    {Trait::chemres,      {{ Y,    Y,    Y,    Y,    Y,         n }}},
    {Trait::nightperson,  {{ Y,    Y,    Y,    Y,    Y,         n }}},
    {Trait::skilled,      {{ Y,    Y,    Y,    Y,    n,         n }}},
    {Trait::gifted,       {{ Y,    Y,    Y,    Y,    Y,         n }}},
    {Trait::sexappeal,    {{ Y,    n,    n,    n,    n,         n }}},
    {Trait::techwizard,   {{ Y,    Y,    Y,    Y,    n,         Y }}},
    {Trait::glowingone,   {{ n,    Y,    n,    n,    n,         n }}},
    {Trait::fearthereap,  {{ n,    Y,    n,    n,    n,         n }}},
    {Trait::vatskin,      {{ n,    n,    Y,    n,    n,         n }}},
    {Trait::hamfist,      {{ n,    n,    Y,    n,    n,         n }}},
    {Trait::domesticated, {{ n,    n,    n,    n,    Y,         n }}},
    {Trait::rabid,        {{ n,    n,    n,    n,    Y,         n }}},
    {Trait::tightnuts,    {{ n,    n,    n,    n,    n,         Y }}},
    {Trait::targetcomp,   {{ n,    n,    n,    n,    n,         Y }}},
    {Trait::empshield,    {{ n,    n,    n,    n,    n,         Y }}},
    {Trait::betasoft,     {{ n,    n,    n,    n,    n,         Y }}},
}};
// clang-format on

static_assert(InKeyOrder(kRaceTraits, [](const RaceTraits& r) { return r.trait; }),
              "the race trait table is walked in trait order");

// The list the trait boxes are open by from now on; none once they are
// closed for want of traits left.
void NoteTraitBoxes(Sheet& sheet, std::optional<TraitColumn> column) {
  RacesRead read = sheet.LastRacesRead();
  read.traitBoxes = column;
  sheet.SetLastRacesRead(read);
}

}  // namespace

bool ListAllows(TraitColumn list, Trait trait) { return kRaceTraits[Index(trait)].allowed[Index(list)]; }

bool RaceAllows(Race race, Trait trait) { return ListAllows(TraitColumnOf(race), trait); }

void EnableRaceTraits(Sheet& sheet) {
  const auto race = CurrentRace(sheet);
  if (!race) return;
  const TraitColumn column = TraitColumnOf(*race);
  for (const RaceTraits& row : kRaceTraits) sheet.SetEnabled(TraitBox(row.trait), row.allowed[Index(column)]);
  NoteTraitBoxes(sheet, column);
}

void ClearTraits(Sheet& sheet) {
  for (const RaceTraits& row : kRaceTraits) sheet.SetState(TraitBox(row.trait), 0);
}

// Ticked boxes keep their flag: they were enabled when the player ticked
// them, and unticking one must stay possible.
void UpdateTraitBoxes(Sheet& sheet) {
  if (sheet.Number(Field::traits) != 0) {
    EnableRaceTraits(sheet);
    return;
  }
  for (const RaceTraits& row : kRaceTraits) {
    const Box box = TraitBox(row.trait);
    if (sheet.State(box) == 0) sheet.SetEnabled(box, false);
  }
  NoteTraitBoxes(sheet, std::nullopt);
}

void CountTrait(Sheet& sheet, Trait trait) {
  const bool ticked = sheet.State(TraitBox(trait)) == 1;
  sheet.SetNumber(Field::traits, sheet.Number(Field::traits) + (ticked ? -1 : +1));
}

}  // namespace cindral
