// The game's facts as the checker knows them, written out here from the
// rules of the game and kept apart from the program: the eight races (their
// starting rows, limits, secondary modifiers and trait lists), the two race
// notes and the twenty-eight note lines, the skill formulas and the traits'
// adjustments, and the titles of the rule texts the information panel shows.
// Every control and field is named by its control name. Nothing in here
// comes from the program's own tables, so a wrong entry there cannot pass
// the checks that use these.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace cindral::test::game {

// ---------------------------------------------------------------------------
// Primary statistics, in the window's order: ST, PE, EN, CH, IN, AG, LU.

inline constexpr std::size_t kStats = 7;
enum StatIndex : std::size_t { ST, PE, EN, CH, IN, AG, LU };

inline constexpr std::array<std::string_view, kStats> kStatFields = {"st", "pe", "en", "ch", "intel", "ag", "lu"};
inline constexpr std::array<std::string_view, kStats> kPlusButtons = {"stplu", "peplu", "enplu", "chplu",
                                                                      "inplu", "agplu", "luplu"};
inline constexpr std::array<std::string_view, kStats> kMinusButtons = {"stmin", "pemin", "enmin", "chmin",
                                                                       "inmin", "agmin", "lumin"};

using Stats = std::array<int, kStats>;

// ---------------------------------------------------------------------------
// Races

inline constexpr std::size_t kRaces = 8;

// The race list, sorted as the drop-down keeps it.
inline constexpr std::array<std::string_view, kRaces> kRaceList = {
    "Deathclaw", "Dog", "Ghoul", "Gray Deathclaw", "Half-Mutant", "Human", "Robot", "Super-Mutant",
};

inline constexpr std::string_view kDeathclawNote =
    "Deathclaws have 40% resistance to Normal, Fire and Explosion Damage with an Damage Threshold of 4 for each of "
    "those damage types. ";
inline constexpr std::string_view kRobotNote =
    "Robots have a 40% Damage resistance to all kinds of attacks... except EMP (pulse weapons), they dont gain perks "
    "either. ";

// What a race pick writes.
struct RaceStart {
  std::string_view race;
  Stats stats;  // ST PE EN CH IN AG LU
  int charPoints;
  int perkRate;
  std::string_view gasRes;
  int electricityRes;
  std::string_view note;
};

inline constexpr RaceStart kRaceStarts[] = {
    {"Human", {5, 5, 5, 5, 5, 5, 5}, 5, 3, "0/0", 30, ""},
    {"Ghoul", {5, 5, 5, 5, 5, 5, 5}, 5, 4, "0/0", 0, ""},
    {"Super-Mutant", {5, 5, 5, 5, 5, 5, 5}, 5, 4, "0/0", 0, ""},
    {"Half-Mutant", {5, 5, 5, 5, 5, 5, 5}, 5, 3, "0/0", 0, ""},
    {"Deathclaw", {6, 5, 5, 3, 4, 5, 5}, 7, 4, "0/40", 0, kDeathclawNote},
    {"Gray Deathclaw", {6, 5, 5, 3, 5, 5, 5}, 6, 4, "0/40", 0, kDeathclawNote},
    {"Dog", {5, 5, 5, 5, 3, 5, 5}, 7, 2, "0/0", 50, ""},
    {"Robot", {7, 7, 7, 1, 5, 5, 5}, 3, 0, "0/0", 0, kRobotNote},
};

// The lowest value a minus click may leave and the highest a plus click may
// reach, per statistic.
struct RaceLimits {
  std::string_view race;
  Stats low;
  Stats high;
};

