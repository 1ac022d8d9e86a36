// The information panel's help texts: one for every trait, skill and
// secondary statistic, shown by a click on its caption (a trait's also by a
// change of its tick box), the two texts of Tags Left and the About line.
#include "help_texts.h"

#include <algorithm>

namespace cindral {

namespace {

// clang-format off
constexpr std::array<TraitText, kTraitCount> kTraitTexts = {{
    {Trait::fastmet,
     "Fast Metabolism - Your character heals faster but resists less: +2 healing rate, but "
     "radiation and poison resistance start at 0%. Mutants and ghouls get 20% instead of their "
     "normal bonus; half-mutants count as humans (0%)."},
    {Trait::bruiser,
     "Bruiser - A little slower, but a lot bigger. Your character gets +2 Strength, but -2 "
     "action points."},
    {Trait::smallframe,
     "Small Frame - Your character is small and nimble: +1 Agility, but carry weight is only "
     "15 pounds times Strength."},
    {Trait::onehand,
     "One Hander - Your character favours weapons held in one hand: -40% to hit with "
     "two-handed weapons, +20% with one-handed weapons."},
    {Trait::finesse,
     "Finesse - Your character’s attacks are precise rather than powerful. All attacks lose "
     "30% of their damage (as a 30% damage resistance bonus for every opponent), but critical "
     "chance is +10%."},
    {Trait::kamikaze,
     "Kamikaze - Your character rushes in without a thought for defence: no natural armor "
     "class (0 whatever the Agility; only worn armor counts), but +5 sequence."},
    {Trait::heavyhand,
     "Heavy Handed - Your character hits hard: +4 melee damage. But critical hits do 30% less "
     "damage and are 30% less likely to cripple a limb or knock out."},
    {Trait::fastshot,
     "Fast Shot - Every weapon costs your character one action point less to use, but targeted "
     "shots are not possible. Hand-to-hand and melee attacks are not affected."},
    {Trait::bloody,
     "Bloody Mess - People around your character always die in the most violent way possible. "
     "This has no effect on how fast they die, only on how they go; just how dramatic it gets "
     "is the game master’s call."},
    {Trait::jinx,
     "Jinxed - Bad luck follows your character. In combat, the failures of everyone near the "
     "character, the character included, are 50% more likely to become critical failures."},
    {Trait::goodnature,
     "Good Natured - Your character learned to talk and to heal rather than to fight: First "
     "Aid, Doctor, Speech and Barter +20%; Small Guns, Big Guns, Energy Weapons, Unarmed and "
     "Melee Weapons -10%. This is a one-time change."},
    {Trait::chemrel,
     "Chem Reliant - Your character has twice the normal chance of becoming addicted to chems, "
     "but recovers from their ill effects in half the time."},
    {Trait::chemres,
     "Chem Resistant - Chems act on your character for only half as long as normal, and the "
     "chance of addiction is 50% of normal."},
    {Trait::nightperson,
     "Night Person - Your character is at their best after dark: Intelligence and Perception "
     "-1 from 0601 to 1800 and +1 from 1801 to 0600."},
    {Trait::skilled,
     "Skilled - Your character practises more than most: 5 more skill points per level, but a "
     "perk every four levels instead of every three."},
    {Trait::gifted,
     "Gifted - Your character has more innate talent than most: 7 extra points for the "
     "characteristics, but all skills -10% and 5 fewer skill points per level."},
    {Trait::sexappeal,
     "Sex Appeal - With the opposite sex your character gets +1 Charisma for reactions and "
     "+40% to Speech and Barter rolls; with the same sex -1 and -40%."},
    {Trait::techwizard,
     "Tech Wizard - Your character spent more time with machines than with people: +15% to "
     "Science, Repair and Lockpick, but -1 Perception."},
    {Trait::glowingone,
     "Glowing One - Your character glows in the dark. The glow removes light modifiers in "
     "combat for both sides. Radiation resistance is +50%, but everyone nearby takes 10 rads "
     "per hour."},
    {Trait::fearthereap,
     "Fear The Reaper - Your character gains perks at the human rate, but once a month must "
     "make a roll against Luck or die."},
    {Trait::vatskin,
     "Vat Skin - Your character’s hide gives +10 armor class, but it is so hard to look at "
     "that everyone else within ten hexes, friend or foe, gets -1 Perception."},
    {Trait::hamfist,
     "Ham Fisted - Big hands, little finesse. Your character gets a free tag in Unarmed, but "
     "-20% to Small Guns, First Aid, Doctor, Repair, Science and Lockpick, none of which goes "
     "below 0%."},
    {Trait::domesticated,
     "Domesticated - Your character has been trained and civilised: Intelligence +1, allowed "
     "even above the racial maximum, but melee damage -2."},
    {Trait::rabid,
     "Rabid - Crippled limbs have no effect on your character (blindness still does). Each "
     "kill made in a combat round gives +5 action points in that round. Chems, stimpaks "
     "included, have no effect."},
    {Trait::tightnuts,
     "Tight Nuts - Your character is built solid: the base damage resistance against any "
     "attack is doubled, but repairs give back only half the hit points."},
    {Trait::targetcomp,
     "Targeting Computer - A built-in targeting computer means your character is always +15% "
     "to hit, but every attack costs 1 extra action point."},
    {Trait::empshield,
     "EMP Shielding - Heavy shielding guards your character’s circuits and gives 30% "
     "resistance to all EMP attacks, but its weight makes moving one hex cost 2 action points."},
    {Trait::betasoft,
     "Beta Software - Your character runs on an experimental operating system. It gives 1 "
     "extra tag skill, but every use of a tagged skill needs a roll against Luck or it fails "
     "automatically, and in combat such a use costs all the action points of that round."},
}};
static_assert(InKeyOrder(kTraitTexts, [](const TraitText& t) { return t.trait; }),
              "the trait texts stand in trait order");

constexpr std::array<SkillText, kSkillCount> kSkillTexts = {{
    {Skill::SmallGuns,
     "Small Guns - The use and care of bows, pistols, sub-machine guns, rifles and shotguns. "
     "The more skill, the easier it is to hit and the longer the range. "
     "Initial Level: 5% + (4 X AG) = 25% at AG 5"},
    {Skill::BigGuns,
     "Big Guns - The use and care of flamethrowers, miniguns, rocket launchers, heavy machine "
     "guns and other large weapons. "
     "Initial Level: 0% + (2 X AG) = 10% at AG 5"},
    {Skill::EnergyWeapons,
     "Energy Weapons - The use and care of lasers, plasma weapons and anything else fed by "
     "energy cells or power packs. "
     "Initial Level: 0% + (2 X AG) = 10% at AG 5"},
    {Skill::Unarmed,
     "Unarmed - Fighting with fists and feet, and with weapons that enhance them. At higher "
     "levels your character learns new techniques. "
     "Initial Level: 30% + (2 X (AG + STR)) = 50% at AG and STR 5"},
    {Skill::Melee,
     "Melee Weapons - Fighting with hand-held weapons such as knives, spears, hammers and "
     "crowbars. "
     "Initial Level: 20% + (2 X (AG + STR)) = 40% at AG and STR 5"},
    {Skill::Throwing,
     "Throwing - Throwing weapons such as knives, rocks and grenades. A miss still lands "
     "somewhere. The range depends on Strength and the weapon. "
     "Initial Level: 0% + (4 X AG) = 20% at AG 5"},
    {Skill::FirstAid,
     "First Aid - Healing minor wounds. It can be used 3 times a day; each use takes 1d10 "
     "minutes and heals 1d10 hit points. "
     "Initial Level: 0% + (2 X (PE + EN)) = 20% at PE and EN 5"},
    {Skill::Doctor,
     "Doctor - Healing serious damage and crippled limbs. A use heals 2d10 hit points in 1 "
     "hour and can be made twice a day. "
     "Initial Level: 5% + (PE + IN) = 15% at PE and IN 5"},
    {Skill::Sneak,
     "Sneak - Moving without being seen or heard. A roll is made when sneaking starts and once "
     "a minute after that; a success also helps a theft that follows. "
     "Initial Level: 5% + (3 X AG) = 20% at AG 5"},
    {Skill::Lockpick,
     "Lockpick - Opening locks without the key. Electronic locks need an electronic lockpick. "
     "Initial Level: 10% + (PE + AG) = 20% at PE and AG 5"},
    {Skill::Steal,
     "Steal - Taking things without being noticed. Bigger items, or more of them, are harder "
     "to take, and items in use cannot be taken. "
     "Initial Level: 0% + (3 X AG) = 15% at AG 5"},
    {Skill::Traps,
     "Traps – Setting and disarming traps, timers and explosives. "
     "Initial Level: 10% + (PE + AG) = 20% at PE and AG 5"},
    {Skill::Science,
     "Science - Knowledge of computers and electronic devices, and scientific intuition. "
     "Science can mend robots as First Aid mends people. "
     "Initial Level: 0% + (4 X IN) = 20% at IN 5"},
    {Skill::Repair,
     "Repair - Fixing, or sabotaging, mechanical things. Repair can mend robots as Doctor "
     "mends people. "
     "Initial Level: 0% + (3 X IN) = 15% at IN 5"},
    {Skill::Pilot,
     "Pilot – Driving and flying every kind of vehicle. "
     "Initial Level: 0% + 2X (AG + PE) = 20% at AG and PE 5"},
    {Skill::Speech,
     "Speech - The art of talking people into things: persuading, bluffing and convincing. "
     "Initial Level: 0% + (5 X CH) = 25% at CH 5"},
    {Skill::Barter,
     "Barter - Trading goods and services for better prices. "
     "Initial Level: 0% + (4 X CH) = 20% at CH 5"},
    {Skill::Gambling,
     "Gambling – Games of chance, and spotting the ones that are rigged. "
     "Initial Level: 0% + (5 X LK) = 25% at LK 5"},
    {Skill::Outdoorsman,
     "Outdoorsman – Survival in the wastes: finding food and water, avoiding dangerous "
     "creatures, and knowing which plants and animals are useful and which are harmful. "
     "Initial Level: 0% + (2 X (EN + IN)) = 20% at EN and IN 5"},
}};
static_assert(InKeyOrder(kSkillTexts, [](const SkillText& s) { return s.skill; }),
              "the skill texts stand in skill order");

constexpr std::array<FieldText, kSecondaryStatCount> kSecondaryStatTexts = {{
    {Field::hp,
     "HIT POINTS (HP): How much damage your character can take. A character is either alive or "
     "dead, and the dead stay dead. Healing never raises hit points above the maximum. Base: "
     "15 + STR + 2xEN, plus 3 + 1/2 (round down) EN for every level."},
    {Field::ac,
     "ARMOR CLASS (AC): A percentage taken off an attacker’s chance to hit your character. The "
     "base armor class equals Agility, and worn armor adds to it "
     "(Agility 6 and armor 5 give 11)."},
    {Field::md,
     "MELEE DAMAGE: The damage your character does in unarmed and melee combat, based on "
     "Strength. It is added to every punch, kick and blow with a melee weapon."},
    {Field::bd,
     "Bonus Damage - Extra damage your character does with every attack, granted by traits or "
     "perks. A trait can also make it negative."},
    {Field::dres,
     "DAMAGE RESISTANCE: The share of damage taken off every hit. It comes from armor, so it "
     "is 0% unless the race has built-in resistance."},
    {Field::pres,
     "POISON RESISTANCE: The chance that your character’s antibodies defeat a poison: 5 X EN "
     "(Endurance 6 gives 30%)."},
    {Field::rres,
     "RADIATION RESISTANCE: The share of rads kept out of your character’s body: 2 X EN "
     "(Endurance 8 gives 16%: of 1000 rads, 840 get in)."},
    {Field::gres,
     "GAS RESISTANCE: Protection from gases, given by armor, race and equipment. It is written "
     "as inhaled/contact and starts at 0 / 0 except for robots."},
    {Field::eres,
     "ELECTRICAL RESISTANCE: The percentage taken off electrical damage. It starts at 0 unless "
     "the race has it built in."},
    {Field::ap,
     "ACTION POINTS (AP): The actions your character can take in a combat turn: a hex of "
     "movement costs 1, a reload often 2 and a shot often 5. Based on Agility, never below 5."},
    {Field::carrywt,
     "CARRY WEIGHT: How much your character can carry: 25 + 25 lbs X STR "
     "(Strength 6 gives 175 pounds)."},
    {Field::hr,
     "HEALING RATE: The hit points your character heals in a day of activity or in six hours "
     "of rest, based on Endurance."},
    {Field::cc,
     "CRITICAL CHANCE: The base chance that an attack by your character is a critical hit, "
     "equal to Luck (Luck 3 gives 3%)."},
    {Field::seq,
     "SEQUENCE: The order of action in a combat round; the highest sequence acts first. It is "
     "2 X PE."},
    {Field::skillrate,
     "SKILL RATE: The skill points your character gains per level: 5 + (2 X IN). They are "
     "spent on raising skills; a tagged skill rises twice as fast."},
    {Field::perkrate,
     "PERK RATE: The number of levels between new perks. The lower the rate, the sooner each "
     "new perk comes."},
    {Field::hprate,
     "HP RATE: The hit points your character gains per level: (3 + (1/2 EN)). They are added "
     "to the maximum hit points at every new level."},
}};
// clang-format on

constexpr bool InSecondaryStatOrder() {
  for (std::size_t i = 0; i < kSecondaryStatCount; ++i) {
    if (kSecondaryStatTexts[i].field != kSecondaryStats[i].field) return false;
  }
  return true;
}
static_assert(InSecondaryStatOrder(), "the secondary statistics' texts stand in their order");

constexpr std::string_view kTagsLeftText =
    "This is the number of Tag Skils you can pick for your character. A tagged skill increase twice as fast as a "
    "normal skill.";
constexpr std::string_view kTagsCounterText =
    "This is the number of Tag Skils you can pick for your character. A tagged skill increase twice as fast as a "
    "normal skill. This indicates the number of tags left";
constexpr std::string_view kAboutText =
    "Cindral PnP Character Generator v1.0 by the Cindral PnP team. Suggestions and error "
    "reports are welcome: please write to us through the project’s issue tracker.";

// The texts in the order of kCaptionControls.
constexpr std::array<std::string_view, kCaptionCount> kCaptionTexts = [] {
  std::array<std::string_view, kCaptionCount> texts{};
  std::size_t n = 0;
  for (const TraitText& t : kTraitTexts) texts[n++] = t.text;
  for (const SkillText& s : kSkillTexts) texts[n++] = s.text;
  for (const FieldText& f : kSecondaryStatTexts) texts[n++] = f.text;
  texts[n++] = kTagsLeftText;
  texts[n++] = kTagsCounterText;
  texts[n++] = kAboutText;
  return texts;
}();

}  // namespace

std::string_view CaptionText(std::size_t index) { return kCaptionTexts.at(index); }

std::string_view HelpFor(std::string_view control) {
  const auto at = std::find(kCaptionControls.begin(), kCaptionControls.end(), control);
  return at == kCaptionControls.end() ? std::string_view{}
                                      : kCaptionTexts[static_cast<std::size_t>(at - kCaptionControls.begin())];
}

std::string_view TraitHelp(Trait trait) { return kTraitTexts[Index(trait)].text; }

std::string_view CharacterCopiedText() {
  return "Character copied. Paste it into a chat or a text editor as plain text, or into a word processor as a "
         "table.";
}

}  // namespace cindral
