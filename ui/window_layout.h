// Where every control of the window stands and how it looks: positions in
// pixels at 96 dpi, relative to the frame that holds the control.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace cindral {

enum class Frame : unsigned char { PrimaryStats, SecondaryStats, Traits, Skills, Information, Extra, Window };

enum class Look : unsigned char {
  GreenOnBlack,
  GreenTransparent,
  WhiteOnBlack,
  WhiteTransparent,
  BoldGreenOnBlack,  // the statistic abbreviations
};

struct Rect {
  int x, y, w, h;
};

struct FramePlace {
  Frame frame;
  std::string_view name;
  std::string_view caption;
  Rect rect;
  bool greyCaption;        // "Information" has a light grey caption, the others green
  double captionPointSize; // 0: the default font
};

// A caption or value label: its name, where it stands, its text at start
// ("" for a field that mirrors the sheet) and its look.
struct LabelPlace {
  std::string_view name;
  Frame frame;
  Rect rect;
  std::string_view text;
  Look look;
  bool rightAligned;
};

// A "+" or "-" button, a tick box or the About button.
struct ButtonPlace {
  std::string_view name;
  Frame frame;
  Rect rect;
  std::string_view text;
};

std::span<const FramePlace> FramePlaces();
std::span<const LabelPlace> LabelPlaces();
std::span<const ButtonPlace> ButtonPlaces();  // the fourteen buttons and About
std::span<const ButtonPlace> BoxPlaces();     // the forty-seven tick boxes

// The controls that take keyboard focus, in the order Tab walks them.
std::span<const std::string_view> FocusOrder();

inline constexpr int kClientWidth = 639;
inline constexpr int kClientHeight = 549;

}  // namespace cindral
