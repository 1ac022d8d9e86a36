#include "trait_effects.h"

#include <array>
#include <initializer_list>

#include "extra_notes.h"
#include "help_texts.h"
#include "secondary_stats.h"
#include "skill_tags.h"
#include "skill_values.h"
#include "trait_availability.h"

namespace cindral {

namespace {

// A change a trait makes to a field once when ticked and takes back once
// when unticked; nothing is recomputed for it.
struct DirectChange {
  Field field;
  int amount;
};

// What a trait's handling recomputes after its direct changes.
enum class Recompute : std::uint8_t {
  Standard,    // UpdateTraitBoxes, UpdateExtraNotes, UpdateSecondaryStats
  SkillsOnly,  // UpdateTraitBoxes, UpdateExtraNotes, UpdateSkills
  NotesFirst,  // UpdateExtraNotes, UpdateTraitBoxes, UpdateSecondaryStats
  BloodyMess,  // as Standard, UpdateTraitBoxes only at certain counts
};

struct TraitEffect {
  Trait trait;
  std::initializer_list<DirectChange> changes;
  Recompute recompute;
};

// clang-format off
constexpr std::array<TraitEffect, kTraitCount> kTraitEffects = {{
    {Trait::fastmet,      {},                                 Recompute::Standard},
    {Trait::bruiser,      {{Field::st, +2}},                  Recompute::Standard},
    {Trait::smallframe,   {{Field::ag, +1}},                  Recompute::Standard},
    {Trait::onehand,      {},                                 Recompute::Standard},
    {Trait::finesse,      {},                                 Recompute::Standard},
    {Trait::kamikaze,     {},                                 Recompute::Standard},
    {Trait::heavyhand,    {},                                 Recompute::Standard},
    {Trait::fastshot,     {},                                 Recompute::Standard},
    {Trait::bloody,       {},                                 Recompute::BloodyMess},
    {Trait::jinx,         {},                                 Recompute::Standard},
    {Trait::goodnature,   {},                                 Recompute::SkillsOnly},
    {Trait::chemrel,      {},                                 Recompute::Standard},
    {Trait::chemres,      {},                                 Recompute::Standard},
    {Trait::nightperson,  {},                                 Recompute::Standard},
    {Trait::skilled,      {{Field::perkrate, +1}},            Recompute::Standard},
    {Trait::gifted,       {{Field::st, +1}, {Field::ag, +1}, {Field::pe, +1}, {Field::en, +1},
                           {Field::ch, +1}, {Field::intel, +1}, {Field::lu, +1}},
                                                              Recompute::Standard},
    {Trait::sexappeal,    {},                                 Recompute::Standard},
    {Trait::techwizard,   {},                                 Recompute::Standard},
    {Trait::glowingone,   {},                                 Recompute::Standard},
    {Trait::fearthereap,  {{Field::perkrate, -1}},            Recompute::Standard},
    {Trait::vatskin,      {},                                 Recompute::Standard},
    {Trait::hamfist,      {},                                 Recompute::NotesFirst},
    {Trait::domesticated, {{Field::intel, +1}},               Recompute::Standard},
    {Trait::rabid,        {},                                 Recompute::Standard},
    {Trait::tightnuts,    {},                                 Recompute::Standard},
    {Trait::targetcomp,   {},                                 Recompute::Standard},
    {Trait::empshield,    {},                                 Recompute::Standard},
    {Trait::betasoft,     {{Field::tags, +1}},                Recompute::Standard},
}};
// clang-format on
static_assert(InKeyOrder(kTraitEffects, [](const TraitEffect& e) { return e.trait; }),
              "the trait effects stand in trait order");

const TraitEffect& EffectOf(Trait trait) { return kTraitEffects[Index(trait)]; }

// Bloody Mess brings the boxes in line only when Traits Left has just
// reached 0, or has just come back to 1 on an untick.
bool BloodyMessUpdatesBoxes(const Sheet& sheet, bool ticked) {
  const double traitsLeft = sheet.Number(Field::traits);
  return traitsLeft == 0 || (!ticked && traitsLeft == 1);
}

void RunRecomputations(Sheet& sheet, Recompute recompute, bool ticked) {
  switch (recompute) {
    case Recompute::Standard:
      UpdateTraitBoxes(sheet);
      UpdateExtraNotes(sheet);
      UpdateSecondaryStats(sheet);
      break;
    case Recompute::SkillsOnly:
      UpdateTraitBoxes(sheet);
      UpdateExtraNotes(sheet);
      UpdateSkills(sheet);
      break;
    case Recompute::NotesFirst:
      UpdateExtraNotes(sheet);
      UpdateTraitBoxes(sheet);
      UpdateSecondaryStats(sheet);
      break;
    case Recompute::BloodyMess:
      if (BloodyMessUpdatesBoxes(sheet, ticked)) UpdateTraitBoxes(sheet);
      UpdateExtraNotes(sheet);
      UpdateSecondaryStats(sheet);
      break;
  }
}

}  // namespace

int DirectChangeOf(Trait trait, Field field) {
  for (const DirectChange& change : EffectOf(trait).changes) {
    if (change.field == field) return change.amount;
  }
  return 0;
}

void TraitBox_Click(Sheet& sheet, Trait trait) {
  const TraitEffect& effect = EffectOf(trait);
  const bool ticked = sheet.State(TraitBox(trait)) == 1;
  CountTrait(sheet, trait);
  bool tagsChanged = false;
  for (const DirectChange& change : effect.changes) {
    sheet.SetNumber(change.field, sheet.Number(change.field) + (ticked ? change.amount : -change.amount));
    tagsChanged = tagsChanged || change.field == Field::tags;
  }
  // A changed Tags Left opens or closes the tag boxes at once.
  if (tagsChanged) UpdateTagBoxes(sheet);
  RunRecomputations(sheet, effect.recompute, ticked);
  sheet.SetText(Field::info, TraitHelp(trait));
}

}  // namespace cindral
