// The history of the player's steps: what counts as a step, undo putting
// back every field and box as it was before the step (with no rule run and
// the panel left alone), redo putting back the state after it, typing runs,
// the steps dropped by a new step and the thousand steps kept; and what
// each action says it changed.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "character_rebuild.h"
#include "history.h"
#include "player.h"

namespace cindral::test {
namespace {

// A player whose every action goes through the history, as the window sends it.
class Playing {
 public:
  Playing() : history_(player_.engine(), &RebuildCharacter) {}
  explicit Playing(std::string_view race) : player_(race), history_(player_.engine(), &RebuildCharacter) {}

  Player& player() { return player_; }
  History& history() { return history_; }
  std::string operator[](std::string_view control) const { return player_[control]; }

  bool Click(std::string_view control) { return history_.Act(cindral::Click(control)).reacted; }
  void Pick(std::string_view race) { history_.Act(PickRace(race)); }
  void TypeRace(std::string_view text) { history_.Act(cindral::TypeRace(text)); }
  void TypeName(std::string_view text) { history_.Act(cindral::TypeName(text)); }
  void EndTyping() { history_.Act(cindral::EndTyping()); }
  bool Undo() { return history_.Act(cindral::Undo()).step; }
  bool Redo() { return history_.Act(cindral::Redo()).step; }

  // Everything a step can change: the whole window but the panel.
  Snapshot Sheet() const {
    Snapshot shot = player_.Take();
    shot.erase("info");
    return shot;
  }

