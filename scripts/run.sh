#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
# The window needs a desktop session; say so before building, not after.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "scripts/run.sh: the window needs a graphical desktop session (X11 or Wayland); scripts/test.sh runs every test without one" >&2
  exit 1
fi
bash scripts/deps.sh
cmake -S . -B build -DCINDRAL_TESTS=OFF
cmake --build build -j"$(nproc)" --target cindral
exec build/cindral
