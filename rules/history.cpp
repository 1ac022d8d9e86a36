#include "history.h"

#include <cstring>
#include <utility>

namespace cindral {

namespace {

// What a change in a step's buffer is about.
enum class Kind : std::uint8_t { Text, Box, LastPick };

void PutText(std::string& out, std::string_view text) {
  const auto length = static_cast<std::uint32_t>(text.size());
  char bytes[sizeof length];
  std::memcpy(bytes, &length, sizeof length);
  out.append(bytes, sizeof length);
  out.append(text);
}

std::string_view TakeText(std::string_view& in) {
  std::uint32_t length = 0;
  std::memcpy(&length, in.data(), sizeof length);
  const std::string_view text = in.substr(sizeof length, length);
  in.remove_prefix(sizeof length + length);
  return text;
}

void PutTextChange(std::string& out, Kind kind, std::size_t index, std::string_view before, std::string_view after) {
  out.push_back(static_cast<char>(kind));
  out.push_back(static_cast<char>(index));
  PutText(out, before);
  PutText(out, after);
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
    state.boxes[b] = static_cast<std::uint8_t>((sheet.State(box) == 1 ? 1 : 0) | (sheet.Enabled(box) ? 2 : 0));
  }
  state.lastPick = engine_.LastPick();
  return state;
}

std::string History::Difference(const State& before, const State& after) {
  std::string changes;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (before.texts[f] != after.texts[f]) PutTextChange(changes, Kind::Text, f, before.texts[f], after.texts[f]);
  }
  for (std::size_t b = 0; b < kBoxCount; ++b) {
    if (before.boxes[b] == after.boxes[b]) continue;
    changes.push_back(static_cast<char>(Kind::Box));
    changes.push_back(static_cast<char>(b));
    changes.push_back(static_cast<char>(before.boxes[b]));
    changes.push_back(static_cast<char>(after.boxes[b]));
  }
  if (before.lastPick != after.lastPick) PutTextChange(changes, Kind::LastPick, 0, before.lastPick, after.lastPick);
  return changes;
}

void History::Apply(const Step& step, Side side) {
  Sheet& sheet = engine_.sheet();
  std::string_view in = step.changes;
  while (!in.empty()) {
    const auto kind = static_cast<Kind>(in[0]);
    const auto index = static_cast<std::uint8_t>(in[1]);
    in.remove_prefix(2);
    if (kind == Kind::Box) {
      const auto bits = static_cast<std::uint8_t>(in[side == Side::Before ? 0 : 1]);
      in.remove_prefix(2);
      sheet.RestoreBox(static_cast<Box>(index), bits & 1, (bits & 2) != 0);
      continue;
    }
    const std::string_view before = TakeText(in);
    const std::string_view after = TakeText(in);
    const std::string_view text = side == Side::Before ? before : after;
    if (kind == Kind::Text) sheet.SetText(static_cast<Field>(index), text);
    else engine_.RestoreLastPick(text);
  }
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
    if (std::string changes = Difference(current_, now); !changes.empty()) Push({std::move(changes)});
  } else {
    if (!run_) run_ = Run{typing, current_, false};
    std::string changes = Difference(run_->start, now);
    if (run_->hasStep) {
      // The run's step grows with every key, or goes when the text is back
      // to what it was.
      if (changes.empty()) {
        steps_.pop_back();
        done_ = steps_.size();
        run_->hasStep = false;
      } else {
        steps_.back().changes = std::move(changes);
      }
    } else if (!changes.empty()) {
      Push({std::move(changes)});
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
  for (const Step& step : steps_) bytes += sizeof step + step.changes.capacity();
  for (const std::string& text : current_.texts) bytes += text.capacity();
  if (run_) {
    for (const std::string& text : run_->start.texts) bytes += text.capacity();
  }
  return bytes;
}

}  // namespace cindral
