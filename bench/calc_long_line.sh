#!/bin/sh
# calc_long_line.sh [TARVEL_CALC] [MEGABYTES]
# Times one batch run of tarvel-calc locator on a standard input of one line of MEGABYTES (200
# by default) without a newline, read from a file, beside a run on a small input of one good
# line; /usr/bin/time -v gives each run's wall clock, processor time (user and system) and peak
# resident memory. The long line must be refused with its line number (status 2). Goal: under 1 s
# of wall clock, and under 10 MB of peak memory more than the small input; the script fails when
# either is missed.
set -eu
megabytes=${2:-200}
. "$(dirname "$0")/calc_program.sh"
head -c "$((megabytes * 1024 * 1024))" /dev/zero | tr '\0' 'J' >"$work/long.txt"
echo "JN18EU" >"$work/small.txt"

# run NAME: the figures of one run on $work/NAME.txt, as "SECONDS PROCESSOR KILOBYTES STATUS".
run() {
  status=0
  /usr/bin/time -v -o "$work/$1.time" "$program" locator <"$work/$1.txt" >/dev/null \
    2>"$work/$1.err" || status=$?
  awk -v status="$status" '
    /Elapsed \(wall clock\)/ { n = split($NF, t, ":"); s = 0
                               for (i = 1; i <= n; i++) s = s * 60 + t[i] }
    /User time|System time/ { cpu += $NF }
    /Maximum resident set size/ { kb = $NF }
    END { printf "%.2f %.2f %d %d\n", s, cpu, kb, status }' "$work/$1.time"
}

set -- $(run small)
small_kb=$3
set -- $(run long)
seconds=$1 processor=$2 long_kb=$3 status=$4
extra_mb=$(awk -v a="$long_kb" -v b="$small_kb" 'BEGIN { printf "%.1f", (a - b) / 1024 }')
echo "small input: peak $small_kb kB"
echo "$megabytes MB line: $seconds s ($processor s of processor), peak $long_kb kB" \
  "($extra_mb MB more), status $status"
echo "its message: $(head -c 200 "$work/long.err")"
[ "$status" -eq 2 ] && grep -q 'ligne 1 ' "$work/long.err" ||
  { echo "the long line was not refused with its line number"; exit 1; }
awk -v s="$seconds" -v mb="$extra_mb" 'BEGIN { exit !(s < 1 && mb < 10) }' ||
  { echo "goal missed: under 1 s and under 10 MB more"; exit 1; }
