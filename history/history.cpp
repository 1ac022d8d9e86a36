#include "history.h"

#include <bitset>
#include <utility>

namespace cindral {

namespace {

// The heap a string holds: nothing while its text fits inside the string.
std::size_t HeapBytes(const std::string& text) {
  return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

template <typename T>
std::size_t HeapBytes(const std::vector<T>& items) {
  return items.capacity() * sizeof(T);
}

}  // namespace

History::History(Engine& engine, Rebuild rebuild, Check check)
    : engine_(engine), rebuild_(rebuild), check_(check), current_(Capture()) {}

History::State History::Capture() const {
  const Sheet& sheet = engine_.sheet();
  State state;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    // The panel is help, not the character: no step changes it.
    if (static_cast<Field>(f) != Field::info) state.texts[f] = sheet.Text(static_cast<Field>(f));
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    const auto box = static_cast<Box>(b);
    state.boxes[b] = {sheet.State(box) == 1, sheet.Enabled(box)};
  }
  state.lastPick = engine_.LastPick();
  state.racesRead = engine_.LastRacesRead();
  return state;
}

Outcome History::Changes(const State& before, const State& after) {
  Outcome outcome;
  for (std::size_t f = 0; f < kFieldCount; ++f) outcome.fields[f] = before.texts[f] != after.texts[f];
  for (std::size_t b = 0; b < kBoxCount; ++b) outcome.boxes[b] = before.boxes[b] != after.boxes[b];
  // The race last picked is part of the character: the boxes and limits
  // follow it while the race text names another. The races the
  // recomputations read change only in an action that changes a value or a
  // box as well, so they make no step of their own.
  outcome.step = outcome.fields.any() || outcome.boxes.any() || before.lastPick != after.lastPick;
  return outcome;
}

History::Step History::Difference(const State& before, const State& after, const Outcome& changes) {
  const bool picked = before.lastPick != after.lastPick;
  std::size_t length = picked ? before.lastPick.size() + after.lastPick.size() : 0;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (changes.fields.test(f)) length += before.texts[f].size() + after.texts[f].size();
  }

  // Every part of the step is sized once, so that it holds no spare room.
  Step step;
  step.chars.reserve(length);
  step.texts.reserve(changes.fields.count());
  step.boxes.reserve(changes.boxes.count());
  const auto keep = [&step](const std::string& text) {
    const Span span{static_cast<std::uint32_t>(step.chars.size()), static_cast<std::uint32_t>(text.size())};
    step.chars += text;
    return span;
  };
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (changes.fields.test(f))
      step.texts.push_back({static_cast<Field>(f), keep(before.texts[f]), keep(after.texts[f])});
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    if (changes.boxes.test(b)) step.boxes.push_back({static_cast<Box>(b), before.boxes[b], after.boxes[b]});
  }
  if (picked) step.pick = PickChange{keep(before.lastPick), keep(after.lastPick)};
  if (before.racesRead != after.racesRead) step.racesRead = RacesReadChange{before.racesRead, after.racesRead};
  return step;
}

void History::Apply(const Step& step, Side side) {
  Sheet& sheet = engine_.sheet();
  const bool before = side == Side::Before;
  for (const TextChange& change : step.texts)
    sheet.SetText(change.field, step.Text(before ? change.before : change.after));
  for (const BoxChange& change : step.boxes) {
    const BoxLook& look = before ? change.before : change.after;
    sheet.RestoreBox(change.box, look.ticked ? 1 : 0, look.enabled);
  }
  if (step.pick) engine_.RestoreLastPick(step.Text(before ? step.pick->before : step.pick->after));
  if (step.racesRead) sheet.SetLastRacesRead(before ? step.racesRead->before : step.racesRead->after);
}

void History::Push(Step step) {
  // A new step drops the steps that could have been redone.
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back(std::move(step));
  if (steps_.size() > kStepsKept) steps_.pop_front();
  done_ = steps_.size();
}

template <typename Play>
Outcome History::Record(Play&& play, Typing typing) {
  // Any other action ends a run of typing.
  if (run_ && run_->box != typing) run_.reset();
  play();
  State now = Capture();
  Outcome outcome = Changes(current_, now);
  if (typing == Typing::None) {
    if (outcome.step) Push(Difference(current_, now, outcome));
  } else {
    if (!run_) run_ = Run{typing, current_, false};
    const Outcome runChanges = Changes(run_->start, now);
    if (run_->hasStep) {
      // The run's step grows with every key, or goes when the text is back
      // to what it was.
      if (!runChanges.step) {
        steps_.pop_back();
        done_ = steps_.size();
        run_->hasStep = false;
      } else {
        steps_.back() = Difference(run_->start, now, runChanges);
      }
    } else if (runChanges.step) {
      Push(Difference(run_->start, now, runChanges));
      run_->hasStep = true;
    }
  }
  current_ = std::move(now);
  return outcome;
}

Outcome History::Act(const Action& action) {
  switch (action.kind) {
    case Action::Kind::Click: {
      bool reacted = false;
      Outcome outcome = Record([&] { reacted = engine_.Click(action.text); }, Typing::None);
      outcome.reacted = reacted;
      return outcome;
    }
    case Action::Kind::PickRace: return Record([&] { engine_.PickRace(action.text); }, Typing::None);
    case Action::Kind::TypeRace: return Record([&] { engine_.TypeRace(action.text); }, Typing::Race);
    case Action::Kind::TypeName: return Record([&] { engine_.TypeName(action.text); }, Typing::Name);
    case Action::Kind::EndTyping: EndTyping(); return {};
    case Action::Kind::CopyCharacter: return Record([&] { engine_.ShowCharacterCopied(); }, Typing::None);
    case Action::Kind::PasteCharacter: return Record([&] { rebuild_(engine_, action.text); }, Typing::None);
    case Action::Kind::CheckCharacter: return Record([&] { check_(engine_); }, Typing::None);
    case Action::Kind::Undo: return Undo();
    case Action::Kind::Redo: return Redo();
  }
  Outcome nothing;
  nothing.reacted = false;
  return nothing;
}

void History::EndTyping() { run_.reset(); }

Outcome History::Undo() {
  run_.reset();
  if (!CanUndo()) return {};
  --done_;
  Apply(steps_[done_], Side::Before);
  return Recapture();
}

Outcome History::Redo() {
  run_.reset();
  if (!CanRedo()) return {};
  Apply(steps_[done_], Side::After);
  ++done_;
  return Recapture();
}

Outcome History::Recapture() {
  State now = Capture();
  Outcome outcome = Changes(current_, now);
  outcome.step = true;
  current_ = std::move(now);
  return outcome;
}

std::size_t History::MemoryBytes() const {
  std::size_t bytes = sizeof(*this);
  for (const Step& step : steps_) {
    bytes += sizeof step + HeapBytes(step.chars) + HeapBytes(step.texts) + HeapBytes(step.boxes);
  }
  for (const std::string& text : current_.texts) bytes += HeapBytes(text);
  bytes += HeapBytes(current_.lastPick);
  if (run_) {
    for (const std::string& text : run_->start.texts) bytes += HeapBytes(text);
    bytes += HeapBytes(run_->start.lastPick);
  }
  return bytes;
}

}  // namespace cindral
