#!/bin/sh
# rotate_no_wait.sh [TARVEL_CALC] [CALLS]
# Times `tarvel-calc rotate --no-wait` against hamlib's real rotctld (the dummy, rotctld -m 1) on a
# free loopback port: CALLS calls (200 by default) in a row, each a new process that connects,
# reads the limits (\dump_state) and the heading (p) and sends the position (P). Beside it the same number of `tarvel-calc --version`, the cost of
# starting the program alone. Prints, for the best of three runs, the wall-clock time per call.
# The daemon is ended by its PID.
set -eu
program=${1:-build/calc/tarvel-calc}
calls=${2:-200}
[ -x "$program" ] || { echo "no $program: build it first (cmake --build --preset release)"; exit 1; }
command -v rotctld >/dev/null || { echo "no rotctld: install libhamlib-utils"; exit 1; }

daemon=""
trap '[ -n "$daemon" ] && kill "$daemon" 2>/dev/null || true' EXIT
trap 'exit 130' INT TERM
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
rotctld -m 1 -T 127.0.0.1 -t "$port" >/dev/null 2>&1 &
daemon=$!
tries=0
until "$program" heading --rotator "127.0.0.1:$port" >/dev/null 2>&1; do
  tries=$((tries + 1))
  [ "$tries" -lt 100 ] || { echo "rotctld does not answer on port $port"; exit 1; }
  sleep 0.05
done

# Microseconds a call, over `calls` calls: of rotate --no-wait, east and north-east in turn, or of
# --version.
per_call() {
  started=$(date +%s%N)
  i=0
  while [ "$i" -lt "$calls" ]; do
    case $1 in
      rotate) "$program" rotate 0,0 "$((i % 2)),1" --no-wait --rotator "127.0.0.1:$port" ;;
      start) "$program" --version ;;
    esac >/dev/null || { echo "call $i of $1 failed" >&2; exit 1; }
    i=$((i + 1))
  done
  echo $((($(date +%s%N) - started) / calls / 1000))
}

best_rotate="" best_start=""
for run in 1 2 3; do
  rotate=$(per_call rotate)
  start=$(per_call start)
  echo "run $run: rotate --no-wait $rotate µs a call; --version $start µs a call"
  if [ -z "$best_rotate" ] || [ "$rotate" -lt "$best_rotate" ]; then best_rotate=$rotate; fi
  if [ -z "$best_start" ] || [ "$start" -lt "$best_start" ]; then best_start=$start; fi
done
echo "best of 3, $calls calls: rotate --no-wait $best_rotate µs a call, --version $best_start µs" \
  "a call (the program's start alone): the rotator adds $((best_rotate - best_start)) µs"
