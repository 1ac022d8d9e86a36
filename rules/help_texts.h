// The information panel's help texts. Plain data with no toolkit in it, so
// the rules can show a trait's text when its box is ticked.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "fields.h"

namespace cindral {

struct HelpText {
  std::string_view control;  // the caption, counter or button clicked
  std::string_view box;      // the trait box that shows the same text, or ""
  std::string_view text;
};

// Sixty-five captions, the counter `tags` and the About button `Command1`.
inline constexpr std::size_t kHelpTextCount = 67;
extern const std::array<HelpText, kHelpTextCount> kHelpTexts;

// The text a click on the control shows, or "" for a control without one.
std::string_view HelpFor(std::string_view control);

// The text a trait's caption and tick box show.
std::string_view TraitHelp(Trait trait);

}  // namespace cindral
