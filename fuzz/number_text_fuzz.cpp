// The number conversions on any bytes: reading a text never crashes or
// misbehaves, and for every finite number the text written for it reads
// back as a number that is written the same way.

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const double read = cindral::NumberFromText(bytes);
  (void)cindral::TextFromNumber(read);
  (void)cindral::WholePart(read);

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
      if (x == std::floor(x)) Check(back == x, "a whole number does not read back", x, text, again);
    }
  }
  return 0;
}
