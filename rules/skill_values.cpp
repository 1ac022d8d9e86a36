#include "skill_values.h"

#include <array>
#include <optional>

#include "number_text.h"
#include "value_terms.h"

namespace cindral {

namespace {

// A skill's untagged value: base + factor × (the sum of its statistics).
// Tagging adds 20.
struct SkillFormula {
  Skill skill;
  int base;
  int factor;
  Stat first;
  std::optional<Stat> second;
};

inline constexpr int kTagBonus = 20;

// clang-format off
constexpr std::array<SkillFormula, kSkillCount> kSkillFormulas = {{
    //                   base factor  statistics
    {Skill::SmallGuns,      5, 4,     Stat::AG, {}},
    {Skill::BigGuns,        0, 2,     Stat::AG, {}},
    {Skill::EnergyWeapons,  0, 2,     Stat::AG, {}},
    {Skill::Unarmed,       30, 2,     Stat::AG, Stat::ST},
    {Skill::Melee,         20, 2,     Stat::AG, Stat::ST},
    {Skill::Throwing,       0, 4,     Stat::AG, {}},
    {Skill::FirstAid,       0, 2,     Stat::PE, Stat::EN},
    {Skill::Doctor,         5, 1,     Stat::PE, Stat::IN},
    {Skill::Sneak,          5, 3,     Stat::AG, {}},
    {Skill::Lockpick,      10, 1,     Stat::PE, Stat::AG},
    {Skill::Steal,          0, 3,     Stat::AG, {}},
    {Skill::Traps,         10, 1,     Stat::PE, Stat::AG},
    {Skill::Science,        0, 4,     Stat::IN, {}},
    {Skill::Repair,         0, 3,     Stat::IN, {}},
    {Skill::Pilot,          0, 2,     Stat::AG, Stat::PE},
    {Skill::Speech,         0, 5,     Stat::CH, {}},
    {Skill::Barter,         0, 4,     Stat::CH, {}},
    {Skill::Gambling,       0, 5,     Stat::LU, {}},
    {Skill::Outdoorsman,    0, 2,     Stat::EN, Stat::IN},
}};
// clang-format on
static_assert(InKeyOrder(kSkillFormulas, [](const SkillFormula& f) { return f.skill; }),
              "the skill formulas stand in skill order");

// The traits that change skills, in the order their changes are applied.
constexpr std::array<Trait, 5> kSkillTraits = {
    Trait::goodnature, Trait::hamfist, Trait::gifted, Trait::techwizard, Trait::skilled,
};

// What each of those traits adds to a skill while it is ticked, in
// percentage points. Ham Fisted also makes Unarmed a tag skill, which
// UpdateSkills does by ticking its box.
struct SkillAdjustments {
  Skill skill;
  std::array<int, kSkillTraits.size()> points;
};

// clang-format off
constexpr std::array<SkillAdjustments, kSkillCount> kTraitAdjustments = {{
    //                     Good Natured  Ham Fisted  Gifted  Tech Wizard  Skilled
    {Skill::SmallGuns,     {{  -10,         -20,       -10,       0,        +10}}},
    {Skill::BigGuns,       {{  -10,           0,       -10,       0,        +10}}},
    {Skill::EnergyWeapons, {{  -10,           0,       -10,       0,        +10}}},
    {Skill::Unarmed,       {{  -10,           0,       -10,       0,        +10}}},
    {Skill::Melee,         {{  -10,           0,       -10,       0,        +10}}},
    {Skill::Throwing,      {{    0,           0,       -10,       0,        +10}}},
    {Skill::FirstAid,      {{  +20,         -20,       -10,       0,        +10}}},
    {Skill::Doctor,        {{  +20,         -20,       -10,       0,        +10}}},
    {Skill::Sneak,         {{    0,           0,       -10,       0,        +10}}},
    {Skill::Lockpick,      {{    0,         -20,       -10,     +15,        +10}}},
    {Skill::Steal,         {{    0,           0,       -10,       0,        +10}}},
    {Skill::Traps,         {{    0,           0,       -10,       0,        +10}}},
    {Skill::Science,       {{    0,         -20,       -10,     +15,        +10}}},
    {Skill::Repair,        {{    0,         -20,       -10,     +15,        +10}}},
    {Skill::Pilot,         {{    0,           0,       -10,       0,        +10}}},
    {Skill::Speech,        {{  +20,           0,       -10,       0,        +10}}},
    {Skill::Barter,        {{  +20,           0,       -10,       0,        +10}}},
    {Skill::Gambling,      {{    0,           0,       -10,       0,        +10}}},
    {Skill::Outdoorsman,   {{    0,           0,       -10,       0,        +10}}},
}};
// clang-format on
static_assert(InKeyOrder(kTraitAdjustments, [](const SkillAdjustments& a) { return a.skill; }),
              "the trait adjustments stand in skill order");

// The statistics as the formulas read them: each cut to its whole part.
std::array<double, kStatCount> FormulaStatistics(const Sheet& sheet) {
  std::array<double, kStatCount> stat{};
  for (const StatInfo& s : kStats) stat[Index(s.stat)] = WholePart(sheet.Number(s.field));
  return stat;
}

// One skill's value, term by term: the formula, the tag, then each ticked
// trait's adjustment in the order the traits apply them.
void AddUp(Tally& tally, const Sheet& sheet, const std::array<double, kStatCount>& stat,
           const std::array<bool, kSkillTraits.size()>& traitTicked, const SkillFormula& f) {
  tally.Set({.amount = static_cast<double>(f.base)});
  tally.Add({.amount = f.factor * (stat[Index(f.first)] + (f.second ? stat[Index(*f.second)] : 0)),
             .from = From::Statistics,
             .factor = f.factor,
             .stat = f.first,
             .value = stat[Index(f.first)],
             .second = f.second,
             .secondValue = f.second ? stat[Index(*f.second)] : 0});
  if (Ticked(sheet, TagBox(f.skill))) tally.Add({.amount = kTagBonus, .from = From::Tag});
  const SkillAdjustments& adjustments = kTraitAdjustments[Index(f.skill)];
  for (std::size_t t = 0; t < kSkillTraits.size(); ++t) {
    if (traitTicked[t]) {
      tally.Add({.amount = static_cast<double>(adjustments.points[t]), .from = From::Trait, .trait = kSkillTraits[t]});
    }
  }
}

std::array<bool, kSkillTraits.size()> SkillTraitsTicked(const Sheet& sheet) {
  std::array<bool, kSkillTraits.size()> ticked{};
  for (std::size_t t = 0; t < kSkillTraits.size(); ++t) ticked[t] = Ticked(sheet, kSkillTraits[t]);
  return ticked;
}

}  // namespace

void UpdateSkills(Sheet& sheet) {
  // Ham Fisted makes Unarmed a tag skill. Ticking the box runs Unarmed's
  // tag handling, nested, before any value below is read.
  if (Ticked(sheet, Trait::hamfist)) sheet.SetState(Box::unarmed, 1);

  const std::array<double, kStatCount> stat = FormulaStatistics(sheet);
  const std::array<bool, kSkillTraits.size()> traitTicked = SkillTraitsTicked(sheet);
  for (const SkillFormula& f : kSkillFormulas) {
    Tally tally;
    AddUp(tally, sheet, stat, traitTicked, f);
    sheet.SetText(ValueField(f.skill), TextFromNumber(tally.value()) + "%");
  }
}

Terms SkillTerms(const Sheet& sheet, Skill skill) {
  Tally tally(true);
  AddUp(tally, sheet, FormulaStatistics(sheet), SkillTraitsTicked(sheet), kSkillFormulas[Index(skill)]);
  return tally.terms();
}

}  // namespace cindral
