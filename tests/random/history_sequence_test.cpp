// Long random, seeded sequences of player events mixed with undos, redos
// and ends of typing runs, played through the history. Beside the history
// the checker keeps its own account of the steps: which events made each
// step, and the sheet a fresh engine shows after replaying the events of
// every step up to it. After every undo or redo the history's sheet (every
// field but the panel, every box's state and enabled flag, the race last
// picked, the races the recomputations read) must equal that replay, and
// the panel must keep its text; after
// every other action the history must play the event as a plain engine
// does. Every action's outcome must list exactly the fields and boxes that
// changed, and call it a step exactly when the character changed. At the
// end, undoing everything gives the sheet at start-up (or, beyond a
// thousand steps, after the oldest step gone) and redoing everything gives
// the last. A failure names the seed and prints the shortest list of
// actions that breaks the rule, as code.
//
// CINDRAL_RANDOM_SEED=<number> runs other sequences than the usual ones;
// CINDRAL_RANDOM_SEQUENCES=<number> scales the 160 sequences of 1,000
// actions as it scales the engine's random sequences (250 is the usual
// count, the sanitizer build's 50 gives 32 sequences here).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "character_rebuild.h"
#include "character_summary.h"
#include "event_generator.h"
#include "history.h"
#include "sheet_invariants.h"

namespace cindral::test {
namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
// The history keeps at least this many steps.
constexpr std::size_t kKept = 1000;

std::uint64_t BaseSeed() {
  if (const char* seed = std::getenv("CINDRAL_RANDOM_SEED")) return std::strtoull(seed, nullptr, 10);
  return kDefaultSeed;
}

// How many of the usual sequences to play, in 250ths.
int Share() {
  if (const char* count = std::getenv("CINDRAL_RANDOM_SEQUENCES")) return std::max(50, std::atoi(count));
  return 250;
}

// ---------------------------------------------------------------------------
// Actions

const Action kUndo = Undo();
const Action kRedo = Redo();
const Action kEndTyping = EndTyping();

bool OfTheHistory(const Action& action) {
  return action.kind == Action::Kind::Undo || action.kind == Action::Kind::Redo ||
         action.kind == Action::Kind::EndTyping;
}

// The statement that plays the action again on a History named `history`.
std::string HistoryCpp(const Action& action) { return "history.Act(" + ActionCpp(action) + ");"; }

std::string HistoryCpp(std::span<const Action> actions) {
  std::string out = "cindral::Engine engine;\nengine.Start();\ncindral::History history(engine);\n";
  for (const Action& action : actions) out += HistoryCpp(action) + "\n";
  return out;
}

// How often each kind of action comes, in percent; the rest are events.
struct Mix {
  int undo;  // a burst of 1 to 6 undos
  int redo;  // a burst of 1 to 6 redos
  int endTyping;
  int typingRun;   // a run of typing, letter by letter, into the race text or the name
  int everything;  // of a thousand bursts, how many press 1,200 times: all there is and more
};

constexpr Mix kMixed{5, 3, 4, 6, 2};
// Few undos and never all of them, so that the steps outgrow what the
// history keeps.
constexpr Mix kFewUndos{1, 1, 2, 4, 0};

// Turns seeded choices into actions: the player's events as the engine's
// random sequences make them, with the presses of the history among them.
class ActionGenerator {
 public:
  ActionGenerator(std::uint64_t seed, Mix mix) : choices_(seed), events_(choices_), mix_(mix) {}

  Action Next() {
    if (!queued_.empty()) {
      Action action = std::move(queued_.front());
      queued_.erase(queued_.begin());
      return action;
    }
    int roll = static_cast<int>(choices_.Below(100));
    if ((roll -= mix_.undo) < 0) return Burst(kUndo);
    if ((roll -= mix_.redo) < 0) return Burst(kRedo);
    if ((roll -= mix_.endTyping) < 0) return kEndTyping;
    if ((roll -= mix_.typingRun) < 0) return TypingRun();
    return events_.Next();
  }

 private:
  Action Burst(const Action& press) {
    const std::uint32_t times =
        choices_.Below(1000) < static_cast<std::uint32_t>(mix_.everything) ? 1200 : 1 + choices_.Below(6);
    queued_.insert(queued_.end(), times - 1, press);
    return press;
  }

