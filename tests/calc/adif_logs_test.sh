#!/bin/sh
# adif_logs_test.sh LOGS PROGRAM [WINE_RUN PREFIX]
# Each log of LOGS/expected.txt filled by PROGRAM: the summary expected, the log byte for byte
# once the new DISTANCE fields are taken out of it, the same bytes from --in-place, and a check
# of the filled log with the status expected. With WINE_RUN and PREFIX, PROGRAM is a Windows
# program run by Wine itself, whose output must come through as bytes (wine-run.sh would drop
# the carriage returns).
set -u
logs=$1 program=$2
run() { "$program" "$@"; }
if [ $# -ge 4 ]; then
  "$3" "$4" "$program" --version >/dev/null || exit 1  # the prefix, made once under its lock
  export WINEPREFIX="$4" WINEDEBUG=-all
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
  run() { timeout -k 10 120 wine "$program" "$@"; }
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 count=0
fail() { echo "FAIL: $log: $1"; failures=$((failures + 1)); }
trim() { printf '%s' "$1" | sed 's/^ *//; s/ *$//'; }
while IFS='|' read -r log summary status; do
  case $log in '#'* | '') continue ;; esac
  log=$(trim "$log") summary=$(trim "$summary") status=$(trim "$status")
  count=$((count + 1))
  run adif "$logs/$log" >"$work/filled" 2>"$work/said" || fail "fill ended with status $?"
  said=$(tr -d '\r' <"$work/said" | tail -1)
  [ "$said" = "tarvel-calc: $summary" ] || fail "summary: $said"
  sed -E 's/<(DISTANCE|distance):[0-9]+>[0-9.]+(<[Ee][Oo][Rr]>)/\2/g' "$work/filled" >"$work/bare"
  cmp -s "$work/bare" "$logs/$log" || fail "not the same bytes without the new distances"
  cp "$logs/$log" "$work/log.adi"
  run adif --in-place "$work/log.adi" 2>/dev/null || fail "--in-place ended with status $?"
  cmp -s "$work/log.adi" "$work/filled" || fail "--in-place wrote other bytes"
  run adif --check <"$work/filled" >"$work/findings" 2>&1
  got=$?
  [ "$got" -eq "$status" ] || fail "check: status $got, not $status: $(cat "$work/findings")"
done <"$logs/expected.txt"
echo "$count logs, $failures failures"
[ "$failures" -eq 0 ] && [ "$count" -gt 0 ]
