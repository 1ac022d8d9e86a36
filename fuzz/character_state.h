// What the paste targets compare: every field but the panel, every box's
// state and enabled flag, the race last picked and the races the
// recomputations read, as one string.
#pragma once

#include <string>

#include "events.h"

inline std::string CharacterState(const cindral::Engine& engine) {
  using namespace cindral;
  std::string state;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (static_cast<Field>(f) != Field::info) (state += engine.sheet().Text(static_cast<Field>(f))) += '\0';
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    const auto box = static_cast<Box>(b);
    state += static_cast<char>('0' + engine.sheet().State(box) + 2 * engine.sheet().Enabled(box));
  }
  const RacesRead& read = engine.LastRacesRead();
  state += static_cast<char>(read.secondaryStats ? '0' + Index(*read.secondaryStats) : '-');
  state += static_cast<char>(read.traitBoxes ? '0' + Index(*read.traitBoxes) : '-');
  return state + engine.LastPick();
}
