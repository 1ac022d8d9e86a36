// Picking a race, and spending the race's points within its limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "engine_fixture.h"

namespace cindral::test {
namespace {

constexpr const char* kDeathclawNote =
    "Deathclaws have 40% resistance to Normal, Fire and Explosion Damage with an Damage Threshold of 4 for each of "
    "those damage types. ";
constexpr const char* kRobotNote =
    "Robots have a 40% Damage resistance to all kinds of attacks... except EMP (pulse weapons), they dont gain perks "
    "either. ";

// What a fresh character of each race shows, worked out by hand from the
// race's row, its modifiers and the formulas of the secondary statistics.
struct RaceStart {
  const char* race;
  std::array<int, 7> stats;  // ST PE EN CH IN AG LU
  int pool, perkRate;
  const char* gasRes;
  int eres, hp, ac, md, dres, pres, rres, ap, carryWt, healRate, crit, sequence, skillRate, hpRate;
  const char* note;
};

// clang-format off
constexpr RaceStart kRaceStarts[] = {
    //  race              ST PE EN CH IN AG LU  pool perk gas    ER  HP AC MD DR  PR  RR AP  CW HR CC Seq SR HPR
    {"Human",          {5, 5, 5, 5, 5, 5, 5}, 5, 3, "0/0",  30, 30, 5, 1,  0, 25, 10, 7, 150, 2, 5, 10, 15, 6, ""},
    {"Ghoul",          {5, 5, 5, 5, 5, 5, 5}, 5, 4, "0/0",   0, 30, 5, 1,  0, 55, 90, 7, 150, 2, 5, 10, 15, 6, ""},
    {"Super-Mutant",   {5, 5, 5, 5, 5, 5, 5}, 5, 4, "0/0",   0, 30, 5, 1, 25, 45, 60, 7, 150, 2, 5, 10, 15, 8, ""},
    {"Half-Mutant",    {5, 5, 5, 5, 5, 5, 5}, 5, 3, "0/0",   0, 30, 5, 1,  0, 40, 25, 7, 150, 2, 5, 10, 15, 6, ""},
    {"Deathclaw",      {6, 5, 5, 3, 4, 5, 5}, 7, 4, "0/40",  0, 31, 5, 6, 40, 25, 10, 7, 175, 2, 5, 10, 13, 8, kDeathclawNote},
    {"Gray Deathclaw", {6, 5, 5, 3, 5, 5, 5}, 6, 4, "0/40",  0, 31, 5, 6, 40, 25, 10, 7, 175, 2, 5, 10, 15, 8, kDeathclawNote},
    {"Dog",            {5, 5, 5, 5, 3, 5, 5}, 7, 2, "0/0",  50, 30, 5, 1,  0, 25, 10, 7, 150, 2, 5, 10, 11, 6, ""},
    {"Robot",          {7, 7, 7, 1, 5, 5, 5}, 3, 0, "0/0",   0, 36, 5, 2, 40, 35, 14, 7, 200, 2, 5, 14, 15, 6, kRobotNote},
};
// clang-format on

std::string Percent(int n) { return std::to_string(n) + "%"; }

class EachRace : public testing::TestWithParam<RaceStart> {};

TEST_P(EachRace, APickWritesTheRaceRowAndRecomputesEverything) {
  const RaceStart& r = GetParam();
  Game game;
  game.Pick(r.race);
  for (std::size_t s = 0; s < 7; ++s) EXPECT_EQ(game.Whole(kStatFields[s]), r.stats[s]) << kStatFields[s];
  const std::pair<const char*, std::string> shown[] = {
      {"chpoint", std::to_string(r.pool)},   {"perkrate", std::to_string(r.perkRate)},
      {"gres", r.gasRes},                    {"eres", Percent(r.eres)},
      {"hp", std::to_string(r.hp)},          {"ac", std::to_string(r.ac)},
      {"md", std::to_string(r.md)},          {"bd", "0%"},
      {"dres", Percent(r.dres)},             {"pres", Percent(r.pres)},
      {"rres", Percent(r.rres)},             {"ap", std::to_string(r.ap)},
      {"carrywt", std::to_string(r.carryWt)}, {"hr", std::to_string(r.healRate)},
      {"cc", Percent(r.crit)},               {"seq", std::to_string(r.sequence)},
      {"skillrate", std::to_string(r.skillRate)}, {"hprate", std::to_string(r.hpRate)},
      {"extra", r.note},                     {"tags", "3"},
      {"traits", "2"},                       {"race", r.race},
  };
  for (const auto& [field, text] : shown) EXPECT_EQ(game[field], text) << field;
}

// Whatever the character was, a pick starts it afresh: the sheet equals
// that of a program that has just picked the race, but for the panel,
// which shows the text of the last trait the pick unticked.
TEST_P(EachRace, APickFromAnyCharacterStartsTheRaceAfresh) {
  const RaceStart& to = GetParam();
  Game fresh(to.race);
  Snapshot expected = TakeSnapshot(fresh.sheet());
  for (const RaceStart& from : kRaceStarts) {
    Game game(from.race);
    game.Click("stplu");
    game.Click("lumin");
    game.Click("bruiser");
    game.Click("kamikaze");
    game.Click("smallguns");
    game.Click("sneak");
    game.engine().TypeName("Ada");
    game.Pick(to.race);
    Snapshot got = TakeSnapshot(game.sheet());
    EXPECT_EQ(got["info"], game["info"]);
    EXPECT_EQ(got["Name"], "Ada");
    got.erase("info");
    got.erase("Name");
    Snapshot want = expected;
    want.erase("info");
    want.erase("Name");
    EXPECT_EQ(Changes(want, got), "") << "from " << from.race << " to " << to.race;
  }
}

INSTANTIATE_TEST_SUITE_P(Races, EachRace, testing::ValuesIn(kRaceStarts),
                         [](const auto& info) {
                           std::string name = info.param.race;
                           std::erase_if(name, [](char c) { return c == ' ' || c == '-'; });
                           return name;
                         });

TEST(RacePick, StartsOnAHumanWithAnEmptyNotesBoxAndPanel) {
  Game game;
  EXPECT_EQ(game["race"], "Human");
  EXPECT_EQ(game["extra"], "");
  EXPECT_EQ(game["info"], "");
  EXPECT_EQ(game["eres"], "30%");
}

TEST(RacePick, BruiserIsTakenOffBeforeTheDeathclawRowIsWritten) {
  Game game;
  game.Click("stplu", 2);
  game.Click("bruiser");
  ASSERT_EQ(game["st"], "9");
  game.Pick("Deathclaw");
  EXPECT_EQ(game["st"], "6");
  EXPECT_EQ(game["bruiser"], "0");
  EXPECT_EQ(game["traits"], "2");
  EXPECT_EQ(game["ap"], "7");
}

// Each race's limits, low-high, for ST PE EN CH IN AG LU.
struct RaceLimits {
  const char* race;
  std::array<std::pair<int, int>, 7> limits;
};

// clang-format off
constexpr RaceLimits kRaceLimits[] = {
    {"Human",          {{{1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}, {1, 10}}}},
    {"Ghoul",          {{{1,  8}, {4, 13}, {1, 10}, {1, 10}, {2, 10}, {1,  6}, {5, 12}}}},
    {"Super-Mutant",   {{{5, 13}, {1, 11}, {4, 11}, {1,  7}, {1, 11}, {1,  8}, {1, 10}}}},
    {"Half-Mutant",    {{{3, 12}, {1, 10}, {2, 11}, {1, 10}, {1, 10}, {1,  8}, {1, 10}}}},
    {"Deathclaw",      {{{6, 14}, {4, 12}, {1, 13}, {1,  3}, {1,  4}, {6, 16}, {1, 10}}}},
    {"Gray Deathclaw", {{{6, 12}, {4, 12}, {1, 11}, {1,  3}, {1,  8}, {6, 16}, {1, 10}}}},
    {"Dog",            {{{1,  7}, {4, 14}, {1,  6}, {1,  5}, {1,  3}, {1, 15}, {1, 10}}}},
    {"Robot",          {{{7, 12}, {7, 12}, {7, 12}, {1,  1}, {5, 12}, {1, 12}, {5,  5}}}},
};
// clang-format on

const RaceStart& StartOf(std::string_view race) {
  return *std::find_if(std::begin(kRaceStarts), std::end(kRaceStarts),
                       [&](const RaceStart& r) { return r.race == race; });
}

// A click at a limit changes nothing, but the recomputation still runs: a
// value field blanked before the click is written again, unchanged.
void ExpectRefusedButRecomputed(Game& game, const std::string& button) {
  const Snapshot before = TakeSnapshot(game.sheet());
  game.sheet().SetText(Field::hp, "");
  game.sheet().SetText(Field::sma, "");
  game.Click(button);
  EXPECT_EQ(Changes(before, TakeSnapshot(game.sheet())), "") << button << " on a " << game["race"];
}

class EachRaceLimits : public testing::TestWithParam<RaceLimits> {};

TEST_P(EachRaceLimits, MinusStopsAtTheLowLimitAndPlusAtTheHighLimitOrAnEmptyPool) {
  const RaceLimits& race = GetParam();
  const RaceStart& start = StartOf(race.race);
  for (std::size_t s = 0; s < 7; ++s) {
    const std::string stat(kStatFields[s]);
    const auto [low, high] = race.limits[s];
    const int from = start.stats[s];

    Game down(race.race);
    down.Click(ButtonStem(stat) + "min", 20);
    const int floor = std::min(from, low);  // a Deathclaw's AG starts below its low limit
    EXPECT_EQ(down.Whole(stat), floor) << race.race << " " << stat;
    EXPECT_EQ(down.Whole("chpoint"), start.pool + from - floor) << race.race << " " << stat;
    ExpectRefusedButRecomputed(down, ButtonStem(stat) + "min");

    Game up(race.race);
    up.LowerAllBut({stat});
    int pool = start.pool;
    for (std::size_t other = 0; other < 7; ++other) {
      if (other != s) pool += std::max(0, start.stats[other] - race.limits[other].first);
    }
    ASSERT_EQ(up.Whole("chpoint"), pool) << race.race << " " << stat;
    up.Click(ButtonStem(stat) + "plu", 20);
    const int ceiling = std::min(high, from + pool);
    EXPECT_EQ(up.Whole(stat), ceiling) << race.race << " " << stat;
    EXPECT_EQ(up.Whole("chpoint"), pool - (ceiling - from)) << race.race << " " << stat;
    ExpectRefusedButRecomputed(up, ButtonStem(stat) + "plu");
  }
}

INSTANTIATE_TEST_SUITE_P(Races, EachRaceLimits, testing::ValuesIn(kRaceLimits), [](const auto& info) {
  std::string name = info.param.race;
  std::erase_if(name, [](char c) { return c == ' ' || c == '-'; });
  return name;
});

TEST(StatPoints, AHumanSpendsThePoolOnStrengthAndThenNothingMore) {
  Game game;
  game.Click("stplu", 5);
  EXPECT_EQ(game["st"], "10");
  EXPECT_EQ(game["chpoint"], "0");
  game.Click("stplu");
  EXPECT_EQ(game["st"], "10");
  for (const char* plus : {"peplu", "enplu", "chplu", "inplu", "agplu", "luplu"}) {
    ExpectRefusedButRecomputed(game, plus);
  }
  EXPECT_EQ(game["pe"], "5");
}

TEST(StatPoints, LoweringEveryStatisticOfAHumanToOneGivesThirtyThreePoints) {
  Game game;
  game.Set("st", 2);
  EXPECT_EQ(game["chpoint"], "8");
  game.Click("stmin");
  EXPECT_EQ(game["st"], "1");
  EXPECT_EQ(game["chpoint"], "9");
  game.LowerAllBut({});
  for (const std::string_view stat : kStatFields) EXPECT_EQ(game[stat], "1") << stat;
  EXPECT_EQ(game["chpoint"], "33");
}

TEST(StatPoints, ADeathclawsAgilityCanComeBackToSixButNotToItsStartingFive) {
  Game game("Deathclaw");
  game.Click("agmin");
  EXPECT_EQ(game["ag"], "5");
  EXPECT_EQ(game["chpoint"], "7");
  game.Click("agplu", 2);
  EXPECT_EQ(game["ag"], "7");
  EXPECT_EQ(game["chpoint"], "5");
  game.Click("agmin");
  EXPECT_EQ(game["ag"], "6");
  EXPECT_EQ(game["chpoint"], "6");
  game.Click("agmin");
  EXPECT_EQ(game["ag"], "6");
}

TEST(StatPoints, ARobotsCharismaAndLuckNeverMoveNorItsBodyBelowSeven) {
  Game game("Robot");
  for (const char* refused : {"chplu", "chmin", "luplu", "lumin", "stmin", "pemin", "enmin", "inmin"}) {
    ExpectRefusedButRecomputed(game, refused);
  }
  EXPECT_EQ(game["ch"], "1");
  EXPECT_EQ(game["lu"], "5");
  EXPECT_EQ(game["chpoint"], "3");
}

TEST(StatPoints, ADogCannotRaiseItsIntelligenceOrCharisma) {
  Game game("Dog");
  ExpectRefusedButRecomputed(game, "inplu");
  ExpectRefusedButRecomputed(game, "chplu");
  EXPECT_EQ(game["intel"], "3");
  EXPECT_EQ(game["ch"], "5");
  EXPECT_EQ(game["chpoint"], "7");
}

TEST(StatPoints, ATraitsBonusCountsTowardsTheHighLimit) {
  Game game;
  game.Click("bruiser");
  EXPECT_EQ(game["st"], "7");
  game.Click("stplu", 5);
  EXPECT_EQ(game["st"], "10");
  EXPECT_EQ(game["chpoint"], "2");
  game.Click("stmin", 12);
  EXPECT_EQ(game["st"], "1");
  EXPECT_EQ(game["chpoint"], "11");
}

}  // namespace
}  // namespace cindral::test
