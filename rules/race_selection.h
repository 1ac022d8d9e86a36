// Picking a race starts the character afresh from the race's row.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "sheet.h"

namespace cindral {

inline constexpr std::string_view kRobotNote =
    "Robots have a 40% Damage resistance to all kinds of attacks... except EMP (pulse weapons), they dont gain "
    "perks either. ";
inline constexpr std::string_view kDeathclawNote =
    "Deathclaws have 40% resistance to Normal, Fire and Explosion Damage with an Damage Threshold of 4 for each "
    "of those damage types. ";

// What picking a race writes: its starting statistics, pool, perk rate,
// gas and electricity resistance and its note.
struct RaceRow {
  Race race;
  std::array<int, kStatCount> stats;  // ST PE EN CH IN AG LU
  int charPoints;
  int perkRate;
  std::string_view gasRes;
  int electricityRes;
  std::string_view note;
};

// clang-format off
inline constexpr std::array<RaceRow, kRaceCount> kRaceRows = {{
    //                     ST PE EN CH IN AG LU  pool perk  gas     elec  note
    {Race::Human,         {5, 5, 5, 5, 5, 5, 5}, 5, 3, "0/0",  30, ""},
    {Race::Ghoul,         {5, 5, 5, 5, 5, 5, 5}, 5, 4, "0/0",   0, ""},
    {Race::SuperMutant,   {5, 5, 5, 5, 5, 5, 5}, 5, 4, "0/0",   0, ""},
    {Race::HalfMutant,    {5, 5, 5, 5, 5, 5, 5}, 5, 3, "0/0",   0, ""},
    {Race::Deathclaw,     {6, 5, 5, 3, 4, 5, 5}, 7, 4, "0/40",  0, kDeathclawNote},
    {Race::GrayDeathclaw, {6, 5, 5, 3, 5, 5, 5}, 6, 4, "0/40",  0, kDeathclawNote},
    {Race::Dog,           {5, 5, 5, 5, 3, 5, 5}, 7, 2, "0/0",  50, ""},
    {Race::Robot,         {7, 7, 7, 1, 5, 5, 5}, 3, 0, "0/0",   0, kRobotNote},
}};
// clang-format on

static_assert(InKeyOrder(kRaceRows, [](const RaceRow& r) { return r.race; }), "the race rows are indexed by race");

// The drop-down's list: the race names, kept sorted.
inline constexpr std::array<std::string_view, kRaceCount> kRaceList = [] {
  std::array<std::string_view, kRaceCount> names{};
  for (std::size_t r = 0; r < kRaceCount; ++r) names[r] = kRaces[r].name;
  std::sort(names.begin(), names.end());
  return names;
}();

// The race a text names: the whole text, compared case-sensitively.
std::optional<Race> RaceNamed(std::string_view text);

// The race the sheet's race text names, if any.
std::optional<Race> CurrentRace(const Sheet& sheet);

const RaceRow& RowOf(Race race);

// A pick from the race list: clears traits and tags, writes the race's row,
// then recomputes the sheet and the boxes' enabled flags.
void race_Click(Sheet& sheet);

}  // namespace cindral
