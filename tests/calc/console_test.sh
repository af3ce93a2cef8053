#!/bin/sh
# console_test.sh WINE_RUN PREFIX TARVEL_CALC.exe
# tarvel-calc.exe writing to a console: under script(1) Wine's console host serves a pseudo-terminal,
# and what the program writes there is shown in UTF-8. Text sent as UTF-16 (WriteConsoleW) shows
# "°" as itself; UTF-8 bytes would be read in the console's code page and show as two characters.
set -u
wine_run=$1 prefix=$2 program=$3
# The prefix, made once under wine-run.sh's lock, and the program runs at all.
"$wine_run" "$prefix" "$program" --version >/dev/null || exit 1
export WINEPREFIX="$prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
shown=$(timeout -k 10 120 script -qec "wine '$program' path JN18EU IO91WM" /dev/null) || {
  echo "FAIL: the program under a console ended with status $?: $shown"
  exit 1
}
case $shown in
  *"azimut 330.0°"*) echo "ok: the console shows: azimut 330.0°" ;;
  *) echo "FAIL: the console shows: $shown" && exit 1 ;;
esac
