// The checker: plays a player's events into the program and into its own
// character (character_model.h), moved by the game's rules as written out
// in game_facts.h, and after every event compares the whole sheet with that
// character: every field's text, every box's tick and enabled flag, and
// whether a click reacted. Whatever came before counts: typed race texts,
// ticked tags, forced tags, counters below 0. The information panel is held
// to the title of the last caption clicked or trait box handled, to the
// formulas its text must quote, and to showing the same text for the same
// caption every time. The random-sequence tests and the event-stream fuzz
// target both use it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "character_model.h"
#include "event_generator.h"
#include "events.h"
#include "game_facts.h"

namespace cindral::test {

// A broken rule: which one (a short name that stays the same while a
// failing list is shrunk) and what was seen.
struct Violation {
  std::string rule;
  std::string detail;
};

inline std::string Shown(std::string_view text) {
  if (text.size() > 80) return CppText(text.substr(0, 60)) + "... (" + std::to_string(text.size()) + " bytes)";
  return CppText(text);
}

namespace detail {

// The sheet's fields and boxes, found by their control names once.
struct SheetNames {
  struct NamedField {
    std::string_view name;
    std::optional<Field> field;
  };
  struct NamedBox {
    std::string_view name;
    std::optional<cindral::Box> box;
  };
  std::array<NamedField, game::kStats> stats;
  NamedField race, name, chpoint, tags, traits, extra, info;
  std::array<NamedField, game::kSkills> skills;
  std::array<NamedField, game::kSecondaries> secondaries;
  std::array<NamedBox, game::kSkills> tagBoxes;
  std::array<NamedBox, game::kTraits> traitBoxes;
};

inline const SheetNames& Names() {
  static const SheetNames names = [] {
    SheetNames n;
    const auto field = [](std::string_view name) { return SheetNames::NamedField{name, FindField(name)}; };
    const auto box = [](std::string_view name) { return SheetNames::NamedBox{name, FindBox(name)}; };
    for (std::size_t s = 0; s < game::kStats; ++s) n.stats[s] = field(game::kStatFields[s]);
    n.race = field("race");
    n.name = field("Name");
    n.chpoint = field("chpoint");
    n.tags = field("tags");
    n.traits = field("traits");
    n.extra = field("extra");
    n.info = field("info");
    for (std::size_t s = 0; s < game::kSkills; ++s) {
      n.skills[s] = field(game::kSkillFacts[s].valueField);
      n.tagBoxes[s] = box(game::kSkillFacts[s].tagBox);
    }
    for (std::size_t k = 0; k < game::kSecondaries; ++k) n.secondaries[k] = field(game::kSecondaryFacts[k].field);
    for (std::size_t t = 0; t < game::kTraits; ++t) n.traitBoxes[t] = box(game::kTraitFacts[t].box);
    return n;
  }();
  return names;
}

// How the information panel's text for a key must begin, and what it must
// hold: the whole text, where the rules give it whole.
struct PanelText {
  std::string_view begins;
  std::string_view quotes;  // a formula it must quote, or ""
  bool whole = false;       // `begins` is the whole text
};

inline PanelText PanelTextOf(int key) {
  if (key < CharacterModel::kSkillKeys) return {game::kTraitFacts[key].title, ""};
  if (key < CharacterModel::kSecondaryKeys) {
    const game::SkillFacts& skill = game::kSkillFacts[key - CharacterModel::kSkillKeys];
    return {skill.title, skill.formula};
  }
  if (key < CharacterModel::kTagsLeftKey) {
    const game::SecondaryFacts& secondary = game::kSecondaryFacts[key - CharacterModel::kSecondaryKeys];
    return {secondary.title, secondary.quoted};
  }
  if (key == CharacterModel::kTagsLeftKey) return {game::kTagsLeftText, "", true};
  if (key == CharacterModel::kTagsCounterKey) return {game::kTagsCounterText, "", true};
  return {game::kAboutTitle, ""};
}

}  // namespace detail

// Plays events into an engine and into the checker's own character, and
// compares the two after each event.
class SequenceChecker {
 public:
  SequenceChecker() { engine_.Start(); }

  Engine& engine() { return engine_; }
  const CharacterModel& model() const { return model_; }

  // Sends the event to both and compares; the first rule broken, or nothing.
  // The first call also holds the sheet the window opens with to the rules.
  std::optional<Violation> Step(const Action& event) {
    if (!started_) {
      started_ = true;
      if (auto v = Compare("the start")) return v;
    }
    const bool reacted = Apply(engine_, event);
    bool expected = true;
    switch (event.kind) {
      case Action::Kind::Click: expected = model_.Click(event.text); break;
      case Action::Kind::PickRace: model_.PickRace(event.text); break;
      case Action::Kind::TypeRace: model_.TypeRace(event.text); break;
      case Action::Kind::TypeName: model_.TypeName(event.text); break;
      default: return Violation{"the checker plays the events of the generator", ToCpp(event) + " is none of them"};
    }
    if (reacted != expected) {
      return Violation{"a click reacts exactly on the controls that react",
                       ToCpp(event) + (reacted ? " reacted" : " did not react")};
    }
    return Compare(ToCpp(event));
  }

