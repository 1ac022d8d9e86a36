// The window's fonts: a sans-serif with the metrics of the classic dialog
// font, from Debian's fonts-liberation.
#pragma once

namespace cindral {

inline constexpr const char* kFontFamily = "Liberation Sans";
inline constexpr double kDefaultPointSize = 8.0;   // every text without a named font
inline constexpr double kCaptionPointSize = 9.75;  // bold: statistic abbreviations, "Primary Stats"
inline constexpr double kTitlePointSize = 13.5;    // bold: "Information"

}  // namespace cindral
