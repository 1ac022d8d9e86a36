#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test without a
# display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/format.sh --check
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-test
cmake --build build-test -j"$(nproc)"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
bash scripts/sanitize.sh
