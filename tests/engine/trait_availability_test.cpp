// Which trait boxes can be ticked: the race's column, the allowance of two
// traits, and a race change that unticks every trait in trait order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "player.h"
#include "trait_availability.h"

namespace cindral::test {
namespace {

using Names = std::vector<std::string>;

constexpr const char* kRaces[] = {"Human",     "Ghoul",          "Super-Mutant", "Half-Mutant",
                                  "Deathclaw", "Gray Deathclaw", "Dog",          "Robot"};

// Every trait box but the named ones, in trait order.
Names AllTraitsBut(const Names& open) {
  Names closed;
  for (const std::string_view box : kTraitOrder) {
    if (std::find(open.begin(), open.end(), box) == open.end()) closed.emplace_back(box);
  }
  return closed;
}

TEST(TraitAvailability, EachRaceOpensItsOwnTraits) {
  const std::pair<const char*, std::size_t> allowed[] = {{"Human", 18},       {"Ghoul", 19},     {"Super-Mutant", 19},
                                                         {"Half-Mutant", 17}, {"Deathclaw", 14}, {"Gray Deathclaw", 14},
                                                         {"Dog", 14},         {"Robot", 13}};
  for (const auto& [to, open] : allowed) {
    for (const char* from : kRaces) {
      SCOPED_TRACE(std::string(from) + " to " + to);
      Player player(from);
      player.Pick(to);
      EXPECT_EQ(player.DisabledTraits(), TraitsClosedTo(to));
      EXPECT_EQ(kTraitOrder.size() - player.DisabledTraits().size(), open);
      EXPECT_EQ(player["traits"], "2");
    }
  }
}

// Two traits ticked: every unticked box closes and ignores the player; the
// two ticked stay open so either can be given back, which opens the race's
// column again.
TEST(TraitAvailability, NoTraitLeftClosesTheUntickedBoxes) {
  for (const char* race : kRaces) {
    SCOPED_TRACE(race);
    Player player(race);
    Names ticked;
    for (const std::string_view box : kTraitOrder) {
      if (ticked.size() < 2 && player.Enabled(box)) {
        player.Toggle(box);
        ticked.emplace_back(box);
        EXPECT_EQ(player["traits"], ticked.size() == 1 ? "1" : "0");
      }
    }
    EXPECT_EQ(player.DisabledTraits(), AllTraitsBut(ticked));

    const Snapshot closed = player.Take();
    for (const std::string& other : AllTraitsBut(ticked)) player.engine().Click(other);
    EXPECT_EQ(Differences(closed, player.Take()), "");

    player.Toggle(ticked[1]);
    EXPECT_EQ(player["traits"], "1");
    EXPECT_EQ(player.DisabledTraits(), TraitsClosedTo(race));
  }
}

// No rule keeps one trait from another.
TEST(TraitAvailability, AnyTwoAllowedTraitsGoTogether) {
  const std::pair<const char*, const char*> pairs[] = {
      {"chemrel", "chemres"}, {"gifted", "skilled"}, {"finesse", "heavyhand"}, {"onehand", "fastshot"}};
  for (const auto& [first, second] : pairs) {
    Player human;
    human.Toggle(first);
    human.Toggle(second);
    EXPECT_EQ(human["traits"], "0") << first << " and " << second;
  }
}

// Watches the boxes of Finesse, Sex Appeal and Glowing One while a race
// change unticks them: each change as it happens, with Traits Left and the
// tick of Sex Appeal at that moment.
class TraitWatch : public SheetObserver {
 public:
  explicit TraitWatch(const Sheet& sheet) : sheet_(sheet) {
    for (const char* name : kWatched) {
      state_.push_back(sheet.State(Player::BoxNamed(name)));
      enabled_.push_back(sheet.Enabled(Player::BoxNamed(name)));
    }
  }
  void FieldChanged(Field) override {}
  void BoxChanged(Box box) override {
    for (std::size_t i = 0; i < std::size(kWatched); ++i) {
      if (NameOf(box) != kWatched[i]) continue;
      const std::string now =
          " (traits " + *sheet_.TextByName("traits") + ", sexappeal " + *sheet_.TextByName("sexappeal") + ")";
      if (sheet_.State(box) != state_[i])
        seen.push_back(std::string(kWatched[i]) + (sheet_.State(box) ? " ticked" : " unticked") + now);
      if (sheet_.Enabled(box) != enabled_[i])
        seen.push_back(std::string(kWatched[i]) + (sheet_.Enabled(box) ? " enabled" : " disabled") + now);
      state_[i] = sheet_.State(box);
      enabled_[i] = sheet_.Enabled(box);
    }
  }
  Names seen;