  // The letters of a text typed one by one, then now and then erased again
  // to what the box held, and now and then the focus leaving the box.
  Action TypingRun() {
    const bool race = choices_.Below(2) == 0;
    const std::vector<std::string>& texts = race ? RaceTexts() : NameTexts();
    std::string text = texts[choices_.Below(static_cast<std::uint32_t>(texts.size()))];
    if (text.size() > 12) text.resize(12);
    const auto typed = [&](std::string_view t) { return race ? TypeRace(t) : TypeName(t); };
    for (std::size_t length = 1; length <= text.size(); ++length) queued_.push_back(typed(text.substr(0, length)));
    if (choices_.Below(5) == 0) {
      for (std::size_t length = text.size(); length-- > 0;) queued_.push_back(typed(text.substr(0, length)));
    }
    if (choices_.Below(2) == 0) queued_.push_back(kEndTyping);
    if (queued_.empty()) return typed("");
    Action first = std::move(queued_.front());
    queued_.erase(queued_.begin());
    return first;
  }

  SeededChoices choices_;
  EventGenerator<SeededChoices> events_;
  Mix mix_;
  std::vector<Action> queued_;
};

std::vector<Action> Generate(std::uint64_t seed, Mix mix, std::size_t count) {
  ActionGenerator generator(seed, mix);
  std::vector<Action> actions;
  actions.reserve(count);
  while (actions.size() < count) actions.push_back(generator.Next());
  return actions;
}

// ---------------------------------------------------------------------------
// The sheet as a step leaves it

// Every field but the panel, every box's state and enabled flag, the race
// last picked and the races the recomputations read.
struct Sheetful {
  std::array<std::string, kFieldCount> texts;
  std::array<std::uint8_t, kBoxCount> boxes{};
  std::string lastPick;
  RacesRead racesRead;

  bool operator==(const Sheetful&) const = default;
};

Sheetful Read(const Engine& engine) {
  Sheetful s;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (static_cast<Field>(f) != Field::info) s.texts[f] = engine.sheet().Text(static_cast<Field>(f));
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    const auto box = static_cast<Box>(b);
    s.boxes[b] = static_cast<std::uint8_t>(engine.sheet().State(box) | (engine.sheet().Enabled(box) ? 2 : 0));
  }
  s.lastPick = engine.LastPick();
  s.racesRead = engine.LastRacesRead();
  return s;
}

std::string Said(const RacesRead& read) {
  const auto race = read.secondaryStats;
  const auto list = read.traitBoxes;
  return "secondary statistics for " + (race ? std::string(NameOf(*race)) : "no race") + ", trait boxes by " +
         (list ? "list " + std::to_string(Index(*list)) : "no list");
}

// The first difference, as "field: shown, expected".
std::string Difference(const Sheetful& shown, const Sheetful& expected) {
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (shown.texts[f] != expected.texts[f]) {
      return std::string(NameOf(static_cast<Field>(f))) + " shows " + Shown(shown.texts[f]) + ", the replay " +
             Shown(expected.texts[f]);
    }
  }
  static constexpr const char* kBoxStates[] = {"unticked, disabled", "ticked, disabled", "unticked", "ticked"};
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    if (shown.boxes[b] != expected.boxes[b]) {
      return std::string(NameOf(static_cast<Box>(b))) + " is " + kBoxStates[shown.boxes[b] & 3] + ", in the replay " +
             kBoxStates[expected.boxes[b] & 3];
    }
  }
  if (shown.lastPick != expected.lastPick) {
    return "the race last picked is " + Shown(shown.lastPick) + ", in the replay " + Shown(expected.lastPick);
  }
  if (shown.racesRead != expected.racesRead) {
    return "the races read are " + Said(shown.racesRead) + "; in the replay " + Said(expected.racesRead);
  }
  return {};
}

