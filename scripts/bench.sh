#!/usr/bin/env bash
# Every timing and memory figure of the program, from a Release build in
# build-bench: the engine per event, the window per click, start-up and peak
# memory beside a bare window and beside the floor under them (the window's
# texts alone, and with an empty widget per control). Prints the machine
# first. Figures are printed and read against their goals; no figure fails
# the run.
#
# scripts/bench.sh [--clicks N] [--runs N]
set -euo pipefail
cd "$(dirname "$0")/.."

clicks=5000
runs=20
while [ $# -gt 0 ]; do
  case $1 in
    --clicks) clicks=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) echo "usage: scripts/bench.sh [--clicks N] [--runs N]" >&2; exit 2 ;;
  esac
done

scripts/deps.sh time
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DCINDRAL_TESTS=OFF -DCINDRAL_BENCH=ON >/dev/null
nice cmake --build build-bench -j2 --target cindral engine_bench window_bench bare_window window_texts text_floor >/dev/null

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(uname -sr)"
echo
build-bench/engine_bench
echo
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)} \
  build-bench/window_bench "$clicks" 2> >(grep -v 'does not support' >&2)
echo
bench/startup_bench.sh build-bench/cindral build-bench/bare_window "$runs" build-bench/window_texts build-bench/text_floor
