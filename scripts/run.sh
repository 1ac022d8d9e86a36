#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCINDRAL_TESTS=OFF
cmake --build build -j"$(nproc)"
if [ -x build/cindral ]; then
  exec build/cindral
else
  echo "Engine built; the window comes next."
fi
