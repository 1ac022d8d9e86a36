// The number conversions on any bytes: reading a text never crashes or
// misbehaves; for every finite number, read from the bytes or taken from
// their first eight, the text written for it reads back as a number that
// is written the same way, and as the number itself wherever fifteen
// significant digits can hold it.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "number_text.h"

namespace {

void Check(bool holds, const char* what, double x, const std::string& text, const std::string& again) {
  if (holds) return;
  std::fprintf(stderr, "%s: x = %.17g, text \"%s\", written again \"%s\"\n", what, x, text.c_str(), again.c_str());
  std::abort();
}

// Whether x is the double nearest to some decimal of at most fifteen
// significant digits, asked of the C library rather than of the sheet's
// own conversions.
bool HasFifteenDigitForm(double x) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", x);
  return std::strtod(buf, nullptr) == x;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const double read = cindral::NumberFromText(bytes);
  (void)cindral::TextFromNumber(read);
  (void)cindral::WholePart(read);

  // The number read, written, read and written again: the second text is
  // the first, so the number stays from the first text on; and the number
  // read back is the one first read when it is whole or a text of fifteen
  // significant digits can hold it.
  if (std::isfinite(read)) {
    const std::string text = cindral::TextFromNumber(read);
    const double back = cindral::NumberFromText(text);
    const std::string again = cindral::TextFromNumber(back);
    Check(again == text, "the text of a number read does not read back", read, text, again);
    if (read == std::floor(read) || HasFifteenDigitForm(read)) {
      Check(back == read, "a number read does not survive its text", read, text, again);
    }
  }

  // The first eight bytes as a number, written, read and written again.
  if (size >= sizeof(double)) {
    double x;
    std::memcpy(&x, data, sizeof x);
    if (std::isfinite(x)) {
      const std::string text = cindral::TextFromNumber(x);
      const double back = cindral::NumberFromText(text);
      const std::string again = cindral::TextFromNumber(back);
      Check(again == text, "the text does not read back", x, text, again);
      Check(text.find_first_of("eE") == std::string::npos, "an exponent form", x, text, again);
      if (x == std::floor(x) || HasFifteenDigitForm(x)) Check(back == x, "a number does not read back", x, text, again);
    }
  }
  return 0;
}
