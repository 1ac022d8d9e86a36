// Why a statistic's "+" or "-" would change nothing: the words a screen
// reader says for a button that a press cannot move, and the promise that
// they are said exactly when a press is refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

#include "player.h"
#include "reasons.h"

namespace cindral::test {
namespace {

// What the button would say now, by its control name.
std::string Reason(const Player& player, std::string_view button) {
  for (const StatButton& b : cindral::kStatButtons) {
    if (b.name == button) return ButtonReason(player.sheet(), b);
  }
  ADD_FAILURE() << "the program has no statistic button " << button;
  return "(no such button)";
}

// Clicks the controls a case names, space-separated, in turn.
void ClickEach(Player& player, std::string_view controls) {
  for (std::size_t at = 0; at < controls.size();) {
    const std::size_t end = std::min(controls.find(' ', at), controls.size());
    if (end > at) player.Click(controls.substr(at, end - at));
    at = end + 1;
  }
}

struct Case {
  const char* what;
  const char* race;
  const char* setup;  // buttons and boxes clicked in turn, space-separated
  const char* button;
  const char* reason;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

// clang-format off
const Case kCases[] = {
    // At the maximum with the pool empty too: the maximum is the reason,
    // since lowering another statistic would not help.
    {"a Human's ST at 10, the pool empty",     "Human",     "stplu stplu stplu stplu stplu",       "stplu", "Strength is at the race's maximum"},
    {"a Human's ST at 10, a point left",       "Human",     "lumin stplu stplu stplu stplu stplu", "stplu", "Strength is at the race's maximum"},
    {"a Human's ST at 10, lowering allowed",   "Human",     "stplu stplu stplu stplu stplu",       "stmin", ""},
    {"a Human with the pool spent on ST",      "Human",     "stplu stplu stplu stplu stplu",       "peplu", "No character points left"},
    {"a Human with the pool spent, lowering",  "Human",     "stplu stplu stplu stplu stplu",       "pemin", ""},
    {"a Human's LU at 1",                      "Human",     "lumin lumin lumin lumin",             "lumin", "Luck is at the race's minimum"},
    {"a Human's LU at 1, raising allowed",     "Human",     "lumin lumin lumin lumin",             "luplu", ""},
    {"a Robot's CH, up",                       "Robot",     "",                                    "chplu", "Charisma is at the race's maximum"},
    {"a Robot's CH, down",                     "Robot",     "",                                    "chmin", "Charisma is at the race's minimum"},
    {"a Robot's LU, up",                       "Robot",     "",                                    "luplu", "Luck is at the race's maximum"},
    {"a Robot's LU, down",                     "Robot",     "",                                    "lumin", "Luck is at the race's minimum"},
    {"a Robot's ST at its start",              "Robot",     "",                                    "stmin", "Strength is at the race's minimum"},
    {"a Robot's IN at its start",              "Robot",     "",                                    "inmin", "Intelligence is at the race's minimum"},
    {"a Deathclaw's AG, starting below 6",     "Deathclaw", "",                                    "agmin", "Agility is below the race's minimum"},
    {"a Deathclaw's AG raised to 6",           "Deathclaw", "agplu",                               "agmin", "Agility is at the race's minimum"},
    {"a Deathclaw's AG at 7",                  "Deathclaw", "agplu agplu",                         "agmin", ""},
    {"a Dog's IN at the start",                "Dog",       "",                                    "inplu", "Intelligence is at the race's maximum"},
    {"a Dog's CH at the start",                "Dog",       "",                                    "chplu", "Charisma is at the race's maximum"},
    // Domesticated lifts IN past the race's maximum.
    {"a Domesticated Dog's IN",                "Dog",       "domesticated",                        "inplu", "Intelligence is above the race's maximum"},
    {"a Domesticated Dog's IN, lowering",      "Dog",       "domesticated",                        "inmin", ""},
    // Bruiser's two points count towards the maximum.
    {"a Bruiser Human's ST at 10",             "Human",     "bruiser stplu stplu stplu",           "stplu", "Strength is at the race's maximum"},
};
// clang-format on

class Reasons : public testing::TestWithParam<Case> {};

TEST_P(Reasons, SayWhyAPressIsRefused) {
  const Case& c = GetParam();
  Player player(c.race);
  ClickEach(player, c.setup);
  EXPECT_EQ(Reason(player, c.button), c.reason);
}

INSTANTIATE_TEST_SUITE_P(ButtonReasons, Reasons, testing::ValuesIn(kCases));

TEST(ButtonReasons, EveryButtonPressesOnAFreshHuman) {
  const Player player("Human");
  for (const std::string_view button : kStatButtons) EXPECT_EQ(Reason(player, button), "") << button;
}

TEST(ButtonReasons, ATypedRaceThatNamesNoRaceRefusesEveryButton) {
  for (const std::string& typed : {std::string("robot"), std::string(""), std::string("Human ")}) {
    Player player("Human");
    player.Type(typed);
    for (const std::string_view button : kStatButtons) {
      EXPECT_EQ(Reason(player, button), "The race text names no race: pick a race from the list")
          << button << " under " << Shown(typed);
    }
  }
}

// Whatever the race and the state, a button names a reason exactly when a
// press leaves its statistic and the pool as they were.
TEST(ButtonReasons, AReasonIsGivenExactlyWhenAPressIsRefused) {
  std::mt19937 random(20240611);
  for (const char* race :
       {"Human", "Ghoul", "Super-Mutant", "Half-Mutant", "Deathclaw", "Gray Deathclaw", "Dog", "Robot"}) {
    Player player(race);
    int refused = 0;
    for (int press = 0; press < 400; ++press) {
      const std::size_t b = random() % kStatButtons.size();
      const std::string button(kStatButtons[b]);
      const std::string stat(kStatFields[b / 2]);
      const std::string reason = Reason(player, button);
      const std::string value = player[stat];
      const std::string pool = player["chpoint"];
      player.Click(button);
      const bool moved = player[stat] != value || player["chpoint"] != pool;
      EXPECT_EQ(moved, reason.empty()) << race << ": " << button << " at " << stat << " " << value << ", pool " << pool
                                       << ", said \"" << reason << '"';
      if (!moved) ++refused;
    }
    EXPECT_GT(refused, 0) << race << ": no press was refused, so the check saw only one side";
  }
}

// Why a tick box cannot be ticked: each kind of closed box, and the Unarmed
// tag that Ham Fisted holds, open or closed.
struct BoxCase {
  const char* what;
  const char* race;
  const char* clicks;  // boxes clicked in turn, space-separated
  const char* typed;   // the race text typed after them, or nothing
  const char* box;
  const char* reason;
};

// clang-format off
const BoxCase kBoxCases[] = {
    {"a trait the race rules out",          "Robot",        "",                               nullptr, "fastmet",   "Not available to a Robot"},
    {"a trait the typed race rules out",    "Human",        "",                               "Robot", "sexappeal", ""},
    {"no trait left",                       "Human",        "bruiser finesse",                nullptr, "kamikaze",  "No traits left: untick one to choose another"},
    {"the race's refusal before the count", "Human",        "bruiser finesse",                nullptr, "vatskin",   "Not available to a Human"},
    {"closed for the race picked last",     "Robot",        "",                               "Human", "fastmet",   "Not available: pick a race from the list"},
    {"no tag left",                         "Human",        "sneak steal traps",              nullptr, "doctor",    "No tags left: untick a skill to tag another"},
    {"an open tag box",                     "Human",        "sneak steal",                    nullptr, "doctor",    ""},
    {"Unarmed held by Ham Fisted, open",    "Super-Mutant", "hamfist",                        nullptr, "unarmed",   "Tagged by Ham Fisted"},
    {"Unarmed held by Ham Fisted, closed",  "Super-Mutant", "sneak steal hamfist",            nullptr, "unarmed",   "Tagged by Ham Fisted"},
    {"another tag box beside Ham Fisted",   "Super-Mutant", "sneak steal hamfist",            nullptr, "doctor",    "No tags left: untick a skill to tag another"},
};
// clang-format on

TEST(BoxReasons, EachKindOfClosedBoxSaysWhy) {
  for (const BoxCase& c : kBoxCases) {
    Player player(c.race);
    ClickEach(player, c.clicks);
    if (c.typed) player.Type(c.typed);
    const Box box = *FindBox(c.box);
    EXPECT_EQ(BoxReason(player.sheet(), box), c.reason) << c.what;
    // A closed box says the same; an open one says nothing.
    EXPECT_EQ(DisabledReason(player.sheet(), box), player.Enabled(c.box) ? "" : c.reason) << c.what;
  }
}

}  // namespace
}  // namespace cindral::test
