#!/bin/sh
# adif_fill.sh [TARVEL_CALC] [RECORDS]
# Times tarvel-calc adif filling the distances of a generated log of RECORDS records (3.2 million
# by default, about 1 GB), read as a stream from standard input and written to /dev/null, pinned
# to one core, beside `cat` of the same file as the floor. The log is made once by awk with a fixed
# seed, in the shape WSJT-X writes (a 4- or 6-character square, one record in ten without), in
# the scratch folder, and removed at the end. Prints, for each of three runs and then the best,
# the processor time (user and system, from GNU time) in MB a second, the wall clock, and the
# peak resident memory.
set -eu
program=${1:-build/calc/tarvel-calc}
records=${2:-3200000}
[ -x "$program" ] || { echo "no $program: build it first (cmake --build --preset release)"; exit 1; }
[ -x /usr/bin/time ] || { echo "no /usr/bin/time: apt-get install time"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log="$work/log.adi"
awk -v records="$records" '
function square(n,   s) {
  s = substr(L, int(rand() * 18) + 1, 1) substr(L, int(rand() * 18) + 1, 1) int(rand() * 10) \
      int(rand() * 10)
  if (n == 6) s = s substr(l, int(rand() * 24) + 1, 1) substr(l, int(rand() * 24) + 1, 1)
  return s
}
function field(name, value) { return "<" name ":" length(value) ">" value " " }
BEGIN {
  srand(27)
  L = "ABCDEFGHIJKLMNOPQR"; l = "abcdefghijklmnopqrstuvwx"
  printf "ADIF Export\n<adif_ver:5>3.1.0\n<programid:6>WSJT-X\n<eoh>\n"
  for (i = 0; i < records; i++) {
    printf "%s%s%s%s%s%s%s%s%s%s%s%s%s%s%s<eor>\n", field("call", "F" int(rand() * 10) "AB" i % 1000),
      field("gridsquare", rand() < 0.1 ? "" : square(rand() < 0.5 ? 4 : 6)), field("mode", "FT8"),
      field("rst_sent", "-" int(rand() * 20)), field("rst_rcvd", "-" int(rand() * 20)),
      field("qso_date", "20261207"), field("time_on", "123456"), field("qso_date_off", "20261207"),
      field("time_off", "123512"), field("band", "20m"), field("freq", "14.075123"),
      field("station_callsign", "F4ABC"), field("my_gridsquare", "JN18EU"),
      field("tx_pwr", "100"), field("comment", "FT8  Sent: -10  Rcvd: -12  tnx fer QSO 73")
  }
}' >"$log"
size=$(wc -c <"$log")
echo "log: $records records, $size bytes"

pin=""
if command -v taskset >/dev/null 2>&1; then pin="taskset -c 0"; fi
# GNU time's figures: processor seconds (user + system), wall seconds, peak resident KB.
measure() {
  /usr/bin/time -f "%U %S %e %M" -o "$work/time" "$@" <"$log" >/dev/null 2>"$work/stderr" ||
    { cat "$work/stderr"; exit 1; }
  awk -v size="$size" '{ cpu = $1 + $2
    printf "processor %.2f s, %d MB/s; wall clock %.2f s; peak memory %.1f MB", cpu,
           size / cpu / 1e6, $3, $4 / 1024 }' "$work/time"
}
for run in 1 2 3; do
  echo "run $run: cat: $(measure $pin cat)"
  echo "run $run: adif: $(measure $pin "$program" adif)"
  tail -1 "$work/stderr"
done | tee "$work/runs"
for name in cat adif; do
  grep ": $name: " "$work/runs" | sed 's/.*: processor/processor/' |
    sort -k2 -n | head -1 | sed "s/^/best of 3, $name: /"
done
