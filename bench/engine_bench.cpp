// How long the engine takes over one player event: a fixed seeded sequence
// of 100,000 events played into one engine, each timed on its own. Prints
// the median, the 99th percentile and the slowest event, the events per
// second, and the same figures for each kind of event. Times are printed,
// never judged: the run always succeeds.
//
// engine_bench [events] [seed]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "event_generator.h"
#include "timing.h"

namespace {

using cindral::test::Event;
using Clock = std::chrono::steady_clock;

// What kind of event it is, for the figures per kind.
std::string KindOf(const Event& event) {
  switch (event.kind) {
    case Event::Kind::PickRace: return "race pick";
    case Event::Kind::TypeRace: return "race typed";
    case Event::Kind::TypeName: return "name typed";
    case Event::Kind::Click: break;
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
  std::vector<Event> events;
  events.reserve(static_cast<std::size_t>(count));
  for (long i = 0; i < count; ++i) events.push_back(generator.Next());

  cindral::Engine engine;
  engine.Start();
  std::vector<double> ns;
  ns.reserve(events.size());
  std::map<std::string, std::vector<double>> byKind;
  const Clock::time_point started = Clock::now();
  for (const Event& event : events) {
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
  std::printf("  %.0f events per second (%.3f s in all, timing included)\n",
              static_cast<double>(count) / totalSeconds, totalSeconds);
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
  return 0;
}
