// The information panel's help texts: one for every caption a player can
// click, for the Tags Left counter and for the About button. A trait's text
// is shown both by its caption and by its tick box.
#include "help_texts.h"

#include <algorithm>

namespace cindral {

// clang-format off
const std::array<HelpText, kHelpTextCount> kHelpTexts = {{
    {"Label32", "betasoft",
     "Beta Software - Your character runs on an experimental operating system. It gives 1 "
     "extra tag skill, but every use of a tagged skill needs a roll against Luck or it fails "
     "automatically, and in combat such a use costs all the action points of that round."},
    {"Label17", "bloody",
     "Bloody Mess - People around your character always die in the most violent way possible. "
     "This has no effect on how fast they die, only on how they go; just how dramatic it gets "
     "is the game master’s call."},
    {"Label4", "bruiser",
     "Bruiser - A little slower, but a lot bigger. Your character gets +2 Strength, but -2 "
     "action points."},
    {"Label25", "chemrel",
     "Chem Reliant - Your character has twice the normal chance of becoming addicted to chems, "
     "but recovers from their ill effects in half the time."},
    {"Label24", "chemres",
     "Chem Resistant - Chems act on your character for only half as long as normal, and the "
     "chance of addiction is 50% of normal."},
    {"Label27", "domesticated",
     "Domesticated - Your character has been trained and civilised: Intelligence +1, allowed "
     "even above the racial maximum, but melee damage -2."},
    {"Label33", "empshield",
     "EMP Shielding - Heavy shielding guards your character’s circuits and gives 30% "
     "resistance to all EMP attacks, but its weight makes moving one hex cost 2 action points."},
    {"Label16", "fastmet",
     "Fast Metabolism - Your character heals faster but resists less: +2 healing rate, but "
     "radiation and poison resistance start at 0%. Mutants and ghouls get 20% instead of their "
     "normal bonus; half-mutants count as humans (0%)."},
    {"Label6", "fastshot",
     "Fast Shot - Every weapon costs your character one action point less to use, but targeted "
     "shots are not possible. Hand-to-hand and melee attacks are not affected."},
    {"Label30", "fearthereap",
     "Fear The Reaper - Your character gains perks at the human rate, but once a month must "
     "make a roll against Luck or die."},
    {"Label12", "finesse",
     "Finesse - Your character’s attacks are precise rather than powerful. All attacks lose "
     "30% of their damage (as a 30% damage resistance bonus for every opponent), but critical "
     "chance is +10%."},
    {"Label21", "gifted",
     "Gifted - Your character has more innate talent than most: 7 extra points for the "
     "characteristics, but all skills -10% and 5 fewer skill points per level."},
    {"Label19", "glowingone",
     "Glowing One - Your character glows in the dark. The glow removes light modifiers in "
     "combat for both sides. Radiation resistance is +50%, but everyone nearby takes 10 rads "
     "per hour."},
    {"Label26", "goodnature",
     "Good Natured - Your character learned to talk and to heal rather than to fight: First "
     "Aid, Doctor, Speech and Barter +20%; Small Guns, Big Guns, Energy Weapons, Unarmed and "
     "Melee Weapons -10%. This is a one-time change."},
    {"Label28", "hamfist",
     "Ham Fisted - Big hands, little finesse. Your character gets a free tag in Unarmed, but "
     "-20% to Small Guns, First Aid, Doctor, Repair, Science and Lockpick, none of which goes "
     "below 0%."},
    {"Label8", "heavyhand",
     "Heavy Handed - Your character hits hard: +4 melee damage. But critical hits do 30% less "
     "damage and are 30% less likely to cripple a limb or knock out."},
    {"Label18", "jinx",
     "Jinxed - Bad luck follows your character. In combat, the failures of everyone near the "
     "character, the character included, are 50% more likely to become critical failures."},
    {"Label10", "kamikaze",
     "Kamikaze - Your character rushes in without a thought for defence: no natural armor "
     "class (0 whatever the Agility; only worn armor counts), but +5 sequence."},
    {"Label23", "nightperson",
     "Night Person - Your character is at their best after dark: Intelligence and Perception "
     "-1 from 0601 to 1800 and +1 from 1801 to 0600."},
    {"Label13", "onehand",
     "One Hander - Your character favours weapons held in one hand: -40% to hit with "
     "two-handed weapons, +20% with one-handed weapons."},
    {"Label36", "rabid",
     "Rabid - Crippled limbs have no effect on your character (blindness still does). Each "
     "kill made in a combat round gives +5 action points in that round. Chems, stimpaks "
     "included, have no effect."},
    {"Label20", "sexappeal",
     "Sex Appeal - With the opposite sex your character gets +1 Charisma for reactions and "
     "+40% to Speech and Barter rolls; with the same sex -1 and -40%."},
    {"Label22", "skilled",
     "Skilled - Your character practises more than most: 5 more skill points per level, but a "
     "perk every four levels instead of every three."},
    {"Label14", "smallframe",
     "Small Frame - Your character is small and nimble: +1 Agility, but carry weight is only "
     "15 pounds times Strength."},
    {"Label34", "targetcomp",
     "Targeting Computer - A built-in targeting computer means your character is always +15% "
     "to hit, but every attack costs 1 extra action point."},
    {"Label31", "techwizard",
     "Tech Wizard - Your character spent more time with machines than with people: +15% to "
     "Science, Repair and Lockpick, but -1 Perception."},
    {"Label35", "tightnuts",
     "Tight Nuts - Your character is built solid: the base damage resistance against any "
     "attack is doubled, but repairs give back only half the hit points."},
    {"Label29", "vatskin",
     "Vat Skin - Your character’s hide gives +10 armor class, but it is so hard to look at "
     "that everyone else within ten hexes, friend or foe, gets -1 Perception."},
    {"Label39", "",
     "Small Guns - The use and care of bows, pistols, sub-machine guns, rifles and shotguns. "
     "The more skill, the easier it is to hit and the longer the range. "
     "Initial Level: 5% + (4 X AG) = 25% at AG 5"},
    {"Label40", "",
     "Big Guns - The use and care of flamethrowers, miniguns, rocket launchers, heavy machine "
     "guns and other large weapons. "
     "Initial Level: 0% + (2 X AG) = 10% at AG 5"},
    {"Label41", "",
     "Energy Weapons - The use and care of lasers, plasma weapons and anything else fed by "
     "energy cells or power packs. "
     "Initial Level: 0% + (2 X AG) = 10% at AG 5"},
    {"Label42", "",
     "Unarmed - Fighting with fists and feet, and with weapons that enhance them. At higher "
     "levels your character learns new techniques. "
     "Initial Level: 30% + (2 X (AG + STR)) = 50% at AG and STR 5"},
    {"Label43", "",
     "Melee Weapons - Fighting with hand-held weapons such as knives, spears, hammers and "
     "crowbars. "
     "Initial Level: 20% + (2 X (AG + STR)) = 40% at AG and STR 5"},
    {"Label44", "",
     "Throwing - Throwing weapons such as knives, rocks and grenades. A miss still lands "
     "somewhere. The range depends on Strength and the weapon. "
     "Initial Level: 0% + (4 X AG) = 20% at AG 5"},
    {"Label45", "",
     "First Aid - Healing minor wounds. It can be used 3 times a day; each use takes 1d10 "
     "minutes and heals 1d10 hit points. "
     "Initial Level: 0% + (2 X (PE + EN)) = 20% at PE and EN 5"},
    {"Label46", "",
     "Doctor - Healing serious damage and crippled limbs. A use heals 2d10 hit points in 1 "
     "hour and can be made twice a day. "
     "Initial Level: 5% + (PE + IN) = 15% at PE and IN 5"},
    {"Label49", "",
     "Sneak - Moving without being seen or heard. A roll is made when sneaking starts and once "
     "a minute after that; a success also helps a theft that follows. "
     "Initial Level: 5% + (3 X AG) = 20% at AG 5"},
    {"Label50", "",
     "Lockpick - Opening locks without the key. Electronic locks need an electronic lockpick. "
     "Initial Level: 10% + (PE + AG) = 20% at PE and AG 5"},
    {"Label51", "",
     "Steal - Taking things without being noticed. Bigger items, or more of them, are harder "
     "to take, and items in use cannot be taken. "
     "Initial Level: 0% + (3 X AG) = 15% at AG 5"},
    {"Label52", "",
     "Traps – Setting and disarming traps, timers and explosives. "
     "Initial Level: 10% + (PE + AG) = 20% at PE and AG 5"},
    {"Label53", "",
     "Science - Knowledge of computers and electronic devices, and scientific intuition. "
     "Science can mend robots as First Aid mends people. "
     "Initial Level: 0% + (4 X IN) = 20% at IN 5"},
    {"Label54", "",
     "Repair - Fixing, or sabotaging, mechanical things. Repair can mend robots as Doctor "
     "mends people. "
     "Initial Level: 0% + (3 X IN) = 15% at IN 5"},
    {"Label47", "",
     "Pilot – Driving and flying every kind of vehicle. "
     "Initial Level: 0% + 2X (AG + PE) = 20% at AG and PE 5"},
    {"Label55", "",
     "Speech - The art of talking people into things: persuading, bluffing and convincing. "
     "Initial Level: 0% + (5 X CH) = 25% at CH 5"},
    {"Label56", "",
     "Barter - Trading goods and services for better prices. "
     "Initial Level: 0% + (4 X CH) = 20% at CH 5"},
    {"Label57", "",
     "Gambling – Games of chance, and spotting the ones that are rigged. "
     "Initial Level: 0% + (5 X LK) = 25% at LK 5"},
    {"Label58", "",
     "Outdoorsman – Survival in the wastes: finding food and water, avoiding dangerous "
     "creatures, and knowing which plants and animals are useful and which are harmful. "
     "Initial Level: 0% + (2 X (EN + IN)) = 20% at EN and IN 5"},
    {"Label48", "",
     "HIT POINTS (HP): How much damage your character can take. A character is either alive or "
     "dead, and the dead stay dead. Healing never raises hit points above the maximum. Base: "
     "15 + STR + 2xEN, plus 3 + 1/2 (round down) EN for every level."},
    {"Label59", "",
     "ARMOR CLASS (AC): A percentage taken off an attacker’s chance to hit your character. The "
     "base armor class equals Agility, and worn armor adds to it "
     "(Agility 6 and armor 5 give 11)."},
    {"Label60", "",
     "MELEE DAMAGE: The damage your character does in unarmed and melee combat, based on "
     "Strength. It is added to every punch, kick and blow with a melee weapon."},
    {"Label61", "",
     "Bonus Damage - Extra damage your character does with every attack, granted by traits or "
     "perks. A trait can also make it negative."},
    {"Label62", "",
     "DAMAGE RESISTANCE: The share of damage taken off every hit. It comes from armor, so it "
     "is 0% unless the race has built-in resistance."},
    {"Label63", "",
     "POISON RESISTANCE: The chance that your character’s antibodies defeat a poison: 5 X EN "
     "(Endurance 6 gives 30%)."},
    {"Label64", "",
     "RADIATION RESISTANCE: The share of rads kept out of your character’s body: 2 X EN "
     "(Endurance 8 gives 16%: of 1000 rads, 840 get in)."},
    {"Label65", "",
     "GAS RESISTANCE: Protection from gases, given by armor, race and equipment. It is written "
     "as inhaled/contact and starts at 0 / 0 except for robots."},
    {"Label66", "",
     "ELECTRICAL RESISTANCE: The percentage taken off electrical damage. It starts at 0 unless "
     "the race has it built in."},
    {"Label67", "",
     "ACTION POINTS (AP): The actions your character can take in a combat turn: a hex of "
     "movement costs 1, a reload often 2 and a shot often 5. Based on Agility, never below 5."},
    {"Label68", "",
     "CARRY WEIGHT: How much your character can carry: 25 + 25 lbs X STR "
     "(Strength 6 gives 175 pounds)."},
    {"Label69", "",
     "HEALING RATE: The hit points your character heals in a day of activity or in six hours "
     "of rest, based on Endurance."},
    {"Label70", "",
     "CRITICAL CHANCE: The base chance that an attack by your character is a critical hit, "
     "equal to Luck (Luck 3 gives 3%)."},
    {"Label71", "",
     "SEQUENCE: The order of action in a combat round; the highest sequence acts first. It is "
     "2 X PE."},
    {"Label72", "",
     "SKILL RATE: The skill points your character gains per level: 5 + (2 X IN). They are "
     "spent on raising skills; a tagged skill rises twice as fast."},
    {"Label73", "",
     "PERK RATE: The number of levels between new perks. The lower the rate, the sooner each "
     "new perk comes."},
    {"Label74", "",
     "HP RATE: The hit points your character gains per level: (3 + (1/2 EN)). They are added "
     "to the maximum hit points at every new level."},
    {"Label94", "",
     "This is the number of Tag Skils you can pick for your character. A tagged skill increase twice as fast as a normal skill."},
    {"tags", "",
     "This is the number of Tag Skils you can pick for your character. A tagged skill increase twice as fast as a normal skill. This indicates the number of tags left"},
    {"Command1", "",
     "Cindral PnP Character Generator v1.0 by the Cindral PnP team. Suggestions and error "
     "reports are welcome: please write to us through the project’s issue tracker."},
}};
// clang-format on

std::string_view HelpFor(std::string_view control) {
  const auto row = std::find_if(kHelpTexts.begin(), kHelpTexts.end(),
                                [&](const HelpText& h) { return h.control == control; });
  return row == kHelpTexts.end() ? std::string_view{} : row->text;
}

std::string_view TraitHelp(Trait trait) {
  static const std::array<std::string_view, kTraitCount> byTrait = [] {
    std::array<std::string_view, kTraitCount> texts{};
    for (const HelpText& h : kHelpTexts) {
      if (const auto box = FindBox(h.box); box && !IsTagBox(*box)) texts[Index(TraitOf(*box))] = h.text;
    }
    return texts;
  }();
  return byTrait[Index(trait)];
}

}  // namespace cindral
