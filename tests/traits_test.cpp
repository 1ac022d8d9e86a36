// Which traits can be picked, and what ticking and unticking each one does.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "extra_notes.h"
#include "help_texts.h"
#include "secondary_stats.h"
#include "skill_values.h"

namespace cindral::test {
namespace {

constexpr const char* kRobotNote =
    "Robots have a 40% Damage resistance to all kinds of attacks... except EMP (pulse weapons), they dont gain perks "
    "either. ";

using Names = std::vector<std::string>;

// The trait boxes each race may not tick, in trait order.
const Names kHumanClosed = {"glowingone", "fearthereap", "vatskin",   "hamfist",   "domesticated",
                            "rabid",      "tightnuts",   "targetcomp", "empshield", "betasoft"};
const Names kGhoulClosed = {"sexappeal", "vatskin",   "hamfist",    "domesticated", "rabid",
                            "tightnuts", "targetcomp", "empshield", "betasoft"};
const Names kSuperMutantClosed = {"sexappeal", "glowingone", "fearthereap", "domesticated", "rabid",
                                  "tightnuts", "targetcomp", "empshield",   "betasoft"};
const Names kHalfMutantClosed = {"sexappeal",    "glowingone", "fearthereap", "vatskin",    "hamfist",  "domesticated",
                                 "rabid",        "tightnuts",  "targetcomp",  "empshield", "betasoft"};
const Names kBeastClosed = {"onehand",    "fastshot",    "goodnature", "skilled",   "sexappeal",
                            "techwizard", "glowingone",  "fearthereap", "vatskin",  "hamfist",
                            "tightnuts",  "targetcomp",  "empshield",  "betasoft"};
const Names kRobotClosed = {"fastmet",   "fastshot",   "goodnature",  "chemrel", "chemres",
                            "nightperson", "skilled",  "gifted",      "sexappeal", "glowingone",
                            "fearthereap", "vatskin",  "hamfist",     "domesticated", "rabid"};

struct RaceTraits {
  const char* race;
  const Names* closed;
  std::size_t open;
};

const RaceTraits kRaceTraits[] = {
    {"Human", &kHumanClosed, 18},         {"Ghoul", &kGhoulClosed, 19}, {"Super-Mutant", &kSuperMutantClosed, 19},
    {"Half-Mutant", &kHalfMutantClosed, 17}, {"Deathclaw", &kBeastClosed, 14}, {"Gray Deathclaw", &kBeastClosed, 14},
    {"Dog", &kBeastClosed, 14},           {"Robot", &kRobotClosed, 13},
};

Names AllTraitsBut(const Names& open) {
  Names closed;
  for (std::size_t t = 0; t < kTraitCount; ++t) {
    const std::string name(NameOf(TraitBox(static_cast<Trait>(t))));
    if (std::find(open.begin(), open.end(), name) == open.end()) closed.push_back(name);
  }
  return closed;
}

TEST(TraitAvailability, EachRaceOpensItsOwnTraitsWhateverRaceCameBefore) {
  for (const RaceTraits& to : kRaceTraits) {
    for (const RaceTraits& from : kRaceTraits) {
      Game game(from.race);
      game.Pick(to.race);
      EXPECT_EQ(game.DisabledTraits(), *to.closed) << from.race << " to " << to.race;
      EXPECT_EQ(kTraitCount - game.DisabledTraits().size(), to.open) << from.race << " to " << to.race;
      EXPECT_EQ(game["traits"], "2");
    }
  }
}

TEST(TraitAvailability, NoTraitLeftClosesEveryUntickedBoxAndAnUntickReopensTheRacesOwn) {
  for (const RaceTraits& race : kRaceTraits) {
    Game game(race.race);
    Names ticked;
    for (std::size_t t = 0; t < kTraitCount && ticked.size() < 2; ++t) {
      const std::string box(NameOf(TraitBox(static_cast<Trait>(t))));
      if (game.Enabled(box)) {
        game.Click(box);
        ticked.push_back(box);
      }
    }
    EXPECT_EQ(game["traits"], "0") << race.race;
    EXPECT_EQ(game.DisabledTraits(), AllTraitsBut(ticked)) << race.race;

    const Snapshot closed = TakeSnapshot(game.sheet());
    for (const std::string& other : AllTraitsBut(ticked)) game.engine().Click(other);
    EXPECT_EQ(Changes(closed, TakeSnapshot(game.sheet())), "") << race.race;

    game.Click(ticked[1]);
    EXPECT_EQ(game["traits"], "1") << race.race;
    EXPECT_EQ(game.DisabledTraits(), *race.closed) << race.race;
  }
}

// Watches the trait boxes while a race pick unticks them: each change of a
// state or an enabled flag as it happens, with Traits Left at that moment.
class TraitWatch : public SheetObserver {
 public:
  explicit TraitWatch(const Sheet& sheet) : sheet_(sheet) {
    for (std::size_t b = 0; b < kBoxCount; ++b) {
      state_[b] = sheet.State(static_cast<Box>(b));
      enabled_[b] = sheet.Enabled(static_cast<Box>(b));
    }
  }
  void FieldChanged(Field) override {}
  void BoxChanged(Box box) override {
    const std::size_t b = Index(box);
    const std::string now = " (traits " + sheet_.Text(Field::traits) + ", sexappeal " +
                            std::to_string(sheet_.State(Box::sexappeal)) + ")";
    const std::string name(NameOf(box));
    if (sheet_.State(box) != state_[b]) seen.push_back(name + (sheet_.State(box) ? " ticked" : " unticked") + now);
    if (sheet_.Enabled(box) != enabled_[b]) seen.push_back(name + (sheet_.Enabled(box) ? " enabled" : " disabled") + now);
    state_[b] = sheet_.State(box);
    enabled_[b] = sheet_.Enabled(box);
  }
  std::vector<std::string> seen;