inline constexpr RaceLimits kRaceLimits[] = {
    //                ST  PE  EN  CH  IN  AG  LU
    {"Human", {1, 1, 1, 1, 1, 1, 1}, {10, 10, 10, 10, 10, 10, 10}},
    {"Ghoul", {1, 4, 1, 1, 2, 1, 5}, {8, 13, 10, 10, 10, 6, 12}},
    {"Super-Mutant", {5, 1, 4, 1, 1, 1, 1}, {13, 11, 11, 7, 11, 8, 10}},
    {"Half-Mutant", {3, 1, 2, 1, 1, 1, 1}, {12, 10, 11, 10, 10, 8, 10}},
    {"Deathclaw", {6, 4, 1, 1, 1, 6, 1}, {14, 12, 13, 3, 4, 16, 10}},
    {"Gray Deathclaw", {6, 4, 1, 1, 1, 6, 1}, {12, 12, 11, 3, 8, 16, 10}},
    {"Dog", {1, 4, 1, 1, 1, 1, 1}, {7, 14, 6, 5, 3, 15, 10}},
    {"Robot", {7, 7, 7, 1, 5, 1, 5}, {12, 12, 12, 1, 12, 12, 5}},
};

// The race's modifiers of the secondary statistics: a plus adds, a set
// value replaces, nothing leaves the value. Then the poison and radiation
// resistance Fast Metabolism sets instead.
struct RaceModifiers {
  std::string_view race;
  int meleePlus = 0;
  int hpRatePlus = 0;
  std::optional<int> damageRes;
  int poisonPlus = 0;
  int radPlus = 0;
  std::optional<int> electricityRes;
  int fastMetPoison = 0;
  int fastMetRad = 0;
};

inline constexpr RaceModifiers kRaceModifiers[] = {
    {"Deathclaw", 5, 2, 40, 0, 0, std::nullopt, 0, 0},
    {"Gray Deathclaw", 5, 2, 40, 0, 0, std::nullopt, 0, 0},
    {"Super-Mutant", 0, 2, 25, 20, 50, 0, 20, 50},
    {"Ghoul", 0, 0, std::nullopt, 30, 80, std::nullopt, 30, 80},
    {"Half-Mutant", 0, 0, std::nullopt, 15, 15, std::nullopt, 0, 0},
    {"Robot", 0, 0, 40, 0, 0, std::nullopt, 0, 0},
    {"Human", 0, 0, std::nullopt, 0, 0, 30, 0, 0},
    {"Dog", 0, 0, std::nullopt, 0, 0, 50, 0, 0},
};

// The columns of the race trait table: which column a race text reads.
// Deathclaw, Gray Deathclaw and Dog share one.
struct TraitColumn {
  std::string_view race;
  std::size_t column;
};

inline constexpr TraitColumn kTraitColumns[] = {
    {"Human", 0},     {"Ghoul", 1},          {"Super-Mutant", 2}, {"Half-Mutant", 3},
    {"Deathclaw", 4}, {"Gray Deathclaw", 4}, {"Dog", 4},          {"Robot", 5},
};

// ---------------------------------------------------------------------------
// Traits, in trait order

inline constexpr std::size_t kTraits = 28;

// Which recomputations a trait box's handling runs after its direct changes.
enum class Sequence { Standard, BloodyMess, GoodNatured, HamFisted };

struct TraitFacts {
  std::string_view box;
  std::string_view caption;    // the caption label beside the box
  std::string_view label;      // the caption label's control name
  std::string_view title;      // how its rule text begins
  std::string_view allowedBy;  // y/n for Human, Ghoul, Super-Mutant, Half-Mutant, Deathclaws and Dog, Robot
  Stats statChange;            // added on tick, taken back on untick: ST PE EN CH IN AG LU
  int perkRateChange;
  int tagsChange;
  Sequence sequence;
  std::string_view noteLine;
};

