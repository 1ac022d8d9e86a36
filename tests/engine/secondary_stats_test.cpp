// The derived values at the edges of their rules, each reached the way a
// player reaches it: a race, the buttons, the trait boxes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine_fixture.h"
#include "secondary_stats.h"

namespace cindral::etest {
namespace {

struct DerivedCase {
  const char* label;
  const char* race;
  std::vector<std::pair<const char*, int>> stats;  // set in this order with the buttons
  std::vector<const char*> traits;                 // then ticked in this order
  std::vector<std::pair<const char*, const char*>> expected;
};

void PrintTo(const DerivedCase& c, std::ostream* os) { *os << c.label; }

const std::vector<DerivedCase> kDerived = {
    // Action points by agility: 1 gives 5, up to 3 gives 6, then 7, 8, 9 and 10 from AG 10 on.
    {"ApAg1", "Human", {{"ag", 1}}, {}, {{"ap", "5"}, {"ac", "1"}}},
    {"ApAg2", "Human", {{"ag", 2}}, {}, {{"ap", "6"}}},
    {"ApAg3", "Human", {{"ag", 3}}, {}, {{"ap", "6"}}},
    {"ApAg4", "Human", {{"ag", 4}}, {}, {{"ap", "7"}}},
    {"ApAg6", "Human", {{"ag", 6}}, {}, {{"ap", "8"}, {"ac", "6"}}},
    {"ApAg8", "Human", {{"ag", 8}}, {}, {{"ap", "9"}}},
    {"ApAg9", "Human", {{"ag", 9}}, {}, {{"ap", "9"}}},
    {"ApAg10", "Human", {{"ag", 10}}, {}, {{"ap", "10"}, {"ac", "10"}}},
    {"ApAg16", "Deathclaw", {{"en", 1}, {"lu", 1}, {"ag", 16}}, {}, {{"ap", "10"}, {"ac", "16"}}},
    {"ApAg1Bruiser", "Human", {{"ag", 1}}, {"bruiser"}, {{"ap", "3"}}},
    // Melee damage: 1 up to ST 6, then ST - 5.
    {"MdSt1", "Human", {{"st", 1}}, {}, {{"md", "1"}, {"hp", "26"}, {"carrywt", "50"}}},
    {"MdSt6", "Human", {{"st", 6}}, {}, {{"md", "1"}, {"carrywt", "175"}}},
    {"MdSt7", "Human", {{"st", 7}}, {}, {{"md", "2"}}},
    {"MdSt14", "Deathclaw", {{"lu", 4}, {"st", 14}}, {}, {{"md", "14"}, {"carrywt", "375"}}},
    // Healing rate by endurance: below 5 gives 1, below 8 gives 2, below 10 gives 3, else 4.
    {"HrEn4", "Human", {{"en", 4}}, {}, {{"hr", "1"}, {"pres", "20%"}, {"rres", "8%"}}},
    {"HrEn5", "Human", {{"en", 5}}, {}, {{"hr", "2"}}},
    {"HrEn7", "Human", {{"en", 7}}, {}, {{"hr", "2"}}},
    {"HrEn8", "Human", {{"en", 8}}, {}, {{"hr", "3"}}},
    {"HrEn9", "Human", {{"en", 9}}, {}, {{"hr", "3"}}},
    {"HrEn10", "Human", {{"en", 10}}, {}, {{"hr", "4"}, {"hp", "40"}, {"pres", "50%"}, {"rres", "20%"}}},
    // HP rate: EN / 2 + 3, halves to the even neighbour, a Deathclaw's +2 on top.
    {"HpRateEn1", "Human", {{"en", 1}}, {}, {{"hprate", "4"}}},
    {"HpRateEn2", "Human", {{"en", 2}}, {}, {{"hprate", "4"}}},
    {"HpRateEn3", "Human", {{"en", 3}}, {}, {{"hprate", "4"}}},
    {"HpRateEn4", "Human", {{"en", 4}}, {}, {{"hprate", "5"}}},
    {"HpRateEn5", "Human", {{"en", 5}}, {}, {{"hprate", "6"}}},
    {"HpRateEn6", "Human", {{"en", 6}}, {}, {{"hprate", "6"}}},
    {"HpRateEn7", "Human", {{"en", 7}}, {}, {{"hprate", "6"}}},
    {"HpRateEn8", "Human", {{"en", 8}}, {}, {{"hprate", "7"}}},
    {"HpRateEn9", "Human", {{"en", 9}}, {}, {{"hprate", "8"}}},
    {"HpRateEn10", "Human", {{"en", 10}}, {}, {{"hprate", "8"}}},
    {"HpRateEn11", "Human", {{"en", 10}}, {"gifted"}, {{"en", "11"}, {"hprate", "8"}}},
    {"HpRateEn12Deathclaw", "Deathclaw", {{"en", 12}}, {}, {{"hprate", "11"}}},
    {"HpRateEn13Deathclaw", "Deathclaw", {{"lu", 4}, {"en", 13}}, {}, {{"hprate", "12"}}},
    {"HpRateEn14Deathclaw", "Deathclaw", {{"lu", 4}, {"en", 13}}, {"gifted"}, {{"en", "14"}, {"hprate", "12"}}},
    {"HpRateEn11SuperMutant", "Super-Mutant", {{"lu", 4}, {"en", 11}}, {}, {{"hprate", "10"}}},
    // Traits the derived values read.
    {"Finesse", "Human", {}, {"finesse"}, {{"cc", "15%"}, {"bd", "-30%"}}},
    {"Kamikaze", "Human", {}, {"kamikaze"}, {{"seq", "15"}, {"ac", "0"}}},
    {"KamikazeVatSkin", "Super-Mutant", {}, {"kamikaze", "vatskin"}, {{"ac", "10"}, {"seq", "15"}}},
    {"VatSkin", "Super-Mutant", {}, {"vatskin"}, {{"ac", "15"}}},
    {"SmallFrameSt6", "Human", {{"st", 6}}, {"smallframe"}, {{"carrywt", "90"}, {"ag", "6"}, {"ap", "8"}, {"ac", "6"}}},
    {"Bruiser", "Human", {}, {"bruiser"}, {{"st", "7"}, {"ap", "5"}, {"hp", "32"}, {"md", "2"}, {"carrywt", "200"}}},
    {"HeavyHanded", "Human", {}, {"heavyhand"}, {{"md", "5"}}},
    {"FastMetabolismHuman", "Human", {}, {"fastmet"}, {{"pres", "0%"}, {"rres", "0%"}, {"hr", "4"}, {"eres", "30%"}}},
    {"FastMetabolismGhoul", "Ghoul", {}, {"fastmet"}, {{"pres", "30%"}, {"rres", "80%"}, {"hr", "4"}}},
    {"FastMetabolismSuperMutant", "Super-Mutant", {}, {"fastmet"}, {{"pres", "20%"}, {"rres", "50%"}, {"dres", "25%"}}},
    {"FastMetabolismHalfMutant", "Half-Mutant", {}, {"fastmet"}, {{"pres", "0%"}, {"rres", "0%"}}},
    {"FastMetabolismGlowingOne", "Ghoul", {}, {"fastmet", "glowingone"}, {{"rres", "130%"}, {"pres", "30%"}}},
    {"GlowingOne", "Ghoul", {}, {"glowingone"}, {{"rres", "140%"}}},
    {"DomesticatedDog", "Dog", {}, {"domesticated"}, {{"md", "-1"}, {"intel", "4"}, {"skillrate", "13"}}},
    {"DomesticatedDeathclaw", "Deathclaw", {}, {"domesticated"}, {{"md", "4"}, {"intel", "5"}}},
    {"Skilled", "Human", {}, {"skilled"}, {{"skillrate", "20"}, {"perkrate", "4"}}},
    {"Gifted", "Human", {}, {"gifted"},
     {{"hp", "33"}, {"skillrate", "17"}, {"ap", "8"}, {"seq", "12"}, {"cc", "6%"}, {"carrywt", "175"}, {"hprate", "6"},
      {"pres", "30%"}, {"rres", "12%"}, {"chpoint", "5"}}},
    {"TightNuts", "Robot", {}, {"tightnuts"}, {{"dres", "80%"}}},
    {"FinesseKamikaze", "Half-Mutant", {}, {"finesse", "kamikaze"}, {{"bd", "-30%"}, {"cc", "15%"}, {"ac", "0"}, {"seq", "15"}}},
};

class DerivedValue : public ::testing::TestWithParam<DerivedCase> {};

TEST_P(DerivedValue, ShowsTheValueTheRuleGives) {
  const DerivedCase& c = GetParam();
  Player player(c.race);
  for (const auto& [stat, value] : c.stats) player.Set(stat, value);
  for (const char* trait : c.traits) player.Toggle(trait);
  for (const auto& [field, text] : c.expected) EXPECT_EQ(player[field], text) << field;
}

// Unticking the traits again gives back exactly the sheet from before.
TEST_P(DerivedValue, UntickingTheTraitsRestoresEveryField) {
  const DerivedCase& c = GetParam();
  Player player(c.race);
  for (const auto& [stat, value] : c.stats) player.Set(stat, value);
  const Snapshot before = player.Take();
  for (const char* trait : c.traits) player.Toggle(trait);
  for (auto it = c.traits.rbegin(); it != c.traits.rend(); ++it) player.Toggle(*it);
  Snapshot after = player.Take();
  after["info"] = before.at("info");
  EXPECT_EQ(Differences(before, after), "");
}

INSTANTIATE_TEST_SUITE_P(Edges, DerivedValue, ::testing::ValuesIn(kDerived),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(DerivedValueRuns, RunningTheRecomputationTwiceChangesNothingPerkRateIncluded) {
  Player ghoul("Ghoul");
  ghoul.Toggle("fearthereap");
  ghoul.Toggle("fastmet");
  ghoul.Click("enplu", 3);
  const Snapshot before = ghoul.Take();
  UpdateSecondaryStats(ghoul.sheet());
  UpdateSecondaryStats(ghoul.sheet());
  EXPECT_EQ(Differences(before, ghoul.Take()), "");
  EXPECT_EQ(ghoul["perkrate"], "3");
}

// The race's modifiers come from the race text each time: a text typed over
// the pick counts at the next recomputation.
TEST(DerivedValueRuns, TheNextRecomputationReadsATypedRaceText) {
  Player human;
  const Snapshot before = human.Take();
  human.Type("Robot");
  Snapshot typed = human.Take();
  typed["race"] = before.at("race");
  EXPECT_EQ(Differences(before, typed), "");

  human.Click("stplu");
  EXPECT_EQ(human["st"], "6");
  EXPECT_EQ(human["chpoint"], "4");
  EXPECT_EQ(human["dres"], "40%");
  EXPECT_EQ(human["eres"], "0%");
  EXPECT_EQ(human["extra"], kRobotText);
  EXPECT_EQ(human["perkrate"], "3");
  EXPECT_EQ(human["gres"], "0/0");
}

}  // namespace
}  // namespace cindral::etest
