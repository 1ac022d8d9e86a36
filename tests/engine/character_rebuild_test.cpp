// A character pasted in as text and rebuilt through the rules: texts that
// cannot be built, each leaving the character exactly as it was with every
// line in the way and why in the panel; a text edited by hand, and one
// found among the lines of a chat; the game master's check, and what it
// would question, asked for through the history too; a copy made while the
// race text was typed; and copies of characters that only a player's order
// of clicks reaches, which must come back exactly all the same.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "character_check.h"
#include "character_rebuild.h"
#include "character_summary.h"
#include "history.h"
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
    {"five megabytes", std::string(5 << 20, 'x'),
     "The text is 5120 KiB long, more than any character and the chat around it (at most 4 MiB)"},
    {"a picture's bytes", std::string("GIF89a\x01\0\xff", 9),
     "Line 1: GIF89a\\x01\\x00\\xFF — not a line of a character"},
    {"a chat without a character", "[20:14] <mara> hi\n\n[20:15] <bob> hello?\n",
     "Line 1: [20:14] <mara> hi — not a line of a character, nor is any other line of the text"},
    {"a statistic over the limit", Human({"Strength: 99"}),
     "Line 3: Strength: 99 — a Human's Strength is 1 to 10, or down to -2 when Bruiser and Gifted were ticked and "
     "unticked"},
    {"a statistic below what a trait's untick reaches", Human({"Strength: -3"}),
     "Line 3: Strength: -3 — a Human's Strength is 1 to 10, or down to -2 when Bruiser and Gifted were ticked and "
     "unticked"},
    {"a statistic over the limit with its trait", Human({"Strength: 13", "Traits: Bruiser"}),
     "Line 3: Strength: 13 — a Human's Strength is 1 to 10, or down to -2 when Bruiser and Gifted were ticked and "
     "unticked, and Bruiser adds 2"},
    {"more points than the race has", Human({"Strength: 10", "Perception: 10"}),
     "Lines 3, 4: Strength: 10, Perception: 10 — the statistics need 5 more character points than a Human has"},
    {"a race not in the list", Human({"Race: Elf"}), "Line 2: Race: Elf — not a race of the list"},
    {"a trait the race rules out", Human({"Traits: Tight Nuts"}),
     "Line 10: Traits: Tight Nuts — Tight Nuts is not available to a Human"},
    {"three traits", Human({"Traits: Bruiser, Finesse, Jinxed"}),
     "Line 10: Traits: Bruiser, Finesse, Jinxed — a character takes at most two traits"},
    {"four tags", Human({"Small Guns: (tagged)", "Big Guns: (tagged)", "Doctor: (tagged)", "Repair: (tagged)"}),
     "Lines 10, 11, 12, 13: Small Guns, Big Guns, Doctor, Repair (tagged) — a Human tags at most three skills"},
    {"no Luck", Human({"Luck: 5"}).substr(0, Human().find("Luck")),
     "Luck — missing: a character needs its name, its race and its seven statistics"},
    {"a statistic in words", Human({"Strength: ten"}), "Line 3: Strength: ten — not a whole number"},
    {"a line given twice before the character is whole", "STRENGTH: 6\n" + Human(),
     "Line 4: Strength: 5 — a second line for Strength"},
    {"a trait that is none", Human({"Traits: Flying"}),
     "Line 10: Traits: Flying — there is no trait \u201CFlying\u201D"},
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

// Texts with several lines in the way: the panel names every one, with its
// number, in the text's order, and what the text lacks last.
struct BadText {
  const char* what;
  std::string text;
  std::vector<std::string> lines;  // the panel's lines after "Nothing pasted; …"
};

