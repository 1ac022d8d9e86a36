// What ticking and unticking each trait box does: Traits Left, the direct
// changes made on tick and taken back on untick, the rule text in the
// panel, and the recomputations particular traits run.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "extra_notes.h"
#include "player.h"
#include "secondary_stats.h"
#include "skill_values.h"

namespace cindral::test {
namespace {

using Names = std::vector<std::string>;

// Every trait: its caption, the title of its rule text, a race that may
// tick it, and what its tick adds to the statistics, the pool, Perk Rate
// and Tags Left (Ham Fisted's tag is the one its Unarmed tag takes).
struct TraitRow {
  const char* box;
  const char* caption;
  const char* title;
  const char* race;
  std::vector<std::pair<const char*, int>> direct;
};

void PrintTo(const TraitRow& row, std::ostream* os) { *os << row.box; }

// clang-format off
const TraitRow kTraitRows[] = {
    {"fastmet",      "Label16", "Fast Metabolism - ",    "Human",        {}},
    {"bruiser",      "Label4",  "Bruiser - ",            "Human",        {{"st", 2}}},
    {"smallframe",   "Label14", "Small Frame - ",        "Human",        {{"ag", 1}}},
    {"onehand",      "Label13", "One Hander - ",         "Human",        {}},
    {"finesse",      "Label12", "Finesse - ",            "Human",        {}},
    {"kamikaze",     "Label10", "Kamikaze - ",           "Human",        {}},
    {"heavyhand",    "Label8",  "Heavy Handed - ",       "Human",        {}},
    {"fastshot",     "Label6",  "Fast Shot - ",          "Human",        {}},
    {"bloody",       "Label17", "Bloody Mess - ",        "Human",        {}},
    {"jinx",         "Label18", "Jinxed - ",             "Human",        {}},
    {"goodnature",   "Label26", "Good Natured - ",       "Human",        {}},
    {"chemrel",      "Label25", "Chem Reliant - ",       "Human",        {}},
    {"chemres",      "Label24", "Chem Resistant - ",     "Human",        {}},
    {"nightperson",  "Label23", "Night Person - ",       "Human",        {}},
    {"skilled",      "Label22", "Skilled - ",            "Human",        {{"perkrate", 1}}},
    {"gifted",       "Label21", "Gifted - ",             "Human",        {{"st", 1}, {"pe", 1}, {"en", 1}, {"ch", 1}, {"intel", 1}, {"ag", 1}, {"lu", 1}}},
    {"sexappeal",    "Label20", "Sex Appeal - ",         "Human",        {}},
    {"techwizard",   "Label31", "Tech Wizard - ",        "Human",        {}},
    {"glowingone",   "Label19", "Glowing One - ",        "Ghoul",        {}},
    {"fearthereap",  "Label30", "Fear The Reaper - ",    "Ghoul",        {{"perkrate", -1}}},
    {"vatskin",      "Label29", "Vat Skin - ",           "Super-Mutant", {}},
    {"hamfist",      "Label28", "Ham Fisted - ",         "Super-Mutant", {{"tags", -1}}},
    {"domesticated", "Label27", "Domesticated - ",       "Dog",          {{"intel", 1}}},
    {"rabid",        "Label36", "Rabid - ",              "Dog",          {}},
    {"tightnuts",    "Label35", "Tight Nuts - ",         "Robot",        {}},
    {"targetcomp",   "Label34", "Targeting Computer - ", "Robot",        {}},
    {"empshield",    "Label33", "EMP Shielding - ",      "Robot",        {}},
    {"betasoft",     "Label32", "Beta Software - ",      "Robot",        {{"tags", 1}}},
};
// clang-format on

constexpr const char* kDirectFields[] = {"st", "pe", "en", "ch", "intel", "ag", "lu", "chpoint", "perkrate", "tags"};

class Effects : public testing::TestWithParam<TraitRow> {};

// The tick takes a trait, makes the direct changes once and shows the
// text the trait's caption shows; the untick gives the trait back, takes
// the changes back and shows the same text.
TEST_P(Effects, MadeOnTickUndoneOnUntick) {
  const TraitRow& row = GetParam();
  Player reader(row.race);
  reader.Click(row.caption);
  const std::string text = reader["info"];
  ASSERT_TRUE(text.starts_with(row.title)) << text;

  Player player(row.race);
  const Snapshot plain = player.Take();
  player.Toggle(row.box);
  EXPECT_EQ(player["traits"], "1");
  for (const char* field : kDirectFields) {
    int delta = 0;
    for (const auto& [name, amount] : row.direct) {
      if (std::string_view(name) == field) delta = amount;
    }
    EXPECT_EQ(player.Number(field), std::stoi(plain.at(field)) + delta) << field;
  }
  EXPECT_EQ(player["info"], text);

  player.Click("Label94");
  player.Toggle(row.box);
  EXPECT_EQ(player["traits"], "2");
  for (const char* field : kDirectFields) {
    // Ham Fisted's tag on Unarmed outlives the trait.
    if (std::string_view(row.box) == "hamfist" && std::string_view(field) == "tags") continue;
    EXPECT_EQ(player[field], plain.at(field)) << field;
  }
  EXPECT_EQ(player["info"], text);
}

INSTANTIATE_TEST_SUITE_P(Trait, Effects, testing::ValuesIn(kTraitRows),
                         [](const auto& info) { return std::string(info.param.box); });

// A direct change is taken back from whatever the field shows, with no
// floor and no refund.
TEST(TraitEffects, BruiserComesOffWhateverStrengthShows) {
  Player human;
  human.Click("stplu", 2);
  human.Toggle("bruiser");
  EXPECT_EQ(human["st"], "9");
  human.Set("st", 1);
  EXPECT_EQ(human["chpoint"], "11");
  human.Toggle("bruiser");
  EXPECT_EQ(human["st"], "-1");
  EXPECT_EQ(human["chpoint"], "11");
  EXPECT_EQ(human["hp"], "24");
  EXPECT_EQ(human["carrywt"], "0");
  EXPECT_EQ(human["md"], "-6");  // outside 1 to 6 the rule is ST - 5
  EXPECT_EQ(human["una"], "38%");
}

TEST(TraitEffects, BruiserGoesPastTheRacesMaximum) {
  Player human;
  human.Set("st", 10);
  human.Toggle("bruiser");
  EXPECT_EQ(human["st"], "12");
  EXPECT_EQ(human["chpoint"], "0");
  EXPECT_EQ(human["md"], "7");
}

TEST(TraitEffects, SmallFrameComesOffWhateverAgilityShows) {
  Player human;
  human.Toggle("smallframe");
  human.Click("stplu");
  human.Click("agmin");
  EXPECT_EQ(human["ag"], "5");
  human.Toggle("smallframe");
  EXPECT_EQ(human["ag"], "4");
  EXPECT_EQ(human["carrywt"], "175");
}

// No recomputation touches Perk Rate, so Fear The Reaper's -1 is made once
// and stays through every later event.
TEST(TraitEffects, FearTheReaperLowersPerkRateOnce) {
  Player ghoul("Ghoul");
  ghoul.Toggle("fearthereap");
  EXPECT_EQ(ghoul["perkrate"], "3");
  ghoul.Click("stplu", 2);
  ghoul.Click("stmin");
  ghoul.Click("lumin");  // refused: LU 5 is a Ghoul's lowest
  ghoul.Toggle("glowingone");
  ghoul.Toggle("glowingone");
  ghoul.Toggle("goodnature");
  ghoul.Toggle("goodnature");
  ghoul.Toggle("sneak");
  ghoul.Toggle("sneak");
  ghoul.Toggle("fastmet");
  ghoul.Click("Label73");
  UpdateSecondaryStats(ghoul.sheet());
  UpdateSkills(ghoul.sheet());
  UpdateExtraNotes(ghoul.sheet());
  EXPECT_EQ(ghoul["perkrate"], "3");
  ghoul.Toggle("fearthereap");
  EXPECT_EQ(ghoul["perkrate"], "4");
}

// Domesticated's +1 Intelligence is made once, even above the race's top;
// its -2 melee damage is recomputed.
TEST(TraitEffects, DomesticatedRaisesIntelligenceOnce) {
  Player claw("Deathclaw");
  claw.Toggle("domesticated");
  EXPECT_EQ(claw["intel"], "5");
  EXPECT_EQ(claw["md"], "4");
  claw.Click("stplu");
  claw.Click("inplu");  // refused: IN 5 is above a Deathclaw's top of 4
  claw.Click("chmin");
  claw.Toggle("rabid");
  claw.Toggle("rabid");
  claw.Click("Label27");
  UpdateExtraNotes(claw.sheet());
  UpdateSecondaryStats(claw.sheet());
  EXPECT_EQ(claw["intel"], "5");
  EXPECT_EQ(claw["md"], "5");  // ST 7 gives 2, minus 2, plus a Deathclaw's 5
  claw.Toggle("domesticated");
  EXPECT_EQ(claw["intel"], "4");
  EXPECT_EQ(claw["md"], "7");
}

// Bloody Mess brings the trait boxes in line only when Traits Left has just
// become 0, or 1 on an untick. The difference shows only once the race
// text has been typed over since the last pick.
TEST(TraitEffects, BloodyMessLeavesTheBoxesFromTwoToOne) {
  Player bloody;
  bloody.Type("Robot");
  bloody.Toggle("bloody");
  EXPECT_EQ(bloody["traits"], "1");
  EXPECT_EQ(bloody.DisabledTraits(), TraitsClosedTo("Human"));
  EXPECT_EQ(bloody["extra"], std::string(kRobotNote) + "Bloody Mess. All kills die violently. ");
  bloody.Toggle("bloody");
  EXPECT_EQ(bloody["traits"], "2");
  EXPECT_EQ(bloody.DisabledTraits(), TraitsClosedTo("Human"));

  // Any other trait brings them in line at once.
  Player jinxed;
  jinxed.Type("Robot");
  jinxed.Toggle("jinx");
  EXPECT_EQ(jinxed.DisabledTraits(), TraitsClosedTo("Robot"));
  jinxed.Type("Human");
  jinxed.Toggle("jinx");
  EXPECT_EQ(jinxed.DisabledTraits(), TraitsClosedTo("Human"));
}

TEST(TraitEffects, BloodyMessUpdatesTheBoxesAtZeroAndOne) {
  Player human;
  human.Toggle("jinx");
  human.Type("Robot");
  human.Toggle("bloody");
  EXPECT_EQ(human["traits"], "0");
  Names closed;
  for (const std::string_view box : kTraitOrder) {
    if (box != "bloody" && box != "jinx") closed.emplace_back(box);
  }
  EXPECT_EQ(human.DisabledTraits(), closed);
  human.Toggle("bloody");
  EXPECT_EQ(human["traits"], "1");
  EXPECT_EQ(human.DisabledTraits(), TraitsClosedTo("Robot"));
  EXPECT_EQ(human["extra"],
            std::string(kRobotNote) + "Jinxed. +50% Chance to upgrade failures to critical failures for all nearby. ");
}

TEST(TraitEffects, BloodyMessKeepsTheBoxesInStep) {
  Player human;
  human.Toggle("kamikaze");
  human.Toggle("bloody");
  EXPECT_EQ(human["traits"], "0");
  EXPECT_EQ(human.DisabledTraits().size(), 26u);
  human.Toggle("bloody");
  EXPECT_EQ(human["traits"], "1");
  EXPECT_EQ(human.DisabledTraits(), TraitsClosedTo("Human"));
  human.Toggle("bloody");
  human.Toggle("kamikaze");
  EXPECT_EQ(human["traits"], "1");
  EXPECT_EQ(human.DisabledTraits(), TraitsClosedTo("Human"));
  human.Toggle("bloody");
  EXPECT_EQ(human["traits"], "2");
  EXPECT_EQ(human.DisabledTraits(), TraitsClosedTo("Human"));
}

// Beta Software gives one more tag while ticked and opens the tag boxes
// again; its untick takes the tag back from the counter only.
TEST(TraitEffects, BetaSoftwareGivesARobotAFourthTag) {
  const Names all(kTagBoxes.begin(), kTagBoxes.end());
  Player robot("Robot");
  for (const char* tag : {"science", "repair", "lockpick"}) robot.Toggle(tag);
  EXPECT_EQ(robot["tags"], "0");
  EXPECT_EQ(robot.EnabledTagBoxes(), (Names{"lockpick", "science", "repair"}));
  robot.Toggle("betasoft");
  EXPECT_EQ(robot["tags"], "1");
  EXPECT_EQ(robot.EnabledTagBoxes(), all);
  robot.Toggle("traps");
  EXPECT_EQ(robot["tags"], "0");
  EXPECT_EQ(robot.EnabledTagBoxes(), (Names{"lockpick", "traps", "science", "repair"}));

  robot.Toggle("betasoft");
  EXPECT_EQ(robot["tags"], "-1");
  EXPECT_EQ(robot["traits"], "2");
  for (const char* tag : {"science", "repair", "lockpick", "traps"}) EXPECT_TRUE(robot.Ticked(tag)) << tag;
  EXPECT_EQ(robot.EnabledTagBoxes(), (Names{"lockpick", "traps", "science", "repair"}));
  // PE 7, AG 5, IN 5, all four tagged.
  EXPECT_EQ(robot["loc"], "42%");
  EXPECT_EQ(robot["tra"], "42%");
  EXPECT_EQ(robot["sci"], "40%");
  EXPECT_EQ(robot["rep"], "35%");

  robot.Toggle("traps");
  EXPECT_EQ(robot["tags"], "0");
  EXPECT_EQ(robot.EnabledTagBoxes(), (Names{"lockpick", "science", "repair"}));
  robot.Toggle("repair");
  EXPECT_EQ(robot["tags"], "1");
  EXPECT_EQ(robot.EnabledTagBoxes(), all);
}

TEST(TraitEffects, BetaSoftwareWithTagsLeftAddsOneTag) {
  Player robot("Robot");
  const auto values = robot.SkillValues();
  robot.Toggle("betasoft");
  EXPECT_EQ(robot["tags"], "4");
  EXPECT_EQ(robot["traits"], "1");
  EXPECT_EQ(robot.SkillValues(), values);
  robot.Pick("Robot");
  EXPECT_EQ(robot["tags"], "3");
  EXPECT_FALSE(robot.Ticked("betasoft"));
}

}  // namespace
}  // namespace cindral::test