 private:
  Player player_;
  History history_;
};

// The player's actions, for the tables below.
using Act = Action;
Act Pick(std::string_view race) { return PickRace(race); }
Act Pasted(std::string_view text) { return PasteCharacter(text); }
const Act kEndTyping = EndTyping();
const Act kUndo = Undo();
const Act kRedo = Redo();
const Act kCopied = CopyCharacter();

Outcome Play(Playing& p, const Act& act) { return p.history().Act(act); }

void Play(Playing& p, const std::vector<Act>& acts) {
  for (const Act& act : acts) Play(p, act);
}

// ---------------------------------------------------------------------------
// One step taken back and taken again

struct Value {
  std::string_view field;
  std::string_view before, after;
};

struct StepCase {
  const char* name;
  std::vector<Act> setup;  // played through the history first, then ended
  Act step;
  std::vector<Value> values;  // as the rules give them, before and after the step
};

const std::vector<StepCase> kStepCases = {
    {"StatPlus", {}, Click("stplu"), {{"st", "5", "6"}, {"chpoint", "5", "4"}, {"md", "1", "1"}}},
    {"StatMinus", {}, Click("agmin"), {{"ag", "5", "4"}, {"chpoint", "5", "6"}, {"ap", "7", "7"}}},
    {"TraitTick",
     {},
     Click("bruiser"),
     {{"st", "5", "7"},
      {"traits", "2", "1"},
      {"ap", "7", "5"},
      {"md", "1", "2"},
      {"bruiser", "0", "1"},
      {"extra", "", "Bruiser. -2 Action Points, +2 Strength. "}}},
    {"TraitUntick",
     {Click("bruiser")},
     Click("bruiser"),
     {{"st", "7", "5"}, {"traits", "1", "2"}, {"ap", "5", "7"}, {"bruiser", "1", "0"}}},
    {"TagTick", {}, Click("sneak"), {{"tags", "3", "2"}, {"sneak", "0", "1"}}},
    {"RacePick",
     {},
     Pick("Robot"),
     {{"race", "Human", "Robot"},
      {"st", "5", "7"},
      {"pe", "5", "7"},
      {"en", "5", "7"},
      {"ch", "5", "1"},
      {"chpoint", "5", "3"},
      {"perkrate", "3", "0"},
      {"hp", "30", "36"},
      {"dres", "0%", "40%"},
      {"eres", "30%", "0%"},
      {"extra", "", kRobotNote}}},
    {"RacePickOverTicks",
     {Click("bruiser"), Click("stplu"), Click("smallguns")},
     Pick("Deathclaw"),
     {{"st", "8", "6"},
      {"chpoint", "4", "7"},
      {"traits", "1", "2"},
      {"tags", "2", "3"},
      {"bruiser", "1", "0"},
      {"smallguns", "1", "0"},
      {"gres", "0/0", "0/40"}}},
    {"RaceTyped", {}, TypeRace("Robot"), {{"race", "Human", "Robot"}, {"st", "5", "5"}, {"chpoint", "5", "5"}}},
    {"NameTyped", {}, TypeName("Vault Dweller"), {{"Name", "Name", "Vault Dweller"}}},
    // A whole character pasted in, typed name and all, is one step.
    {"CharacterPasted",
     {Click("stplu"), TypeName("Ada")},
     Pasted("Name: Rex\nRace: Dog\nStrength: 7\nPerception: 5\nEndurance: 5\nCharisma: 5\nIntelligence: 3\n"
            "Agility: 5\nLuck: 5\nTraits: Rabid\nDoctor: (tagged)\n"),
     {{"Name", "Ada", "Rex"},
      {"race", "Human", "Dog"},
      {"st", "6", "7"},
      {"chpoint", "4", "5"},
      {"rabid", "0", "1"},
      {"doctor", "0", "1"},
      {"tags", "3", "2"}}},
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class OneStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(OneStep, UndoPutsBackTheSheetBeforeItAndRedoTheSheetAfterIt) {
  const StepCase& c = GetParam();
  Playing p;
  Play(p, c.setup);
  p.EndTyping();
  for (const Value& v : c.values) EXPECT_EQ(p[v.field], v.before) << v.field << " before the step";
  const Snapshot before = p.Sheet();
  const std::size_t steps = p.history().StepCount();
  Play(p, c.step);
  const Snapshot after = p.Sheet();
  const std::string panel = p["info"];
  for (const Value& v : c.values) EXPECT_EQ(p[v.field], v.after) << v.field << " after the step";
  EXPECT_EQ(p.history().StepCount(), steps + 1);
  EXPECT_FALSE(p.history().CanRedo());

  ASSERT_TRUE(p.Undo());
  for (const Value& v : c.values) EXPECT_EQ(p[v.field], v.before) << v.field << " after undo";
  EXPECT_EQ(Differences(before, p.Sheet()), "") << "undo";
  EXPECT_EQ(p["info"], panel) << "the panel keeps its text";
  EXPECT_TRUE(p.history().CanRedo());

  ASSERT_TRUE(p.Redo());
  for (const Value& v : c.values) EXPECT_EQ(p[v.field], v.after) << v.field << " after redo";
  EXPECT_EQ(Differences(after, p.Sheet()), "") << "redo";
  EXPECT_EQ(p["info"], panel);
  EXPECT_FALSE(p.Redo());
  EXPECT_EQ(Differences(after, p.Sheet()), "") << "a redo with nothing to redo";
}

INSTANTIATE_TEST_SUITE_P(History, OneStep, ::testing::ValuesIn(kStepCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// What is a step

// A click that changes nothing but the panel, or nothing at all, is no step:
// the captions, About, the counter, a field, a box the race may not tick,
// an unknown name.
TEST(History, AClickThatChangesNoFieldOrBoxIsNoStep) {
  Playing p;
  for (const char* control : {"Label4", "Command1", "tags", "st", "chpoint", "rabid", "betasoft", "nosuch", ""}) {
    p.Click(control);
    EXPECT_FALSE(p.history().CanUndo()) << control;
    EXPECT_EQ(p.history().StepCount(), 0u) << control;
  }
  EXPECT_FALSE(p.Undo());
}

// A "+" or "-" the rules refuse makes no step, and the step before it is the
// one undo takes back.
TEST(History, ARefusedClickIsNoStep) {
  struct Refused {
    std::vector<Act> setup;
    const char* click;
    const char* why;
  };
  const Refused cases[] = {
      {{Pick("Robot")}, "chplu", "a Robot's CH stays 1"},
      {{Pick("Robot")}, "stmin", "a Robot's ST is at its minimum 7"},
      {{Click("stplu"), Click("stplu"), Click("stplu"), Click("stplu"), Click("stplu")}, "peplu", "the pool is empty"},
      {{Click("stplu"), Click("stplu"), Click("stplu"), Click("stplu"), Click("stplu")}, "stplu", "ST is at 10"},
      {{Click("bruiser"), Click("finesse")}, "jinx", "no trait left"},
  };
  for (const Refused& c : cases) {
    Playing p;
    Play(p, c.setup);
    const std::size_t steps = p.history().StepCount();
    const Snapshot before = p.Sheet();
    p.Click(c.click);
    EXPECT_EQ(Differences(before, p.Sheet()), "") << c.why;
    EXPECT_EQ(p.history().StepCount(), steps) << c.why;
    EXPECT_FALSE(p.history().CanRedo()) << c.why;
  }
}

// A refused "+" still recomputes the secondary statistics; when the race
// text was typed since the last pick, that changes the Human's Electricity
// Res., and the click is a step.
TEST(History, ARefusedClickWhoseRecomputationChangesAFieldIsAStep) {
  Playing p;
  p.TypeRace("robot");
  p.EndTyping();
  EXPECT_EQ(p["eres"], "30%");
  p.Click("stplu");
  EXPECT_EQ(p["st"], "5");
  EXPECT_EQ(p["chpoint"], "5");
  EXPECT_EQ(p["eres"], "0%");
  EXPECT_EQ(p.history().StepCount(), 2u);
  ASSERT_TRUE(p.Undo());
  EXPECT_EQ(p["eres"], "30%");
  EXPECT_EQ(p["race"], "robot");
}

// The typed race text and the name: one step a run, until the run ends.
struct TypingCase {
  const char* name;
  std::vector<Act> acts;
  std::size_t steps;
  std::string_view race, playerName;  // after one undo
};

const std::vector<TypingCase> kTypingCases = {
    {"ARunIsOneStep", {TypeRace("R"), TypeRace("Ro"), TypeRace("Rob")}, 1, "Human", "Name"},
    {"EndTypingSplitsRuns", {TypeRace("Ro"), kEndTyping, TypeRace("Rob")}, 2, "Ro", "Name"},
    {"APickEndsTheRun", {TypeRace("Do"), TypeRace("Dog"), Pick("Dog")}, 2, "Dog", "Name"},
    {"AClickEndsTheRun", {TypeName("A"), Click("stplu"), TypeName("AB")}, 3, "Human", "A"},
    {"ACaptionClickEndsTheRun", {TypeName("A"), Click("Label4"), TypeName("AB")}, 2, "Human", "A"},
    {"ACopyEndsTheRun", {TypeName("A"), kCopied, TypeName("AB")}, 2, "Human", "A"},
    {"TheOtherBoxEndsTheRun", {TypeName("A"), TypeName("Ab"), TypeRace("X"), TypeRace("XY")}, 2, "Human", "Ab"},
    {"UndoEndsTheRun", {TypeName("A"), kUndo, TypeName("AB")}, 1, "Human", "Name"},
    {"RedoEndsTheRun", {TypeName("A"), kUndo, kRedo, TypeName("AB")}, 2, "Human", "A"},
    {"ARunBackToItsStartIsNoStep", {TypeName("X"), TypeName("Nam"), TypeName("Name")}, 0, "Human", "Name"},
    {"TheSameTextAgainIsNoStep", {TypeRace("Human"), kEndTyping, TypeName("Name")}, 0, "Human", "Name"},
};

void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }

class TypingRuns : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypingRuns, MakeOneStepUntilTheyEnd) {
  const TypingCase& c = GetParam();
  Playing p;
  Play(p, c.acts);
  EXPECT_EQ(p.history().StepCount(), c.steps);
  EXPECT_EQ(p.Undo(), c.steps > 0);
  EXPECT_EQ(p["race"], c.race);
  EXPECT_EQ(p["Name"], c.playerName);
}

INSTANTIATE_TEST_SUITE_P(History, TypingRuns, ::testing::ValuesIn(kTypingCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// What an action says it changed

TEST(History, AnActionListsTheFieldsAndBoxesItChanged) {
  struct Case {
    std::vector<Act> setup;
    Act act;
    bool reacted, step;
    std::set<std::string> changed;  // by control name
  };
  // ST 6: Hit Points 31, Carry Wt. 175, Unarmed 52%, Melee Weapons 42%.
  const std::set<std::string> stPlus = {"st", "chpoint", "hp", "carrywt", "una", "mel"};
  // Under the Half-Mutant's pick the recomputations and a trait's tick and
  // untick leave the sheet just as a Human's pick gives it: picking the
  // Human then changes no field and no box, only the race picked last.
  const std::vector<Act> humanUnderHalfMutant = {Pick("Half-Mutant"), TypeRace("Human"), kEndTyping,
                                                 Click("stplu"),      Click("stmin"),    Click("bruiser"),
                                                 Click("bruiser")};
  const Case cases[] = {
      {{}, Click("stplu"), true, true, stPlus},
      {{Click("stplu")}, kUndo, true, true, stPlus},
      {{}, Click("sneak"), true, true, {"sneak", "sne", "tags"}},
      {{Pick("Robot")}, Click("chplu"), true, false, {}},
      {{}, Click("Label4"), true, false, {}},
      {{}, Click("nosuch"), false, false, {}},
      {{TypeName("A")}, TypeName("A"), true, false, {}},
      {humanUnderHalfMutant, Pick("Human"), true, true, {}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    Playing p;
    Play(p, c.setup);
    const Outcome outcome = Play(p, c.act);
    std::set<std::string> changed;
    for (std::size_t f = 0; f < kFieldCount; ++f) {
      if (outcome.fields.test(f)) changed.emplace(NameOf(static_cast<Field>(f)));
    }
    for (std::size_t b = 0; b < kBoxCount; ++b) {
      if (outcome.boxes.test(b)) changed.emplace(NameOf(static_cast<Box>(b)));
    }
    EXPECT_EQ(outcome.reacted, c.reacted) << "case " << i;
    EXPECT_EQ(outcome.step, c.step) << "case " << i;
    EXPECT_EQ(changed, c.changed) << "case " << i;
  }
}

// ---------------------------------------------------------------------------
// Undo runs no rule

// Undoing a trait's tick unticks the box without its handling: the panel
// keeps the About text shown since, and the boxes that Traits Left 0 had
// closed open again exactly as the Human's column has them.
TEST(History, UndoRunsNoHandlingAndLeavesThePanel) {
  Playing p;
  p.Click("bruiser");
  p.Click("finesse");
  EXPECT_EQ(p["traits"], "0");
  EXPECT_EQ(p.player().DisabledTraits().size(), 26u);  // every box but the two ticked
  p.Click("Command1");
  const std::string about = p["info"];
  ASSERT_NE(about.rfind("Bruiser", 0), 0u);
  ASSERT_NE(about.rfind("Finesse", 0), 0u);

  ASSERT_TRUE(p.Undo());
  EXPECT_EQ(p["traits"], "1");
  EXPECT_EQ(p["finesse"], "0");
  EXPECT_EQ(p.player().DisabledTraits(), TraitsClosedTo("Human"));
  EXPECT_EQ(p["info"], about);

  ASSERT_TRUE(p.Undo());
  EXPECT_EQ(p["traits"], "2");
  EXPECT_EQ(p["st"], "5");
  EXPECT_EQ(p["ap"], "7");
  EXPECT_EQ(p["extra"], "");
  EXPECT_EQ(p.player().DisabledTraits(), TraitsClosedTo("Human"));
  EXPECT_EQ(p["info"], about);
  EXPECT_EQ(Differences(Playing().Sheet(), p.Sheet()), "");
}

// A Super-Mutant's Ham Fisted ticks Unarmed along with it; undoing it
// unticks both and gives the tag back, though unticking Unarmed by hand
// while Ham Fisted is ticked would tick it again.
TEST(History, UndoingHamFistedGivesBackTheUnarmedTag) {
  Playing p("Super-Mutant");
  const Snapshot start = p.Sheet();
  p.Click("hamfist");
  EXPECT_EQ(p["unarmed"], "1");
  EXPECT_EQ(p["tags"], "2");
  ASSERT_TRUE(p.Undo());
  EXPECT_EQ(p["hamfist"], "0");
  EXPECT_EQ(p["unarmed"], "0");
  EXPECT_EQ(p["tags"], "3");
  EXPECT_EQ(Differences(start, p.Sheet()), "");
  ASSERT_TRUE(p.Redo());
  EXPECT_EQ(p["unarmed"], "1");
  EXPECT_EQ(p["tags"], "2");
}

// ---------------------------------------------------------------------------
// Across a race pick

TEST(History, UndoAcrossARacePickBringsBackTheOldRaceAndItsPick) {
  Playing p;
  p.Click("stplu");
  p.Click("stplu");
  p.Click("bruiser");
  p.Click("smallguns");
  p.Click("doctor");
  const Snapshot human = p.Sheet();
  p.Pick("Robot");
  const Snapshot robot = p.Sheet();
  EXPECT_EQ(p["st"], "7");
  EXPECT_EQ(p.player().DisabledTraits(), TraitsClosedTo("Robot"));

  ASSERT_TRUE(p.Undo());
  EXPECT_EQ(p["race"], "Human");
  EXPECT_EQ(p["st"], "9");
  EXPECT_EQ(p["chpoint"], "3");
  EXPECT_EQ(p["traits"], "1");
  EXPECT_EQ(p["tags"], "1");
  for (const char* box : {"bruiser", "smallguns", "doctor"}) EXPECT_EQ(p[box], "1") << box;
  EXPECT_EQ(p["extra"], "Bruiser. -2 Action Points, +2 Strength. ");
  EXPECT_EQ(p.player().DisabledTraits(), TraitsClosedTo("Human"));
  EXPECT_EQ(p.history().engine().LastPick(), "Human");
  EXPECT_TRUE(p.history().engine().RaceTextIsPicked());
  EXPECT_EQ(Differences(human, p.Sheet()), "");

  ASSERT_TRUE(p.Redo());
  EXPECT_EQ(Differences(robot, p.Sheet()), "");
  EXPECT_EQ(p.history().engine().LastPick(), "Robot");
  // The rules go on from the Robot: its ST cannot go below 7.
  p.Click("stmin");
  EXPECT_EQ(p["st"], "7");
}

// A typed race text, then a pick: undoing the pick brings back the typed
// text and the pick before it, so the text no longer names the race picked
// last; undoing the typing makes them agree again.
TEST(History, UndoRemembersWhichRaceWasPickedLast) {
  Playing p;
  p.Click("bruiser");
  p.TypeRace("Dog");
  p.Pick("Robot");
  EXPECT_EQ(p.history().engine().LastPick(), "Robot");

  ASSERT_TRUE(p.Undo());
  EXPECT_EQ(p["race"], "Dog");
  EXPECT_EQ(p.history().engine().LastPick(), "Human");
  EXPECT_FALSE(p.history().engine().RaceTextIsPicked());
  EXPECT_EQ(p["bruiser"], "1");
  EXPECT_EQ(p["st"], "7");
  // The boxes still follow the Human the text no longer names.
  EXPECT_EQ(p.player().DisabledTraits(), TraitsClosedTo("Human"));

  ASSERT_TRUE(p.Undo());
  EXPECT_EQ(p["race"], "Human");
  EXPECT_TRUE(p.history().engine().RaceTextIsPicked());
}

// Texts that name no race, the 10,000-byte one, an embedded NUL and bytes
// that are not UTF-8 among them, come back byte for byte.
TEST(History, ATypedRaceTextComesBackByteForByte) {
  for (const std::string& text : kTextsThatNameNoRace) {
    Playing p;
    p.TypeRace(text);
    p.EndTyping();
    p.Pick("Robot");
    p.TypeName(text);
    ASSERT_TRUE(p.Undo()) << Shown(text);
    ASSERT_TRUE(p.Undo()) << Shown(text);
    EXPECT_EQ(p["race"], text) << Shown(text);
    EXPECT_EQ(p["Name"], "Name") << Shown(text);
    EXPECT_EQ(p.history().engine().RaceTextIsPicked(), false) << Shown(text);
    ASSERT_TRUE(p.Undo()) << Shown(text);
    EXPECT_EQ(p["race"], "Human") << Shown(text);
    ASSERT_TRUE(p.Redo()) << Shown(text);
    ASSERT_TRUE(p.Redo()) << Shown(text);
    ASSERT_TRUE(p.Redo()) << Shown(text);
    EXPECT_EQ(p["race"], "Robot") << Shown(text);
    EXPECT_EQ(p["Name"], text) << Shown(text);
  }
}

// ---------------------------------------------------------------------------
// Undo, redo and new steps

TEST(History, ANewStepAfterAnUndoDropsTheStepsThatCouldBeRedone) {
  Playing p;
  p.Click("stplu");
  p.Click("peplu");
  p.Click("enplu");
  ASSERT_TRUE(p.Undo());
  ASSERT_TRUE(p.Undo());
  EXPECT_TRUE(p.history().CanRedo());
  p.Click("agplu");
  EXPECT_FALSE(p.history().CanRedo());
  EXPECT_FALSE(p.Redo());
  EXPECT_EQ(p.history().StepCount(), 2u);
  EXPECT_EQ(p["pe"], "5");
  EXPECT_EQ(p["en"], "5");
  EXPECT_EQ(p["ag"], "6");
  ASSERT_TRUE(p.Undo());
  EXPECT_EQ(p["st"], "6");
  EXPECT_EQ(p["ag"], "5");
  EXPECT_EQ(p["chpoint"], "4");
}

// A click that is no step leaves the steps that can be redone.
TEST(History, AClickThatIsNoStepKeepsTheRedo) {
  Playing p;
  p.Click("stplu");
  ASSERT_TRUE(p.Undo());
  p.Click("Label4");
  p.Click("rabid");
  EXPECT_TRUE(p.Redo());
  EXPECT_EQ(p["st"], "6");
}

// Undo and redo with nothing to do change nothing, the panel included, and
// a thousand presses in a row stop at the ends.
TEST(History, PressesWithNothingToDoChangeNothing) {
  Playing p;
  p.Click("Label4");
  const Snapshot start = p.Sheet();
  const std::string panel = p["info"];
  EXPECT_FALSE(p.Undo());
  EXPECT_FALSE(p.Redo());
  EXPECT_EQ(Differences(start, p.Sheet()), "");
  EXPECT_EQ(p["info"], panel);

  p.Click("stplu");
  p.Click("sneak");
  p.TypeName("Max");
  const Snapshot last = p.Sheet();
  int undone = 0, redone = 0;
  for (int i = 0; i < 1000; ++i) undone += p.Undo();
  EXPECT_EQ(undone, 3);
  EXPECT_EQ(Differences(start, p.Sheet()), "");
  for (int i = 0; i < 1000; ++i) redone += p.Redo();
  EXPECT_EQ(redone, 3);
  EXPECT_EQ(Differences(last, p.Sheet()), "");
  EXPECT_EQ(p["info"], panel);
}

// A thousand steps are kept: after 1,001 the first stays done, and undoing
// all there is comes back to the sheet after it, not to the start.
TEST(History, KeepsTheLastThousandSteps) {
  Playing p;
  p.Click("bruiser");
  for (int i = 0; i < 1000; ++i) p.Click(i % 2 == 0 ? "peplu" : "pemin");
  EXPECT_EQ(p.history().StepCount(), 1000u);
  const Snapshot last = p.Sheet();
  int undone = 0;
  while (p.Undo()) ++undone;
  EXPECT_EQ(undone, 1000);
  EXPECT_EQ(p["bruiser"], "1");
  EXPECT_EQ(p["st"], "7");
  EXPECT_EQ(p["traits"], "1");
  EXPECT_EQ(p["pe"], "5");
  EXPECT_EQ(p["chpoint"], "5");
  int redone = 0;
  while (p.Redo()) ++redone;
  EXPECT_EQ(redone, 1000);
  EXPECT_EQ(Differences(last, p.Sheet()), "");
}

}  // namespace
}  // namespace cindral::test
