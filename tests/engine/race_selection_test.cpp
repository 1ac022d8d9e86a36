// Picking a race from the list: the race's row, the whole sheet worked out
// again from it, and a fresh start whatever the character was before.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "player.h"
#include "race_selection.h"

namespace cindral::test {
namespace {

// A fresh character of each race: its row, and every derived value worked
// out by hand from it (hit points 15 + ST + 2 EN, carry weight 25 + 25 ST,
// sequence 2 PE, skill rate 5 + 2 IN, HP rate EN / 2 + 3 with halves to
// the even neighbour, poison 5 EN, radiation 2 EN, and the race modifiers).
struct RaceStart {
  const char* race;
  const char* label;
  std::array<int, 7> stats;  // ST PE EN CH IN AG LU
  int pool, perkRate;
  const char* gasRes;
  int eres, hp, ac, md, dres, pres, rres, ap, carryWt, healRate, crit, sequence, skillRate, hpRate;
  std::string_view note;
};

void PrintTo(const RaceStart& r, std::ostream* os) { *os << r.race; }

// clang-format off
constexpr RaceStart kRaceStarts[] = {
    //  race            label            ST PE EN CH IN AG LU  pool perk gas   ER  HP AC MD DR  PR  RR AP  CW HR CC Seq SR HPR
    {"Human",          "Human",         {5, 5, 5, 5, 5, 5, 5}, 5, 3, "0/0",  30, 30, 5, 1,  0, 25, 10, 7, 150, 2, 5, 10, 15, 6, ""},
    {"Ghoul",          "Ghoul",         {5, 5, 5, 5, 5, 5, 5}, 5, 4, "0/0",   0, 30, 5, 1,  0, 55, 90, 7, 150, 2, 5, 10, 15, 6, ""},
    {"Super-Mutant",   "SuperMutant",   {5, 5, 5, 5, 5, 5, 5}, 5, 4, "0/0",   0, 30, 5, 1, 25, 45, 60, 7, 150, 2, 5, 10, 15, 8, ""},
    {"Half-Mutant",    "HalfMutant",    {5, 5, 5, 5, 5, 5, 5}, 5, 3, "0/0",   0, 30, 5, 1,  0, 40, 25, 7, 150, 2, 5, 10, 15, 6, ""},
    {"Deathclaw",      "Deathclaw",     {6, 5, 5, 3, 4, 5, 5}, 7, 4, "0/40",  0, 31, 5, 6, 40, 25, 10, 7, 175, 2, 5, 10, 13, 8, kDeathclawNote},
    {"Gray Deathclaw", "GrayDeathclaw", {6, 5, 5, 3, 5, 5, 5}, 6, 4, "0/40",  0, 31, 5, 6, 40, 25, 10, 7, 175, 2, 5, 10, 15, 8, kDeathclawNote},
    {"Dog",            "Dog",           {5, 5, 5, 5, 3, 5, 5}, 7, 2, "0/0",  50, 30, 5, 1,  0, 25, 10, 7, 150, 2, 5, 10, 11, 6, ""},
    {"Robot",          "Robot",         {7, 7, 7, 1, 5, 5, 5}, 3, 0, "0/0",   0, 36, 5, 2, 40, 35, 14, 7, 200, 2, 5, 14, 15, 6, kRobotNote},
};
// clang-format on

std::string Percent(int n) { return std::to_string(n) + "%"; }

// Every text the notes box shows while something happens.
class NotesWatch : public SheetObserver {
 public:
  explicit NotesWatch(const Sheet& sheet) : sheet_(sheet) {}
  void FieldChanged(Field field) override {
    if (NameOf(field) == "extra") shown.push_back(sheet_.Text(field));
  }
  void BoxChanged(Box) override {}
  std::vector<std::string> shown;

