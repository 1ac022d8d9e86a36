#include "character_summary.h"

#include <algorithm>
#include <charconv>

#include "race_selection.h"
#include "words.h"

#ifndef CINDRAL_VERSION
#error "CINDRAL_VERSION, the project's version, comes from the build"
#endif

namespace cindral {

namespace {

constexpr std::string_view kProgramName = "Cindral PnP Character Generator";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kNone = "none";

std::string TraitsAsShown(const Sheet& sheet) {
  std::vector<std::string> traits;
  for (const Trait trait : kTraitsAsShown) {
    if (Ticked(sheet, trait)) traits.emplace_back(kTraits[Index(trait)].caption);
  }
  return traits.empty() ? std::string(kNone) : Listed(traits);
}

// The notes as shown, without the blank each of their pieces ends with.
std::string Notes(const Sheet& sheet) {
  const std::string& notes = sheet.Text(Field::extra);
  const std::size_t end = notes.find_last_not_of(" \t\r\n");
  return end == std::string::npos ? std::string(kNone) : EscapedText(std::string_view(notes).substr(0, end + 1));
}

std::string SkillMark(const Sheet& sheet, Skill skill) {
  const Box box = TagBox(skill);
  if (!Ticked(sheet, box)) return {};
  return std::string(sheet.Enabled(box) ? kTaggedMark : kTaggedClosedMark);
}

// The length of the UTF-8 sequence `text` starts with, and the character
// it stands for; 0 when its first byte starts none.
std::size_t Utf8Sequence(std::string_view text, char32_t& character) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  std::size_t length = 0;
  char32_t least = 0;
  if (byte(0) < 0x80) {
    character = byte(0);
    return 1;
  }
  if ((byte(0) & 0xE0) == 0xC0) length = 2, least = 0x80, character = byte(0) & 0x1F;
  else if ((byte(0) & 0xF0) == 0xE0) length = 3, least = 0x800, character = byte(0) & 0x0F;
  else if ((byte(0) & 0xF8) == 0xF0) length = 4, least = 0x10000, character = byte(0) & 0x07;
  else return 0;
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    character = (character << 6) | (byte(i) & 0x3F);
  }
  const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
  return character < least || character > 0x10FFFF || surrogate ? 0 : length;
}

// The escapes of one letter, and the character each stands for.
struct LetterEscape {
  char letter;
  char character;
};

constexpr std::array<LetterEscape, 4> kLetterEscapes = {{{'\\', '\\'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'}}};

// The escape whose letter, or whose character, is `c`.
std::optional<LetterEscape> LetterEscapeOf(char c, char LetterEscape::*side) {
  for (const LetterEscape& escape : kLetterEscapes) {
    if (escape.*side == c) return escape;
  }
  return std::nullopt;
}

void AppendHex(std::string& out, char kind, std::uint32_t value, int digits) {
  out += '\\';
  out += kind;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += "0123456789ABCDEF"[(value >> shift) & 0xF];
}

std::optional<std::uint32_t> HexValue(std::string_view text, std::size_t digits) {
  if (text.size() < digits) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + digits, value, 16);
  if (error != std::errc() || end != text.data() + digits) return std::nullopt;
  return value;
}

void AppendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}

// A caption as the reader compares it: in lower case, without full stops,
// each run of blanks one blank.
std::string Folded(std::string_view text) {
  std::string folded;
  bool blank = false;
  for (const char c : text) {
    if (c == '.') continue;
    if (c == ' ' || c == '\t') {
      blank = !folded.empty();
      continue;
    }
    if (blank) folded += ' ';
    blank = false;
    folded += LowerCase(c);
  }
  return folded;
}

// The mark in parentheses a value ends with, if any, and the value before it.
struct Marked {
  std::string_view value;
  std::optional<std::string_view> mark;
};

Marked SplitMark(std::string_view value) {
  const std::size_t open = value.rfind('(');
  if (value.empty() || value.back() != ')' || open == std::string_view::npos) return {value, std::nullopt};
  return {Trimmed(value.substr(0, open)), value.substr(open + 1, value.size() - open - 2)};
}

std::optional<std::string_view> RaceListed(std::string_view text) {
  const std::string folded = Folded(text);
  for (const std::string_view race : kRaceList) {
    if (Folded(race) == folded) return race;
  }
  return std::nullopt;
}

// Far past every limit, and far from what a long long holds.
constexpr long long kFarPastEveryLimit = 1'000'000'000;

std::optional<long long> WholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end != text.data() + text.size()) return std::nullopt;
  // Digits past what a number holds read as a number past every limit.
  if (error == std::errc::result_out_of_range) value = text.front() == '-' ? -kFarPastEveryLimit : kFarPastEveryLimit;
  else if (error != std::errc()) return std::nullopt;
  return std::clamp(value, -kFarPastEveryLimit, kFarPastEveryLimit);
}

