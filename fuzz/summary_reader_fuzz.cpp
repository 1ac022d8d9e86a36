// Any bytes pasted in as a character's text: reading and rebuilding never
// crash or hang; a text that builds nothing leaves every field and box as
// they were; a character that is built copies to a text that pastes back,
// into a fresh engine, as the same character and copies again to the same
// text. The same bytes are also read as a chat around a character's copy:
// the first picks the prefix a chat program puts in front of every line,
// the second how the copy's captions are written (the window's
// abbreviations, another case, a zero fraction, a tag's star or "(tag)"),
// and the rest makes the chat's lines before and after the copy, which hold
// no line of a character; the copy found there pastes as the copy alone.

#include <array>
#include <cctype>
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

constexpr std::array<std::string_view, 8> kPrefixes = {
    "", "> ", "[20:14] <mara> ", "20:14:05 mara: ", "| ", "(8:14 PM) @mara> ", "\u00BB ", "[2026-12-07 20:14] <@m> "};
constexpr std::array<std::array<std::string_view, 2>, 7> kAbbreviated = {{{"Strength", "ST"},
                                                                          {"Perception", "PE"},
                                                                          {"Endurance", "EN"},
                                                                          {"Charisma", "CH"},
                                                                          {"Intelligence", "IN"},
                                                                          {"Agility", "AG"},
                                                                          {"Luck", "LU"}}};

// The chat's lines made of the bytes: a colon in them would make a caption,
// so none is kept, and each is said by someone, so that none is a heading
// or the program line either.
std::string ChatLines(std::string_view bytes, std::string_view prefix) {
  std::string chat;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string said(bytes.substr(0, end));
    for (char& c : said) c = c == ':' || c == '\r' ? ';' : c;
    chat += std::string(prefix) + "bob says " + said + "\n";
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
  }
  return chat;
}

// The copy with its captions written as `style`'s bits ask.
std::string Restyled(const std::string& copy, std::uint8_t style, std::string_view prefix) {
  std::string text;
  for (std::size_t start = 0; start < copy.size(); start = copy.find('\n', start) + 1) {
    std::string line = copy.substr(start, copy.find('\n', start) - start);
    if (const std::size_t colon = line.find(": "); colon != std::string::npos) {
      std::string caption = line.substr(0, colon), value = line.substr(colon + 2);
      for (const auto& [name, abbreviation] : kAbbreviated) {
        if (caption != name) continue;
        if (style & 1) caption = abbreviation;
        if (style & 2) value += ".0";
      }
      if (style & 4) {
        for (char& c : caption) c = static_cast<char>((style & 8) ? std::toupper(c) : std::tolower(c));
      }
      if (const std::string_view tagged = " (tagged)"; value.ends_with(tagged)) {
        value.resize(value.size() - tagged.size());
        if (style & 16) caption = "* " + caption;
        else value += (style & 32) ? " (tag)" : " *";
      }
      line = caption + ": " + value;
    }
    text += std::string(prefix) + line + "\n";
  }
  return text;
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
  const std::string bare = SummaryText(Summarize(engine));
  if (!RebuildCharacter(engine, text)) {
    Check(CharacterState(engine) == before, "a text that built nothing changed the character", engine);
  } else {
    const std::string copy = SummaryText(Summarize(engine));
    Engine again;
    again.Start();
    Check(RebuildCharacter(again, copy), "the copy of a pasted character does not paste", again);
    Check(CharacterState(again) == CharacterState(engine), "the copy of a pasted character pastes as another", again);
    Check(SummaryText(Summarize(again)) == copy, "the copy of a pasted character copies again to another text", again);
  }

  if (size < 2) return 0;
  const std::string_view prefix = kPrefixes[data[0] % kPrefixes.size()];
  const std::string_view chat = text.substr(2);
  const std::string inChat = ChatLines(chat.substr(0, chat.size() / 2), prefix) + Restyled(bare, data[1], prefix) +
                             ChatLines(chat.substr(chat.size() / 2), prefix);
  Engine found;
  found.Start();
  Check(RebuildCharacter(found, inChat), "a copy inside a chat does not paste", found);
  Engine alone;
  alone.Start();
  RebuildCharacter(alone, bare);
  Check(CharacterState(found) == CharacterState(alone), "a copy inside a chat pastes as another character", found);
  return 0;
}
