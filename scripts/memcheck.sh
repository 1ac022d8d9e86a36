#!/usr/bin/env bash
# Runs the window under the memory checker: start-up, 1,000 clicks on the
# buttons, boxes and captions (500 of them each followed by a repaint), and
# the ordinary end of the program, offscreen. Any invalid read or write, use
# of an uninitialised value, or block definitely lost fails the run; only
# what comes from Qt, fontconfig, glib and other system libraries is
# suppressed (tests/support/valgrind.supp), never the program's own code.
#
# scripts/memcheck.sh [--gen-suppressions]   (the latter prints candidates)
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-wproof
scripts/deps.sh valgrind
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCINDRAL_TESTS=OFF -DCINDRAL_BENCH=ON >/dev/null
nice cmake --build "$build" -j2 --target window_bench >/dev/null

extra=()
[ "${1:-}" != --gen-suppressions ] || extra+=(--gen-suppressions=all)
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
start=$(date +%s)
valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
  --show-leak-kinds=definite --num-callers=40 --suppressions=tests/support/valgrind.supp "${extra[@]}" \
  "$build/window_bench" 500
echo "memcheck: no errors, no block definitely lost ($(( $(date +%s) - start )) s)"
