// The nineteen skill values and the tag boxes: formulas, trait
// adjustments, the tag allowance, Ham Fisted's forced tag and Beta
// Software's extra tag.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "skill_values.h"

namespace cindral::etest {
namespace {

// The value fields and tag boxes in the order the window lists the skills.
constexpr std::array<std::string_view, 19> kValues = {"sma", "big", "ene", "una", "mel", "thr", "fir",
                                                      "doc", "sne", "loc", "ste", "tra", "sci", "rep",
                                                      "pil", "spe", "bar", "gam", "out"};
constexpr std::array<std::string_view, 19> kTagBoxes = {
    "smallguns", "bigguns", "energyweapons", "unarmed", "melee",  "throwing", "firstaid",
    "doctor",    "sneak",   "lockpick",      "steal",   "traps",  "science",  "repair",
    "pilot",     "speech",  "barter",        "gambling", "outdoorsman"};

using Values = std::array<int, 19>;

// All seven statistics at 5, nothing tagged, no trait.
constexpr Values kAllFive = {25, 10, 10, 50, 40, 20, 20, 15, 20, 20, 15, 20, 20, 15, 20, 25, 20, 25, 20};

void ExpectValues(const Player& player, const Values& expected) {
  for (std::size_t i = 0; i < kValues.size(); ++i)
    EXPECT_EQ(player[kValues[i]], std::to_string(expected[i]) + "%") << kValues[i];
}

struct SkillCase {
  const char* label;
  const char* race;
  std::vector<const char*> tags;
  std::vector<const char*> traits;
  Values expected;
};

void PrintTo(const SkillCase& c, std::ostream* os) { *os << c.label; }

const std::vector<SkillCase> kSkillCases = {
    //                                                                  sma big ene una mel thr fir doc sne loc ste tra sci rep pil spe bar gam out
    {"AllFive", "Human", {}, {}, kAllFive},
    {"RobotStart", "Robot", {}, {}, {25, 10, 10, 54, 44, 20, 28, 17, 20, 22, 15, 22, 20, 15, 24, 5, 4, 25, 24}},
    {"GoodNatured", "Human", {}, {"goodnature"}, {15, 0, 0, 40, 30, 20, 40, 35, 20, 20, 15, 20, 20, 15, 20, 45, 40, 25, 20}},
    {"GoodNaturedDoctorTagged", "Human", {"doctor"}, {"goodnature"}, {15, 0, 0, 40, 30, 20, 40, 55, 20, 20, 15, 20, 20, 15, 20, 45, 40, 25, 20}},
    {"TechWizard", "Human", {}, {"techwizard"}, {25, 10, 10, 50, 40, 20, 20, 15, 20, 35, 15, 20, 35, 30, 20, 25, 20, 25, 20}},
    {"Skilled", "Human", {}, {"skilled"}, {35, 20, 20, 60, 50, 30, 30, 25, 30, 30, 25, 30, 30, 25, 30, 35, 30, 35, 30}},
    {"Gifted", "Human", {}, {"gifted"}, {19, 2, 2, 44, 34, 14, 14, 7, 13, 12, 8, 12, 14, 8, 14, 20, 14, 20, 14}},
    {"GiftedSkilledCancel", "Human", {}, {"gifted", "skilled"}, {29, 12, 12, 54, 44, 24, 24, 17, 23, 22, 18, 22, 24, 18, 24, 30, 24, 30, 24}},
    {"GoodNaturedTechWizard", "Half-Mutant", {}, {"goodnature", "techwizard"}, {15, 0, 0, 40, 30, 20, 40, 35, 20, 35, 15, 20, 35, 30, 20, 45, 40, 25, 20}},
    {"HamFisted", "Super-Mutant", {}, {"hamfist"}, {5, 10, 10, 70, 40, 20, 0, -5, 20, 0, 15, 20, 0, -5, 20, 25, 20, 25, 20}},
    {"HamFistedGifted", "Super-Mutant", {}, {"hamfist", "gifted"}, {-1, 2, 2, 64, 34, 14, -6, -13, 13, -8, 8, 12, -6, -12, 14, 20, 14, 20, 14}},
    {"HamFistedTechWizardTags", "Super-Mutant", {"science", "sneak"}, {"hamfist", "techwizard"}, {5, 10, 10, 70, 40, 20, 0, -5, 40, 15, 15, 20, 35, 10, 20, 25, 20, 25, 20}},
    {"ThreeTagsSkilled", "Ghoul", {"smallguns", "speech", "outdoorsman"}, {"skilled"}, {55, 20, 20, 60, 50, 30, 30, 25, 30, 30, 25, 30, 30, 25, 30, 55, 30, 35, 50}},
};

class SkillFormula : public ::testing::TestWithParam<SkillCase> {};

TEST_P(SkillFormula, EachValueIsItsFormulaPlusTheTraitsAdjustments) {
  const SkillCase& c = GetParam();
  Player player(c.race);
  for (const char* tag : c.tags) player.Toggle(tag);
  for (const char* trait : c.traits) player.Toggle(trait);
  ExpectValues(player, c.expected);
}

TEST_P(SkillFormula, TheSameCharacterReachedInTheOtherOrderShowsTheSameValues) {
  const SkillCase& c = GetParam();
  Player player(c.race);
  for (auto it = c.traits.rbegin(); it != c.traits.rend(); ++it) player.Toggle(*it);
  for (auto it = c.tags.rbegin(); it != c.tags.rend(); ++it)
    if (!player.Ticked(*it)) player.Toggle(*it);
  ExpectValues(player, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SkillFormula, ::testing::ValuesIn(kSkillCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(SkillTagging, EachTagAddsTwentyToItsSkillAloneAndTheUntickTakesItBack) {
  for (std::size_t tagged = 0; tagged < kTagBoxes.size(); ++tagged) {
    SCOPED_TRACE(kTagBoxes[tagged]);
    Player human;
    human.Toggle(kTagBoxes[tagged]);
    Values expected = kAllFive;
    expected[tagged] += 20;
    ExpectValues(human, expected);
    EXPECT_EQ(human["tags"], "2");
    human.Toggle(kTagBoxes[tagged]);
    ExpectValues(human, kAllFive);
    EXPECT_EQ(human["tags"], "3");
  }
}

// No race with Ham Fisted can lower PE and EN to 1 with the buttons, so the
// statistics are written straight into the sheet before the skills are
// worked out again.
TEST(SkillTagging, HamFistedGoesBelowZeroWithoutAFloor) {
  Player mutant("Super-Mutant");
  mutant.Toggle("hamfist");
  mutant.sheet().SetText(Field::pe, "1");
  mutant.sheet().SetText(Field::en, "1");
  UpdateSkills(mutant.sheet());
  EXPECT_EQ(mutant["fir"], "-16%");
  mutant.Toggle("gifted");
  mutant.sheet().SetText(Field::pe, "1");
  mutant.sheet().SetText(Field::en, "1");
  UpdateSkills(mutant.sheet());
  EXPECT_EQ(mutant["fir"], "-26%");
}

TEST(SkillTagging, NoValueIsCappedUnarmedReachesOneHundredTen) {
  Player claw("Deathclaw");
  for (const char* stat : {"pe", "en", "ch", "intel", "lu"}) claw.Set(stat, stat == std::string("pe") ? 4 : 1);
  claw.Set("st", 14);
  claw.Set("ag", 16);
  EXPECT_EQ(claw["una"], "90%");
  claw.Toggle("unarmed");
  EXPECT_EQ(claw["una"], "110%");
  EXPECT_EQ(claw["mel"], "80%");
}

TEST(SkillTagging, ThreeTicksCloseTheSixteenOthersAndAnUntickOpensAllNineteen) {
  Player human;
  const char* ticked[] = {"lockpick", "barter", "outdoorsman"};
  const char* shown[] = {"2", "1", "0"};
  for (int i = 0; i < 3; ++i) {
    human.Toggle(ticked[i]);
    EXPECT_EQ(human["tags"], shown[i]);
  }
  for (const auto box : kTagBoxes) {
    const bool isTicked = box == "lockpick" || box == "barter" || box == "outdoorsman";
    EXPECT_EQ(human.Enabled(box), isTicked) << box;
  }
  human.engine().Click("smallguns");
  EXPECT_FALSE(human.Ticked("smallguns"));
  EXPECT_EQ(human["tags"], "0");
  EXPECT_EQ(human["sma"], "25%");

  human.Toggle("barter");
  EXPECT_EQ(human["tags"], "1");
  for (const auto box : kTagBoxes) EXPECT_TRUE(human.Enabled(box)) << box;
}

TEST(SkillTagging, HamFistedWithNoTagLeftDrivesTagsLeftToMinusOne) {
  Player mutant("Super-Mutant");
  for (const char* tag : {"smallguns", "doctor", "traps"}) mutant.Toggle(tag);
  EXPECT_FALSE(mutant.Enabled("unarmed"));
  mutant.Toggle("hamfist");
  EXPECT_EQ(mutant["tags"], "-1");
  EXPECT_TRUE(mutant.Ticked("unarmed"));
  EXPECT_FALSE(mutant.Enabled("unarmed"));
  EXPECT_EQ(mutant["una"], "70%");
  EXPECT_FALSE(mutant.Enabled("melee"));

  mutant.Toggle("traps");
  EXPECT_EQ(mutant["tags"], "0");
  EXPECT_FALSE(mutant.Enabled("traps"));
  EXPECT_FALSE(mutant.Enabled("melee"));
  mutant.Toggle("doctor");
  EXPECT_EQ(mutant["tags"], "1");
  for (const auto box : kTagBoxes) EXPECT_TRUE(mutant.Enabled(box)) << box;
}

TEST(SkillTagging, UntickingUnarmedWhileHamFistedIsTickedTagsItAgain) {
  Player mutant("Super-Mutant");
  mutant.Toggle("hamfist");
  mutant.Toggle("pilot");
  EXPECT_EQ(mutant["tags"], "1");
  EXPECT_TRUE(mutant.Enabled("unarmed"));
  mutant.Click("unarmed");
  EXPECT_TRUE(mutant.Ticked("unarmed"));
  EXPECT_EQ(mutant["tags"], "1");
  EXPECT_EQ(mutant["una"], "70%");
}

TEST(SkillTagging, UntickingHamFistedLeavesUnarmedTagged) {
  Player mutant("Super-Mutant");
  mutant.Toggle("hamfist");
  EXPECT_EQ(mutant["tags"], "2");
  mutant.Toggle("hamfist");
  EXPECT_TRUE(mutant.Ticked("unarmed"));
  EXPECT_EQ(mutant["tags"], "2");
  EXPECT_EQ(mutant["traits"], "2");
  EXPECT_EQ(mutant["una"], "70%");
  EXPECT_EQ(mutant["sma"], "25%");
  mutant.Toggle("unarmed");
  EXPECT_EQ(mutant["tags"], "3");
  EXPECT_EQ(mutant["una"], "50%");
}

TEST(SkillTagging, ARaceChangeFreesEveryTagAndTakesEveryBonusAway) {
  Player human;
  for (const char* tag : {"speech", "gambling", "science"}) human.Toggle(tag);
  human.Pick("Ghoul");
  for (const auto box : kTagBoxes) {
    EXPECT_FALSE(human.Ticked(box)) << box;
    EXPECT_TRUE(human.Enabled(box)) << box;
  }
  EXPECT_EQ(human["tags"], "3");
  ExpectValues(human, kAllFive);
}

TEST(SkillTagging, ARaceChangeAfterHamFistedFreesUnarmedToo) {
  Player mutant("Super-Mutant");
  for (const char* tag : {"smallguns", "doctor", "traps"}) mutant.Toggle(tag);
  mutant.Toggle("hamfist");
  mutant.Pick("Super-Mutant");
  EXPECT_FALSE(mutant.Ticked("unarmed"));
  EXPECT_FALSE(mutant.Ticked("hamfist"));
  EXPECT_EQ(mutant["tags"], "3");
  EXPECT_EQ(mutant["traits"], "2");
  ExpectValues(mutant, kAllFive);
}

TEST(BetaSoftware, GivesARobotAFourthTagAndTakesOnlyTheCounterBack) {
  Player robot("Robot");
  for (const char* tag : {"science", "repair", "lockpick"}) robot.Toggle(tag);
  EXPECT_EQ(robot["tags"], "0");
  EXPECT_FALSE(robot.Enabled("traps"));
  robot.Toggle("betasoft");
  EXPECT_EQ(robot["tags"], "1");
  for (const auto box : kTagBoxes) EXPECT_TRUE(robot.Enabled(box)) << box;
  robot.Toggle("traps");
  EXPECT_EQ(robot["tags"], "0");
  EXPECT_FALSE(robot.Enabled("pilot"));
  robot.Toggle("betasoft");
  EXPECT_EQ(robot["tags"], "-1");
  EXPECT_EQ(robot["traits"], "2");
  for (const char* tag : {"science", "repair", "lockpick", "traps"}) EXPECT_TRUE(robot.Ticked(tag)) << tag;
  EXPECT_EQ(robot["tra"], "42%");
  EXPECT_FALSE(robot.Enabled("pilot"));
  robot.Toggle("traps");
  EXPECT_EQ(robot["tags"], "0");
  robot.Toggle("repair");
  EXPECT_EQ(robot["tags"], "1");
  for (const auto box : kTagBoxes) EXPECT_TRUE(robot.Enabled(box)) << box;
}

TEST(BetaSoftware, TickedWithTagsToSpareItRaisesTheCounterOnly) {
  Player robot("Robot");
  robot.Toggle("betasoft");
  EXPECT_EQ(robot["tags"], "4");
  EXPECT_EQ(robot["traits"], "1");
  ExpectValues(robot, {25, 10, 10, 54, 44, 20, 28, 17, 20, 22, 15, 22, 20, 15, 24, 5, 4, 25, 24});
  robot.Pick("Robot");
  EXPECT_EQ(robot["tags"], "3");
  EXPECT_FALSE(robot.Ticked("betasoft"));
}

}  // namespace
}  // namespace cindral::etest
