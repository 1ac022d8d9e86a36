// The character as a player shares it: written out as plain text and read
// back from it. The text opens with a line naming the program and its
// version, then holds one "Caption: value" a line, in the groups the window
// shows: the name and the race, "Primary Stats" with Char Points, the
// traits, "Skills", "Secondary Stats" and the notes. The name and a typed
// race text are escaped, so that any text the boxes hold stays on its line
// and reads back exactly. This module only describes a character: it runs
// no rule, and building one from a text is the rebuild's
// (character_rebuild.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "events.h"

namespace cindral {

// "Cindral PnP Character Generator 1.0": the summary's first line.
std::string ProgramLine();

// What a line of the summary holds.
enum class LineKind : std::uint8_t { Name, Race, Stat, CharPoints, Traits, Skill, SecondaryStat, Notes };

struct LineInfo {
  LineKind kind;
  std::uint8_t index;        // the statistic, the skill or the secondary statistic
  std::string_view group;    // the heading the line stands under; "" for a line of its own
  std::string_view caption;  // what the line is called, before its colon
};

inline constexpr std::size_t kSummaryLineCount = 2 + kStatCount + 1 + 1 + kSkillCount + kSecondaryStatCount + 1;

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
// blank line between groups.
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
  // Each line as it stands in the text ("" where there is none), for
  // saying which line could not be built.
  std::array<std::string, kSummaryLineCount> lines;
  // What the text gives for the values the rules derive (Char Points, the
  // skills, the secondary statistics and the notes), as written: checked
  // against the rules, never used to build.
  std::array<std::optional<SummaryLine>, kSummaryLineCount> given;
};

// A text longer than this is no character: the longest name and race text
// the boxes hold, escaped, take less than half of it.
inline constexpr std::size_t kLongestSummary = 512 * 1024;

struct Reading {
  std::optional<SharedCharacter> character;
  std::string problem;  // when it reads as no character: "<the line> — <why>"
};

// Reads a summary as a person editing it by hand may have left it:
// captions in any case, extra blanks and blank lines, CRLF or LF, the
// program line and the headings left out, the lines in any order. It needs
// the name, the race and the seven statistics; every other line is
// optional. A line it does not know, a line given twice or a value that is
// not one fails the reading.
Reading ReadSummary(std::string_view text);

// A line of the text as the panel quotes it: escaped and cut short.
std::string QuotedLine(std::string_view line);

}  // namespace cindral
