// The character sheet a player prints for the table, in words: a title
// with the name and the race, the program's line, and the sections in the
// window's order, read from the character's summary (character_summary.h),
// so that the paper says exactly what a copy says. The sheet reads in two
// columns: what the player chose (the statistics, the traits, the skills)
// on the left, what follows from it (the secondary statistics, Extra) and
// ruled lines for the table's own notes on the right. This module only
// words the page; measuring, cutting to the paper's width and drawing are
// the window's.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "character_summary.h"

namespace cindral {

// A line of a section: a caption, its value and mark ("tagged"), and a
// text that runs under it (a trait's effects, the race's note).
struct PrintedRow {
  std::string_view caption;
  std::string value;
  std::string mark;
  std::string note;
  bool operator==(const PrintedRow&) const = default;
};

struct PrintedSection {
  std::string_view heading;
  std::vector<PrintedRow> rows;
  bool operator==(const PrintedSection&) const = default;
};

// The longest name and race text the page takes before the window cuts
// them to the title's width: more than a title line holds of the narrowest
// letters.
inline constexpr std::size_t kLongestPrintedName = 120;
inline constexpr std::size_t kLongestPrintedRace = 80;

// The heading of the blank lines at the foot of the right column, and how
// many of them there are at least.
inline constexpr std::string_view kNotesHeading = "Notes";
inline constexpr std::size_t kFewestNoteLines = 4;

struct PrintedSheet {
  std::string program;   // "Cindral PnP Character Generator 1.0"
  std::string name;      // as the copy writes it, escaped; cut with "…" past kLongestPrintedName
  std::string race;      // the race text as the copy writes it, cut past kLongestPrintedRace
  std::string raceMark;  // while the race is typed, not picked: the copy's mark
  std::array<std::vector<PrintedSection>, 2> columns;
};

// The page of a character. A ticked trait's line of the notes stands under
// the trait, with its effects only ("-2 Action Points, +2 Strength."), and
// Extra keeps what else the notes say (the race's note), or "none".
PrintedSheet PrintedSheetOf(const CharacterSummary& summary);

}  // namespace cindral
