#!/usr/bin/env bash
# Builds the engine, the window and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan and runs the tests there without
# a display. Any sanitizer report fails the run: every error stops the
# program at once with a failing status, and an AddressSanitizer or
# LeakSanitizer report that a test's exit status might hide is still caught
# in the log files they write. Only leaks inside Qt, fontconfig and other
# system libraries may be suppressed (tests/support/lsan.supp).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-asan
logs="$PWD/$build/sanitizer-logs"
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

export QT_QPA_PLATFORM=offscreen
# The random sequences run 200,000 events here instead of 1,000,000: the
# sanitizers make every event some fifteen times slower.
export CINDRAL_RANDOM_SEQUENCES=50
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$logs/asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$logs/ubsan"
export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags"
rm -rf "$logs"
mkdir -p "$logs"
cmake --build "$build" -j"$(nproc)"

# The package test builds and installs a Debian package; it tests packaging,
# not code, and is left to the normal test run.
status=0
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -E '^package$' || status=$?

if compgen -G "$logs/*" > /dev/null; then
  echo "Sanitizer reports:" >&2
  for report in "$logs"/*; do
    echo "== $report" >&2
    cat "$report" >&2
  done
  exit 1
fi
exit "$status"
