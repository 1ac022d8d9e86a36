// Random player events for the random-sequence tests, the fuzz targets and
// the benchmark. A generator turns a stream of choices into the events a
// player makes in the window: clicks on every control (and on names that do
// not react), picks from the race list, and texts typed into the race text
// and the name box. The choices come from a seed (SeededChoices) or from the
// bytes a fuzzer feeds (ByteChoices); the same decoding serves both. Every
// event prints as the line of C++ that makes it again, so a failing list can
// be pasted into a test. No toolkit in here: the window's tests reuse it.
// The names come from the checker's own facts (game_facts.h), never from
// the program's tables.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "actions.h"
#include "events.h"
#include "game_facts.h"

namespace cindral::test {

// `unit` written `count` times: the long typed texts.
inline std::string Repeat(std::string_view unit, std::size_t count) {
  std::string text;
  text.reserve(unit.size() * count);
  for (std::size_t i = 0; i < count; ++i) text += unit;
  return text;
}

// Sends an action the engine runs by itself (a click, a pick, typing, the
// panel's word of a copy) to the engine without a history. For a click,
// returns whether the control reacted; the others return true, but for the
// history's own actions, which an engine alone cannot run: false.
inline bool Apply(Engine& engine, const Action& action) {
  switch (action.kind) {
    case Action::Kind::Click: return engine.Click(action.text);
    case Action::Kind::PickRace: engine.PickRace(action.text); return true;
    case Action::Kind::TypeRace: engine.TypeRace(action.text); return true;
    case Action::Kind::TypeName: engine.TypeName(action.text); return true;
    case Action::Kind::CopyCharacter: engine.ShowCharacterCopied(); return true;
    case Action::Kind::EndTyping:
    case Action::Kind::PasteCharacter:
    case Action::Kind::CheckCharacter:
    case Action::Kind::Undo:
    case Action::Kind::Redo: break;
  }
  return false;
}

// ---------------------------------------------------------------------------
// Printing

// A C++ expression giving exactly the text: a string literal with octal
// escapes for anything outside printable ASCII (so an embedded NUL and bytes
// that are not UTF-8 survive), or a Repeat(...) call for a long repetition.
inline std::string CppText(std::string_view text) {
  for (std::size_t unit = 1; unit <= 16 && text.size() >= 64; ++unit) {
    if (text.size() % unit != 0) continue;
    bool repeats = true;
    for (std::size_t i = unit; i < text.size() && repeats; ++i) repeats = text[i] == text[i - unit];
    if (repeats) {
      return "cindral::test::Repeat(" + CppText(text.substr(0, unit)) + ", " + std::to_string(text.size() / unit) + ")";
    }
  }
  std::string literal = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      literal += '\\';
      literal += c;
    } else if (byte >= 0x20 && byte < 0x7f) {
      literal += c;
    } else {
      // Three octal digits always end the escape, whatever follows.
      literal += '\\';
      literal += static_cast<char>('0' + (byte >> 6));
      literal += static_cast<char>('0' + ((byte >> 3) & 7));
      literal += static_cast<char>('0' + (byte & 7));
    }
  }
  literal += '"';
  // A literal with an embedded NUL needs its length spelled out.
  if (text.find('\0') != std::string_view::npos) {
    return "std::string(" + literal + ", " + std::to_string(text.size()) + ")";
  }
  return literal;
}

// The expression that makes the action again: cindral::Click("stplu").
inline std::string ActionCpp(const Action& action) {
  static constexpr const char* kMakers[] = {"Click",     "PickRace",      "TypeRace",       "TypeName",
                                            "EndTyping", "CopyCharacter", "PasteCharacter", "CheckCharacter",
                                            "Undo",      "Redo"};
  const bool withText = action.kind <= Action::Kind::TypeName || action.kind == Action::Kind::PasteCharacter;
  return std::string("cindral::") + kMakers[static_cast<int>(action.kind)] + "(" +
         (withText ? CppText(action.text) : "") + ")";
}

