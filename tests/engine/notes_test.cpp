// The notes box: the race's note, then one line for each ticked trait in
// trait order, nothing in between.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_fixture.h"
#include "extra_notes.h"

namespace cindral::etest {
namespace {

struct NoteLine {
  const char* box;
  const char* race;  // a race that may pick it
  const char* line;
};

const std::vector<NoteLine> kLines = {
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

std::string RaceNote(const std::string& race) {
  if (race == "Robot") return std::string(kRobotText);
  if (race == "Deathclaw" || race == "Gray Deathclaw") return std::string(kDeathclawText);
  return "";
}

std::string LineOf(const std::string& box) {
  for (const NoteLine& l : kLines)
    if (box == l.box) return l.line;
  ADD_FAILURE() << "no line for " << box;
  return "";
}

TEST(NoteLines, EachTickedTraitAddsItsLineAfterTheRaceNoteAndItsUntickRemovesIt) {
  ASSERT_EQ(kLines.size(), kTraitCount);
  for (const NoteLine& l : kLines) {
    Player player(l.race);
    player.Toggle(l.box);
    EXPECT_EQ(player["extra"], RaceNote(l.race) + l.line) << l.box;
    player.Toggle(l.box);
    EXPECT_EQ(player["extra"], RaceNote(l.race)) << l.box;
  }
}

TEST(NoteLines, RaceNotesStandAloneWithNothingTicked) {
  for (const char* race : {"Human", "Ghoul", "Super-Mutant", "Half-Mutant", "Deathclaw", "Gray Deathclaw", "Dog", "Robot"})
    EXPECT_EQ(Player(race)["extra"], RaceNote(race)) << race;
}

// Two traits, ticked in the order given, and the race; the box follows
// trait order whichever was ticked first.
struct PairCase {
  const char* race;
  const char* first;
  const char* second;
  const char* earlierInTraitOrder;
  const char* laterInTraitOrder;
};

TEST(NoteLines, LinesFollowTraitOrderNotTheOrderOfTicking) {
  const std::vector<PairCase> cases = {
      {"Robot", "tightnuts", "betasoft", "tightnuts", "betasoft"},
      {"Robot", "betasoft", "tightnuts", "tightnuts", "betasoft"},
      {"Robot", "empshield", "targetcomp", "targetcomp", "empshield"},
      {"Robot", "betasoft", "bruiser", "bruiser", "betasoft"},
      {"Human", "techwizard", "fastmet", "fastmet", "techwizard"},
      {"Ghoul", "fearthereap", "fastmet", "fastmet", "fearthereap"},
      {"Gray Deathclaw", "rabid", "domesticated", "domesticated", "rabid"},
      {"Super-Mutant", "hamfist", "vatskin", "vatskin", "hamfist"},
  };
  for (const PairCase& c : cases) {
    Player player(c.race);
    player.Toggle(c.first);
    player.Toggle(c.second);
    EXPECT_EQ(player["extra"], RaceNote(c.race) + LineOf(c.earlierInTraitOrder) + LineOf(c.laterInTraitOrder))
        << c.race << ": " << c.first << " then " << c.second;
  }
}

TEST(NoteLines, RebuildingAgainChangesNothingAndNoStatistic) {
  Player dog("Dog");
  dog.Toggle("domesticated");
  dog.Toggle("rabid");
  const Snapshot before = dog.Take();
  for (int i = 0; i < 3; ++i) UpdateExtraNotes(dog.sheet());
  EXPECT_EQ(Differences(before, dog.Take()), "");
  EXPECT_EQ(dog["intel"], "4");
  EXPECT_EQ(dog["md"], "-1");
}

TEST(NoteLines, ARaceTextThatNamesNoRaceGetsNoNote) {
  Player robot("Robot");
  robot.Toggle("tightnuts");
  robot.Type("robot");
  UpdateExtraNotes(robot.sheet());
  EXPECT_EQ(robot["extra"], LineOf("tightnuts"));
}

}  // namespace
}  // namespace cindral::etest
