// How long the engine takes over one player event: a fixed seeded sequence
// of 100,000 events played into one engine, each timed on its own. Prints
// the median, the 99th percentile and the slowest event, the events per
// second, and the same figures for each kind of event. Then the history:
// the same events played through it, undone and redone a thousand steps at
// a time, each undo and redo timed; and what a full history of a thousand
// steps holds, by its own count and by the heap it frees when it goes.
// Then pasting: the copies of characters of seeded play pasted in through
// the history, one into the other, a megabyte of text refused, and copies
// found inside a megabyte of chat.
// Times are printed, never judged: the run always succeeds.
//
// engine_bench [events] [seed]

#include <malloc.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <cstddef>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "character_rebuild.h"
#include "click_previews.h"
#include "event_generator.h"
#include "history.h"
#include "shared_characters.h"
#include "timing.h"

// Every allocation counted: the bytes live on the heap at any moment, as
// the allocator hands them out (what a block really takes, not what was
// asked for).
namespace {
std::size_t heapLive = 0;
}  // namespace

// These are the program's own new and delete: inlined beside a
// new-expression, the compiler takes their free() for a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (!block) throw std::bad_alloc();
  heapLive += malloc_usable_size(block);
  return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept {
  if (!block) return;
  heapLive -= malloc_usable_size(block);
  std::free(block);
}
void operator delete[](void* block) noexcept { operator delete(block); }
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
void operator delete[](void* block, std::size_t) noexcept { operator delete(block); }
#pragma GCC diagnostic pop

