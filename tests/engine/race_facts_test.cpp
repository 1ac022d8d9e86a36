// Races and statistics in words: a race before it is picked, a statistic
// against its limits and what it feeds, and what a typed race text does and
// does not change yet.
#include <gtest/gtest.h>

#include <string>

#include "explanations.h"
#include "player.h"
#include "race_facts.h"

namespace cindral::test {
namespace {

TEST(RaceFacts, ARaceEntryTellsItsRowLimitsValuesTraitsAndNote) {
  const std::string robot = RaceFacts(*RaceNamed("Robot"));
  for (const char* fact : {"Robot: starts with ST 7, PE 7, EN 7, CH 1, IN 5, AG 5, LU 5 and 3 Char Points.",
                           "Limits: ST 7–12, PE 7–12, EN 7–12, CH 1 only, IN 5–12, AG 1–12, LU 5 only.",
                           "Sets Perk Rate 0, Gas Res. 0/0, Damage Res. 40%, Electricity Res. 0%.",
                           "Rules out 15 traits: Fast Metabolism,", "Note: Robots have a 40% Damage resistance",
                           "starts the character afresh; Ctrl+Z brings the old one back."}) {
    EXPECT_NE(robot.find(fact), std::string::npos) << fact << "\nin:\n" << robot;
  }
  EXPECT_NE(RaceFacts(*RaceNamed("Ghoul")).find("Adds Poison Res. +30%, Rad Res. +80%."), std::string::npos);
  EXPECT_NE(RaceFacts(*RaceNamed("Gray Deathclaw")).find("Adds Melee Dmg. +5, HP Rate +2."), std::string::npos);
  // Once picked, the race box tells the same of the race it shows.
  Player picked("Robot");
  EXPECT_TRUE(Explain(picked.engine(), "race").starts_with("Robot: starts with ST 7, PE 7, EN 7, CH 1, IN 5"));
}

TEST(RaceFacts, AStatisticStandsAgainstItsLimitsAndFeedsItsValues) {
  Player human;
  EXPECT_EQ(Explain(human.engine(), "Label78"),  // "CH"
            "Charisma (CH) 5, within Human's limits 1–10.\nFeeds Speech 25 (5 × CH 5), Barter 20 (4 × CH 5).");
  human.Click("stplu", 5);
  EXPECT_TRUE(Explain(human.engine(), "st").starts_with("Strength (ST) 10, at Human's maximum (limits 1–10)."));
  EXPECT_EQ(
      Explain(human.engine(), "Label82"),
      "Char Points 0: the points not yet spent on the seven statistics. Each \"+\" spends one and each \"−\" "
      "gives one back. Picking Human set them to 5.\nNone left: \"+\" does nothing until a \"−\" gives one back.");
}

// A race named in the text counts for the limits at once and for the race's
// values at the next recomputation; the trait boxes follow it only from a
// trait click on.
TEST(RaceFacts, ATypedRaceSaysWhatFollowsIt) {
  Player human;
  human.Type("Robot");
  const std::string typed = Explain(human.engine(), "race");
  for (const char* fact : {"\"Robot\" is typed, not picked from the list. The limits of \"+\" and \"−\" follow Robot",
                           "Damage Res. 0% → 40%, Electricity Res. 30% → 0%, the notes.",
                           "Perk Rate and Gas Res. stay as picking Human set them.",
                           "The trait boxes still follow Human; a trait click sets them by Robot's list.",
                           "Pick a race from the list to apply it fully."}) {
    EXPECT_NE(typed.find(fact), std::string::npos) << fact << "\nin:\n" << typed;
  }
  human.Click("bruiser");
  const std::string after = Explain(human.engine(), "race");
  EXPECT_NE(after.find("already match Robot"), std::string::npos) << after;
  EXPECT_NE(after.find("The trait boxes follow Robot's list."), std::string::npos) << after;

  human.Type("Elf");
  EXPECT_TRUE(
      Explain(human.engine(), "race")
          .starts_with("\"Elf\" is typed and names no race: \"+\" and \"−\" do nothing until a race is picked"));
}

}  // namespace
}  // namespace cindral::test