// An action's outcome against the sheet just before it and just after it:
// a step exactly when anything of the character differs, and every field
// and box that differs listed, nothing else (never the panel).
std::optional<Violation> Reported(const Outcome& outcome, const Sheetful& before, const Sheetful& after) {
  std::string wrong;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (outcome.fields[f] != (before.texts[f] != after.texts[f])) wrong += " " + std::string(kFieldNames[f]);
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    if (outcome.boxes[b] != (before.boxes[b] != after.boxes[b])) wrong += " " + std::string(kBoxNames[b]);
  }
  if (outcome.step != (before != after)) wrong += " the step";
  if (wrong.empty()) return std::nullopt;
  return Violation{"an action lists exactly what it changed", "listed wrongly or left out:" + wrong};
}

// ---------------------------------------------------------------------------
// The checker

class HistoryChecker {
 public:
  HistoryChecker() : history_(Started(engine_)) {
    Engine fresh;
    fresh.Start();
    start_ = Read(fresh);
  }

  const History& history() const { return history_; }
  // The history and its engine, to break them behind the checker's back.
  History& history() { return history_; }
  Engine& engine() { return engine_; }
  std::size_t steps() const { return path_.size(); }
  std::size_t dropped() const { return floor_; }
  std::size_t replays() const { return replays_; }

  std::optional<Violation> Step(const Action& action) {
    switch (action.kind) {
      case Action::Kind::Undo: return Press(true);
      case Action::Kind::Redo: return Press(false);
      case Action::Kind::EndTyping:
        history_.Act(action);
        run_.reset();
        return Counts("the focus left the box");
      default: return PlayEvent(action);
    }
  }

  // Undoes all there is, then redoes all of it.
  std::optional<Violation> UndoAndRedoEverything() {
    const std::string panel = engine_.sheet().Text(Field::info);
    std::size_t undone = 0;
    while (history_.Act(Undo()).step) ++undone;
    if (undone != done_ - floor_) {
      return Violation{"undo everything",
                       std::to_string(undone) + " undos, but " + std::to_string(done_ - floor_) + " steps were done"};
    }
    const std::string what = floor_ == 0 ? "the sheet at start-up" : "the sheet after the oldest step kept";
    if (auto d = Difference(Read(engine_), floor_ == 0 ? start_ : path_[floor_ - 1].after); !d.empty()) {
      return Violation{"undo everything", "not " + what + ": " + d};
    }
    std::size_t redone = 0;
    while (history_.Act(Redo()).step) ++redone;
    if (redone != path_.size() - floor_) {
      return Violation{"redo everything", std::to_string(redone) + " redos, but " +
                                              std::to_string(path_.size() - floor_) + " steps were kept"};
    }
    if (auto d = Difference(Read(engine_), path_.empty() ? start_ : path_.back().after); !d.empty()) {
      return Violation{"redo everything", "not the sheet after the last step: " + d};
    }
    if (engine_.sheet().Text(Field::info) != panel) return Violation{"the panel keeps its text", "after undo and redo"};
    done_ = path_.size();
    twinLive_ = false;
    return std::nullopt;
  }

 private:
  // A step: the events that made it, and the sheet a fresh engine shows
  // after replaying every step up to and including it.
  struct StepMade {
    std::vector<Action> events;
    Sheetful after;
  };

  // A run of typing into one box, and the sheet before its first letter.
  struct Run {
    Action::Kind box;
    Sheetful start;
    std::vector<Action> events;
    bool hasStep = false;
  };

  static Engine& Started(Engine& engine) {
    engine.Start();
    return engine;
  }

  const Sheetful& Current() const { return done_ == 0 ? start_ : path_[done_ - 1].after; }

  // The twin: a plain engine given the events of every step done, from a
  // fresh start, without the history.
  Engine& Twin() {
    if (!twinLive_) {
      twin_ = std::make_unique<Engine>();
      twin_->Start();
      for (std::size_t s = 0; s < done_; ++s) {
        for (const Action& event : path_[s].events) Apply(*twin_, event);
      }
      // The replay has only the steps; the panel shows what the player last
      // asked for, which no rule reads, and no undo changes.
      twin_->sheet().SetText(Field::info, engine_.sheet().Text(Field::info));
      twinLive_ = true;
      ++replays_;
    }
    return *twin_;
  }

