// A player at the program: starts it, clicks its controls by name, picks
// and types races, types the name, and reads the window back as the player
// sees it: every field by its control name, every box as ticked or not and
// as clickable or not. It knows the game's own lists (the controls, the
// trait order, the race notes), written out here as the rules give them,
// and nothing of the program's tables.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "events.h"

namespace cindral::test {

// The seven statistics, top to bottom.
inline constexpr std::array<std::string_view, 7> kStatFields = {"st", "pe", "en", "ch", "intel", "ag", "lu"};

// The fourteen statistic buttons.
inline constexpr std::array<std::string_view, 14> kStatButtons = {"stplu", "stmin", "peplu", "pemin", "enplu",
                                                                  "enmin", "chplu", "chmin", "inplu", "inmin",
                                                                  "agplu", "agmin", "luplu", "lumin"};

// The skills as the window lists them: the value fields and, in the same
// order, the tag boxes.
inline constexpr std::array<std::string_view, 19> kSkillValues = {"sma", "big", "ene", "una", "mel", "thr", "fir",
                                                                  "doc", "sne", "loc", "ste", "tra", "sci", "rep",
                                                                  "pil", "spe", "bar", "gam", "out"};
inline constexpr std::array<std::string_view, 19> kTagBoxes = {
    "smallguns", "bigguns", "energyweapons", "unarmed",  "melee",      "throwing", "firstaid",
    "doctor",    "sneak",   "lockpick",      "steal",    "traps",      "science",  "repair",
    "pilot",     "speech",  "barter",        "gambling", "outdoorsman"};

// The trait boxes in trait order: the order in which they are cleared,
// enabled and written into the notes.
inline constexpr std::array<std::string_view, 28> kTraitOrder = {
    "fastmet",  "bruiser",      "smallframe", "onehand",    "finesse",    "kamikaze",    "heavyhand",
    "fastshot", "bloody",       "jinx",       "goodnature", "chemrel",    "chemres",     "nightperson",
    "skilled",  "gifted",       "sexappeal",  "techwizard", "glowingone", "fearthereap", "vatskin",
    "hamfist",  "domesticated", "rabid",      "tightnuts",  "targetcomp", "empshield",   "betasoft"};

// The seventeen secondary statistics, top to bottom.
inline constexpr std::array<std::string_view, 17> kSecondaryFields = {
    "hp", "ac",      "md", "bd", "dres", "pres",      "rres",     "gres",  "eres",
    "ap", "carrywt", "hr", "cc", "seq",  "skillrate", "perkrate", "hprate"};

// Every field that holds a text: the fields above and these.
inline constexpr std::array<std::string_view, 7> kOtherFields = {"race",   "Name",  "chpoint", "tags",
                                                                 "traits", "extra", "info"};

// The two race notes.
inline constexpr std::string_view kRobotNote =
    "Robots have a 40% Damage resistance to all kinds of attacks... except EMP (pulse weapons), they dont gain "
    "perks either. ";
inline constexpr std::string_view kDeathclawNote =
    "Deathclaws have 40% resistance to Normal, Fire and Explosion Damage with an Damage Threshold of 4 for each "
    "of those damage types. ";

// The trait boxes each race may not tick, in trait order. Deathclaw, Gray
// Deathclaw and Dog share one column.
inline std::vector<std::string> TraitsClosedTo(std::string_view race) {
  if (race == "Human") {
    return {"glowingone", "fearthereap", "vatskin",    "hamfist",   "domesticated",
            "rabid",      "tightnuts",   "targetcomp", "empshield", "betasoft"};
  }
  if (race == "Ghoul") {
    return {"sexappeal", "vatskin",    "hamfist",   "domesticated", "rabid",
            "tightnuts", "targetcomp", "empshield", "betasoft"};
  }
  if (race == "Super-Mutant") {
    return {"sexappeal", "glowingone", "fearthereap", "domesticated", "rabid",
            "tightnuts", "targetcomp", "empshield",   "betasoft"};
  }
  if (race == "Half-Mutant") {
    return {"sexappeal", "glowingone", "fearthereap", "vatskin",   "hamfist", "domesticated",
            "rabid",     "tightnuts",  "targetcomp",  "empshield", "betasoft"};
  }
  if (race == "Deathclaw" || race == "Gray Deathclaw" || race == "Dog") {
    return {"onehand",     "fastshot", "goodnature", "skilled",   "sexappeal",  "techwizard", "glowingone",
            "fearthereap", "vatskin",  "hamfist",    "tightnuts", "targetcomp", "empshield",  "betasoft"};
  }
  if (race == "Robot") {
    return {"fastmet",   "fastshot",   "goodnature",  "chemrel", "chemres", "nightperson",  "skilled", "gifted",
            "sexappeal", "glowingone", "fearthereap", "vatskin", "hamfist", "domesticated", "rabid"};
  }
  ADD_FAILURE() << "no race " << race;
  return {};
}

// Race texts a player can type that name no race: the whole text must match
// a name of the list, letter case included.
inline const std::vector<std::string> kTextsThatNameNoRace = {
    "robot",  "",       std::string(10000, 'R'), "H\xC3\xBCman", "\xE4\xBA\xBA\xE9\x96\x93", " Robot",
    "Robot ", "Human ", "Gray deathclaw",        "Super Mutant", std::string("Robot\0", 6)};

// A printable label for a typed text in a failure message.
inline std::string Shown(const std::string& text) {
  return '"' + text.substr(0, 20) + (text.size() > 20 ? "...\"" : "\"") + " (" + std::to_string(text.size()) +
         " bytes)";
}

// The stem of a statistic's buttons: "intel" has "inmin" and "inplu".
inline std::string ButtonStem(std::string_view stat) { return stat == "intel" ? "in" : std::string(stat); }

// Every field's text and every box's tick and enabled flag, by name.
using Snapshot = std::map<std::string, std::string>;

// What differs between two snapshots, one entry a line; "" when nothing.
inline std::string Differences(const Snapshot& before, const Snapshot& after) {
  std::string out;
  for (const auto& [name, text] : before) {
    const auto it = after.find(name);
    const std::string now = it == after.end() ? "(missing)" : it->second;
    if (now != text) out += "  " + name + ": \"" + text.substr(0, 60) + "\" became \"" + now.substr(0, 60) + "\"\n";
  }
  return out;
}

class Player {
 public:
  // The program started: the load handling has run.
  Player() { engine_.Start(); }
  // The program started and the race picked from the list.
  explicit Player(std::string_view race) : Player() { engine_.PickRace(race); }

