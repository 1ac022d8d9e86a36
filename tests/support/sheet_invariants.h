// What must hold after every event a player makes, whatever came before:
// the counters agree with the ticked boxes, the statistics with the points,
// every number field shows a whole number in its form, the notes follow the
// race and the traits, a recomputation run once more changes nothing, a race
// pick starts the character afresh and the boxes are enabled by the rules.
// The random-sequence tests and the event-stream fuzz target both use it.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "event_generator.h"
#include "events.h"
#include "extra_notes.h"
#include "help_texts.h"
#include "race_selection.h"
#include "secondary_stats.h"
#include "skill_tags.h"
#include "skill_values.h"
#include "trait_availability.h"

namespace cindral::test {

// Every field's text and every box's state and flag, to compare two sheets.
struct Snapshot {
  std::array<std::string, kFieldCount> text;
  std::array<int, kBoxCount> state{};
  std::array<bool, kBoxCount> enabled{};

  explicit Snapshot(const Sheet& sheet) {
    for (std::size_t f = 0; f < kFieldCount; ++f) text[f] = sheet.Text(static_cast<Field>(f));
    for (std::size_t b = 0; b < kBoxCount; ++b) {
      state[b] = sheet.State(static_cast<Box>(b));
      enabled[b] = sheet.Enabled(static_cast<Box>(b));
    }
  }
};

inline std::string Shown(std::string_view text) {
  if (text.size() > 80) return CppText(text.substr(0, 60)) + "... (" + std::to_string(text.size()) + " bytes)";
  return CppText(text);
}

// The differences between two sheets, one a line; "" when they are the same.
inline std::string Differences(const Sheet& expected, const Sheet& actual) {
  std::string out;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    const auto field = static_cast<Field>(f);
    if (expected.Text(field) != actual.Text(field)) {
      out += "  " + std::string(NameOf(field)) + ": " + Shown(expected.Text(field)) + " became " +
             Shown(actual.Text(field)) + "\n";
    }
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    const auto box = static_cast<Box>(b);
    if (expected.State(box) != actual.State(box)) {
      out += "  " + std::string(NameOf(box)) + " state " + std::to_string(expected.State(box)) + " became " +
             std::to_string(actual.State(box)) + "\n";
    }
    if (expected.Enabled(box) != actual.Enabled(box)) {
      out += "  " + std::string(NameOf(box)) + (actual.Enabled(box) ? " became enabled\n" : " became disabled\n");
    }
  }
  return out;
}

// What changed since the snapshot, leaving out the fields `allowed` to change.
inline std::string Differences(const Snapshot& before, const Sheet& after, std::span<const Field> allowed) {
  std::string out;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    const auto field = static_cast<Field>(f);
    if (std::find(allowed.begin(), allowed.end(), field) != allowed.end()) continue;
    if (before.text[f] != after.Text(field)) {
      out += "  " + std::string(NameOf(field)) + ": " + Shown(before.text[f]) + " became " +
             Shown(after.Text(field)) + "\n";
    }
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    const auto box = static_cast<Box>(b);
    if (before.state[b] != after.State(box) || before.enabled[b] != after.Enabled(box)) {
      out += "  " + std::string(NameOf(box)) + " changed\n";
    }
  }
  return out;
}

// A violated rule: which one (a short name that stays the same while a
// failing list is shrunk) and what was seen.
struct Violation {
  std::string rule;
  std::string detail;
};

