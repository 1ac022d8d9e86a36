// The character sheet: its fields and boxes by their control names, what
// they hold before the program starts, and the rule every tick box follows:
// a change of its state runs its click handling at once, however it comes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player.h"

namespace cindral::test {
namespace {

TEST(Sheet, EveryControlNameIsAFieldOrABoxOfTheProgram) {
  std::vector<std::string_view> fields(kStatFields.begin(), kStatFields.end());
  fields.insert(fields.end(), kSkillValues.begin(), kSkillValues.end());
  fields.insert(fields.end(), kSecondaryFields.begin(), kSecondaryFields.end());
  fields.insert(fields.end(), kOtherFields.begin(), kOtherFields.end());
  for (const std::string_view name : fields) {
    const auto field = FindField(name);
    ASSERT_TRUE(field.has_value()) << name;
    EXPECT_EQ(NameOf(*field), name);
    EXPECT_FALSE(FindBox(name).has_value()) << name;
  }
  EXPECT_EQ(kFieldCount, fields.size());

  std::vector<std::string_view> boxes(kTagBoxes.begin(), kTagBoxes.end());
  boxes.insert(boxes.end(), kTraitOrder.begin(), kTraitOrder.end());
  for (const std::string_view name : boxes) {
    const auto box = FindBox(name);
    ASSERT_TRUE(box.has_value()) << name;
    EXPECT_EQ(NameOf(*box), name);
    EXPECT_FALSE(FindField(name).has_value()) << name;
  }
  EXPECT_EQ(kBoxCount, boxes.size());
  for (const char* unknown : {"", "ST", "Strength", "label94", "Label94", "Command1", "stplu", "st "}) {
    EXPECT_FALSE(FindField(unknown).has_value()) << '"' << unknown << '"';
    EXPECT_FALSE(FindBox(unknown).has_value()) << '"' << unknown << '"';
  }
}

TEST(Sheet, EveryFieldStartsWithItsInitialContent) {
  const Sheet sheet;
  for (const std::string_view stat : kStatFields) EXPECT_EQ(sheet.TextByName(stat), "5") << stat;
  const std::pair<const char*, const char*> initial[] = {
      {"race", "Human"}, {"Name", "Name"}, {"chpoint", "5"}, {"tags", "3"},  {"traits", "2"}, {"extra", ""},
      {"info", ""},      {"sma", "25%"},   {"big", "10%"},   {"ene", "10%"}, {"una", "50%"},  {"mel", "40%"},
      {"thr", "20%"},    {"fir", "20%"},   {"doc", "15%"},   {"sne", "20%"}, {"loc", "20%"},  {"ste", "15%"},
      {"tra", "20%"},    {"sci", "20%"},   {"rep", "15%"},   {"pil", "20%"}, {"spe", "25%"},  {"bar", "20%"},
      {"gam", "25%"},    {"out", "20%"},
  };
  for (const auto& [field, text] : initial) EXPECT_EQ(sheet.TextByName(field), text) << field;
  for (const std::string_view secondary : kSecondaryFields) EXPECT_EQ(sheet.TextByName(secondary), "") << secondary;
  for (const auto& names : {std::vector<std::string_view>(kTagBoxes.begin(), kTagBoxes.end()),
                            std::vector<std::string_view>(kTraitOrder.begin(), kTraitOrder.end())}) {
    for (const std::string_view name : names) {
      const Box box = Player::BoxNamed(name);
      EXPECT_EQ(sheet.State(box), 0) << name;
      EXPECT_TRUE(sheet.Enabled(box)) << name;
      EXPECT_EQ(sheet.TextByName(name), "0") << name;
    }
  }
  EXPECT_EQ(sheet.Number(*FindField("sma")), 25);
  EXPECT_EQ(sheet.TextByName("no such control"), std::nullopt);
}

// A tick set from code runs the box's handling before the set returns,
// which sees the new state: a trait ticked from code takes a trait, a tag
// box ticked from code takes a tag and raises its skill.
TEST(Sheet, ANewStateSetFromCodeRunsTheBoxsHandling) {
  Player human;
  human.sheet().SetState(Player::BoxNamed("jinx"), 1);
  EXPECT_EQ(human["traits"], "1");
  EXPECT_EQ(human["extra"], "Jinxed. +50% Chance to upgrade failures to critical failures for all nearby. ");
  human.sheet().SetState(Player::BoxNamed("sneak"), 1);
  EXPECT_EQ(human["tags"], "2");
  EXPECT_EQ(human["sne"], "40%");
  human.sheet().SetState(Player::BoxNamed("jinx"), 0);
  human.sheet().SetState(Player::BoxNamed("sneak"), 0);
  EXPECT_EQ(human["traits"], "2");
  EXPECT_EQ(human["tags"], "3");
  EXPECT_EQ(human["extra"], "");
  EXPECT_EQ(human["sne"], "20%");
}

// Records the order in which boxes and fields change.
class ChangeLog : public SheetObserver {
 public:
  explicit ChangeLog(const Sheet& sheet) : sheet_(sheet) {}
  void FieldChanged(Field field) override { seen.push_back(std::string(NameOf(field)) + "=" + sheet_.Text(field)); }
  void BoxChanged(Box box) override {
    seen.push_back(std::string(NameOf(box)) + (sheet_.State(box) ? " ticked" : " unticked") +
                   (sheet_.Enabled(box) ? "" : " disabled"));
  }
  std::size_t At(const std::string& entry) const {
    return static_cast<std::size_t>(std::find(seen.begin(), seen.end(), entry) - seen.begin());
  }
  std::vector<std::string> seen;

