// Spending character points on the seven primary statistics, within the
// race's limits, one point a click.
#pragma once

#include <array>
#include <string_view>

#include "race_selection.h"

namespace cindral {

struct Limit {
  int low;
  int high;
};

// Lowest value a minus click may leave and highest a plus click may reach,
// for each statistic of a race.
struct RaceLimits {
  Race race;
  std::array<Limit, kStatCount> limits;  // ST PE EN CH IN AG LU
};

// clang-format off
inline constexpr std::array<RaceLimits, kRaceCount> kRaceLimits = {{
    //                        ST        PE        EN        CH        IN        AG        LU
    {Race::Human,         {{{1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}}}},
    {Race::Ghoul,         {{{1,  8}, {4, 13}, {1, 10}, {1, 10}, {2, 10}, {1,  6}, {5, 12}}}},
    {Race::SuperMutant,   {{{5, 13}, {1, 11}, {4, 11}, {1,  7}, {1, 11}, {1,  8}, {1, 10}}}},
    {Race::HalfMutant,    {{{3, 12}, {1, 10}, {2, 11}, {1, 10}, {1, 10}, {1,  8}, {1, 10}}}},
    {Race::Deathclaw,     {{{6, 14}, {4, 12}, {1, 13}, {1,  3}, {1,  4}, {6, 16}, {1, 10}}}},
    {Race::GrayDeathclaw, {{{6, 12}, {4, 12}, {1, 11}, {1,  3}, {1,  8}, {6, 16}, {1, 10}}}},
    {Race::Dog,           {{{1,  7}, {4, 14}, {1,  6}, {1,  5}, {1,  3}, {1, 15}, {1, 10}}}},
    {Race::Robot,         {{{7, 12}, {7, 12}, {7, 12}, {1,  1}, {5, 12}, {1, 12}, {5,  5}}}},
}};
// clang-format on

static_assert(InKeyOrder(kRaceLimits, [](const RaceLimits& r) { return r.race; }), "the limits are indexed by race");

// The fourteen "+" and "-" buttons: one rule, each button's statistic and
// direction.
struct StatButton {
  std::string_view name;
  Stat stat;
  int step;  // +1 for "+", -1 for "-"
};

// Each statistic's "+" then its "-", in the order the window lists them.
inline constexpr std::array<StatButton, 2 * kStatCount> kStatButtons = [] {
  std::array<StatButton, 2 * kStatCount> buttons{};
  for (std::size_t s = 0; s < kStatCount; ++s) {
    buttons[2 * s] = {kStats[s].plus, kStats[s].stat, +1};
    buttons[2 * s + 1] = {kStats[s].minus, kStats[s].stat, -1};
  }
  return buttons;
}();

// The limits of a statistic for the race the race text names; none for a
// text that names no race, which refuses every press.
const Limit* RaceLimitFor(const Sheet& sheet, Stat stat);

// A "+" button: the statistic up by one and a point out of the pool, when
// the race's high limit and the pool allow. The sheet is recomputed either way.
void StatPlus_Click(Sheet& sheet, Stat stat);

// A "-" button: the statistic down by one and a point back into the pool,
// when the race's low limit allows. The sheet is recomputed either way.
void StatMinus_Click(Sheet& sheet, Stat stat);

// Runs the handler of one of the fourteen buttons.
void StatButton_Click(Sheet& sheet, const StatButton& button);

}  // namespace cindral
