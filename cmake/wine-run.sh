#!/bin/bash
# wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]
# Runs one Windows program of the cross-built tree under Wine, for CTest (the tree's
# CMAKE_CROSSCOMPILING_EMULATOR) and the scripts. The Wine prefix PREFIX (inside build-windows/) is
# created by the first run, once, under a lock, so parallel tests share it. Every run has a hard
# time limit (TARVEL_WINE_TIMEOUT seconds, default 300): a program that hangs (a message box nobody
# answers) is killed and the run fails with what it printed. Carriage returns are dropped from
# the standard output (Windows' text mode writes CR LF; CTest and the scenario checks read lines).
# The display is whatever DISPLAY says: the test scripts run CTest under xvfb-run.
set -u -o pipefail

prefix=$1
shift
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer when the prefix is created: nothing here needs them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
seconds="${TARVEL_WINE_TIMEOUT:-300}"

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
if ! flock -w 600 9; then
  echo "wine-run: the prefix $prefix stayed locked for 600 s" >&2
  exit 125
fi
if [ ! -f "$prefix/system.reg" ]; then
  if ! timeout -k 10 300 wineboot --init >"$prefix.boot.log" 2>&1; then
    echo "wine-run: wineboot --init failed or hung; its output:" >&2
    cat "$prefix.boot.log" >&2
    exit 125
  fi
fi
exec 9>&-

timeout -k 10 "$seconds" wine "$@" | tr -d '\r'
status=$?
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
  echo "wine-run: $1 did not end within $seconds s and was killed" >&2
fi
exit "$status"
