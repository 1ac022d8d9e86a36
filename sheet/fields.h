// The named fields of the character sheet. Every field carries the name of
// the control that shows it, and every list of the sheet (statistics,
// skills, traits, the counters, the secondary statistics, the races) is
// written once below: the enums, the control names, the captions beside
// them, the race names and the counts all follow from those lists, so that
// a reader finds `st`, `chpoint` or `betasoft` in the code as in the window.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// clang-format off

// The seven primary statistics, in the order the window lists them:
//   key, field, stem of its "-" and "+" buttons, caption, caption's control,
//   the statistic's name
#define CINDRAL_STATS(X)                                  \
  X(ST, st,    st, "ST", Label75, "Strength")             \
  X(PE, pe,    pe, "PE", Label76, "Perception")           \
  X(EN, en,    en, "EN", Label77, "Endurance")            \
  X(CH, ch,    ch, "CH", Label78, "Charisma")             \
  X(IN, intel, in, "IN", Label79, "Intelligence")         \
  X(AG, ag,    ag, "AG", Label80, "Agility")              \
  X(LU, lu,    lu, "LU", Label81, "Luck")

// The three counters: field, caption, caption's control.
#define CINDRAL_COUNTERS(X)                               \
  X(chpoint, "Char Points", Label82)                      \
  X(tags,    "Tags Left",   Label94)                      \
  X(traits,  "Traits Left", Label83)

// The nineteen skills, in the order the window lists them:
//   key, tag box, value field, caption, caption's control
#define CINDRAL_SKILLS(X)                                            \
  X(SmallGuns,     smallguns,     sma, "Small Guns",     Label39)    \
  X(BigGuns,       bigguns,       big, "Big Guns",       Label40)    \
  X(EnergyWeapons, energyweapons, ene, "Energy Weapons", Label41)    \
  X(Unarmed,       unarmed,       una, "Unarmed",        Label42)    \
  X(Melee,         melee,         mel, "Melee Weapon",   Label43)    \
  X(Throwing,      throwing,      thr, "Throwing",       Label44)    \
  X(FirstAid,      firstaid,      fir, "First Aid",      Label45)    \
  X(Doctor,        doctor,        doc, "Doctor",         Label46)    \
  X(Sneak,         sneak,         sne, "Sneak",          Label49)    \
  X(Lockpick,      lockpick,      loc, "Lockpick",       Label50)    \
  X(Steal,         steal,         ste, "Steal",          Label51)    \
  X(Traps,         traps,         tra, "Traps",          Label52)    \
  X(Science,       science,       sci, "Science",        Label53)    \
  X(Repair,        repair,        rep, "Repair",         Label54)    \
  X(Pilot,         pilot,         pil, "Pilot",          Label47)    \
  X(Speech,        speech,        spe, "Speech",         Label55)    \
  X(Barter,        barter,        bar, "Barter",         Label56)    \
  X(Gambling,      gambling,      gam, "Gambling",       Label57)    \
  X(Outdoorsman,   outdoorsman,   out, "Outdoorsman",    Label58)

// The twenty-eight traits in trait order, the order in which the trait
// boxes are walked when they are cleared, enabled and written into the
// notes: box, caption, caption's control
#define CINDRAL_TRAITS(X)                                 \
  X(fastmet,      "Fast Metabolism",     Label16)         \
  X(bruiser,      "Bruiser",             Label4)          \
  X(smallframe,   "Small Frame",         Label14)         \
  X(onehand,      "One Hander",          Label13)         \
  X(finesse,      "Finesse",             Label12)         \
  X(kamikaze,     "Kamikaze",            Label10)         \
  X(heavyhand,    "Heavy Handed",        Label8)          \
  X(fastshot,     "Fast Shot",           Label6)          \
  X(bloody,       "Bloody Mess",         Label17)         \
  X(jinx,         "Jinxed",              Label18)         \
  X(goodnature,   "Good Natured",        Label26)         \
  X(chemrel,      "Chem. Reliant",       Label25)         \
  X(chemres,      "Chem. Resistance",    Label24)         \
  X(nightperson,  "Night Person",        Label23)         \
  X(skilled,      "Skilled",             Label22)         \
  X(gifted,       "Gifted",              Label21)         \
  X(sexappeal,    "Sex Appeal",          Label20)         \
  X(techwizard,   "Tech Wizard",         Label31)         \
  X(glowingone,   "Glowing One",         Label19)         \
  X(fearthereap,  "Fear The Reaper",     Label30)         \
  X(vatskin,      "Vat Skin",            Label29)         \
  X(hamfist,      "Ham Fisted",          Label28)         \
  X(domesticated, "Domesticated",        Label27)         \
  X(rabid,        "Rabid",               Label36)         \
  X(tightnuts,    "Tight Nuts",          Label35)         \
  X(targetcomp,   "Targetting Computer", Label34)         \
  X(empshield,    "EMP Shielding",       Label33)         \
  X(betasoft,     "Beta Software",       Label32)

