#include "words.h"

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
