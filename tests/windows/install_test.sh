#!/bin/sh
# install_test.sh WINE_RUN PREFIX SETUP ZIP
# The Windows packages under Wine, as a user meets them:
#   1. the installer, silent (/S): Program Files\Tarvel\tarvel.exe and tarvel-calc.exe, beside
#      them the zip's LICENSE.txt and LISEZMOI.txt, the uninstaller, the Start-menu shortcut and the
#      uninstall entry in the registry; the installed tarvel-calc.exe answers;
#   2. the installed program starts, its window "Tarvel-V1.1" appears, it is closed as a user
#      closes it (WM_CLOSE), and it keeps its SavLoc.ini in %APPDATA%\Tarvel, never beside itself;
#   3. the uninstaller, silent: all of it gone, the user's SavLoc.ini kept;
#   4. the portable zip (tarvel.exe and tarvel-calc.exe), unpacked into a folder named with "é" and
#      Cyrillic letters: the program starts and keeps its SavLoc.ini beside itself.
# Every Windows program runs through WINE_RUN (cmake/wine-run.sh: a time limit each); every wait
# here has its own limit. Needs an X display: run under xvfb-run (scripts/test-windows.sh does).
set -eu
wine_run=$1 prefix=$2 setup=$3 zip=$4
export WINEPREFIX="$prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
title='^Tarvel-V1.1$'
drive_c="$prefix/drive_c"
installed="$drive_c/Program Files/Tarvel"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tarvel.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvel'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  printf "FAIL: %s\n" "$*"
  exit 1
}
check() {
  printf "ok: %s\n" "$*"
}
[ -n "${DISPLAY:-}" ] || fail "no X display (run under xvfb-run)"
[ -f "$setup" ] || fail "$setup is missing (it is built with the program)"
[ -f "$zip" ] || fail "$zip is missing (it is built with the program)"

# Waits at most $1 seconds for the command that follows to succeed.
wait_for() {
  seconds=$1
  shift
  while ! "$@" >/dev/null 2>&1; do
    seconds=$((seconds - 1))
    [ "$seconds" -gt 0 ] || return 1
    sleep 1
  done
}
window_shown() { xdotool search --name "$title"; }
no_window() { ! xdotool search --name "$title"; }

# Starts a Windows program in the background, checks its window, closes it with WM_CLOSE as the
# window's close box does (taskkill without /F), and waits for the program to end by itself.
run_and_close() {
  program=$1
  "$wine_run" "$prefix" "$program" >"$work/program.log" 2>&1 &
  pid=$!
  if ! wait_for 60 window_shown; then
    kill "$pid" 2>/dev/null || true
    cat "$work/program.log"
    fail "no window named Tarvel-V1.1 within 60 s of starting $program"
  fi
  check "the window Tarvel-V1.1 of $program is shown"
  "$wine_run" "$prefix" taskkill /IM tarvel.exe >/dev/null 2>&1 || true
  wait_for 30 no_window || fail "the window did not close within 30 s of WM_CLOSE"
  wait "$pid" || fail "$program ended with status $? after WM_CLOSE: $(cat "$work/program.log")"
  check "closed with WM_CLOSE, the program ended"
}

rm -rf "$installed" "$drive_c"/users/*/AppData/Roaming/Tarvel
"$wine_run" "$prefix" "$setup" /S || fail "the silent installer ended with status $?"
[ -f "$installed/tarvel.exe" ] || fail "no Program Files\\Tarvel\\tarvel.exe"
[ -f "$installed/tarvel-calc.exe" ] || fail "no Program Files\\Tarvel\\tarvel-calc.exe"
[ -f "$installed/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
"$wine_run" "$prefix" reg query "$key" /v UninstallString >"$work/reg.log" 2>&1 ||
  fail "no uninstall entry in the registry: $(cat "$work/reg.log")"
cmp -s "$installed/tarvel.exe" "$(dirname "$setup")/window/win32/tarvel.exe" ||
  fail "the installed tarvel.exe is not the one built"
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
for file in LICENSE.txt LISEZMOI.txt; do
  cmp -s "$installed/$file" "$work/zip/$file" ||
    fail "Program Files\\Tarvel\\$file is missing or not the zip's"
done
calc=$("$wine_run" "$prefix" 'C:\Program Files\Tarvel\tarvel-calc.exe' locator 48.8566,2.3522) ||
  fail "the installed tarvel-calc.exe ended with status $?"
[ "$calc" = "locator JN18EU" ] || fail "the installed tarvel-calc.exe answered: $calc"
check "installed silently: tarvel.exe, tarvel-calc.exe, LICENSE.txt, LISEZMOI.txt, uninstall.exe, the shortcut, the uninstall entry"

run_and_close 'C:\Program Files\Tarvel\tarvel.exe'
[ ! -e "$installed/SavLoc.ini" ] || fail "the installed copy wrote SavLoc.ini into Program Files"
set -- "$drive_c"/users/*/AppData/Roaming/Tarvel/SavLoc.ini
[ -f "$1" ] || fail "no SavLoc.ini in %APPDATA%\\Tarvel after the exit"
check "the installed copy kept its SavLoc.ini in %APPDATA%\\Tarvel"
user_settings=$1

"$wine_run" "$prefix" 'C:\Program Files\Tarvel\uninstall.exe' /S ||
  fail "the silent uninstaller ended with status $?"
# The uninstaller runs on from a copy of itself in the temporary folder, and returns at once.
wait_for 60 test ! -e "$installed" ||
  fail "Program Files\\Tarvel still there 60 s after uninstalling, holding: $(ls "$installed")"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
if "$wine_run" "$prefix" reg query "$key" >/dev/null 2>&1; then
  fail "the uninstall entry is still in the registry"
fi
[ -f "$user_settings" ] || fail "uninstalling removed the user's SavLoc.ini"
check "uninstalled silently: the folder, the shortcut and the entry gone, the user's settings kept"

portable="$drive_c/Portable Tarvél Радио"
rm -rf "$portable"
mkdir -p "$portable"
(cd "$portable" && cmake -E tar xf "$zip")
[ "$(ls "$portable" | tr '\n' ' ')" = "LICENSE.txt LISEZMOI.txt tarvel-calc.exe tarvel.exe " ] ||
  fail "the zip does not hold tarvel.exe, tarvel-calc.exe, LICENSE.txt and LISEZMOI.txt alone: $(ls "$portable")"
run_and_close 'C:\Portable Tarvél Радио\tarvel.exe'
[ -f "$portable/SavLoc.ini" ] || fail "the portable copy kept no SavLoc.ini beside itself"
check "the portable copy, in a folder named with é and Cyrillic letters, kept SavLoc.ini beside itself"
rm -rf "$portable"