  Engine& engine() { return engine_; }
  Sheet& sheet() { return engine_.sheet(); }
  const Sheet& sheet() const { return engine_.sheet(); }

  // A field's text, or a box as "1" (ticked) or "0".
  std::string operator[](std::string_view control) const {
    const auto text = sheet().TextByName(control);
    if (!text) ADD_FAILURE() << "no control named " << control;
    return text.value_or("");
  }

  // The whole number a field shows, its "%" left aside.
  int Number(std::string_view field) const {
    const std::string text = (*this)[field];
    if (text.empty() || text.find_first_not_of("-0123456789%") != std::string::npos) {
      ADD_FAILURE() << field << " shows \"" << text << "\", not a whole number";
      return -9999;
    }
    return std::stoi(text);
  }

  bool Ticked(std::string_view box) const { return sheet().State(BoxNamed(box)) == 1; }
  bool Enabled(std::string_view box) const { return sheet().Enabled(BoxNamed(box)); }

  // The trait boxes that cannot be clicked, in trait order.
  std::vector<std::string> DisabledTraits() const {
    std::vector<std::string> names;
    for (const std::string_view box : kTraitOrder) {
      if (!Enabled(box)) names.emplace_back(box);
    }
    return names;
  }

  // The tag boxes that can be clicked, in the window's order.
  std::vector<std::string> EnabledTagBoxes() const {
    std::vector<std::string> names;
    for (const std::string_view box : kTagBoxes) {
      if (Enabled(box)) names.emplace_back(box);
    }
    return names;
  }

