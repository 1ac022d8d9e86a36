// The sheet as the program finds it, and the rule every tick box follows:
// a change of state runs the box's click handling at once, however it comes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_fixture.h"
#include "sheet.h"

namespace cindral::etest {
namespace {

// What the click handling saw each time it ran.
struct Run {
  Box box;
  int state;
  bool enabled;
};
std::vector<Run> runs;

void Record(Sheet& sheet, Box box) { runs.push_back({box, sheet.State(box), sheet.Enabled(box)}); }

// Ticking Small Guns ticks Big Guns from inside its handling.
void RecordAndChain(Sheet& sheet, Box box) {
  Record(sheet, box);
  if (box == Box::smallguns && sheet.State(box) == 1) {
    sheet.SetState(Box::bigguns, 1);
    runs.push_back({Box::smallguns, -1, true});  // marks the return from the nested change
  }
}

class BoxTickRule : public ::testing::Test {
 protected:
  void SetUp() override {
    runs.clear();
    sheet.SetBoxHandling(&Record);
  }
  Sheet sheet;
};

TEST(FreshSheet, HoldsTheInitialContentsBeforeTheLoadRuns) {
  const Sheet sheet;
  for (const auto stat : kStats) EXPECT_EQ(sheet.TextByName(stat), "5") << stat;
  EXPECT_EQ(sheet.TextByName("chpoint"), "5");
  EXPECT_EQ(sheet.TextByName("tags"), "3");
  EXPECT_EQ(sheet.TextByName("traits"), "2");
  EXPECT_EQ(sheet.TextByName("race"), "Human");
  EXPECT_EQ(sheet.TextByName("Name"), "Name");
  const std::vector<std::pair<std::string, std::string>> skills = {
      {"sma", "25%"}, {"big", "10%"}, {"ene", "10%"}, {"una", "50%"}, {"mel", "40%"}, {"thr", "20%"}, {"fir", "20%"},
      {"doc", "15%"}, {"sne", "20%"}, {"loc", "20%"}, {"ste", "15%"}, {"tra", "20%"}, {"sci", "20%"}, {"rep", "15%"},
      {"pil", "20%"}, {"spe", "25%"}, {"bar", "20%"}, {"gam", "25%"}, {"out", "20%"},
  };
  for (const auto& [field, text] : skills) EXPECT_EQ(sheet.TextByName(field), text) << field;
  for (const auto* empty : {"hp", "ac", "md", "bd", "dres", "pres", "rres", "gres", "eres", "ap", "carrywt", "hr",
                            "cc", "seq", "skillrate", "perkrate", "hprate", "extra", "info"})
    EXPECT_EQ(sheet.TextByName(empty), "") << empty;
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    EXPECT_EQ(sheet.State(static_cast<Box>(i)), 0);
    EXPECT_TRUE(sheet.Enabled(static_cast<Box>(i)));
    EXPECT_EQ(sheet.TextByName(NameOf(static_cast<Box>(i))), "0");
  }
  EXPECT_EQ(sheet.TextByName("nosuchcontrol"), "");
}

TEST_F(BoxTickRule, ADifferentStateRunsTheHandlingOnceWithTheNewStateEnabledOrNot) {
  sheet.SetState(Box::unarmed, 1);
  sheet.SetEnabled(Box::bruiser, false);
  sheet.SetState(Box::bruiser, 1);
  sheet.SetState(Box::bruiser, 0);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].box, Box::unarmed);
  EXPECT_EQ(runs[0].state, 1);
  EXPECT_EQ(runs[1].box, Box::bruiser);
  EXPECT_EQ(runs[1].state, 1);
  EXPECT_FALSE(runs[1].enabled);
  EXPECT_EQ(runs[2].state, 0);
  EXPECT_EQ(sheet.TextByName("unarmed"), "1");
}

TEST_F(BoxTickRule, TheSameStateAndTheEnabledFlagAndTextsRunNothing) {
  sheet.SetState(Box::melee, 0);
  sheet.SetState(Box::melee, 1);
  sheet.SetState(Box::melee, 1);
  sheet.SetEnabled(Box::melee, false);
  sheet.SetEnabled(Box::melee, true);
  sheet.SetText(Field::tags, "1");
  sheet.SetNumber(Field::st, 9);
  EXPECT_EQ(runs.size(), 1u);
  EXPECT_EQ(sheet.Text(Field::st), "9");
  EXPECT_EQ(sheet.Number(Field::tags), 1);
}

