#include "extra_notes.h"

#include <array>

#include "race_selection.h"

namespace cindral {

namespace {

// clang-format off
// One line per ticked trait, in trait order.
constexpr std::array<std::string_view, kTraitCount> kNoteLines = {
    /* fastmet */      "Fast Metabolism. +2 Healing rate, 0% Poison resistance (plus race mods), 0% Radiation resistance (plus race mods). ",
    /* bruiser */      "Bruiser. -2 Action Points, +2 Strength. ",
    /* smallframe */   "Small Frame. +1 Agility, Carry Weight = 15 * Strength. ",
    /* onehand */      "One Hander. -40% to hit 2-H weapons. +20% to hit 1-H weapons. ",
    /* finesse */      "Finesse. +10 Critical Chance, -30% Damage. ",
    /* kamikaze */     "Kamikaze. 0 Natural Armor Class, +5 Sequence. ",
    /* heavyhand */    "Heavy Handed. +4 Melee Damage, -30% Damage on Criticals, -30% Chance to cripple or cause unconciousness. ",
    /* fastshot */     "Fast Shot. -1 AP for all firing costs, Can not do aimed attack. ",
    /* bloody */       "Bloody Mess. All kills die violently. ",
    /* jinx */         "Jinxed. +50% Chance to upgrade failures to critical failures for all nearby. ",
    /* goodnature */   "Good Natured. +20% First Aid, +20% Doctor, +20% Speech, +20% Barter, -10% Small Guns, -10% Big Guns, -10% Energy Weapons, -10% Unarmed, -10% Melee Weapons. ",
    /* chemrel */      "Chem Reliant. 2x Addiction Chance, 1/2x Recovery Time. ",
    /* chemres */      "Chem Resistant. 1/2x Chemical Effect, 1/2x Addiction Chance. ",
    /* nightperson */  "Night Person. +1 Perception from 1801 to 0600, +1 Intelligence from 1801 to 0600, -1 Perception from 0601 to 1800, -1 Intelligence from 0601 to 1800. ",
    /* skilled */      "Skilled. +10% to all skills, +5 Skill Gain Rate, +1 Perk Gain Rate. ",
    /* gifted */       "Gifted. +1 to all stats, -10% to all skills, -5 Skill Gain Rate. ",
    /* sexappeal */    "Sex Appeal. +/- 1 to Charisma for reactions, +/- 40% to Speech, +/- 40% to Barter. ",
    /* techwizard */   "Tech Wizard. +15% Science, +15% Repair, +15% LockPick, -1 Perception. ",
    /* glowingone */   "Glowing One. +50% Radiation Resistance, 10 Rads/hr to those near. ",
    /* fearthereap */  "Fear The Reaper. -1 Perk Gain Rate, Save vs. Luck each month or die. ",
    /* vatskin */      "Vat Skin. +10 Armor Class, -1 Perception to all within 10 hexes. ",
    /* hamfist */      "Ham Fisted. Unarmed is a Tag Skill, -20% Small Guns, -20% First Aid, -20% Doctor, -20% Repair, -20% Science, -20% Lockpick. ",
    /* domesticated */ "Domesticated. +1 Intelligence, Can ignore racial Intelligence maximum, -2 Melee Damage. ",
    /* rabid */        "Rabid. Not affected by crippled limbs, +5 Action points when you, kill an opponent in combat, Chems do not affect you. ",
    /* tightnuts */    "Tight Nuts. +40% Damage Resistance, 1/2 Repair effect. ",
    /* targetcomp */   "Targeting Computer. +1AP to firing attacks, +15% to hit. ",
    /* empshield */    "EMP Shielding. 2 AP per hex moved, +30% EMP Resistance. ",
    /* betasoft */     "Beta Software. +1 Tag Skill, Must roll vs. Luck when using ANY tagged skill or automatic failure and loss of all APs. ",
};
// clang-format on

std::string_view RaceNote(std::optional<Race> race) {
  if (race == Race::Robot) return kRobotNote;
  if (race == Race::Deathclaw || race == Race::GrayDeathclaw) return kDeathclawNote;
  return {};
}

}  // namespace

// The pieces run together as one paragraph: the blank that ends each is
// the only separator.
void UpdateExtraNotes(Sheet& sheet) {
  std::string notes(RaceNote(CurrentRace(sheet)));
  for (std::size_t t = 0; t < kTraitCount; ++t) {
    if (sheet.State(TraitBox(static_cast<Trait>(t))) == 1) notes += kNoteLines[t];
  }
  sheet.SetText(Field::extra, notes);
}

}  // namespace cindral
