// Figures of a list of timings, shared by the benchmarks.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace cindral::bench {

struct Figures {
  double median, p99, max, mean;
};

// No timings at all (a run too short for any undo) give no figures: zeros.
inline Figures FiguresOf(std::vector<double> ns) {
  if (ns.empty()) return {0, 0, 0, 0};
  std::sort(ns.begin(), ns.end());
  double sum = 0;
  for (const double t : ns) sum += t;
  const auto at = [&](double q) { return ns[static_cast<std::size_t>(q * static_cast<double>(ns.size() - 1))]; };
  return {at(0.5), at(0.99), ns.back(), sum / static_cast<double>(ns.size())};
}

}  // namespace cindral::bench