// The captions of a table's rows, folded once: those of the lines and
// those of the traits.
template <typename Row, std::size_t N>
std::array<std::string, N> FoldedCaptionsOf(const std::array<Row, N>& rows) {
  std::array<std::string, N> folded;
  for (std::size_t i = 0; i < N; ++i) folded[i] = Folded(rows[i].caption);
  return folded;
}

const std::array<std::string, kSummaryLineCount>& FoldedCaptions() {
  static const auto captions = FoldedCaptionsOf(kSummaryLines);
  return captions;
}

const std::array<std::string, kTraitCount>& FoldedTraits() {
  static const auto captions = FoldedCaptionsOf(kTraits);
  return captions;
}

class Reader {
 public:
  Reading Read(std::string_view text) {
    if (text.size() > kLongestSummary) {
      return Failed("The text is " + std::to_string(text.size() / 1024) +
                    " KiB long, more than any character's (at most 512 KiB)");
    }
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return Failed("The text is empty");
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      if (line.ends_with('\r')) line.remove_suffix(1);
      if (!ReadLine(Trimmed(line))) return Failed(std::move(problem_));
    }
    for (const LineKind needed : {LineKind::Name, LineKind::Race, LineKind::Stat}) {
      for (std::size_t i = 0; i < kSummaryLineCount; ++i) {
        if (kSummaryLines[i].kind != needed || !character_.lines[i].empty()) continue;
        return Failed(std::string(kSummaryLines[i].caption) +
                      " — missing: a character needs its name, its race and its seven statistics");
      }
    }
    return {std::move(character_), {}};
  }

 private:
  static Reading Failed(std::string problem) { return {std::nullopt, std::move(problem)}; }

  bool Fail(std::string_view line, std::string_view why) {
    problem_ = QuotedLine(line) + " — " + std::string(why);
    return false;
  }

  bool ReadLine(std::string_view line) {
    if (line.empty()) return true;
    const std::string folded = Folded(line);
    static const std::string program = Folded(kProgramName);
    if (folded.starts_with(program)) return true;
    for (const std::string_view heading : {"primary stats", "skills", "secondary stats"}) {
      if (folded == heading || folded == std::string(heading) + ':') return true;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return Fail(line, "not a line of a character");
    const std::string caption = Folded(line.substr(0, colon));
    const auto& captions = FoldedCaptions();
    const std::size_t slot =
        static_cast<std::size_t>(std::find(captions.begin(), captions.end(), caption) - captions.begin());
    if (slot == kSummaryLineCount) return Fail(line, "not a line of a character");
    if (!character_.lines[slot].empty()) {
      return Fail(line, "a second line for " + std::string(kSummaryLines[slot].caption));
    }
    character_.lines[slot] = line;
    return ReadValue(kSummaryLines[slot], slot, line, Trimmed(line.substr(colon + 1)));
  }

  bool ReadValue(const LineInfo& info, std::size_t slot, std::string_view line, std::string_view value) {
    switch (info.kind) {
      case LineKind::Name: character_.name = UnescapedText(value); return true;
      case LineKind::Race: return ReadRace(line, value);
      case LineKind::Stat:
        if (const auto number = WholeNumber(value)) {
          character_.stats[info.index] = *number;
          return true;
        }
        return Fail(line, "not a whole number");
      case LineKind::Traits: return ReadTraits(line, value);
      case LineKind::Skill: return ReadSkill(info.index, slot, line, value);
      case LineKind::CharPoints:
      case LineKind::SecondaryStat:
      case LineKind::Notes: character_.given[slot] = SummaryLine{std::string(value), {}}; return true;
    }
    return true;
  }

  bool ReadRace(std::string_view line, std::string_view value) {
    const Marked marked = SplitMark(value);
    const std::string typedMark = Folded(kTypedRaceMark) + ' ';
    if (marked.mark && Folded(*marked.mark).starts_with(typedMark)) {
      const auto picked = RaceListed(Folded(*marked.mark).substr(typedMark.size()));
      if (!picked) return Fail(line, "the race last picked is not a race of the list");
      character_.race = *picked;
      // A typed text that names the race last picked is that race.
      if (std::string typed = UnescapedText(marked.value); typed != *picked) character_.typedRace = std::move(typed);
      return true;
    }
    const auto race = RaceListed(value);
    if (!race) return Fail(line, "not a race of the list");
    character_.race = *race;
    return true;
  }

  bool ReadTraits(std::string_view line, std::string_view value) {
    if (Folded(value) == kNone) return true;
    while (!value.empty()) {
      const std::size_t comma = value.find(',');
      const std::string_view name = Trimmed(value.substr(0, comma));
      value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
      if (name.empty()) continue;
      const auto& captions = FoldedTraits();
      const auto found = std::find(captions.begin(), captions.end(), Folded(name));
      if (found == captions.end()) return Fail(line, "there is no trait \u201C" + std::string(name) + "\u201D");
      const TraitInfo* trait = &kTraits[static_cast<std::size_t>(found - captions.begin())];
      if (std::find(character_.traits.begin(), character_.traits.end(), trait->trait) != character_.traits.end()) {
        return Fail(line, std::string(trait->caption) + " is named twice");
      }
      character_.traits.push_back(trait->trait);
    }
    return true;
  }

  bool ReadSkill(std::size_t skill, std::size_t slot, std::string_view line, std::string_view value) {
    const Marked marked = SplitMark(value);
    TagMark tag = TagMark::None;
    if (marked.mark) {
      const std::string mark = Folded(*marked.mark);
      if (mark == Folded(kTaggedMark)) tag = TagMark::Tagged;
      else if (mark == Folded(kTaggedClosedMark)) tag = TagMark::TaggedBoxClosed;
      else return Fail(line, "a skill is marked (tagged) or not at all");
    }
    character_.tags[skill] = tag;
    const std::string_view marks[] = {"", kTaggedMark, kTaggedClosedMark};
    character_.given[slot] = SummaryLine{std::string(marked.value), std::string(marks[static_cast<int>(tag)])};
    return true;
  }

  SharedCharacter character_;
  std::string problem_;
};

}  // namespace

