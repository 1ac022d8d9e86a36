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

// clang-format off
// Lowest value a minus click may leave and highest a plus click may reach.
inline constexpr std::array<std::array<Limit, kStatCount>, kRaceCount> kRaceLimits = {{
    //            ST        PE        EN        CH        IN        AG        LU
    /* Human */        {{{1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}}},
    /* Ghoul */        {{{1,  8}, {4, 13}, {1, 10}, {1, 10}, {2, 10}, {1,  6}, {5, 12}}},
    /* Super-Mutant */ {{{5, 13}, {1, 11}, {4, 11}, {1,  7}, {1, 11}, {1,  8}, {1, 10}}},
    /* Half-Mutant */  {{{3, 12}, {1, 10}, {2, 11}, {1, 10}, {1, 10}, {1,  8}, {1, 10}}},
    /* Deathclaw */    {{{6, 14}, {4, 12}, {1, 13}, {1,  3}, {1,  4}, {6, 16}, {1, 10}}},
    /* Gray Deathclaw*/{{{6, 12}, {4, 12}, {1, 11}, {1,  3}, {1,  8}, {6, 16}, {1, 10}}},
    /* Dog */          {{{1,  7}, {4, 14}, {1,  6}, {1,  5}, {1,  3}, {1, 15}, {1, 10}}},
    /* Robot */        {{{7, 12}, {7, 12}, {7, 12}, {1,  1}, {5, 12}, {1, 12}, {5,  5}}},
}};
// clang-format on

// The fourteen "+" and "-" buttons: one rule, each button's statistic and
// direction.
struct StatButton {
  std::string_view name;
  Stat stat;
  int step;  // +1 for "+", -1 for "-"
};

// clang-format off
inline constexpr std::array<StatButton, 2 * kStatCount> kStatButtons = {{
    {"stplu", Stat::ST, +1}, {"stmin", Stat::ST, -1},
    {"peplu", Stat::PE, +1}, {"pemin", Stat::PE, -1},
    {"enplu", Stat::EN, +1}, {"enmin", Stat::EN, -1},
    {"chplu", Stat::CH, +1}, {"chmin", Stat::CH, -1},
    {"inplu", Stat::IN, +1}, {"inmin", Stat::IN, -1},
    {"agplu", Stat::AG, +1}, {"agmin", Stat::AG, -1},
    {"luplu", Stat::LU, +1}, {"lumin", Stat::LU, -1},
}};
// clang-format on

// A "+" button: the statistic up by one and a point out of the pool, when
// the race's high limit and the pool allow. The sheet is recomputed either way.
void StatPlus_Click(Sheet& sheet, Stat stat);

// A "-" button: the statistic down by one and a point back into the pool,
// when the race's low limit allows. The sheet is recomputed either way.
void StatMinus_Click(Sheet& sheet, Stat stat);

// Runs the handler of one of the fourteen buttons.
void StatButton_Click(Sheet& sheet, const StatButton& button);

}  // namespace cindral
