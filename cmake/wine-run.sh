#!/bin/sh
# wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]
# Runs one Windows program of the cross-built tree under Wine, for CTest (the tree's
# CMAKE_CROSSCOMPILING_EMULATOR) and the scripts. The Wine prefix PREFIX (inside build-windows/) is
# created by the first run, once, under a lock, so parallel tests share it. Every run has a hard
# time limit (TARVEL_WINE_TIMEOUT seconds, default 300): a program that hangs (a message box nobody
# answers) is killed and the run fails with what it printed. Carriage returns are dropped from
# the standard output (Windows' text mode writes CR LF; CTest and the scenario checks read lines).
# The display is whatever DISPLAY says: the test scripts run CTest under xvfb-run.
#
# The program writes into files, printed once it has ended, never straight into CTest's pipe: Wine
# starts its own system processes (services.exe, winedevice.exe, explorer.exe) from whichever
# program needs them first, they inherit its output, and they live on; a pipe they held would
# never close, and CTest would wait for it until its time limit.
set -u

prefix=$1
shift
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer when the prefix is created: nothing here needs them. No menu entries
# or icons written into the Linux desktop for a Start-menu shortcut (winemenubuilder).
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
seconds="${TARVEL_WINE_TIMEOUT:-300}"

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
if ! flock -w 600 9; then
  echo "wine-run: the prefix $prefix stayed locked for 600 s" >&2
  exit 125
fi
if [ ! -f "$prefix/system.reg" ]; then
  # Not holding the lock: the wineserver it starts outlives it.
  if ! timeout -k 10 300 wineboot --init 9>&- </dev/null >"$prefix.boot.log" 2>&1; then
    echo "wine-run: wineboot --init failed or hung; its output:" >&2
    cat "$prefix.boot.log" >&2
    exit 125
  fi
fi
exec 9>&-

output=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
run() {
  timeout -k 10 "$seconds" wine "$@" </dev/null >"$output" 2>"$errors"
}
started=$(date +%s)
run "$@"
status=$?
# Once in a few hundred starts on a loaded machine, Wine ends a program at once without a word
# (a test program always prints something, GoogleTest its banner). Such a start alone, a failure
# within a second with nothing printed, is tried once more, and says so; any other failure stands.
if [ "$status" -ne 0 ] && [ ! -s "$output" ] && [ ! -s "$errors" ] &&
  [ $(($(date +%s) - started)) -le 1 ]; then
  echo "wine-run: $1 ended at once with status $status and printed nothing; starting it again" >&2
  run "$@"
  status=$?
fi
tr -d '\r' <"$output"
cat "$errors" >&2
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
  echo "wine-run: $1 did not end within $seconds s and was killed" >&2
elif [ "$status" -ne 0 ]; then
  echo "wine-run: $1 ended with status $status" >&2
fi
exit "$status"