std::string ProgramLine() { return std::string(kProgramName) + " " CINDRAL_VERSION; }

CharacterSummary Summarize(const Engine& engine) {
  const Sheet& sheet = engine.sheet();
  CharacterSummary summary;
  for (std::size_t i = 0; i < kSummaryLineCount; ++i) {
    const LineInfo& line = kSummaryLines[i];
    SummaryLine& out = summary[i];
    switch (line.kind) {
      case LineKind::Name: out.value = EscapedText(sheet.Text(Field::Name)); break;
      case LineKind::Race:
        out.value = EscapedText(sheet.Text(Field::race));
        if (!engine.RaceTextIsPicked()) out.mark = std::string(kTypedRaceMark) + EscapedText(engine.LastPick());
        break;
      case LineKind::Stat: out.value = EscapedText(sheet.Text(kStats[line.index].field)); break;
      case LineKind::CharPoints: out.value = EscapedText(sheet.Text(Field::chpoint)); break;
      case LineKind::Traits: out.value = TraitsAsShown(sheet); break;
      case LineKind::Skill:
        out.value = EscapedText(sheet.Text(kSkills[line.index].value));
        out.mark = SkillMark(sheet, kSkills[line.index].skill);
        break;
      case LineKind::SecondaryStat: out.value = EscapedText(sheet.Text(kSecondaryStats[line.index].field)); break;
      case LineKind::Notes: out.value = Notes(sheet); break;
    }
  }
  return summary;
}

std::string SummaryText(const CharacterSummary& summary) {
  std::string text = ProgramLine() + '\n';
  for (std::size_t i = 0; i < kSummaryLineCount; ++i) {
    const LineInfo& line = kSummaryLines[i];
    if (i == 0 || line.group != kSummaryLines[i - 1].group) {
      text += '\n';
      if (!line.group.empty()) (text += line.group) += '\n';
    }
    ((text += line.caption) += ": ") += summary[i].value;
    if (!summary[i].mark.empty()) ((text += " (") += summary[i].mark) += ')';
    text += '\n';
  }
  return text;
}

std::string EscapedText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    char32_t character = 0;
    const std::size_t length = Utf8Sequence(text.substr(i), character);
    const bool edgeBlank = c == ' ' && (i == 0 || i + 1 == text.size());
    if (const auto letter = LetterEscapeOf(c, &LetterEscape::character)) (out += '\\') += letter->letter;
    else if (length == 0 || character < 0x20 || character == 0x7F || edgeBlank)
      AppendHex(out, 'x', static_cast<unsigned char>(c), 2);
    else if ((character >= 0x80 && character <= 0x9F) || character == 0x2028 || character == 0x2029)
      AppendHex(out, 'u', character, 4);
    else out.append(text.substr(i, length));
    i += length == 0 ? 1 : length;
  }
  return out;
}

std::string UnescapedText(std::string_view escaped) {
  std::string out;
  out.reserve(escaped.size());
  for (std::size_t i = 0; i < escaped.size();) {
    if (escaped[i] != '\\' || i + 1 == escaped.size()) {
      out += escaped[i++];
      continue;
    }
    const char kind = escaped[i + 1];
    const std::string_view after = escaped.substr(i + 2);
    if (const auto letter = LetterEscapeOf(kind, &LetterEscape::letter)) {
      out += letter->character;
      i += 2;
    } else if (const auto byte = HexValue(after, 2); kind == 'x' && byte) {
      out += static_cast<char>(*byte);
      i += 4;
    } else if (const auto character = HexValue(after, 4);
               kind == 'u' && character && (*character < 0xD800 || *character > 0xDFFF)) {
      AppendUtf8(out, *character);
      i += 6;
    } else {
      out += escaped[i++];  // no escape: the backslash stands for itself
    }
  }
  return out;
}

Reading ReadSummary(std::string_view text) { return Reader().Read(text); }

std::string QuotedLine(std::string_view line) {
  constexpr std::size_t kLongest = 60;
  return Shortened(EscapedText(line), kLongest);
}

}  // namespace cindral
