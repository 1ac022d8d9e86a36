// A character pasted in as text and rebuilt through the rules: texts that
// cannot be built, each leaving the character exactly as it was with the
// line and the reason in the panel; a text edited by hand; the game
// master's check; a copy made while the race text was typed; and copies of
// characters that only a player's order of clicks reaches, which must come
// back exactly all the same.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "character_rebuild.h"
#include "character_summary.h"
#include "player.h"

namespace cindral::test {
namespace {

// A Human as a person writes one by hand, the lines `changed` standing in
// for those of the same caption or added after them.
std::string Human(const std::vector<std::string>& changed = {}) {
  std::vector<std::string> lines = {"Name: Ada",   "Race: Human",     "Strength: 5", "Perception: 5", "Endurance: 5",
                                    "Charisma: 5", "Intelligence: 5", "Agility: 5",  "Luck: 5"};
  for (const std::string& line : changed) {
    const std::string caption = line.substr(0, line.find(':') + 1);
    const auto same =
        std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(caption); });
    if (same != lines.end()) *same = line;
    else lines.push_back(line);
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

Snapshot Character(const Player& p) {
  Snapshot shot = p.Take();
  shot.erase("info");
  return shot;
}

struct Refusal {
  const char* what;
  std::string text;
  std::string why;  // the panel's line after "Nothing pasted; the character stays as it was."
};

const Refusal kRefusals[] = {
    {"a megabyte", std::string(1 << 20, 'x'), "The text is 1024 KiB long, more than any character's (at most 512 KiB)"},
    {"a picture's bytes", std::string("GIF89a\x01\0\xff", 9), "GIF89a\\x01\\x00\\xFF — not a line of a character"},
    {"a statistic over the limit", Human({"Strength: 99"}), "Strength: 99 — a Human's Strength is 1 to 10"},
    {"a statistic over the limit with its trait", Human({"Strength: 13", "Traits: Bruiser"}),
     "Strength: 13 — a Human's Strength is 1 to 10, and Bruiser adds 2"},
    {"more points than the race has", Human({"Strength: 10", "Perception: 10"}),
     "Strength: 10, Perception: 10 — the statistics need 5 more character points than a Human has"},
    {"a race not in the list", Human({"Race: Elf"}), "Race: Elf — not a race of the list"},
    {"a trait the race rules out", Human({"Traits: Tight Nuts"}),
     "Traits: Tight Nuts — Tight Nuts is not available to a Human"},
    {"three traits", Human({"Traits: Bruiser, Finesse, Jinxed"}),
     "Traits: Bruiser, Finesse, Jinxed — a character takes at most two traits"},
    {"four tags", Human({"Small Guns: (tagged)", "Big Guns: (tagged)", "Doctor: (tagged)", "Repair: (tagged)"}),
     "Small Guns, Big Guns, Doctor, Repair (tagged) — a Human tags at most three skills"},
    {"no Luck", Human({"Luck: 5"}).substr(0, Human().find("Luck")),
     "Luck — missing: a character needs its name, its race and its seven statistics"},
    {"a statistic in words", Human({"Strength: ten"}), "Strength: ten — not a whole number"},
    {"a line given twice", Human() + "STRENGTH: 6", "STRENGTH: 6 — a second line for Strength"},
    {"a trait that is none", Human({"Traits: Flying"}), "Traits: Flying — there is no trait \u201CFlying\u201D"},
};

TEST(PasteCharacter, ATextThatCannotBeBuiltChangesNothingAndSaysWhy) {
  for (const Refusal& refusal : kRefusals) {
    Player p("Robot");
    p.Click("stplu");
    const Snapshot before = Character(p);
    EXPECT_FALSE(RebuildCharacter(p.engine(), refusal.text)) << refusal.what;
    EXPECT_EQ(p["info"], "Nothing pasted; the character stays as it was.\n" + refusal.why) << refusal.what;
    EXPECT_EQ(Differences(before, Character(p)), "") << refusal.what;
    EXPECT_EQ(p.engine().LastPick(), "Robot") << refusal.what;
  }
  Player p;
  EXPECT_FALSE(RebuildCharacter(p.engine(), " \r\n"));
  EXPECT_EQ(p["info"], "Nothing pasted: the clipboard holds no text.");
}

// Captions in any case, blanks around them, CRLF, blank lines, no program
// line and no headings, the lines in another order.
TEST(PasteCharacter, ReadsATextEditedByHand) {
  Player p;
  ASSERT_TRUE(RebuildCharacter(p.engine(),
                               "  STRENGTH :   9 \r\n\r\nrace:   robot\r\nNAME: Rex\r\n luck: 5\r\nperception: 7\r\n"
                               "endurance: 7\r\ncharisma: 1\r\nintelligence: 5\r\nagility: 5\r\n"
                               "traits: bruiser ,  TIGHT nuts\r\nsmall guns: 45% (TAGGED)\r\n"));
  EXPECT_EQ(p["race"], "Robot");
  EXPECT_EQ(p["Name"], "Rex");
  EXPECT_EQ(p["st"], "9");
  EXPECT_EQ(p["chpoint"], "3");
  EXPECT_TRUE(p.Ticked("bruiser") && p.Ticked("tightnuts") && p.Ticked("smallguns"));
  EXPECT_EQ(p["info"], "Character pasted: \u201CRex\u201D, a Robot.\nChecked: every value matches the rules");
}

TEST(PasteCharacter, TheGameMastersCheckListsEveryValueTheRulesGiveOtherwise) {
  Player p;
  ASSERT_TRUE(RebuildCharacter(p.engine(), Human({"Hit Points: 999", "Armor Class: 5", "Small Guns: 30% (tagged)"})));
  EXPECT_EQ(p["hp"], "30");
  EXPECT_EQ(
      p["info"],
      "Character pasted: \u201CAda\u201D, a Human.\nChecked: 2 values differ from the rules, whose values are kept:"
      "\nSmall Guns: the text says 30% (tagged), the rules give 45% (tagged)"
      "\nHit Points: the text says 999, the rules give 30");
}

TEST(PasteCharacter, ACopyMadeWhileTheRaceTextWasTypedBuildsTheRaceLastPicked) {
  Player typed;
  typed.Click("stplu");
  typed.Type("Robot");
  const std::string copy = SummaryText(Summarize(typed.engine()));
  EXPECT_TRUE(
      copy.starts_with("Cindral PnP Character Generator 1.0\n\nName: Name\n"
                       "Race: Robot (typed, not picked; trait boxes follow Human)\n"));
  Player p("Dog");
  ASSERT_TRUE(RebuildCharacter(p.engine(), copy));
  EXPECT_EQ(p["race"], "Human");
  EXPECT_EQ(p["st"], "6");
  EXPECT_EQ(p["info"],
            "Character pasted: \u201CName\u201D, a Human.\nThe typed race text \u201CRobot\u201D was left out: the "
            "character is built as the Human last picked.\nChecked: every value matches the rules");
}

// Characters a copy must bring back exactly, though the rules reach them
// only in a certain order of clicks, and the line of the copy that shows it.
struct Reached {
  const char* what;
  void (*play)(Player&);
  std::string_view line;
};

const Reached kReached[] = {
    {"traits in the window's order", [](Player& p) { p.Click("fastmet"), p.Click("bruiser"); },
     "\nTraits: Bruiser, Fast Metabolism\n"},
    {"statistics past the limits, moved there while traits were held",
     [](Player& p) {
       p.Click("bruiser"), p.Click("gifted"), p.Click("stmin", 7), p.Click("bruiser"), p.Click("gifted");
       p.Click("inplu", 5), p.Click("agplu", 5);
     },
     "\nStrength: -2\n"},
    {"Unarmed tagged by Ham Fisted with no tag left",
     [](Player& p) {
       p.Pick("Super-Mutant");
       for (const char* box : {"smallguns", "doctor", "repair", "hamfist", "repair", "hamfist"}) p.Click(box);
     },
     "\nUnarmed: 70% (tagged, box closed)\n"},
    {"Beta Software's tag kept once it is unticked",
     [](Player& p) {
       p.Pick("Robot");
       for (const char* box : {"betasoft", "smallguns", "bigguns", "doctor", "repair", "betasoft"}) p.Click(box);
     },
     "\nRepair: 35% (tagged)\n"},
    {"a name no line holds as it is", [](Player& p) { p.TypeName("  Ada\n\"Lovelace\"\\x41\t\x01\xff\xe2\x80\xa8 "); },
     "\nName: \\x20 Ada\\n\"Lovelace\"\\\\x41\\t\\x01\\xFF\\u2028\\x20\n"},
};

TEST(PasteCharacter, ACopyComesBackExactlyAndCopiesAgainWordForWord) {
  for (const Reached& reached : kReached) {
    Player copied;
    reached.play(copied);
    const std::string copy = SummaryText(Summarize(copied.engine()));
    EXPECT_NE(copy.find(reached.line), std::string::npos) << reached.what << "\n" << copy;
    Player p("Dog");
    p.Click("rabid");
    ASSERT_TRUE(RebuildCharacter(p.engine(), copy)) << reached.what << ": " << p["info"];
    EXPECT_EQ(Differences(Character(copied), Character(p)), "") << reached.what;
    EXPECT_EQ(SummaryText(Summarize(p.engine())), copy) << reached.what;
  }
}

}  // namespace
}  // namespace cindral::test