// The statement that plays the action again on an Engine named `engine`
// (a history's action in a comment: an engine alone cannot run it), and a
// whole list as a block to paste into a test.
inline std::string ToCpp(const Action& action) {
  switch (action.kind) {
    case Action::Kind::Click: return "engine.Click(" + CppText(action.text) + ");";
    case Action::Kind::PickRace: return "engine.PickRace(" + CppText(action.text) + ");";
    case Action::Kind::TypeRace: return "engine.TypeRace(" + CppText(action.text) + ");";
    case Action::Kind::TypeName: return "engine.TypeName(" + CppText(action.text) + ");";
    case Action::Kind::CopyCharacter: return "engine.ShowCharacterCopied();";
    default: return "// " + ActionCpp(action) + " needs a history";
  }
}

inline std::string ToCpp(std::span<const Action> actions) {
  std::string out = "cindral::Engine engine;\nengine.Start();\n";
  for (const Action& action : actions) out += ToCpp(action) + "\n";
  return out;
}

// ---------------------------------------------------------------------------
// Where the choices come from

// Choices from a seed: the same seed gives the same events on every machine
// (splitmix64, no standard distribution whose output varies by library).
class SeededChoices {
 public:
  explicit SeededChoices(std::uint64_t seed) : state_(seed) {}

