// The notes box: the race's note, then one line for each ticked trait in
// trait order, with nothing in between.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "player.h"

namespace cindral::test {
namespace {

// Each trait's note line, and a race that may tick it.
struct NoteLine {
  const char* box;
  const char* race;
  const char* line;
};

// clang-format off
const NoteLine kLines[] = {
    {"fastmet", "Human", "Fast Metabolism. +2 Healing rate, 0% Poison resistance (plus race mods), 0% Radiation resistance (plus race mods). "},
    {"bruiser", "Human", "Bruiser. -2 Action Points, +2 Strength. "},
    {"smallframe", "Human", "Small Frame. +1 Agility, Carry Weight = 15 * Strength. "},
    {"onehand", "Human", "One Hander. -40% to hit 2-H weapons. +20% to hit 1-H weapons. "},
    {"finesse", "Human", "Finesse. +10 Critical Chance, -30% Damage. "},
    {"kamikaze", "Human", "Kamikaze. 0 Natural Armor Class, +5 Sequence. "},
    {"heavyhand", "Human", "Heavy Handed. +4 Melee Damage, -30% Damage on Criticals, -30% Chance to cripple or cause unconciousness. "},
    {"fastshot", "Human", "Fast Shot. -1 AP for all firing costs, Can not do aimed attack. "},
    {"bloody", "Human", "Bloody Mess. All kills die violently. "},
    {"jinx", "Human", "Jinxed. +50% Chance to upgrade failures to critical failures for all nearby. "},
    {"goodnature", "Human", "Good Natured. +20% First Aid, +20% Doctor, +20% Speech, +20% Barter, -10% Small Guns, -10% Big Guns, -10% Energy Weapons, -10% Unarmed, -10% Melee Weapons. "},
    {"chemrel", "Human", "Chem Reliant. 2x Addiction Chance, 1/2x Recovery Time. "},
    {"chemres", "Human", "Chem Resistant. 1/2x Chemical Effect, 1/2x Addiction Chance. "},
    {"nightperson", "Human", "Night Person. +1 Perception from 1801 to 0600, +1 Intelligence from 1801 to 0600, -1 Perception from 0601 to 1800, -1 Intelligence from 0601 to 1800. "},
    {"skilled", "Human", "Skilled. +10% to all skills, +5 Skill Gain Rate, +1 Perk Gain Rate. "},
    {"gifted", "Human", "Gifted. +1 to all stats, -10% to all skills, -5 Skill Gain Rate. "},
    {"sexappeal", "Human", "Sex Appeal. +/- 1 to Charisma for reactions, +/- 40% to Speech, +/- 40% to Barter. "},
    {"techwizard", "Human", "Tech Wizard. +15% Science, +15% Repair, +15% LockPick, -1 Perception. "},
    {"glowingone", "Ghoul", "Glowing One. +50% Radiation Resistance, 10 Rads/hr to those near. "},
    {"fearthereap", "Ghoul", "Fear The Reaper. -1 Perk Gain Rate, Save vs. Luck each month or die. "},
    {"vatskin", "Super-Mutant", "Vat Skin. +10 Armor Class, -1 Perception to all within 10 hexes. "},
    {"hamfist", "Super-Mutant", "Ham Fisted. Unarmed is a Tag Skill, -20% Small Guns, -20% First Aid, -20% Doctor, -20% Repair, -20% Science, -20% Lockpick. "},
    {"domesticated", "Dog", "Domesticated. +1 Intelligence, Can ignore racial Intelligence maximum, -2 Melee Damage. "},
    {"rabid", "Dog", "Rabid. Not affected by crippled limbs, +5 Action points when you, kill an opponent in combat, Chems do not affect you. "},
    {"tightnuts", "Robot", "Tight Nuts. +40% Damage Resistance, 1/2 Repair effect. "},
    {"targetcomp", "Robot", "Targeting Computer. +1AP to firing attacks, +15% to hit. "},
    {"empshield", "Robot", "EMP Shielding. 2 AP per hex moved, +30% EMP Resistance. "},
    {"betasoft", "Robot", "Beta Software. +1 Tag Skill, Must roll vs. Luck when using ANY tagged skill or automatic failure and loss of all APs. "},
};
// clang-format on

std::string LineOf(std::string_view box) {
  for (const NoteLine& l : kLines) {
    if (box == l.box) return l.line;
  }
  ADD_FAILURE() << "no note line for " << box;
  return "";
}

std::string RaceNote(std::string_view race) {
  if (race == "Robot") return std::string(kRobotNote);
  if (race == "Deathclaw" || race == "Gray Deathclaw") return std::string(kDeathclawNote);
  return "";
}

TEST(ExtraNotes, EachTraitAddsItsLineAfterTheRaceNote) {
  for (const NoteLine& l : kLines) {
    SCOPED_TRACE(l.box);
    Player player(l.race);
    player.Toggle(l.box);
    EXPECT_EQ(player["extra"], RaceNote(l.race) + l.line);
    player.Toggle(l.box);
    EXPECT_EQ(player["extra"], RaceNote(l.race));
  }
}

// Two traits ticked in the order given; the box shows them in trait order.
TEST(ExtraNotes, LinesFollowTraitOrderNotTheTicks) {
  struct Case {
    const char* race;
    const char* first;
    const char* second;
    const char* earlier;  // in trait order
  };
  const Case cases[] = {
      {"Robot", "tightnuts", "betasoft", "tightnuts"},
      {"Robot", "betasoft", "tightnuts", "tightnuts"},
      {"Robot", "empshield", "targetcomp", "targetcomp"},
      {"Robot", "betasoft", "bruiser", "bruiser"},
      {"Human", "jinx", "fastmet", "fastmet"},
      {"Human", "techwizard", "fastmet", "fastmet"},
      {"Ghoul", "fearthereap", "fastmet", "fastmet"},
      {"Gray Deathclaw", "gifted", "fastmet", "fastmet"},
      {"Gray Deathclaw", "rabid", "domesticated", "domesticated"},
      {"Super-Mutant", "hamfist", "vatskin", "vatskin"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.race) + ": " + c.first + " then " + c.second);
    Player player(c.race);
    player.Toggle(c.first);
    player.Toggle(c.second);
    const std::string later = std::string_view(c.earlier) == c.first ? c.second : c.first;
    EXPECT_EQ(player["extra"], RaceNote(c.race) + LineOf(c.earlier) + LineOf(later));
  }
}

// Every trait ticked at once from code, last first: the box lists all
// twenty-eight lines in trait order, whatever the order of ticking.
TEST(ExtraNotes, EveryLineStandsInItsPlace) {
  std::string expected(kRobotNote);
  for (const std::string_view box : kTraitOrder) expected += LineOf(box);
  Player backwards("Robot");
  for (auto it = kTraitOrder.rbegin(); it != kTraitOrder.rend(); ++it) {
    backwards.sheet().SetState(Player::BoxNamed(*it), 1);
  }
  EXPECT_EQ(backwards["extra"], expected);

  // Odd places first, then even ones.
  Player mixed("Robot");
  for (std::size_t start : {1u, 0u}) {
    for (std::size_t t = start; t < kTraitOrder.size(); t += 2)
      mixed.sheet().SetState(Player::BoxNamed(kTraitOrder[t]), 1);
  }
  EXPECT_EQ(mixed["extra"], expected);
}

TEST(ExtraNotes, AnUntickedLineGoesAndTheRestKeepTheirOrder) {
  Player robot("Robot");
  robot.Toggle("betasoft");
  robot.Toggle("targetcomp");
  robot.Toggle("betasoft");
  EXPECT_EQ(robot["extra"], RaceNote("Robot") + LineOf("targetcomp"));
  robot.Toggle("tightnuts");
  EXPECT_EQ(robot["extra"], RaceNote("Robot") + LineOf("tightnuts") + LineOf("targetcomp"));
  robot.Toggle("targetcomp");
  EXPECT_EQ(robot["extra"], RaceNote("Robot") + LineOf("tightnuts"));
}

TEST(ExtraNotes, APickReplacesTheOldRacesNote) {
  Player robot("Robot");
  robot.Toggle("tightnuts");
  robot.Pick("Deathclaw");
  EXPECT_EQ(robot["extra"], kDeathclawNote);
  robot.Toggle("bruiser");
  robot.Pick("Dog");
  EXPECT_EQ(robot["extra"], "");
}

TEST(ExtraNotes, ATextNamingNoRaceGetsNoNote) {
  for (const std::string& text : kTextsThatNameNoRace) {
    SCOPED_TRACE(Shown(text));
    Player robot("Robot");
    robot.Toggle("tightnuts");
    robot.Type(text);
    EXPECT_EQ(robot["extra"], RaceNote("Robot") + LineOf("tightnuts"));
    robot.Click("stplu");  // refused, and the notes are rebuilt
    EXPECT_EQ(robot["extra"], LineOf("tightnuts"));
  }
}

}  // namespace
}  // namespace cindral::test