// The seventeen secondary statistics, in the order the window lists them:
//   field, caption, caption's control
#define CINDRAL_SECONDARY_STATS(X)                        \
  X(hp,        "Hit Points",       Label48)               \
  X(ac,        "Armor Class",      Label59)               \
  X(md,        "Melee Dmg.",       Label60)               \
  X(bd,        "Bonus Dmg.",       Label61)               \
  X(dres,      "Damage Res.",      Label62)               \
  X(pres,      "Poison Res.",      Label63)               \
  X(rres,      "Rad Res.",         Label64)               \
  X(gres,      "Gas Res.",         Label65)               \
  X(eres,      "Electricity Res.", Label66)               \
  X(ap,        "Action Pts.",      Label67)               \
  X(carrywt,   "Carry Wt.",        Label68)               \
  X(hr,        "Heal Rate",        Label69)               \
  X(cc,        "Crit. Chance",     Label70)               \
  X(seq,       "Sequence",         Label71)               \
  X(skillrate, "Skill Rate",       Label72)               \
  X(perkrate,  "Perk Rate",        Label73)               \
  X(hprate,    "HP Rate",          Label74)

// The eight races, in the order of the game's race tables (the race list
// shows them sorted by name): key, name exactly as the race list spells
// it, the column of the trait table whose traits the race may pick.
// Deathclaw, Gray Deathclaw and Dog pick from one column.
#define CINDRAL_RACES(X)                                  \
  X(Human,         "Human",          Human)               \
  X(Ghoul,         "Ghoul",          Ghoul)               \
  X(SuperMutant,   "Super-Mutant",   SuperMutant)         \
  X(HalfMutant,    "Half-Mutant",    HalfMutant)          \
  X(Deathclaw,     "Deathclaw",      DeathclawAndDog)     \
  X(GrayDeathclaw, "Gray Deathclaw", DeathclawAndDog)     \
  X(Dog,           "Dog",            DeathclawAndDog)     \
  X(Robot,         "Robot",          Robot)

// Every field that holds a text, each named once through CINDRAL_FIELD:
// the race text, the name, the statistics, the counters, the skill values,
// the secondary statistics, the notes and the information panel.
#define CINDRAL_STAT_FIELD(key, field, stem, caption, label, name) CINDRAL_FIELD(field)
#define CINDRAL_SKILL_FIELD(key, box, field, caption, label) CINDRAL_FIELD(field)
#define CINDRAL_CAPTIONED_FIELD(field, caption, label) CINDRAL_FIELD(field)
#define CINDRAL_ALL_FIELDS                                \
  CINDRAL_FIELD(race) CINDRAL_FIELD(Name)                 \
  CINDRAL_STATS(CINDRAL_STAT_FIELD)                       \
  CINDRAL_COUNTERS(CINDRAL_CAPTIONED_FIELD)               \
  CINDRAL_SKILLS(CINDRAL_SKILL_FIELD)                     \
  CINDRAL_SECONDARY_STATS(CINDRAL_CAPTIONED_FIELD)        \
  CINDRAL_FIELD(extra) CINDRAL_FIELD(info)

// The forty-seven tick boxes, each named once through CINDRAL_BOX: the
// skill tag boxes in skill order, then the trait boxes in trait order.
#define CINDRAL_SKILL_BOX(key, box, field, caption, label) CINDRAL_BOX(box)
#define CINDRAL_TRAIT_BOX(box, caption, label) CINDRAL_BOX(box)
#define CINDRAL_ALL_BOXES                                 \
  CINDRAL_SKILLS(CINDRAL_SKILL_BOX)                       \
  CINDRAL_TRAITS(CINDRAL_TRAIT_BOX)

// clang-format on