namespace detail {

// "-3", "0", "175": a whole number as the sheet writes it, with no leading
// zero and no "-0". Returns the number, or nothing for any other text.
inline std::optional<long long> WholeNumber(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty() || digits.size() > 15) return std::nullopt;
  if (digits.size() > 1 && digits.front() == '0') return std::nullopt;
  if (negative && digits == "0") return std::nullopt;
  long long value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

// How a number field shows its value.
enum class Form : std::uint8_t { Bare, Percent, Pair, NotANumber };

constexpr Form FormOf(Field field) {
  switch (field) {
    case Field::race:
    case Field::Name:
    case Field::extra:
    case Field::info: return Form::NotANumber;
    case Field::gres: return Form::Pair;
    case Field::bd:
    case Field::dres:
    case Field::pres:
    case Field::rres:
    case Field::eres:
    case Field::cc: return Form::Percent;
    default: return Index(field) >= Index(Field::sma) && Index(field) <= Index(Field::out) ? Form::Percent : Form::Bare;
  }
}

// What a ticked trait adds to the seven statistics together: Bruiser 2
// Strength, Small Frame 1 Agility, Gifted 1 to each of the seven,
// Domesticated 1 Intelligence.
constexpr int StatPointsOf(Trait trait) {
  switch (trait) {
    case Trait::bruiser: return 2;
    case Trait::smallframe: return 1;
    case Trait::gifted: return 7;
    case Trait::domesticated: return 1;
    default: return 0;
  }
}

// The race's note as the notes box begins with it: the race text compared
// whole and case-sensitively.
inline std::string_view RaceNoteFor(std::string_view raceText) {
  if (raceText == "Robot") return kRobotNote;
  if (raceText == "Deathclaw" || raceText == "Gray Deathclaw") return kDeathclawNote;
  return {};
}

// The note line of every trait, read off the engine: the notes box of a
// fresh character of a race that allows the trait, with only that trait
// ticked, less the race's note. The checks below then hold the engine to
// one line per ticked trait, in trait order, after the race's note.
inline const std::array<std::string, kTraitCount>& NoteLines() {
  static const std::array<std::string, kTraitCount> lines = [] {
    std::array<std::string, kTraitCount> found;
    for (std::size_t t = 0; t < kTraitCount; ++t) {
      for (const std::string_view race : kRaceList) {
        Engine engine;
        engine.Start();
        engine.PickRace(race);
        const Box box = TraitBox(static_cast<Trait>(t));
        if (!engine.sheet().Enabled(box)) continue;
        engine.sheet().UserClick(box);
        const std::string& notes = engine.sheet().Text(Field::extra);
        const std::string_view note = RaceNoteFor(race);
        if (notes.size() >= note.size() && notes.compare(0, note.size(), note) == 0) {
          found[t] = notes.substr(note.size());
        }
        break;
      }
    }
    return found;
  }();
  return lines;
}

// The text a trait's caption shows in the information panel.
inline std::string_view CaptionTextOf(Box traitBox) {
  for (const HelpText& help : kHelpTexts) {
    if (help.box == NameOf(traitBox)) return help.text;
  }
  return {};
}

}  // namespace detail

// Plays events into an engine and checks the rules after each one. A second
// engine, the shadow, gets the same events; after each event the shadow also
// runs the recomputations once more, and must still equal the engine.
class SequenceChecker {
 public:
  SequenceChecker() {
    engine_.Start();
    shadow_.Start();
  }

  Engine& engine() { return engine_; }
  Engine& shadow() { return shadow_; }

  // Sends the event to both engines and checks every rule; the first rule
  // broken, or nothing.
  std::optional<Violation> Step(const Event& event) {
    Sheet& sheet = engine_.sheet();
    const Expectation expect = Expect(event);
    std::optional<Snapshot> before;
    if (expect.onlyChanges) before.emplace(sheet);
    const int boxStateBefore = expect.box ? sheet.State(*expect.box) : 0;
    const bool hamFisted = sheet.State(Box::hamfist) == 1;

    const bool raceTyped = event.kind == Event::Kind::TypeRace && event.text != sheet.Text(Field::race);
    const bool reacted = Apply(engine_, event);
    Apply(shadow_, event);
    Follow(event, expect, raceTyped);

    if (event.kind == Event::Kind::Click && reacted != expect.reacts) {
      return Violation{"click reacts", "Click(" + CppText(event.text) + ") returned " + (reacted ? "true" : "false")};
    }
    if (before) {
      if (std::string changed = Differences(*before, sheet, expect.allowed); !changed.empty()) {
        return Violation{"event changes only its own field", ToCpp(event) + " changed\n" + changed};
      }
    }
    if (expect.box && expect.boxEnabled) {
      if (auto v = CheckClickedBox(*expect.box, boxStateBefore, hamFisted)) return v;
    }
    if (auto v = CheckNumbers()) return v;
    if (auto v = CheckCounters()) return v;
    if (auto v = CheckStatPoints()) return v;
    if (auto v = CheckNotes()) return v;
    if (event.kind == Event::Kind::PickRace) {
      if (auto v = CheckFreshRace(event.text)) return v;
    }
    if (auto v = CheckTraitFlags()) return v;
    if (auto v = CheckTagFlags()) return v;
    return CheckRecomputationsSettled();
  }

 private:
  // What the event may do, known before it is sent.
  struct Expectation {
    bool reacts = true;              // for a click
    bool onlyChanges = false;        // whether `allowed` lists every field it may change
    std::span<const Field> allowed;  // those fields
    std::optional<Box> box;          // the box clicked
    bool boxEnabled = false;         // whether it was enabled
    bool statButton = false;
  };

