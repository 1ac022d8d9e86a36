// The notes box: the race's note, then one line for each ticked trait in
// trait order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_fixture.h"

namespace cindral::test {
namespace {

const std::string kRobotNote =
    "Robots have a 40% Damage resistance to all kinds of attacks... except EMP (pulse weapons), they dont gain perks "
    "either. ";
const std::string kDeathclawNote =
    "Deathclaws have 40% resistance to Normal, Fire and Explosion Damage with an Damage Threshold of 4 for each of "
    "those damage types. ";
const std::string kTightNuts = "Tight Nuts. +40% Damage Resistance, 1/2 Repair effect. ";
const std::string kBetaSoftware =
    "Beta Software. +1 Tag Skill, Must roll vs. Luck when using ANY tagged skill or automatic failure and loss of all "
    "APs. ";
const std::string kFastMetabolism =
    "Fast Metabolism. +2 Healing rate, 0% Poison resistance (plus race mods), 0% Radiation resistance (plus race "
    "mods). ";
const std::string kJinxed = "Jinxed. +50% Chance to upgrade failures to critical failures for all nearby. ";
const std::string kTargetingComputer = "Targeting Computer. +1AP to firing attacks, +15% to hit. ";
const std::string kEmpShielding = "EMP Shielding. 2 AP per hex moved, +30% EMP Resistance. ";
const std::string kGifted = "Gifted. +1 to all stats, -10% to all skills, -5 Skill Gain Rate. ";

struct NotesCase {
  const char* race;
  std::vector<const char*> ticks;  // in the order the player ticks them
  std::string notes;
};

class Notes : public testing::TestWithParam<NotesCase> {};

TEST_P(Notes, FollowTheRaceAndTheTickedTraitsInTraitOrder) {
  const NotesCase& c = GetParam();
  Game game(c.race);
  for (const char* box : c.ticks) game.Click(box);
  EXPECT_EQ(game["extra"], c.notes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Notes,
    testing::Values(NotesCase{"Human", {}, ""},
                    NotesCase{"Dog", {}, ""},
                    NotesCase{"Ghoul", {}, ""},
                    NotesCase{"Deathclaw", {}, kDeathclawNote},
                    NotesCase{"Gray Deathclaw", {}, kDeathclawNote},
                    NotesCase{"Robot", {}, kRobotNote},
                    NotesCase{"Robot", {"tightnuts", "betasoft"}, kRobotNote + kTightNuts + kBetaSoftware},
                    NotesCase{"Robot", {"betasoft", "tightnuts"}, kRobotNote + kTightNuts + kBetaSoftware},
                    NotesCase{"Human", {"jinx", "fastmet"}, kFastMetabolism + kJinxed},
                    NotesCase{"Robot", {"empshield", "targetcomp"}, kRobotNote + kTargetingComputer + kEmpShielding},
                    NotesCase{"Gray Deathclaw", {"gifted", "fastmet"}, kDeathclawNote + kFastMetabolism + kGifted},
                    NotesCase{"Dog", {"gifted"}, kGifted}));

TEST(NotesBox, AnUntickedTraitsLineGoesAndTheOthersKeepTheirOrder) {
  Game game("Robot");
  game.Click("betasoft");
  game.Click("targetcomp");
  game.Click("betasoft");
  EXPECT_EQ(game["extra"], kRobotNote + kTargetingComputer);
  game.Click("targetcomp");
  EXPECT_EQ(game["extra"], kRobotNote);
}

TEST(NotesBox, ARacePickReplacesTheOldRacesNote) {
  Game game("Robot");
  game.Click("tightnuts");
  game.Pick("Deathclaw");
  EXPECT_EQ(game["extra"], kDeathclawNote);
  game.Pick("Dog");
  EXPECT_EQ(game["extra"], "");
}

}  // namespace
}  // namespace cindral::test
