#!/bin/sh
# calc_pairs.sh [TARVEL_CALC] [PAIRS]
# Times a batch run of tarvel-calc --json path on PAIRS random pairs of positions (a million by
# default), read from a file and written to /dev/null, pinned to one core. The file is made once
# by awk with a fixed seed, in the scratch folder, and removed at the end. Prints, for the best of
# three runs, the wall-clock time and the processor time (user and system, from the shell's
# `times`), in pairs a second: on a shared machine the wall clock also counts the time the
# program waited for the core.
set -eu
pairs=${2:-1000000}
. "$(dirname "$0")/calc_program.sh"
input="$work/pairs.txt"
awk -v n="$pairs" 'BEGIN {
  srand(17)
  for (i = 0; i < n; i++)
    printf "%.4f,%.4f %.4f,%.4f\n", rand() * 180 - 90, rand() * 360 - 180,
                                     rand() * 180 - 90, rand() * 360 - 180
}' >"$input"

pin=""
if command -v taskset >/dev/null 2>&1; then pin="taskset -c 0"; fi
rate() { echo "$1 $pairs" | awk '{ printf "%d ms, %.2f million pairs a second", $1, $2 / $1 / 1000 }'; }
best="" best_cpu=""
for run in 1 2 3; do
  started=$(date +%s%N)
  # `times` in the subshell: its second line is the processor time of the finished program.
  cpu=$( (
    $pin "$program" --json path <"$input" >"$work/out.jsonl"
    times
  ) | awk 'NR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/)
                     printf "%d", (u[1] * 60 + u[2] + s[1] * 60 + s[2]) * 1000 }')
  milliseconds=$((($(date +%s%N) - started) / 1000000))
  lines=$(wc -l <"$work/out.jsonl")
  [ "$lines" -eq "$pairs" ] || { echo "run $run: $lines results for $pairs pairs"; exit 1; }
  echo "run $run: wall clock $(rate "$milliseconds"); processor $(rate "$cpu")"
  if [ -z "$best" ] || [ "$milliseconds" -lt "$best" ]; then best=$milliseconds; fi
  if [ -z "$best_cpu" ] || [ "$cpu" -lt "$best_cpu" ]; then best_cpu=$cpu; fi
done
echo "best of 3, $pairs pairs: wall clock $(rate "$best"); processor $(rate "$best_cpu")"
