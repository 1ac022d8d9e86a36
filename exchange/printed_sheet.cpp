#include "printed_sheet.h"

#include <algorithm>

#include "extra_notes.h"
#include "words.h"

namespace cindral {

namespace {

const SummaryLine& Line(const CharacterSummary& summary, LineKind kind) { return summary[LineOf(kind)]; }

// The rows of the lines that stand under a heading of the summary, in its
// order.
PrintedSection Group(const CharacterSummary& summary, std::string_view group) {
  PrintedSection section{group, {}};
  for (std::size_t i = 0; i < kSummaryLineCount; ++i) {
    if (kSummaryLines[i].group != group) continue;
    section.rows.push_back({kSummaryLines[i].caption, summary[i].value, summary[i].mark, {}});
  }
  return section;
}

std::string_view TrimmedBlanks(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

// The traits the summary lists, in its order: the captions it joins with
// ", " (no caption holds a comma).
std::vector<Trait> TraitsListed(std::string_view listed) {
  constexpr std::string_view kSeparator = ", ";
  std::vector<Trait> traits;
  while (!listed.empty()) {
    const std::size_t end = listed.find(kSeparator);
    const std::string_view caption = listed.substr(0, end);
    listed = end == std::string_view::npos ? std::string_view() : listed.substr(end + kSeparator.size());
    const auto* info =
        std::find_if(kTraits.begin(), kTraits.end(), [&](const TraitInfo& t) { return t.caption == caption; });
    if (info != kTraits.end()) traits.push_back(info->trait);
  }
  return traits;
}

// A note line without the trait's own name it starts with: "Bruiser. -2
// Action Points, +2 Strength. " gives "-2 Action Points, +2 Strength.".
std::string_view Effects(std::string_view noteLine) {
  noteLine = TrimmedBlanks(noteLine);
  const std::size_t named = noteLine.find(". ");
  return named == std::string_view::npos ? noteLine : noteLine.substr(named + 2);
}

// Takes a trait's line out of the notes, with the blank that joined it to
// the next; whether it stood there.
bool TakeOut(std::string& notes, std::string_view noteLine) {
  const std::string_view line = TrimmedBlanks(noteLine);
  const std::size_t at = notes.find(line);
  if (at == std::string::npos) return false;
  std::size_t end = at + line.size();
  if (end < notes.size() && notes[end] == ' ') ++end;
  notes.erase(at, end - at);
  return true;
}

}  // namespace

PrintedSheet PrintedSheetOf(const CharacterSummary& summary) {
  PrintedSheet sheet;
  sheet.program = ProgramLine();
  sheet.name = Shortened(Line(summary, LineKind::Name).value, kLongestPrintedName);
  sheet.race = Shortened(Line(summary, LineKind::Race).value, kLongestPrintedRace);
  sheet.raceMark = Line(summary, LineKind::Race).mark;

  const std::string& extra = Line(summary, LineKind::Notes).value;
  std::string notes = extra == kNone ? std::string() : extra;
  PrintedSection traits{kSummaryLines[LineOf(LineKind::Traits)].caption, {}};
  for (const Trait trait : TraitsListed(Line(summary, LineKind::Traits).value)) {
    const std::string_view line = NoteLineOf(trait);
    const bool noted = TakeOut(notes, line);
    traits.rows.push_back({kTraits[Index(trait)].caption, {}, {}, noted ? std::string(Effects(line)) : std::string()});
  }
  if (traits.rows.empty()) traits.rows.push_back({{}, {}, {}, std::string(kNone)});
  const std::string_view rest = TrimmedBlanks(notes);
  const PrintedSection extraSection{kSummaryLines[LineOf(LineKind::Notes)].caption,
                                    {{{}, {}, {}, rest.empty() ? std::string(kNone) : std::string(rest)}}};

  sheet.columns[0] = {Group(summary, "Primary Stats"), std::move(traits), Group(summary, "Skills")};
  sheet.columns[1] = {Group(summary, "Secondary Stats"), extraSection};
  return sheet;
}

}  // namespace cindral
