// What the window says about any of its controls when asked: on a tooltip,
// on Shift+F1, or when a screen reader asks for a control's description.
// Each text is made when it is asked for, from the character as it stands:
// a value's breakdown (Gas Res.: the race whose pick set it), what a
// button's or a box's click would change (or why it would change nothing),
// a statistic against its limits, the race box's race or the truth about a
// typed race. Reads, never writes.
#pragma once

#include <string>
#include <string_view>

#include "words.h"

namespace cindral {

class Engine;

// The control's explanation, by its control name; "" for a control with
// nothing to explain (a counter, a caption with a rule text of its own).
std::string Explain(const Engine& engine, std::string_view control, Breaks breaks = Breaks::Unmarked);

// What resting on a value's caption shows: the value's explanation, why its
// tag box is closed (a skill's caption), then the rule text a click on the
// caption shows; "" for any other caption.
std::string CaptionTip(const Engine& engine, std::string_view caption, Breaks breaks = Breaks::Unmarked);

// Whether the control has an explanation to ask for; nothing is made.
bool HasExplanation(std::string_view control);

// The control a caption speaks for, whose explanation stands for the
// caption's: a value's caption its value field, a trait's caption its box,
// a statistic's abbreviation and "Char Points" themselves; the caption
// itself for any other.
std::string_view ExplainedFor(std::string_view caption);

}  // namespace cindral
