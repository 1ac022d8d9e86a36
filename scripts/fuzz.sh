#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz and runs each for the given
# seconds (60 by default), keeping its corpus in build-fuzz/corpus/<target>
# between runs. A crash or a broken rule fails the run and leaves the input
# that caused it in build-fuzz/artifacts/.
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

bash scripts/deps.sh --fuzz
CXX=clang++-14 cmake -S fuzz -B build-fuzz
cmake --build build-fuzz -j2

mkdir -p build-fuzz/artifacts
seeds=build-fuzz/corpus/number_text_fuzz
if [ ! -d "$seeds" ]; then
  mkdir -p "$seeds"
  # A few texts the sheet holds, to start from.
  for text in 5 -3 0 175 25% 0/40 " 12" 2.5 -0.25; do
    printf '%s' "$text" > "$seeds/$(printf '%s' "$text" | md5sum | cut -c1-16)"
  done
fi
seeds=build-fuzz/corpus/summary_reader_fuzz
if [ ! -d "$seeds" ]; then
  mkdir -p "$seeds"
  # A copied character and a few lines a person might paste, to start from.
  printf '%s\n' "Cindral PnP Character Generator 1.0" "" "Name: Rex\\n the \\x01 dog" \
    "Race: Robot (typed, not picked; trait boxes follow Dog)" "" "Primary Stats" "Strength: 7" "Perception: 5" \
    "Endurance: 5" "Charisma: 5" "Intelligence: 3" "Agility: 9" "Luck: 5" "Char Points: 1" "" "Traits: Small Frame" \
    "" "Skills" "Small Guns: 45% (tagged)" "Unarmed: 70% (tagged, box closed)" "" "Secondary Stats" \
    "Hit Points: 32" "Gas Res.: 0/0" "" "Extra: Small Frame. +1 Agility." >"$seeds/dog"
  printf 'race: super-mutant\r\nSTRENGTH: 3\r\ntraits: gifted, bruiser\r\n' >"$seeds/partial"
fi
if [ ! -f "$seeds/chat" ]; then
  # A copy in a chat: lines before and after it, a prefix on each line, the
  # window's abbreviations, a zero fraction and a tag's star; and two copies.
  printf '%s\n' "[20:13] <bob> show me" "[20:14] <mara> Cindral PnP Character Generator 1.0" "[20:14] <mara> Name: Mara" \
    "[20:14] <mara> Race: Human" "[20:14] <mara> ST: 7.0" "[20:14] <mara> pe: 5" "[20:14] <mara> EN: 5" \
    "[20:14] <mara> CH: 5" "[20:14] <mara> IN: 5" "[20:14] <mara> AG: 5" "[20:14] <mara> LU: 3" \
    "[20:14] <mara> Traits: Bruiser" "[20:14] <mara> * Small Guns: 45%" "[20:14] <mara> Sneak: 35% (tag)" \
    "[20:14] <mara> Check: Nothing to question" "[20:15] <bob> nice" >"$seeds/chat"
  printf '%s\n' "> Name: A" "> Race: Dog" "> ST: 5" "> PE: 5" "> EN: 5" "> CH: 5" "> IN: 3" "> AG: 5" "> LU: 5" \
    "" "Name: B" "Race: Robot" "Strength: 7" >"$seeds/two"
fi
for target in number_text_fuzz event_stream_fuzz summary_reader_fuzz summary_writer_fuzz; do
  mkdir -p "build-fuzz/corpus/$target"
  echo "== $target, $seconds s"
  "build-fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
    -artifact_prefix=build-fuzz/artifacts/ "build-fuzz/corpus/$target"
done
