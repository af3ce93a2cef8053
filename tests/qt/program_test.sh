#!/bin/sh
# program_test.sh display|signal TARVEL
# The real program as a session starts and ends it.
#   display: without any display it says so in one line and ends with status 1 (it aborted with
#            a core dump); --help and --version answer without needing one.
#   signal:  SIGTERM runs the closing sequence: the locator is saved (it was lost).
#   unwritable: SIGTERM with no folder to save in: the message on standard error, not in a box
#            that waited for a click, the program ended within 2 s with status 1.
#   fifo:    a FIFO as SavLoc.ini: the start does not hang in open() and SIGTERM ends the program
#            within 4 s (only SIGKILL did), the FIFO left as it is.
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

# Waits until the process catches SIGTERM (bit 15 of SigCgt), not before.
until_catching() {
  tries=0
  until [ $(( 0x$(sed -n 's/^SigCgt:\t*//p' "/proc/$1/status" 2>/dev/null || echo 0) & 0x4000 )) -ne 0 ]; do
    tries=$((tries + 1))
    [ $tries -lt 200 ] || fail "SIGTERM never caught"
    sleep 0.1
  done
}

# SIGTERM to the process; sets $status and $took (milliseconds until it ended).
terminate() {
  started=$(date +%s%N)
  kill -TERM "$1"
  wait "$1"
  status=$?
  took=$((($(date +%s%N) - started) / 1000000))
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
  until_catching "$pid"
  terminate "$pid"
  [ "$status" -eq 0 ] || fail "status $status after SIGTERM"
  expected=$(printf '"IO91WM"\r\n"JN23XX"\r\n' | od -c)
  [ "$(od -c <"$folder/SavLoc.ini")" = "$expected" ] || fail "SavLoc.ini: $(od -c <"$folder/SavLoc.ini")"
  [ ! -e "$folder/setting.tmp" ] || fail "setting.tmp left behind"
  ;;
unwritable)
  # Neither the program's folder nor the configuration folder can be written. Root writes
  # anywhere, so root runs the program as nobody.
  as=""
  [ "$(id -u)" -ne 0 ] || as="setpriv --reuid=65534 --regid=65534 --clear-groups"
  mkdir "$folder/program" "$folder/config"
  cp "$tarvel" "$folder/program/tarvel"
  chmod 755 "$folder"
  chmod 555 "$folder/program" "$folder/config"
  HOME=$folder XDG_CONFIG_HOME=$folder/config QT_QPA_PLATFORM=offscreen \
    $as "$folder/program/tarvel" 2>"$folder/err" &
  pid=$!
  until_catching "$pid"
  terminate "$pid"
  cat "$folder/err"
  [ "$took" -lt 2000 ] || fail "ended after $took ms"
  [ "$status" -eq 1 ] || fail "status $status after a failed save"
  grep -q "Impossible d'enregistrer le locator : le dossier des réglages est protégé en écriture." \
    "$folder/err" || fail "no message on standard error"
  ;;
fifo)
  cp "$tarvel" "$folder/tarvel"
  mkfifo "$folder/SavLoc.ini"
  QT_QPA_PLATFORM=offscreen "$folder/tarvel" &
  pid=$!
  until_catching "$pid"
  terminate "$pid"
  [ "$took" -lt 4000 ] || fail "ended after $took ms"
  [ "$status" -eq 0 ] || fail "status $status after SIGTERM"
  [ -p "$folder/SavLoc.ini" ] || fail "the FIFO was replaced"
  ;;
esac
echo PASS
