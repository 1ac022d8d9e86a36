// Where every control of the window stands and how it looks: positions in
// pixels at 96 dpi, relative to the frame that holds the control, and which
// caption names which control. The window's code places nothing itself.
#pragma once

#include <span>
#include <string_view>

namespace cindral {

enum class Frame : unsigned char { PrimaryStats, SecondaryStats, Traits, Skills, Information, Extra, Window };
inline constexpr int kFrameCount = 7;

enum class Look : unsigned char {
  GreenOnBlack,
  GreenTransparent,
  WhiteOnBlack,
  WhiteTransparent,
  BoldGreenOnBlack,  // the statistic abbreviations
  Panel,             // the information panel: dark text on light grey, wrapped
};

struct Rect {
  int x, y, w, h;
};

// The window's kinds of text, each in a font of its own (fonts.h).
enum class FontRole : unsigned char {
  Plain,  // every text without a font of its own
  Bold,   // the statistics' abbreviations, "Primary Stats"
  Title,  // "Information"
};

struct FramePlace {
  Frame frame;
  std::string_view name;
  std::string_view caption;
  Rect rect;
  bool greyCaption;  // "Information" has a light grey caption, the others green
  FontRole captionFont;
};

// A caption, a value field, a counter or the information panel: its name,
// where it stands, its text at start ("" for a field that mirrors the
// sheet), its look, and for a caption the control it names ("" for none).
struct LabelPlace {
  std::string_view name;
  Frame frame;
  Rect rect;
  std::string_view text;
  Look look;
  bool rightAligned;
  std::string_view names;
};

// A "+" or "-" button, a tick box, the About button, the name box, the race
// box or the notes box.
struct ControlPlace {
  std::string_view name;
  Frame frame;
  Rect rect;
  std::string_view text;
};

std::span<const FramePlace> FramePlaces();
// The labels in the order they stand: Primary Stats, Secondary Stats,
// Traits, Skills (each top to bottom, caption before value), the panel last.
std::span<const LabelPlace> LabelPlaces();
std::span<const ControlPlace> ButtonPlaces();  // the fourteen buttons and About
std::span<const ControlPlace> BoxPlaces();     // the forty-seven tick boxes
// The name box `Name`, the race box `race` and the notes box `extra`.
struct TextBoxPlaces {
  ControlPlace name;
  ControlPlace race;
  ControlPlace extra;
};
const TextBoxPlaces& TextBoxes();

// The controls that take keyboard focus, in the order Tab walks them: every
// button, tick box and text box, and the panel, whose text is selected
// from the keyboard too, each once (checked when the program is
// built, so a misspelt or missing name does not build).
std::span<const std::string_view> FocusOrder();

// The caption that names a control: a tick box's caption, a value field's,
// a statistic button's abbreviation ("Label4" for `bruiser`, "Label39" for
// `smallguns` and `sma`, "Label75" for `st` and `stplu`); "" for none.
std::string_view CaptionOf(std::string_view control);

// The information panel's text keeps this far from the panel's edges.
inline constexpr int kPanelMargin = 4;

inline constexpr int kClientWidth = 639;
inline constexpr int kClientHeight = 549;

// The sizes the whole window can be drawn at, in percent of the layout,
// smallest first; it opens at the first.
inline constexpr int kZoomSteps[] = {100, 125, 150, 175, 200, 250, 300};

// A rectangle of the layout drawn at `zoom` times its size: its edges are
// scaled and rounded, so that controls that share an edge at 100 % still
// share it, and each is its 100 % size times the zoom within a pixel.
Rect Zoomed(const Rect& rect, double zoom);

}  // namespace cindral
