// Texts to paste for the benchmarks: the copies of the characters seeded
// play builds, one every hundred events, with the races picked from the
// list; most have their traits, tags and points spent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "character_summary.h"
#include "event_generator.h"

namespace cindral::bench {

inline std::vector<std::string> CopiesOfSeededPlay(std::size_t count, std::uint64_t seed) {
  test::SeededChoices choices(seed);
  test::EventGenerator generator(choices);
  Engine played;
  played.Start();
  std::vector<std::string> copies;
  for (long events = 0; copies.size() < count;) {
    const Action event = generator.Next();
    if (event.kind == Action::Kind::TypeRace) continue;
    test::Apply(played, event);
    if (++events % 100 == 0) copies.push_back(SummaryText(Summarize(played)));
  }
  return copies;
}

// A megabyte of text, far more than any character's.
inline std::string AMegabyteOfText() {
  std::string text;
  while (text.size() < 1024 * 1024) text += "Strength: 5\n";
  return text.substr(0, 1024 * 1024);
}

}  // namespace cindral::bench