  Expectation Expect(const Event& event) const {
    static constexpr std::span<const Field> kNothing;
    static constexpr Field kInfo[] = {Field::info};
    static constexpr Field kRace[] = {Field::race};
    static constexpr Field kName[] = {Field::Name};
    Expectation expect;
    switch (event.kind) {
      case Event::Kind::PickRace: break;
      case Event::Kind::TypeRace: expect.onlyChanges = true; expect.allowed = kRace; break;
      case Event::Kind::TypeName: expect.onlyChanges = true; expect.allowed = kName; break;
      case Event::Kind::Click: {
        const std::optional<Control> control = FindControl(event.text);
        expect.reacts = control.has_value();
        if (!control || control->kind == ControlKind::Caption) {
          expect.onlyChanges = true;
          expect.allowed = control ? kInfo : kNothing;
        } else if (control->kind == ControlKind::Box) {
          expect.box = static_cast<Box>(control->index);
          expect.boxEnabled = engine_.sheet().Enabled(*expect.box);
          if (!expect.boxEnabled) {
            expect.onlyChanges = true;
            expect.allowed = kNothing;
          }
        } else {
          expect.statButton = true;
        }
        break;
      }
    }
    return expect;
  }

  // Keeps track of what the engine's sheet was last recomputed for.
  void Follow(const Event& event, const Expectation& expect, bool raceTyped) {
    const std::string& race = engine_.sheet().Text(Field::race);
    switch (event.kind) {
      case Event::Kind::PickRace:
        typedSincePick_ = false;
        pickedRace_ = RaceNamed(race);
        secondaryRace_ = race;
        notesRace_ = race;
        break;
      case Event::Kind::TypeRace:
        if (raceTyped) typedSincePick_ = true;
        break;
      case Event::Kind::TypeName: break;
      case Event::Kind::Click:
        // Every button runs the secondary recomputation; so does every trait
        // box's handling but Good Natured's, and every trait box rebuilds
        // the notes. A tag box and a caption recompute neither.
        if (expect.statButton) {
          secondaryRace_ = race;
          notesRace_ = race;
        } else if (expect.box && expect.boxEnabled && !IsTagBox(*expect.box)) {
          if (*expect.box != Box::goodnature) secondaryRace_ = race;
          notesRace_ = race;
        }
        break;
    }
  }

  static int Count(const Sheet& sheet, Box first, std::size_t count) {
    int ticked = 0;
    for (std::size_t i = 0; i < count; ++i) ticked += sheet.State(static_cast<Box>(Index(first) + i));
    return ticked;
  }

  long long WholeOf(Field field) const {
    return detail::WholeNumber(engine_.sheet().Text(field)).value_or(-999999);
  }

  std::optional<Violation> CheckClickedBox(Box box, int stateBefore, bool hamFisted) const {
    const Sheet& sheet = engine_.sheet();
    // Unarmed unticked while Ham Fisted is ticked is tagged again at once.
    const int expected = box == Box::unarmed && hamFisted ? 1 : 1 - stateBefore;
    if (sheet.State(box) != expected) {
      return Violation{"enabled box flips", std::string(NameOf(box)) + " state " + std::to_string(stateBefore) +
                                                " became " + std::to_string(sheet.State(box))};
    }
    if (!IsTagBox(box) && sheet.Text(Field::info) != detail::CaptionTextOf(box)) {
      return Violation{"trait box shows its text",
                       std::string(NameOf(box)) + " left the panel at " + Shown(sheet.Text(Field::info))};
    }
    return std::nullopt;
  }

  std::optional<Violation> CheckNumbers() const {
    const Sheet& sheet = engine_.sheet();
    for (std::size_t f = 0; f < kFieldCount; ++f) {
      const auto field = static_cast<Field>(f);
      const std::string_view text = sheet.Text(field);
      bool good = true;
      switch (detail::FormOf(field)) {
        case detail::Form::NotANumber: break;
        case detail::Form::Bare: good = detail::WholeNumber(text).has_value(); break;
        case detail::Form::Percent:
          good = !text.empty() && text.back() == '%' && detail::WholeNumber(text.substr(0, text.size() - 1));
          break;
        case detail::Form::Pair: {
          const auto slash = text.find('/');
          good = slash != std::string_view::npos && detail::WholeNumber(text.substr(0, slash)) &&
                 detail::WholeNumber(text.substr(slash + 1));
          break;
        }
      }
      if (!good) return Violation{"number fields show whole numbers", std::string(NameOf(field)) + " shows " + Shown(text)};
    }
    return std::nullopt;
  }

