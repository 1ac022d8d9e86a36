#!/usr/bin/env bash
# Start-up and peak memory of the program beside a bare window (one label):
# the time from starting the process to its first paint, the median of
# several runs each, and the largest resident size, all offscreen. Both
# programs print "shown" after their first paint and exit when
# CINDRAL_QUIT_AFTER_SHOWN=1. Figures are printed, never judged.
#
# Given bench/window_texts and bench/text_floor as well, it also measures
# the floor under the program's figures, in the same interleaved runs: the
# window's own texts drawn by one widget of its size, and the same with an
# empty widget for every control the window has.
#
# bench/startup_bench.sh PROGRAM BARE_WINDOW [RUNS [WINDOW_TEXTS TEXT_FLOOR]]
set -euo pipefail

usage="usage: startup_bench.sh PROGRAM BARE_WINDOW [RUNS [WINDOW_TEXTS TEXT_FLOOR]]"
program=${1:?$usage}
bare=${2:?$usage}
runs=${3:-20}
window_texts=${4:-}
text_floor=${5:-}
export QT_QPA_PLATFORM=offscreen CINDRAL_QUIT_AFTER_SHOWN=1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

# Microseconds from the start of the process to its "shown".
startup_us() {
  local start line
  start=$(date +%s%N)
  line=$("$@" 2>/dev/null | head -n 1)
  [ "$line" = shown ] || { echo "startup_bench: $* did not print \"shown\"" >&2; exit 1; }
  echo $(( ($(date +%s%N) - start) / 1000 ))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# Peak resident memory in KiB, the median of a few runs.
peak_kib() {
  for _ in 1 2 3 4 5; do
    /usr/bin/time -f %M -o /dev/stdout "$@" 2>/dev/null | tail -n 1
  done | median
}

# The programs compared, the program first and the bare window last.
kinds=(program)
labels=("program")
if [ -n "$window_texts" ]; then
  texts=$(mktemp)
  trap 'rm -f "$texts"' EXIT
  "$window_texts" "$texts" 2>/dev/null || { echo "startup_bench: $window_texts failed" >&2; exit 1; }
  kinds+=(texts widgets)
  labels+=("its texts alone" "its texts and empty widgets")
fi
kinds+=(bare)
labels+=("bare window")

# Sets argv to the command line of the I-th program.
argv_of() {
  case ${kinds[$1]} in
    program) argv=("$program") ;;
    texts) argv=("$text_floor" "$texts") ;;
    widgets) argv=("$text_floor" "$texts" --widgets) ;;
    bare) argv=("$bare") ;;
  esac
}

# One run of each first, so that none is timed with a cold disk cache.
for i in "${!kinds[@]}"; do
  argv_of "$i"
  startup_us "${argv[@]}" >/dev/null
done
times=()
for _ in $(seq "$runs"); do  # interleaved, so that a busy moment hits all
  for i in "${!kinds[@]}"; do
    argv_of "$i"
    times[i]+="$(startup_us "${argv[@]}") "
  done
done
ms=() kib=()
for i in "${!kinds[@]}"; do
  argv_of "$i"
  ms[i]=$(printf '%s\n' ${times[i]} | median)
  kib[i]=$(peak_kib "${argv[@]}")
done
last=$(( ${#kinds[@]} - 1 ))

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
# Judged on the exact ratio of A to B, not on the two decimals printed.
verdict() { awk -v a="$1" -v b="$2" -v goal="$3" 'BEGIN { print (a <= goal * b) ? "met" : "missed" }'; }
echo "startup_bench: median of $runs interleaved runs each, offscreen; ratios to the bare window"
printf '  %-28s %12s %7s %12s %7s\n' "" "first paint" "ratio" "peak memory" "ratio"
for i in "${!kinds[@]}"; do
  printf '  %-28s %9.1f ms %7s %8d KiB %7s\n' "${labels[i]}" "$(awk -v v="${ms[i]}" 'BEGIN { print v / 1000 }')" \
    "$(ratio "${ms[i]}" "${ms[last]}")" "${kib[i]}" "$(ratio "${kib[i]}" "${kib[last]}")"
done
echo "  goal: start-up at most 1.2 x the bare window: $(verdict "${ms[0]}" "${ms[last]}" 1.2)"
echo "  goal: peak memory at most 1.15 x the bare window: $(verdict "${kib[0]}" "${kib[last]}" 1.15)"
