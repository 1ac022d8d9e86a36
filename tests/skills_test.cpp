// The nineteen skill values and the skill tags.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "skill_tags.h"

namespace cindral::test {
namespace {

struct SkillNames {
  const char* tagBox;
  const char* value;
};

constexpr SkillNames kSkills[] = {
    {"smallguns", "sma"}, {"bigguns", "big"},   {"energyweapons", "ene"}, {"unarmed", "una"}, {"melee", "mel"},
    {"throwing", "thr"},  {"firstaid", "fir"},  {"doctor", "doc"},        {"sneak", "sne"},   {"lockpick", "loc"},
    {"steal", "ste"},     {"traps", "tra"},     {"science", "sci"},       {"repair", "rep"},  {"pilot", "pil"},
    {"speech", "spe"},    {"barter", "bar"},    {"gambling", "gam"},      {"outdoorsman", "out"},
};
using SkillValues = std::array<int, 19>;

SkillValues ShownSkills(const Game& game) {
  SkillValues values{};
  for (std::size_t s = 0; s < 19; ++s) {
    const std::string text = game[kSkills[s].value];
    EXPECT_EQ(text.back(), '%') << kSkills[s].value << " shows " << text;
    values[s] = std::stoi(text);
  }
  return values;
}

int EnabledTagBoxes(const Game& game) {
  int enabled = 0;
  for (const SkillNames& skill : kSkills) enabled += game.Enabled(skill.tagBox);
  return enabled;
}

//                                sma big ene una mel thr fir doc sne loc ste tra sci rep pil spe bar gam out
constexpr SkillValues kAllFives = {25, 10, 10, 50, 40, 20, 20, 15, 20, 20, 15, 20, 20, 15, 20, 25, 20, 25, 20};

TEST(SkillValues, ACharacterOfAllFivesShowsTheStartingValues) {
  Game game;
  EXPECT_EQ(ShownSkills(game), kAllFives);
  for (const char* race : {"Ghoul", "Super-Mutant", "Half-Mutant"}) EXPECT_EQ(ShownSkills(Game(race)), kAllFives);
}

TEST(SkillValues, EachFormulaReadsItsOwnStatistics) {
  Game game;
  MakeMixedHuman(game);  // ST 1, PE 2, EN 3, CH 4, IN 6, AG 7, LU 8
  const SkillValues expected = {33, 14, 14, 46, 36, 28, 10, 13, 26, 19, 21, 19, 24, 18, 18, 20, 16, 40, 18};
  EXPECT_EQ(ShownSkills(game), expected);
}

TEST(SkillTags, TaggingASkillAddsTwentyToItAlone) {
  Game game;
  MakeMixedHuman(game);
  const SkillValues untagged = ShownSkills(game);
  for (std::size_t s = 0; s < 19; ++s) {
    game.Click(kSkills[s].tagBox);
    SkillValues expected = untagged;
    expected[s] += 20;
    EXPECT_EQ(ShownSkills(game), expected) << kSkills[s].tagBox;
    EXPECT_EQ(game["tags"], "2") << kSkills[s].tagBox;
    game.Click(kSkills[s].tagBox);
    EXPECT_EQ(ShownSkills(game), untagged) << kSkills[s].tagBox;
    EXPECT_EQ(game["tags"], "3") << kSkills[s].tagBox;
  }
}

// The skill values with these traits ticked (and, for Doctor, a tag) on a
// fresh character of the race.
struct TraitSkills {
  const char* race;
  std::vector<const char*> ticks;
  SkillValues values;
};

class SkillTraitAdjustments : public testing::TestWithParam<TraitSkills> {};

TEST_P(SkillTraitAdjustments, AddUpOverTheTickedTraits) {
  const TraitSkills& c = GetParam();
  Game game(c.race);
  for (const char* box : c.ticks) game.Click(box);
  EXPECT_EQ(ShownSkills(game), c.values);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Traits, SkillTraitAdjustments, testing::Values(
    //                                                         sma big ene una mel thr fir doc sne loc ste tra sci rep pil spe bar gam out
    TraitSkills{"Human",        {"goodnature"},             {{15,  0,  0, 40, 30, 20, 40, 35, 20, 20, 15, 20, 20, 15, 20, 45, 40, 25, 20}}},
    TraitSkills{"Human",        {"goodnature", "doctor"},   {{15,  0,  0, 40, 30, 20, 40, 55, 20, 20, 15, 20, 20, 15, 20, 45, 40, 25, 20}}},
    TraitSkills{"Super-Mutant", {"hamfist"},                {{ 5, 10, 10, 70, 40, 20,  0, -5, 20,  0, 15, 20,  0, -5, 20, 25, 20, 25, 20}}},
    TraitSkills{"Super-Mutant", {"hamfist", "techwizard"},  {{ 5, 10, 10, 70, 40, 20,  0, -5, 20, 15, 15, 20, 15, 10, 20, 25, 20, 25, 20}}},
    TraitSkills{"Human",        {"gifted"},                 {{19,  2,  2, 44, 34, 14, 14,  7, 13, 12,  8, 12, 14,  8, 14, 20, 14, 20, 14}}},
    TraitSkills{"Human",        {"techwizard"},             {{25, 10, 10, 50, 40, 20, 20, 15, 20, 35, 15, 20, 35, 30, 20, 25, 20, 25, 20}}},
    TraitSkills{"Human",        {"skilled"},                {{35, 20, 20, 60, 50, 30, 30, 25, 30, 30, 25, 30, 30, 25, 30, 35, 30, 35, 30}}},
    TraitSkills{"Human",        {"gifted", "skilled"},      {{29, 12, 12, 54, 44, 24, 24, 17, 23, 22, 18, 22, 24, 18, 24, 30, 24, 30, 24}}},
    TraitSkills{"Human",        {"goodnature", "skilled"},  {{25, 10, 10, 50, 40, 30, 50, 45, 30, 30, 25, 30, 30, 25, 30, 55, 50, 35, 30}}},
    TraitSkills{"Human",        {"bruiser", "finesse"},     {{25, 10, 10, 54, 44, 20, 20, 15, 20, 20, 15, 20, 20, 15, 20, 25, 20, 25, 20}}}));
// clang-format on

TEST(SkillValues, NoValueHasAFloor) {
  // Ham Fisted is a Super-Mutant's trait; the typed race text "Human" then
  // lets Perception and Endurance go down to 1.
  Game game("Super-Mutant");
  game.Click("hamfist");
  game.Type("Human");
  game.Set("pe", 1);
  game.Set("en", 1);
  EXPECT_EQ(game["fir"], "-16%");
  EXPECT_EQ(game["doc"], "-9%");
  game.Click("gifted");
  game.Set("pe", 1);
  game.Set("en", 1);
  EXPECT_EQ(game["fir"], "-26%");
}

TEST(SkillValues, NoValueHasACeiling) {
  Game game("Deathclaw");
  game.LowerAllBut({"st", "ag"});
  game.Set("st", 14);
  game.Set("ag", 16);
  game.Click("unarmed");
  EXPECT_EQ(game["una"], "110%");
  EXPECT_EQ(game["mel"], "80%");
  EXPECT_EQ(game["sma"], "69%");
}

TEST(SkillTags, ThreeTagsCloseTheSixteenOtherBoxesAndAnUntickOpensThemAll) {
  Game game;
  game.Click("smallguns");
  EXPECT_EQ(game["tags"], "2");
  game.Click("sneak");
  EXPECT_EQ(game["tags"], "1");
  EXPECT_EQ(EnabledTagBoxes(game), 19);
  game.Click("doctor");
  EXPECT_EQ(game["tags"], "0");
  EXPECT_EQ(EnabledTagBoxes(game), 3);
  for (const char* ticked : {"smallguns", "sneak", "doctor"}) EXPECT_TRUE(game.Enabled(ticked)) << ticked;

  const Snapshot closed = TakeSnapshot(game.sheet());
  game.engine().Click("barter");
  EXPECT_EQ(Changes(closed, TakeSnapshot(game.sheet())), "");

  game.Click("sneak");
  EXPECT_EQ(game["tags"], "1");
  EXPECT_EQ(EnabledTagBoxes(game), 19);
}

TEST(SkillTags, HamFistedTagsUnarmedEvenWithNoTagLeft) {
  Game game("Super-Mutant");
  game.Click("smallguns");
  game.Click("sneak");
  game.Click("doctor");
  game.Click("hamfist");
  EXPECT_EQ(game["unarmed"], "1");
  EXPECT_EQ(game["tags"], "-1");
  EXPECT_FALSE(game.Enabled("unarmed"));
  EXPECT_EQ(game["una"], "70%");
  EXPECT_EQ(EnabledTagBoxes(game), 3);

  game.Click("sneak");
  EXPECT_EQ(game["tags"], "0");
  EXPECT_FALSE(game.Enabled("sneak"));
  EXPECT_EQ(EnabledTagBoxes(game), 2);
  game.Click("smallguns");
  EXPECT_EQ(game["tags"], "1");
  EXPECT_EQ(EnabledTagBoxes(game), 19);

  // Unarmed given back is taken again by Ham Fisted at once.
  game.Click("unarmed");
  EXPECT_EQ(game["unarmed"], "1");
  EXPECT_EQ(game["tags"], "1");
  EXPECT_EQ(game["una"], "70%");

  // The trait goes, the tag stays until the player takes it off.
  game.Click("hamfist");
  EXPECT_EQ(game["traits"], "2");
  EXPECT_EQ(game["unarmed"], "1");
  EXPECT_EQ(game["tags"], "1");
  EXPECT_EQ(game["una"], "70%");
  game.Click("unarmed");
  EXPECT_EQ(game["unarmed"], "0");
  EXPECT_EQ(game["tags"], "2");
  EXPECT_EQ(game["una"], "50%");
}

TEST(SkillTags, HamFistedTakesNoSecondTagWhenUnarmedIsTaggedAlready) {
  Game game("Super-Mutant");
  game.Click("unarmed");
  game.Click("hamfist");
  EXPECT_EQ(game["tags"], "2");
  EXPECT_EQ(game["una"], "70%");
  game.Click("hamfist");
  EXPECT_EQ(game["tags"], "2");
  EXPECT_EQ(game["unarmed"], "1");
}

TEST(SkillTags, ARacePickFreesEveryTag) {
  Game game("Super-Mutant");
  game.Click("smallguns");
  game.Click("sneak");
  game.Click("doctor");
  game.Click("hamfist");
  ASSERT_EQ(game["tags"], "-1");
  game.Pick("Human");
  EXPECT_EQ(game["tags"], "3");
  EXPECT_EQ(EnabledTagBoxes(game), 19);
  for (const SkillNames& skill : kSkills) EXPECT_EQ(game[skill.tagBox], "0") << skill.tagBox;
  EXPECT_EQ(ShownSkills(game), kAllFives);
}

// The walk gives every tag back through the boxes' own handling; the
// counter then starts again at 3 whatever it read.
TEST(SkillTags, ResettingTheTagsEndsAtThreeWhateverTheCounterSaid) {
  Game game;
  game.Click("sneak");
  game.sheet().SetText(Field::tags, "-4");
  ResetTags(game.sheet());
  EXPECT_EQ(game["tags"], "3");
  EXPECT_EQ(game["sneak"], "0");
  EXPECT_EQ(game["sne"], "20%");
}

TEST(SkillTags, BetaSoftwareGivesARobotAFourthTagAndTakesOnlyTheCountBack) {
  Game game("Robot");
  game.Click("smallguns");
  game.Click("bigguns");
  game.Click("sneak");
  ASSERT_EQ(game["tags"], "0");
  ASSERT_EQ(EnabledTagBoxes(game), 3);
  game.Click("betasoft");
  EXPECT_EQ(game["tags"], "1");
  EXPECT_EQ(EnabledTagBoxes(game), 19);
  game.Click("repair");
  EXPECT_EQ(game["tags"], "0");
  EXPECT_EQ(EnabledTagBoxes(game), 4);
  game.Click("betasoft");
  EXPECT_EQ(game["tags"], "-1");
  EXPECT_EQ(EnabledTagBoxes(game), 4);
  for (const char* tagged : {"smallguns", "bigguns", "sneak", "repair"}) EXPECT_EQ(game[tagged], "1") << tagged;
  // ST 7 PE 7 EN 7 CH 1 IN 5 AG 5 LU 5, four skills tagged.
  EXPECT_EQ(game["sma"], "45%");
  EXPECT_EQ(game["big"], "30%");
  EXPECT_EQ(game["sne"], "40%");
  EXPECT_EQ(game["rep"], "35%");
  EXPECT_EQ(game["ene"], "10%");
}

}  // namespace
}  // namespace cindral::test
