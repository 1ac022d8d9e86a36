// The window's fonts, each made here and nowhere else: a plain sans-serif
// from Debian's fonts-liberation in place of the classic dialog font. Its
// letters run a little wider, so the plain size is 7.5 points (10 pixels at
// 96 dpi), which keeps every caption inside the place the layout gives it.
#pragma once

#include <QFont>
#include <QString>
#include <cstddef>
#include <iterator>

#include "window_layout.h"

namespace cindral {

inline constexpr const char* kFontFamily = "Liberation Sans";

// The window's font at a size, plain or bold: the recipe every font of the
// window follows.
inline QFont WindowFont(double pointSize, bool bold) {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// The size and weight of each kind of text the layout names.
struct FontSize {
  FontRole role;
  double points;
  bool bold;
};

inline constexpr FontSize kFontSizes[] = {
    {FontRole::Plain, 7.5, false},  // every text without a font of its own
    {FontRole::Bold, 9.75, true},   // the statistics' abbreviations, "Primary Stats"
    {FontRole::Title, 13.5, true},  // "Information"
};
static_assert(
    [] {
      for (std::size_t i = 0; i < std::size(kFontSizes); ++i) {
        if (static_cast<std::size_t>(kFontSizes[i].role) != i) return false;
      }
      return true;
    }(),
    "one size for each kind of text, in the order of the kinds");

// The font of a kind of text, at the window's zoom.
inline QFont WindowFont(FontRole role = FontRole::Plain, double zoom = 1) {
  const FontSize& size = kFontSizes[static_cast<std::size_t>(role)];
  return WindowFont(size.points * zoom, size.bold);
}

}  // namespace cindral
