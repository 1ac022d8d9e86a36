// Picking a race and spending its points: the start each race gives, the
// secondary values worked out from it by hand, and the limits of the
// fourteen buttons.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "race_selection.h"

namespace cindral::etest {
namespace {

struct RaceStart {
  const char* race;
  std::array<int, 7> stats;  // ST PE EN CH IN AG LU
  int charPoints, perkRate;
  const char* gasRes;
  const char* eres;
  int hp, ac, md;
  const char *dres, *pres, *rres;
  int ap, carry, heal;
  const char* cc;
  int seq, skillRate, hpRate;
  std::string_view notePrefix;
};

constexpr std::string_view kDeathclawOpening = "Deathclaws have 40% resistance to Normal, Fire and Explosion";
constexpr std::string_view kRobotOpening = "Robots have a 40% Damage resistance to all kinds of attacks";

// Worked out from the race rows and the derived-value rules: HP 15 + ST + 2 EN,
// carry weight 25 + 25 ST, sequence 2 PE, skill rate 5 + 2 IN, HP rate
// EN / 2 + 3 rounded half to even, and the race modifiers on top.
const std::vector<RaceStart> kStarts = {
    //  race              ST PE EN CH IN AG LU  pts perk gas    eres   hp ac md dres   pres   rres   ap carry hr cc   seq sr hpr
    {"Human",          {5, 5, 5, 5, 5, 5, 5}, 5, 3, "0/0",  "30%", 30, 5, 1, "0%",  "25%", "10%", 7, 150, 2, "5%", 10, 15, 6, ""},
    {"Ghoul",          {5, 5, 5, 5, 5, 5, 5}, 5, 4, "0/0",  "0%",  30, 5, 1, "0%",  "55%", "90%", 7, 150, 2, "5%", 10, 15, 6, ""},
    {"Super-Mutant",   {5, 5, 5, 5, 5, 5, 5}, 5, 4, "0/0",  "0%",  30, 5, 1, "25%", "45%", "60%", 7, 150, 2, "5%", 10, 15, 8, ""},
    {"Half-Mutant",    {5, 5, 5, 5, 5, 5, 5}, 5, 3, "0/0",  "0%",  30, 5, 1, "0%",  "40%", "25%", 7, 150, 2, "5%", 10, 15, 6, ""},
    {"Deathclaw",      {6, 5, 5, 3, 4, 5, 5}, 7, 4, "0/40", "0%",  31, 5, 6, "40%", "25%", "10%", 7, 175, 2, "5%", 10, 13, 8, kDeathclawOpening},
    {"Gray Deathclaw", {6, 5, 5, 3, 5, 5, 5}, 6, 4, "0/40", "0%",  31, 5, 6, "40%", "25%", "10%", 7, 175, 2, "5%", 10, 15, 8, kDeathclawOpening},
    {"Dog",            {5, 5, 5, 5, 3, 5, 5}, 7, 2, "0/0",  "50%", 30, 5, 1, "0%",  "25%", "10%", 7, 150, 2, "5%", 10, 11, 6, ""},
    {"Robot",          {7, 7, 7, 1, 5, 5, 5}, 3, 0, "0/0",  "0%",  36, 5, 2, "40%", "35%", "14%", 7, 200, 2, "5%", 14, 15, 6, kRobotOpening},
};

void PrintTo(const RaceStart& r, std::ostream* os) { *os << r.race; }

class EveryRaceStart : public ::testing::TestWithParam<RaceStart> {
 protected:
  static void ExpectStart(const Player& player, const RaceStart& r) {
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(player[kStats[i]], std::to_string(r.stats[i])) << kStats[i];
    EXPECT_EQ(player["chpoint"], std::to_string(r.charPoints));
    EXPECT_EQ(player["perkrate"], std::to_string(r.perkRate));
    EXPECT_EQ(player["gres"], r.gasRes);
    EXPECT_EQ(player["eres"], r.eres);
    EXPECT_EQ(player["hp"], std::to_string(r.hp));
    EXPECT_EQ(player["ac"], std::to_string(r.ac));
    EXPECT_EQ(player["md"], std::to_string(r.md));
    EXPECT_EQ(player["bd"], "0%");
    EXPECT_EQ(player["dres"], r.dres);
    EXPECT_EQ(player["pres"], r.pres);
    EXPECT_EQ(player["rres"], r.rres);
    EXPECT_EQ(player["ap"], std::to_string(r.ap));
    EXPECT_EQ(player["carrywt"], std::to_string(r.carry));
    EXPECT_EQ(player["hr"], std::to_string(r.heal));
    EXPECT_EQ(player["cc"], r.cc);
    EXPECT_EQ(player["seq"], std::to_string(r.seq));
    EXPECT_EQ(player["skillrate"], std::to_string(r.skillRate));
    EXPECT_EQ(player["hprate"], std::to_string(r.hpRate));
    const std::string notes = player["extra"];
    if (r.notePrefix.empty())
      EXPECT_EQ(notes, "");
    else
      EXPECT_EQ(notes.substr(0, r.notePrefix.size()), r.notePrefix);
    EXPECT_EQ(player["tags"], "3");
    EXPECT_EQ(player["traits"], "2");
  }
};

TEST_P(EveryRaceStart, PickingTheRaceWritesItsRowAndEveryDerivedValue) {
  Player player(GetParam().race);
  EXPECT_EQ(player["race"], GetParam().race);
  ExpectStart(player, GetParam());
}

TEST_P(EveryRaceStart, PickingTheRaceAgainAfterSpendingStartsAfreshWithoutARefund) {
  Player player(GetParam().race);
  player.Toggle("bruiser");
  player.Toggle("melee");
  player.Click("agplu", 2);
  player.Click("lumin");
  player.engine().TypeName("Vex");
  player.Pick(GetParam().race);
  ExpectStart(player, GetParam());
  EXPECT_EQ(player["Name"], "Vex");
  EXPECT_FALSE(player.Ticked("bruiser"));
  EXPECT_FALSE(player.Ticked("melee"));
}

INSTANTIATE_TEST_SUITE_P(Races, EveryRaceStart, ::testing::ValuesIn(kStarts),
                         [](const auto& info) {
                           std::string name = info.param.race;
                           std::erase_if(name, [](char c) { return c == ' ' || c == '-'; });
                           return name;
                         });

TEST(RaceStartAtLoad, TheProgramOpensAsAHumanWithAnEmptyPanel) {
  Player human;
  EXPECT_EQ(human["race"], "Human");
  EXPECT_EQ(human["chpoint"], "5");
  EXPECT_EQ(human["eres"], "30%");
  EXPECT_EQ(human["extra"], "");
  EXPECT_EQ(human["info"], "");
}

TEST(RaceStartNotes, BothDeathclawsCarryTheWholeDeathclawNoteAndRobotsTheRobotNote) {
  EXPECT_EQ(Player("Deathclaw")["extra"], kDeathclawText);
  EXPECT_EQ(Player("Gray Deathclaw")["extra"], kDeathclawText);
  EXPECT_EQ(Player("Robot")["extra"], kRobotText);
  EXPECT_EQ(Player("Dog")["extra"], "");
}

// One button, pressed at the start of a race after some preparation, and
// what the statistic and the pool show afterwards.
struct LimitCase {
  const char* label;
  const char* race;
  std::vector<const char*> before;  // clicks that prepare the case
  const char* button;
  const char* stat;
  int value, pool;
};

const std::vector<LimitCase> kLimits = {
    {"DeathclawAgMinusAtStart", "Deathclaw", {}, "agmin", "ag", 5, 7},
    {"DeathclawAgPlusTwice", "Deathclaw", {"agplu"}, "agplu", "ag", 7, 5},
    {"DeathclawAgBackToSix", "Deathclaw", {"agplu", "agplu"}, "agmin", "ag", 6, 6},
    {"DeathclawAgNotBelowSix", "Deathclaw", {"agplu", "agplu", "agmin"}, "agmin", "ag", 6, 6},
    {"GrayDeathclawAgMinusAtStart", "Gray Deathclaw", {}, "agmin", "ag", 5, 6},
    {"DeathclawChAtItsTop", "Deathclaw", {}, "chplu", "ch", 3, 7},
    {"DeathclawInAtItsTop", "Deathclaw", {}, "inplu", "intel", 4, 7},
    {"RobotChPlus", "Robot", {}, "chplu", "ch", 1, 3},
    {"RobotChMinus", "Robot", {}, "chmin", "ch", 1, 3},
    {"RobotLuPlus", "Robot", {}, "luplu", "lu", 5, 3},
    {"RobotLuMinus", "Robot", {}, "lumin", "lu", 5, 3},
    {"RobotStNotBelowSeven", "Robot", {}, "stmin", "st", 7, 3},
    {"RobotPeNotBelowSeven", "Robot", {}, "pemin", "pe", 7, 3},
    {"RobotEnNotBelowSeven", "Robot", {}, "enmin", "en", 7, 3},
    {"RobotInNotBelowFive", "Robot", {}, "inmin", "intel", 5, 3},
    {"RobotStPlus", "Robot", {}, "stplu", "st", 8, 2},
    {"DogInAtItsTop", "Dog", {}, "inplu", "intel", 3, 7},
    {"DogChAtItsTop", "Dog", {}, "chplu", "ch", 5, 7},
    {"DogInMinus", "Dog", {}, "inmin", "intel", 2, 8},
    {"SuperMutantStAtItsBottom", "Super-Mutant", {}, "stmin", "st", 5, 5},
    {"GhoulLuAtItsBottom", "Ghoul", {}, "lumin", "lu", 5, 5},
    {"GhoulAgTopIsSix", "Ghoul", {"agplu"}, "agplu", "ag", 6, 4},
    {"HumanStSixthPlus", "Human", {"stplu", "stplu", "stplu", "stplu", "stplu"}, "stplu", "st", 10, 0},
    {"HumanEmptyPool", "Human", {"stplu", "stplu", "stplu", "stplu", "stplu"}, "peplu", "pe", 5, 0},
    {"HumanStOne", "Human", {"stmin", "stmin", "stmin", "stmin"}, "stmin", "st", 1, 9},
    {"HumanStTwoToOne", "Human", {"stmin", "stmin", "stmin"}, "stmin", "st", 1, 9},
};

void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.label; }

class StatLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(StatLimit, AClickMovesTheStatisticOnlyWithinTheRaceLimitsAndThePool) {
  const LimitCase& c = GetParam();
  Player player(c.race);
  for (const char* click : c.before) player.Click(click);
  player.Click(c.button);
  EXPECT_EQ(player.Value(c.stat), c.value);
  EXPECT_EQ(player.Value("chpoint"), c.pool);
}

// A refused click still recomputes: derived fields spoilt by hand before the
// click come out as in a game where nothing was spoilt.
TEST_P(StatLimit, EveryClickAllowedOrNotRecomputesTheSheet) {
  const LimitCase& c = GetParam();
  Player clean(c.race);
  Player spoilt(c.race);
  for (const char* click : c.before) {
    clean.Click(click);
    spoilt.Click(click);
  }
  for (const Field field : {Field::hp, Field::sma, Field::extra, Field::cc, Field::hprate, Field::out})
    spoilt.sheet().SetText(field, "spoilt");
  clean.Click(c.button);
  spoilt.Click(c.button);
  EXPECT_EQ(Differences(clean.Take(), spoilt.Take()), "");
}

INSTANTIATE_TEST_SUITE_P(Edges, StatLimit, ::testing::ValuesIn(kLimits),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(StatPool, AHumanWhoLowersEverythingToOneHasThirtyThreePoints) {
  Player human;
  for (const auto stat : kStats) human.Set(stat, 1);
  EXPECT_EQ(human["chpoint"], "33");
  for (const auto stat : kStats) {
    human.Click(Stem(stat) + "min");
    EXPECT_EQ(human[stat], "1");
  }
  EXPECT_EQ(human["chpoint"], "33");
}

TEST(StatPool, ADeathclawReachesAgilitySixteenAndNoFurther) {
  Player claw("Deathclaw");
  claw.Set("en", 1);
  claw.Set("lu", 1);
  claw.Set("ag", 16);
  EXPECT_EQ(claw["chpoint"], "4");
  claw.Click("agplu");
  EXPECT_EQ(claw["ag"], "16");
  EXPECT_EQ(claw["chpoint"], "4");
  EXPECT_EQ(claw["ap"], "10");
}

TEST(StatPool, ATraitsBonusCountsTowardsTheTopLimit) {
  Player human;
  human.Toggle("bruiser");
  EXPECT_EQ(human["st"], "7");
  human.Click("stplu", 4);
  EXPECT_EQ(human["st"], "10");
  EXPECT_EQ(human["chpoint"], "2");
  human.Click("stplu");
  EXPECT_EQ(human["st"], "10");
  EXPECT_EQ(human["chpoint"], "2");
}

TEST(RaceChange, BruiserOnAStrongHumanIsUntickedAndTheDeathclawRowWritten) {
  Player human;
  human.Set("st", 7);
  human.Toggle("bruiser");
  EXPECT_EQ(human["st"], "9");
  human.Pick("Deathclaw");
  EXPECT_EQ(human["st"], "6");
  EXPECT_FALSE(human.Ticked("bruiser"));
  EXPECT_EQ(human["traits"], "2");
  EXPECT_EQ(human["chpoint"], "7");
}

}  // namespace
}  // namespace cindral::etest
