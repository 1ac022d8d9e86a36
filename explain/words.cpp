#include "words.h"

#include <algorithm>
#include <cmath>

#include "number_text.h"

namespace cindral {

std::string NumberText(double amount) {
  const std::string text = TextFromNumber(std::fabs(amount));
  return amount < 0 ? "−" + text : text;
}

std::string Signed(double amount) {
  if (amount == 0) return "0";
  return (amount > 0 ? "+" : "−") + TextFromNumber(std::fabs(amount));
}

std::string Listed(const std::vector<std::string>& items, std::string_view separator) {
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text += separator;
    text += item;
  }
  return text;
}

std::string Finished(std::string text, Breaks breaks) {
  if (breaks == Breaks::Unmarked) std::erase(text, kBreak);
  return text;
}

std::string Items(const std::vector<std::string>& items, std::string_view separator) {
  const std::size_t blank = std::min(separator.find(' '), separator.size());
  std::string text;
  for (const std::string& item : items) {
    if (text.empty()) text += kBreak;
    else text.append(separator.substr(0, blank)).append(1, kBreak).append(separator.substr(blank));
    text += item;
  }
  return text;
}

std::string Sentence(std::string_view words) {
  std::string text;
  for (const char c : words) {
    if (c == ' ') text += kBreak;
    text += c;
  }
  return text;
}

std::string SentenceNaming(std::string_view words, std::string_view name) {
  const std::size_t at = words.find(name);
  if (name.empty() || at == std::string_view::npos) return Sentence(words);
  return Sentence(words.substr(0, at)) + std::string(name) + Sentence(words.substr(at + name.size()));
}

namespace {

std::string_view WithoutLeadingBlanks(std::string_view text) {
  while (text.starts_with(' ')) text.remove_prefix(1);
  return text;
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
  while (text.ends_with(' ')) text.remove_suffix(1);
  return text;
}

// The pieces of one line, each starting where it may be broken: at its
// marks, or for a sentence at its blanks.
std::vector<std::string_view> Pieces(std::string_view line) {
  const bool marked = line.find(kBreak) != std::string_view::npos;
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t i = 1; i <= line.size(); ++i) {
    if (i < line.size() && line[i] != (marked ? kBreak : ' ')) continue;
    if (const std::string_view piece = line.substr(start, i - start);
        !piece.empty() && piece != std::string_view(&kBreak, 1))
      pieces.push_back(piece[0] == kBreak ? piece.substr(1) : piece);
    start = i;
  }
  return pieces;
}

}  // namespace

std::vector<std::string> LaidOut(std::string_view text, const Measure& measure, double width) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string line;
    for (const std::string_view piece : Pieces(text.substr(start, end - start))) {
      std::string longer = line + std::string(piece);
      if (line.empty() || measure(WithoutTrailingBlanks(longer)) <= width) {
        line = std::move(longer);
        continue;
      }
      lines.emplace_back(WithoutTrailingBlanks(line));
      line = WithoutLeadingBlanks(piece);
    }
    lines.emplace_back(WithoutTrailingBlanks(line));
    start = end + 1;
  }
  return lines;
}

std::string Shortened(std::string_view text, std::size_t characters) {
  std::size_t end = 0;
  for (std::size_t counted = 0; end < text.size() && counted < characters; ++counted) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;  // not inside one
  }
  if (end == text.size()) return std::string(text);
  return std::string(text.substr(0, end)) + "…";
}

Standing StandingOf(double value, const Limit& limit) {
  if (value > limit.high) return Standing::AboveMaximum;
  if (value == limit.high) return Standing::AtMaximum;
  if (value < limit.low) return Standing::BelowMinimum;
  if (value == limit.low) return Standing::AtMinimum;
  return Standing::Within;
}

std::string StandingWords(Standing standing, std::string_view whose) {
  const std::string of(whose);
  switch (standing) {
    case Standing::AboveMaximum: return "above " + of + " maximum";
    case Standing::AtMaximum: return "at " + of + " maximum";
    case Standing::Within: return "within " + of + " limits";
    case Standing::AtMinimum: return "at " + of + " minimum";
    case Standing::BelowMinimum: return "below " + of + " minimum";
  }
  return {};
}

}  // namespace cindral