  void Push(StepMade step) {
    // A new step drops the steps that could have been redone; beyond the
    // steps kept, the oldest cannot be undone any more.
    path_.resize(done_);
    path_.push_back(std::move(step));
    done_ = path_.size();
    if (done_ - floor_ > kKept) {
      ++floor_;
      // Nothing comes back to a sheet before the oldest step kept.
      if (floor_ >= 2) path_[floor_ - 2].after = {};
    }
  }

  std::optional<Violation> PlayEvent(const Action& event) {
    const bool typing = event.kind == Action::Kind::TypeRace || event.kind == Action::Kind::TypeName;
    if (run_ && (!typing || run_->box != event.kind)) run_.reset();
    Engine& twin = Twin();
    const bool reactedInTwin = Apply(twin, event);
    const Sheetful before = Read(engine_);
    const Outcome outcome = history_.Act(event);
    Sheetful now = Read(twin);
    if (outcome.reacted != reactedInTwin)
      return Violation{"the history plays events as the engine does", "the click's result"};
    if (auto d = Difference(Read(engine_), now); !d.empty()) {
      return Violation{"the history plays events as the engine does", d};
    }
    if (engine_.sheet().Text(Field::info) != twin.sheet().Text(Field::info)) {
      return Violation{"the history plays events as the engine does",
                       "the panel shows " + Shown(engine_.sheet().Text(Field::info))};
    }
    if (auto violation = Reported(outcome, before, now)) return violation;
    if (!typing) {
      if (now != Current()) Push({{event}, std::move(now)});
      return Counts("an event");
    }
    // A run of typing is one step: from the sheet before its first letter
    // to the sheet after its last, or none while the text is as it was.
    if (!run_) run_ = Run{event.kind, Current(), {}, false};
    run_->events.push_back(event);
    const bool changed = now != run_->start;
    if (run_->hasStep && changed) {
      path_.back() = {run_->events, std::move(now)};
    } else if (run_->hasStep) {
      path_.pop_back();
      --done_;
      run_->hasStep = false;
    } else if (changed) {
      Push({run_->events, std::move(now)});
      run_->hasStep = true;
    }
    return Counts("typing");
  }

  std::optional<Violation> Press(bool undo) {
    run_.reset();
    const bool can = undo ? done_ > floor_ : done_ < path_.size();
    const std::string panel = engine_.sheet().Text(Field::info);
    const Sheetful before = Read(engine_);
    const Outcome outcome = history_.Act(undo ? Undo() : Redo());
    const bool did = outcome.step;
    const char* press = undo ? "undo" : "redo";
    if (did != can) {
      return Violation{std::string(press) + " says whether there was a step",
                       std::string(press) + " returned " + (did ? "true" : "false") + " with " +
                           std::to_string(done_ - floor_) + " steps to undo and " +
                           std::to_string(path_.size() - done_) + " to redo"};
    }
    if (engine_.sheet().Text(Field::info) != panel) {
      return Violation{"the panel keeps its text",
                       std::string(press) + " changed it to " + Shown(engine_.sheet().Text(Field::info))};
    }
    if (!can) {
      if (auto d = Difference(Read(engine_), Current()); !d.empty()) {
        return Violation{std::string(press) + " with nothing to do changes nothing", d};
      }
      return Counts(press);
    }
    done_ = undo ? done_ - 1 : done_ + 1;
    twinLive_ = false;
    if (auto d = Difference(Read(engine_), Current()); !d.empty()) {
      return Violation{undo ? "undo puts back the sheet before the step" : "redo puts back the sheet after the step",
                       d};
    }
    if (auto violation = Reported(outcome, before, Current())) return violation;
    return Counts(press);
  }

  std::optional<Violation> Counts(const char* after) const {
    const std::size_t kept = path_.size() - floor_;
    if (history_.StepCount() != kept || history_.CanUndo() != (done_ > floor_) ||
        history_.CanRedo() != (done_ < path_.size())) {
      return Violation{"the history counts its steps",
                       std::string("after ") + after + ": " + std::to_string(history_.StepCount()) +
                           " steps kept, the replay " + std::to_string(kept) + "; can undo " +
                           (history_.CanUndo() ? "yes" : "no") + ", can redo " + (history_.CanRedo() ? "yes" : "no")};
    }
    return std::nullopt;
  }

