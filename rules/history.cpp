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

History::History(Engine& engine) : engine_(engine), current_(Capture()) {}

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
  return state;
}

History::Step History::Difference(const State& before, const State& after) {
  std::bitset<kFieldCount> fields;
  std::bitset<kBoxCount> boxes;
  std::size_t length = 0;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (before.texts[f] == after.texts[f]) continue;
    fields.set(f);
    length += before.texts[f].size() + after.texts[f].size();
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) boxes[b] = before.boxes[b] != after.boxes[b];
  const bool picked = before.lastPick != after.lastPick;
  if (picked) length += before.lastPick.size() + after.lastPick.size();

  // Every part of the step is sized once, so that it holds no spare room.
  Step step;
  step.chars.reserve(length);
  step.texts.reserve(fields.count());
  step.boxes.reserve(boxes.count());
  const auto keep = [&step](const std::string& text) {
    const Span span{static_cast<std::uint32_t>(step.chars.size()), static_cast<std::uint32_t>(text.size())};
    step.chars += text;
    return span;
  };
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (fields.test(f)) step.texts.push_back({static_cast<Field>(f), keep(before.texts[f]), keep(after.texts[f])});
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    if (boxes.test(b)) step.boxes.push_back({static_cast<Box>(b), before.boxes[b], after.boxes[b]});
  }
  if (picked) step.pick = PickChange{keep(before.lastPick), keep(after.lastPick)};
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
}

void History::Push(Step step) {
  // A new step drops the steps that could have been redone.
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back(std::move(step));
  if (steps_.size() > kStepsKept) steps_.pop_front();
  done_ = steps_.size();
}

template <typename Action>
void History::Record(Action&& action, Typing typing) {
  // Any other action ends a run of typing.
  if (run_ && run_->box != typing) run_.reset();
  action();
  State now = Capture();
  if (typing == Typing::None) {
    if (Step step = Difference(current_, now); !step.Empty()) Push(std::move(step));
  } else {
    if (!run_) run_ = Run{typing, current_, false};
    Step step = Difference(run_->start, now);
    if (run_->hasStep) {
      // The run's step grows with every key, or goes when the text is back
      // to what it was.
      if (step.Empty()) {
        steps_.pop_back();
        done_ = steps_.size();
        run_->hasStep = false;
      } else {
        steps_.back() = std::move(step);
      }
    } else if (!step.Empty()) {
      Push(std::move(step));
      run_->hasStep = true;
    }
  }
  current_ = std::move(now);
}

bool History::Click(std::string_view control) {
  bool reacted = false;
  Record([&] { reacted = engine_.Click(control); }, Typing::None);
  return reacted;
}

void History::PickRace(std::string_view name) {
  Record([&] { engine_.PickRace(name); }, Typing::None);
}

void History::TypeRace(std::string_view text) {
  Record([&] { engine_.TypeRace(text); }, Typing::Race);
}

void History::TypeName(std::string_view text) {
  Record([&] { engine_.TypeName(text); }, Typing::Name);
}

void History::EndTyping() { run_.reset(); }

bool History::Undo() {
  run_.reset();
  if (!CanUndo()) return false;
  --done_;
  Apply(steps_[done_], Side::Before);
  current_ = Capture();
  return true;
}

bool History::Redo() {
  run_.reset();
  if (!CanRedo()) return false;
  Apply(steps_[done_], Side::After);
  ++done_;
  current_ = Capture();
  return true;
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
