// Conversions between a number field's text and a number. The sheet keeps
// every number as the text the window shows, so these two are the only
// way a number goes in or out of a field.
#pragma once

#include <string>
#include <string_view>

namespace cindral {

// The decimal separator both conversions use. Sheet numbers are whole, so
// it never shows.
inline constexpr char kDecimalSeparator = '.';

// "5", "-2", "175"; a fraction gets the shortest form with at most fifteen
// significant digits ("0.5", "-2.25"), never an exponent.
std::string TextFromNumber(double x);

// Reads blanks, an optional "-", digits and an optional fraction. A text
// that does not start with a number reads as 0; anything after the number
// is ignored, so "25%" reads 25 and "0/40" reads 0. A number too large
// for a double reads as infinite, a fraction too small for one as a zero of
// its sign.
double NumberFromText(std::string_view text);

// The largest whole number not above x (2.9 gives 2, -2.5 gives -3).
double WholePart(double x);

}  // namespace cindral