// clang-format off
inline constexpr TraitFacts kTraitFacts[kTraits] = {
    {"fastmet", "Fast Metabolism", "Label16", "Fast Metabolism - ", "yyyyyn", {}, 0, 0, Sequence::Standard,
     "Fast Metabolism. +2 Healing rate, 0% Poison resistance (plus race mods), 0% Radiation resistance (plus race mods). "},
    {"bruiser", "Bruiser", "Label4", "Bruiser - ", "yyyyyy", {2, 0, 0, 0, 0, 0, 0}, 0, 0, Sequence::Standard,
     "Bruiser. -2 Action Points, +2 Strength. "},
    {"smallframe", "Small Frame", "Label14", "Small Frame - ", "yyyyyy", {0, 0, 0, 0, 0, 1, 0}, 0, 0, Sequence::Standard,
     "Small Frame. +1 Agility, Carry Weight = 15 * Strength. "},
    {"onehand", "One Hander", "Label13", "One Hander - ", "yyyyny", {}, 0, 0, Sequence::Standard,
     "One Hander. -40% to hit 2-H weapons. +20% to hit 1-H weapons. "},
    {"finesse", "Finesse", "Label12", "Finesse - ", "yyyyyy", {}, 0, 0, Sequence::Standard,
     "Finesse. +10 Critical Chance, -30% Damage. "},
    {"kamikaze", "Kamikaze", "Label10", "Kamikaze - ", "yyyyyy", {}, 0, 0, Sequence::Standard,
     "Kamikaze. 0 Natural Armor Class, +5 Sequence. "},
    {"heavyhand", "Heavy Handed", "Label8", "Heavy Handed - ", "yyyyyy", {}, 0, 0, Sequence::Standard,
     "Heavy Handed. +4 Melee Damage, -30% Damage on Criticals, -30% Chance to cripple or cause unconciousness. "},
    {"fastshot", "Fast Shot", "Label6", "Fast Shot - ", "yyyynn", {}, 0, 0, Sequence::Standard,
     "Fast Shot. -1 AP for all firing costs, Can not do aimed attack. "},
    {"bloody", "Bloody Mess", "Label17", "Bloody Mess - ", "yyyyyy", {}, 0, 0, Sequence::BloodyMess,
     "Bloody Mess. All kills die violently. "},
    {"jinx", "Jinxed", "Label18", "Jinxed - ", "yyyyyy", {}, 0, 0, Sequence::Standard,
     "Jinxed. +50% Chance to upgrade failures to critical failures for all nearby. "},
    {"goodnature", "Good Natured", "Label26", "Good Natured - ", "yyyynn", {}, 0, 0, Sequence::GoodNatured,
     "Good Natured. +20% First Aid, +20% Doctor, +20% Speech, +20% Barter, -10% Small Guns, -10% Big Guns, "
     "-10% Energy Weapons, -10% Unarmed, -10% Melee Weapons. "},
    {"chemrel", "Chem. Reliant", "Label25", "Chem Reliant - ", "yyyyyn", {}, 0, 0, Sequence::Standard,
     "Chem Reliant. 2x Addiction Chance, 1/2x Recovery Time. "},
    {"chemres", "Chem. Resistance", "Label24", "Chem Resistant - ", "yyyyyn", {}, 0, 0, Sequence::Standard,
     "Chem Resistant. 1/2x Chemical Effect, 1/2x Addiction Chance. "},
    {"nightperson", "Night Person", "Label23", "Night Person - ", "yyyyyn", {}, 0, 0, Sequence::Standard,
     "Night Person. +1 Perception from 1801 to 0600, +1 Intelligence from 1801 to 0600, -1 Perception from 0601 to "
     "1800, -1 Intelligence from 0601 to 1800. "},
    {"skilled", "Skilled", "Label22", "Skilled - ", "yyyynn", {}, 1, 0, Sequence::Standard,
     "Skilled. +10% to all skills, +5 Skill Gain Rate, +1 Perk Gain Rate. "},
    {"gifted", "Gifted", "Label21", "Gifted - ", "yyyyyn", {1, 1, 1, 1, 1, 1, 1}, 0, 0, Sequence::Standard,
     "Gifted. +1 to all stats, -10% to all skills, -5 Skill Gain Rate. "},
    {"sexappeal", "Sex Appeal", "Label20", "Sex Appeal - ", "ynnnnn", {}, 0, 0, Sequence::Standard,
     "Sex Appeal. +/- 1 to Charisma for reactions, +/- 40% to Speech, +/- 40% to Barter. "},
    {"techwizard", "Tech Wizard", "Label31", "Tech Wizard - ", "yyyyny", {}, 0, 0, Sequence::Standard,
     "Tech Wizard. +15% Science, +15% Repair, +15% LockPick, -1 Perception. "},
    {"glowingone", "Glowing One", "Label19", "Glowing One - ", "nynnnn", {}, 0, 0, Sequence::Standard,
     "Glowing One. +50% Radiation Resistance, 10 Rads/hr to those near. "},
    {"fearthereap", "Fear The Reaper", "Label30", "Fear The Reaper - ", "nynnnn", {}, -1, 0, Sequence::Standard,
     "Fear The Reaper. -1 Perk Gain Rate, Save vs. Luck each month or die. "},
    {"vatskin", "Vat Skin", "Label29", "Vat Skin - ", "nnynnn", {}, 0, 0, Sequence::Standard,
     "Vat Skin. +10 Armor Class, -1 Perception to all within 10 hexes. "},
    {"hamfist", "Ham Fisted", "Label28", "Ham Fisted - ", "nnynnn", {}, 0, 0, Sequence::HamFisted,
     "Ham Fisted. Unarmed is a Tag Skill, -20% Small Guns, -20% First Aid, -20% Doctor, -20% Repair, -20% Science, "
     "-20% Lockpick. "},
    {"domesticated", "Domesticated", "Label27", "Domesticated - ", "nnnnyn", {0, 0, 0, 0, 1, 0, 0}, 0, 0,
     Sequence::Standard, "Domesticated. +1 Intelligence, Can ignore racial Intelligence maximum, -2 Melee Damage. "},
    {"rabid", "Rabid", "Label36", "Rabid - ", "nnnnyn", {}, 0, 0, Sequence::Standard,
     "Rabid. Not affected by crippled limbs, +5 Action points when you, kill an opponent in combat, Chems do not "
     "affect you. "},
    {"tightnuts", "Tight Nuts", "Label35", "Tight Nuts - ", "nnnnny", {}, 0, 0, Sequence::Standard,
     "Tight Nuts. +40% Damage Resistance, 1/2 Repair effect. "},
    {"targetcomp", "Targetting Computer", "Label34", "Targeting Computer - ", "nnnnny", {}, 0, 0, Sequence::Standard,
     "Targeting Computer. +1AP to firing attacks, +15% to hit. "},
    {"empshield", "EMP Shielding", "Label33", "EMP Shielding - ", "nnnnny", {}, 0, 0, Sequence::Standard,
     "EMP Shielding. 2 AP per hex moved, +30% EMP Resistance. "},
    {"betasoft", "Beta Software", "Label32", "Beta Software - ", "nnnnny", {}, 0, 1, Sequence::Standard,
     "Beta Software. +1 Tag Skill, Must roll vs. Luck when using ANY tagged skill or automatic failure and loss of "
     "all APs. "},
};
// clang-format on