  // A number from 0 to n - 1 (n ≥ 1).
  std::uint32_t Below(std::uint32_t n) {
    return static_cast<std::uint32_t>(((Next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
  }

  // Up to maxLength arbitrary bytes.
  std::string Bytes(std::size_t maxLength) {
    std::string bytes(Below(static_cast<std::uint32_t>(maxLength + 1)), '\0');
    for (char& c : bytes) c = static_cast<char>(Below(256));
    return bytes;
  }

  bool Exhausted() const { return false; }

 private:
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }

  std::uint64_t state_;
};

// Choices read from a fuzzer's bytes: one byte per choice (two where a
// choice has more than 256 outcomes). When the bytes run out every choice
// is 0 and Exhausted() tells the caller to stop.
class ByteChoices {
 public:
  explicit ByteChoices(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint32_t Below(std::uint32_t n) {
    if (n <= 1) return 0;
    std::uint32_t value = Take();
    if (n > 256) value = (value << 8) | Take();
    return value % n;
  }

  std::string Bytes(std::size_t maxLength) {
    const std::size_t length = Below(static_cast<std::uint32_t>(maxLength + 1));
    std::string bytes;
    while (bytes.size() < length && !Exhausted()) bytes += static_cast<char>(Take());
    return bytes;
  }

  bool Exhausted() const { return next_ >= bytes_.size(); }

 private:
  std::uint32_t Take() { return next_ < bytes_.size() ? bytes_[next_++] : 0; }

  std::span<const std::uint8_t> bytes_;
  std::size_t next_ = 0;
};

// ---------------------------------------------------------------------------
// What a player can do

// The names a click can go to. The reacting ones: the fourteen buttons, the
// forty-seven boxes, every caption name from Label4 to Label94 (some of these
// numbers name no reacting caption), the counter `tags` and `Command1`.
struct ControlNames {
  std::vector<std::string> buttons;
  std::vector<std::string> boxes;
  std::vector<std::string> captions;
};

// The boxes: the nineteen tag boxes in skill order, then the twenty-eight
// trait boxes in trait order.
inline const ControlNames& Controls() {
  static const ControlNames names = [] {
    ControlNames n;
    for (std::size_t s = 0; s < game::kStats; ++s) {
      n.buttons.emplace_back(game::kPlusButtons[s]);
      n.buttons.emplace_back(game::kMinusButtons[s]);
    }
    for (const game::SkillFacts& skill : game::kSkillFacts) n.boxes.emplace_back(skill.tagBox);
    for (const game::TraitFacts& trait : game::kTraitFacts) n.boxes.emplace_back(trait.box);
    for (int label = 4; label <= 94; ++label) n.captions.push_back("Label" + std::to_string(label));
    n.captions.emplace_back("tags");
    n.captions.emplace_back("Command1");
    return n;
  }();
  return names;
}

// Names that run nothing when clicked: the statistic and pool fields and
// their captions, value fields, the other counter, the texts, and names
// that are nearly those of reacting controls.
inline constexpr std::string_view kDeadNames[] = {
    "st",          "pe",       "en",      "ch",     "intel",         "ag",    "lu",   "chpoint",
    "traits",      "hp",       "ac",      "md",     "sma",           "una",   "gres", "eres",
    "perkrate",    "hprate",   "race",    "Name",   "extra",         "info",  "ST",   "Char Points",
    "Traits Left", "Label75",  "Label1",  "Label3", "Label95",       "Label", "",     "Stplu",
    "stplu ",      "Command2", "label10", "TAGS",   "Primary Stats",
};

// Texts typed into the race text: the names themselves, the names in the
// wrong case or with blanks, the empty text, texts of 10,000 bytes, texts
// that are not ASCII (and not even UTF-8), and texts that look like numbers.
inline const std::vector<std::string>& RaceTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t;
    for (const std::string_view race : game::kRaceList) t.emplace_back(race);
    for (const char* wrong :
         {"robot", "HUMAN", "gray deathclaw", "Gray deathclaw", "super-mutant", "dOG", "GHOUL", "half-mutant", " Robot",
          "Robot ", "Half Mutant", "Super Mutant", "Deathclaw\t", "Gray  Deathclaw", "Hum", "Humans"}) {
      t.emplace_back(wrong);
    }
    t.emplace_back("");
    t.push_back(Repeat("Robot", 2000));
    t.push_back(std::string(10000, 'x'));
    t.push_back(Repeat("\xc3\xa9", 5000));  // "é" 5,000 times: 10,000 bytes
    t.emplace_back(
        "R\xc5\x8d"
        "bot");                                          // "Rōbot"
    t.emplace_back("\xd0\x93\xd1\x83\xd0\xbb\xd1\x8c");  // Cyrillic "Ghoul"
    t.emplace_back("\xe4\xba\xba\xe7\xb1\xbb");          // CJK "human"
    t.emplace_back("Human\xc2\xa0");                     // a no-break space after it
    t.emplace_back("\xff\xfe\x80");                      // not UTF-8 at all
    t.push_back(std::string("Dog\0", 4));                // an embedded NUL
    for (const char* number : {"5", "-1", "0/40", "25%"}) t.emplace_back(number);
    return t;
  }();
  return texts;
}

inline const std::vector<std::string>& NameTexts() {
  static const std::vector<std::string> texts = {
      "Name", "", "Robot", "Vault Dweller", std::string(10000, 'N'), "\xc3\x89lodie", "\xff\x00z",
  };
  return texts;
}

// Turns choices into events. Most are single clicks; some clicks come in a
// burst of one control clicked again and again (to reach the limits of a
// statistic or of the tags and traits), and a typed race text is often
// followed by a pick from the list.
template <typename Choices>
class EventGenerator {
 public:
  explicit EventGenerator(Choices& choices) : choices_(choices) {}

  Action Next() {
    if (!queued_.empty()) {
      Action event = std::move(queued_.front());
      queued_.pop_front();
      return event;
    }
    const ControlNames& controls = Controls();
    const std::uint32_t roll = choices_.Below(100);
    if (roll < 30) return Click(Pick(controls.buttons));
    if (roll < 50) return Click(Pick(std::span(controls.boxes).first(game::kSkills)));
    if (roll < 74) return Click(Pick(std::span(controls.boxes).subspan(game::kSkills)));
    if (roll < 81) return Click(Pick(controls.captions));
    if (roll < 84) return Click(Pick(kDeadNames));
    if (roll < 87) return PickRace(Pick(game::kRaceList));
    if (roll < 90) return TypedRace();
    if (roll < 92) return TypeName(NameText());
    return Burst();
  }

