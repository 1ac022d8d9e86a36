// The rules as a player meets them: every case starts the program and
// acts through the same events the window sends.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "events.h"
#include "help_texts.h"
#include "number_text.h"
#include "race_selection.h"
#include "secondary_stats.h"

namespace cindral {
namespace {

struct Game {
  Engine engine;
  Game() { engine.Start(); }
  std::string operator[](std::string_view name) const { return engine.sheet().TextByName(name); }
  void Click(std::string_view name, int times = 1) {
    for (int i = 0; i < times; ++i) engine.Click(name);
  }
  bool Enabled(std::string_view name) const { return engine.sheet().Enabled(*FindBox(name)); }
};

TEST(NumberText, WholeNumbersShowAsBareDigitsAndReadBack) {
  EXPECT_EQ(TextFromNumber(5), "5");
  EXPECT_EQ(TextFromNumber(-1), "-1");
  EXPECT_EQ(TextFromNumber(0), "0");
  EXPECT_EQ(TextFromNumber(-0.0), "0");
  EXPECT_EQ(TextFromNumber(175), "175");
  EXPECT_EQ(TextFromNumber(0.5), "0.5");
  EXPECT_EQ(TextFromNumber(-2.25), "-2.25");
  EXPECT_EQ(NumberFromText("5"), 5);
  EXPECT_EQ(NumberFromText("-3"), -3);
  EXPECT_EQ(NumberFromText(" 7 "), 7);
  for (double x = -1000; x <= 1000; x += 0.25) EXPECT_EQ(NumberFromText(TextFromNumber(x)), x);
}

TEST(NumberText, ATextThatIsNoNumberReadsItsLeadingNumberOrZero) {
  EXPECT_EQ(NumberFromText("25%"), 25);
  EXPECT_EQ(NumberFromText("0/40"), 0);
  EXPECT_EQ(NumberFromText(""), 0);
  EXPECT_EQ(NumberFromText("abc"), 0);
  EXPECT_EQ(NumberFromText("-"), 0);
  EXPECT_TRUE(std::isinf(NumberFromText(std::string(400, '9'))));
}

// Each race's row and what the recomputation makes of it.
struct RaceCase {
  const char* race;
  const char* st;
  const char* intel;
  const char* chpoint;
  const char* perkrate;
  const char* gres;
  const char* hp;
  const char* md;
  const char* dres;
  const char* pres;
  const char* rres;
  const char* eres;
  const char* hprate;
  const char* notePrefix;
};

class RaceStart : public testing::TestWithParam<RaceCase> {};

TEST_P(RaceStart, PickingARaceWritesItsRowAndRecomputes) {
  const RaceCase& c = GetParam();
  Game game;
  game.Click("stplu");
  game.engine.PickRace(c.race);
  EXPECT_EQ(game["st"], c.st);
  EXPECT_EQ(game["intel"], c.intel);
  EXPECT_EQ(game["chpoint"], c.chpoint);
  EXPECT_EQ(game["perkrate"], c.perkrate);
  EXPECT_EQ(game["gres"], c.gres);
  EXPECT_EQ(game["hp"], c.hp);
  EXPECT_EQ(game["md"], c.md);
  EXPECT_EQ(game["dres"], c.dres);
  EXPECT_EQ(game["pres"], c.pres);
  EXPECT_EQ(game["rres"], c.rres);
  EXPECT_EQ(game["eres"], c.eres);
  EXPECT_EQ(game["hprate"], c.hprate);
  EXPECT_EQ(game["extra"].substr(0, std::string_view(c.notePrefix).size()), c.notePrefix);
  if (std::string_view(c.notePrefix).empty()) {
    EXPECT_EQ(game["extra"], "");
  }
  EXPECT_EQ(game["tags"], "3");
  EXPECT_EQ(game["traits"], "2");
}

INSTANTIATE_TEST_SUITE_P(
    EveryRace, RaceStart,
    testing::Values(
        //        race              ST   IN   pool perk gas    HP    MD   DR     PR     RR     ER     HPR  note
        RaceCase{"Human",          "5", "5", "5", "3", "0/0",  "30", "1", "0%",  "25%", "10%", "30%", "6", ""},
        RaceCase{"Ghoul",          "5", "5", "5", "4", "0/0",  "30", "1", "0%",  "55%", "90%", "0%",  "6", ""},
        RaceCase{"Super-Mutant",   "5", "5", "5", "4", "0/0",  "30", "1", "25%", "45%", "60%", "0%",  "8", ""},
        RaceCase{"Half-Mutant",    "5", "5", "5", "3", "0/0",  "30", "1", "0%",  "40%", "25%", "0%",  "6", ""},
        RaceCase{"Deathclaw",      "6", "4", "7", "4", "0/40", "31", "6", "40%", "25%", "10%", "0%",  "8", "Deathclaws have"},
        RaceCase{"Gray Deathclaw", "6", "5", "6", "4", "0/40", "31", "6", "40%", "25%", "10%", "0%",  "8", "Deathclaws have"},
        RaceCase{"Dog",            "5", "3", "7", "2", "0/0",  "30", "1", "0%",  "25%", "10%", "50%", "6", ""},
        RaceCase{"Robot",          "7", "5", "3", "0", "0/0",  "36", "2", "40%", "35%", "14%", "0%",  "6", "Robots have"}));

TEST(SecondaryStats, AHumanOfAllFivesHasTheseValues) {
  Game game;
  const std::pair<const char*, const char*> expected[] = {
      {"hp", "30"}, {"ac", "5"}, {"md", "1"}, {"bd", "0%"}, {"dres", "0%"}, {"pres", "25%"}, {"rres", "10%"},
      {"eres", "30%"}, {"ap", "7"}, {"carrywt", "150"}, {"hr", "2"}, {"cc", "5%"}, {"seq", "10"},
      {"skillrate", "15"}, {"hprate", "6"}};
  for (const auto& [field, value] : expected) EXPECT_EQ(game[field], value) << field;
}

// Limits at the races' edges: a click past a limit changes nothing.
TEST(StatAllocation, ClicksStopAtTheRacesLimitsAndThePool) {
  Game human;
  human.Click("stplu", 6);
  EXPECT_EQ(human["st"], "10");
  EXPECT_EQ(human["chpoint"], "0");
  human.Click("peplu");
  EXPECT_EQ(human["pe"], "5");
  for (const char* minus : {"stmin", "pemin", "enmin", "chmin", "inmin", "agmin", "lumin"}) human.Click(minus, 12);
  EXPECT_EQ(human["chpoint"], "33");

  Game deathclaw;
  deathclaw.engine.PickRace("Deathclaw");
  deathclaw.Click("agmin");
  EXPECT_EQ(deathclaw["ag"], "5");
  deathclaw.Click("agplu", 2);
  EXPECT_EQ(deathclaw["ag"], "7");
  EXPECT_EQ(deathclaw["chpoint"], "5");
  deathclaw.Click("agmin", 2);
  EXPECT_EQ(deathclaw["ag"], "6");
  EXPECT_EQ(deathclaw["chpoint"], "6");

  Game robot;
  robot.engine.PickRace("Robot");
  for (const char* refused : {"chplu", "chmin", "luplu", "lumin", "stmin", "pemin", "enmin"}) robot.Click(refused);
  EXPECT_EQ(robot["ch"], "1");
  EXPECT_EQ(robot["lu"], "5");
  EXPECT_EQ(robot["st"], "7");
  EXPECT_EQ(robot["chpoint"], "3");

  Game dog;
  dog.engine.PickRace("Dog");
  dog.Click("inplu");
  dog.Click("chplu");
  EXPECT_EQ(dog["intel"], "3");
  EXPECT_EQ(dog["ch"], "5");
  EXPECT_EQ(dog["chpoint"], "7");
}

TEST(SecondaryStats, HpRateRoundsHalvesToEven) {
  // EN from 1 to 10 on a Human: 3.5 4 4.5 5 5.5 6 6.5 7 7.5 8.
  const char* expected[] = {"4", "4", "4", "5", "6", "6", "6", "7", "8", "8"};
  Game game;
  game.Click("enmin", 4);
  for (int en = 1; en <= 10; ++en) {
    EXPECT_EQ(game["hprate"], expected[en - 1]) << "EN " << en;
    game.Click("stmin");  // keep points in the pool
    game.Click("enplu");
  }
}

TEST(Skills, TagsAndTraitsMoveTheRightSkills) {
  Game game;
  game.Click("doctor");
  EXPECT_EQ(game["doc"], "35%");
  EXPECT_EQ(game["fir"], "20%");
  game.Click("goodnature");
  EXPECT_EQ(game["doc"], "55%");
  EXPECT_EQ(game["sma"], "15%");
  game.Click("goodnature");
  game.Click("gifted");
  game.Click("skilled");
  EXPECT_EQ(game["sma"], "29%");  // AG 6 with Gifted, -10 +10
  EXPECT_EQ(game["perkrate"], "4");
}

TEST(Skills, HamFistedTagsUnarmedEvenWithNoTagLeft) {
  Game game;
  game.engine.PickRace("Super-Mutant");
  game.Click("smallguns");
  game.Click("sneak");
  game.Click("doctor");
  game.Click("hamfist");
  EXPECT_EQ(game["unarmed"], "1");
  EXPECT_EQ(game["tags"], "-1");
  EXPECT_FALSE(game.Enabled("unarmed"));
  EXPECT_EQ(game["una"], "70%");
  game.Click("sneak");
  EXPECT_EQ(game["tags"], "0");
  EXPECT_FALSE(game.Enabled("sneak"));
  game.Click("smallguns");
  EXPECT_EQ(game["tags"], "1");
  EXPECT_TRUE(game.Enabled("bigguns"));
  game.Click("unarmed");  // given back and taken again at once
  EXPECT_EQ(game["unarmed"], "1");
  EXPECT_EQ(game["tags"], "1");
  game.Click("hamfist");
  EXPECT_EQ(game["unarmed"], "1");
  EXPECT_EQ(game["tags"], "1");
}

TEST(Traits, BetaSoftwareGivesARobotAFourthTag) {
  Game game;
  game.engine.PickRace("Robot");
  game.Click("smallguns");
  game.Click("bigguns");
  game.Click("sneak");
  EXPECT_FALSE(game.Enabled("repair"));
  game.Click("betasoft");
  EXPECT_EQ(game["tags"], "1");
  EXPECT_TRUE(game.Enabled("repair"));
  game.Click("repair");
  EXPECT_EQ(game["tags"], "0");
  game.Click("betasoft");
  EXPECT_EQ(game["tags"], "-1");
  for (const char* tagged : {"smallguns", "bigguns", "sneak", "repair"}) EXPECT_EQ(game[tagged], "1");
}

TEST(Traits, ARaceChangeUnticksTraitsInTraitOrder) {
  Game game;
  game.Click("finesse");
  game.Click("sexappeal");
  game.engine.PickRace("Ghoul");
  EXPECT_EQ(game["finesse"], "0");
  EXPECT_EQ(game["sexappeal"], "0");
  EXPECT_EQ(game["traits"], "2");
  EXPECT_FALSE(game.Enabled("sexappeal"));
  EXPECT_EQ(game["info"], TraitHelp(Trait::sexappeal));
  int enabled = 0;
  for (std::size_t t = 0; t < kTraitCount; ++t) enabled += game.engine.sheet().Enabled(TraitBox(static_cast<Trait>(t)));
  EXPECT_EQ(enabled, 19);
}

TEST(Traits, DirectChangesAreMadeOnceAndTakenBackOnce) {
  Game bruiser;
  bruiser.Click("stplu", 2);
  bruiser.Click("bruiser");
  EXPECT_EQ(bruiser["st"], "9");
  bruiser.Click("stmin", 8);
  EXPECT_EQ(bruiser["st"], "1");
  bruiser.Click("bruiser");
  EXPECT_EQ(bruiser["st"], "-1");

  Game ghoul;
  ghoul.engine.PickRace("Ghoul");
  ghoul.Click("fearthereap");
  EXPECT_EQ(ghoul["perkrate"], "3");
  ghoul.Click("stplu");
  ghoul.Click("bruiser");
  UpdateSecondaryStats(ghoul.engine.sheet());
  EXPECT_EQ(ghoul["perkrate"], "3");
  ghoul.Click("fearthereap");
  EXPECT_EQ(ghoul["perkrate"], "4");
}

TEST(Notes, LinesFollowTheRaceNoteInTraitOrder) {
  Game game;
  game.engine.PickRace("Robot");
  game.Click("betasoft");
  game.Click("tightnuts");
  EXPECT_EQ(game["extra"], std::string(kRobotNote) + "Tight Nuts. +40% Damage Resistance, 1/2 Repair effect. " +
                               "Beta Software. +1 Tag Skill, Must roll vs. Luck when using ANY tagged skill or "
                               "automatic failure and loss of all APs. ");
}

TEST(TypedRace, ATextThatNamesNoRaceRefusesEveryStatClickAndWritesNoRow) {
  for (const std::string& typed : {std::string("robot"), std::string(""), std::string(10000, 'x'),
                                  std::string("H\xC3\xBCman")}) {
    Game game;
    game.Click("stplu");
    game.engine.TypeRace(typed);
    EXPECT_EQ(game["st"], "6");
    game.Click("stplu");
    game.Click("stmin");
    EXPECT_EQ(game["st"], "6");
    race_Click(game.engine.sheet());
    EXPECT_EQ(game["st"], "6");
    EXPECT_EQ(game["chpoint"], "4");
    EXPECT_EQ(game["eres"], "0%");
    game.engine.PickRace("Human");
    EXPECT_EQ(game["st"], "5");
  }
}

TEST(Captions, ShowTheirTextAndNothingElseReacts) {
  Game game;
  ASSERT_TRUE(game.engine.Click("Label94"));
  const std::string caption = game["info"];
  ASSERT_TRUE(game.engine.Click("tags"));
  EXPECT_EQ(game["info"], caption + " This indicates the number of tags left");
  EXPECT_FALSE(game.engine.Click("st"));
  EXPECT_FALSE(game.engine.Click("Label75"));
  EXPECT_EQ(game["info"], caption + " This indicates the number of tags left");
}

}  // namespace
}  // namespace cindral