  Engine engine_;
  History history_;
  Sheetful start_;
  std::vector<StepMade> path_;  // every step from the start to the last done or redoable
  std::size_t done_ = 0;        // path_[0, done_) are done
  std::size_t floor_ = 0;       // path_[0, floor_) are gone from the history: never undone again
  std::optional<Run> run_;
  std::unique_ptr<Engine> twin_;
  bool twinLive_ = false;  // the twin shows the sheet after path_[0, done_)
  std::size_t replays_ = 0;
};

// The first rule the actions break, played from a fresh start, then with
// everything undone and redone.
std::optional<Violation> FirstViolation(std::span<const Action> actions, std::size_t* at = nullptr) {
  HistoryChecker checker;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    if (auto violation = checker.Step(actions[i])) {
      if (at) *at = i;
      return violation;
    }
  }
  if (at) *at = actions.size();
  return checker.UndoAndRedoEverything();
}

std::string Report(std::uint64_t seed, std::span<const Action> actions, std::size_t at, const Violation& violation) {
  const std::vector<Action> prefix(actions.begin(),
                                   actions.begin() + static_cast<std::ptrdiff_t>(std::min(at + 1, actions.size())));
  // A fault that needs more steps than the history keeps needs lists of
  // over a thousand actions, each played in full: shrinking stops after a
  // minute and prints the shortest list found by then.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  bool stopped = false;
  const std::vector<Action> shortest = Shrink(prefix, [&](const std::vector<Action>& candidate) {
    if (stopped || std::chrono::steady_clock::now() > deadline) {
      stopped = true;
      return false;
    }
    const auto v = FirstViolation(candidate);
    return v && v->rule == violation.rule;
  });
  const auto shortestViolation = FirstViolation(shortest);
  return "Seed " + std::to_string(seed) + ", action " + std::to_string(at + 1) + " broke the rule \"" + violation.rule +
         "\":\n  " + violation.detail + "\nShortest list that breaks it (" + std::to_string(shortest.size()) +
         " actions" + (stopped ? ", shrinking stopped after a minute" : "") + "), which shows:\n  " +
         (shortestViolation ? shortestViolation->detail : std::string("(nothing)")) + "\n" + HistoryCpp(shortest);
}

struct Tally {
  long actions = 0, events = 0, undos = 0, redos = 0, replays = 0;
  std::size_t mostSteps = 0, dropped = 0;
};

// Plays the sequences of one seed after another; stops at the first failure.
Tally PlaySequences(std::uint64_t base, int sequences, Mix mix, std::size_t length) {
  Tally tally;
  for (int s = 0; s < sequences; ++s) {
    const std::uint64_t seed = base + static_cast<std::uint64_t>(s);
    const std::vector<Action> actions = Generate(seed, mix, length);
    HistoryChecker checker;
    for (std::size_t i = 0; i < actions.size(); ++i) {
      if (const auto violation = checker.Step(actions[i])) {
        ADD_FAILURE() << Report(seed, actions, i, *violation);
        return tally;
      }
      tally.events += !OfTheHistory(actions[i]);
      tally.undos += actions[i].kind == Action::Kind::Undo;
      tally.redos += actions[i].kind == Action::Kind::Redo;
      tally.mostSteps = std::max(tally.mostSteps, checker.history().StepCount());
    }
    if (const auto violation = checker.UndoAndRedoEverything()) {
      ADD_FAILURE() << Report(seed, actions, actions.size(), *violation);
      return tally;
    }
    tally.actions += static_cast<long>(actions.size());
    tally.replays += static_cast<long>(checker.replays());
    tally.dropped = std::max(tally.dropped, checker.dropped());
  }
  return tally;
}

// 160 sequences of 1,000 actions: about 110,000 events with the undos and
// redos among them.
TEST(HistorySequences, UndoAndRedoPutBackWhatAReplayShows) {
  const int sequences = 160 * Share() / 250;
  const Tally tally = PlaySequences(BaseSeed(), sequences, kMixed, 1000);
  if (HasFailure()) return;
  EXPECT_EQ(tally.actions, sequences * 1000L);
  EXPECT_GT(tally.events, sequences * 625L);  // 100,000 of the usual 160,000 actions
  EXPECT_GT(tally.undos, sequences * 90L);
  EXPECT_GT(tally.redos, sequences * 30L);
  std::printf("%ld actions: %ld events, %ld undos, %ld redos, %ld replays from the start; at most %zu steps kept\n",
              tally.actions, tally.events, tally.undos, tally.redos, tally.replays, tally.mostSteps);
}

