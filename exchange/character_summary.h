// The character as a player shares it: written out as plain text and read
// back from it. The text opens with a line naming the program and its
// version, then holds one "Caption: value" a line, in the groups the window
// shows: the name and the race, "Primary Stats" with Char Points, the
// traits, "Skills", "Secondary Stats", the notes and, last, what a game
// master would question. The name and a typed race text are escaped, so
// that any text the boxes hold stays on its line and reads back exactly.
// The reader finds a character wherever it stands in a text, among the
// lines of a chat and behind the prefixes a chat program puts in front of
// each line. This module only describes a character: it runs no rule, and
// building one from a text is the rebuild's (character_rebuild.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "events.h"

namespace cindral {

// The program, as the summary's first line names it before its version.
inline constexpr std::string_view kProgramName = "Cindral PnP Character Generator";

// "Cindral PnP Character Generator 1.0": the summary's first line.
std::string ProgramLine();

// What the traits' and the notes' lines say when there are none.
inline constexpr std::string_view kNone = "none";

// What a line of the summary holds.
enum class LineKind : std::uint8_t { Name, Race, Stat, CharPoints, Traits, Skill, SecondaryStat, Notes, Check };

struct LineInfo {
  LineKind kind;
  std::uint8_t index;        // the statistic, the skill or the secondary statistic
  std::string_view group;    // the heading the line stands under; "" for a line of its own
  std::string_view caption;  // what the line is called, before its colon
};

inline constexpr std::size_t kSummaryLineCount = 2 + kStatCount + 1 + 1 + kSkillCount + kSecondaryStatCount + 1 + 1;

// Every line of the summary, in the order it is written.
inline constexpr std::array<LineInfo, kSummaryLineCount> kSummaryLines = [] {
  std::array<LineInfo, kSummaryLineCount> lines{};
  std::size_t n = 0;
  const auto add = [&](LineKind kind, std::size_t index, std::string_view group, std::string_view caption) {
    lines[n++] = {kind, static_cast<std::uint8_t>(index), group, caption};
  };
  add(LineKind::Name, 0, "", "Name");
  add(LineKind::Race, 0, "", "Race");
  for (std::size_t s = 0; s < kStatCount; ++s) add(LineKind::Stat, s, "Primary Stats", kStats[s].name);
  for (const CaptionedField& counter : kCounters) {
    if (counter.field == Field::chpoint) add(LineKind::CharPoints, 0, "Primary Stats", counter.caption);
  }
  add(LineKind::Traits, 0, "", "Traits");
  for (std::size_t s = 0; s < kSkillCount; ++s) add(LineKind::Skill, s, "Skills", kSkills[s].caption);
  for (std::size_t s = 0; s < kSecondaryStatCount; ++s) {
    add(LineKind::SecondaryStat, s, "Secondary Stats", kSecondaryStats[s].caption);
  }
  add(LineKind::Notes, 0, "", "Extra");
  // What a game master would question: written for the reader of the
  // copy, and read back as nothing.
  add(LineKind::Check, 0, "", "Check");
  return lines;
}();

// Where the line of a kind (and its statistic or skill) stands.
constexpr std::size_t LineOf(LineKind kind, std::size_t index = 0) {
  for (std::size_t i = 0; i < kSummaryLines.size(); ++i) {
    if (kSummaryLines[i].kind == kind && kSummaryLines[i].index == index) return i;
  }
  return kSummaryLines.size();
}

// The marks a skill's line carries after its value.
inline constexpr std::string_view kTaggedMark = "tagged";
// Ham Fisted tagged Unarmed while no tag was left: its box stays closed
// until a tag is free again.
inline constexpr std::string_view kTaggedClosedMark = "tagged, box closed";
// The race line's mark while the race text is typed, not picked; the race
// last picked follows it.
inline constexpr std::string_view kTypedRaceMark = "typed, not picked; trait boxes follow ";

// A line's value as the window shows it (the name, a typed race text and
// the notes escaped), and its mark, written after it in parentheses.
struct SummaryLine {
  std::string value;
  std::string mark;
  bool operator==(const SummaryLine&) const = default;
};

// The character: one entry for each line of kSummaryLines.
using CharacterSummary = std::array<SummaryLine, kSummaryLineCount>;

CharacterSummary Summarize(const Engine& engine);

// The plain text: the program line, then the lines in their groups, a
// blank line between groups and before the check.
std::string SummaryText(const CharacterSummary& summary);

// A text on one line, read back exactly: a backslash as "\\", line breaks
// and tabs as "\n", "\r" and "\t", other control characters and bytes
// that are no UTF-8 as "\x" and two hex digits, the control characters
// U+0080 to U+009F and the line and paragraph separators as "\u" and four,
// and a blank at either end as "\x20", which trimming would lose.
std::string EscapedText(std::string_view text);
// The text an escaped one stands for; a backslash that starts no escape
// stands for itself.
std::string UnescapedText(std::string_view escaped);

// Whether a skill is tagged, and whether its box stayed closed.
enum class TagMark : std::uint8_t { None, Tagged, TaggedBoxClosed };

// What a text says of a character, read but not yet held against the rules.
struct SharedCharacter {
  std::string name;
  std::string race;                      // a race of the list
  std::optional<std::string> typedRace;  // the race text the copy was made with, typed and not picked
  std::array<long long, kStatCount> stats{};
  std::vector<Trait> traits;  // as listed
  std::array<TagMark, kSkillCount> tags{};
  // Each line as it stands in the text, without a chat's prefix ("" where
  // there is none), and its number in the text, from 1: for saying which
  // line could not be built.
  std::array<std::string, kSummaryLineCount> lines;
  std::array<std::size_t, kSummaryLineCount> numbers{};
  // The lines whose value was read; a line that is missing, or whose value
  // is no value, is not.
  std::array<bool, kSummaryLineCount> read{};
  // What the text gives for the values the rules derive (Char Points, the
  // skills, the secondary statistics and the notes), as written: checked
  // against the rules, never used to build.
  std::array<std::optional<SummaryLine>, kSummaryLineCount> given;
};

// A text longer than this is no character, nor a chat around one: a
// character with the longest name and race text the boxes hold, escaped,
// takes less than an eighth of it, and a chat of a megabyte around a copy
// still pastes.
inline constexpr std::size_t kLongestSummary = 4 * 1024 * 1024;

// A line of the text that stands in the way of a character, or the lines
// it lacks, as the panel names them.
struct LineProblem {
  std::size_t number = 0;  // the first line it names, from 1; 0 for what the text lacks or the whole text
  std::string where;       // "Line 4: Strength: ten", "Lines 3, 4: …"; "" for the whole text
  std::string why;
};

// The problem with lines of the text, each given by its number: "Line 4:"
// or "Lines 3, 4:", then `quoted`.
LineProblem ProblemWith(const std::vector<std::size_t>& numbers, std::string_view quoted, std::string why);

// The most problems a reading lists; a text with more counts the rest.
inline constexpr std::size_t kProblemsListed = 100;

// What stood around the character in the text: the lines holding anything
// before and after it, which were not read, and whether those after it
// hold another character.
struct Surroundings {
  std::size_t before = 0;
  std::size_t after = 0;
  bool another = false;
};

struct Reading {
  SharedCharacter character;          // what could be read; a character only without problems
  std::vector<LineProblem> problems;  // every line in the way, in the text's order, up to kProblemsListed
  std::size_t unlisted = 0;           // the problems past those listed
  Surroundings around;
  bool read() const { return problems.empty() && unlisted == 0; }
};

// Reads a summary as a person editing it by hand may have left it:
// captions in any case, the statistics by their names or their window's
// abbreviations (ST … LU), extra blanks and blank lines, CRLF or LF, the
// program line and the headings left out, the lines in any order, a whole
// number written with a zero fraction ("7.0"), a skill marked tagged with
// "(tagged)", "(tag)" or "*" before or after it. The character is found
// among other lines: it starts at the first line of a character and ends
// at its last one, or where, whole, it meets a line it already has (the
// next character's); a chat program's prefix in front of any line (a time
// stamp, a nick, a quote mark) is skipped. It needs the name, the race and
// the seven statistics; every other line is optional. A line within the
// character that is none of its lines, a line given twice or a value that
// is not one stands in the way; every such line is listed.
Reading ReadSummary(std::string_view text);

// Whether a text is a character's copy: its first line holding anything
// names the program, or it holds a character's name, race and statistics.
bool IsCharacterCopy(std::string_view text);

// "3 lines before and 1 after the character were not read."; "" when the
// text held nothing else.
std::string SurroundingsText(const Surroundings& around);

// A name as the panel and every report quote it: escaped and cut short
// with "…", so that a long one leaves room for the rest of the line. The
// name box itself shows the whole name.
std::string QuotedName(std::string_view name);

// A line of the text as the panel quotes it: escaped and cut short.
std::string QuotedLine(std::string_view line);

}  // namespace cindral