 private:
  template <typename Names>
  std::string_view Pick(const Names& names) {
    const std::span all(names);
    return all[choices_.Below(static_cast<std::uint32_t>(all.size()))];
  }

  Action TypedRace() {
    const std::vector<std::string>& texts = RaceTexts();
    // One choice in eight types arbitrary bytes instead of a listed text.
    const std::uint32_t which = choices_.Below(static_cast<std::uint32_t>(texts.size() + texts.size() / 7));
    Action typed = TypeRace(which < texts.size() ? texts[which] : choices_.Bytes(24));
    if (choices_.Below(2) == 0) queued_.push_back(PickRace(Pick(game::kRaceList)));
    return typed;
  }

  std::string NameText() {
    const std::vector<std::string>& texts = NameTexts();
    const std::uint32_t which = choices_.Below(static_cast<std::uint32_t>(texts.size() + 1));
    return which < texts.size() ? texts[which] : choices_.Bytes(24);
  }

  Action Burst() {
    const ControlNames& controls = Controls();
    const std::string_view control = choices_.Below(2) == 0 ? Pick(controls.buttons) : Pick(controls.boxes);
    const std::uint32_t times = 2 + choices_.Below(8);
    for (std::uint32_t i = 1; i < times; ++i) queued_.push_back(Click(control));
    return Click(control);
  }

  Choices& choices_;
  std::deque<Action> queued_;
};

// ---------------------------------------------------------------------------
// Shrinking a failing list
//
// The lists may hold any actions a test plays (the history's
// tests add undo and redo to them).

// Removes chunks of events delta-debugging style while `fails` still holds;
// the result is 1-minimal: taking out any single event makes it pass.
template <typename Item, typename Fails>
std::vector<Item> RemoveChunks(std::vector<Item> events, Fails& fails) {
  std::size_t chunks = 2;
  while (events.size() >= 2) {
    const std::size_t chunkSize = (events.size() + chunks - 1) / chunks;
    bool removed = false;
    for (std::size_t start = 0; start < events.size(); start += chunkSize) {
      std::vector<Item> without;
      without.reserve(events.size());
      without.insert(without.end(), events.begin(), events.begin() + static_cast<std::ptrdiff_t>(start));
      const std::size_t end = std::min(events.size(), start + chunkSize);
      without.insert(without.end(), events.begin() + static_cast<std::ptrdiff_t>(end), events.end());
      if (fails(without)) {
        events = std::move(without);
        chunks = std::max<std::size_t>(chunks - 1, 2);
        removed = true;
        break;
      }
    }
    if (removed) continue;
    if (chunkSize == 1) break;
    chunks = std::min(events.size(), chunks * 2);
  }
  if (events.size() == 1) {
    if (const std::vector<Item> none; fails(none)) return none;
  }
  return events;
}

// The shortest list of events, found by removing events, for which `fails`
// still holds; `fails` must hold for the list given. Beyond single events,
// every pair is tried on short lists (two clicks on one box that cancel out
// go only together), so the result is 2-minimal there.
template <typename Item, typename Fails>
std::vector<Item> Shrink(std::vector<Item> events, Fails fails) {
  events = RemoveChunks(std::move(events), fails);
  bool removed = true;
  while (removed && events.size() >= 2 && events.size() <= 60) {
    removed = false;
    for (std::size_t i = 0; i + 1 < events.size() && !removed; ++i) {
      for (std::size_t j = i + 1; j < events.size() && !removed; ++j) {
        std::vector<Item> without = events;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(j));
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        if (fails(without)) {
          events = RemoveChunks(std::move(without), fails);
          removed = true;
        }
      }
    }
  }
  return events;
}

}  // namespace cindral::test
