// The player's steps, and taking them back. Every action of the player goes
// through the history to the engine; an action that changed any field or
// box other than the information panel is a step. Undo puts every field,
// every box (state and enabled flag), the last race pick and the races the
// recomputations read back exactly as they were before the step, running
// no rule; redo puts back the state after it. The information panel keeps
// its text either way. Nothing is saved anywhere: the history lives as
// long as the window.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "actions.h"
#include "events.h"

namespace cindral {

// What one of the player's actions did to the character.
struct Outcome {
  bool reacted = true;  // false only for a click on a name that does not react (nothing ran)
  // It changed the character: made a step, or grew or shrank its typing
  // run's step; for Undo and Redo: there was a step to take back or to
  // take again.
  bool step = false;
  std::bitset<kFieldCount> fields;  // fields whose text it changed; never the panel, which is not the character
  std::bitset<kBoxCount> boxes;     // boxes whose state or enabled flag it changed

  bool Changed(Field f) const { return fields.test(Index(f)); }
  bool Changed(Box b) const { return boxes.test(Index(b)); }
};

class History {
 public:
  // Beyond this many steps the oldest go.
  static constexpr std::size_t kStepsKept = 1000;

  // Builds a pasted character's text on the engine, or leaves the engine as
  // it was; returns whether it built one. The history keeps no text format
  // of its own: whoever makes it hands it the character's rebuild.
  using Rebuild = bool (*)(Engine& engine, std::string_view text);
  // A history made without one builds nothing from a paste.
  static bool NoRebuild(Engine&, std::string_view) { return false; }

  // Looks the character over as a game master would and says what it
  // found in the panel, changing nothing else; handed over like the rebuild.
  using Check = void (*)(Engine& engine);
  // A history made without one checks nothing.
  static void NoCheck(Engine&) {}

  // Remembers the engine's sheet as it is now, the state the first undo
  // comes back to.
  explicit History(Engine& engine, Rebuild rebuild = &NoRebuild, Check check = &NoCheck);

  History(const History&) = delete;
  History& operator=(const History&) = delete;

  Engine& engine() { return engine_; }

  // Runs one of the player's actions and says what it changed, from the
  // state just before it to the state just after it:
  // - a click that changed nothing but the panel (a caption, a refused
  //   "+") is no step;
  // - a run of typing in one box is one step, until the run ends (EndTyping:
  //   the focus leaves the box) or another action comes; a key's outcome
  //   lists what that key changed, not the whole run;
  // - a copy of the character changes only the panel, so it is never a
  //   step, but it ends a run of typing; so does a check of it;
  // - a paste is one step however much its rebuild plays, and a text that
  //   builds nothing is none;
  // - Undo and Redo take a step back or again, and list what that put back.
  Outcome Act(const Action& action);

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }

  std::size_t StepCount() const { return steps_.size(); }
  // What the kept steps hold, in bytes.
  std::size_t MemoryBytes() const;

 private:
  // A tick box as a step sees it.
  struct BoxLook {
    bool ticked = false;
    bool enabled = true;
    bool operator==(const BoxLook&) const = default;
  };

  // Everything a step can change: the texts of every field but the panel,
  // every box, the last race pick, and the races the recomputations read.
  struct State {
    std::array<std::string, kFieldCount> texts;
    std::array<BoxLook, kBoxCount> boxes;
    std::string lastPick;
    RacesRead racesRead;
  };

  // A stretch of a step's characters.
  struct Span {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
  };

  struct TextChange {
    Field field;
    Span before, after;
  };

  struct BoxChange {
    Box box;
    BoxLook before, after;
  };

  struct PickChange {
    Span before, after;
  };

  struct RacesReadChange {
    RacesRead before, after;
  };

  // One step: every field and box it changed, and the last race pick and
  // the races read if they changed, each with its value before and after.
  // The texts lie one after another in the step's own characters, most of
  // them a few bytes long.
  struct Step {
    std::string chars;
    std::vector<TextChange> texts;
    std::vector<BoxChange> boxes;
    std::optional<PickChange> pick;
    std::optional<RacesReadChange> racesRead;

    std::string_view Text(Span span) const { return std::string_view(chars).substr(span.offset, span.length); }
  };

  // The box an action types into, if any.
  enum class Typing : std::uint8_t { None, Race, Name };

  enum class Side : std::uint8_t { Before, After };

  // A run of typing in one box, and the state before its first key.
  struct Run {
    Typing box;
    State start;
    bool hasStep;  // the last step is the run's
  };

  template <typename Play>
  Outcome Record(Play&& play, Typing typing);
  Outcome Undo();
  Outcome Redo();
  void EndTyping();
  State Capture() const;
  static Outcome Changes(const State& before, const State& after);
  // After an undo or a redo: takes the sheet it put back as the current
  // state, and says what changed.
  Outcome Recapture();
  static Step Difference(const State& before, const State& after, const Outcome& changes);
  void Apply(const Step& step, Side side);
  void Push(Step step);

  Engine& engine_;
  const Rebuild rebuild_;
  const Check check_;
  State current_;
  std::deque<Step> steps_;
  std::size_t done_ = 0;  // steps_[0, done_) are done, the rest can be redone
  std::optional<Run> run_;
};

}  // namespace cindral
