// Any bytes pasted in as a character's text: reading and rebuilding never
// crash or hang; a text that builds nothing leaves every field and box as
// they were; a character that is built copies to a text that pastes back,
// into a fresh engine, as the same character and copies again to the same
// text.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "character_rebuild.h"
#include "character_state.h"
#include "character_summary.h"

namespace {

void Check(bool holds, const char* what, const cindral::Engine& engine) {
  if (holds) return;
  std::fprintf(stderr, "%s; the panel says:\n%s\n", what, engine.sheet().Text(cindral::Field::info).c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace cindral;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // A character that is not the start: a point spent, a trait and a tag.
  Engine engine;
  engine.Start();
  for (const char* control : {"stplu", "bruiser", "sneak"}) engine.Click(control);
  const std::string before = CharacterState(engine);
  if (!RebuildCharacter(engine, text)) {
    Check(CharacterState(engine) == before, "a text that built nothing changed the character", engine);
    return 0;
  }
  const std::string copy = SummaryText(Summarize(engine));
  Engine again;
  again.Start();
  Check(RebuildCharacter(again, copy), "the copy of a pasted character does not paste", again);
  Check(CharacterState(again) == CharacterState(engine), "the copy of a pasted character pastes as another", again);
  Check(SummaryText(Summarize(again)) == copy, "the copy of a pasted character copies again to another text", again);
  return 0;
}
