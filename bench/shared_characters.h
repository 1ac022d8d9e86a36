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

// A copy as a chat shows it, inside a megabyte of the chat: half of it
// before the copy and half after, every line behind a time stamp and a
// nick, the copy's lines too.
inline std::string InsideAMegabyteOfChat(const std::string& copy) {
  const auto chat = [](std::size_t bytes, int minute) {
    std::string text;
    for (int line = 0; text.size() < bytes; ++line) {
      text += "[20:" + std::to_string(10 + (minute + line / 40) % 50) + "] <" + (line % 3 == 0 ? "mara" : "bob") +
              "> did anyone see where the caravan went after the " + std::to_string(line) + "th bend?\n";
    }
    return text;
  };
  std::string text = chat(512 * 1024, 0);
  for (std::size_t start = 0; start < copy.size();) {
    const std::size_t end = copy.find('\n', start);
    text += "[20:31] <mara> " + copy.substr(start, end - start) + "\n";
    start = end == std::string::npos ? copy.size() : end + 1;
  }
  return text + chat(512 * 1024, 21);
}

// A megabyte of text, far more than any character's.
inline std::string AMegabyteOfText() {
  std::string text;
  while (text.size() < 1024 * 1024) text += "Strength: 5\n";
  return text.substr(0, 1024 * 1024);
}

}  // namespace cindral::bench