namespace cindral {

#define CINDRAL_KEY_OF_STAT(key, field, stem, caption, label, name) key,
enum class Stat : std::uint8_t { CINDRAL_STATS(CINDRAL_KEY_OF_STAT) };
#undef CINDRAL_KEY_OF_STAT

#define CINDRAL_KEY_OF_SKILL(key, box, field, caption, label) key,
enum class Skill : std::uint8_t { CINDRAL_SKILLS(CINDRAL_KEY_OF_SKILL) };
#undef CINDRAL_KEY_OF_SKILL

#define CINDRAL_KEY_OF_TRAIT(box, caption, label) box,
enum class Trait : std::uint8_t { CINDRAL_TRAITS(CINDRAL_KEY_OF_TRAIT) };
#undef CINDRAL_KEY_OF_TRAIT

// The columns of the trait table: the lists of traits a race may pick.
enum class TraitColumn : std::uint8_t { Human, Ghoul, SuperMutant, HalfMutant, DeathclawAndDog, Robot };
inline constexpr std::size_t kTraitColumnCount = static_cast<std::size_t>(TraitColumn::Robot) + 1;

#define CINDRAL_KEY_OF_RACE(key, name, column) key,
enum class Race : std::uint8_t { CINDRAL_RACES(CINDRAL_KEY_OF_RACE) };
#undef CINDRAL_KEY_OF_RACE

#define CINDRAL_FIELD(name) name,
enum class Field : std::uint8_t { CINDRAL_ALL_FIELDS };
#undef CINDRAL_FIELD

#define CINDRAL_BOX(name) name,
enum class Box : std::uint8_t { CINDRAL_ALL_BOXES };
#undef CINDRAL_BOX

// Control names of the fields and the boxes, in enumerator order.
#define CINDRAL_FIELD(name) std::string_view(#name),
inline constexpr std::array kFieldNames = {CINDRAL_ALL_FIELDS};
#undef CINDRAL_FIELD

#define CINDRAL_BOX(name) std::string_view(#name),
inline constexpr std::array kBoxNames = {CINDRAL_ALL_BOXES};
#undef CINDRAL_BOX

inline constexpr std::size_t kFieldCount = kFieldNames.size();
inline constexpr std::size_t kBoxCount = kBoxNames.size();

constexpr std::size_t Index(Field f) { return static_cast<std::size_t>(f); }
constexpr std::size_t Index(Box b) { return static_cast<std::size_t>(b); }
constexpr std::size_t Index(Stat s) { return static_cast<std::size_t>(s); }
constexpr std::size_t Index(Skill s) { return static_cast<std::size_t>(s); }
constexpr std::size_t Index(Trait t) { return static_cast<std::size_t>(t); }
constexpr std::size_t Index(Race r) { return static_cast<std::size_t>(r); }
constexpr std::size_t Index(TraitColumn c) { return static_cast<std::size_t>(c); }

// A statistic: its field, its two buttons, the caption beside it and the
// statistic's name.
struct StatInfo {
  Stat stat;
  Field field;
  std::string_view plus;
  std::string_view minus;
  std::string_view caption;
  std::string_view captionLabel;
  std::string_view name;
};

#define CINDRAL_STAT_INFO(key, field, stem, caption, label, name) \
  StatInfo{Stat::key, Field::field, #stem "plu", #stem "min", caption, #label, name},
inline constexpr std::array kStats = {CINDRAL_STATS(CINDRAL_STAT_INFO)};
#undef CINDRAL_STAT_INFO

// A skill: its tag box, its value field and the caption beside them.
struct SkillInfo {
  Skill skill;
  Box box;
  Field value;
  std::string_view caption;
  std::string_view captionLabel;
};

#define CINDRAL_SKILL_INFO(key, box, field, caption, label) \
  SkillInfo{Skill::key, Box::box, Field::field, caption, #label},
inline constexpr std::array kSkills = {CINDRAL_SKILLS(CINDRAL_SKILL_INFO)};
#undef CINDRAL_SKILL_INFO

// A trait: its box and the caption beside it.
struct TraitInfo {
  Trait trait;
  Box box;
  std::string_view caption;
  std::string_view captionLabel;
};

#define CINDRAL_TRAIT_INFO(box, caption, label) TraitInfo{Trait::box, Box::box, caption, #label},
inline constexpr std::array kTraits = {CINDRAL_TRAITS(CINDRAL_TRAIT_INFO)};
#undef CINDRAL_TRAIT_INFO

// A counter or a secondary statistic: its field and the caption beside it.
struct CaptionedField {
  Field field;
  std::string_view caption;
  std::string_view captionLabel;
};

#define CINDRAL_CAPTIONED_FIELD_INFO(field, caption, label) CaptionedField{Field::field, caption, #label},
inline constexpr std::array kCounters = {CINDRAL_COUNTERS(CINDRAL_CAPTIONED_FIELD_INFO)};
inline constexpr std::array kSecondaryStats = {CINDRAL_SECONDARY_STATS(CINDRAL_CAPTIONED_FIELD_INFO)};
#undef CINDRAL_CAPTIONED_FIELD_INFO

// A race: its name and the column of the trait table it picks from.
struct RaceInfo {
  Race race;
  std::string_view name;
  TraitColumn traitColumn;
};

#define CINDRAL_RACE_INFO(key, name, column) RaceInfo{Race::key, name, TraitColumn::column},
inline constexpr std::array kRaces = {CINDRAL_RACES(CINDRAL_RACE_INFO)};
#undef CINDRAL_RACE_INFO

inline constexpr std::size_t kStatCount = kStats.size();
inline constexpr std::size_t kSkillCount = kSkills.size();
inline constexpr std::size_t kTraitCount = kTraits.size();
inline constexpr std::size_t kSecondaryStatCount = kSecondaryStats.size();
inline constexpr std::size_t kRaceCount = kRaces.size();

static_assert(kStatCount == 7 && kSkillCount == 19 && kTraitCount == 28 && kSecondaryStatCount == 17);
static_assert(kRaceCount == 8);
static_assert(kBoxCount == kSkillCount + kTraitCount);

constexpr std::string_view NameOf(Field f) { return kFieldNames[Index(f)]; }
constexpr std::string_view NameOf(Box b) { return kBoxNames[Index(b)]; }
// A race's name, as the race list spells it.
constexpr std::string_view NameOf(Race r) { return kRaces[Index(r)].name; }
constexpr TraitColumn TraitColumnOf(Race r) { return kRaces[Index(r)].traitColumn; }

// The field that holds a statistic, a skill's value field, a skill's tag box
// and a trait's box.
constexpr Field FieldOf(Stat s) { return kStats[Index(s)].field; }
constexpr Field ValueField(Skill s) { return kSkills[Index(s)].value; }
constexpr Box TagBox(Skill s) { return kSkills[Index(s)].box; }
constexpr Box TraitBox(Trait t) { return kTraits[Index(t)].box; }

// The caption the window shows beside a number field: "ST", "Char Points",
// "Hit Points", "Melee Weapon"; "" for a field that is no number.
constexpr std::string_view FieldCaption(Field field) {
  for (const StatInfo& s : kStats) {
    if (s.field == field) return s.caption;
  }
  for (const CaptionedField& f : kCounters) {
    if (f.field == field) return f.caption;
  }
  for (const CaptionedField& f : kSecondaryStats) {
    if (f.field == field) return f.caption;
  }
  for (const SkillInfo& s : kSkills) {
    if (s.value == field) return s.caption;
  }
  return {};
}

// The boxes hold the tag boxes first, then the trait boxes.
constexpr bool IsTagBox(Box b) { return Index(b) < kSkillCount; }
constexpr Skill SkillOf(Box tagBox) { return static_cast<Skill>(Index(tagBox)); }
constexpr Trait TraitOf(Box traitBox) { return static_cast<Trait>(Index(traitBox) - kSkillCount); }

constexpr bool BoxesFollowTheLists() {
  for (std::size_t s = 0; s < kSkillCount; ++s) {
    if (SkillOf(kSkills[s].box) != kSkills[s].skill || !IsTagBox(kSkills[s].box)) return false;
  }
  for (std::size_t t = 0; t < kTraitCount; ++t) {
    if (TraitOf(kTraits[t].box) != kTraits[t].trait || IsTagBox(kTraits[t].box)) return false;
  }
  return true;
}
static_assert(BoxesFollowTheLists(), "the tag boxes come first, in skill order, then the traits in trait order");

// The trait boxes as the window stands them: in the alphabetical order of
// their captions. The window lays them out so (checked where it does), and
// the character's copy lists the ticked traits so.
inline constexpr std::array<Trait, kTraitCount> kTraitsAsShown = [] {
  std::array<TraitInfo, kTraitCount> traits = kTraits;
  std::sort(traits.begin(), traits.end(), [](const TraitInfo& a, const TraitInfo& b) { return a.caption < b.caption; });
  std::array<Trait, kTraitCount> order{};
  for (std::size_t t = 0; t < kTraitCount; ++t) order[t] = traits[t].trait;
  return order;
}();

// Whether a table indexed by a key holds one row for each key, in key
// order: `keyOf` gives a row's key. A missing or misplaced row fails the
// build where a table is checked with it.
template <typename Table, typename KeyOf>
constexpr bool InKeyOrder(const Table& table, KeyOf keyOf) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (static_cast<std::size_t>(keyOf(table[i])) != i) return false;
  }
  return true;
}

// Looks a field or a box up by its control name.
std::optional<Field> FindField(std::string_view name);
std::optional<Box> FindBox(std::string_view name);

}  // namespace cindral
