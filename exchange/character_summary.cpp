#include "character_summary.h"

#include <charconv>

#include "character_check.h"
#include "words.h"

#ifndef CINDRAL_VERSION
#error "CINDRAL_VERSION, the project's version, comes from the build"
#endif

namespace cindral {

namespace {

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
      case LineKind::Check: out.value = QuestionsInALine(Questions(engine)); break;
    }
  }
  return summary;
}

std::string SummaryText(const CharacterSummary& summary) {
  std::string text = ProgramLine() + '\n';
  for (std::size_t i = 0; i < kSummaryLineCount; ++i) {
    const LineInfo& line = kSummaryLines[i];
    // The game master's check stands apart, the copy's last section.
    if (i == 0 || line.group != kSummaryLines[i - 1].group || line.kind == LineKind::Check) {
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

std::string QuotedName(std::string_view name) {
  constexpr std::size_t kLongest = 24;
  return Shortened(EscapedText(name), kLongest);
}

std::string QuotedLine(std::string_view line) {
  constexpr std::size_t kLongest = 60;
  return Shortened(EscapedText(line), kLongest);
}

}  // namespace cindral