// Long sequences with few undos outgrow the steps kept: the oldest go, and
// undoing everything stops at the sheet after the oldest step kept.
TEST(HistorySequences, KeepsAThousandStepsAndDropsTheOldest) {
  const int sequences = Share() < 250 ? 1 : 4;
  const Tally tally = PlaySequences(BaseSeed() + 500000, sequences, kFewUndos, 6000);
  if (HasFailure()) return;
  EXPECT_EQ(tally.actions, sequences * 6000L);
  EXPECT_EQ(tally.mostSteps, kKept);
  EXPECT_GT(tally.dropped, 500u);
  std::printf("%ld actions, at most %zu steps kept, up to %zu of the oldest dropped\n", tally.actions, tally.mostSteps,
              tally.dropped);
}

// What pasting the copy of the character the events build gives otherwise
// than the character, pasted into a fresh engine; "" when nothing.
std::string PasteDifference(const std::vector<Action>& events) {
  Engine played, into;
  played.Start();
  into.Start();
  for (const Action& event : events) Apply(played, event);
  const std::string copy = SummaryText(Summarize(played));
  RebuildCharacter(into, copy);
  const std::string differs = Difference(Read(into), Read(played));
  if (!differs.empty()) return differs + "\n" + into.sheet().Text(Field::info) + "\n" + copy;
  return SummaryText(Summarize(into)) == copy ? "" : "copied again, the text differs";
}

// The copy as a chat shows it: a few lines of the chat before and after
// it, a chat program's prefix in front of every line, and the captions as
// a person retyping them writes them: in another case, a statistic by the
// window's abbreviation and its value with a zero fraction, a tag marked
// with a star or "(tag)".
std::string InChat(const std::string& copy, SeededChoices& choices) {
  static constexpr const char* kChat[] = {
      "here is mine", "[20:13] <bob> show me your character", "lol", "", "what do you think?", "<bob> one sec"};
  static constexpr const char* kPrefixes[] = {
      "", "> ", "[20:14] <mara> ", "20:14:05 mara: ", "| ", "(8:14 PM) @mara> ", "» "};
  static constexpr std::string_view kStats[] = {"Strength",     "Perception", "Endurance", "Charisma",
                                                "Intelligence", "Agility",    "Luck"};
  static constexpr std::string_view kAbbreviations[] = {"ST", "PE", "EN", "CH", "IN", "AG", "LU"};
  const std::string prefix = kPrefixes[choices.Below(std::size(kPrefixes))];
  std::string text;
  const auto chat = [&](std::uint32_t most) {
    for (std::uint32_t n = choices.Below(most + 1); n > 0; --n)
      text += prefix + kChat[choices.Below(std::size(kChat))] + "\n";
  };
  chat(3);
  for (std::size_t start = 0; start < copy.size(); start = copy.find('\n', start) + 1) {
    std::string line = copy.substr(start, copy.find('\n', start) - start);
    if (const std::size_t colon = line.find(": "); colon != std::string::npos) {
      std::string caption = line.substr(0, colon), value = line.substr(colon + 2);
      for (std::size_t stat = 0; stat < std::size(kStats); ++stat) {
        if (caption != kStats[stat]) continue;
        if (choices.Below(2) == 0) caption = kAbbreviations[stat];
        if (choices.Below(3) == 0) value += ".0";
      }
      const std::uint32_t letterCase = choices.Below(3);
      for (char& c : caption)
        c = static_cast<char>(letterCase == 0 ? std::tolower(c) : letterCase == 1 ? std::toupper(c) : c);
      if (const std::string tagged = " (tagged)"; value.ends_with(tagged)) {
        const std::string shown = value.substr(0, value.size() - tagged.size());
        switch (choices.Below(4)) {
          case 0: value = shown + " *"; break;
          case 1: caption = "* " + caption, value = shown; break;
          case 2: value = shown + " (tag)"; break;
          default: break;
        }
      }
      line = caption + ": " + value;
    }
    text += prefix + line + "\n";
  }
  chat(2);
  return text;
}

