#!/bin/sh
# Runs the Windows tree's whole suite under Wine and Xvfb (scripts/build-windows.sh builds it):
# the core's unit, window and settings tests, the scenarios, the executable's resources, and the
# packages with their silent install. A fresh Wine prefix, build-windows/wine-prefix, is created
# once for the run; its wineserver stays up for the run and is ended at the end, whatever happens.
# Every program has a time limit (cmake/wine-run.sh), and so has every test (CTest's --timeout).
# Arguments go to ctest: ./scripts/test-windows.sh -R Scenario runs the scenarios alone.
set -eu
cd "$(dirname "$0")/.."
prefix="$PWD/build-windows/wine-prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

end_wine() { timeout 30 wineserver -k 2>/dev/null || true; }
trap end_wine EXIT INT TERM

rm -rf "$prefix" "$prefix.boot.log"
echo "Creating the Wine prefix (once for the run)"
started=$(date +%s)
if ! timeout -k 10 300 wineboot --init >"$prefix.boot.log" 2>&1; then
  cat "$prefix.boot.log"
  echo "wineboot --init failed or hung"
  exit 1
fi
# The registry is on the disk once wineboot's server has ended. Then one wineserver for the whole
# run, instead of one per test after a few idle seconds.
timeout 60 wineserver -w
# Xvfb runs no window manager: Wine's own frames then close at once, where a managed window waits
# up to 2 s for a manager that never answers.
timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 \
  || echo "Wine's windows stay managed: each close waits longer"
timeout 60 wineserver -w
echo "Wine prefix ready in $(($(date +%s) - started)) s"
wineserver -p </dev/null >/dev/null 2>&1

xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --preset windows "$@"