 private:
  static constexpr const char* kWatched[] = {"finesse", "sexappeal", "glowingone"};
  const Sheet& sheet_;
  std::vector<int> state_;
  std::vector<bool> enabled_;
};

// Finesse comes first in trait order: its untick gives a trait back and
// applies the Ghoul's column, which closes the still ticked Sex Appeal;
// then Sex Appeal is unticked, and its text is the one left in the panel.
TEST(TraitAvailability, HumanToGhoulUnticksInTraitOrder) {
  Player human;
  human.Toggle("sexappeal");
  human.Toggle("finesse");
  TraitWatch watch(human.sheet());
  human.sheet().SetObserver(&watch);
  human.Pick("Ghoul");
  human.sheet().SetObserver(nullptr);

  EXPECT_EQ(watch.seen,
            (Names{"finesse unticked (traits 0, sexappeal 1)", "sexappeal disabled (traits 1, sexappeal 1)",
                   "glowingone enabled (traits 1, sexappeal 1)", "sexappeal unticked (traits 1, sexappeal 0)"}));
  EXPECT_EQ(human["traits"], "2");
  EXPECT_EQ(human.DisabledTraits(), TraitsClosedTo("Ghoul"));
  EXPECT_TRUE(human["info"].starts_with("Sex Appeal - ")) << human["info"];
  EXPECT_EQ(human["cc"], "5%");
  EXPECT_EQ(human["bd"], "0%");
}

TEST(TraitAvailability, APickWithNoTraitRunsNoHandling) {
  Player human;
  human.Click("Label48");
  const std::string panel = human["info"];
  for (const char* race : kRaces) {
    human.Pick(race);
    EXPECT_EQ(human["info"], panel) << race;
    EXPECT_EQ(human["traits"], "2") << race;
  }
}

// The boxes follow a typed race name at the next trait click, whose
// handling brings them in line with the race text; a statistic button
// leaves them.
TEST(TraitAvailability, ATypedRaceOpensItsColumnLater) {
  Player human;
  human.Type("Robot");
  human.Click("stplu");
  EXPECT_EQ(human.DisabledTraits(), TraitsClosedTo("Human"));
  human.Toggle("bruiser");
  EXPECT_EQ(human.DisabledTraits(), TraitsClosedTo("Robot"));
  EXPECT_TRUE(human.Enabled("betasoft"));
}

// The race's column is written only for a race text that names a race: under
// any other text two traits close the rest, and an untick cannot open them
// again until a race is picked from the list.
TEST(TraitAvailability, ATextNamingNoRaceOpensNoColumn) {
  for (const std::string& text : kTextsThatNameNoRace) {
    SCOPED_TRACE(Shown(text));
    Player human;
    human.Type(text);
    human.Toggle("bruiser");
    EXPECT_EQ(human.DisabledTraits(), TraitsClosedTo("Human"));
    human.Toggle("kamikaze");
    EXPECT_EQ(human["traits"], "0");
    EXPECT_EQ(human.DisabledTraits(), AllTraitsBut({"bruiser", "kamikaze"}));
    human.Toggle("kamikaze");
    EXPECT_EQ(human["traits"], "1");
    EXPECT_EQ(human.DisabledTraits(), AllTraitsBut({"bruiser", "kamikaze"}));
    const Snapshot before = human.Take();
    EnableRaceTraits(human.sheet());
    EXPECT_EQ(Differences(before, human.Take()), "");

    human.Pick("Dog");
    EXPECT_EQ(human["traits"], "2");
    EXPECT_EQ(human.DisabledTraits(), TraitsClosedTo("Dog"));
  }
}

}  // namespace
}  // namespace cindral::test