// ---------------------------------------------------------------------------
// Skills, in the window's order

inline constexpr std::size_t kSkills = 19;

// The five traits that change skills, as the adjustment columns below.
enum SkillTrait : std::size_t { GoodNatured, HamFisted, Gifted, TechWizard, Skilled, kSkillTraits };
inline constexpr std::array<std::string_view, kSkillTraits> kSkillTraitBoxes = {"goodnature", "hamfist", "gifted",
                                                                                "techwizard", "skilled"};

struct SkillFacts {
  std::string_view tagBox;
  std::string_view valueField;
  std::string_view label;                    // the caption label's control name
  std::string_view title;                    // how its rule text begins
  std::string_view formula;                  // the starting level as its rule text states it
  int base;                                  // untagged value: base + the sum of factor × statistic
  Stats factor;                              // ST PE EN CH IN AG LU
  std::array<int, kSkillTraits> adjustment;  // Good Natured, Ham Fisted, Gifted, Tech Wizard, Skilled
};

inline constexpr int kTagBonus = 20;

// clang-format off
inline constexpr SkillFacts kSkillFacts[kSkills] = {
    //                                                                                   ST PE EN CH IN AG LU     GN  HF  Gi  TW  Sk
    {"smallguns", "sma", "Label39", "Small Guns - ", "5% + (4 X AG)",               5, {0, 0, 0, 0, 0, 4, 0}, {-10, -20, -10, 0, 10}},
    {"bigguns", "big", "Label40", "Big Guns - ", "0% + (2 X AG)",                   0, {0, 0, 0, 0, 0, 2, 0}, {-10, 0, -10, 0, 10}},
    {"energyweapons", "ene", "Label41", "Energy Weapons - ", "0% + (2 X AG)",       0, {0, 0, 0, 0, 0, 2, 0}, {-10, 0, -10, 0, 10}},
    {"unarmed", "una", "Label42", "Unarmed - ", "30% + (2 X (AG + STR))",           30, {2, 0, 0, 0, 0, 2, 0}, {-10, 0, -10, 0, 10}},
    {"melee", "mel", "Label43", "Melee Weapons - ", "20% + (2 X (AG + STR))",       20, {2, 0, 0, 0, 0, 2, 0}, {-10, 0, -10, 0, 10}},
    {"throwing", "thr", "Label44", "Throwing - ", "0% + (4 X AG)",                  0, {0, 0, 0, 0, 0, 4, 0}, {0, 0, -10, 0, 10}},
    {"firstaid", "fir", "Label45", "First Aid - ", "0% + (2 X (PE + EN))",          0, {0, 2, 2, 0, 0, 0, 0}, {20, -20, -10, 0, 10}},
    {"doctor", "doc", "Label46", "Doctor - ", "5% + (PE + IN)",                     5, {0, 1, 0, 0, 1, 0, 0}, {20, -20, -10, 0, 10}},
    {"sneak", "sne", "Label49", "Sneak - ", "5% + (3 X AG)",                        5, {0, 0, 0, 0, 0, 3, 0}, {0, 0, -10, 0, 10}},
    {"lockpick", "loc", "Label50", "Lockpick - ", "10% + (PE + AG)",                10, {0, 1, 0, 0, 0, 1, 0}, {0, -20, -10, 15, 10}},
    {"steal", "ste", "Label51", "Steal - ", "0% + (3 X AG)",                        0, {0, 0, 0, 0, 0, 3, 0}, {0, 0, -10, 0, 10}},
    {"traps", "tra", "Label52", "Traps \u2013 ", "10% + (PE + AG)",                 10, {0, 1, 0, 0, 0, 1, 0}, {0, 0, -10, 0, 10}},
    {"science", "sci", "Label53", "Science - ", "0% + (4 X IN)",                    0, {0, 0, 0, 0, 4, 0, 0}, {0, -20, -10, 15, 10}},
    {"repair", "rep", "Label54", "Repair - ", "0% + (3 X IN)",                      0, {0, 0, 0, 0, 3, 0, 0}, {0, -20, -10, 15, 10}},
    {"pilot", "pil", "Label47", "Pilot \u2013 ", "0% + 2X (AG + PE)",               0, {0, 2, 0, 0, 0, 2, 0}, {0, 0, -10, 0, 10}},
    {"speech", "spe", "Label55", "Speech - ", "0% + (5 X CH)",                      0, {0, 0, 0, 5, 0, 0, 0}, {20, 0, -10, 0, 10}},
    {"barter", "bar", "Label56", "Barter - ", "0% + (4 X CH)",                      0, {0, 0, 0, 4, 0, 0, 0}, {20, 0, -10, 0, 10}},
    {"gambling", "gam", "Label57", "Gambling \u2013 ", "0% + (5 X LK)",             0, {0, 0, 0, 0, 0, 0, 5}, {0, 0, -10, 0, 10}},
    {"outdoorsman", "out", "Label58", "Outdoorsman \u2013 ", "0% + (2 X (EN + IN))", 0, {0, 0, 2, 0, 2, 0, 0}, {0, 0, -10, 0, 10}},
};
// clang-format on

