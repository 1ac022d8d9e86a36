// A started program, driven by the events a player makes and read back as
// the player sees it: field texts by control name, boxes as "0" and "1".
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "events.h"

namespace cindral::test {

// The button stem of a statistic's field: "intel" has the buttons "inmin"
// and "inplu", every other statistic its own name.
inline std::string ButtonStem(std::string_view stat) { return stat == "intel" ? "in" : std::string(stat); }

inline constexpr std::string_view kStatFields[] = {"st", "pe", "en", "ch", "intel", "ag", "lu"};

class Game {
 public:
  Game() { engine_.Start(); }
  explicit Game(std::string_view race) : Game() { engine_.PickRace(race); }

  Engine& engine() { return engine_; }
  Sheet& sheet() { return engine_.sheet(); }
  const Sheet& sheet() const { return engine_.sheet(); }

  std::string operator[](std::string_view name) const { return engine_.sheet().TextByName(name); }
  int Whole(std::string_view name) const { return std::stoi((*this)[name]); }

  // A click on a control that reacts; a name the program does not know
  // fails the test.
  void Click(std::string_view control, int times = 1) {
    for (int i = 0; i < times; ++i) EXPECT_TRUE(engine_.Click(control)) << control << " does not react";
  }
  void Pick(std::string_view race) { engine_.PickRace(race); }
  void Type(std::string_view race) { engine_.TypeRace(race); }

  // Clicks a statistic's minus or plus button until the field shows
  // `value`; a click that changes nothing on the way fails the test.
  void Set(std::string_view stat, int value) {
    const std::string stem = ButtonStem(stat);
    while (Whole(stat) != value) {
      const int before = Whole(stat);
      Click(stem + (before < value ? "plu" : "min"));
      if (Whole(stat) == before) {
        ADD_FAILURE() << stat << " stays at " << before << " on its way to " << value << " (race "
                      << (*this)["race"] << ", pool " << (*this)["chpoint"] << ")";
        return;
      }
    }
  }

  // Every statistic but the named ones lowered as far as the race allows,
  // to fill the pool.
  void LowerAllBut(std::initializer_list<std::string_view> keep) {
    for (const std::string_view stat : kStatFields) {
      if (std::find(keep.begin(), keep.end(), stat) == keep.end()) Click(ButtonStem(stat) + "min", 20);
    }
  }

  bool Enabled(std::string_view box) const {
    const auto found = FindBox(box);
    EXPECT_TRUE(found.has_value()) << box << " is no box";
    return found && engine_.sheet().Enabled(*found);
  }

  // The trait boxes that are disabled, in trait order.
  std::vector<std::string> DisabledTraits() const {
    std::vector<std::string> names;
    for (std::size_t t = 0; t < kTraitCount; ++t) {
      const Box box = TraitBox(static_cast<Trait>(t));
      if (!engine_.sheet().Enabled(box)) names.emplace_back(NameOf(box));
    }
    return names;
  }

 private:
  Engine engine_;
};

// A Human whose statistics all differ, so that a formula reading the wrong
// statistic shows: ST 1, PE 2, EN 3, CH 4, IN 6, AG 7, LU 8, pool 9.
inline void MakeMixedHuman(Game& game) {
  game.Pick("Human");
  const std::pair<std::string_view, int> stats[] = {{"st", 1}, {"pe", 2}, {"en", 3}, {"ch", 4},
                                                    {"intel", 6}, {"ag", 7}, {"lu", 8}};
  for (const auto& [stat, value] : stats) game.Set(stat, value);
  EXPECT_EQ(game["chpoint"], "9");
}

// Every field's text, every box's state and every box's enabled flag, by
// control name, so that two sheets can be compared as the player sees them.
using Snapshot = std::map<std::string, std::string>;

inline Snapshot TakeSnapshot(const Sheet& sheet) {
  Snapshot shot;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    const auto field = static_cast<Field>(f);
    shot[std::string(NameOf(field))] = sheet.Text(field);
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    const auto box = static_cast<Box>(b);
    shot[std::string(NameOf(box))] = std::to_string(sheet.State(box));
    shot[std::string(NameOf(box)) + " enabled"] = sheet.Enabled(box) ? "yes" : "no";
  }
  return shot;
}

// What differs between two snapshots, one entry a line ("" when nothing).
inline std::string Changes(const Snapshot& before, const Snapshot& after) {
  std::string out;
  for (const auto& [name, text] : before) {
    const std::string& now = after.at(name);
    if (now != text) {
      out += "  " + name + ": \"" + text.substr(0, 60) + "\" became \"" + now.substr(0, 60) + "\"\n";
    }
  }
  return out;
}

}  // namespace cindral::test
