// Every choice shows its consequence: what a "+", a "−", a trait box or a tag
// box would change, tried on a copy of the character; a click that would
// change nothing says why. (That every preview is exactly what the click
// then does is checked over the random sequences.)
#include <gtest/gtest.h>

#include <string>

#include "click_previews.h"
#include "player.h"

namespace cindral::test {
namespace {

std::string Preview(Player& player, const char* control) { return PreviewText(player.engine(), control); }

TEST(ClickPreviews, ListEveryNumberThatWouldChangeAsTheWindowShowsIt) {
  Player human;
  const Snapshot before = human.Take();
  // A line for the statistics and the counters, one for the secondary
  // statistics, one for the skills.
  EXPECT_EQ(Preview(human, "stplu"),
            "ST 5 → 6, Char Points 5 → 4\nHit Points 30 → 31, Carry Wt. 150 → 175\nUnarmed 50% → 52%, "
            "Melee Weapon 40% → 42%");
  EXPECT_EQ(Preview(human, "smallguns"), "Tags Left 3 → 2\nSmall Guns 25% → 45%");
  EXPECT_EQ(Differences(before, human.Take()), "") << "a preview is tried on a copy, never on the character";
}

TEST(ClickPreviews, NameTheBoxesThatWouldOpenOrClose) {
  Player human;
  human.Click("finesse");
  EXPECT_EQ(Preview(human, "jinx"),
            "Traits Left 1 → 0\nCloses: Fast Metabolism, Bruiser, Small Frame, One Hander, Kamikaze, Heavy Handed, "
            "Fast Shot, Bloody Mess, Good Natured, Chem. Reliant, Chem. Resistance, Night Person, Skilled, Gifted, "
            "Sex Appeal, Tech Wizard");
  Player mutant("Super-Mutant");
  EXPECT_EQ(Preview(mutant, "hamfist"),
            "Traits Left 2 → 1, Tags Left 3 → 2\nSmall Guns 25% → 5%, Unarmed 50% → 70%, First Aid 20% → 0%, "
            "Doctor 15% → -5%, Lockpick 20% → 0%, Science 20% → 0%, Repair 15% → -5%\nTicks: Unarmed");
}

TEST(ClickPreviews, ARefusedClickSaysWhy) {
  Player human;
  human.Click("stplu", 5);
  EXPECT_EQ(Preview(human, "stplu"), "Strength is at the race's maximum");
  EXPECT_EQ(Preview(human, "peplu"), "No character points left");
  EXPECT_EQ(Preview(human, "glowingone"), "Not available to a Human");
  // Typed, a race text still counts at the recomputation a refused press runs.
  human.Type("Elf");
  EXPECT_EQ(Preview(human, "stmin"),
            "The race text names no race: pick a race from the list. It still recomputes the sheet:\n"
            "Electricity Res. 30% → 0%");
}

// Ham Fisted holds the Unarmed tag: unticking it would only tick it again,
// and with no tag left it cannot be clicked at all.
TEST(ClickPreviews, TheForcedUnarmedTagSaysWhoHoldsIt) {
  Player mutant("Super-Mutant");
  mutant.Toggle("hamfist");
  ASSERT_TRUE(mutant.Enabled("unarmed"));
  EXPECT_EQ(Preview(mutant, "unarmed"), "Tagged by Ham Fisted");

  Player tagged("Super-Mutant");
  for (const char* box : {"smallguns", "sneak", "doctor", "hamfist"}) tagged.Toggle(box);
  ASSERT_EQ(tagged["tags"], "-1");
  EXPECT_EQ(Preview(tagged, "unarmed"), "Tagged by Ham Fisted");
  EXPECT_EQ(Preview(tagged, "bigguns"), "No tags left: untick a skill to tag another");
}

}  // namespace
}  // namespace cindral::test