// The order in which the tag boxes are unticked and enabled: Barter first.
inline constexpr std::array<std::string_view, kSkills> kTagBoxOrder = {
    "barter",   "smallguns", "bigguns", "energyweapons", "unarmed",     "melee", "throwing",
    "firstaid", "doctor",    "pilot",   "sneak",         "lockpick",    "steal", "traps",
    "science",  "repair",    "speech",  "gambling",      "outdoorsman",
};

// ---------------------------------------------------------------------------
// Secondary statistics, in the window's order

inline constexpr std::size_t kSecondaries = 17;

struct SecondaryFacts {
  std::string_view field;
  std::string_view label;
  std::string_view title;
  std::string_view quoted;  // a formula or value its rule text quotes, or ""
};

inline constexpr SecondaryFacts kSecondaryFacts[kSecondaries] = {
    {"hp", "Label48", "HIT POINTS (HP): ", "15 + STR + 2xEN"},
    {"ac", "Label59", "ARMOR CLASS (AC): ", ""},
    {"md", "Label60", "MELEE DAMAGE: ", ""},
    {"bd", "Label61", "Bonus Damage - ", ""},
    {"dres", "Label62", "DAMAGE RESISTANCE: ", ""},
    {"pres", "Label63", "POISON RESISTANCE: ", "5 X EN"},
    {"rres", "Label64", "RADIATION RESISTANCE: ", "2 X EN"},
    {"gres", "Label65", "GAS RESISTANCE: ", "0 / 0"},
    {"eres", "Label66", "ELECTRICAL RESISTANCE: ", ""},
    {"ap", "Label67", "ACTION POINTS (AP): ", ""},
    {"carrywt", "Label68", "CARRY WEIGHT: ", "25 + 25 lbs X STR"},
    {"hr", "Label69", "HEALING RATE: ", ""},
    {"cc", "Label70", "CRITICAL CHANCE: ", ""},
    {"seq", "Label71", "SEQUENCE: ", "2 X PE"},
    {"skillrate", "Label72", "SKILL RATE: ", "5 + (2 X IN)"},
    {"perkrate", "Label73", "PERK RATE: ", ""},
    {"hprate", "Label74", "HP RATE: ", "(3 + (1/2 EN))"},
};

