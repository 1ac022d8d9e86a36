#!/usr/bin/env bash
# Plants each fault of scripts/mutants.faults, one at a time, in a scratch
# copy of the last commit, builds the engine suite there and runs it (the
# rules' help texts are checked by that suite too), and prints
# for every fault the tests that caught it; at the end the faults that no
# test caught. Exits with status 1 if any fault survived. An extra run, not
# part of the test command; about ten minutes on two cores.
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
build=$scratch/build
cmake -S "$scratch" -B "$build" -DCINDRAL_WINDOW=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j"$(nproc)" --target engine_tests >/dev/null
"$build/engine_tests" --gtest_brief=1 >/dev/null || { echo "the engine suite fails before any fault is planted" >&2; exit 2; }
echo "${#names[@]} faults, each planted alone; the engine suite runs after each"
echo

survived=()
for i in "${!names[@]}"; do
  file=$scratch/${files[i]}
  cp "$file" "$scratch/original"
  if ! plant "$file" "${olds[i]}" "${news[i]}" 2>"$scratch/why"; then
    echo "${names[i]}: cannot be planted: the text replaced $(cat "$scratch/why")" >&2
    exit 2
  fi
  if ! cmake --build "$build" -j"$(nproc)" --target engine_tests >"$scratch/build.log" 2>&1; then
    caught=build
    grep -m3 -E "error" "$scratch/build.log" >&2 || true
  else
    caught=$("$build/engine_tests" --gtest_brief=1 2>&1 | sed -n 's/^\[  FAILED  \] \([^ ,]*\).*/\1/p' | sort -u |
      grep -v '^[0-9]* tests\?$' | paste -sd ' ' -) || true
  fi
  cp "$scratch/original" "$file"
  touch "$file"
  if [ -z "$caught" ]; then
    survived+=("${names[i]}")
    printf '%-30s SURVIVED   %s\n' "${names[i]}" "${whats[i]}"
  elif [ "$caught" = build ]; then
    printf '%-30s caught by the build (a check at compile time)\n' "${names[i]}"
  else
    count=$(wc -w <<<"$caught")
    printf '%-30s caught by %3d: %s\n' "${names[i]}" "$count" "$(cut -c1-200 <<<"$caught")"
  fi
done

echo
if [ ${#survived[@]} -eq 0 ]; then
  echo "every one of the ${#names[@]} faults was caught"
else
  echo "${#survived[@]} of ${#names[@]} faults survived: ${survived[*]}"
  exit 1
fi
