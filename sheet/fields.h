// The named fields of the character sheet. Every field carries the name of
// the control that shows it; the enumerators spell those names so that a
// reader finds `st`, `chpoint` or `betasoft` in the code as in the window.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace cindral {

// The seven primary statistics, in the order the window lists them.
enum class Stat : std::uint8_t { ST, PE, EN, CH, IN, AG, LU };
inline constexpr std::size_t kStatCount = 7;

// The nineteen skills, in the order the window lists them.
enum class Skill : std::uint8_t {
  SmallGuns, BigGuns, EnergyWeapons, Unarmed, Melee, Throwing, FirstAid,
  Doctor, Sneak, Lockpick, Steal, Traps, Science, Repair, Pilot, Speech,
  Barter, Gambling, Outdoorsman,
};
inline constexpr std::size_t kSkillCount = 19;

// The twenty-eight traits in trait order: the order in which the trait boxes
// are walked when they are cleared, enabled and written into the notes.
enum class Trait : std::uint8_t {
  fastmet, bruiser, smallframe, onehand, finesse, kamikaze, heavyhand,
  fastshot, bloody, jinx, goodnature, chemrel, chemres, nightperson, skilled,
  gifted, sexappeal, techwizard, glowingone, fearthereap, vatskin, hamfist,
  domesticated, rabid, tightnuts, targetcomp, empshield, betasoft,
};
inline constexpr std::size_t kTraitCount = 28;

// Every field that holds a text: numbers, the race text, the name, the notes
// and the information panel.
enum class Field : std::uint8_t {
  race, Name,
  st, pe, en, ch, intel, ag, lu, chpoint,
  sma, big, ene, una, mel, thr, fir, doc, sne, loc, ste, tra, sci, rep, pil,
  spe, bar, gam, out,
  tags, traits,
  hp, ac, md, bd, dres, pres, rres, gres, eres, ap, carrywt, hr, cc, seq,
  skillrate, perkrate, hprate,
  extra, info,
};
inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::info) + 1;

// The forty-seven tick boxes: the skill tag boxes in skill order, then the
// trait boxes in trait order.
enum class Box : std::uint8_t {
  smallguns, bigguns, energyweapons, unarmed, melee, throwing, firstaid,
  doctor, sneak, lockpick, steal, traps, science, repair, pilot, speech,
  barter, gambling, outdoorsman,
  fastmet, bruiser, smallframe, onehand, finesse, kamikaze, heavyhand,
  fastshot, bloody, jinx, goodnature, chemrel, chemres, nightperson, skilled,
  gifted, sexappeal, techwizard, glowingone, fearthereap, vatskin, hamfist,
  domesticated, rabid, tightnuts, targetcomp, empshield, betasoft,
};
inline constexpr std::size_t kBoxCount = 47;

// Control names of the fields, in enumerator order.
inline constexpr std::array<std::string_view, kFieldCount> kFieldNames = {
    "race", "Name",
    "st", "pe", "en", "ch", "intel", "ag", "lu", "chpoint",
    "sma", "big", "ene", "una", "mel", "thr", "fir", "doc", "sne", "loc",
    "ste", "tra", "sci", "rep", "pil", "spe", "bar", "gam", "out",
    "tags", "traits",
    "hp", "ac", "md", "bd", "dres", "pres", "rres", "gres", "eres", "ap",
    "carrywt", "hr", "cc", "seq", "skillrate", "perkrate", "hprate",
    "extra", "info",
};

// Control names of the tick boxes, in enumerator order.
inline constexpr std::array<std::string_view, kBoxCount> kBoxNames = {
    "smallguns", "bigguns", "energyweapons", "unarmed", "melee", "throwing",
    "firstaid", "doctor", "sneak", "lockpick", "steal", "traps", "science",
    "repair", "pilot", "speech", "barter", "gambling", "outdoorsman",
    "fastmet", "bruiser", "smallframe", "onehand", "finesse", "kamikaze",
    "heavyhand", "fastshot", "bloody", "jinx", "goodnature", "chemrel",
    "chemres", "nightperson", "skilled", "gifted", "sexappeal", "techwizard",
    "glowingone", "fearthereap", "vatskin", "hamfist", "domesticated", "rabid",
    "tightnuts", "targetcomp", "empshield", "betasoft",
};

constexpr std::size_t Index(Field f) { return static_cast<std::size_t>(f); }
constexpr std::size_t Index(Box b) { return static_cast<std::size_t>(b); }
constexpr std::size_t Index(Stat s) { return static_cast<std::size_t>(s); }
constexpr std::size_t Index(Skill s) { return static_cast<std::size_t>(s); }
constexpr std::size_t Index(Trait t) { return static_cast<std::size_t>(t); }

constexpr std::string_view NameOf(Field f) { return kFieldNames[Index(f)]; }
constexpr std::string_view NameOf(Box b) { return kBoxNames[Index(b)]; }

// The field that holds a statistic, a skill's value field, a skill's tag box
// and a trait's box.
constexpr Field FieldOf(Stat s) { return static_cast<Field>(Index(Field::st) + Index(s)); }
constexpr Field ValueField(Skill s) { return static_cast<Field>(Index(Field::sma) + Index(s)); }
constexpr Box TagBox(Skill s) { return static_cast<Box>(Index(Box::smallguns) + Index(s)); }
constexpr Box TraitBox(Trait t) { return static_cast<Box>(Index(Box::fastmet) + Index(t)); }

constexpr bool IsTagBox(Box b) { return Index(b) < kSkillCount; }
constexpr Skill SkillOf(Box tagBox) { return static_cast<Skill>(Index(tagBox)); }
constexpr Trait TraitOf(Box traitBox) { return static_cast<Trait>(Index(traitBox) - kSkillCount); }

// Looks a field or a box up by its control name.
std::optional<Field> FindField(std::string_view name);
std::optional<Box> FindBox(std::string_view name);

}  // namespace cindral