// ---------------------------------------------------------------------------
// The other texts of the information panel

inline constexpr std::string_view kTagsLeftLabel = "Label94";
inline constexpr std::string_view kTagsLeftText =
    "This is the number of Tag Skils you can pick for your character. A tagged skill increase twice as fast as a "
    "normal skill.";
inline constexpr std::string_view kTagsCounterText =
    "This is the number of Tag Skils you can pick for your character. A tagged skill increase twice as fast as a "
    "normal skill. This indicates the number of tags left";
inline constexpr std::string_view kAboutButton = "Command1";
inline constexpr std::string_view kAboutTitle = "Cindral PnP Character Generator v1.0";

// ---------------------------------------------------------------------------
// Look-ups by name

// The race a race text names: the whole text, compared case-sensitively.
inline std::optional<std::size_t> RaceNamed(std::string_view text) {
  for (std::size_t r = 0; r < kRaces; ++r) {
    if (kRaceList[r] == text) return r;
  }
  return std::nullopt;
}

// A trait's row in kTraitFacts and a skill's in kSkillFacts, by box name.
constexpr std::size_t TraitIndex(std::string_view box) {
  for (std::size_t t = 0; t < kTraits; ++t) {
    if (kTraitFacts[t].box == box) return t;
  }
  return kTraits;
}
constexpr std::size_t SkillIndex(std::string_view tagBox) {
  for (std::size_t s = 0; s < kSkills; ++s) {
    if (kSkillFacts[s].tagBox == tagBox) return s;
  }
  return kSkills;
}

template <typename Row, std::size_t N>
const Row* RowFor(const Row (&rows)[N], std::string_view raceText) {
  for (const Row& row : rows) {
    if (row.race == raceText) return &row;
  }
  return nullptr;
}

}  // namespace cindral::test::game
