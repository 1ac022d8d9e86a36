// A started program played through the events a player makes, and read
// back as the player sees it: every field by its control name, a box as its
// tick and whether it can be clicked.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "events.h"
#include "fields.h"

namespace cindral::etest {

inline constexpr std::string_view kStats[] = {"st", "pe", "en", "ch", "intel", "ag", "lu"};

// The two race notes, as the game prints them.
inline constexpr std::string_view kRobotText =
    "Robots have a 40% Damage resistance to all kinds of attacks... except EMP (pulse weapons), they dont gain "
    "perks either. ";
inline constexpr std::string_view kDeathclawText =
    "Deathclaws have 40% resistance to Normal, Fire and Explosion Damage with an Damage Threshold of 4 for each of "
    "those damage types. ";

// The stem of a statistic's buttons: "intel" has "inmin" and "inplu".
inline std::string Stem(std::string_view stat) { return stat == "intel" ? "in" : std::string(stat); }

// Every field's text and every box's tick and enabled flag, by name.
using Snapshot = std::map<std::string, std::string>;

inline Snapshot TakeSnapshot(const Sheet& sheet) {
  Snapshot all;
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    const auto field = static_cast<Field>(i);
    all[std::string(NameOf(field))] = sheet.Text(field);
  }
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    const auto box = static_cast<Box>(i);
    all[std::string(NameOf(box))] =
        std::string(sheet.State(box) ? "ticked" : "unticked") + (sheet.Enabled(box) ? "" : ", disabled");
  }
  return all;
}

class Player {
 public:
  Player() { engine_.Start(); }
  explicit Player(std::string_view race) : Player() { engine_.PickRace(race); }

  Engine& engine() { return engine_; }
  Sheet& sheet() { return engine_.sheet(); }
  const Sheet& sheet() const { return engine_.sheet(); }

  std::string operator[](std::string_view name) const { return engine_.sheet().TextByName(name); }

  // The number a field shows, its "%" left aside.
  int Value(std::string_view name) const {
    const std::string text = (*this)[name];
    EXPECT_FALSE(text.empty()) << name << " is empty";
    return text.empty() ? 0 : std::stoi(text);
  }

  bool Ticked(std::string_view box) const { return sheet().State(BoxNamed(box)) == 1; }
  bool Enabled(std::string_view box) const { return sheet().Enabled(BoxNamed(box)); }

  // A click on a control that reacts; any other name fails the test.
  void Click(std::string_view control, int times = 1) {
    for (int i = 0; i < times; ++i) EXPECT_TRUE(engine_.Click(control)) << control << " does not react";
  }

  // A click on a box that must take it: the box is enabled and flips.
  void Toggle(std::string_view box) {
    const bool before = Ticked(box);
    EXPECT_TRUE(Enabled(box)) << box << " is disabled";
    Click(box);
    EXPECT_NE(Ticked(box), before) << box << " did not flip";
  }

  void Pick(std::string_view race) { engine_.PickRace(race); }
  void Type(std::string_view race) { engine_.TypeRace(race); }

  // Clicks a statistic's buttons until it shows `value`; every click on the
  // way must move it.
  void Set(std::string_view stat, int value) {
    while (Value(stat) != value) {
      const int before = Value(stat);
      Click(Stem(stat) + (before < value ? "plu" : "min"));
      if (Value(stat) == before) {
        ADD_FAILURE() << stat << " stuck at " << before << " on its way to " << value << ", race "
                      << (*this)["race"] << ", pool " << (*this)["chpoint"];
        return;
      }
    }
  }

  Snapshot Take() const { return TakeSnapshot(sheet()); }

  static Box BoxNamed(std::string_view name) {
    const auto box = FindBox(name);
    if (!box) ADD_FAILURE() << "no box " << name;
    return box.value_or(Box::smallguns);
  }

 private:
  Engine engine_;
};

// The names in `all` that differ between two snapshots, for a readable
// failure message.
inline std::string Differences(const Snapshot& before, const Snapshot& after) {
  std::string out;
  for (const auto& [name, text] : before) {
    const auto it = after.find(name);
    if (it == after.end() || it->second != text)
      out += name + ": \"" + text + "\" -> \"" + (it == after.end() ? "?" : it->second) + "\"\n";
  }
  return out;
}

}  // namespace cindral::etest
