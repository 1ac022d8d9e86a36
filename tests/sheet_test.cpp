// The character sheet: its initial contents, and the rule that a tick set
// from code runs the box's handling exactly as a click does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_fixture.h"
#include "sheet.h"

namespace cindral {
namespace {

TEST(SheetFields, EveryFieldStartsWithItsInitialContent) {
  const Sheet sheet;
  const std::pair<Field, const char*> initial[] = {
      {Field::race, "Human"}, {Field::Name, "Name"}, {Field::st, "5"},    {Field::pe, "5"},   {Field::en, "5"},
      {Field::ch, "5"},       {Field::intel, "5"},   {Field::ag, "5"},    {Field::lu, "5"},   {Field::chpoint, "5"},
      {Field::sma, "25%"},    {Field::big, "10%"},   {Field::ene, "10%"}, {Field::una, "50%"}, {Field::mel, "40%"},
      {Field::thr, "20%"},    {Field::fir, "20%"},   {Field::doc, "15%"}, {Field::sne, "20%"}, {Field::loc, "20%"},
      {Field::ste, "15%"},    {Field::tra, "20%"},   {Field::sci, "20%"}, {Field::rep, "15%"}, {Field::pil, "20%"},
      {Field::spe, "25%"},    {Field::bar, "20%"},   {Field::gam, "25%"}, {Field::out, "20%"}, {Field::tags, "3"},
      {Field::traits, "2"},   {Field::extra, ""},    {Field::info, ""},
  };
  for (const auto& [field, text] : initial) EXPECT_EQ(sheet.Text(field), text) << NameOf(field);
  for (const Field secondary : {Field::hp, Field::ac, Field::md, Field::bd, Field::dres, Field::pres, Field::rres,
                                Field::gres, Field::eres, Field::ap, Field::carrywt, Field::hr, Field::cc, Field::seq,
                                Field::skillrate, Field::perkrate, Field::hprate}) {
    EXPECT_EQ(sheet.Text(secondary), "") << NameOf(secondary);
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    EXPECT_EQ(sheet.State(static_cast<Box>(b)), 0) << kBoxNames[b];
    EXPECT_TRUE(sheet.Enabled(static_cast<Box>(b))) << kBoxNames[b];
  }
}

TEST(SheetFields, ReadByNameNumbersAndPercentTexts) {
  Sheet sheet;
  sheet.SetNumber(Field::una, -16);
  sheet.AppendText(Field::una, "%");
  EXPECT_EQ(sheet.TextByName("una"), "-16%");
  sheet.SetNumber(Field::hp, 30);
  EXPECT_EQ(sheet.Number(Field::hp), 30);
  sheet.SetState(Box::bruiser, 1);
  EXPECT_EQ(sheet.TextByName("bruiser"), "1");
  EXPECT_EQ(sheet.TextByName("finesse"), "0");
  EXPECT_EQ(sheet.TextByName("no such control"), "");
}

// Records every run of a box's handling in the panel text: the box, the
// state it sees, whether it is enabled; Bruiser's tick sets Finesse from
// code, so a nested run shows inside the brackets of the outer one.
void RecordHandling(Sheet& sheet, Box box) {
  sheet.AppendText(Field::info, "[" + std::string(NameOf(box)) + "=" + std::to_string(sheet.State(box)) +
                                    (sheet.Enabled(box) ? "" : " disabled"));
  if (box == Box::bruiser && sheet.State(box) == 1) sheet.SetState(Box::finesse, 1);
  sheet.AppendText(Field::info, "]");
}

class TickRule : public testing::Test {
 protected:
  TickRule() { sheet.SetBoxHandling(&RecordHandling); }
  const std::string& Runs() const { return sheet.Text(Field::info); }
  Sheet sheet;
};

TEST_F(TickRule, ANewStateSetFromCodeRunsTheHandlingBeforeTheSetReturns) {
  sheet.SetState(Box::bruiser, 1);
  EXPECT_EQ(Runs(), "[bruiser=1[finesse=1]]");
  sheet.SetState(Box::bruiser, 0);
  EXPECT_EQ(Runs(), "[bruiser=1[finesse=1]][bruiser=0]");
}

TEST_F(TickRule, TheSameStateRunsNothing) {
  sheet.SetState(Box::jinx, 0);
  EXPECT_EQ(Runs(), "");
  sheet.SetState(Box::jinx, 1);
  sheet.SetState(Box::jinx, 1);
  EXPECT_EQ(Runs(), "[jinx=1]");
}

TEST_F(TickRule, CodeChangesADisabledBoxAndItsHandlingRuns) {
  sheet.SetEnabled(Box::unarmed, false);
  sheet.SetState(Box::unarmed, 1);
  sheet.SetState(Box::unarmed, 0);
  EXPECT_EQ(Runs(), "[unarmed=1 disabled][unarmed=0 disabled]");
}

TEST_F(TickRule, AUserClickFlipsAnEnabledBoxThenRunsItsHandling) {
  EXPECT_TRUE(sheet.UserClick(Box::doctor));
  EXPECT_EQ(sheet.State(Box::doctor), 1);
  EXPECT_TRUE(sheet.UserClick(Box::doctor));
  EXPECT_EQ(sheet.State(Box::doctor), 0);
  EXPECT_EQ(Runs(), "[doctor=1][doctor=0]");
}

TEST_F(TickRule, ADisabledBoxIgnoresTheUser) {
  sheet.SetState(Box::gifted, 1);
  sheet.SetEnabled(Box::gifted, false);
  sheet.SetEnabled(Box::skilled, false);
  EXPECT_FALSE(sheet.UserClick(Box::gifted));
  EXPECT_FALSE(sheet.UserClick(Box::skilled));
  EXPECT_EQ(sheet.State(Box::gifted), 1);
  EXPECT_EQ(sheet.State(Box::skilled), 0);
  EXPECT_EQ(Runs(), "[gifted=1]");
}

TEST_F(TickRule, TextsAndEnabledFlagsRunNothing) {
  sheet.SetEnabled(Box::sneak, false);
  sheet.SetEnabled(Box::sneak, true);
  sheet.SetText(Field::tags, "0");
  sheet.SetNumber(Field::traits, 1);
  EXPECT_EQ(Runs(), "");
}

// Tells of every change as it happens, in order.
class ChangeLog : public SheetObserver {
 public:
  void FieldChanged(Field field) override { seen.push_back(std::string(NameOf(field))); }
  void BoxChanged(Box box) override { seen.push_back(std::string(NameOf(box))); }
  std::vector<std::string> seen;
};

TEST(SheetObserver, IsToldOfTextsStatesAndEnabledFlags) {
  Sheet sheet;
  ChangeLog log;
  sheet.SetObserver(&log);
  sheet.SetText(Field::hp, "30");
  sheet.SetState(Box::sneak, 1);
  sheet.SetEnabled(Box::steal, false);
  EXPECT_EQ(log.seen, (std::vector<std::string>{"hp", "sneak", "steal"}));
}

// The same rule inside the program: Unarmed tagged by Ham Fisted while no
// tag was left is ticked and disabled; unticking it from code still runs
// its untick handling, which gives the tag back.
TEST(TickRuleInTheGame, UntickingATickedButDisabledTagFromCodeGivesTheTagBack) {
  test::Game game("Super-Mutant");
  game.Click("smallguns");
  game.Click("sneak");
  game.Click("doctor");
  game.Click("hamfist");
  game.Click("hamfist");
  ASSERT_EQ(game["unarmed"], "1");
  ASSERT_FALSE(game.Enabled("unarmed"));
  ASSERT_EQ(game["tags"], "-1");
  game.sheet().SetState(Box::unarmed, 0);
  EXPECT_EQ(game["tags"], "0");
  EXPECT_EQ(game["una"], "50%");
  EXPECT_FALSE(game.Enabled("unarmed"));
}

TEST(TickRuleInTheGame, AClickOnADisabledBoxChangesNothing) {
  test::Game game;
  const test::Snapshot before = test::TakeSnapshot(game.sheet());
  game.engine().Click("betasoft");
  game.engine().Click("glowingone");
  EXPECT_EQ(test::Changes(before, test::TakeSnapshot(game.sheet())), "");
}

}  // namespace
}  // namespace cindral