const BadText kBadTexts[] = {
    {"values, a line that is none and a mark, as written by hand",
     "Name: Ada\nRace: Human\nStrength: -3\nPerception: 7.5\nEndurance: 5\nCharisma: 5\nSpeed: 5\nIntelligence: 5\n"
     "Agility: 5\nLuck: 5\nTraits: Flying, Finesse, Finesse\nLockpick: 20% (maybe)\n",
     {"Line 3: Strength: -3 — a Human's Strength is 1 to 10, or down to -2 when Bruiser and Gifted were ticked and "
      "unticked",
      "Line 4: Perception: 7.5 — not a whole number", "Line 7: Speed: 5 — not a line of a character",
      "Line 11: Traits: Flying, Finesse, Finesse — there is no trait \u201CFlying\u201D; Finesse is named twice",
      "Line 12: Lockpick: 20% (maybe) — a skill is marked (tagged), (tag) or * or not at all"}},
    {"a race of no list and lines missing, in a chat",
     "[20:14] <mara> Name: Rex\n[20:14] <mara> Race: Elf\n[20:14] <mara> Strength: 5\n[20:15] <mara> Agility: seven\n"
     "[20:15] <mara> Perception: 5\n",
     {"Line 2: Race: Elf — not a race of the list", "Line 4: Agility: seven — not a whole number",
      "Endurance, Charisma, Intelligence, Luck — missing: a character needs its name, its race and its seven "
      "statistics"}},
    {"points, traits and tags past a Dog's, in the window's abbreviations and marks",
     "Cindral PnP Character Generator 1.0\n\nName: Rex\nRace: Dog\n\nPrimary Stats\nST: 5\nPE: 10.0\nEN: 5\nCH: 5\n"
     "IN: 3\nAG: 10\nLU: 5\n\nTraits: Fast Shot, Tight Nuts\n\nSkills\n* Small Guns: 25%\nSneak (tag): 15%\n"
     "Steal: 15% *\nTraps: 20% (tagged)\n",
     {"Lines 8, 12: PE: 10.0, AG: 10 — the statistics need 3 more character points than a Dog has",
      "Line 15: Traits: Fast Shot, Tight Nuts — Fast Shot and Tight Nuts are not available to a Dog",
      "Lines 18, 19, 20, 21: Small Guns, Sneak, Steal, Traps (tagged) — a Dog tags at most three skills"}},
};

TEST(PasteCharacter, ATextWithSeveralLinesInTheWayNamesEveryOne) {
  for (const BadText& bad : kBadTexts) {
    Player p;
    p.Click("stplu");
    const Snapshot before = Character(p);
    EXPECT_FALSE(RebuildCharacter(p.engine(), bad.text)) << bad.what;
    std::string expected = "Nothing pasted; the character stays as it was.";
    for (const std::string& line : bad.lines) expected += "\n" + line;
    EXPECT_EQ(p["info"], expected) << bad.what;
    EXPECT_EQ(Differences(before, Character(p)), "") << bad.what;
  }
}

// A character found among other lines: a chat's prefixes skipped, the
// lines before and after it counted, and of two characters the first.
TEST(PasteCharacter, FindsTheCharacterAmongOtherLinesAndCountsThem) {
  Player rex("Dog");
  rex.TypeName("Rex");
  rex.Click("stplu");
  const std::string copy = SummaryText(Summarize(rex.engine()));
  std::string quoted;
  for (std::size_t start = 0; start < copy.size(); start = copy.find('\n', start) + 1) {
    quoted += "> " + copy.substr(start, copy.find('\n', start) - start) + "\n";
  }
  const struct {
    const char* what;
    std::string text;
    std::string said;  // the panel's line after the one naming the character pasted
    std::string strength;
  } kAmong[] = {
      {"quoted in a mail, a chat before and after", "so, my dog:\n[20:14] <mara> look\n\nhere\n" + quoted + "nice!\n",
       "3 lines before and 1 after the character were not read.", "6"},
      {"two copies one after the other", copy + "\n" + SummaryText(Summarize(Player().engine())),
       "53 lines after the character were not read. They hold another character; only the first is read.", "6"},
      {"a statistic given again after a whole character", Human() + "STRENGTH: 6\n",
       "1 line after the character was not read.", "5"},
  };
  for (const auto& among : kAmong) {
    Player p;
    ASSERT_TRUE(RebuildCharacter(p.engine(), among.text)) << among.what << ": " << p["info"];
    const std::string& info = p["info"];
    const std::size_t second = info.find('\n') + 1;
    EXPECT_EQ(info.substr(second, info.find('\n', second) - second), among.said) << among.what;
    EXPECT_EQ(p["st"], among.strength) << among.what;
  }
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
  EXPECT_EQ(p["info"],
            "Character pasted: \u201CRex\u201D, a Robot.\nChecked: every value matches the rules\n"
            "Worth a look:\nChar Points: 3 unspent\nTags Left: 2 unspent");
}

TEST(PasteCharacter, TheGameMastersCheckListsEveryValueTheRulesGiveOtherwise) {
  Player p;
  ASSERT_TRUE(RebuildCharacter(p.engine(), Human({"Hit Points: 999", "Armor Class: 5", "Small Guns: 30% (tagged)"})));
  EXPECT_EQ(p["hp"], "30");
  EXPECT_EQ(
      p["info"],
      "Character pasted: \u201CAda\u201D, a Human.\nChecked: 2 values differ from the rules, whose values are kept:"
      "\nSmall Guns: the text says 30% (tagged), the rules give 45% (tagged)"
      "\nHit Points: the text says 999, the rules give 30"
      "\nWorth a look:\nChar Points: 5 unspent\nTraits Left: 2 unspent\nTags Left: 2 unspent");
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
            "character is built as the Human last picked.\nChecked: every value matches the rules\n"
            "Worth a look:\nChar Points: 4 unspent\nTraits Left: 2 unspent\nTags Left: 3 unspent");
}

