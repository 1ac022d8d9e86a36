#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCINDRAL_TESTS=OFF
cmake --build build -j"$(nproc)" --target cindral
exec build/cindral
