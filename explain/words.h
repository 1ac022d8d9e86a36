// The ways the explanations write things, each written once: a number with
// a real minus, a change with its sign, a list, a text cut short, where a
// value stands against its limits, and the phrase for the recomputation a
// typed race text waits for. The character's text and the game master's
// check write their quotes and lists the same way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "stat_allocation.h"

namespace cindral {

// A whole number as the explanations write it: "5", "−1" with a real minus.
std::string NumberText(double amount);

// A change with its sign: "+5", "−2", "0".
std::string Signed(double amount);

// Items one after another: "a, b, c"; with another separator, "a and b".
std::string Listed(const std::vector<std::string>& items, std::string_view separator = ", ");

// A UTF-8 text cut after `characters` characters, never inside one, with
// "…" where it was cut; a shorter text whole.
std::string Shortened(std::string_view text, std::size_t characters);

// A letter of the ASCII alphabet in lower case; any other byte as it is.
constexpr char LowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Where a statistic stands against its race's limits.
enum class Standing : std::uint8_t { AboveMaximum, AtMaximum, Within, AtMinimum, BelowMinimum };
Standing StandingOf(double value, const Limit& limit);

// The standing in words, for `whose` limits: "above the race's maximum",
// "at Human's minimum", "within Human's limits".
std::string StandingWords(Standing standing, std::string_view whose);

// The recomputation a typed race text waits for, as the explanations name it.
inline constexpr std::string_view kNextRecomputation = "the next recomputation (a \"+\", \"−\" or most trait clicks)";

}  // namespace cindral
