// The nineteen skill values: each skill's formula over the statistics, the
// tag's twenty points, and the adjustments of the five skill traits.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "player.h"

namespace cindral::test {
namespace {

using Values = std::array<int, 19>;

//                         sma big ene una mel thr fir doc sne loc ste tra sci rep pil spe bar gam out
constexpr Values kAllFives = {25, 10, 10, 50, 40, 20, 20, 15, 20, 20, 15, 20, 20, 15, 20, 25, 20, 25, 20};

TEST(SkillValues, AllFivesShowTheStartingValues) {
  for (const char* race : {"Human", "Ghoul", "Super-Mutant", "Half-Mutant"}) {
    EXPECT_EQ(Player(race).SkillValues(), kAllFives) << race;
  }
}

TEST(SkillValues, EachReadsItsOwnStatistics) {
  Player human;
  MakeMixedHuman(human);  // ST 1, PE 2, EN 3, CH 4, IN 6, AG 7, LU 8
  //                       sma big ene una mel thr fir doc sne loc ste tra sci rep pil spe bar gam out
  const Values expected = {33, 14, 14, 46, 36, 28, 10, 13, 26, 19, 21, 19, 24, 18, 18, 20, 16, 40, 18};
  EXPECT_EQ(human.SkillValues(), expected);
}

// A fresh character of the race with these skills tagged and these traits
// ticked, and the values worked out by hand.
struct SkillCase {
  const char* label;
  const char* race;
  std::vector<const char*> tags;
  std::vector<const char*> traits;
  Values values;
};

void PrintTo(const SkillCase& c, std::ostream* os) { *os << c.label; }

// clang-format off
const SkillCase kSkillCases[] = {
    //                                                                               sma  big  ene una mel thr fir  doc sne loc ste tra sci  rep pil spe bar gam out
    {"RobotStart",          "Robot",        {},                     {},                         {25, 10, 10, 54, 44, 20, 28,  17, 20, 22, 15, 22, 20,  15, 24,  5,  4, 25, 24}},
    {"GoodNatured",         "Human",        {},                     {"goodnature"},             {15,  0,  0, 40, 30, 20, 40,  35, 20, 20, 15, 20, 20,  15, 20, 45, 40, 25, 20}},
    {"GoodNaturedDoctor",   "Human",        {"doctor"},             {"goodnature"},             {15,  0,  0, 40, 30, 20, 40,  55, 20, 20, 15, 20, 20,  15, 20, 45, 40, 25, 20}},
    {"GoodNaturedSkilled",  "Human",        {},                     {"goodnature", "skilled"},  {25, 10, 10, 50, 40, 30, 50,  45, 30, 30, 25, 30, 30,  25, 30, 55, 50, 35, 30}},
    {"GoodNaturedTechWiz",  "Half-Mutant",  {},                     {"goodnature", "techwizard"}, {15,  0,  0, 40, 30, 20, 40,  35, 20, 35, 15, 20, 35,  30, 20, 45, 40, 25, 20}},
    {"TechWizard",          "Human",        {},                     {"techwizard"},             {25, 10, 10, 50, 40, 20, 20,  15, 20, 35, 15, 20, 35,  30, 20, 25, 20, 25, 20}},
    {"Skilled",             "Human",        {},                     {"skilled"},                {35, 20, 20, 60, 50, 30, 30,  25, 30, 30, 25, 30, 30,  25, 30, 35, 30, 35, 30}},
    {"Gifted",              "Human",        {},                     {"gifted"},                 {19,  2,  2, 44, 34, 14, 14,   7, 13, 12,  8, 12, 14,   8, 14, 20, 14, 20, 14}},
    {"GiftedSkilled",       "Human",        {},                     {"gifted", "skilled"},      {29, 12, 12, 54, 44, 24, 24,  17, 23, 22, 18, 22, 24,  18, 24, 30, 24, 30, 24}},
    {"HamFisted",           "Super-Mutant", {},                     {"hamfist"},                { 5, 10, 10, 70, 40, 20,  0,  -5, 20,  0, 15, 20,  0,  -5, 20, 25, 20, 25, 20}},
    {"HamFistedGifted",     "Super-Mutant", {},                     {"hamfist", "gifted"},      {-1,  2,  2, 64, 34, 14, -6, -13, 13, -8,  8, 12, -6, -12, 14, 20, 14, 20, 14}},
    {"HamFistedTechWizard", "Super-Mutant", {},                     {"hamfist", "techwizard"},  { 5, 10, 10, 70, 40, 20,  0,  -5, 20, 15, 15, 20, 15,  10, 20, 25, 20, 25, 20}},
    {"HamFistedTechWizTags","Super-Mutant", {"science", "sneak"},   {"hamfist", "techwizard"},  { 5, 10, 10, 70, 40, 20,  0,  -5, 40, 15, 15, 20, 35,  10, 20, 25, 20, 25, 20}},
    {"ThreeTagsSkilled",    "Ghoul",        {"smallguns", "speech", "outdoorsman"}, {"skilled"}, {55, 20, 20, 60, 50, 30, 30, 25, 30, 30, 25, 30, 30,  25, 30, 55, 30, 35, 50}},
    {"BruiserFinesse",      "Human",        {},                     {"bruiser", "finesse"},     {25, 10, 10, 54, 44, 20, 20,  15, 20, 20, 15, 20, 20,  15, 20, 25, 20, 25, 20}},
};
// clang-format on

class Skills : public testing::TestWithParam<SkillCase> {};

// The values depend on what is tagged and ticked, not on the order.
TEST_P(Skills, AddUpInAnyOrder) {
  const SkillCase& c = GetParam();
  Player forwards(c.race);
  for (const char* tag : c.tags) forwards.Toggle(tag);
  for (const char* trait : c.traits) forwards.Toggle(trait);
  EXPECT_EQ(forwards.SkillValues(), c.values);

  Player backwards(c.race);
  for (auto it = c.traits.rbegin(); it != c.traits.rend(); ++it) backwards.Toggle(*it);
  for (auto it = c.tags.rbegin(); it != c.tags.rend(); ++it) {
    if (!backwards.Ticked(*it)) backwards.Toggle(*it);
  }
  EXPECT_EQ(backwards.SkillValues(), c.values) << "traits first";
}

INSTANTIATE_TEST_SUITE_P(Traits, Skills, testing::ValuesIn(kSkillCases),
                         [](const auto& info) { return std::string(info.param.label); });

// Ham Fisted is a Super-Mutant's trait; the typed race text "Human" then
// lets Perception and Endurance go down to 1: 2 x (1 + 1) - 20 for First
// Aid, 5 + 1 + 5 - 20 for Doctor, and Gifted's -10 on top.
TEST(SkillValues, NoValueHasAFloor) {
  Player mutant("Super-Mutant");
  mutant.Toggle("hamfist");
  mutant.Type("Human");
  mutant.Set("pe", 1);
  mutant.Set("en", 1);
  EXPECT_EQ(mutant["fir"], "-16%");
  EXPECT_EQ(mutant["doc"], "-9%");
  mutant.Toggle("gifted");
  mutant.Set("pe", 1);
  mutant.Set("en", 1);
  EXPECT_EQ(mutant["fir"], "-26%");
}

TEST(SkillValues, NoValueHasACeiling) {
  Player claw("Deathclaw");
  claw.LowerAllBut({"st", "ag"});
  claw.Set("st", 14);
  claw.Set("ag", 16);
  EXPECT_EQ(claw["una"], "90%");
  claw.Toggle("unarmed");
  EXPECT_EQ(claw["una"], "110%");
  EXPECT_EQ(claw["mel"], "80%");
  EXPECT_EQ(claw["sma"], "69%");
}

}  // namespace
}  // namespace cindral::test
