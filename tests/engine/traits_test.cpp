// Which trait boxes can be ticked, and what ticking and unticking each one
// does to the sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "help_texts.h"

namespace cindral::etest {
namespace {

struct RaceTraits {
  const char* race;
  std::size_t allowed;
  std::set<std::string> closed;
};

const std::vector<RaceTraits> kRaceTraits = {
    {"Human", 18,
     {"glowingone", "fearthereap", "vatskin", "hamfist", "domesticated", "rabid", "tightnuts", "targetcomp", "empshield",
      "betasoft"}},
    {"Ghoul", 19,
     {"sexappeal", "vatskin", "hamfist", "domesticated", "rabid", "tightnuts", "targetcomp", "empshield", "betasoft"}},
    {"Super-Mutant", 19,
     {"sexappeal", "glowingone", "fearthereap", "domesticated", "rabid", "tightnuts", "targetcomp", "empshield",
      "betasoft"}},
    {"Half-Mutant", 17,
     {"sexappeal", "glowingone", "fearthereap", "vatskin", "hamfist", "domesticated", "rabid", "tightnuts", "targetcomp",
      "empshield", "betasoft"}},
    {"Deathclaw", 14,
     {"onehand", "fastshot", "goodnature", "skilled", "sexappeal", "techwizard", "glowingone", "fearthereap", "vatskin",
      "hamfist", "tightnuts", "targetcomp", "empshield", "betasoft"}},
    {"Gray Deathclaw", 14,
     {"onehand", "fastshot", "goodnature", "skilled", "sexappeal", "techwizard", "glowingone", "fearthereap", "vatskin",
      "hamfist", "tightnuts", "targetcomp", "empshield", "betasoft"}},
    {"Dog", 14,
     {"onehand", "fastshot", "goodnature", "skilled", "sexappeal", "techwizard", "glowingone", "fearthereap", "vatskin",
      "hamfist", "tightnuts", "targetcomp", "empshield", "betasoft"}},
    {"Robot", 13,
     {"fastmet", "fastshot", "goodnature", "chemrel", "chemres", "nightperson", "skilled", "gifted", "sexappeal",
      "glowingone", "fearthereap", "vatskin", "hamfist", "domesticated", "rabid"}},
};

std::vector<std::string> TraitBoxNames() {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < kTraitCount; ++i) names.emplace_back(NameOf(TraitBox(static_cast<Trait>(i))));
  return names;
}

void ExpectRaceColumn(const Player& player, const RaceTraits& column) {
  std::size_t enabled = 0;
  for (const auto& box : TraitBoxNames()) {
    EXPECT_EQ(player.Enabled(box), column.closed.count(box) == 0) << column.race << " " << box;
    enabled += player.Enabled(box) ? 1 : 0;
  }
  EXPECT_EQ(enabled, column.allowed) << column.race;
}

TEST(TraitAvailabilityByRace, EachRaceOpensExactlyItsOwnTraitsWhateverCameBefore) {
  for (const RaceTraits& column : kRaceTraits) {
    EXPECT_EQ(column.closed.size() + column.allowed, kTraitCount) << column.race;
    Player player(column.race);
    ExpectRaceColumn(player, column);
    for (const char* previous : {"Robot", "Ghoul", "Dog"}) {
      Player other(previous);
      other.Pick(column.race);
      ExpectRaceColumn(other, column);
    }
  }
}

TEST(TraitAvailabilityByRace, TheProgramOpensWithTheHumanColumnAndTwoTraitsLeft) {
  Player human;
  ExpectRaceColumn(human, kRaceTraits[0]);
  EXPECT_EQ(human["traits"], "2");
}

TEST(TraitAllowance, NoTraitLeftClosesEveryUntickedBoxAndAnUntickReopensTheRacesOwn) {
  Player human;
  human.Toggle("finesse");
  EXPECT_EQ(human["traits"], "1");
  human.Toggle("jinx");
  EXPECT_EQ(human["traits"], "0");
  for (const auto& box : TraitBoxNames()) EXPECT_EQ(human.Enabled(box), box == "finesse" || box == "jinx") << box;
  human.engine().Click("gifted");
  EXPECT_FALSE(human.Ticked("gifted"));
  EXPECT_EQ(human["st"], "5");
  human.Toggle("jinx");
  EXPECT_EQ(human["traits"], "1");
  ExpectRaceColumn(human, kRaceTraits[0]);
}

TEST(TraitAllowance, AnyTwoAllowedTraitsGoTogether) {
  Player human;
  human.Toggle("chemrel");
  human.Toggle("chemres");
  EXPECT_EQ(human["traits"], "0");
  human.Pick("Human");
  human.Toggle("gifted");
  human.Toggle("skilled");
  EXPECT_EQ(human["traits"], "0");
}

// What the sheet looked like each time a box changed during a race change.
class BoxWatch : public SheetObserver {
 public:
  explicit BoxWatch(const Sheet& sheet) : sheet_(sheet) {}
  struct Moment {
    Box box;
    int state;
    bool enabled;
    std::string traitsLeft;
    bool glowingOneOpen;  // a sign of the Ghoul column
    int finesse;
  };
  void FieldChanged(Field) override {}
  void BoxChanged(Box box) override {
    moments.push_back({box, sheet_.State(box), sheet_.Enabled(box), sheet_.Text(Field::traits),
                       sheet_.Enabled(Box::glowingone), sheet_.State(Box::finesse)});
  }
  std::vector<Moment> moments;

