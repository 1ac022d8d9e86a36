// The secondary statistics as the primary statistics, the race and the
// ticked traits make them, each reached the way a player reaches it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "player.h"

namespace cindral::test {
namespace {

TEST(SecondaryStats, EachReadsItsOwnStatistics) {
  Player human;
  MakeMixedHuman(human);  // ST 1, PE 2, EN 3, CH 4, IN 6, AG 7, LU 8
  const std::pair<const char*, const char*> expected[] = {
      {"hp", "22"},   {"ac", "7"},     {"md", "1"},         {"bd", "0%"},      {"dres", "0%"},    {"pres", "15%"},
      {"rres", "6%"}, {"gres", "0/0"}, {"eres", "30%"},     {"ap", "8"},       {"carrywt", "50"}, {"hr", "1"},
      {"cc", "8%"},   {"seq", "4"},    {"skillrate", "17"}, {"perkrate", "3"}, {"hprate", "4"}};
  for (const auto& [field, text] : expected) EXPECT_EQ(human[field], text) << field;
}

TEST(SecondaryStats, ActionPointsAndArmorClassFollowAgility) {
  //                    AG: 1  2  3  4  5  6  7  8  9 10  11  12  13  14  15
  const int kActionPoints[] = {5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 10, 10, 10, 10};
  Player dog("Dog");
  dog.LowerAllBut({"ag"});
  for (int ag = 1; ag <= 15; ++ag) {
    dog.Set("ag", ag);
    EXPECT_EQ(dog.Number("ap"), kActionPoints[ag - 1]) << "AG " << ag;
    EXPECT_EQ(dog.Number("ac"), ag) << "AG " << ag;
  }
  Player claw("Deathclaw");
  claw.LowerAllBut({"ag"});
  claw.Set("ag", 16);
  EXPECT_EQ(claw["ap"], "10");
  EXPECT_EQ(claw["ac"], "16");
  // Bruiser's -2 goes below the lowest step: shown as computed.
  dog.Set("ag", 1);
  dog.Toggle("bruiser");
  EXPECT_EQ(dog["ap"], "3");
}

TEST(SecondaryStats, StrengthMovesMeleeHpAndCarryWeight) {
  //                  ST: 1  2  3  4  5  6  7  8  9 10
  const int kMeleeDamage[] = {1, 1, 1, 1, 1, 1, 2, 3, 4, 5};
  Player human;
  human.Set("st", 1);
  for (int st = 1; st <= 10; ++st) {
    human.Set("st", st);
    EXPECT_EQ(human.Number("md"), kMeleeDamage[st - 1]) << "ST " << st;
    EXPECT_EQ(human.Number("hp"), 15 + st + 2 * 5) << "ST " << st;
    EXPECT_EQ(human.Number("carrywt"), 25 + 25 * st) << "ST " << st;
  }
  Player claw("Deathclaw");
  claw.LowerAllBut({"st", "en"});
  claw.Set("st", 14);
  EXPECT_EQ(claw["md"], "14");  // 14 - 5, and the Deathclaw's 5
  EXPECT_EQ(claw["hp"], "39");
  EXPECT_EQ(claw["carrywt"], "375");
}

//                EN: -  1  2  3  4  5  6  7  8  9 10 11 12  13  14
constexpr int kHpRate[] = {0, 4, 4, 4, 5, 6, 6, 6, 7, 8, 8, 8, 9, 10, 10};
constexpr int kHealRate[] = {0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4, 4, 4};

// HP Rate is EN / 2 + 3 with halves going to the even neighbour.
TEST(SecondaryStats, HealAndHpRateFollowEndurance) {
  Player human;
  human.Set("en", 1);
  for (int en = 1; en <= 10; ++en) {
    human.Set("en", en);
    EXPECT_EQ(human.Number("hprate"), kHpRate[en]) << "EN " << en;
    EXPECT_EQ(human.Number("hr"), kHealRate[en]) << "EN " << en;
    EXPECT_EQ(human["pres"], std::to_string(5 * en) + "%") << "EN " << en;
    EXPECT_EQ(human["rres"], std::to_string(2 * en) + "%") << "EN " << en;
    EXPECT_EQ(human.Number("hp"), 15 + 5 + 2 * en) << "EN " << en;
  }
  // A Deathclaw reaches EN 13 with its buttons and 14 with Gifted; its HP
  // Rate carries the race's plus 2.
  Player claw("Deathclaw");
  claw.LowerAllBut({"st", "ag"});
  for (int en = 1; en <= 13; ++en) {
    claw.Set("en", en);
    EXPECT_EQ(claw.Number("hprate"), kHpRate[en] + 2) << "EN " << en;
    EXPECT_EQ(claw.Number("hr"), kHealRate[en]) << "EN " << en;
  }
  claw.Toggle("gifted");
  ASSERT_EQ(claw["en"], "14");
  EXPECT_EQ(claw.Number("hprate"), kHpRate[14] + 2);
  EXPECT_EQ(claw["hr"], "4");
  EXPECT_EQ(claw["hp"], "50");
}

// Traits ticked on a fresh character of the race: the fields named change
// to the values given, every other statistic and secondary statistic stays
// as the race's fresh character shows it, and unticking the traits again
// gives back the whole sheet.
struct TraitEffect {
  const char* label;
  const char* race;
  std::vector<const char*> ticks;
  std::vector<std::pair<const char*, const char*>> changed;
};

void PrintTo(const TraitEffect& e, std::ostream* os) { *os << e.label; }

const TraitEffect kTraitEffects[] = {
    {"HumanFinesse", "Human", {"finesse"}, {{"cc", "15%"}, {"bd", "-30%"}}},
    {"HumanKamikaze", "Human", {"kamikaze"}, {{"seq", "15"}, {"ac", "0"}}},
    {"HumanFinesseKamikaze",
     "Human",
     {"finesse", "kamikaze"},
     {{"cc", "15%"}, {"bd", "-30%"}, {"seq", "15"}, {"ac", "0"}}},
    {"MutantVatSkin", "Super-Mutant", {"vatskin"}, {{"ac", "15"}}},
    {"MutantKamikazeVatSkin", "Super-Mutant", {"kamikaze", "vatskin"}, {{"seq", "15"}, {"ac", "10"}}},
    {"HumanFastMet", "Human", {"fastmet"}, {{"pres", "0%"}, {"rres", "0%"}, {"hr", "4"}}},
    {"GhoulFastMet", "Ghoul", {"fastmet"}, {{"pres", "30%"}, {"rres", "80%"}, {"hr", "4"}}},
    {"MutantFastMet", "Super-Mutant", {"fastmet"}, {{"pres", "20%"}, {"rres", "50%"}, {"hr", "4"}}},
    {"HalfMutantFastMet", "Half-Mutant", {"fastmet"}, {{"pres", "0%"}, {"rres", "0%"}, {"hr", "4"}}},
    {"GhoulGlowingOne", "Ghoul", {"glowingone"}, {{"rres", "140%"}}},
    {"GhoulGlowingFastMet", "Ghoul", {"glowingone", "fastmet"}, {{"rres", "130%"}, {"pres", "30%"}, {"hr", "4"}}},
    {"HumanHeavyHanded", "Human", {"heavyhand"}, {{"md", "5"}}},
    {"DogDomesticated", "Dog", {"domesticated"}, {{"md", "-1"}, {"intel", "4"}, {"skillrate", "13"}}},
    {"DogDomesticatedHeavy", "Dog", {"domesticated", "heavyhand"}, {{"md", "3"}, {"intel", "4"}, {"skillrate", "13"}}},
    {"DeathclawDomesticated", "Deathclaw", {"domesticated"}, {{"md", "4"}, {"intel", "5"}, {"skillrate", "15"}}},
    {"HumanSkilled", "Human", {"skilled"}, {{"skillrate", "20"}, {"perkrate", "4"}}},
    {"GhoulFearTheReaper", "Ghoul", {"fearthereap"}, {{"perkrate", "3"}}},
    {"RobotTightNuts", "Robot", {"tightnuts"}, {{"dres", "80%"}}},
    {"HumanBruiser", "Human", {"bruiser"}, {{"st", "7"}, {"ap", "5"}, {"hp", "32"}, {"md", "2"}, {"carrywt", "200"}}},
    {"HumanSmallFrame", "Human", {"smallframe"}, {{"ag", "6"}, {"ap", "8"}, {"ac", "6"}, {"carrywt", "75"}}},
    {"HumanGifted",
     "Human",
     {"gifted"},
     {{"st", "6"},
      {"pe", "6"},
      {"en", "6"},
      {"ch", "6"},
      {"intel", "6"},
      {"ag", "6"},
      {"lu", "6"},
      {"hp", "33"},
      {"ap", "8"},
      {"ac", "6"},
      {"pres", "30%"},
      {"rres", "12%"},
      {"cc", "6%"},
      {"carrywt", "175"},
      {"seq", "12"},
      {"skillrate", "17"}}},
    {"HumanOneHanderJinxed", "Human", {"onehand", "jinx"}, {}},
    {"RobotTargetingEmp", "Robot", {"targetcomp", "empshield"}, {}},
};

class Secondary : public testing::TestWithParam<TraitEffect> {};

TEST_P(Secondary, ChangeThese) {
  const TraitEffect& effect = GetParam();
  Player player(effect.race);
  const Snapshot plain = player.Take();
  for (const char* box : effect.ticks) player.Toggle(box);
  std::vector<std::string_view> fields(kSecondaryFields.begin(), kSecondaryFields.end());
  fields.insert(fields.end(), kStatFields.begin(), kStatFields.end());
  fields.push_back("chpoint");
  for (const std::string_view field : fields) {
    std::string expected = plain.at(std::string(field));
    for (const auto& [name, text] : effect.changed) {
      if (name == field) expected = text;
    }
    EXPECT_EQ(player[field], expected) << field;
  }
  for (auto it = effect.ticks.rbegin(); it != effect.ticks.rend(); ++it) player.Toggle(*it);
  Snapshot after = player.Take();
  after["info"] = plain.at("info");
  EXPECT_EQ(Differences(plain, after), "");
}

INSTANTIATE_TEST_SUITE_P(Traits, Secondary, testing::ValuesIn(kTraitEffects),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(SecondaryStats, SmallFrameCarries15PoundsPerStrength) {
  Player human;
  human.Click("stplu");
  human.Toggle("smallframe");
  EXPECT_EQ(human["carrywt"], "90");
  EXPECT_EQ(human["ag"], "6");
  human.Toggle("smallframe");
  EXPECT_EQ(human["carrywt"], "175");
  EXPECT_EQ(human["ag"], "5");
}

// Perk Rate holds what race selection and the traits' ticks wrote; no
// recomputation rewrites it.
TEST(SecondaryStats, PerkRateIsNeverRecomputed) {
  Player human;
  human.sheet().SetText(*FindField("perkrate"), "9");
  human.Click("stplu");
  human.Toggle("finesse");
  human.Toggle("sneak");
  EXPECT_EQ(human["perkrate"], "9");
}

// The race modifiers come from the race text each time: a race name typed
// over the pick changes nothing until the next recomputation reads it.
TEST(SecondaryStats, ATypedRaceCountsAtTheNextRecomputation) {
  Player human;
  Snapshot expected = human.Take();
  human.Type("Robot");
  expected["race"] = "Robot";
  EXPECT_EQ(Differences(expected, human.Take()), "");
  human.Click("Label48");  // a caption recomputes nothing
  expected["info"] = human["info"];
  EXPECT_EQ(Differences(expected, human.Take()), "");

  human.Click("stplu");
  EXPECT_EQ(human["st"], "6");
  EXPECT_EQ(human["dres"], "40%");
  EXPECT_EQ(human["eres"], "0%");
  EXPECT_EQ(human["extra"], kRobotNote);
  EXPECT_EQ(human["hp"], "31");
  // Perk Rate and Gas Res. are written by a pick only.
  EXPECT_EQ(human["perkrate"], "3");
  EXPECT_EQ(human["gres"], "0/0");
}

TEST(SecondaryStats, ATextNamingNoRaceGetsNoRaceModifier) {
  for (const std::string& text : kTextsThatNameNoRace) {
    SCOPED_TRACE(Shown(text));
    Player claw("Deathclaw");
    claw.Type(text);
    claw.Click("stmin");  // refused, and the recomputation runs
    const std::pair<const char*, const char*> expected[] = {
        {"st", "6"},    {"md", "1"},  {"hprate", "6"},  {"dres", "0%"},    {"pres", "25%"}, {"rres", "10%"},
        {"eres", "0%"}, {"hp", "31"}, {"gres", "0/40"}, {"perkrate", "4"}, {"extra", ""}};
    for (const auto& [field, value] : expected) EXPECT_EQ(claw[field], value) << field;
  }
}

}  // namespace
}  // namespace cindral::test