 private:
  const Sheet& sheet_;
};

class Start : public testing::TestWithParam<RaceStart> {};

TEST_P(Start, ShowsItsRowAndDerivedValues) {
  const RaceStart& r = GetParam();
  Player player;
  NotesWatch notes(player.sheet());
  player.sheet().SetObserver(&notes);
  player.Pick(r.race);
  player.sheet().SetObserver(nullptr);

  for (std::size_t s = 0; s < kStatFields.size(); ++s)
    EXPECT_EQ(player[kStatFields[s]], std::to_string(r.stats[s])) << kStatFields[s];
  const std::pair<const char*, std::string> shown[] = {
      {"race", r.race},
      {"chpoint", std::to_string(r.pool)},
      {"perkrate", std::to_string(r.perkRate)},
      {"gres", r.gasRes},
      {"eres", Percent(r.eres)},
      {"hp", std::to_string(r.hp)},
      {"ac", std::to_string(r.ac)},
      {"md", std::to_string(r.md)},
      {"bd", "0%"},
      {"dres", Percent(r.dres)},
      {"pres", Percent(r.pres)},
      {"rres", Percent(r.rres)},
      {"ap", std::to_string(r.ap)},
      {"carrywt", std::to_string(r.carryWt)},
      {"hr", std::to_string(r.healRate)},
      {"cc", Percent(r.crit)},
      {"seq", std::to_string(r.sequence)},
      {"skillrate", std::to_string(r.skillRate)},
      {"hprate", std::to_string(r.hpRate)},
      {"extra", std::string(r.note)},
      {"tags", "3"},
      {"traits", "2"},
  };
  for (const auto& [field, text] : shown) EXPECT_EQ(player[field], text) << field;
  // The note the race's row writes is the note the rebuilt box shows.
  for (const std::string& text : notes.shown) EXPECT_EQ(text, r.note);
}

// Whatever the character was, a pick starts it afresh: the sheet equals
// that of a program that has just picked the race, points spent are not
// refunded, the name stays, and the panel shows the text of the last
// trait the pick unticked.
TEST_P(Start, FromAnyCharacterStartsAfresh) {
  const RaceStart& to = GetParam();
  Snapshot expected = Player(to.race).Take();
  expected.erase("info");
  expected["Name"] = "Ada";
  for (const RaceStart& from : kRaceStarts) {
    SCOPED_TRACE(std::string("from ") + from.race);
    Player player(from.race);
    player.Click("stplu");
    player.Click("lumin");
    player.Click("agplu", 2);
    player.Click("bruiser");
    player.Click("kamikaze");
    player.Click("smallguns");
    player.Click("sneak");
    player.Click("melee");
    player.TypeName("Ada");
    player.Pick(to.race);
    Snapshot got = player.Take();
    EXPECT_TRUE(got["info"].starts_with("Kamikaze - ")) << got["info"];
    got.erase("info");
    EXPECT_EQ(Differences(expected, got), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Race, Start, testing::ValuesIn(kRaceStarts),
                         [](const auto& info) { return std::string(info.param.label); });

// The load runs the race handling for the text the race box shows at
// start, "Human"; before it the sheet holds its initial contents.
TEST(RaceSelection, TheLoadPicksHumanWithAnEmptyPanel) {
  Engine engine;
  const Sheet& sheet = engine.sheet();
  EXPECT_EQ(sheet.TextByName("hp"), "");
  EXPECT_EQ(sheet.TextByName("perkrate"), "");
  EXPECT_TRUE(sheet.Enabled(Player::BoxNamed("betasoft")));
  engine.Start();
  for (const std::string_view stat : kStatFields) EXPECT_EQ(sheet.TextByName(stat), "5") << stat;
  const std::pair<const char*, const char*> shown[] = {
      {"race", "Human"}, {"chpoint", "5"}, {"perkrate", "3"}, {"gres", "0/0"}, {"eres", "30%"},  {"hp", "30"},
      {"tags", "3"},     {"traits", "2"},  {"extra", ""},     {"info", ""},    {"Name", "Name"},
  };
  for (const auto& [field, text] : shown) EXPECT_EQ(sheet.TextByName(field), text) << field;
  for (const std::string_view secondary : kSecondaryFields) EXPECT_NE(sheet.TextByName(secondary), "") << secondary;
  for (const std::string_view box : {"glowingone", "fearthereap", "vatskin", "hamfist", "domesticated", "rabid",
                                     "tightnuts", "targetcomp", "empshield", "betasoft"}) {
    EXPECT_FALSE(sheet.Enabled(Player::BoxNamed(box))) << box;
  }
  EXPECT_TRUE(sheet.Enabled(Player::BoxNamed("sexappeal")));
}

// The untick handling of the traits runs before the race's row is written,
// so Bruiser's +2 comes off the Human's Strength, not off the Deathclaw's.
TEST(RaceSelection, BruiserComesOffBeforeTheRowIsWritten) {
  Player human;
  human.Set("st", 7);
  human.Toggle("bruiser");
  ASSERT_EQ(human["st"], "9");
  human.Pick("Deathclaw");
  EXPECT_EQ(human["st"], "6");
  EXPECT_FALSE(human.Ticked("bruiser"));
  EXPECT_EQ(human["traits"], "2");
  EXPECT_EQ(human["chpoint"], "7");
  EXPECT_EQ(human["ap"], "7");
}

// Skilled and Fear The Reaper move Perk Rate on tick and untick only; a
// pick unticks them and then writes the race's own rate.
TEST(RaceSelection, APickGivesTheRacesOwnPerkRate) {
  const std::pair<const char*, int> perkRates[] = {{"Human", 3},       {"Ghoul", 4},     {"Super-Mutant", 4},
                                                   {"Half-Mutant", 3}, {"Deathclaw", 4}, {"Gray Deathclaw", 4},
                                                   {"Dog", 2},         {"Robot", 0}};
  // The four races that may take Skilled.
  const std::pair<const char*, int> skilledRaces[] = {
      {"Human", 3}, {"Ghoul", 4}, {"Super-Mutant", 4}, {"Half-Mutant", 3}};
  for (const auto& [from, ownRate] : skilledRaces) {
    for (const auto& [to, perkRate] : perkRates) {
      SCOPED_TRACE(std::string(from) + " to " + to);
      Player player(from);
      player.Toggle("skilled");
      player.Click("enplu");
      EXPECT_EQ(player.Number("perkrate"), ownRate + 1);
      player.Pick(to);
      EXPECT_EQ(player.Number("perkrate"), perkRate);
      EXPECT_FALSE(player.Ticked("skilled"));
    }
  }
  Player ghoul("Ghoul");
  ghoul.Toggle("fearthereap");
  ghoul.Toggle("skilled");
  EXPECT_EQ(ghoul["perkrate"], "4");
  ghoul.Pick("Dog");
  EXPECT_EQ(ghoul["perkrate"], "2");
}

// The race handling for a text that names no race (only a typed text can)
// still clears the traits and the tags and recomputes, but writes no row;
// the next pick from the list makes a whole character again.
TEST(RaceSelection, ATextNamingNoRaceWritesNoRow) {
  Snapshot human = Player().Take();
  human.erase("info");
  for (const std::string& text : kTextsThatNameNoRace) {
    SCOPED_TRACE(Shown(text));
    Player player;
    player.Click("enplu", 2);
    player.Toggle("smallguns");
    player.Toggle("finesse");
    player.Toggle("nightperson");
    player.Type(text);
    race_Click(player.sheet());

    EXPECT_EQ(player["race"], text);
    EXPECT_EQ(player["en"], "7");
    EXPECT_EQ(player["chpoint"], "3");
    EXPECT_EQ(player["perkrate"], "3");
    EXPECT_EQ(player["gres"], "0/0");
    EXPECT_EQ(player["traits"], "2");
    EXPECT_EQ(player["tags"], "3");
    for (const char* box : {"smallguns", "finesse", "nightperson"}) EXPECT_FALSE(player.Ticked(box)) << box;
    EXPECT_EQ(player.EnabledTagBoxes().size(), 19u);
    // No column to apply: the boxes stay as no trait left made them, only
    // the two that were ticked open.
    for (const std::string_view box : kTraitOrder) {
      EXPECT_EQ(player.Enabled(box), box == "finesse" || box == "nightperson") << box;
    }
    // No race, so no race modifier: EN 7 gives 15 + 5 + 14 hit points.
    const std::pair<const char*, const char*> derived[] = {
        {"hp", "34"}, {"pres", "35%"}, {"rres", "14%"}, {"eres", "0%"}, {"dres", "0%"}, {"hprate", "6"},
        {"hr", "2"},  {"md", "1"},     {"cc", "5%"},    {"bd", "0%"},   {"sma", "25%"}, {"extra", ""}};
    for (const auto& [field, value] : derived) EXPECT_EQ(player[field], value) << field;

    player.Pick("Human");
    Snapshot got = player.Take();
    got.erase("info");
    EXPECT_EQ(Differences(human, got), "");
  }
}

}  // namespace
}  // namespace cindral::test
