// Every choice shows its consequence: what a click on a statistic's "+" or
// "−", a trait box or a tag box would change, found by running the click on
// a copy of the character (an engine that tells nobody of its changes),
// never on the one shown. A click that would change nothing says why.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "events.h"
#include "words.h"

namespace cindral {

// A number field the click would change, as the window shows it before and
// after.
struct FieldChange {
  Field field;
  std::string before;
  std::string after;
};

// Everything the click would change: the numbers in the window's order
// (Primary Stats, Secondary Stats, Traits Left, the skills, Tags Left), the
// boxes in trait order, then the tags in skill order. The clicked box's own
// tick is no news and is left out.
struct ClickPreview {
  std::vector<FieldChange> fields;
  std::vector<Box> ticked, unticked, opened, closed;

  bool Empty() const {
    return fields.empty() && ticked.empty() && unticked.empty() && opened.empty() && closed.empty();
  }
};

// The click run on a copy of the engine, compared with the engine as it is.
ClickPreview PreviewClick(const Engine& engine, const Control& control);

// Why a click would not do what it is for: the button's reason ("Strength
// is at the race's maximum"), a closed box's ("No traits left: untick one
// to choose another"), or "Tagged by Ham Fisted"; "" when nothing holds the
// click back.
std::string Refusal(const Sheet& sheet, const Control& control, Breaks breaks = Breaks::Unmarked);

// The preview in words, its numbers grouped by where they stand: a line for
// the statistics and the counters ("ST 5 → 6, Char Points 5 → 4"), one for
// the secondary statistics, one for the skills, then one for each kind of
// box ("Closes: Big Guns, …"). A click that would change nothing gives its
// refusal instead; a refused "+" or "−" that still changes values (the
// recomputation it runs reads a newly typed race) gives both. "" for a
// control that is neither a statistic's button nor a tick box.
std::string PreviewText(const Engine& engine, std::string_view control, Breaks breaks = Breaks::Unmarked);

}  // namespace cindral