 private:
  const Sheet& sheet_;
};

TEST(TraitRaceChange, HumanToGhoulUnticksInTraitOrderAndTheGhoulColumnClosesTheStillTickedSexAppeal) {
  Player human;
  human.Toggle("sexappeal");
  human.Toggle("finesse");
  BoxWatch watch(human.sheet());
  human.sheet().SetObserver(&watch);
  human.Pick("Ghoul");
  human.sheet().SetObserver(nullptr);

  const auto& m = watch.moments;
  const auto at = [&](auto match) { return std::find_if(m.begin(), m.end(), match) - m.begin(); };
  const auto finesseOff = at([](const auto& x) { return x.box == Box::finesse && x.state == 0; });
  const auto sexAppealClosed =
      at([](const auto& x) { return x.box == Box::sexappeal && x.state == 1 && !x.enabled; });
  const auto sexAppealOff = at([](const auto& x) { return x.box == Box::sexappeal && x.state == 0; });
  const auto size = static_cast<std::ptrdiff_t>(m.size());
  ASSERT_LT(finesseOff, size);
  ASSERT_LT(sexAppealClosed, size) << "Sex Appeal was never ticked and disabled at once";
  ASSERT_LT(sexAppealOff, size);
  EXPECT_LT(finesseOff, sexAppealClosed);
  EXPECT_LT(sexAppealClosed, sexAppealOff);
  EXPECT_EQ(m[sexAppealClosed].traitsLeft, "1");
  // The column is walked in trait order, so Glowing One opens after Sex
  // Appeal closes, and before Sex Appeal's own untick.
  EXPECT_TRUE(m[sexAppealOff].glowingOneOpen);
  EXPECT_FALSE(m[sexAppealOff].enabled);
  EXPECT_EQ(m[sexAppealClosed].finesse, 0);

  EXPECT_EQ(human["traits"], "2");
  EXPECT_FALSE(human.Ticked("sexappeal"));
  EXPECT_FALSE(human.Ticked("finesse"));
  ExpectRaceColumn(human, kRaceTraits[1]);
  EXPECT_EQ(human["info"], TraitHelp(Trait::sexappeal));
  EXPECT_EQ(human["cc"], "5%");
  EXPECT_EQ(human["bd"], "0%");
}

TEST(TraitRaceChange, WithNothingTickedNoTraitHandlingRuns) {
  Player human;
  human.Click("Label94");
  const std::string panel = human["info"];
  human.Pick("Dog");
  EXPECT_EQ(human["traits"], "2");
  EXPECT_EQ(human["info"], panel);
}

TEST(TraitTicks, BruiserAddsTwoStrengthWithNoLimitAndTakesTwoAwayWithNoFloor) {
  Player human;
  human.Set("st", 10);
  human.Toggle("bruiser");
  EXPECT_EQ(human["st"], "12");
  EXPECT_EQ(human["chpoint"], "0");

  Player weak;
  weak.Toggle("bruiser");
  EXPECT_EQ(weak["st"], "7");
  weak.Set("st", 1);
  EXPECT_EQ(weak["chpoint"], "11");
  weak.Toggle("bruiser");
  EXPECT_EQ(weak["st"], "-1");
  EXPECT_EQ(weak["chpoint"], "11");
  EXPECT_EQ(weak["hp"], "24");
  EXPECT_EQ(weak["md"], "-6");
  EXPECT_EQ(weak["carrywt"], "0");
}

TEST(TraitTicks, GiftedRaisesAllSevenByOneAndLeavesThePool) {
  Player human;
  human.Click("stplu");
  human.Toggle("gifted");
  for (const auto stat : kStats) EXPECT_EQ(human[stat], stat == "st" ? "7" : "6") << stat;
  EXPECT_EQ(human["chpoint"], "4");
  EXPECT_EQ(human["traits"], "1");
  human.Toggle("gifted");
  for (const auto stat : kStats) EXPECT_EQ(human[stat], stat == "st" ? "6" : "5") << stat;
  EXPECT_EQ(human["chpoint"], "4");
  EXPECT_EQ(human["traits"], "2");
}

TEST(TraitTicks, SmallFrameAddsOneAgilityOnceAndTakesItBack) {
  Player human;
  human.Toggle("smallframe");
  human.Click("stplu");
  human.Click("agmin");
  EXPECT_EQ(human["ag"], "5");
  human.Toggle("smallframe");
  EXPECT_EQ(human["ag"], "4");
  EXPECT_EQ(human["carrywt"], "175");
}

TEST(TraitTicks, FearTheReaperLowersAGhoulsPerkRateOnceThroughEveryLaterRecomputation) {
  Player ghoul("Ghoul");
  ghoul.Toggle("fearthereap");
  EXPECT_EQ(ghoul["perkrate"], "3");
  ghoul.Click("stplu", 2);
  ghoul.Click("stmin");
  ghoul.Click("lumin");  // refused: LU 5 is a Ghoul's lowest
  ghoul.Toggle("glowingone");
  ghoul.Toggle("glowingone");
  ghoul.Toggle("sneak");
  ghoul.Toggle("fastmet");
  ghoul.Click("Label73");
  EXPECT_EQ(ghoul["perkrate"], "3");
  ghoul.Toggle("fearthereap");
  EXPECT_EQ(ghoul["perkrate"], "4");
}

TEST(TraitTicks, SkilledMovesPerkRateByOneAndAnyPickGivesTheRacesOwn) {
  const std::vector<std::pair<const char*, const char*>> perkRates = {
      {"Human", "3"}, {"Ghoul", "4"}, {"Super-Mutant", "4"}, {"Half-Mutant", "3"},
      {"Deathclaw", "4"}, {"Gray Deathclaw", "4"}, {"Dog", "2"}, {"Robot", "0"},
  };
  const auto ownRate = [&](const std::string& race) {
    for (const auto& [name, rate] : perkRates)
      if (race == name) return std::stoi(rate);
    return -100;
  };
  for (const char* skilledRace : {"Human", "Ghoul", "Super-Mutant", "Half-Mutant"}) {
    for (const auto& [race, perkRate] : perkRates) {
      Player player(skilledRace);
      player.Toggle("skilled");
      player.Click("enplu");
      EXPECT_EQ(player.Value("perkrate"), ownRate(skilledRace) + 1) << skilledRace;
      player.Pick(race);
      EXPECT_EQ(player["perkrate"], perkRate) << skilledRace << " to " << race;
      EXPECT_FALSE(player.Ticked("skilled"));
    }
  }
  Player human;
  human.Toggle("skilled");
  human.Toggle("skilled");
  EXPECT_EQ(human["perkrate"], "3");
}

TEST(TraitTicks, DomesticatedAddsOneIntelligenceOnce) {
  Player claw("Deathclaw");
  claw.Toggle("domesticated");
  EXPECT_EQ(claw["intel"], "5");
  claw.Click("stplu");
  claw.Click("inplu");  // refused: IN 5 is above a Deathclaw's top of 4
  claw.Click("chmin");
  claw.Toggle("rabid");
  claw.Toggle("rabid");
  claw.Click("Label27");
  EXPECT_EQ(claw["intel"], "5");
  EXPECT_EQ(claw["md"], "5");  // ST 7 gives 2, minus 2, plus a Deathclaw's 5
  claw.Toggle("domesticated");
  EXPECT_EQ(claw["intel"], "4");
  EXPECT_EQ(claw["md"], "7");
}

TEST(TraitTicks, TheInformationPanelShowsTheTraitsTextOnTickAndUntick) {
  for (const RaceTraits& column : kRaceTraits) {
    for (std::size_t i = 0; i < kTraitCount; ++i) {
      const auto trait = static_cast<Trait>(i);
      const std::string box(NameOf(TraitBox(trait)));
      if (column.closed.count(box)) continue;
      Player player(column.race);
      player.Toggle(box);
      EXPECT_EQ(player["info"], TraitHelp(trait)) << column.race << " " << box;
      EXPECT_EQ(player["traits"], "1");
      player.Click("Label94");
      player.Toggle(box);
      EXPECT_EQ(player["info"], TraitHelp(trait)) << column.race << " " << box;
      EXPECT_EQ(player["traits"], "2");
      EXPECT_FALSE(TraitHelp(trait).empty()) << box;
    }
  }
}

// Bloody Mess brings the boxes in line only when Traits Left has just become
// 0, or 1 on an untick; a typed race name shows the difference.
TEST(TraitTicks, BloodyMessSkipsTheBoxUpdateWhenTraitsLeftGoesFromTwoToOne) {
  Player bloody;
  bloody.Type("Robot");
  bloody.Toggle("bloody");
  EXPECT_EQ(bloody["traits"], "1");
  EXPECT_TRUE(bloody.Enabled("sexappeal"));
  EXPECT_FALSE(bloody.Enabled("tightnuts"));
  EXPECT_EQ(bloody["extra"], std::string(kRobotText) + "Bloody Mess. All kills die violently. ");

  Player jinxed;
  jinxed.Type("Robot");
  jinxed.Toggle("jinx");
  EXPECT_FALSE(jinxed.Enabled("sexappeal"));
  EXPECT_TRUE(jinxed.Enabled("tightnuts"));
}

TEST(TraitTicks, BloodyMessStillClosesAndReopensTheBoxes) {
  Player human;
  human.Toggle("kamikaze");
  human.Toggle("bloody");
  EXPECT_EQ(human["traits"], "0");
  EXPECT_FALSE(human.Enabled("gifted"));
  human.Toggle("bloody");
  EXPECT_EQ(human["traits"], "1");
  ExpectRaceColumn(human, kRaceTraits[0]);
  human.Toggle("bloody");
  human.Toggle("kamikaze");
  EXPECT_EQ(human["traits"], "1");
  ExpectRaceColumn(human, kRaceTraits[0]);
  human.Toggle("bloody");
  EXPECT_EQ(human["traits"], "2");
  ExpectRaceColumn(human, kRaceTraits[0]);
}

}  // namespace
}  // namespace cindral::etest
