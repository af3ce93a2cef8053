#!/bin/sh
# close_together.sh [TARVEL] [ROUNDS]
# Two copies of TARVEL (build/window/qt/tarvel by default) in one folder, ended by SIGTERM at the
# same moment, ROUNDS times (20 by default), as a logout ends them. One copy loaded "JN23XX", the
# other "IO91WM" (the file was changed between their starts), and both keep theirs. Counts, over
# the rounds:
#   messages   a save failure reported: a line on standard error, or a copy still running 5 s
#              after the signal (that is a copy behind a message box, which waits for a click);
#   left       copies still running 5 s after the signal (they are then killed);
#   lost       rounds where SavLoc.ini's last line is neither locator;
#   JN23XX, IO91WM   which locator SavLoc.ini kept.
# Then one ordered round each way (A ended, then B; B, then A) says which copy's locator wins.
set -eu
program=${1:-build/window/qt/tarvel}
rounds=${2:-20}
[ -x "$program" ] || { echo "no $program: build it first (cmake --build --preset release)"; exit 1; }
folder=$(mktemp -d)
pids=""
trap 'for p in $pids; do kill -KILL "$p" 2>/dev/null || true; done; rm -rf "$folder"' EXIT
trap 'exit 130' INT TERM
cp "$program" "$folder/tarvel"
export QT_QPA_PLATFORM=offscreen

# Waits until the process catches SIGTERM (bit 15 of SigCgt): its window is up.
until_catching() {
  tries=0
  until [ $(( 0x$(sed -n 's/^SigCgt:\t*//p' "/proc/$1/status" 2>/dev/null || echo 0) & 0x4000 )) -ne 0 ]; do
    tries=$((tries + 1))
    [ "$tries" -lt 200 ] || { echo "copy $1 never caught SIGTERM" >&2; exit 1; }
    sleep 0.05
  done
}

# Starts copy A on JN23XX, then copy B on IO91WM; sets $a and $b.
start_both() {
  rm -f "$folder/setting.tmp" "$folder"/err.*
  printf '"JN23XX"\r\n' >"$folder/SavLoc.ini"
  "$folder/tarvel" 2>"$folder/err.a" &
  a=$!
  until_catching "$a"
  printf '"IO91WM"\r\n' >"$folder/SavLoc.ini"
  "$folder/tarvel" 2>"$folder/err.b" &
  b=$!
  until_catching "$b"
  pids="$a $b"
}

# Waits up to 5 s for the process to end; answers 1 (and kills it) when it is still running.
left_running() {
  tries=0
  while kill -0 "$1" 2>/dev/null && [ "$(sed -n 's/^State:\t*\(.\).*/\1/p' "/proc/$1/status")" != Z ]; do
    tries=$((tries + 1))
    if [ "$tries" -ge 100 ]; then
      kill -KILL "$1" 2>/dev/null || true
      wait "$1" 2>/dev/null || true
      echo 1
      return
    fi
    sleep 0.05
  done
  wait "$1" 2>/dev/null || true
  echo 0
}

kept() {
  tail -n 1 "$folder/SavLoc.ini" | tr -d '\r"'
}

messages=0 left=0 lost=0 jn=0 io=0
round=0
while [ "$round" -lt "$rounds" ]; do
  start_both
  kill -TERM "$a" "$b"
  stuck=$(( $(left_running "$a") + $(left_running "$b") ))
  pids=""
  told=$(cat "$folder"/err.* | grep -c "Impossible" || true)
  left=$((left + stuck))
  messages=$((messages + stuck + told))
  case $(kept) in
    JN23XX) jn=$((jn + 1)) ;;
    IO91WM) io=$((io + 1)) ;;
    *) lost=$((lost + 1)) ;;
  esac
  round=$((round + 1))
done
echo "$rounds rounds: messages $messages, left running $left, lost $lost; kept JN23XX $jn, IO91WM $io"

for order in "a b" "b a"; do
  start_both
  for copy in $order; do
    eval "pid=\$$copy"
    kill -TERM "$pid"
    [ "$(left_running "$pid")" -eq 0 ] || echo "copy $copy left running"
  done
  pids=""
  echo "closed $order (A loaded JN23XX, B IO91WM): kept $(kept)"
done
