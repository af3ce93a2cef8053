#!/bin/sh
# program_test.sh display|signal TARVEL
# The real program as a session starts and ends it.
#   display: without any display it says so in one line and ends with status 1 (it aborted with
#            a core dump); --help and --version answer without needing one.
#   signal:  SIGTERM runs the closing sequence: the locator is saved (it was lost).
set -u
mode=$1 tarvel=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

no_display() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$tarvel" "$@" \
    >"$folder/out" 2>&1
}

case $mode in
display)
  no_display
  status=$?
  cat "$folder/out"
  [ "$status" -eq 1 ] || fail "status $status without a display"
  [ "$(wc -l <"$folder/out")" -eq 1 ] || fail "not one line"
  grep -q "no display" "$folder/out" || fail "the line does not say so"
  for option in --help --version; do
    no_display "$option" || fail "$option: status $?"
    [ -s "$folder/out" ] || fail "$option printed nothing"
  done
  ;;
signal)
  # A copy of its own, so that SavLoc.ini is written beside it. The stale temporary file shows
  # that the closing sequence ran: the new line is appended to it and it becomes SavLoc.ini.
  cp "$tarvel" "$folder/tarvel"
  printf '"JN23XX"\r\n' >"$folder/SavLoc.ini"
  printf '"IO91WM"\r\n' >"$folder/setting.tmp"
  QT_QPA_PLATFORM=offscreen "$folder/tarvel" &
  pid=$!
  # Signalled once it catches SIGTERM (bit 15 of SigCgt), not before.
  tries=0
  until [ $(( 0x$(sed -n 's/^SigCgt:\t*//p' "/proc/$pid/status" 2>/dev/null || echo 0) & 0x4000 )) -ne 0 ]; do
    tries=$((tries + 1))
    [ $tries -lt 200 ] || fail "SIGTERM never caught"
    sleep 0.1
  done
  kill -TERM "$pid"
  wait "$pid"
  status=$?
  [ "$status" -eq 0 ] || fail "status $status after SIGTERM"
  expected=$(printf '"IO91WM"\r\n"JN23XX"\r\n' | od -c)
  [ "$(od -c <"$folder/SavLoc.ini")" = "$expected" ] || fail "SavLoc.ini: $(od -c <"$folder/SavLoc.ini")"
  [ ! -e "$folder/setting.tmp" ] || fail "setting.tmp left behind"
  ;;
esac
echo PASS
