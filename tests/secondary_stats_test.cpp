// The secondary statistics as the primary ones, the race and the traits
// move them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_fixture.h"

namespace cindral::test {
namespace {

constexpr const char* kSecondaryFields[] = {"hp",  "ac",      "md", "bd", "dres", "pres",      "rres",    "gres",
                                            "eres", "ap", "carrywt", "hr", "cc", "seq",  "skillrate", "perkrate",
                                            "hprate"};

TEST(SecondaryStats, FollowEveryPrimaryStatisticThroughItsOwnFormula) {
  Game game;
  MakeMixedHuman(game);  // ST 1, PE 2, EN 3, CH 4, IN 6, AG 7, LU 8
  const std::pair<const char*, const char*> expected[] = {
      {"ap", "8"},   {"hp", "22"},  {"ac", "7"},        {"md", "1"},         {"bd", "0%"},    {"dres", "0%"},
      {"pres", "15%"}, {"rres", "6%"}, {"eres", "30%"},   {"cc", "8%"},        {"carrywt", "50"}, {"seq", "4"},
      {"hr", "1"},   {"skillrate", "17"}, {"hprate", "4"}, {"perkrate", "3"}, {"gres", "0/0"}};
  for (const auto& [field, text] : expected) EXPECT_EQ(game[field], text) << field;
}

TEST(SecondaryStats, ActionPointsAndArmorClassByAgility) {
  //                    AG: 1  2  3  4  5  6  7  8  9 10 11  12  13  14  15
  const int kActionPoints[] = {5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 10, 10, 10, 10};
  Game dog("Dog");
  dog.LowerAllBut({"ag"});
  for (int ag = 1; ag <= 15; ++ag) {
    dog.Set("ag", ag);
    EXPECT_EQ(dog.Whole("ap"), kActionPoints[ag - 1]) << "AG " << ag;
    EXPECT_EQ(dog.Whole("ac"), ag) << "AG " << ag;
  }
  Game deathclaw("Deathclaw");
  deathclaw.LowerAllBut({"ag"});
  deathclaw.Set("ag", 16);
  EXPECT_EQ(deathclaw["ap"], "10");
  EXPECT_EQ(deathclaw["ac"], "16");
  // Bruiser's -2 is applied below the lowest step: shown as computed.
  dog.Set("ag", 1);
  dog.Click("bruiser");
  EXPECT_EQ(dog["ap"], "3");
}

TEST(SecondaryStats, MeleeDamageHitPointsAndCarryWeightByStrength) {
  //                  ST: 1  2  3  4  5  6  7  8  9 10
  const int kMeleeDamage[] = {1, 1, 1, 1, 1, 1, 2, 3, 4, 5};
  Game game;
  game.Set("st", 1);
  for (int st = 1; st <= 10; ++st) {
    game.Set("st", st);
    EXPECT_EQ(game.Whole("md"), kMeleeDamage[st - 1]) << "ST " << st;
    EXPECT_EQ(game.Whole("hp"), 15 + st + 10) << "ST " << st;
    EXPECT_EQ(game.Whole("carrywt"), 25 + 25 * st) << "ST " << st;
  }
  Game deathclaw("Deathclaw");
  deathclaw.LowerAllBut({"st", "en"});
  deathclaw.Set("st", 14);
  EXPECT_EQ(deathclaw["md"], "14");  // 14 - 5, and the Deathclaw's 5
  EXPECT_EQ(deathclaw["hp"], "39");
  EXPECT_EQ(deathclaw["carrywt"], "375");
}

//                EN: -  1  2  3  4  5  6  7  8  9 10 11 12  13  14
constexpr int kHpRate[] = {0, 4, 4, 4, 5, 6, 6, 6, 7, 8, 8, 8, 9, 10, 10};
constexpr int kHealRate[] = {0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4, 4, 4};

TEST(SecondaryStats, HealRateAndHpRateByEnduranceWithHalvesGoingToEven) {
  Game human;
  human.Set("en", 1);
  for (int en = 1; en <= 10; ++en) {
    human.Set("en", en);
    EXPECT_EQ(human.Whole("hprate"), kHpRate[en]) << "EN " << en;
    EXPECT_EQ(human.Whole("hr"), kHealRate[en]) << "EN " << en;
    EXPECT_EQ(human["pres"], std::to_string(5 * en) + "%") << "EN " << en;
    EXPECT_EQ(human["rres"], std::to_string(2 * en) + "%") << "EN " << en;
    EXPECT_EQ(human.Whole("hp"), 15 + 5 + 2 * en) << "EN " << en;
  }
  // A Deathclaw reaches EN 13 with its buttons and 14 with Gifted; its HP
  // Rate carries the race's plus 2.
  Game deathclaw("Deathclaw");
  deathclaw.LowerAllBut({"st", "ag"});
  for (int en = 1; en <= 13; ++en) {
    deathclaw.Set("en", en);
    EXPECT_EQ(deathclaw.Whole("hprate"), kHpRate[en] + 2) << "EN " << en;
    EXPECT_EQ(deathclaw.Whole("hr"), kHealRate[en]) << "EN " << en;
  }
  deathclaw.Click("gifted");
  ASSERT_EQ(deathclaw["en"], "14");
  EXPECT_EQ(deathclaw.Whole("hprate"), kHpRate[14] + 2);
  EXPECT_EQ(deathclaw["hr"], "4");
  EXPECT_EQ(deathclaw["hp"], "50");
}

// A trait's effect on the secondary statistics: the fields named change
// to the values given and every other secondary statistic stays as the
// race's fresh character shows it.
struct TraitEffect {
  const char* race;
  std::vector<const char*> ticks;
  std::vector<std::pair<const char*, const char*>> changed;
};

class SecondaryTraitEffect : public testing::TestWithParam<TraitEffect> {};

TEST_P(SecondaryTraitEffect, ChangesTheseFieldsAndNoOther) {
  const TraitEffect& effect = GetParam();
  Game plain(effect.race);
  Game game(effect.race);
  for (const char* box : effect.ticks) game.Click(box);
  for (const char* field : kSecondaryFields) {
    std::string expected = plain[field];
    for (const auto& [name, text] : effect.changed) {
      if (std::string_view(name) == field) expected = text;
    }
    EXPECT_EQ(game[field], expected) << field;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Traits, SecondaryTraitEffect,
    testing::Values(
        TraitEffect{"Human", {"finesse"}, {{"cc", "15%"}, {"bd", "-30%"}}},
        TraitEffect{"Human", {"kamikaze"}, {{"seq", "15"}, {"ac", "0"}}},
        TraitEffect{"Super-Mutant", {"kamikaze", "vatskin"}, {{"seq", "15"}, {"ac", "10"}}},
        TraitEffect{"Super-Mutant", {"vatskin"}, {{"ac", "15"}}},
        TraitEffect{"Human", {"fastmet"}, {{"pres", "0%"}, {"rres", "0%"}, {"hr", "4"}}},
        TraitEffect{"Ghoul", {"fastmet"}, {{"pres", "30%"}, {"rres", "80%"}, {"hr", "4"}}},
        TraitEffect{"Super-Mutant", {"fastmet"}, {{"pres", "20%"}, {"rres", "50%"}, {"hr", "4"}}},
        TraitEffect{"Half-Mutant", {"fastmet"}, {{"pres", "0%"}, {"rres", "0%"}, {"hr", "4"}}},
        TraitEffect{"Ghoul", {"glowingone"}, {{"rres", "140%"}}},
        TraitEffect{"Ghoul", {"glowingone", "fastmet"}, {{"rres", "130%"}, {"pres", "30%"}, {"hr", "4"}}},
        TraitEffect{"Human", {"heavyhand"}, {{"md", "5"}}},
        TraitEffect{"Dog", {"domesticated"}, {{"md", "-1"}, {"skillrate", "13"}}},
        TraitEffect{"Dog", {"domesticated", "heavyhand"}, {{"md", "3"}, {"skillrate", "13"}}},
        TraitEffect{"Deathclaw", {"domesticated"}, {{"md", "4"}, {"skillrate", "15"}}},
        TraitEffect{"Human", {"skilled"}, {{"skillrate", "20"}, {"perkrate", "4"}}},
        TraitEffect{"Ghoul", {"fearthereap"}, {{"perkrate", "3"}}},
        TraitEffect{"Robot", {"tightnuts"}, {{"dres", "80%"}}},
        TraitEffect{"Human", {"bruiser"}, {{"ap", "5"}, {"hp", "32"}, {"md", "2"}, {"carrywt", "200"}}},
        TraitEffect{"Human", {"smallframe"}, {{"ap", "8"}, {"ac", "6"}, {"carrywt", "75"}}},
        TraitEffect{"Human", {"gifted"},
                    {{"hp", "33"}, {"ap", "8"}, {"ac", "6"}, {"pres", "30%"}, {"rres", "12%"}, {"cc", "6%"},
                     {"carrywt", "175"}, {"seq", "12"}, {"skillrate", "17"}}},
        TraitEffect{"Human", {"finesse", "kamikaze"}, {{"cc", "15%"}, {"bd", "-30%"}, {"seq", "15"}, {"ac", "0"}}},
        TraitEffect{"Human", {"onehand", "jinx"}, {}},
        TraitEffect{"Robot", {"targetcomp", "empshield"}, {}}));

TEST(SecondaryStats, SmallFrameCarriesFifteenPoundsAStrengthPoint) {
  Game game;
  game.Click("stplu");
  game.Click("smallframe");
  EXPECT_EQ(game["carrywt"], "90");
  EXPECT_EQ(game["ag"], "6");
  game.Click("smallframe");
  EXPECT_EQ(game["carrywt"], "175");
  EXPECT_EQ(game["ag"], "5");
}

TEST(SecondaryStats, PerkRateIsLeftToTheRaceAndTheTraitsThatMoveIt) {
  Game game;
  game.sheet().SetText(Field::perkrate, "9");
  game.Click("stplu");
  game.Click("finesse");
  EXPECT_EQ(game["perkrate"], "9");
}

}  // namespace
}  // namespace cindral::test
