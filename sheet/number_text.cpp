#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace cindral {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Fixed notation with the given number of fraction digits, trailing zeros
// of the fraction dropped.
std::string Fixed(double x, int decimals) {
  // to_chars, unlike printf, ignores the process locale, so the separator
  // is always the sheet's own.
  char buf[400];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
  std::string text(buf, ec == std::errc{} ? end : buf);
  if (const auto dot = text.find('.'); dot != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    else text[dot] = kDecimalSeparator;
  }
  if (text == "-0") text = "0";
  return text;
}

// The power of ten of x's first digit once x is rounded to fifteen
// significant digits, read off the digits written in exponent form. A
// logarithm would round numbers just below a power up to it (-5 for
// 9.99999999999999e-6), and the text would lose a digit and its value.
int DecimalExponent(double x) {
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
  const char* exponent = std::find(buf, end, 'e') + 1;
  if (exponent < end && *exponent == '+') ++exponent;
  int power = 0;
  std::from_chars(exponent, end, power);
  return power;
}

}  // namespace

std::string TextFromNumber(double x) {
  if (std::isnan(x)) return "0";
  if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
  if (x == 0) return "0";
  if (x == std::floor(x)) {
    if (std::fabs(x) < 9.0e15) {
      char buf[24];
      const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(x));
      return std::string(buf, end);
    }
    return Fixed(x, 0);
  }
  // Fifteen significant digits: as many fraction digits as the integer part
  // leaves, capped for the tiniest magnitudes.
  const int decimals = std::min(340, std::max(0, 14 - DecimalExponent(x)));
  return Fixed(x, decimals);
}

double NumberFromText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const std::size_t start = i;
  if (i < text.size() && text[i] == '-') ++i;
  const std::size_t digitsStart = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i == digitsStart) return 0;
  const std::string_view wholeDigits = text.substr(digitsStart, i - digitsStart);
  std::string number(text.substr(start, i - start));
  if (i + 1 < text.size() && text[i] == kDecimalSeparator && IsDigit(text[i + 1])) {
    number += '.';
    ++i;
    while (i < text.size() && IsDigit(text[i])) number += text[i++];
  }
  double value = 0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Out of range below 1 is a fraction too small to hold, which reads as
    // a zero of its sign; from 1 on it is a number too large to hold.
    const bool negative = number.front() == '-';
    if (wholeDigits.find_first_not_of('0') == std::string_view::npos) return negative ? -0.0 : 0.0;
    return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  }
  return value;
}

double WholePart(double x) { return std::floor(x); }

}  // namespace cindral
