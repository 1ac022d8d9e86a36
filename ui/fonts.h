// The window's fonts: a plain sans-serif from Debian's fonts-liberation in
// place of the classic dialog font. Its letters run a little wider, so the
// default size is 7.5 points (10 pixels at 96 dpi), which keeps every
// caption inside the place the layout gives it.
#pragma once

#include <QFont>
#include <QString>

namespace cindral {

inline constexpr const char* kFontFamily = "Liberation Sans";
inline constexpr double kDefaultPointSize = 7.5;   // every text without a named font
inline constexpr double kCaptionPointSize = 9.75;  // bold: statistic abbreviations, "Primary Stats"
inline constexpr double kTitlePointSize = 13.5;    // bold: "Information"

// The window's font at a size, plain or bold.
inline QFont WindowFont(double pointSize = kDefaultPointSize, bool bold = false) {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace cindral
