// What the rules allowed but a game master would want to see on a
// character's sheet: a statistic outside its race's limits once what the
// ticked traits add is set aside (a trait's change taken back by its
// untick stays, and a typed race's limits held the presses), a counter
// below 0, Char Points, tags or traits left unspent, a race typed but not
// picked, a skill tagged while its box was closed. It refuses nothing and
// runs no rule: every item is a state the window's clicks reach.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "events.h"

namespace cindral {

inline constexpr std::string_view kNothingToQuestion = "Nothing to question";

// Each item a game master would question, in the order the window shows
// them: "Strength −1: a Human's Strength is 1 to 10", "Char Points: 2
// unspent", …
std::vector<std::string> Questions(const Engine& engine);

// "Worth a look:" and the items one a line, or "Nothing to question".
std::string QuestionsReport(const std::vector<std::string>& questions);

// The items on one line, as the copy's last section holds them.
std::string QuestionsInALine(const std::vector<std::string>& questions);

// "“Ada”, a Human" or "a Human without a name": a character as the
// reports name it, its name cut short.
std::string CharacterCalled(std::string_view name, std::string_view race);

// The check a player asks for: the panel names the character and lists
// what is worth a look. Nothing else changes.
void ShowCharacterCheck(Engine& engine);

}  // namespace cindral
