#!/usr/bin/env bash
# Plants each fault of scripts/mutants.faults, one at a time, in a scratch
# copy of the last commit, builds there the tests that can catch a fault in
# that file's library and runs them, and prints for every fault the tests
# that caught it; at the end the faults that no test caught. A fault in the
# Qt-free libraries (sheet/, rules/, explain/, exchange/, history/) runs the
# engine suite and the seeded random sequences (at a fifth of their usual
# length); a fault in the window (ui/) runs the window tests, offscreen.
# Exits with status 1 if any fault survived. An extra run, not part of the
# test command; about half an hour on two cores.
#
# scripts/mutants.sh [--check] [NAME...]
#   --check  only check that every fault's text stands exactly once in its file
#   NAME     plant only the faults of these names
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
faults=$source/scripts/mutants.faults

check_only=no
if [ "${1:-}" = --check ]; then check_only=yes; shift; fi
wanted=("$@")

# Replaces the one place of OLD in FILE with NEW (both literal, "\n" a line
# break); fails if OLD does not stand exactly once.
plant() {
  OLD=$2 NEW=$3 perl -0777 -i -pe '
    BEGIN { ($old, $new) = map { s/\\n/\n/gr } ($ENV{OLD}, $ENV{NEW}); $new = "" if $new eq "<nothing>"; }
    $n = () = /\Q$old\E/g;
    die "stands $n times\n" unless $n == 1;
    s/\Q$old\E/$new/;
  ' "$1"
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
git archive HEAD | tar -C "$scratch" -xf -

names=() files=() olds=() news=() whats=()
while IFS=$'\t' read -r name file old new what; do
  [[ -z $name || $name == \#* ]] && continue
  if [ ${#wanted[@]} -gt 0 ] && [[ ! " ${wanted[*]} " == *" $name "* ]]; then continue; fi
  names+=("$name") files+=("$file") olds+=("$old") news+=("$new") whats+=("$what")
done < "$faults"

if [ "$check_only" = yes ]; then
  status=0
  for i in "${!names[@]}"; do
    cp "$scratch/${files[i]}" "$scratch/check"
    if ! plant "$scratch/check" "${olds[i]}" "${news[i]}" 2>"$scratch/why"; then
      echo "${names[i]}: ${files[i]}: the text replaced $(cat "$scratch/why")"
      status=1
    fi
  done
  echo "${#names[@]} faults checked"
  exit "$status"
fi

bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
export CINDRAL_RANDOM_SEQUENCES=50
build=$scratch/build
engine_targets=(engine_tests random_sequence_tests)
mapfile -t window_targets < <(sed -n 's/^cindral_window_test(\([a-z_]*\) .*/\1/p' "$scratch/tests/window/CMakeLists.txt")

cmake -S "$scratch" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${engine_targets[@]}" "${window_targets[@]}" >/dev/null

# The tests of a library that failed, one name a line: the engine suite's
# and the random sequences' by their GoogleTest names, the window tests' as
# program::function.
# A program that fails without naming a test (a crash, a hang cut off after
# five minutes) is named itself.
failures_of() {
  local program=$1 pattern=$2 status=0
  shift 2
  (cd "$build" && timeout 300 "./$program" "$@" >"$scratch/run.log" 2>&1) || status=$?
  local failed
  failed=$(sed -n "$pattern" "$scratch/run.log" | grep -v '^[0-9]* tests\?$' || true)
  if [ -n "$failed" ]; then echo "$failed"; elif [ "$status" -ne 0 ]; then echo "$program::exit-status-$status"; fi
}
engine_failures() {
  for program in "${engine_targets[@]}"; do
    failures_of "$program" 's/^\[  FAILED  \] \([^ ,]*\).*/\1/p' --gtest_brief=1
  done
}
window_failures() {
  for program in "${window_targets[@]}"; do
    failures_of "$program" "s/^FAIL!  : [A-Za-z]*::\([A-Za-z0-9_]*\)(.*/$program::\1/p"
  done
}

suite_of() { case $1 in ui/*) echo window ;; *) echo engine ;; esac; }

for suite in engine window; do
  if [ -n "$(${suite}_failures)" ]; then
    echo "the $suite tests fail before any fault is planted" >&2
    exit 2
  fi
done
echo "${#names[@]} faults, each planted alone; the tests of its library run after each"
echo

survived=()
declare -A caught_in=([engine]=0 [window]=0 [build]=0)
for i in "${!names[@]}"; do
  file=$scratch/${files[i]}
  suite=$(suite_of "${files[i]}")
  cp "$file" "$scratch/original"
  if ! plant "$file" "${olds[i]}" "${news[i]}" 2>"$scratch/why"; then
    echo "${names[i]}: cannot be planted: the text replaced $(cat "$scratch/why")" >&2
    exit 2
  fi
  if [ "$suite" = window ]; then targets=("${window_targets[@]}"); else targets=("${engine_targets[@]}"); fi
  if ! cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >"$scratch/build.log" 2>&1; then
    caught=build
    grep -m3 -E "error" "$scratch/build.log" >&2 || true
  else
    caught=$(${suite}_failures | sort -u | paste -sd ' ' -)
  fi
  cp "$scratch/original" "$file"
  touch "$file"
  if [ -z "$caught" ]; then
    survived+=("${names[i]}")
    printf '%-30s %-7s SURVIVED   %s\n' "${names[i]}" "$suite" "${whats[i]}"
  elif [ "$caught" = build ]; then
    caught_in[build]=$((caught_in[build] + 1))
    printf '%-30s %-7s caught by the build (a check at compile time)\n' "${names[i]}" "$suite"
  else
    caught_in[$suite]=$((caught_in[$suite] + 1))
    count=$(wc -w <<<"$caught")
    printf '%-30s %-7s caught by %3d: %s\n' "${names[i]}" "$suite" "$count" "$(cut -c1-200 <<<"$caught")"
  fi
done

echo
echo "by library:"
for i in "${!names[@]}"; do echo "${files[i]%%/*}"; done | sort | uniq -c | sed 's/^/  /'
echo "caught by the engine suite and the random sequences: ${caught_in[engine]}, by the window tests: ${caught_in[window]}, by the build: ${caught_in[build]}"
if [ ${#survived[@]} -eq 0 ]; then
  echo "every one of the ${#names[@]} faults was caught"
else
  echo "${#survived[@]} of ${#names[@]} faults survived: ${survived[*]}"
  exit 1
fi