  std::optional<Violation> CheckCounters() const {
    const Sheet& sheet = engine_.sheet();
    const int traitsTicked = Count(sheet, Box::fastmet, kTraitCount);
    const int tagsTicked = Count(sheet, Box::smallguns, kSkillCount);
    if (WholeOf(Field::traits) != 2 - traitsTicked) {
      return Violation{"Traits Left counts the ticked traits",
                       "Traits Left " + sheet.Text(Field::traits) + " with " + std::to_string(traitsTicked) + " ticked"};
    }
    const int tagsGiven = 3 + sheet.State(Box::betasoft);
    if (WholeOf(Field::tags) != tagsGiven - tagsTicked) {
      return Violation{"Tags Left counts the tagged skills",
                       "Tags Left " + sheet.Text(Field::tags) + " with " + std::to_string(tagsTicked) +
                           " tagged and Beta Software " + (sheet.State(Box::betasoft) ? "ticked" : "unticked")};
    }
    // Ham Fisted tags Unarmed at every skill recomputation, whatever the
    // tags left, and every event that could untag it recomputes the skills.
    if (sheet.State(Box::hamfist) == 1 && sheet.State(Box::unarmed) == 0) {
      return Violation{"Ham Fisted keeps Unarmed tagged", "Unarmed untagged, Tags Left " + sheet.Text(Field::tags)};
    }
    return std::nullopt;
  }

  std::optional<Violation> CheckStatPoints() const {
    const Sheet& sheet = engine_.sheet();
    long long points = WholeOf(Field::chpoint);
    for (std::size_t s = 0; s < kStatCount; ++s) points += WholeOf(FieldOf(static_cast<Stat>(s)));
    long long fromTraits = 0;
    for (std::size_t t = 0; t < kTraitCount; ++t) {
      if (sheet.State(TraitBox(static_cast<Trait>(t))) == 1) fromTraits += detail::StatPointsOf(static_cast<Trait>(t));
    }
    if (points != 40 + fromTraits) {
      return Violation{"statistics and pool add up to 40 and the traits' bonuses",
                       "they add up to " + std::to_string(points) + ", the ticked traits give " +
                           std::to_string(fromTraits)};
    }
    if (WholeOf(Field::chpoint) < 0) {
      return Violation{"the pool never goes below 0", "Char Points " + sheet.Text(Field::chpoint)};
    }
    return std::nullopt;
  }

  std::optional<Violation> CheckNotes() const {
    const Sheet& sheet = engine_.sheet();
    std::string expected(detail::RaceNoteFor(notesRace_));
    const auto& lines = detail::NoteLines();
    for (std::size_t t = 0; t < kTraitCount; ++t) {
      if (sheet.State(TraitBox(static_cast<Trait>(t))) == 1) expected += lines[t];
    }
    if (sheet.Text(Field::extra) != expected) {
      return Violation{"notes are the race's note and the ticked traits' lines",
                       "expected " + Shown(expected) + "\n  shown    " + Shown(sheet.Text(Field::extra))};
    }
    return std::nullopt;
  }

  std::optional<Violation> CheckFreshRace(std::string_view name) const {
    const Sheet& sheet = engine_.sheet();
    const std::optional<Race> race = RaceNamed(name);
    if (!race) return std::nullopt;
    const RaceRow& row = RowOf(*race);
    std::string wrong;
    for (std::size_t s = 0; s < kStatCount; ++s) {
      if (WholeOf(FieldOf(static_cast<Stat>(s))) != row.stats[s]) wrong += " " + std::string(NameOf(FieldOf(static_cast<Stat>(s))));
    }
    if (WholeOf(Field::chpoint) != row.charPoints) wrong += " chpoint";
    if (WholeOf(Field::perkrate) != row.perkRate) wrong += " perkrate";
    if (sheet.Text(Field::gres) != row.gasRes) wrong += " gres";
    if (sheet.Text(Field::eres) != std::to_string(row.electricityRes) + "%") wrong += " eres";
    if (sheet.Text(Field::tags) != "3") wrong += " tags";
    if (sheet.Text(Field::traits) != "2") wrong += " traits";
    for (std::size_t b = 0; b < kBoxCount; ++b) {
      if (sheet.State(static_cast<Box>(b)) != 0) wrong += " " + std::string(NameOf(static_cast<Box>(b))) + "(ticked)";
      if (b < kSkillCount && !sheet.Enabled(static_cast<Box>(b))) wrong += " " + std::string(NameOf(static_cast<Box>(b))) + "(disabled)";
    }
    if (!wrong.empty()) return Violation{"a race pick starts afresh from the race's row", std::string(name) + ":" + wrong};
    return std::nullopt;
  }