  // The nineteen skill values as numbers, in the window's order.
  std::array<int, 19> SkillValues() const {
    std::array<int, 19> values{};
    for (std::size_t s = 0; s < kSkillValues.size(); ++s) {
      const std::string text = (*this)[kSkillValues[s]];
      EXPECT_TRUE(!text.empty() && text.back() == '%') << kSkillValues[s] << " shows \"" << text << '"';
      values[s] = Number(kSkillValues[s]);
    }
    return values;
  }

  // A click on a control that reacts; a control that does not fails the test.
  void Click(std::string_view control, int times = 1) {
    for (int i = 0; i < times; ++i) EXPECT_TRUE(engine_.Click(control)) << control << " does not react";
  }

  // A click on a box that must take it: the box is enabled and flips.
  void Toggle(std::string_view box) {
    const bool before = Ticked(box);
    EXPECT_TRUE(Enabled(box)) << box << " cannot be clicked";
    Click(box);
    EXPECT_NE(Ticked(box), before) << box << " did not flip";
  }

  void Pick(std::string_view race) { engine_.PickRace(race); }
  void Type(std::string_view race) { engine_.TypeRace(race); }
  void TypeName(std::string_view name) { engine_.TypeName(name); }

  // Clicks a statistic's buttons until it shows `value`; a click on the way
  // that does not move it fails the test.
  void Set(std::string_view stat, int value) {
    while (Number(stat) != value) {
      const int before = Number(stat);
      Click(ButtonStem(stat) + (before < value ? "plu" : "min"));
      if (Number(stat) == before) {
        ADD_FAILURE() << stat << " stays at " << before << " on its way to " << value << " (race \"" << (*this)["race"]
                      << "\", pool " << (*this)["chpoint"] << ")";
        return;
      }
    }
  }

  // Every statistic but the named ones lowered as far as the race allows,
  // which fills the pool.
  void LowerAllBut(std::initializer_list<std::string_view> keep) {
    for (const std::string_view stat : kStatFields) {
      if (std::find(keep.begin(), keep.end(), stat) == keep.end()) Click(ButtonStem(stat) + "min", 20);
    }
  }

  // The whole window: every field's text, every box's tick and flag.
  Snapshot Take() const {
    Snapshot shot;
    const auto field = [&](std::string_view name) { shot[std::string(name)] = (*this)[name]; };
    for (const auto name : kStatFields) field(name);
    for (const auto name : kSkillValues) field(name);
    for (const auto name : kSecondaryFields) field(name);
    for (const auto name : kOtherFields) field(name);
    const auto box = [&](std::string_view name) {
      shot[std::string(name)] = std::string(Ticked(name) ? "ticked" : "unticked") + (Enabled(name) ? "" : ", disabled");
    };
    for (const auto name : kTagBoxes) box(name);
    for (const auto name : kTraitOrder) box(name);
    return shot;
  }

  static Box BoxNamed(std::string_view name) {
    const auto box = FindBox(name);
    if (!box) ADD_FAILURE() << "the program has no box " << name;
    return box.value_or(Box{});
  }

 private:
  Engine engine_;
};

// A Human whose statistics all differ, so that a formula that reads the
// wrong statistic shows: ST 1, PE 2, EN 3, CH 4, IN 6, AG 7, LU 8, pool 9.
inline void MakeMixedHuman(Player& player) {
  player.Pick("Human");
  const std::pair<std::string_view, int> stats[] = {{"st", 1},    {"pe", 2}, {"en", 3}, {"ch", 4},
                                                    {"intel", 6}, {"ag", 7}, {"lu", 8}};
  for (const auto& [stat, value] : stats) player.Set(stat, value);
  EXPECT_EQ(player["chpoint"], "9");
}

}  // namespace cindral::test
