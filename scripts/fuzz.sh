#!/bin/sh
# Builds the libFuzzer targets with clang++-14 (AddressSanitizer and UndefinedBehaviorSanitizer on
# the whole core) and runs each for SECONDS (default 60) on a copy of its starting corpus in
# fuzz/corpus/. Exits non-zero when any target crashes, hangs or runs out of memory; the input
# that did it is kept in build-fuzz/fuzz-runs/<target>/artifacts/. Skips when clang++-14 is absent.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets="fuzz_settings_reader fuzz_window"

if ! command -v clang++-14 >/dev/null 2>&1; then
  echo "fuzz: clang++-14 is not installed, skipping the fuzz runs"
  exit 0
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

status=0
for target in $targets; do
  work=build-fuzz/fuzz-runs/$target
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp fuzz/corpus/"$target"/* "$work/corpus/"
  echo "== $target: $seconds s"
  if ./build-fuzz/fuzz/"$target" -max_total_time="$seconds" -max_len=4096 -timeout=30 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log" 2>&1; then
    grep -E '^#[0-9]+' "$work/log" | tail -1
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/log"
    echo "corpus: $(ls "$work/corpus" | wc -l) inputs"
  else
    status=1
    echo "$target FAILED; input kept in $work/artifacts/"
    tail -40 "$work/log"
  fi
done
exit $status
