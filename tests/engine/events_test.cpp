// Typed race texts, recomputations run once more, and the captions: the
// ways a player can poke the program that the rules do not expect.
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

namespace cindral::etest {
namespace {

std::string Repeated(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

const std::vector<std::string> kUnknownRaces = {"robot", "", Repeated("Robot", 2000), "Hüman", "人間", "Human ", "Gray deathclaw"};

const char* const kButtons[] = {"stplu", "stmin", "peplu", "pemin", "enplu", "enmin", "chplu",
                                "chmin", "inplu", "inmin", "agplu", "agmin", "luplu", "lumin"};

// The derived values a sheet must show for its statistics when the race
// text names no race: no race modifier at all.
void ExpectConsistentWithoutARace(const Player& p) {
  const int st = p.Value("st"), pe = p.Value("pe"), en = p.Value("en"), ag = p.Value("ag");
  EXPECT_EQ(p.Value("hp"), 15 + st + 2 * en);
  EXPECT_EQ(p.Value("carrywt"), 25 + 25 * st);
  EXPECT_EQ(p.Value("seq"), 2 * pe);
  EXPECT_EQ(p["pres"], std::to_string(5 * en) + "%");
  EXPECT_EQ(p["rres"], std::to_string(2 * en) + "%");
  EXPECT_EQ(p["eres"], "0%");
  EXPECT_EQ(p["dres"], "0%");
  EXPECT_EQ(p.Value("sma"), 5 + 4 * ag + (p.Ticked("smallguns") ? 20 : 0));
}

TEST(TypedRaceText, ATextThatNamesNoRaceRefusesEveryStatisticClick) {
  for (const std::string& text : kUnknownRaces) {
    SCOPED_TRACE(text.substr(0, 20));
    Player player;
    player.Click("stplu");
    player.Click("agmin");
    player.Type(text);
    EXPECT_EQ(player["race"], text);
    for (const char* button : kButtons) {
      player.Click(button);
      for (const auto stat : kStats) EXPECT_EQ(player[stat], stat == "st" ? "6" : stat == "ag" ? "4" : "5") << button;
      EXPECT_EQ(player["chpoint"], "5") << button;
    }
    ExpectConsistentWithoutARace(player);
    EXPECT_EQ(player["extra"], "");
    EXPECT_EQ(player["gres"], "0/0");
    EXPECT_EQ(player["perkrate"], "3");
  }
}

TEST(TypedRaceText, TheRaceHandlingForSuchATextWritesNoRowAndTouchesNoTraitFlag) {
  for (const std::string& text : kUnknownRaces) {
    SCOPED_TRACE(text.substr(0, 20));
    Player player;
    player.Click("enplu", 2);
    player.Toggle("smallguns");
    player.Toggle("finesse");
    player.Toggle("nightperson");
    player.Type(text);
    race_Click(player.sheet());

    EXPECT_EQ(player["en"], "7");
    EXPECT_EQ(player["chpoint"], "3");
    EXPECT_EQ(player["perkrate"], "3");
    EXPECT_EQ(player["gres"], "0/0");
    EXPECT_EQ(player["traits"], "2");
    EXPECT_EQ(player["tags"], "3");
    EXPECT_FALSE(player.Ticked("finesse"));
    EXPECT_FALSE(player.Ticked("nightperson"));
    EXPECT_FALSE(player.Ticked("smallguns"));
    // The boxes stay as Traits Left 0 left them: only the two that were ticked open.
    for (std::size_t i = 0; i < kTraitCount; ++i) {
      const std::string box(NameOf(TraitBox(static_cast<Trait>(i))));
      EXPECT_EQ(player.Enabled(box), box == "finesse" || box == "nightperson") << box;
    }
    EXPECT_TRUE(player.Enabled("bigguns"));
    ExpectConsistentWithoutARace(player);
    EXPECT_EQ(player["cc"], "5%");
    EXPECT_EQ(player["extra"], "");
    EXPECT_EQ(player["race"], text);
  }
}

TEST(TypedRaceText, TwoTraitsCloseTheRestAndTheyStayClosedUntilARaceIsPicked) {
  for (const std::string& text : kUnknownRaces) {
    SCOPED_TRACE(text.substr(0, 20));
    Player player;
    player.Type(text);
    player.Toggle("bruiser");
    player.Toggle("kamikaze");
    EXPECT_EQ(player["traits"], "0");
    EXPECT_EQ(player["st"], "7");
    EXPECT_FALSE(player.Enabled("jinx"));
    player.Toggle("kamikaze");
    EXPECT_EQ(player["traits"], "1");
    EXPECT_FALSE(player.Enabled("jinx"));
    EXPECT_TRUE(player.Enabled("kamikaze"));  // it was open while ticked
    EXPECT_TRUE(player.Enabled("bruiser"));
    EXPECT_EQ(player["extra"], "Bruiser. -2 Action Points, +2 Strength. ");
    ExpectConsistentWithoutARace(player);
    EXPECT_EQ(player["ap"], "5");

    player.Pick("Dog");
    EXPECT_EQ(player["st"], "5");
    EXPECT_EQ(player["traits"], "2");
    EXPECT_TRUE(player.Enabled("jinx"));
    EXPECT_TRUE(player.Enabled("rabid"));
    EXPECT_FALSE(player.Enabled("onehand"));
  }
}

// A character in some state, reached through the player's events.
struct State {
  const char* label;
  std::function<void(Player&)> reach;
};

const std::vector<State> kStates = {
    {"Human", [](Player&) {}},
    {"Ghoul", [](Player& p) { p.Pick("Ghoul"); }},
    {"SuperMutant", [](Player& p) { p.Pick("Super-Mutant"); }},
    {"HalfMutant", [](Player& p) { p.Pick("Half-Mutant"); }},
    {"Deathclaw", [](Player& p) { p.Pick("Deathclaw"); }},
    {"GrayDeathclaw", [](Player& p) { p.Pick("Gray Deathclaw"); }},
    {"Dog", [](Player& p) { p.Pick("Dog"); }},
    {"Robot", [](Player& p) { p.Pick("Robot"); }},
    {"HumanGiftedSkilledTags",
     [](Player& p) {
       p.Set("st", 8);
       p.Toggle("gifted");
       p.Toggle("skilled");
       for (const char* tag : {"smallguns", "doctor", "speech"}) p.Toggle(tag);
     }},
    {"MutantHamFistedNoTagLeft",
     [](Player& p) {
       p.Pick("Super-Mutant");
       for (const char* tag : {"science", "steal", "barter"}) p.Toggle(tag);
       p.Toggle("hamfist");
       p.Toggle("vatskin");
     }},
    {"RobotBetaSoftwareTakenBack",
     [](Player& p) {
       p.Pick("Robot");
       for (const char* tag : {"science", "repair", "lockpick"}) p.Toggle(tag);
       p.Toggle("betasoft");
       p.Toggle("pilot");
       p.Toggle("betasoft");
       p.Toggle("tightnuts");
     }},
    {"GhoulReaperFastMetabolism",
     [](Player& p) {
       p.Pick("Ghoul");
       p.Toggle("fearthereap");
       p.Toggle("fastmet");
       p.Set("lu", 9);
     }},
    {"DeathclawDomesticatedBruiser",
     [](Player& p) {
       p.Pick("Deathclaw");
       p.Toggle("domesticated");
       p.Toggle("bruiser");
       p.Set("ag", 9);
     }},
    {"DogRabidOneTag",
     [](Player& p) {
       p.Pick("Dog");
       p.Toggle("rabid");
       p.Toggle("outdoorsman");
       p.Set("intel", 1);
     }},
    {"HumanGoodNaturedTechWizard",
     [](Player& p) {
       p.Toggle("goodnature");
       p.Toggle("techwizard");
       p.Toggle("firstaid");
     }},
    {"HalfMutantOneTraitTwoTags",
     [](Player& p) {
       p.Pick("Half-Mutant");
       p.Toggle("bruiser");
       p.Toggle("melee");
       p.Toggle("unarmed");
       p.Set("en", 2);
     }},
    {"UnknownRaceTwoTraits",
     [](Player& p) {
       p.Type("Mutant");
       p.Toggle("finesse");
       p.Toggle("smallframe");
       p.Toggle("traps");
     }},
};

void PrintTo(const State& s, std::ostream* os) { *os << s.label; }

class RunAgain : public ::testing::TestWithParam<State> {};

TEST_P(RunAgain, EveryRecomputationRunOnceMoreChangesNoFieldAndNoBox) {
  Player player;
  GetParam().reach(player);
  const Snapshot settled = player.Take();
  const std::vector<std::pair<const char*, void (*)(Sheet&)>> procedures = {
      {"UpdateSecondaryStats", &UpdateSecondaryStats}, {"UpdateSkills", &UpdateSkills},
      {"UpdateExtraNotes", &UpdateExtraNotes},         {"UpdateTagBoxes", &UpdateTagBoxes},
      {"UpdateTraitBoxes", &UpdateTraitBoxes},
  };
  for (const auto& [name, run] : procedures) {
    run(player.sheet());
    EXPECT_EQ(Differences(settled, player.Take()), "") << name;
  }
  // The race's column alone agrees with the sheet while a trait is left; with
  // none left it opens the race's unticked boxes, which the box update closes.
  EnableRaceTraits(player.sheet());
  if (player["traits"] != "0") {
    EXPECT_EQ(Differences(settled, player.Take()), "") << "EnableRaceTraits";
  }
  UpdateTraitBoxes(player.sheet());
  EXPECT_EQ(Differences(settled, player.Take()), "") << "EnableRaceTraits, UpdateTraitBoxes";
}

INSTANTIATE_TEST_SUITE_P(States, RunAgain, ::testing::ValuesIn(kStates),
                         [](const auto& info) { return std::string(info.param.label); });

constexpr std::string_view kTagsLeftText =
    "This is the number of Tag Skils you can pick for your character. A tagged skill increase twice as fast as a "
    "normal skill.";

TEST(CaptionClicks, TagsLeftAndItsCounterDifferOnlyByTheClosingSentence) {
  Player human;
  const Snapshot before = human.Take();
  human.Click("Label94");
  EXPECT_EQ(human["info"], kTagsLeftText);
  Snapshot after = human.Take();
  after["info"] = before.at("info");
  EXPECT_EQ(Differences(before, after), "");
  human.Click("tags");
  EXPECT_EQ(human["info"], std::string(kTagsLeftText) + " This indicates the number of tags left");
  human.Click("tags");
  EXPECT_EQ(human["info"], std::string(kTagsLeftText) + " This indicates the number of tags left");
}

TEST(CaptionClicks, AboutShowsTheTitleLine) {
  Player human;
  human.Click("Command1");
  EXPECT_EQ(human["info"].rfind("Cindral PnP Character Generator v1.0", 0), 0u) << human["info"];
}

struct TraitCaption {
  const char* label;
  const char* box;
  const char* title;
};

const std::vector<TraitCaption> kTraitCaptions = {
    {"Label32", "betasoft", "Beta Software - "},   {"Label17", "bloody", "Bloody Mess - "},
    {"Label4", "bruiser", "Bruiser - "},           {"Label25", "chemrel", "Chem Reliant - "},
    {"Label24", "chemres", "Chem Resistant - "},   {"Label27", "domesticated", "Domesticated - "},
    {"Label33", "empshield", "EMP Shielding - "},  {"Label16", "fastmet", "Fast Metabolism - "},
    {"Label6", "fastshot", "Fast Shot - "},        {"Label30", "fearthereap", "Fear The Reaper - "},
    {"Label12", "finesse", "Finesse - "},          {"Label21", "gifted", "Gifted - "},
    {"Label19", "glowingone", "Glowing One - "},   {"Label26", "goodnature", "Good Natured - "},
    {"Label28", "hamfist", "Ham Fisted - "},       {"Label8", "heavyhand", "Heavy Handed - "},
    {"Label18", "jinx", "Jinxed - "},              {"Label10", "kamikaze", "Kamikaze - "},
    {"Label23", "nightperson", "Night Person - "}, {"Label13", "onehand", "One Hander - "},
    {"Label36", "rabid", "Rabid - "},              {"Label20", "sexappeal", "Sex Appeal - "},
    {"Label22", "skilled", "Skilled - "},          {"Label14", "smallframe", "Small Frame - "},
    {"Label34", "targetcomp", "Targeting Computer - "}, {"Label31", "techwizard", "Tech Wizard - "},
    {"Label35", "tightnuts", "Tight Nuts - "},     {"Label29", "vatskin", "Vat Skin - "},
};

TEST(CaptionClicks, ATraitsCaptionShowsTheTextItsBoxShowsEvenWhileTheBoxIsClosed) {
  ASSERT_EQ(kTraitCaptions.size(), kTraitCount);
  for (const TraitCaption& c : kTraitCaptions) {
    Player robot("Robot");
    robot.Click(c.label);
    const std::string caption = robot["info"];
    EXPECT_EQ(caption.rfind(c.title, 0), 0u) << c.label << ": " << caption.substr(0, 40);
    robot.Click(c.label);
    EXPECT_EQ(robot["info"], caption);
    EXPECT_EQ(robot["traits"], "2");
    robot.Click("Label94");
    // The box's own text, from a race that may pick it.
    for (const char* race : {"Robot", "Human", "Ghoul", "Super-Mutant", "Dog"}) {
      robot.Pick(race);
      if (robot.Enabled(c.box)) break;
    }
    robot.Toggle(c.box);
    EXPECT_EQ(robot["info"], caption) << c.box;
  }
}

TEST(CaptionClicks, ControlsThatDoNotReactReturnFalseAndChangeNothing) {
  Player human;
  human.Toggle("gifted");
  human.Click("Label12");
  const Snapshot before = human.Take();
  for (const char* name : {"st", "ST", "chpoint", "Char Points", "traits", "Traits Left", "Label75", "Label5",
                           "Label95", "Label3", "hp", "sma", "info", "extra", "race", "Name", "", "label94",
                           "Label94 ", "tags ", "stplus", "command1"}) {
    EXPECT_FALSE(human.engine().Click(name)) << '"' << name << '"';
    EXPECT_EQ(Differences(before, human.Take()), "") << '"' << name << '"';
  }
}

TEST(CaptionClicks, OneHundredTwentyEightControlsReact) {
  std::size_t buttons = 0, boxes = 0, captions = 0;
  for (const Control& c : ReactingControls()) {
    ASSERT_TRUE(FindControl(c.name).has_value()) << c.name;
    buttons += c.kind == ControlKind::StatButton;
    boxes += c.kind == ControlKind::Box;
    captions += c.kind == ControlKind::Caption;
  }
  EXPECT_EQ(buttons, 14u);
  EXPECT_EQ(boxes, 47u);
  EXPECT_EQ(captions, 67u);
  for (const char* name : {"Label94", "tags", "Command1", "Label4", "Label74", "Label39"})
    EXPECT_EQ(FindControl(name)->kind, ControlKind::Caption) << name;
  EXPECT_FALSE(FindControl("Label75").has_value());
}

// Which fields each kind of event brings up to date: a field spoilt by hand
// before the event is either rewritten by it or left spoilt.
struct Recomputed {
  const char* label;
  const char* race;
  const char* control;
  std::vector<const char*> rewritten;
  std::vector<const char*> untouched;
};

void PrintTo(const Recomputed& r, std::ostream* os) { *os << r.label; }

const std::vector<Recomputed> kRecomputed = {
    {"StatButton", "Human", "stplu", {"hp", "ap", "sma", "out", "extra"}, {"info", "gres", "perkrate"}},
    {"RefusedStatButton", "Robot", "chplu", {"hp", "ap", "sma", "out", "extra"}, {"info", "gres", "perkrate"}},
    {"TagBox", "Human", "sneak", {"sma", "sne", "out"}, {"hp", "ap", "cc", "extra", "info"}},
    {"TraitBox", "Human", "jinx", {"hp", "ap", "cc", "sma", "extra"}, {"gres"}},
    {"GoodNatured", "Human", "goodnature", {"sma", "out", "extra"}, {"hp", "ap", "cc", "hprate"}},
    {"HamFisted", "Super-Mutant", "hamfist", {"hp", "ap", "sma", "extra"}, {"gres"}},
    {"BetaSoftware", "Robot", "betasoft", {"hp", "ap", "sma", "extra"}, {"gres"}},
    {"TraitCaption", "Human", "Label4", {}, {"hp", "ap", "sma", "extra", "gres", "perkrate"}},
    {"SkillCaption", "Human", "Label39", {}, {"hp", "sma", "extra"}},
    {"TagsCounter", "Human", "tags", {}, {"hp", "sma", "extra"}},
    {"About", "Human", "Command1", {}, {"hp", "sma", "extra"}},
};

class EventRecomputes : public ::testing::TestWithParam<Recomputed> {};

TEST_P(EventRecomputes, OnlyTheProceduresOfTheEventRun) {
  const Recomputed& r = GetParam();
  Player player(r.race);
  for (const char* field : r.rewritten) player.sheet().SetText(*FindField(field), "spoilt");
  for (const char* field : r.untouched) player.sheet().SetText(*FindField(field), "spoilt");
  player.Click(r.control);
  for (const char* field : r.rewritten) EXPECT_NE(player[field], "spoilt") << field;
  for (const char* field : r.untouched) EXPECT_EQ(player[field], "spoilt") << field;
}

INSTANTIATE_TEST_SUITE_P(Events, EventRecomputes, ::testing::ValuesIn(kRecomputed),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(ProgramStart, BeforeTheLoadTheSheetHoldsItsInitialContentsAndTheLoadMakesAHuman) {
  Engine engine;
  EXPECT_EQ(engine.sheet().TextByName("hp"), "");
  EXPECT_EQ(engine.sheet().TextByName("perkrate"), "");
  EXPECT_TRUE(engine.sheet().Enabled(Box::betasoft));
  engine.Start();
  EXPECT_EQ(engine.sheet().TextByName("hp"), "30");
  EXPECT_EQ(engine.sheet().TextByName("perkrate"), "3");
  EXPECT_FALSE(engine.sheet().Enabled(Box::betasoft));
  EXPECT_EQ(engine.sheet().TextByName("info"), "");
}

}  // namespace
}  // namespace cindral::etest