TEST_F(BoxTickRule, AUserClickOnADisabledBoxDoesNothing) {
  sheet.SetEnabled(Box::gifted, false);
  EXPECT_FALSE(sheet.UserClick(Box::gifted));
  EXPECT_EQ(sheet.State(Box::gifted), 0);
  sheet.SetState(Box::gifted, 1);
  runs.clear();
  EXPECT_FALSE(sheet.UserClick(Box::gifted));
  EXPECT_EQ(sheet.State(Box::gifted), 1);
  EXPECT_TRUE(runs.empty());
}

TEST_F(BoxTickRule, AUserClickFlipsThenRunsTheHandlingWhichSeesTheNewState) {
  EXPECT_TRUE(sheet.UserClick(Box::doctor));
  EXPECT_TRUE(sheet.UserClick(Box::doctor));
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].state, 1);
  EXPECT_EQ(runs[1].state, 0);
  EXPECT_EQ(sheet.State(Box::doctor), 0);
}

TEST_F(BoxTickRule, AChangeMadeInsideAHandlingRunsItsOwnHandlingBeforeItReturns) {
  sheet.SetBoxHandling(&RecordAndChain);
  sheet.UserClick(Box::smallguns);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].box, Box::smallguns);
  EXPECT_EQ(runs[1].box, Box::bigguns);
  EXPECT_EQ(runs[1].state, 1);
  EXPECT_EQ(runs[2].state, -1);
}

TEST_F(BoxTickRule, TextsAndNumbersGoInAsShownAndPercentIsAppended) {
  sheet.SetNumber(Field::sma, 25);
  sheet.AppendText(Field::sma, "%");
  EXPECT_EQ(sheet.Text(Field::sma), "25%");
  sheet.SetNumber(Field::big, -16);
  sheet.AppendText(Field::big, "%");
  EXPECT_EQ(sheet.Text(Field::big), "-16%");
  sheet.SetText(Field::gres, "0/40");
  EXPECT_EQ(sheet.TextByName("gres"), "0/40");
}

class Recorder : public SheetObserver {
 public:
  void FieldChanged(Field field) override { seen.push_back(std::string(NameOf(field))); }
  void BoxChanged(Box box) override { seen.push_back(std::string(NameOf(box))); }
  std::vector<std::string> seen;
};

TEST_F(BoxTickRule, TheObserverHearsOfEveryTextStateAndEnabledChange) {
  Recorder recorder;
  sheet.SetObserver(&recorder);
  sheet.SetText(Field::hp, "30");
  sheet.SetState(Box::jinx, 1);
  sheet.SetEnabled(Box::rabid, false);
  sheet.SetObserver(nullptr);
  EXPECT_EQ(recorder.seen, (std::vector<std::string>{"hp", "jinx", "rabid"}));
}

// In the program: a box that is ticked but cannot be clicked still gives its
// tag or its trait back when code unticks it.
TEST(TickRuleInPlay, UntickingATickedButDisabledBoxFromCodeRunsItsUntickHandling) {
  Player human;
  human.Toggle("finesse");
  human.Toggle("jinx");
  human.sheet().SetEnabled(Box::jinx, false);
  human.sheet().SetState(Box::jinx, 0);
  EXPECT_EQ(human["traits"], "1");
  EXPECT_TRUE(human.Enabled("gifted"));

  human.Toggle("smallguns");
  human.Toggle("bigguns");
  human.Toggle("sneak");
  human.sheet().SetEnabled(Box::sneak, false);
  human.sheet().SetState(Box::sneak, 0);
  EXPECT_EQ(human["tags"], "1");
  EXPECT_EQ(human["sne"], "20%");
  EXPECT_TRUE(human.Enabled("sneak"));
}

TEST(TickRuleInPlay, TickingATickedBoxAgainFromCodeMovesNoCounter) {
  Player human;
  human.Toggle("gifted");
  human.Toggle("repair");
  const Snapshot before = human.Take();
  human.sheet().SetState(Box::gifted, 1);
  human.sheet().SetState(Box::repair, 1);
  human.sheet().SetState(Box::sneak, 0);
  EXPECT_EQ(Differences(before, human.Take()), "");
}

}  // namespace
}  // namespace cindral::etest
