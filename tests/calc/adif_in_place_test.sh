#!/bin/sh
# adif_in_place_test.sh PROGRAM [--no-address-space-limit]
# tarvel-calc adif --in-place on the disk: the log replaced through its symbolic link with its
# mode kept; left as it was, with no temporary file behind, when a record cannot be read, when
# nothing changes, and when the new file cannot be written (a file size limit); and a record
# whose DISTANCE comes before a long value held in bounded memory (an address space limit,
# unless told not to set one).
set -u
program=$1 limited=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
squares='<MY_GRIDSQUARE:6>IO91WM<GRIDSQUARE:6>JN18EU'
log="$work/logs/log.adi"
mkdir "$work/logs"
# Only the log and its link: no temporary file left beside them.
alone() { [ "$(ls -A "$work/logs" | wc -l)" -eq 2 ] || fail "$1: left $(ls -A "$work/logs")"; }
fresh() {
  printf '%b' "$1" >"$log"
  chmod 640 "$log"
  cp -p "$log" "$work/before"
}

ln -s log.adi "$work/logs/link.adi"
fresh "$squares<EOR>\r\n"
"$program" adif --in-place "$work/logs/link.adi" 2>/dev/null || fail "a log: status $?"
[ "$(cat "$log")" = "$(printf '%s<DISTANCE:5>346.2<EOR>\r\n' "$squares")" ] || fail "a log: $(cat "$log")"
[ -L "$work/logs/link.adi" ] || fail "the symbolic link was replaced"
[ "$(stat -c %a "$log")" = 640 ] || fail "mode $(stat -c %a "$log"), not 640"
alone "a log"

for broken in "$squares<EOR><CALL:x>G4AB$squares<EOR>" "$squares<EOR><COMMENT:99>cut"; do
  fresh "$broken"
  said=$("$program" adif --in-place "$log" 2>&1)
  [ $? -eq 2 ] || fail "an unreadable record: status not 2"
  cmp -s "$log" "$work/before" || fail "an unreadable record: the log changed"
  case $said in *"laissé tel quel"*) ;; *) fail "an unreadable record: $said" ;; esac
  alone "an unreadable record"
done

fresh "<DISTANCE:3>346$squares<EOR>"
touch -d 2026-01-01 "$log"
"$program" adif --in-place "$log" 2>/dev/null || fail "nothing to change: status $?"
[ "$(stat -c %Y "$log")" = "$(date -d 2026-01-01 +%s)" ] || fail "nothing to change: rewritten"
alone "nothing to change"

# A log larger than the file size limit (in blocks of 512 bytes): the temporary file cannot be
# written; SIGXFSZ ignored, the write fails and says so.
fresh "$(for i in $(seq 40); do printf '%s<EOR>\n' "$squares"; done)"
said=$( (ulimit -f 2 && trap '' XFSZ && "$program" adif --in-place "$log") 2>&1)
status=$?
[ "$status" -eq 1 ] || fail "a failed write: status $status: $said"
case $said in *"fichier trop grand"*) ;; *) fail "a failed write: $said" ;; esac
cmp -s "$log" "$work/before" || fail "a failed write: the log changed"
alone "a failed write"

# 64 MB held for --overwrite under a 48 MB address space: in memory it could not be.
limit() { if [ "$limited" = --no-address-space-limit ]; then "$@"; else (ulimit -v 49152 && "$@"); fi; }
long=$((64 << 20))
{ printf '<DISTANCE:4>5800<COMMENT:%d>' "$long"; head -c "$long" /dev/zero | tr '\0' x
  printf '%s<EOR>\n' "$squares"; } >"$work/long.adi"
limit "$program" adif --overwrite "$work/long.adi" 2>"$work/said" | tail -c 80 >"$work/end"
head=$(limit "$program" adif --overwrite "$work/long.adi" 2>/dev/null | head -c 17)
[ "$head" = "<DISTANCE:5>346.2" ] || fail "a long record: it begins $head; $(cat "$work/said")"
grep -q "$squares<EOR>" "$work/end" || fail "a long record: it ends $(cat "$work/end")"

[ "$failures" -eq 0 ] && echo "adif --in-place and a long record: all passed"
[ "$failures" -eq 0 ]
