// Any bytes as a player's events, decoded by the shared generator, with the
// sheet's rules checked after every event. A broken rule prints the events
// as code to paste into a test and aborts, which libFuzzer reports.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "event_generator.h"
#include "sheet_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace cindral::test;
  using cindral::Action;
  ByteChoices choices(std::span(data, size));
  EventGenerator generator(choices);
  SequenceChecker checker;
  std::vector<Action> events;
  // A thousand events is far more than any path through the rules needs.
  while (!choices.Exhausted() && events.size() < 1000) {
    events.push_back(generator.Next());
    if (const auto violation = checker.Step(events.back())) {
      std::fprintf(stderr, "Action %zu broke the rule \"%s\":\n  %s\n%s", events.size(), violation->rule.c_str(),
                   violation->detail.c_str(), ToCpp(events).c_str());
      std::abort();
    }
  }
  return 0;
}
