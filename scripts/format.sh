#!/usr/bin/env bash
# Formats every C++ source and header of the tree with the checked-in
# .clang-format; with --check it changes nothing and fails, naming the
# files, when any of them is not formatted (part of scripts/test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi

if [ "${1:-}" = --check ]; then
  if ! clang-format --dry-run --Werror "${files[@]}" 2>/dev/null; then
    echo "Not formatted (run bash scripts/format.sh):" >&2
    for f in "${files[@]}"; do
      clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || echo "  $f" >&2
    done
    exit 1
  fi
  echo "${#files[@]} files formatted"
else
  clang-format -i "${files[@]}"
fi
