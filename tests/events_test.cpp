// The program as a whole: typed race texts, recomputations that change
// nothing when run again, and the captions that fill the information panel.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "extra_notes.h"
#include "help_texts.h"
#include "race_selection.h"
#include "secondary_stats.h"
#include "skill_tags.h"
#include "skill_values.h"
#include "trait_availability.h"

namespace cindral::test {
namespace {

const std::string kRobotNote =
    "Robots have a 40% Damage resistance to all kinds of attacks... except EMP (pulse weapons), they dont gain perks "
    "either. ";

constexpr const char* kStatButtons[] = {"stmin", "stplu", "pemin", "peplu", "enmin", "enplu", "chmin",
                                        "chplu", "inmin", "inplu", "agmin", "agplu", "lumin", "luplu"};

TEST(TypedRace, ARaceNameTypedWithoutAPickChangesNothingUntilTheNextRecomputation) {
  Game game;
  Snapshot before = TakeSnapshot(game.sheet());
  game.Type("Robot");
  before["race"] = "Robot";
  EXPECT_EQ(Changes(before, TakeSnapshot(game.sheet())), "");

  game.Click("Label48");  // a caption recomputes nothing
  before["info"] = game["info"];
  EXPECT_EQ(Changes(before, TakeSnapshot(game.sheet())), "");

  game.Click("stmin");  // refused: a Robot's ST is 7 at least; the recomputation reads "Robot"
  EXPECT_EQ(game["st"], "5");
  EXPECT_EQ(game["chpoint"], "5");
  EXPECT_EQ(game["dres"], "40%");
  EXPECT_EQ(game["eres"], "0%");
  EXPECT_EQ(game["extra"], kRobotNote);
  EXPECT_EQ(game["perkrate"], "3");
  EXPECT_EQ(game["gres"], "0/0");
  EXPECT_FALSE(game.Enabled("betasoft"));

  game.Click("bruiser");  // its handling brings the boxes in line with "Robot"
  EXPECT_TRUE(game.Enabled("betasoft"));
  EXPECT_FALSE(game.Enabled("sexappeal"));
}

class UnknownRaceText : public testing::TestWithParam<std::string> {};

TEST_P(UnknownRaceText, RefusesEveryStatClickAndNamesNoRaceAnywhere) {
  const std::string& typed = GetParam();
  Game game("Robot");
  game.Click("stplu");
  game.Click("bruiser");
  game.Click("smallguns");
  ASSERT_EQ(game["st"], "10");
  game.Type(typed);
  EXPECT_EQ(game["race"], typed);

  for (const char* button : kStatButtons) game.Click(button);
  const int stats[] = {10, 7, 7, 1, 5, 5, 5};
  for (std::size_t s = 0; s < 7; ++s) EXPECT_EQ(game.Whole(kStatFields[s]), stats[s]) << kStatFields[s];
  EXPECT_EQ(game["chpoint"], "2");
  EXPECT_EQ(game["dres"], "0%");  // no race, no Robot resistance
  EXPECT_EQ(game["extra"], "Bruiser. -2 Action Points, +2 Strength. ");

  // The race handling for such a text clears the traits and the tags, writes
  // no row, and leaves every trait box's enabled flag as it was.
  race_Click(game.sheet());
  EXPECT_EQ(game["bruiser"], "0");
  EXPECT_EQ(game["smallguns"], "0");
  EXPECT_EQ(game["traits"], "2");
  EXPECT_EQ(game["tags"], "3");
  EXPECT_EQ(game["st"], "8");
  EXPECT_EQ(game["chpoint"], "2");
  EXPECT_EQ(game["perkrate"], "0");
  EXPECT_EQ(game["gres"], "0/0");
  EXPECT_EQ(game["eres"], "0%");
  EXPECT_EQ(game["hp"], "37");
  EXPECT_EQ(game["extra"], "");
  const std::vector<std::string> robotClosed = Game("Robot").DisabledTraits();
  EXPECT_EQ(game.DisabledTraits(), robotClosed);
  EnableRaceTraits(game.sheet());
  EXPECT_EQ(game.DisabledTraits(), robotClosed);

  // Two traits close the rest; an untick cannot open them again.
  game.Click("bruiser");
  game.Click("smallframe");
  std::vector<std::string> closed = game.DisabledTraits();
  EXPECT_EQ(closed.size(), kTraitCount - 2);
  game.Click("smallframe");
  EXPECT_EQ(game["traits"], "1");
  EXPECT_EQ(game.DisabledTraits(), closed);

  // A pick from the list makes it a whole character again.
  game.Pick("Robot");
  Snapshot got = TakeSnapshot(game.sheet());
  Snapshot fresh = TakeSnapshot(Game("Robot").sheet());
  got.erase("info");
  fresh.erase("info");
  EXPECT_EQ(Changes(fresh, got), "");
}

INSTANTIATE_TEST_SUITE_P(Texts, UnknownRaceText,
                         testing::Values("robot", "", std::string(10000, 'R'), "H\xC3\xBCman",
                                         "\xE4\xBA\xBA\xE9\x96\x93", " Robot", "Robot ", "Gray deathclaw",
                                         "Super Mutant", std::string("Robot\0", 6)));

// Every recomputation rewrites what it owns from the sheet, so a second run
// right after the events of a player changes no field and no box.
struct PlayedState {
  const char* name;
  std::function<void(Game&)> play;
};

void Ticks(Game& game, std::initializer_list<const char*> controls) {
  for (const char* control : controls) game.Click(control);
}

const PlayedState kPlayedStates[] = {
    {"Human", [](Game&) {}},
    {"EachRace",
     [](Game& game) {
       for (const char* race : {"Ghoul", "Super-Mutant", "Half-Mutant", "Deathclaw", "Gray Deathclaw", "Dog"}) {
         game.Pick(race);
       }
     }},
    {"MixedHuman", [](Game& game) { MakeMixedHuman(game); }},
    {"HumanSpentGiftedFinesseTwoTags",
     [](Game& game) { Ticks(game, {"stplu", "stplu", "agmin", "gifted", "finesse", "doctor", "sneak"}); }},
    {"SuperMutantHamFistedPastItsTags",
     [](Game& game) {
       game.Pick("Super-Mutant");
       Ticks(game, {"smallguns", "sneak", "doctor", "hamfist", "vatskin"});
     }},
    {"RobotFourTagsThenBetaSoftwareGone",
     [](Game& game) {
       game.Pick("Robot");
       Ticks(game, {"smallguns", "bigguns", "sneak", "betasoft", "repair", "tightnuts", "betasoft"});
     }},
    {"GhoulFearTheReaperGlowing",
     [](Game& game) {
       game.Pick("Ghoul");
       Ticks(game, {"fearthereap", "glowingone", "peplu", "science"});
     }},
    {"DogDomesticatedHeavyHanded",
     [](Game& game) {
       game.Pick("Dog");
       Ticks(game, {"domesticated", "heavyhand", "agplu", "agplu", "unarmed"});
     }},
    {"DeathclawSmallFrameKamikaze",
     [](Game& game) {
       game.Pick("Deathclaw");
       Ticks(game, {"smallframe", "kamikaze", "agplu", "enmin"});
     }},
    {"HumanGoodNaturedSkilledOneTrait",
     [](Game& game) { Ticks(game, {"goodnature", "skilled", "skilled", "unarmed", "speech"}); }},
    {"HalfMutantFastMetabolismBloodyMess", [](Game& game) {
       game.Pick("Half-Mutant");
       Ticks(game, {"fastmet", "bloody", "bloody", "stmin", "stmin"});
     }},
};

class RecomputedAgain : public testing::TestWithParam<PlayedState> {};

TEST_P(RecomputedAgain, ChangesNoFieldAndNoBox) {
  Game game;
  GetParam().play(game);
  const Snapshot played = TakeSnapshot(game.sheet());
  const std::pair<const char*, void (*)(Sheet&)> procedures[] = {
      {"UpdateSecondaryStats", &UpdateSecondaryStats}, {"UpdateSkills", &UpdateSkills},
      {"UpdateExtraNotes", &UpdateExtraNotes},         {"UpdateTagBoxes", &UpdateTagBoxes},
      {"UpdateTraitBoxes", &UpdateTraitBoxes},         {"EnableRaceTraits", &EnableRaceTraits},
  };
  for (const auto& [name, run] : procedures) {
    // With no trait left the unticked boxes are closed, which the race's
    // list alone would open again.
    if (std::string_view(name) == "EnableRaceTraits" && game["traits"] == "0") continue;
    run(game.sheet());
    EXPECT_EQ(Changes(played, TakeSnapshot(game.sheet())), "") << name;
  }
}

INSTANTIATE_TEST_SUITE_P(States, RecomputedAgain, testing::ValuesIn(kPlayedStates),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Captions, TheTagsLeftCaptionAndCounterDifferOnlyByTheClosingSentence) {
  Game game;
  game.Click("Label94");
  EXPECT_EQ(game["info"],
            "This is the number of Tag Skils you can pick for your character. A tagged skill increase twice as fast as "
            "a normal skill.");
  game.Click("tags");
  EXPECT_EQ(game["info"],
            "This is the number of Tag Skils you can pick for your character. A tagged skill increase twice as fast as "
            "a normal skill. This indicates the number of tags left");
  game.Click("Command1");
  EXPECT_TRUE(game["info"].starts_with("Cindral PnP Character Generator v1.0")) << game["info"];
}

TEST(Captions, EveryCaptionShowsItsTextAndChangesNothingElse) {
  Game game;
  int captions = 0;
  for (const Control& control : ReactingControls()) {
    if (control.kind != ControlKind::Caption) continue;
    ++captions;
    const Snapshot before = TakeSnapshot(game.sheet());
    game.Click(control.name);
    Snapshot after = TakeSnapshot(game.sheet());
    EXPECT_FALSE(after["info"].empty()) << control.name;
    EXPECT_EQ(after["info"], HelpFor(control.name)) << control.name;
    after["info"] = before.at("info");
    EXPECT_EQ(Changes(before, after), "") << control.name;
  }
  EXPECT_EQ(captions, 67);
  const std::pair<const char*, const char*> titles[] = {
      {"Label48", "HIT POINTS (HP): "}, {"Label52", "Traps \xE2\x80\x93 "}, {"Label74", "HP RATE: "},
      {"Label39", "Small Guns - "},     {"Label43", "Melee Weapons - "},    {"Label65", "GAS RESISTANCE: "}};
  for (const auto& [caption, title] : titles) {
    game.Click(caption);
    EXPECT_TRUE(game["info"].starts_with(title)) << caption << ": " << game["info"];
  }
}

TEST(Captions, ControlsThatDoNotReactReturnFalseAndChangeNothing) {
  Game game;
  game.Click("Label94");
  const Snapshot before = TakeSnapshot(game.sheet());
  for (const char* name : {"st", "intel", "chpoint", "hp", "sma", "traits", "extra", "info", "Name", "Label75",
                           "Label5", "Label95", "STPLU", "stplu ", "", "Primary Stats"}) {
    EXPECT_FALSE(game.engine().Click(name)) << '"' << name << '"';
    EXPECT_FALSE(FindControl(name).has_value()) << '"' << name << '"';
  }
  EXPECT_EQ(Changes(before, TakeSnapshot(game.sheet())), "");
}

TEST(Controls, FourteenButtonsFortySevenBoxesAndSixtySevenCaptionsReact) {
  int buttons = 0, boxes = 0;
  for (const Control& control : ReactingControls()) {
    buttons += control.kind == ControlKind::StatButton;
    boxes += control.kind == ControlKind::Box;
    const auto found = FindControl(control.name);
    ASSERT_TRUE(found.has_value()) << control.name;
    EXPECT_EQ(found->kind, control.kind) << control.name;
  }
  EXPECT_EQ(buttons, 14);
  EXPECT_EQ(boxes, 47);
  for (const char* button : kStatButtons) EXPECT_TRUE(FindControl(button).has_value()) << button;
}

}  // namespace
}  // namespace cindral::test