// Every 100th character of seeded play (its races picked from the list, as
// the copy's promise goes), copied, wrapped in a chat as it would be shared,
// and pasted through the history into the engine that shows the one
// before, gives the same sheet and copies again to the same text; one undo
// takes the paste back.
TEST(HistorySequences, APastedCopyGivesBackTheCopiedCharacter) {
  Engine played, into;
  played.Start();
  into.Start();
  History history(into, &RebuildCharacter);
  SeededChoices choices(BaseSeed() + 700000);
  SeededChoices chatChoices(BaseSeed() + 700001);
  EventGenerator generator(choices);
  std::vector<Action> events;
  while (events.size() < 100 * 500 * static_cast<std::size_t>(Share()) / 250) {
    Action event = generator.Next();
    if (event.kind == Action::Kind::TypeRace) continue;
    Apply(played, event);
    events.push_back(std::move(event));
    if (events.size() % 100 != 0) continue;
    const Sheetful before = Read(into);
    const std::string copy = SummaryText(Summarize(played));
    const std::string chat = InChat(copy, chatChoices);
    const Outcome pasted = history.Act(PasteCharacter(chat));
    const bool same = Difference(Read(into), Read(played)).empty() && SummaryText(Summarize(into)) == copy;
    if (!same) {
      const auto shortest = Shrink(events, [](const std::vector<Action>& e) { return !PasteDifference(e).empty(); });
      FAIL() << "after " << events.size() << " events: " << Difference(Read(into), Read(played)) << "\n"
             << into.sheet().Text(Field::info) << "\npasted:\n"
             << chat << "\nin a fresh engine, the bare copy, shortest:\n"
             << PasteDifference(shortest) << ToCpp(shortest);
    }
    EXPECT_NE(into.sheet().Text(Field::info).find("\nChecked: every value matches the rules\n"), std::string::npos)
        << into.sheet().Text(Field::info) << "\npasted:\n"
        << chat;
    // A paste of the character shown is no step.
    ASSERT_EQ(pasted.step, before != Read(played)) << "after " << events.size() << " events";
    if (!pasted.step) continue;
    history.Act(Undo());
    ASSERT_EQ(Difference(Read(into), before), "") << "undoing the paste after " << events.size() << " events";
    history.Act(Redo());
  }
}

// ---------------------------------------------------------------------------
// The checker can fail

// Each broken history is caught by its rule: the history's engine is
// changed behind its back between two actions, as a faulty undo or redo
// would leave it, or the history is played without the checker seeing it.
struct Breakage {
  const char* what;
  std::vector<Action> before;
  void (*breakIt)(Engine&, History&);
  Action next;
  const char* rule;
};

const Breakage kBreakages[] = {
    {"a field the undo left behind",
     {Click("stplu"), Click("stplu")},
     [](Engine& e, History&) { e.sheet().SetText(Field::Name, "Nobody"); },
     kUndo,
     "undo puts back the sheet before the step"},
    {"an enabled flag the undo left behind",
     {Click("bruiser"), Click("finesse")},
     [](Engine& e, History&) { e.sheet().RestoreBox(Box::rabid, 0, true); },
     kUndo,
     "undo puts back the sheet before the step"},
    {"a tick the redo left behind",
     {Click("sneak"), kUndo},
     [](Engine& e, History&) { e.sheet().RestoreBox(Box::doctor, 1, true); },
     kRedo,
     "redo puts back the sheet after the step"},
    {"the race last picked forgotten",
     {PickRace("Dog"), Click("stplu")},
     [](Engine& e, History&) { e.RestoreLastPick("Human"); },
     kUndo,
     "undo puts back the sheet before the step"},
    {"the race the values were computed for forgotten",
     {PickRace("Dog"), Click("stplu")},
     [](Engine& e, History&) {
       e.sheet().SetLastRacesRead({Race::Robot, TraitColumn::Robot});
     },
     kUndo,
     "undo puts back the sheet before the step"},
    {"a step the checker did not see",
     {Click("stplu"), kUndo},
     [](Engine&, History& h) { h.Act(Click("peplu")); },
     kEndTyping,
     "the history counts its steps"},
    {"a sheet that goes on differently",
     {Click("stplu")},
     [](Engine& e, History&) { e.sheet().SetText(Field::pe, "9"); },
     Click("Label4"),
     "the history plays events as the engine does"},
    {"an undo that changed something with nothing to undo",
     {},
     [](Engine& e, History&) { e.sheet().SetText(Field::st, "4"); },
     kUndo,
     "undo with nothing to do changes nothing"},
};

