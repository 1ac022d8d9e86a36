// The events a player makes: which controls react to a click, what each
// kind of event brings up to date, and that a recomputation run once more
// changes nothing.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "extra_notes.h"
#include "player.h"
#include "secondary_stats.h"
#include "skill_tags.h"
#include "skill_values.h"
#include "trait_availability.h"

namespace cindral::test {
namespace {

// Fourteen buttons, forty-seven boxes and sixty-seven captions (sixty-five
// caption labels, the counter `tags` and the About button) react.
TEST(Events, TheButtonsBoxesAndCaptionsReact) {
  for (const std::string_view button : kStatButtons) {
    const auto control = FindControl(button);
    ASSERT_TRUE(control.has_value()) << button;
    EXPECT_EQ(control->kind, ControlKind::StatButton) << button;
  }
  std::vector<std::string_view> boxes(kTagBoxes.begin(), kTagBoxes.end());
  boxes.insert(boxes.end(), kTraitOrder.begin(), kTraitOrder.end());
  for (const std::string_view box : boxes) {
    const auto control = FindControl(box);
    ASSERT_TRUE(control.has_value()) << box;
    EXPECT_EQ(control->kind, ControlKind::Box) << box;
  }
  for (const char* caption : {"Label94", "tags", "Command1", "Label4", "Label74", "Label39"}) {
    const auto control = FindControl(caption);
    ASSERT_TRUE(control.has_value()) << caption;
    EXPECT_EQ(control->kind, ControlKind::Caption) << caption;
  }
  std::size_t buttons = 0, boxCount = 0, captions = 0;
  for (const Control& control : ReactingControls()) {
    const auto found = FindControl(control.name);
    ASSERT_TRUE(found.has_value()) << control.name;
    EXPECT_EQ(found->kind, control.kind) << control.name;
    buttons += control.kind == ControlKind::StatButton;
    boxCount += control.kind == ControlKind::Box;
    captions += control.kind == ControlKind::Caption;
  }
  EXPECT_EQ(buttons, 14u);
  EXPECT_EQ(boxCount, 47u);
  EXPECT_EQ(captions, 67u);
}

// The statistic abbreviations, "Char Points", "Traits Left", every value
// field but `tags`, the frames and the panel run nothing when clicked.
TEST(Events, OtherControlsDoNotReact) {
  Player human;
  human.Toggle("gifted");
  human.Click("Label12");
  const Snapshot before = human.Take();
  for (const char* name :
       {"st",      "ST",      "intel",    "chpoint", "Char Points", "traits", "Traits Left", "Label75", "Label5",
        "Label95", "Label3",  "hp",       "sma",     "info",        "extra",  "race",        "Name",    "Primary Stats",
        "",        "label94", "Label94 ", "tags ",   "stplus",      "STPLU",  "stplu ",      "command1"}) {
    EXPECT_FALSE(human.engine().Click(name)) << '"' << name << '"';
    EXPECT_FALSE(FindControl(name).has_value()) << '"' << name << '"';
  }
  EXPECT_EQ(Differences(before, human.Take()), "");
}

// A copy of the engine plays on by itself: its clicks, nested handling
// included, reach neither the first engine nor the first sheet's watcher.
TEST(Events, ACopyOfTheEnginePlaysOnTheSide) {
  struct Counting : SheetObserver {
    int changes = 0;
    void FieldChanged(Field) override { ++changes; }
    void BoxChanged(Box) override { ++changes; }
  } watcher;
  Player human("Human");
  human.engine().sheet().SetObserver(&watcher);
  const Snapshot before = human.Take();
  Engine side(human.engine());
  side.Click("bruiser");
  side.PickRace("Robot");  // unticks Bruiser: nested handling on the copy
  EXPECT_EQ(side.sheet().Text(Field::st), "7");
  EXPECT_EQ(Differences(before, human.Take()), "");
  EXPECT_EQ(watcher.changes, 0);
  human.engine().sheet().SetObserver(nullptr);
}

// A caption shows its text and changes nothing else, also beside a trait
// box the race keeps closed; the same caption twice shows the same text.
TEST(Events, ACaptionChangesOnlyThePanel) {
  Player robot("Robot");
  for (const Control& control : ReactingControls()) {
    if (control.kind != ControlKind::Caption) continue;
    SCOPED_TRACE(control.name);
    Snapshot expected = robot.Take();
    robot.Click(control.name);
    const std::string shown = robot["info"];
    EXPECT_FALSE(shown.empty());
    EXPECT_NE(shown, expected.at("info"));
    expected["info"] = shown;
    EXPECT_EQ(Differences(expected, robot.Take()), "");
    robot.Click(control.name);
    EXPECT_EQ(robot["info"], shown);
  }
}

// Which fields each kind of event brings up to date: a field spoilt by hand
// before the event is either written again by it or left spoilt.
struct Recomputed {
  const char* label;
  const char* race;
  const char* control;
  std::vector<const char*> rewritten;
  std::vector<const char*> untouched;
};

void PrintTo(const Recomputed& r, std::ostream* os) { *os << r.label; }

const Recomputed kRecomputed[] = {
    {"StatButton", "Human", "stplu", {"hp", "ap", "sma", "out", "extra"}, {"info", "gres", "perkrate"}},
    {"RefusedStatButton", "Robot", "chplu", {"hp", "ap", "sma", "out", "extra"}, {"info", "gres", "perkrate"}},
    {"TagBox", "Human", "sneak", {"sma", "sne", "out"}, {"hp", "ap", "cc", "extra", "info"}},
    {"TraitBox", "Human", "jinx", {"hp", "ap", "cc", "sma", "extra"}, {"gres", "perkrate"}},
    {"GoodNatured", "Human", "goodnature", {"sma", "out", "extra"}, {"hp", "ap", "cc", "hprate"}},
    {"HamFisted", "Super-Mutant", "hamfist", {"hp", "ap", "sma", "extra"}, {"gres"}},
    {"BetaSoftware", "Robot", "betasoft", {"hp", "ap", "sma", "extra"}, {"gres"}},
    {"TraitCaption", "Human", "Label4", {}, {"hp", "ap", "sma", "extra", "gres", "perkrate"}},
    {"SkillCaption", "Human", "Label39", {}, {"hp", "sma", "extra"}},
    {"TagsCounter", "Human", "tags", {}, {"hp", "sma", "extra"}},
    {"About", "Human", "Command1", {}, {"hp", "sma", "extra"}},
};

class Recomputes : public testing::TestWithParam<Recomputed> {};

TEST_P(Recomputes, OnlyItsOwnFields) {
  const Recomputed& r = GetParam();
  Player player(r.race);
  for (const char* field : r.rewritten) player.sheet().SetText(*FindField(field), "spoilt");
  for (const char* field : r.untouched) player.sheet().SetText(*FindField(field), "spoilt");
  player.Click(r.control);
  for (const char* field : r.rewritten) EXPECT_NE(player[field], "spoilt") << field;
  for (const char* field : r.untouched) EXPECT_EQ(player[field], "spoilt") << field;
}

INSTANTIATE_TEST_SUITE_P(Action, Recomputes, testing::ValuesIn(kRecomputed),
                         [](const auto& info) { return std::string(info.param.label); });

// A character reached through a player's events.
struct State {
  const char* label;
  std::function<void(Player&)> reach;
};

void PrintTo(const State& s, std::ostream* os) { *os << s.label; }

void Toggles(Player& player, std::initializer_list<const char*> boxes) {
  for (const char* box : boxes) player.Toggle(box);
}

const State kStates[] = {
    {"Human", [](Player&) {}},
    {"Ghoul", [](Player& p) { p.Pick("Ghoul"); }},
    {"SuperMutant", [](Player& p) { p.Pick("Super-Mutant"); }},
    {"HalfMutant", [](Player& p) { p.Pick("Half-Mutant"); }},
    {"Deathclaw", [](Player& p) { p.Pick("Deathclaw"); }},
    {"GrayDeathclaw", [](Player& p) { p.Pick("Gray Deathclaw"); }},
    {"Dog", [](Player& p) { p.Pick("Dog"); }},
    {"Robot", [](Player& p) { p.Pick("Robot"); }},
    {"MixedHuman", [](Player& p) { MakeMixedHuman(p); }},
    {"HumanGiftedSkilled",
     [](Player& p) {
       p.Set("st", 8);
       Toggles(p, {"gifted", "skilled", "smallguns", "doctor", "speech"});
     }},
    {"HumanGiftedFinesse",
     [](Player& p) {
       p.Click("stplu", 2);
       p.Click("agmin");
       Toggles(p, {"gifted", "finesse", "doctor", "sneak"});
     }},
    {"HumanGoodNatured",
     [](Player& p) {
       Toggles(p, {"goodnature", "techwizard", "firstaid"});
     }},
    {"HumanGoodNaturedOnly",
     [](Player& p) {
       Toggles(p, {"goodnature", "skilled", "skilled", "unarmed", "speech"});
     }},
    {"MutantHamFistedNoTag",
     [](Player& p) {
       p.Pick("Super-Mutant");
       Toggles(p, {"science", "steal", "barter", "hamfist", "vatskin"});
     }},
    {"RobotBetaSoftwareGone",
     [](Player& p) {
       p.Pick("Robot");
       Toggles(p, {"science", "repair", "lockpick", "betasoft", "pilot", "betasoft", "tightnuts"});
     }},
    {"GhoulReaperFastMet",
     [](Player& p) {
       p.Pick("Ghoul");
       Toggles(p, {"fearthereap", "fastmet"});
       p.Set("lu", 9);
     }},
    {"GhoulReaperGlowing",
     [](Player& p) {
       p.Pick("Ghoul");
       Toggles(p, {"fearthereap", "glowingone", "science"});
       p.Click("peplu");
     }},
    {"DeathclawTamedBruiser",
     [](Player& p) {
       p.Pick("Deathclaw");
       Toggles(p, {"domesticated", "bruiser"});
       p.Set("ag", 9);
     }},
    {"DeathclawSmallKamikaze",
     [](Player& p) {
       p.Pick("Deathclaw");
       Toggles(p, {"smallframe", "kamikaze"});
       p.Click("agplu");
       p.Click("enmin");
     }},
    {"DogTamedHeavyHanded",
     [](Player& p) {
       p.Pick("Dog");
       Toggles(p, {"domesticated", "heavyhand", "unarmed"});
       p.Click("agplu", 2);
     }},
    {"DogRabidOneTag",
     [](Player& p) {
       p.Pick("Dog");
       Toggles(p, {"rabid", "outdoorsman"});
       p.Set("intel", 1);
     }},
    {"HalfMutantFastMet",
     [](Player& p) {
       p.Pick("Half-Mutant");
       Toggles(p, {"fastmet", "bloody", "bloody", "bruiser", "melee", "unarmed"});
       p.Set("en", 2);
     }},
    {"NoRaceTwoTraits",
     [](Player& p) {
       p.Type("Mutant");
       Toggles(p, {"finesse", "smallframe", "traps"});
     }},
};

class RunAgain : public testing::TestWithParam<State> {};

// Every recomputation rewrites what it owns from the sheet, so one more run
// right after the player's events changes no field and no box.
TEST_P(RunAgain, ChangesNothing) {
  Player player;
  GetParam().reach(player);
  const Snapshot settled = player.Take();
  const std::pair<const char*, void (*)(Sheet&)> procedures[] = {
      {"UpdateSecondaryStats", &UpdateSecondaryStats}, {"UpdateSkills", &UpdateSkills},
      {"UpdateExtraNotes", &UpdateExtraNotes},         {"UpdateTagBoxes", &UpdateTagBoxes},
      {"UpdateTraitBoxes", &UpdateTraitBoxes},
  };
  for (const auto& [name, run] : procedures) {
    run(player.sheet());
    EXPECT_EQ(Differences(settled, player.Take()), "") << name;
  }
  // The race's column alone agrees with the boxes while a trait is left;
  // with none left it opens the race's unticked boxes, which the box
  // update closes again.
  EnableRaceTraits(player.sheet());
  if (player["traits"] != "0") {
    EXPECT_EQ(Differences(settled, player.Take()), "") << "EnableRaceTraits";
  }
  UpdateTraitBoxes(player.sheet());
  EXPECT_EQ(Differences(settled, player.Take()), "") << "EnableRaceTraits, UpdateTraitBoxes";
}

INSTANTIATE_TEST_SUITE_P(State, RunAgain, testing::ValuesIn(kStates),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace cindral::test