// What the rules allowed but a game master would question, asked for as a
// player asks: through the history, changing nothing and making no step.
// The copy ends with the same list, which a paste reads as nothing.
struct Questioned {
  const char* what;
  void (*play)(Player&);
  std::vector<std::string> questions;
};

// Strength pressed from 7 down to 1 while Bruiser was ticked, then Bruiser
// unticked: Strength -1, six points back in the pool.
void PressedWhileBruiserHeld(Player& p) { p.Click("bruiser"), p.Click("stmin", 6), p.Click("bruiser"); }
void SpendAll(Player& p) {
  for (const char* box : {"stplu", "stplu", "stplu", "stplu", "stplu", "sneak", "steal", "traps", "finesse", "jinx"}) {
    p.Click(box);
  }
}

const Questioned kQuestioned[] = {
    {"every point, tag and trait spent, and a long name",
     [](Player& p) { p.TypeName("Adalbert Wolfgang Ferdinand von Lovelace"), SpendAll(p); },
     {}},
    {"Strength below the race's minimum after Bruiser's untick",
     [](Player& p) { PressedWhileBruiserHeld(p), p.Click("inplu", 5), p.Click("agplu", 5), p.Click("luplu"); },
     {"Strength −1: a Human's Strength is 1 to 10", "Traits Left: 2 unspent", "Tags Left: 3 unspent"}},
    {"the same with Bruiser ticked again",
     [](Player& p) { PressedWhileBruiserHeld(p), p.Click("bruiser"); },
     {"Strength 1, −1 without Bruiser's +2: a Human's Strength is 1 to 10", "Char Points: 11 unspent",
      "Traits Left: 1 unspent", "Tags Left: 3 unspent"}},
    {"Beta Software's tag spent, then the trait unticked",
     [](Player& p) {
       p.Pick("Robot");
       for (const char* box : {"betasoft", "smallguns", "bigguns", "doctor", "repair", "betasoft"}) p.Click(box);
     },
     {"Char Points: 3 unspent", "Traits Left: 2 unspent", "Tags Left: −1, more skills tagged than there were tags"}},
    {"Unarmed tagged by Ham Fisted with no tag left",
     [](Player& p) {
       p.Pick("Super-Mutant");
       for (const char* box : {"smallguns", "doctor", "repair", "hamfist", "repair", "hamfist"}) p.Click(box);
     },
     {"Char Points: 5 unspent", "Traits Left: 2 unspent", "Unarmed: tagged while its box was closed"}},
    {"a race typed and not picked",
     [](Player& p) { SpendAll(p), p.Type("Elf"); },
     {"Race: \u201CElf\u201D typed, not picked; the trait boxes follow Human"}},
};

TEST(CheckCharacter, ListsWhatTheRulesAllowedButAGameMasterWouldQuestion) {
  for (const Questioned& q : kQuestioned) {
    Player p;
    q.play(p);
    const Snapshot before = Character(p);
    History history(p.engine(), &RebuildCharacter, &ShowCharacterCheck);
    EXPECT_FALSE(history.Act(CheckCharacter()).step) << q.what;
    EXPECT_EQ(Differences(before, Character(p)), "") << q.what;
    std::string list = q.questions.empty() ? "Nothing to question" : "Worth a look:", line;
    for (const std::string& question : q.questions) list += "\n" + question, line += "; " + question;
    const std::string& info = p["info"];
    EXPECT_EQ(info.substr(info.find('\n') + 1), list) << q.what;
    const std::string copy = SummaryText(Summarize(p.engine()));
    EXPECT_TRUE(copy.ends_with("\n\nCheck: " + (line.empty() ? "Nothing to question" : line.substr(2)) + "\n"))
        << q.what;
  }
  Player named;
  kQuestioned[0].play(named);
  ShowCharacterCheck(named.engine());
  EXPECT_TRUE(named["info"].starts_with("Character checked: \u201CAdalbert Wolfgang Ferdin\u2026\u201D, a Human.\n"));

  std::string copy = SummaryText(Summarize(named.engine()));
  copy.replace(copy.find("\nCheck: ") + 8, std::string::npos, "Strength 99: nonsense\n");
  ASSERT_TRUE(RebuildCharacter(named.engine(), copy)) << named["info"];
  EXPECT_TRUE(named["info"].ends_with("\nChecked: every value matches the rules\nNothing to question"));
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