TEST(HistoryChecker, CatchesEveryKindOfBrokenHistory) {
  for (const Breakage& b : kBreakages) {
    // Without the breakage the actions pass.
    std::vector<Action> actions = b.before;
    actions.push_back(b.next);
    EXPECT_FALSE(FirstViolation(actions)) << b.what;

    HistoryChecker checker;
    for (const Action& action : b.before) ASSERT_FALSE(checker.Step(action)) << b.what;
    b.breakIt(checker.engine(), checker.history());
    const auto violation = checker.Step(b.next);
    ASSERT_TRUE(violation) << b.what;
    EXPECT_EQ(violation->rule, b.rule) << b.what << ": " << violation->detail;
  }
}

// The checker's sheet holds everything the history must put back: a
// difference in any one field, box, the race last picked or the races read
// shows.
TEST(HistoryChecker, SeesEveryFieldEveryBoxAndTheLastPick) {
  Engine engine;
  engine.Start();
  const Sheetful start = Read(engine);
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    const auto field = static_cast<Field>(f);
    if (field == Field::info) continue;
    Sheetful changed = start;
    changed.texts[f] += "x";
    EXPECT_NE(Difference(changed, start).find(NameOf(field)), std::string::npos) << NameOf(field);
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    for (const std::uint8_t flip : {1, 2}) {
      Sheetful changed = start;
      changed.boxes[b] ^= flip;
      EXPECT_NE(Difference(changed, start).find(NameOf(static_cast<Box>(b))), std::string::npos);
    }
  }
  Sheetful changed = start;
  changed.lastPick = "Dog";
  EXPECT_NE(Difference(changed, start), "");
  changed = start;
  changed.racesRead.traitBoxes = TraitColumn::Robot;
  EXPECT_NE(Difference(changed, start), "");
  engine.sheet().SetText(Field::info, "Bruiser - ");
  EXPECT_EQ(Difference(Read(engine), start), "") << "the panel is no part of a step";
}

TEST(ActionGenerator, SameSeedSameActionsAndEveryKindComes) {
  const std::vector<Action> actions = Generate(7, kMixed, 20000);
  EXPECT_EQ(actions, Generate(7, kMixed, 20000));
  EXPECT_NE(actions, Generate(8, kMixed, 20000));
  int undos = 0, redos = 0, ends = 0, runLetters = 0;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    undos += actions[i].kind == Action::Kind::Undo;
    redos += actions[i].kind == Action::Kind::Redo;
    ends += actions[i].kind == Action::Kind::EndTyping;
    runLetters += i > 0 && actions[i].kind == Action::Kind::TypeName && actions[i - 1].kind == Action::Kind::TypeName;
  }
  EXPECT_GT(undos, 1000);
  EXPECT_GT(redos, 500);
  EXPECT_GT(ends, 250);
  EXPECT_GT(runLetters, 500);
}

TEST(ActionGenerator, PrintsActionsAsCodeThatMakesThemAgain) {
  EXPECT_EQ(HistoryCpp(Click("stplu")), "history.Act(cindral::Click(\"stplu\"));");
  EXPECT_EQ(HistoryCpp(TypeName("Max")), "history.Act(cindral::TypeName(\"Max\"));");
  EXPECT_EQ(HistoryCpp(kUndo), "history.Act(cindral::Undo());");
  EXPECT_EQ(HistoryCpp(kEndTyping), "history.Act(cindral::EndTyping());");
}

}  // namespace
}  // namespace cindral::test
