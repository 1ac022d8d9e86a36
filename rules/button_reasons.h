// Why a press of a statistic's "+" or "-" would change nothing right now, in
// the words a screen reader says for the button. Plain C++ over the sheet:
// it reads, it never writes, and it refuses exactly what the buttons'
// handling refuses.
#pragma once

#include <cstdint>
#include <string>

#include "sheet.h"
#include "stat_allocation.h"

namespace cindral {

inline constexpr const char* kNoCharacterPoints = "No character points left";
// A race text the player typed names no race, so every button refuses until
// a race is picked again.
inline constexpr const char* kNoRaceForStats = "The race text names no race: pick a race from the list";

// Why a press would not move the statistic, in the order the reasons are
// looked for; None when it would.
enum class ButtonRefusal : std::uint8_t { None, NoRace, AboveMaximum, AtMaximum, NoPoints, BelowMinimum, AtMinimum };
ButtonRefusal RefusalOf(const Sheet& sheet, const StatButton& button);

// "" when a press would move the statistic. For a "+": the race text naming
// no race, then the race's maximum ("Strength is at the race's maximum", or
// "above" it when a trait has lifted the statistic past it), then an empty
// pool. For a "-": the race text naming no race, then the race's minimum
// ("Strength is at the race's minimum", or "below" it where a race starts
// under its own minimum).
std::string ButtonReason(const Sheet& sheet, const StatButton& button);

}  // namespace cindral
