#include "skill_values.h"

#include <array>
#include <initializer_list>

#include "number_text.h"

namespace cindral {

namespace {

// A skill's untagged value: base + factor × (the sum of its statistics).
// Tagging adds 20.
struct SkillFormula {
  Skill skill;
  int base;
  int factor;
  std::initializer_list<Stat> stats;
};

inline constexpr int kTagBonus = 20;

// clang-format off
const SkillFormula kSkillFormulas[] = {
    {Skill::SmallGuns,      5, 4, {Stat::AG}},
    {Skill::BigGuns,        0, 2, {Stat::AG}},
    {Skill::EnergyWeapons,  0, 2, {Stat::AG}},
    {Skill::Unarmed,       30, 2, {Stat::AG, Stat::ST}},
    {Skill::Melee,         20, 2, {Stat::AG, Stat::ST}},
    {Skill::Throwing,       0, 4, {Stat::AG}},
    {Skill::FirstAid,       0, 2, {Stat::PE, Stat::EN}},
    {Skill::Doctor,         5, 1, {Stat::PE, Stat::IN}},
    {Skill::Pilot,          0, 2, {Stat::AG, Stat::PE}},
    {Skill::Sneak,          5, 3, {Stat::AG}},
    {Skill::Lockpick,      10, 1, {Stat::PE, Stat::AG}},
    {Skill::Steal,          0, 3, {Stat::AG}},
    {Skill::Traps,         10, 1, {Stat::PE, Stat::AG}},
    {Skill::Science,        0, 4, {Stat::IN}},
    {Skill::Repair,         0, 3, {Stat::IN}},
    {Skill::Speech,         0, 5, {Stat::CH}},
    {Skill::Barter,         0, 4, {Stat::CH}},
    {Skill::Gambling,       0, 5, {Stat::LU}},
    {Skill::Outdoorsman,    0, 2, {Stat::EN, Stat::IN}},
};
// clang-format on

struct Adjustment {
  Skill skill;
  int points;
};

// The skills a trait changes while it is ticked, in percentage points.
struct TraitAdjustments {
  Trait trait;
  std::initializer_list<Adjustment> adjustments;
};

// Every skill, in the order the all-skill traits walk them.
constexpr std::array<Skill, kSkillCount> kAllSkills = {
    Skill::Doctor, Skill::FirstAid, Skill::Speech, Skill::Barter, Skill::SmallGuns, Skill::BigGuns,
    Skill::EnergyWeapons, Skill::Unarmed, Skill::Melee, Skill::Pilot, Skill::Sneak, Skill::Throwing,
    Skill::Lockpick, Skill::Steal, Skill::Traps, Skill::Science, Skill::Repair, Skill::Gambling,
    Skill::Outdoorsman,
};

// clang-format off
const TraitAdjustments kTraitAdjustments[] = {
    {Trait::goodnature, {{Skill::Doctor, +20}, {Skill::FirstAid, +20}, {Skill::Speech, +20}, {Skill::Barter, +20},
                         {Skill::SmallGuns, -10}, {Skill::BigGuns, -10}, {Skill::EnergyWeapons, -10},
                         {Skill::Unarmed, -10}, {Skill::Melee, -10}}},
    {Trait::hamfist,    {{Skill::SmallGuns, -20}, {Skill::FirstAid, -20}, {Skill::Doctor, -20},
                         {Skill::Repair, -20}, {Skill::Science, -20}, {Skill::Lockpick, -20}}},
    {Trait::techwizard, {{Skill::Science, +15}, {Skill::Repair, +15}, {Skill::Lockpick, +15}}},
};
// clang-format on

// Gifted and Skilled change every skill alike.
struct AllSkillsAdjustment {
  Trait trait;
  int points;
};

constexpr AllSkillsAdjustment kAllSkillsAdjustments[] = {
    {Trait::gifted, -10},
    {Trait::skilled, +10},
};

bool Ticked(const Sheet& sheet, Trait trait) { return sheet.State(TraitBox(trait)) == 1; }

void AdjustBy(Sheet& sheet, std::array<double, kSkillCount>& values, Trait trait) {
  for (const TraitAdjustments& row : kTraitAdjustments) {
    if (row.trait != trait || !Ticked(sheet, trait)) continue;
    for (const Adjustment& a : row.adjustments) values[Index(a.skill)] += a.points;
  }
  for (const AllSkillsAdjustment& row : kAllSkillsAdjustments) {
    if (row.trait != trait || !Ticked(sheet, trait)) continue;
    for (const Skill skill : kAllSkills) values[Index(skill)] += row.points;
  }
}

}  // namespace

void UpdateSkills(Sheet& sheet) {
  // Ham Fisted makes Unarmed a tag skill. Ticking the box runs Unarmed's
  // tag handling, nested, before any value below is read.
  if (Ticked(sheet, Trait::hamfist)) sheet.SetState(Box::unarmed, 1);

  std::array<double, kStatCount> stat{};
  for (std::size_t s = 0; s < kStatCount; ++s) stat[s] = WholePart(sheet.Number(FieldOf(static_cast<Stat>(s))));

  std::array<double, kSkillCount> values{};
  for (const SkillFormula& f : kSkillFormulas) {
    double sum = 0;
    for (const Stat s : f.stats) sum += stat[Index(s)];
    const bool tagged = sheet.State(TagBox(f.skill)) == 1;
    values[Index(f.skill)] = f.base + f.factor * sum + (tagged ? kTagBonus : 0);
  }

  for (const Trait trait : {Trait::goodnature, Trait::hamfist, Trait::gifted, Trait::techwizard, Trait::skilled}) {
    AdjustBy(sheet, values, trait);
  }

  for (const Skill skill : kAllSkills) sheet.SetText(ValueField(skill), TextFromNumber(values[Index(skill)]) + "%");
}

}  // namespace cindral