namespace {

using cindral::Action;
using Clock = std::chrono::steady_clock;

// What kind of event it is, for the figures per kind.
std::string KindOf(const Action& event) {
  switch (event.kind) {
    case Action::Kind::PickRace: return "race pick";
    case Action::Kind::TypeRace: return "race typed";
    case Action::Kind::TypeName: return "name typed";
    case Action::Kind::EndTyping: return "typing ended";
    case Action::Kind::CopyCharacter: return "copy";
    case Action::Kind::PasteCharacter: return "paste";
    case Action::Kind::CheckCharacter: return "check";
    case Action::Kind::Undo: return "undo";
    case Action::Kind::Redo: return "redo";
    case Action::Kind::Click: break;
  }
  const auto control = cindral::FindControl(event.text);
  if (!control) return "dead click";
  switch (control->kind) {
    case cindral::ControlKind::StatButton: return "stat button";
    case cindral::ControlKind::Caption: return "caption";
    case cindral::ControlKind::Box:
      return cindral::IsTagBox(static_cast<cindral::Box>(control->index)) ? "tag box" : "trait box";
  }
  return "click";
}

using cindral::bench::Figures;
using cindral::bench::FiguresOf;

// Sends the event through the history, as the window does.
void PlayThrough(cindral::History& history, const Action& event) { history.Act(event); }

double Since(Clock::time_point t0) { return std::chrono::duration<double, std::nano>(Clock::now() - t0).count(); }

// The events played through a history; every `every` events, all there is
// undone and then redone, each press timed.
void TimeHistory(const std::vector<Action>& events, std::size_t every) {
  cindral::Engine engine;
  engine.Start();
  cindral::History history(engine);
  std::vector<double> played, undos, redos;
  played.reserve(events.size());
  for (std::size_t i = 0; i < events.size(); ++i) {
    const Clock::time_point t0 = Clock::now();
    PlayThrough(history, events[i]);
    played.push_back(Since(t0));
    if ((i + 1) % every != 0) continue;
    history.Act(cindral::EndTyping());
    for (;;) {
      const Clock::time_point t = Clock::now();
      if (!history.Act(cindral::Undo()).step) break;
      undos.push_back(Since(t));
    }
    for (;;) {
      const Clock::time_point t = Clock::now();
      if (!history.Act(cindral::Redo()).step) break;
      redos.push_back(Since(t));
    }
  }
  const Figures p = FiguresOf(played), u = FiguresOf(undos), r = FiguresOf(redos);
  std::printf("history: %zu events played through it, all undone and redone every %zu events\n", events.size(), every);
  std::printf("  per event through the history: median %.2f us, 99th percentile %.2f us\n", p.median / 1000,
              p.p99 / 1000);
  std::printf("  per undo (%zu): median %.2f us, 99th percentile %.2f us, slowest %.2f us\n", undos.size(),
              u.median / 1000, u.p99 / 1000, u.max / 1000);
  std::printf("  per redo (%zu): median %.2f us, 99th percentile %.2f us, slowest %.2f us\n", redos.size(),
              r.median / 1000, r.p99 / 1000, r.max / 1000);
  std::printf("  goal: median at most 5 us per undo and per redo: %s\n",
              u.median <= 5000 && r.median <= 5000 ? "met" : "missed");
}

// A history filled with the events until it keeps its thousand steps:
// what it counts itself, and the heap it frees when it goes.
void MeasureHistory(const char* what, const std::vector<Action>& events) {
  cindral::Engine engine;
  engine.Start();
  auto history = std::make_unique<cindral::History>(engine);
  std::size_t played = 0;
  while (played < events.size() && history->StepCount() < cindral::History::kStepsKept) {
    PlayThrough(*history, events[played++]);
  }
  const std::size_t counted = history->MemoryBytes();
  const std::size_t steps = history->StepCount();
  const std::size_t before = heapLive;
  history.reset();
  const std::size_t heap = before - heapLive + sizeof(cindral::History);
  std::printf("  %s: %zu steps after %zu events: %.1f KiB by its own count, %.1f KiB of heap and object (%s)\n", what,
              steps, played, static_cast<double>(counted) / 1024, static_cast<double>(heap) / 1024,
              heap <= 1024 * 1024 ? "within 1 MiB" : "over 1 MiB");
}

// Each copy pasted through the history into the engine showing the copy
// before it, as the window pastes; then a megabyte refused, again and again.
void TimePastes() {
  const std::vector<std::string> copies = cindral::bench::CopiesOfSeededPlay(1000, 20261207);
  cindral::Engine engine;
  engine.Start();
  cindral::History history(engine, &cindral::RebuildCharacter);
  std::vector<double> pastes, refusals;
  long built = 0;
  for (const std::string& copy : copies) {
    const Clock::time_point t0 = Clock::now();
    built += history.Act(cindral::PasteCharacter(copy)).step;
    pastes.push_back(Since(t0));
  }
  const std::string megabyte = cindral::bench::AMegabyteOfText();
  for (int i = 0; i < 100; ++i) {
    const Clock::time_point t0 = Clock::now();
    history.Act(cindral::PasteCharacter(megabyte));
    refusals.push_back(Since(t0));
  }
  // Every 20th copy inside a megabyte of chat, each a step from the one before.
  std::vector<double> inChat;
  long builtInChat = 0;
  for (std::size_t i = 0; i < copies.size(); i += 20) {
    const std::string chat = cindral::bench::InsideAMegabyteOfChat(copies[i]);
    const Clock::time_point t0 = Clock::now();
    builtInChat += history.Act(cindral::PasteCharacter(chat)).step;
    inChat.push_back(Since(t0));
  }
  const Figures p = FiguresOf(pastes), r = FiguresOf(refusals), c = FiguresOf(inChat);
  std::printf("pasting: %zu copies of seeded play's characters through the history, %ld of them a step\n",
              copies.size(), built);
  std::printf("  per paste: median %.1f us, 99th percentile %.1f us, slowest %.1f us\n", p.median / 1000, p.p99 / 1000,
              p.max / 1000);
  std::printf("  a megabyte of text refused (100 times): median %.3f ms, slowest %.3f ms\n", r.median / 1e6,
              r.max / 1e6);
  std::printf("  a copy inside a megabyte of chat (%zu, %ld of them a step): median %.3f ms, slowest %.3f ms\n",
              inChat.size(), builtInChat, c.median / 1e6, c.max / 1e6);
  std::printf(
      "  goals: median at most 1 ms per paste: %s; a megabyte refused within 50 ms: %s; a copy inside a "
      "megabyte of chat, median at most 20 ms: %s\n",
      p.median <= 1e6 ? "met" : "missed", r.max <= 50e6 ? "met" : "missed", c.median <= 20e6 ? "met" : "missed");
}

// At every `every`th state the seeded events pass through, the preview of a
// click on one of the buttons and boxes, drawn from the seed, timed alone.
void TimePreviews(const std::vector<Action>& events, std::size_t every, std::uint64_t seed) {
  std::vector<cindral::Control> clickable;
  for (const cindral::Control& c : cindral::ReactingControls()) {
    if (c.kind != cindral::ControlKind::Caption) clickable.push_back(c);
  }
  cindral::test::SeededChoices choices(seed);
  cindral::Engine engine;
  engine.Start();
  std::vector<double> ns;
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < events.size(); ++i) {
    cindral::test::Apply(engine, events[i]);
    if ((i + 1) % every != 0) continue;
    const cindral::Control& control = clickable[choices.Below(static_cast<std::uint32_t>(clickable.size()))];
    const Clock::time_point t0 = Clock::now();
    const std::string preview = cindral::PreviewText(engine, control.name);
    ns.push_back(Since(t0));
    bytes += preview.size();
  }
  const Figures f = FiguresOf(ns);
  std::printf("previews: %zu clicks on buttons and boxes tried on a copy, %zu bytes of text in all\n", ns.size(),
              bytes);
  std::printf("  per preview: median %.2f us, 99th percentile %.2f us, slowest %.2f us\n", f.median / 1000,
              f.p99 / 1000, f.max / 1000);
  std::printf("  goal: median at most 50 us per preview: %s\n", f.median <= 50000 ? "met" : "missed");
}

}  // namespace

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 100000;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20240611;
  if (count <= 0) {
    std::fprintf(stderr, "usage: engine_bench [events] [seed]\n");
    return 2;
  }

  cindral::test::SeededChoices choices(seed);
  cindral::test::EventGenerator generator(choices);
  std::vector<Action> events;
  events.reserve(static_cast<std::size_t>(count));
  for (long i = 0; i < count; ++i) events.push_back(generator.Next());

  cindral::Engine engine;
  engine.Start();
  std::vector<double> ns;
  ns.reserve(events.size());
  std::map<std::string, std::vector<double>> byKind;
  const Clock::time_point started = Clock::now();
  for (const Action& event : events) {
    const Clock::time_point t0 = Clock::now();
    cindral::test::Apply(engine, event);
    const Clock::time_point t1 = Clock::now();
    ns.push_back(std::chrono::duration<double, std::nano>(t1 - t0).count());
  }
  const double totalSeconds = std::chrono::duration<double>(Clock::now() - started).count();
  for (std::size_t i = 0; i < events.size(); ++i) byKind[KindOf(events[i])].push_back(ns[i]);

  const Figures all = FiguresOf(ns);
  std::printf("engine_bench: %ld events, seed %llu\n", count, static_cast<unsigned long long>(seed));
  std::printf("  per event: median %.2f us, 99th percentile %.2f us, slowest %.2f us, mean %.2f us\n",
              all.median / 1000, all.p99 / 1000, all.max / 1000, all.mean / 1000);
  std::printf("  %.0f events per second (%.3f s in all, timing included)\n", static_cast<double>(count) / totalSeconds,
              totalSeconds);
  std::printf("  %-12s %8s %10s %10s %10s\n", "kind", "events", "median us", "p99 us", "mean us");
  for (const auto& [kind, times] : byKind) {
    const Figures f = FiguresOf(times);
    std::printf("  %-12s %8zu %10.2f %10.2f %10.2f\n", kind.c_str(), times.size(), f.median / 1000, f.p99 / 1000,
                f.mean / 1000);
  }
  std::printf("  goal: median at most 5 us per event: %s\n", all.median <= 5000 ? "met" : "missed");
  // The final sheet is printed so that the work cannot be optimised away.
  std::printf("  final sheet: race %zu bytes, ST %s, Traits Left %s, Tags Left %s\n",
              engine.sheet().Text(cindral::Field::race).size(), engine.sheet().Text(cindral::Field::st).c_str(),
              engine.sheet().Text(cindral::Field::traits).c_str(), engine.sheet().Text(cindral::Field::tags).c_str());

  std::printf("\n");
  TimeHistory(events, 5000);
  std::printf("memory of a full history:\n");
  MeasureHistory("the seeded events", events);
  std::vector<Action> clicks;
  for (const Action& event : events) {
    if (event.kind == Action::Kind::Click || event.kind == Action::Kind::PickRace) clicks.push_back(event);
  }
  MeasureHistory("clicks and race picks only", clicks);
  // The most a step can hold: every step a 10,000-byte text replacing another.
  std::vector<Action> longTexts;
  for (int i = 0; i < 2000; ++i) {
    const std::string text(10000, static_cast<char>('a' + i % 26));
    longTexts.push_back(i % 2 == 0 ? cindral::TypeRace(text) : cindral::TypeName(text));
  }
  MeasureHistory("every step a 10,000-byte text", longTexts);
  std::printf("\n");
  TimePastes();
  std::printf("\n");
  TimePreviews(events, 5, seed);
  return 0;
}
