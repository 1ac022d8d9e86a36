// The ways the explanations write things, each written once: a number with
// a real minus, a change with its sign, a list, a text cut short, where a
// value stands against its limits, the phrase for the recomputation a
// typed race text waits for, and where a line may be broken when it is laid
// out. The character's text and the game master's check write their quotes
// and lists the same way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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

// Where a line of an explanation may be broken when a tooltip or a balloon
// lays it out: between the items of a list, the terms of a sum and, where a
// sentence shares a line with them, the words of the sentence; never inside
// an item ("Carry Wt. 150 → 175", "10 (2 × EN 5)", "Gray Deathclaw"). A line
// with no mark is a sentence of its own and may break at any blank.
inline constexpr char kBreak = '\x1f';

// Whether an explanation comes with its marks, to be laid out, or without,
// to be read or said.
enum class Breaks : std::uint8_t { Unmarked, Marked };

// The text as asked for: as written, or with its marks taken out.
std::string Finished(std::string text, Breaks breaks);

// Items for a line that breaks only between them, "a, b, c" with a mark
// before each: a break falls on the separator's first blank, so a list
// breaks after its comma and a sum before its sign.
std::string Items(const std::vector<std::string>& items, std::string_view separator = ", ");

// Words of a sentence that shares its line with items: each blank a mark.
std::string Sentence(std::string_view words);

// A sentence that names a race or a trait: each blank a mark but those of
// the name, which stays on one line.
std::string SentenceNaming(std::string_view words, std::string_view name);

// How wide a piece of text is, in the unit of the width it must fit.
using Measure = std::function<double(std::string_view)>;

// The lines of a marked text as they fit `width`: each of its lines broken
// at the mark (a sentence at the blank) before the piece that would run
// past the width, the blanks at a break left out. A piece wider than the
// width stands whole on a line of its own.
std::vector<std::string> LaidOut(std::string_view text, const Measure& measure, double width);

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
