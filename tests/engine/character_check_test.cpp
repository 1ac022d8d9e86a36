// What the rules allowed but a game master would question, asked for as a
// player asks: through the history, which changes nothing and makes no step;
// the copy of the character ends with the same list.
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

struct Questioned {
  const char* what;
  const char* race;
  void (*play)(Player&);
  std::vector<std::string> questions;
};

// Strength pressed from 7 down to 1 while Bruiser was ticked, then Bruiser
// unticked: Strength -1, six points back in the pool.
void PressedWhileBruiserHeld(Player& p) { p.Click("bruiser"), p.Click("stmin", 6), p.Click("bruiser"); }

void SpendEverything(Player& p) {
  for (const char* box : {"smallguns", "sneak", "lockpick", "finesse", "jinx"}) p.Click(box);
}

const Questioned kQuestioned[] = {
    {"a character just picked",
     "Human",
     [](Player&) {},
     {"Char Points: 5 unspent", "Traits Left: 2 unspent", "Tags Left: 3 unspent"}},
    {"every point, tag and trait spent, and a long name",
     "Human",
     [](Player& p) {
       p.TypeName("Adalbert Wolfgang Ferdinand von Lovelace");
       p.Click("stplu", 5), SpendEverything(p);
     },
     {}},
    {"Strength below the race's minimum after Bruiser's untick",
     "Human",
     [](Player& p) { PressedWhileBruiserHeld(p), p.Click("inplu", 5), p.Click("agplu", 5), p.Click("luplu"); },
     {"Strength −1: a Human's Strength is 1 to 10", "Traits Left: 2 unspent", "Tags Left: 3 unspent"}},
    {"the same with Bruiser ticked again",
     "Human",
     [](Player& p) { PressedWhileBruiserHeld(p), p.Click("bruiser"); },
     {"Strength 1, −1 without Bruiser's +2: a Human's Strength is 1 to 10", "Char Points: 11 unspent",
      "Traits Left: 1 unspent", "Tags Left: 3 unspent"}},
    {"Beta Software's tag spent, then the trait unticked",
     "Robot",
     [](Player& p) {
       p.Pick("Robot");
       for (const char* box : {"betasoft", "smallguns", "bigguns", "doctor", "repair", "betasoft"}) p.Click(box);
     },
     {"Char Points: 3 unspent", "Traits Left: 2 unspent", "Tags Left: −1, more skills tagged than there were tags"}},
    {"Unarmed tagged by Ham Fisted with no tag left",
     "Super-Mutant",
     [](Player& p) {
       p.Pick("Super-Mutant");
       for (const char* box : {"smallguns", "doctor", "repair", "hamfist", "repair", "hamfist"}) p.Click(box);
     },
     {"Char Points: 5 unspent", "Traits Left: 2 unspent", "Unarmed: tagged while its box was closed"}},
    {"a race typed and not picked",
     "Human",
     [](Player& p) { p.Click("stplu", 5), SpendEverything(p), p.Type("Elf"); },
     {"Race: \u201CElf\u201D typed, not picked; the trait boxes follow Human"}},
};

TEST(CheckCharacter, ListsWhatTheRulesAllowedButAGameMasterWouldQuestion) {
  for (const Questioned& q : kQuestioned) {
    Player p;
    q.play(p);
    Snapshot before = p.Take();
    History history(p.engine(), &RebuildCharacter, &ShowCharacterCheck);
    EXPECT_FALSE(history.Act(CheckCharacter()).step) << q.what;

    std::string list = "Nothing to question", line = "Nothing to question";
    if (!q.questions.empty()) {
      list = "Worth a look:", line.clear();
      for (const std::string& question : q.questions) {
        list += "\n" + question;
        line += (line.empty() ? "" : "; ") + question;
      }
    }
    const std::string name = q.what == kQuestioned[1].what ? "Adalbert Wolfgang Ferdin\u2026" : "Name";
    EXPECT_EQ(p["info"], "Character checked: \u201C" + name + "\u201D, a " + q.race + ".\n" + list) << q.what;
    before.erase("info");
    Snapshot after = p.Take();
    after.erase("info");
    EXPECT_EQ(Differences(before, after), "") << q.what;
    EXPECT_TRUE(SummaryText(Summarize(p.engine())).ends_with("\n\nCheck: " + line + "\n")) << q.what;
  }
}

// A history handed no check checks nothing; the copy's check is read back
// as nothing, whatever it says.
TEST(CheckCharacter, IsTheHistorysToRunAndAPasteIgnoresTheCopysOwn) {
  Player p;
  History without(p.engine());
  without.Act(CheckCharacter());
  EXPECT_EQ(p["info"], "");

  std::string copy = SummaryText(Summarize(p.engine()));
  copy.replace(copy.find("\nCheck: ") + 8, std::string::npos, "Strength 99: nonsense; Char Points: −40 unspent\n");
  ASSERT_TRUE(RebuildCharacter(p.engine(), copy)) << p["info"];
  EXPECT_TRUE(p["info"].ends_with(
      "\nChecked: every value matches the rules\nWorth a look:\nChar Points: 5 unspent\nTraits Left: 2 unspent\n"
      "Tags Left: 3 unspent"))
      << p["info"];
}

}  // namespace
}  // namespace cindral::test
