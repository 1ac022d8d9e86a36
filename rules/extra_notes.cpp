#include "extra_notes.h"

#include <array>

#include "race_selection.h"

namespace cindral {

namespace {

struct NoteLine {
  Trait trait;
  std::string_view text;
};

// clang-format off
// One line per ticked trait, in trait order.
constexpr std::array<NoteLine, kTraitCount> kNoteLines = {{
    {Trait::fastmet,      "Fast Metabolism. +2 Healing rate, 0% Poison resistance (plus race mods), 0% Radiation resistance (plus race mods). "},
    {Trait::bruiser,      "Bruiser. -2 Action Points, +2 Strength. "},
    {Trait::smallframe,   "Small Frame. +1 Agility, Carry Weight = 15 * Strength. "},
    {Trait::onehand,      "One Hander. -40% to hit 2-H weapons. +20% to hit 1-H weapons. "},
    {Trait::finesse,      "Finesse. +10 Critical Chance, -30% Damage. "},
    {Trait::kamikaze,     "Kamikaze. 0 Natural Armor Class, +5 Sequence. "},
    {Trait::heavyhand,    "Heavy Handed. +4 Melee Damage, -30% Damage on Criticals, -30% Chance to cripple or cause unconciousness. "},
    {Trait::fastshot,     "Fast Shot. -1 AP for all firing costs, Can not do aimed attack. "},
    {Trait::bloody,       "Bloody Mess. All kills die violently. "},
    {Trait::jinx,         "Jinxed. +50% Chance to upgrade failures to critical failures for all nearby. "},
    {Trait::goodnature,   "Good Natured. +20% First Aid, +20% Doctor, +20% Speech, +20% Barter, -10% Small Guns, -10% Big Guns, -10% Energy Weapons, -10% Unarmed, -10% Melee Weapons. "},
    {Trait::chemrel,      "Chem Reliant. 2x Addiction Chance, 1/2x Recovery Time. "},
    {Trait::chemres,      "Chem Resistant. 1/2x Chemical Effect, 1/2x Addiction Chance. "},
    {Trait::nightperson,  "Night Person. +1 Perception from 1801 to 0600, +1 Intelligence from 1801 to 0600, -1 Perception from 0601 to 1800, -1 Intelligence from 0601 to 1800. "},
    {Trait::skilled,      "Skilled. +10% to all skills, +5 Skill Gain Rate, +1 Perk Gain Rate. "},
    {Trait::gifted,       "Gifted. +1 to all stats, -10% to all skills, -5 Skill Gain Rate. "},
    {Trait::sexappeal,    "Sex Appeal. +/- 1 to Charisma for reactions, +/- 40% to Speech, +/- 40% to Barter. "},
    {Trait::techwizard,   "Tech Wizard. +15% Science, +15% Repair, +15% LockPick, -1 Perception. "},
    {Trait::glowingone,   "Glowing One. +50% Radiation Resistance, 10 Rads/hr to those near. "},
    {Trait::fearthereap,  "Fear The Reaper. -1 Perk Gain Rate, Save vs. Luck each month or die. "},
    {Trait::vatskin,      "Vat Skin. +10 Armor Class, -1 Perception to all within 10 hexes. "},
    {Trait::hamfist,      "Ham Fisted. Unarmed is a Tag Skill, -20% Small Guns, -20% First Aid, -20% Doctor, -20% Repair, -20% Science, -20% Lockpick. "},
    {Trait::domesticated, "Domesticated. +1 Intelligence, Can ignore racial Intelligence maximum, -2 Melee Damage. "},
    {Trait::rabid,        "Rabid. Not affected by crippled limbs, +5 Action points when you, kill an opponent in combat, Chems do not affect you. "},
    {Trait::tightnuts,    "Tight Nuts. +40% Damage Resistance, 1/2 Repair effect. "},
    {Trait::targetcomp,   "Targeting Computer. +1AP to firing attacks, +15% to hit. "},
    {Trait::empshield,    "EMP Shielding. 2 AP per hex moved, +30% EMP Resistance. "},
    {Trait::betasoft,     "Beta Software. +1 Tag Skill, Must roll vs. Luck when using ANY tagged skill or automatic failure and loss of all APs. "},
}};
// clang-format on

static_assert(InKeyOrder(kNoteLines, [](const NoteLine& l) { return l.trait; }), "the note lines stand in trait order");

}  // namespace

std::string_view NoteLineOf(Trait trait) { return kNoteLines[Index(trait)].text; }

// The pieces run together as one paragraph: the blank that ends each is
// the only separator.
void UpdateExtraNotes(Sheet& sheet) {
  const auto race = CurrentRace(sheet);
  std::string notes(race ? RowOf(*race).note : std::string_view{});
  for (const NoteLine& line : kNoteLines) {
    if (Ticked(sheet, line.trait)) notes += line.text;
  }
  sheet.SetText(Field::extra, notes);
}

}  // namespace cindral
