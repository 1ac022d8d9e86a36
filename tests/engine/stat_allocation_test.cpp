// Spending the race's points on the seven statistics with the minus and
// plus buttons, within the race's limits and the pool.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>

#include "player.h"

namespace cindral::test {
namespace {

// Each race's start and, for ST PE EN CH IN AG LU, the lowest value a minus
// click may leave and the highest a plus click may reach.
struct RaceLimits {
  const char* race;
  const char* label;
  std::array<int, 7> start;
  int pool;
  std::array<std::pair<int, int>, 7> limits;
};

void PrintTo(const RaceLimits& r, std::ostream* os) { *os << r.race; }

// clang-format off
constexpr RaceLimits kRaceLimits[] = {
    //                                  ST PE EN CH IN AG LU  pool   ST       PE       EN       CH       IN       AG       LU
    {"Human",          "Human",         {5, 5, 5, 5, 5, 5, 5}, 5, {{{1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}}}},
    {"Ghoul",          "Ghoul",         {5, 5, 5, 5, 5, 5, 5}, 5, {{{1,  8}, {4, 13}, {1, 10}, {1, 10}, {2, 10}, {1,  6}, {5, 12}}}},
    {"Super-Mutant",   "SuperMutant",   {5, 5, 5, 5, 5, 5, 5}, 5, {{{5, 13}, {1, 11}, {4, 11}, {1,  7}, {1, 11}, {1,  8}, {1, 10}}}},
    {"Half-Mutant",    "HalfMutant",    {5, 5, 5, 5, 5, 5, 5}, 5, {{{3, 12}, {1, 10}, {2, 11}, {1, 10}, {1, 10}, {1,  8}, {1, 10}}}},
    {"Deathclaw",      "Deathclaw",     {6, 5, 5, 3, 4, 5, 5}, 7, {{{6, 14}, {4, 12}, {1, 13}, {1,  3}, {1,  4}, {6, 16}, {1, 10}}}},
    {"Gray Deathclaw", "GrayDeathclaw", {6, 5, 5, 3, 5, 5, 5}, 6, {{{6, 12}, {4, 12}, {1, 11}, {1,  3}, {1,  8}, {6, 16}, {1, 10}}}},
    {"Dog",            "Dog",           {5, 5, 5, 5, 3, 5, 5}, 7, {{{1,  7}, {4, 14}, {1,  6}, {1,  5}, {1,  3}, {1, 15}, {1, 10}}}},
    {"Robot",          "Robot",         {7, 7, 7, 1, 5, 5, 5}, 3, {{{7, 12}, {7, 12}, {7, 12}, {1,  1}, {5, 12}, {1, 12}, {5,  5}}}},
};
// clang-format on

// A refused click changes nothing, but the recomputation still runs: value
// fields blanked before the click are written again, unchanged.
void ExpectRefusedButRecomputed(Player& player, const std::string& button) {
  const Snapshot before = player.Take();
  for (const char* field : {"hp", "sma", "hprate", "extra"}) player.sheet().SetText(*FindField(field), "");
  player.Click(button);
  EXPECT_EQ(Differences(before, player.Take()), "") << button << " on a " << player["race"];
}

class Limits : public testing::TestWithParam<RaceLimits> {};

TEST_P(Limits, HoldMinusAndPlusWithinThem) {
  const RaceLimits& race = GetParam();
  for (std::size_t s = 0; s < kStatFields.size(); ++s) {
    const std::string stat(kStatFields[s]);
    SCOPED_TRACE(stat);
    const auto [low, high] = race.limits[s];
    const int from = race.start[s];

    // Down from the start: a Deathclaw's AG starts below its low limit and
    // cannot go down at all.
    Player down(race.race);
    down.Click(ButtonStem(stat) + "min", 20);
    const int floor = std::min(from, low);
    EXPECT_EQ(down.Number(stat), floor);
    EXPECT_EQ(down.Number("chpoint"), race.pool + from - floor);
    ExpectRefusedButRecomputed(down, ButtonStem(stat) + "min");

    // Up with every other statistic lowered to fill the pool.
    Player up(race.race);
    up.LowerAllBut({kStatFields[s]});
    int pool = race.pool;
    for (std::size_t other = 0; other < kStatFields.size(); ++other) {
      if (other != s) pool += std::max(0, race.start[other] - race.limits[other].first);
    }
    ASSERT_EQ(up.Number("chpoint"), pool);
    up.Click(ButtonStem(stat) + "plu", 20);
    const int ceiling = std::min(high, from + pool);
    EXPECT_EQ(up.Number(stat), ceiling);
    EXPECT_EQ(up.Number("chpoint"), pool - (ceiling - from));
    ExpectRefusedButRecomputed(up, ButtonStem(stat) + "plu");
  }
}

INSTANTIATE_TEST_SUITE_P(Race, Limits, testing::ValuesIn(kRaceLimits),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(StatAllocation, AnEmptyPoolRefusesEveryPlus) {
  Player human;
  human.Click("stplu", 5);
  EXPECT_EQ(human["st"], "10");
  EXPECT_EQ(human["chpoint"], "0");
  for (const char* plus : {"stplu", "peplu", "enplu", "chplu", "inplu", "agplu", "luplu"}) {
    ExpectRefusedButRecomputed(human, plus);
  }
  human.Click("pemin");
  EXPECT_EQ(human["pe"], "4");
  EXPECT_EQ(human["chpoint"], "1");
}

// The pool has no upper bound.
TEST(StatAllocation, AHumanOfAllOnesHasThirtyThreePoints) {
  Player human;
  human.Set("st", 2);
  EXPECT_EQ(human["chpoint"], "8");
  human.Click("stmin");
  EXPECT_EQ(human["st"], "1");
  EXPECT_EQ(human["chpoint"], "9");
  human.LowerAllBut({});
  for (const std::string_view stat : kStatFields) EXPECT_EQ(human[stat], "1") << stat;
  EXPECT_EQ(human["chpoint"], "33");
}

TEST(StatAllocation, ADeathclawsAgilityReturnsToSixNotFive) {
  Player claw("Deathclaw");
  claw.Click("agmin");
  EXPECT_EQ(claw["ag"], "5");
  EXPECT_EQ(claw["chpoint"], "7");
  claw.Click("agplu", 2);
  EXPECT_EQ(claw["ag"], "7");
  EXPECT_EQ(claw["chpoint"], "5");
  claw.Click("agmin");
  EXPECT_EQ(claw["ag"], "6");
  EXPECT_EQ(claw["chpoint"], "6");
  claw.Click("agmin");
  EXPECT_EQ(claw["ag"], "6");
  EXPECT_EQ(claw["chpoint"], "6");
}

// The limits hold for the value shown, a trait's bonus included: a Human
// with Bruiser buys Strength up to 10 shown, and can sell the bonus too.
TEST(StatAllocation, ATraitsBonusCountsTowardsTheLimits) {
  Player human;
  human.Toggle("bruiser");
  EXPECT_EQ(human["st"], "7");
  human.Click("stplu", 5);
  EXPECT_EQ(human["st"], "10");
  EXPECT_EQ(human["chpoint"], "2");
  human.Click("stmin", 12);
  EXPECT_EQ(human["st"], "1");
  EXPECT_EQ(human["chpoint"], "11");
}

// The buttons read the race text when clicked: a typed race name brings
// that race's limits, a text that names no race refuses every button.
TEST(StatAllocation, ATypedRaceNameBringsItsLimits) {
  Player human;
  human.Type("Robot");
  human.Click("stmin");  // a Robot's ST is 7 at least
  human.Click("chplu");  // and its CH 1 at most
  human.Click("luplu");
  EXPECT_EQ(human["st"], "5");
  EXPECT_EQ(human["ch"], "5");
  EXPECT_EQ(human["lu"], "5");
  EXPECT_EQ(human["chpoint"], "5");
  human.Click("stplu");
  EXPECT_EQ(human["st"], "6");
  EXPECT_EQ(human["chpoint"], "4");
}

TEST(StatAllocation, ATextNamingNoRaceRefusesEveryButton) {
  for (const std::string& text : kTextsThatNameNoRace) {
    SCOPED_TRACE(Shown(text));
    Player human;
    human.Click("stplu");
    human.Click("agmin");
    human.Type(text);
    for (const std::string_view button : kStatButtons) {
      human.Click(button);
      for (const std::string_view stat : kStatFields) {
        EXPECT_EQ(human[stat], stat == "st" ? "6" : stat == "ag" ? "4" : "5") << button << ", " << stat;
      }
      EXPECT_EQ(human["chpoint"], "5") << button;
    }
    EXPECT_EQ(human["race"], text);
  }
}

}  // namespace
}  // namespace cindral::test
