// Every value explains itself: the hand-worked breakdowns a reader learns the
// rule from, each reached as a player reaches it. (That every breakdown adds
// up to its value, in every state, is checked over the random sequences.)
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "player.h"
#include "value_breakdowns.h"

namespace cindral::test {
namespace {

struct BreakdownCase {
  const char* label;
  const char* race;
  std::vector<const char*> clicks;
  const char* typed;  // a race text typed before the clicks, or nullptr
  const char* field;
  const char* breakdown;
};

void PrintTo(const BreakdownCase& c, std::ostream* os) { *os << c.label; }

// clang-format off
const BreakdownCase kCases[] = {
    {"HitPoints",         "Human",        {},                                          nullptr,     "hp",       "Hit Points 30 = 15 + 5 (ST 5) + 10 (2 × EN 5)"},
    {"BruiserActionPts",  "Human",        {"bruiser"},                                 nullptr,     "ap",       "Action Pts. 5 = 7 (AG 5: 4–5 gives 7) − 2 (Bruiser)"},
    // A banded value names its band, the open ends included.
    {"ActionPtsBand",     "Human",        {"agplu", "agplu"},                          nullptr,     "ap",       "Action Pts. 8 = 8 (AG 7: 6–7 gives 8)"},
    {"ActionPtsAgOne",    "Human",        {"agmin", "agmin", "agmin", "agmin"},        nullptr,     "ap",       "Action Pts. 5 = 5 (AG 1: 1 gives 5)"},
    {"ActionPtsTopBand",  "Deathclaw",    {"agplu", "agplu", "agplu", "agplu", "agplu", "agplu", "agplu"}, nullptr, "ap", "Action Pts. 10 = 10 (AG 12: 10 and above gives 10)"},
    {"HealRateBand",      "Human",        {},                                          nullptr,     "hr",       "Heal Rate 2 = 2 (EN 5: 5–7 gives 2)"},
    {"HealRateLowBand",   "Human",        {"enmin"},                                   nullptr,     "hr",       "Heal Rate 1 = 1 (EN 4: 4 and below gives 1)"},
    {"MeleeBand",         "Dog",          {"domesticated"},                            nullptr,     "md",       "Melee Dmg. -1 = 1 (ST 5: 1–6 gives 1) − 2 (Domesticated)"},
    {"DeathclawHpRate",   "Deathclaw",    {},                                          nullptr,     "hprate",   "HP Rate 8 = 6 (EN 5: 5 / 2 + 3 = 5.5, a half goes to the even number) + 2 (Deathclaw)"},
    {"HpRateWhole",       "Human",        {"enmin"},                                   nullptr,     "hprate",   "HP Rate 5 = 5 (EN 4: 4 / 2 + 3)"},
    {"TaggedGoodNatured", "Human",        {"goodnature", "smallguns"},                 nullptr,     "sma",      "Small Guns 35% = 5 + 20 (4 × AG 5) + 20 (tagged) − 10 (Good Natured)"},
    {"TwoStatistics",     "Human",        {"stplu", "stplu"},                          nullptr,     "una",      "Unarmed 54% = 30 + 24 (2 × (AG 5 + ST 7))"},
    {"GhoulFastMet",      "Ghoul",        {"fastmet"},                                 nullptr,     "pres",     "Poison Res. 30% = 30 (Ghoul with Fast Metabolism)"},
    {"KamikazeVatSkin",   "Super-Mutant", {"kamikaze", "vatskin"},                     nullptr,     "ac",       "Armor Class 10 = 0 (Kamikaze) + 10 (Vat Skin)"},
    {"StrongMelee",       "Deathclaw",    {"stplu", "domesticated"},                   nullptr,     "md",       "Melee Dmg. 5 = 2 (ST 7 − 5) − 2 (Domesticated) + 5 (Deathclaw)"},
    {"FinesseSetsBonus",  "Human",        {"finesse"},                                 nullptr,     "bd",       "Bonus Dmg. -30% = −30 (Finesse)"},
    {"SmallFrameCarry",   "Human",        {"smallframe"},                              nullptr,     "carrywt",  "Carry Wt. 75 = 75 (Small Frame: 15 × ST 5)"},
    {"PerkRate",          "Ghoul",        {"skilled", "fearthereap"},                  nullptr,     "perkrate", "Perk Rate 4 = 4 (Ghoul) + 1 (Skilled) − 1 (Fear The Reaper)"},
    // Typed since the last recomputation, the race text only counts at the
    // next one: the value shown is still the picked race's.
    {"TypedRace",         "Human",        {},                                          "Robot",     "dres",     "Damage Res. 0% = 0\nThe race text now reads \"Robot\": the next recomputation (a \"+\", \"−\" or most trait clicks) makes it 40% = 40 (Robot)."},
    // Deathclaw's Damage Res. is a Robot's too: the value still comes from
    // the Robot's recomputation, the last one that ran.
    {"TypedSameValue",    "Robot",        {},                                          "Deathclaw", "dres",     "Damage Res. 40% = 40 (Robot)"},
    // The trait click recomputes for a text that names no race: the same
    // 40, now Tight Nuts' alone.
    {"TypedThenClicked",  "Robot",        {"tightnuts"},                               "robot",     "dres",     "Damage Res. 40% = 40 (Tight Nuts)"},
};
// clang-format on

class Breakdowns : public ::testing::TestWithParam<BreakdownCase> {};

TEST_P(Breakdowns, SayHowTheValueIsMade) {
  const BreakdownCase& c = GetParam();
  Player player(c.race);
  if (c.typed) player.Type(c.typed);
  for (const char* click : c.clicks) player.Click(click);
  EXPECT_EQ(Breakdown(player.engine(), *FindField(c.field)), c.breakdown);
}

INSTANTIATE_TEST_SUITE_P(Values, Breakdowns, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.label); });

// Gas Res. is a literal the race pick writes, and the statistics are spent,
// not computed: none of them has a breakdown.
TEST(Breakdowns, OnlyComputedValuesHaveOne) {
  Player player;
  for (const char* field : {"gres", "st", "chpoint", "tags"})
    EXPECT_EQ(Breakdown(player.engine(), *FindField(field)), "") << field;
}

// Gas Res. names the pick that set it, and stays through a typed race.
TEST(Breakdowns, GasResNamesThePickThatSetIt) {
  Player deathclaw("Deathclaw");
  deathclaw.Click("bruiser");
  EXPECT_EQ(GasResText(deathclaw.engine()), "Gas Res. 0/40: picking Deathclaw set it, and no trait changes it.");
  deathclaw.Type("Human");
  EXPECT_EQ(
      GasResText(deathclaw.engine()),
      "Gas Res. 0/40: picking Deathclaw set it, and no trait changes it.\nThe race text now reads \"Human\": only "
      "a race picked from the list sets Gas Res. again.");
}

}  // namespace
}  // namespace cindral::test