 private:
  const Sheet& sheet_;
  std::array<int, kBoxCount> state_{};
  std::array<bool, kBoxCount> enabled_{};
};

TEST(TraitAvailability, AHumanTurningGhoulGivesBackFinesseFirstThenTheClosedSexAppeal) {
  Game game;
  game.Click("finesse");
  game.Click("sexappeal");
  TraitWatch watch(game.sheet());
  game.sheet().SetObserver(&watch);
  game.Pick("Ghoul");
  game.sheet().SetObserver(nullptr);

  Names steps;
  for (const std::string& step : watch.seen) {
    if (step.starts_with("finesse") || step.starts_with("sexappeal") || step.starts_with("glowingone")) {
      steps.push_back(step);
    }
  }
  EXPECT_EQ(steps, (Names{"finesse unticked (traits 0, sexappeal 1)", "sexappeal disabled (traits 1, sexappeal 1)",
                          "glowingone enabled (traits 1, sexappeal 1)", "sexappeal unticked (traits 1, sexappeal 0)"}));
  EXPECT_EQ(game["traits"], "2");
  EXPECT_EQ(game.DisabledTraits(), kGhoulClosed);
  EXPECT_EQ(game["info"], TraitHelp(Trait::sexappeal));
}

TEST(TraitAvailability, ARacePickWithNothingTickedRunsNoTraitHandling) {
  Game game;
  game.Click("Label48");
  const std::string panel = game["info"];
  game.Pick("Ghoul");
  EXPECT_EQ(game["info"], panel);
  EXPECT_EQ(game["traits"], "2");
}

// Every trait: what its tick changes directly, its note line, its rule
// text on both tick and untick and under its caption.
struct TraitRow {
  const char* box;
  const char* caption;
  const char* title;
  const char* race;
  std::vector<std::pair<const char*, int>> direct;
  const char* note;
};

// clang-format off
const TraitRow kTraitRows[] = {
    {"fastmet", "Label16", "Fast Metabolism - ", "Human", {},
     "Fast Metabolism. +2 Healing rate, 0% Poison resistance (plus race mods), 0% Radiation resistance (plus race mods). "},
    {"bruiser", "Label4", "Bruiser - ", "Human", {{"st", 2}},
     "Bruiser. -2 Action Points, +2 Strength. "},
    {"smallframe", "Label14", "Small Frame - ", "Human", {{"ag", 1}},
     "Small Frame. +1 Agility, Carry Weight = 15 * Strength. "},
    {"onehand", "Label13", "One Hander - ", "Human", {},
     "One Hander. -40% to hit 2-H weapons. +20% to hit 1-H weapons. "},
    {"finesse", "Label12", "Finesse - ", "Human", {},
     "Finesse. +10 Critical Chance, -30% Damage. "},
    {"kamikaze", "Label10", "Kamikaze - ", "Human", {},
     "Kamikaze. 0 Natural Armor Class, +5 Sequence. "},
    {"heavyhand", "Label8", "Heavy Handed - ", "Human", {},
     "Heavy Handed. +4 Melee Damage, -30% Damage on Criticals, -30% Chance to cripple or cause unconciousness. "},
    {"fastshot", "Label6", "Fast Shot - ", "Human", {},
     "Fast Shot. -1 AP for all firing costs, Can not do aimed attack. "},
    {"bloody", "Label17", "Bloody Mess - ", "Human", {},
     "Bloody Mess. All kills die violently. "},
    {"jinx", "Label18", "Jinxed - ", "Human", {},
     "Jinxed. +50% Chance to upgrade failures to critical failures for all nearby. "},
    {"goodnature", "Label26", "Good Natured - ", "Human", {},
     "Good Natured. +20% First Aid, +20% Doctor, +20% Speech, +20% Barter, -10% Small Guns, -10% Big Guns, -10% Energy Weapons, -10% Unarmed, -10% Melee Weapons. "},
    {"chemrel", "Label25", "Chem Reliant - ", "Human", {},
     "Chem Reliant. 2x Addiction Chance, 1/2x Recovery Time. "},
    {"chemres", "Label24", "Chem Resistant - ", "Human", {},
     "Chem Resistant. 1/2x Chemical Effect, 1/2x Addiction Chance. "},
    {"nightperson", "Label23", "Night Person - ", "Human", {},
     "Night Person. +1 Perception from 1801 to 0600, +1 Intelligence from 1801 to 0600, -1 Perception from 0601 to 1800, -1 Intelligence from 0601 to 1800. "},
    {"skilled", "Label22", "Skilled - ", "Human", {{"perkrate", 1}},
     "Skilled. +10% to all skills, +5 Skill Gain Rate, +1 Perk Gain Rate. "},
    {"gifted", "Label21", "Gifted - ", "Human", {{"st", 1}, {"pe", 1}, {"en", 1}, {"ch", 1}, {"intel", 1}, {"ag", 1}, {"lu", 1}},
     "Gifted. +1 to all stats, -10% to all skills, -5 Skill Gain Rate. "},
    {"sexappeal", "Label20", "Sex Appeal - ", "Human", {},
     "Sex Appeal. +/- 1 to Charisma for reactions, +/- 40% to Speech, +/- 40% to Barter. "},
    {"techwizard", "Label31", "Tech Wizard - ", "Human", {},
     "Tech Wizard. +15% Science, +15% Repair, +15% LockPick, -1 Perception. "},
    {"glowingone", "Label19", "Glowing One - ", "Ghoul", {},
     "Glowing One. +50% Radiation Resistance, 10 Rads/hr to those near. "},
    {"fearthereap", "Label30", "Fear The Reaper - ", "Ghoul", {{"perkrate", -1}},
     "Fear The Reaper. -1 Perk Gain Rate, Save vs. Luck each month or die. "},
    {"vatskin", "Label29", "Vat Skin - ", "Super-Mutant", {},
     "Vat Skin. +10 Armor Class, -1 Perception to all within 10 hexes. "},
    {"hamfist", "Label28", "Ham Fisted - ", "Super-Mutant", {{"tags", -1}},
     "Ham Fisted. Unarmed is a Tag Skill, -20% Small Guns, -20% First Aid, -20% Doctor, -20% Repair, -20% Science, -20% Lockpick. "},
    {"domesticated", "Label27", "Domesticated - ", "Dog", {{"intel", 1}},
     "Domesticated. +1 Intelligence, Can ignore racial Intelligence maximum, -2 Melee Damage. "},
    {"rabid", "Label36", "Rabid - ", "Dog", {},
     "Rabid. Not affected by crippled limbs, +5 Action points when you, kill an opponent in combat, Chems do not affect you. "},
    {"tightnuts", "Label35", "Tight Nuts - ", "Robot", {},
     "Tight Nuts. +40% Damage Resistance, 1/2 Repair effect. "},
    {"targetcomp", "Label34", "Targeting Computer - ", "Robot", {},
     "Targeting Computer. +1AP to firing attacks, +15% to hit. "},
    {"empshield", "Label33", "EMP Shielding - ", "Robot", {},
     "EMP Shielding. 2 AP per hex moved, +30% EMP Resistance. "},
    {"betasoft", "Label32", "Beta Software - ", "Robot", {{"tags", 1}},
     "Beta Software. +1 Tag Skill, Must roll vs. Luck when using ANY tagged skill or automatic failure and loss of all APs. "},
};
// clang-format on

constexpr const char* kDirectFields[] = {"st", "pe", "en", "ch", "intel", "ag", "lu", "chpoint", "perkrate", "tags"};

class EachTrait : public testing::TestWithParam<TraitRow> {};

TEST_P(EachTrait, TickMakesItsDirectChangesOnceAndUntickTakesThemBack) {
  const TraitRow& row = GetParam();
  Game game(row.race);
  Game plain(row.race);
  const std::string raceNote = plain["extra"];

  game.Click(row.box);
  EXPECT_EQ(game["traits"], "1");
  for (const char* field : kDirectFields) {
    int delta = 0;
    for (const auto& [name, amount] : row.direct) {
      if (std::string_view(name) == field) delta = amount;
    }
    EXPECT_EQ(game.Whole(field), plain.Whole(field) + delta) << field;
  }
  EXPECT_EQ(game["extra"], raceNote + row.note);
  EXPECT_EQ(game["info"], TraitHelp(TraitOf(*FindBox(row.box))));

  game.Click("Label94");
  game.Click(row.box);
  EXPECT_EQ(game["traits"], "2");
  for (const char* field : kDirectFields) {
    // Ham Fisted's tag on Unarmed outlives the trait.
    if (std::string_view(row.box) == "hamfist" && std::string_view(field) == "tags") continue;
    EXPECT_EQ(game[field], plain[field]) << field;
  }
  EXPECT_EQ(game["extra"], raceNote);
  EXPECT_EQ(game["info"], TraitHelp(TraitOf(*FindBox(row.box))));
}

TEST_P(EachTrait, ItsCaptionShowsTheTextItsBoxShows) {
  const TraitRow& row = GetParam();
  Game game("Robot");  // half the captions belong to boxes a Robot cannot tick
  const Snapshot before = TakeSnapshot(game.sheet());
  game.Click(row.caption);
  const std::string shown = game["info"];
  EXPECT_TRUE(shown.starts_with(row.title)) << shown;
  EXPECT_EQ(shown, TraitHelp(TraitOf(*FindBox(row.box))));
  Snapshot after = TakeSnapshot(game.sheet());
  after["info"] = "";
  EXPECT_EQ(Changes(before, after), "");
  game.Click(row.caption);
  EXPECT_EQ(game["info"], shown);
}

INSTANTIATE_TEST_SUITE_P(Traits, EachTrait, testing::ValuesIn(kTraitRows),
                         [](const auto& info) { return std::string(info.param.box); });

TEST(TraitEffects, BruiserIsTakenBackFromWhateverStrengthShows) {
  Game game;
  game.Click("stplu", 2);
  game.Click("bruiser");
  EXPECT_EQ(game["st"], "9");
  game.Set("st", 1);
  EXPECT_EQ(game["chpoint"], "11");
  game.Click("bruiser");
  EXPECT_EQ(game["st"], "-1");
  EXPECT_EQ(game["chpoint"], "11");
  EXPECT_EQ(game["hp"], "24");
  EXPECT_EQ(game["carrywt"], "0");
  EXPECT_EQ(game["md"], "-6");  // below 1 Strength the "ST - 5" rule holds
  EXPECT_EQ(game["una"], "38%");
}

TEST(TraitEffects, BruiserRaisesStrengthPastTheRacesMaximum) {
  Game game;
  game.Set("st", 10);
  game.Click("bruiser");
  EXPECT_EQ(game["st"], "12");
  EXPECT_EQ(game["md"], "7");
}

TEST(TraitEffects, GiftedRaisesEveryStatisticByOneAndLeavesThePool) {
  Game game;
  game.Click("gifted");
  for (const std::string_view stat : kStatFields) EXPECT_EQ(game[stat], "6") << stat;
  EXPECT_EQ(game["chpoint"], "5");
  EXPECT_EQ(game["traits"], "1");
  game.Click("gifted");
  for (const std::string_view stat : kStatFields) EXPECT_EQ(game[stat], "5") << stat;
  EXPECT_EQ(game["chpoint"], "5");
  EXPECT_EQ(game["traits"], "2");
}

TEST(TraitEffects, FearTheReaperLowersAGhoulsPerkRateOnceThroughAnyRecomputation) {
  Game game("Ghoul");
  game.Click("fearthereap");
  EXPECT_EQ(game["perkrate"], "3");
  game.Click("stplu");
  game.Click("lumin");
  game.Click("smallguns");
  game.Click("smallguns");
  game.Click("bruiser");
  game.Click("bruiser");
  game.Click("goodnature");
  game.Click("goodnature");
  UpdateSecondaryStats(game.sheet());
  UpdateSkills(game.sheet());
  UpdateExtraNotes(game.sheet());
  EXPECT_EQ(game["perkrate"], "3");
  game.Click("fearthereap");
  EXPECT_EQ(game["perkrate"], "4");
}

TEST(TraitEffects, AfterSkilledOrFearTheReaperARacePickShowsTheRacesPerkRate) {
  const std::pair<const char*, const char*> perkRates[] = {
      {"Human", "3"},     {"Ghoul", "4"},          {"Super-Mutant", "4"}, {"Half-Mutant", "3"},
      {"Deathclaw", "4"}, {"Gray Deathclaw", "4"}, {"Dog", "2"},          {"Robot", "0"}};
  for (const char* from : {"Human", "Ghoul", "Super-Mutant", "Half-Mutant"}) {
    for (const auto& [to, perkRate] : perkRates) {
      Game game(from);
      const int own = game.Whole("perkrate");
      game.Click("skilled");
      EXPECT_EQ(game.Whole("perkrate"), own + 1) << from;
      game.Pick(to);
      EXPECT_EQ(game["perkrate"], perkRate) << from << " to " << to;
    }
  }
  Game ghoul("Ghoul");
  ghoul.Click("fearthereap");
  ghoul.Click("skilled");
  EXPECT_EQ(ghoul["perkrate"], "4");
  ghoul.Pick("Dog");
  EXPECT_EQ(ghoul["perkrate"], "2");
}

TEST(TraitEffects, DomesticatedRaisesIntelligenceOnceAndLowersMeleeDamage) {
  Game game("Deathclaw");
  game.Click("domesticated");
  EXPECT_EQ(game["intel"], "5");
  EXPECT_EQ(game["md"], "4");
  game.Click("stplu");
  game.Click("rabid");
  game.Click("rabid");
  UpdateExtraNotes(game.sheet());
  UpdateSecondaryStats(game.sheet());
  EXPECT_EQ(game["intel"], "5");
  EXPECT_EQ(game["md"], "5");
  game.Click("domesticated");
  EXPECT_EQ(game["intel"], "4");
  EXPECT_EQ(game["md"], "7");
}

// Bloody Mess brings the trait boxes up to date only when Traits Left has
// just become 0, or 1 on an untick. The difference shows only once the race
// text has been typed over since the last pick.
TEST(TraitEffects, BloodyMessLeavesTheBoxesWhenTraitsLeftBecomesOneOnATickOrTwo) {
  Game bloody;
  bloody.Type("Robot");
  bloody.Click("bloody");
  EXPECT_EQ(bloody.DisabledTraits(), kHumanClosed);
  bloody.Click("bloody");
  EXPECT_EQ(bloody.DisabledTraits(), kHumanClosed);

  Game jinxed;
  jinxed.Type("Robot");
  jinxed.Click("jinx");
  EXPECT_EQ(jinxed.DisabledTraits(), kRobotClosed);
  jinxed.Type("Human");
  jinxed.Click("jinx");
  EXPECT_EQ(jinxed.DisabledTraits(), kHumanClosed);
}

TEST(TraitEffects, BloodyMessUpdatesTheBoxesWhenTraitsLeftBecomesZeroOrOneOnAnUntick) {
  Game game;
  game.Click("jinx");
  game.Type("Robot");
  game.Click("bloody");
  EXPECT_EQ(game.DisabledTraits(), AllTraitsBut({"jinx", "bloody"}));
  game.Click("bloody");
  EXPECT_EQ(game.DisabledTraits(), kRobotClosed);
  EXPECT_EQ(game["extra"], std::string(kRobotNote) +
                               "Jinxed. +50% Chance to upgrade failures to critical failures for all nearby. ");
}

// Good Natured changes skills only: its handling rebuilds the notes and the
// skills but not the secondary statistics.
TEST(TraitEffects, GoodNaturedRecomputesTheSkillsAndNotTheSecondaryStatistics) {
  Game game;
  game.Type("Robot");
  game.Click("goodnature");
  EXPECT_EQ(game["sma"], "15%");
  EXPECT_EQ(game["dres"], "0%");
  EXPECT_EQ(game["eres"], "30%");
  EXPECT_EQ(game["extra"], std::string(kRobotNote) +
                               "Good Natured. +20% First Aid, +20% Doctor, +20% Speech, +20% Barter, -10% Small Guns, "
                               "-10% Big Guns, -10% Energy Weapons, -10% Unarmed, -10% Melee Weapons. ");
  Game jinxed;
  jinxed.Type("Robot");
  jinxed.Click("jinx");
  EXPECT_EQ(jinxed["dres"], "40%");
  EXPECT_EQ(jinxed["eres"], "0%");
}

}  // namespace
}  // namespace cindral::test