 private:
  const Sheet& sheet_;
};

// Ham Fisted ticked from code ticks Unarmed from inside its own handling;
// Unarmed's handling runs there, nested, and takes its tag before Ham
// Fisted's handling goes on and before the outer set returns.
TEST(Sheet, AChangeInsideAHandlingRunsItsHandlingThere) {
  Player mutant("Super-Mutant");
  ChangeLog log(mutant.sheet());
  mutant.sheet().SetObserver(&log);
  mutant.sheet().SetState(Player::BoxNamed("hamfist"), 1);
  mutant.sheet().SetObserver(nullptr);
  const std::size_t hamFisted = log.At("hamfist ticked");
  const std::size_t traitTaken = log.At("traits=1");
  const std::size_t unarmed = log.At("unarmed ticked");
  const std::size_t tagTaken = log.At("tags=2");
  ASSERT_LT(tagTaken, log.seen.size()) << testing::PrintToString(log.seen);
  EXPECT_LT(hamFisted, traitTaken);
  EXPECT_LT(traitTaken, unarmed);
  EXPECT_LT(unarmed, tagTaken);
  EXPECT_EQ(log.seen.front(), "hamfist ticked");
  EXPECT_EQ(mutant["una"], "70%");
}

TEST(Sheet, TheStateABoxAlreadyHasRunsNothing) {
  Player human;
  human.Toggle("gifted");
  human.Toggle("repair");
  const Snapshot before = human.Take();
  human.sheet().SetState(Player::BoxNamed("gifted"), 1);
  human.sheet().SetState(Player::BoxNamed("repair"), 1);
  human.sheet().SetState(Player::BoxNamed("sneak"), 0);
  human.sheet().SetState(Player::BoxNamed("jinx"), 0);
  EXPECT_EQ(Differences(before, human.Take()), "");
}

// Code may change a box the player cannot click, and its handling runs as
// for any change: a trait the race refuses is taken and given back, and an
// Unarmed tag that Ham Fisted forced while no tag was left gives its tag back.
TEST(Sheet, CodeChangesADisabledBoxAndItsHandlingRuns) {
  Player human;
  ASSERT_FALSE(human.Enabled("glowingone"));
  human.sheet().SetState(Player::BoxNamed("glowingone"), 1);
  EXPECT_EQ(human["traits"], "1");
  EXPECT_EQ(human["rres"], "60%");
  human.sheet().SetState(Player::BoxNamed("glowingone"), 0);
  EXPECT_EQ(human["traits"], "2");
  EXPECT_EQ(human["rres"], "10%");

  Player mutant("Super-Mutant");
  for (const char* tag : {"smallguns", "sneak", "doctor"}) mutant.Toggle(tag);
  mutant.Toggle("hamfist");
  mutant.Toggle("hamfist");
  ASSERT_TRUE(mutant.Ticked("unarmed"));
  ASSERT_FALSE(mutant.Enabled("unarmed"));
  ASSERT_EQ(mutant["tags"], "-1");
  mutant.sheet().SetState(Player::BoxNamed("unarmed"), 0);
  EXPECT_EQ(mutant["tags"], "0");
  EXPECT_EQ(mutant["una"], "50%");
  EXPECT_FALSE(mutant.Enabled("unarmed"));

  // A trait box disabled by hand while ticked gives its trait back too.
  Player picker;
  picker.Toggle("finesse");
  picker.Toggle("jinx");
  picker.sheet().SetEnabled(Player::BoxNamed("jinx"), false);
  picker.sheet().SetState(Player::BoxNamed("jinx"), 0);
  EXPECT_EQ(picker["traits"], "1");
  EXPECT_TRUE(picker.Enabled("gifted"));
}

TEST(Sheet, AUserClickFlipsAnEnabledBoxThenRunsItsHandling) {
  Player human;
  EXPECT_TRUE(human.sheet().UserClick(Player::BoxNamed("doctor")));
  EXPECT_TRUE(human.Ticked("doctor"));
  EXPECT_EQ(human["tags"], "2");
  EXPECT_EQ(human["doc"], "35%");
  EXPECT_TRUE(human.sheet().UserClick(Player::BoxNamed("doctor")));
  EXPECT_FALSE(human.Ticked("doctor"));
  EXPECT_EQ(human["tags"], "3");
  EXPECT_EQ(human["doc"], "15%");
}

// A disabled box ignores the player whether it is ticked or not.
TEST(Sheet, ADisabledBoxIgnoresThePlayer) {
  Player human;
  const Snapshot start = human.Take();
  EXPECT_FALSE(human.sheet().UserClick(Player::BoxNamed("betasoft")));
  human.engine().Click("glowingone");
  EXPECT_EQ(Differences(start, human.Take()), "");

  Player mutant("Super-Mutant");
  for (const char* tag : {"smallguns", "sneak", "doctor"}) mutant.Toggle(tag);
  mutant.Toggle("hamfist");
  ASSERT_TRUE(mutant.Ticked("unarmed"));
  ASSERT_FALSE(mutant.Enabled("unarmed"));
  const Snapshot forced = mutant.Take();
  EXPECT_FALSE(mutant.sheet().UserClick(Player::BoxNamed("unarmed")));
  mutant.engine().Click("unarmed");
  mutant.engine().Click("bigguns");
  EXPECT_EQ(Differences(forced, mutant.Take()), "");
}

// Writing a text or an enabled flag runs no handling and no recomputation.
TEST(Sheet, TextsAndEnabledFlagsRunNothing) {
  Player human;
  Snapshot expected = human.Take();
  human.sheet().SetText(*FindField("tags"), "0");
  human.sheet().SetText(*FindField("st"), "9");
  human.sheet().SetEnabled(Player::BoxNamed("sneak"), false);
  human.sheet().SetEnabled(Player::BoxNamed("glowingone"), true);
  expected["tags"] = "0";
  expected["st"] = "9";
  expected["sneak"] = "unticked, disabled";
  expected["glowingone"] = "unticked";
  EXPECT_EQ(Differences(expected, human.Take()), "");
}

TEST(Sheet, TheObserverIsToldOfTextsStatesAndEnabledFlags) {
  Sheet sheet;
  ChangeLog log(sheet);
  sheet.SetObserver(&log);
  sheet.SetText(*FindField("hp"), "30");
  sheet.SetState(Player::BoxNamed("sneak"), 1);
  sheet.SetEnabled(Player::BoxNamed("steal"), false);
  sheet.SetObserver(nullptr);
  sheet.SetText(*FindField("hp"), "31");
  EXPECT_EQ(log.seen, (std::vector<std::string>{"hp=30", "sneak ticked", "steal unticked disabled"}));
}

}  // namespace
}  // namespace cindral::test