  // While the race text is the one last picked: a ticked trait is one the
  // race allows and stays enabled; an unticked one is enabled while the race
  // allows it and a trait is left.
  std::optional<Violation> CheckTraitFlags() const {
    if (typedSincePick_ || !pickedRace_) return std::nullopt;
    const Sheet& sheet = engine_.sheet();
    const bool traitLeft = WholeOf(Field::traits) != 0;
    for (std::size_t t = 0; t < kTraitCount; ++t) {
      const Trait trait = static_cast<Trait>(t);
      const Box box = TraitBox(trait);
      const bool ticked = sheet.State(box) == 1;
      const bool allowed = RaceAllows(*pickedRace_, trait);
      if (ticked && !allowed) {
        return Violation{"only the race's traits are ticked", std::string(NameOf(box)) + " ticked"};
      }
      if (sheet.Enabled(box) != (ticked || (allowed && traitLeft))) {
        return Violation{"trait boxes are enabled by race and Traits Left",
                         std::string(NameOf(box)) + (sheet.Enabled(box) ? " enabled" : " disabled") + ", " +
                             (ticked ? "ticked" : "unticked") + ", Traits Left " + sheet.Text(Field::traits)};
      }
    }
    return std::nullopt;
  }

  // Every tag box is enabled while a tag is left; none unticked otherwise.
  std::optional<Violation> CheckTagFlags() const {
    const Sheet& sheet = engine_.sheet();
    const bool tagLeft = WholeOf(Field::tags) > 0;
    for (std::size_t s = 0; s < kSkillCount; ++s) {
      const Box box = TagBox(static_cast<Skill>(s));
      if (sheet.State(box) == 1 && !tagLeft) continue;
      if (sheet.Enabled(box) != tagLeft) {
        return Violation{"tag boxes are enabled by Tags Left",
                         std::string(NameOf(box)) + (sheet.Enabled(box) ? " enabled" : " disabled") + ", " +
                             (sheet.State(box) ? "ticked" : "unticked") + ", Tags Left " + sheet.Text(Field::tags)};
      }
    }
    return std::nullopt;
  }

  // The shadow runs each recomputation once more; none may change anything.
  // The secondary statistics and the notes read the race text, so after a
  // typed race text they wait for the next event that recomputes them; the
  // trait boxes' flags follow a typed text only partly (Bloody Mess skips
  // them on some counts), so they are rerun only while the race text is the
  // one last picked, and EnableRaceTraits alone only while a trait is left.
  std::optional<Violation> CheckRecomputationsSettled() {
    Sheet& shadow = shadow_.sheet();
    const auto rerun = [&](const char* name, void (*recompute)(Sheet&)) -> std::optional<Violation> {
      recompute(shadow);
      std::string changed = Differences(engine_.sheet(), shadow);
      if (changed.empty()) return std::nullopt;
      return Violation{std::string("running ") + name + " again changes nothing", std::string(name) + " changed\n" + changed};
    };
    if (auto v = rerun("UpdateSkills", &UpdateSkills)) return v;
    if (auto v = rerun("UpdateTagBoxes", &UpdateTagBoxes)) return v;
    const std::string& race = engine_.sheet().Text(Field::race);
    // The secondary recomputation rebuilds the notes as well.
    if (secondaryRace_ == race && notesRace_ == race) {
      if (auto v = rerun("UpdateSecondaryStats", &UpdateSecondaryStats)) return v;
    }
    if (notesRace_ == race) {
      if (auto v = rerun("UpdateExtraNotes", &UpdateExtraNotes)) return v;
    }
    if (!typedSincePick_) {
      if (auto v = rerun("UpdateTraitBoxes", &UpdateTraitBoxes)) return v;
      if (WholeOf(Field::traits) != 0) {
        if (auto v = rerun("EnableRaceTraits", &EnableRaceTraits)) return v;
      }
    }
    return std::nullopt;
  }

  Engine engine_;
  Engine shadow_;
  bool typedSincePick_ = false;                   // a race text typed since the last pick
  std::optional<Race> pickedRace_ = Race::Human;  // the race last picked (the load picks Human)
  std::string secondaryRace_ = "Human";           // the race text the secondary statistics were computed for
  std::string notesRace_ = "Human";               // the race text the notes were last built for
};

}  // namespace cindral::test