  // The whole sheet against the checker's character.
  std::optional<Violation> Compare(const std::string& after) {
    const Sheet& sheet = engine_.sheet();
    const detail::SheetNames& names = detail::Names();
    std::string first;
    std::string found;
    const auto field = [&](const detail::SheetNames::NamedField& named, std::string_view want) {
      if (!named.field) {
        if (first.empty()) first = std::string(named.name);
        found += "  the sheet has no field " + std::string(named.name) + "\n";
        return;
      }
      const std::string& shown = sheet.Text(*named.field);
      if (shown == want) return;
      if (first.empty()) first = std::string(named.name);
      found += "  " + std::string(named.name) + " shows " + Shown(shown) + ", the rules give " + Shown(want) + "\n";
    };
    const auto number = [&](const detail::SheetNames::NamedField& named, int value, bool percent) {
      std::string want = std::to_string(value);
      if (percent) want += '%';
      field(named, want);
    };
    const auto box = [&](const detail::SheetNames::NamedBox& named, const CharacterModel::Box& want) {
      if (!named.box) {
        if (first.empty()) first = std::string(named.name);
        found += "  the sheet has no box " + std::string(named.name) + "\n";
        return;
      }
      const bool ticked = sheet.State(*named.box) == 1;
      const bool enabled = sheet.Enabled(*named.box);
      if (sheet.State(*named.box) != (want.ticked ? 1 : 0)) {
        if (first.empty()) first = std::string(named.name) + " tick";
        found += "  " + std::string(named.name) + " is " + (ticked ? "ticked" : "unticked") + " (state " +
                 std::to_string(sheet.State(*named.box)) + "), the rules give " +
                 (want.ticked ? "ticked" : "unticked") + "\n";
      }
      if (enabled != want.enabled) {
        if (first.empty()) first = std::string(named.name) + " enabled flag";
        found += "  " + std::string(named.name) + " is " + (enabled ? "enabled" : "disabled") + ", the rules give " +
                 (want.enabled ? "enabled" : "disabled") + "\n";
      }
    };

    field(names.race, model_.race());
    field(names.name, model_.name());
    for (std::size_t s = 0; s < game::kStats; ++s) number(names.stats[s], model_.stat(s), false);
    number(names.chpoint, model_.chpoint(), false);
    for (std::size_t s = 0; s < game::kSkills; ++s) number(names.skills[s], model_.skillValue(s), true);
    number(names.tags, model_.tags(), false);
    number(names.traits, model_.traits(), false);
    for (std::size_t k = 0; k < game::kSecondaries; ++k) field(names.secondaries[k], model_.SecondaryText(k));
    field(names.extra, model_.extra());
    for (std::size_t s = 0; s < game::kSkills; ++s) box(names.tagBoxes[s], model_.tag(s));
    for (std::size_t t = 0; t < game::kTraits; ++t) box(names.traitBoxes[t], model_.trait(t));
    if (!found.empty()) {
      return Violation{"the sheet follows the rules: " + first, "after " + after + "\n" + found +
                                                                    "  the rules' character: race " +
                                                                    Shown(model_.race()) + ", " + model_.Summary()};
    }
    return CheckPanel(after);
  }

 private:
  std::optional<Violation> CheckPanel(const std::string& after) {
    const detail::SheetNames& names = detail::Names();
    if (!names.info.field) return Violation{"the information panel", "the sheet has no field info"};
    const std::string& shown = engine_.sheet().Text(*names.info.field);
    const int key = model_.info();
    const auto wrong = [&](const std::string& what) {
      return Violation{"the information panel shows the text of the last caption or trait box",
                       "after " + after + "\n  the panel shows " + Shown(shown) + "\n  " + what};
    };
    if (key == CharacterModel::kNoText) {
      if (shown.empty()) return std::nullopt;
      return wrong("nothing has put a text there yet");
    }
    std::string& seen = seen_[static_cast<std::size_t>(key)];
    if (!seen.empty()) {
      if (shown == seen) return std::nullopt;
      return wrong("the same caption showed " + Shown(seen) + " before");
    }
    const detail::PanelText text = detail::PanelTextOf(key);
    if (text.whole && shown != text.begins) return wrong("the rules give " + Shown(text.begins));
    if (shown.size() <= text.begins.size() && !text.whole)
      return wrong("it should begin with " + Shown(text.begins) + " and go on");
    if (shown.compare(0, text.begins.size(), text.begins) != 0)
      return wrong("it should begin with " + Shown(text.begins));
    if (!text.quotes.empty() && shown.find(text.quotes) == std::string::npos) {
      return wrong("it should quote " + Shown(text.quotes));
    }
    if (shown.find('\n') != std::string::npos) return wrong("it should be one paragraph");
    seen = shown;
    return std::nullopt;
  }

  Engine engine_;
  CharacterModel model_;
  bool started_ = false;
  std::array<std::string, CharacterModel::kKeys> seen_;  // the panel text first seen for each key
};

}  // namespace cindral::test
