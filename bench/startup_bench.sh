#!/usr/bin/env bash
# Start-up and peak memory of the program beside a bare window (one label):
# the time from starting the process to its first paint, the median of
# several runs each, and the largest resident size, all offscreen. Both
# programs print "shown" after their first paint and exit when
# CINDRAL_QUIT_AFTER_SHOWN=1. Figures are printed, never judged.
#
# bench/startup_bench.sh PROGRAM BARE_WINDOW [RUNS]
set -euo pipefail

program=${1:?usage: startup_bench.sh PROGRAM BARE_WINDOW [RUNS]}
bare=${2:?usage: startup_bench.sh PROGRAM BARE_WINDOW [RUNS]}
runs=${3:-20}
export QT_QPA_PLATFORM=offscreen CINDRAL_QUIT_AFTER_SHOWN=1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

# Microseconds from the start of the process to its "shown".
startup_us() {
  local start line
  start=$(date +%s%N)
  line=$("$1" 2>/dev/null | head -n 1)
  [ "$line" = shown ] || { echo "startup_bench: $1 did not print \"shown\"" >&2; exit 1; }
  echo $(( ($(date +%s%N) - start) / 1000 ))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# Peak resident memory in KiB, the median of a few runs.
peak_kib() {
  for _ in 1 2 3 4 5; do
    /usr/bin/time -f %M -o /dev/stdout "$1" 2>/dev/null | tail -n 1
  done | median
}

# One run of each first, so that neither is timed with a cold disk cache.
startup_us "$program" >/dev/null
startup_us "$bare" >/dev/null
program_times=() bare_times=()
for _ in $(seq "$runs"); do  # interleaved, so that a busy moment hits both
  program_times+=("$(startup_us "$program")")
  bare_times+=("$(startup_us "$bare")")
done
program_ms=$(printf '%s\n' "${program_times[@]}" | median)
bare_ms=$(printf '%s\n' "${bare_times[@]}" | median)
program_kib=$(peak_kib "$program")
bare_kib=$(peak_kib "$bare")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v goal="$2" 'BEGIN { print (r <= goal) ? "met" : "missed" }'; }
start_ratio=$(ratio "$program_ms" "$bare_ms")
memory_ratio=$(ratio "$program_kib" "$bare_kib")
echo "startup_bench: median of $runs runs each, offscreen"
printf '  %-26s %12s %12s %8s\n' "" "program" "bare window" "ratio"
printf '  %-26s %9.1f ms %9.1f ms %8s\n' "start to first paint" \
  "$(awk -v v="$program_ms" 'BEGIN { print v / 1000 }')" "$(awk -v v="$bare_ms" 'BEGIN { print v / 1000 }')" "$start_ratio"
printf '  %-26s %8d KiB %8d KiB %8s\n' "peak resident memory" "$program_kib" "$bare_kib" "$memory_ratio"
echo "  goal: start-up at most 1.2 x the bare window: $(verdict "$start_ratio" 1.2)"
echo "  goal: peak memory at most 1.15 x the bare window: $(verdict "$memory_ratio" 1.15)"
