// Any bytes as a player's events, decoded by the shared generator, with the
// races picked from the list: after every hundred events and at the end,
// the copy of the character pastes into a fresh engine as the same
// character and copies again to the same text. A failure prints the events
// as code to paste into a test and aborts, which libFuzzer reports.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "character_rebuild.h"
#include "character_state.h"
#include "character_summary.h"
#include "event_generator.h"

namespace {

void CheckRoundTrip(const cindral::Engine& played, const std::vector<cindral::Action>& events) {
  using namespace cindral;
  const std::string copy = SummaryText(Summarize(played));
  Engine into;
  into.Start();
  const bool pasted = RebuildCharacter(into, copy);
  if (pasted && CharacterState(into) == CharacterState(played) && SummaryText(Summarize(into)) == copy) return;
  std::fprintf(stderr, "After %zu events the copy %s; the panel says:\n%s\nThe copy:\n%s\n%s", events.size(),
               pasted ? "pastes as another character" : "does not paste", into.sheet().Text(Field::info).c_str(),
               copy.c_str(), test::ToCpp(events).c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace cindral::test;
  using cindral::Action;
  ByteChoices choices(std::span(data, size));
  EventGenerator generator(choices);
  cindral::Engine played;
  played.Start();
  std::vector<Action> events;
  while (!choices.Exhausted() && events.size() < 1000) {
    Action event = generator.Next();
    if (event.kind == Action::Kind::TypeRace) continue;
    Apply(played, event);
    events.push_back(std::move(event));
    if (events.size() % 100 == 0) CheckRoundTrip(played, events);
  }
  CheckRoundTrip(played, events);
  return 0;
}
