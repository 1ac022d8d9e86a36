// Tagging skills: Tags Left counts the tags, the unticked tag boxes close
// when none is left, Ham Fisted forces a tag on Unarmed, and a race pick
// frees every tag.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "player.h"
#include "skill_tags.h"

namespace cindral::test {
namespace {

using Names = std::vector<std::string>;
const Names kAllTagBoxes(kTagBoxes.begin(), kTagBoxes.end());

TEST(SkillTags, TaggingASkillAddsTwentyToItAlone) {
  Player human;
  MakeMixedHuman(human);
  const auto untagged = human.SkillValues();
  for (std::size_t s = 0; s < kTagBoxes.size(); ++s) {
    SCOPED_TRACE(kTagBoxes[s]);
    human.Toggle(kTagBoxes[s]);
    auto expected = untagged;
    expected[s] += 20;
    EXPECT_EQ(human.SkillValues(), expected);
    EXPECT_EQ(human["tags"], "2");
    human.Toggle(kTagBoxes[s]);
    EXPECT_EQ(human.SkillValues(), untagged);
    EXPECT_EQ(human["tags"], "3");
  }
}

TEST(SkillTags, ThreeTagsCloseTheOtherSixteenBoxes) {
  Player human;
  EXPECT_EQ(human["tags"], "3");
  EXPECT_EQ(human.EnabledTagBoxes(), kAllTagBoxes);
  const char* ticked[] = {"lockpick", "barter", "outdoorsman"};
  const char* left[] = {"2", "1", "0"};
  for (int i = 0; i < 3; ++i) {
    human.Toggle(ticked[i]);
    EXPECT_EQ(human["tags"], left[i]);
  }
  EXPECT_EQ(human.EnabledTagBoxes(), (Names{"lockpick", "barter", "outdoorsman"}));

  const Snapshot closed = human.Take();
  human.engine().Click("smallguns");
  human.engine().Click("unarmed");
  EXPECT_EQ(Differences(closed, human.Take()), "");

  human.Toggle("barter");
  EXPECT_EQ(human["tags"], "1");
  EXPECT_EQ(human.EnabledTagBoxes(), kAllTagBoxes);
}

// Ham Fisted tags Unarmed even with no tag left: Tags Left goes below 0 and
// the boxes open again only once it is back above 0.
TEST(SkillTags, HamFistedTagsUnarmedPastTheLastTag) {
  Player mutant("Super-Mutant");
  for (const char* tag : {"smallguns", "doctor", "traps"}) mutant.Toggle(tag);
  ASSERT_FALSE(mutant.Enabled("unarmed"));
  mutant.Toggle("hamfist");
  EXPECT_EQ(mutant["tags"], "-1");
  EXPECT_TRUE(mutant.Ticked("unarmed"));
  EXPECT_FALSE(mutant.Enabled("unarmed"));
  EXPECT_EQ(mutant["una"], "70%");
  EXPECT_EQ(mutant.EnabledTagBoxes(), (Names{"smallguns", "doctor", "traps"}));

  mutant.Toggle("traps");
  EXPECT_EQ(mutant["tags"], "0");
  EXPECT_EQ(mutant.EnabledTagBoxes(), (Names{"smallguns", "doctor"}));
  mutant.Toggle("doctor");
  EXPECT_EQ(mutant["tags"], "1");
  EXPECT_EQ(mutant.EnabledTagBoxes(), kAllTagBoxes);
}

// The untick gives the tag back and recomputes the skills, which tag
// Unarmed again at once while Ham Fisted is ticked.
TEST(SkillTags, HamFistedTagsUnarmedAgainAtOnce) {
  Player mutant("Super-Mutant");
  mutant.Toggle("hamfist");
  mutant.Toggle("pilot");
  EXPECT_EQ(mutant["tags"], "1");
  ASSERT_TRUE(mutant.Enabled("unarmed"));
  mutant.Click("unarmed");
  EXPECT_TRUE(mutant.Ticked("unarmed"));
  EXPECT_EQ(mutant["tags"], "1");
  EXPECT_EQ(mutant["una"], "70%");
}

TEST(SkillTags, UntickingHamFistedLeavesUnarmedTagged) {
  Player mutant("Super-Mutant");
  mutant.Toggle("hamfist");
  EXPECT_EQ(mutant["tags"], "2");
  mutant.Toggle("hamfist");
  EXPECT_TRUE(mutant.Ticked("unarmed"));
  EXPECT_EQ(mutant["tags"], "2");
  EXPECT_EQ(mutant["traits"], "2");
  EXPECT_EQ(mutant["una"], "70%");
  EXPECT_EQ(mutant["sma"], "25%");
  mutant.Toggle("unarmed");
  EXPECT_EQ(mutant["tags"], "3");
  EXPECT_EQ(mutant["una"], "50%");
}

TEST(SkillTags, HamFistedTakesNoSecondTagOnUnarmed) {
  Player mutant("Super-Mutant");
  mutant.Toggle("unarmed");
  mutant.Toggle("hamfist");
  EXPECT_EQ(mutant["tags"], "2");
  EXPECT_EQ(mutant["una"], "70%");
  mutant.Toggle("hamfist");
  EXPECT_EQ(mutant["tags"], "2");
  EXPECT_TRUE(mutant.Ticked("unarmed"));
}

// A pick unticks the traits first, so Ham Fisted no longer holds Unarmed
// when the tags are freed.
TEST(SkillTags, ARacePickFreesEveryTag) {
  Player mutant("Super-Mutant");
  for (const char* tag : {"smallguns", "sneak", "doctor"}) mutant.Toggle(tag);
  mutant.Toggle("hamfist");
  ASSERT_EQ(mutant["tags"], "-1");
  mutant.Pick("Human");
  EXPECT_EQ(mutant["tags"], "3");
  EXPECT_EQ(mutant["traits"], "2");
  EXPECT_FALSE(mutant.Ticked("hamfist"));
  for (const std::string_view box : kTagBoxes) EXPECT_FALSE(mutant.Ticked(box)) << box;
  EXPECT_EQ(mutant.EnabledTagBoxes(), kAllTagBoxes);
  //                                            sma big ene una mel thr fir doc sne loc ste tra sci rep pil spe bar gam
  //                                            out
  EXPECT_EQ(mutant.SkillValues(),
            (std::array<int, 19>{25, 10, 10, 50, 40, 20, 20, 15, 20, 20, 15, 20, 20, 15, 20, 25, 20, 25, 20}));
}

// The tags are given back one by one through the boxes' own handling; the
// counter then starts again at 3 whatever it said.
TEST(SkillTags, ResettingTheTagsEndsAtThree) {
  Player human;
  human.Toggle("sneak");
  human.sheet().SetText(*FindField("tags"), "-4");
  ResetTags(human.sheet());
  EXPECT_EQ(human["tags"], "3");
  EXPECT_FALSE(human.Ticked("sneak"));
  EXPECT_EQ(human["sne"], "20%");
  human.sheet().SetText(*FindField("tags"), "7");
  ResetTags(human.sheet());
  EXPECT_EQ(human["tags"], "3");
}

}  // namespace
}  // namespace cindral::test
