#!/bin/sh
# Measures the Windows program's start under Wine and Xvfb beside two Win32 windows of the Windows
# tree (bench/win32): a minimal window with one edit field, and a same-controls window (the
# design's controls at their places, with its fonts and globe picture, no logic). For each: the
# time from start to the window visible and the peak resident memory then, median of
# TARVEL_BENCH_RUNS (10). The wineserver stays up for the whole run (a warm start), and each
# program is started once first, not counted. Needs ./scripts/build-windows.sh, Wine, Xvfb and
# xdotool. Never waits without a bound: a window that does not show within the limit is reported.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${TARVEL_BENCH_RUNS:-10}
limit_ms=${TARVEL_BENCH_LIMIT_MS:-20000}
tree="$root/build-windows"
work=$(mktemp -d)
export WINEPREFIX="$tree/bench-prefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
xvfb=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  timeout 30 wineserver -k 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

for tool in Xvfb xdotool wine wineboot wineserver; do
  command -v "$tool" >/dev/null || { echo "window-windows.sh needs $tool" >&2; exit 1; }
done
for program in window/win32/tarvel.exe bench/win32/tarvel_same_controls.exe \
  bench/win32/tarvel_minimal_win32.exe; do
  [ -f "$tree/$program" ] || { echo "no $tree/$program: run ./scripts/build-windows.sh" >&2; exit 1; }
  cp "$tree/$program" "$work/"  # a folder of its own: no saved locator
done

. "$root/scripts/wine-desktop-prefix.sh"

. "$root/bench/xvfb.sh"
. "$root/bench/figures.sh"
wineserver -p </dev/null >/dev/null 2>&1  # stays up until the end of the run

# Starts a program, polls every 20 ms until a visible window of that title exists (at most
# limit_ms), notes the time and the process's peak resident memory (VmHWM: wine execs the
# program in the same process), and ends that process by its id.
measure() {
  program=$1 title=$2 record=$3
  start=$(now_ms)
  (cd "$work" && exec wine "$program") >"$work/run.log" 2>&1 &
  program_pid=$!
  shown=""
  while :; do
    if xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; then
      shown=$(now_ms)
      break
    fi
    kill -0 "$program_pid" 2>/dev/null || break
    [ $(($(now_ms) - start)) -ge "$limit_ms" ] && break
    sleep 0.02
  done
  if [ -n "$shown" ] && [ "$record" = yes ]; then
    echo $((shown - start)) >>"$work/$title.start"
    sleep 0.3
    awk '/^VmHWM:/ {print $2}' "/proc/$program_pid/status" >>"$work/$title.peak" || true
  elif [ -z "$shown" ]; then
    echo "failed start: $title" | tee -a "$work/failures" >&2
  fi
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
}

echo "== Warming up"
measure tarvel_minimal_win32.exe Minimal-Win32 no
measure tarvel_same_controls.exe Same-controls-Win32 no
measure tarvel.exe Tarvel-V1.1 no
echo "== Measuring, $runs rounds"
i=0
while [ "$i" -lt "$runs" ]; do
  measure tarvel_minimal_win32.exe Minimal-Win32 yes
  measure tarvel_same_controls.exe Same-controls-Win32 yes
  measure tarvel.exe Tarvel-V1.1 yes
  i=$((i + 1))
done

for figure in start:ms peak:KiB; do
  kind=${figure%:*} unit=${figure#*:}
  t=$(median "$work/Tarvel-V1.1.$kind") s=$(median "$work/Same-controls-Win32.$kind")
  m=$(median "$work/Minimal-Win32.$kind")
  echo "$kind (median of $runs): tarvel $t $unit, same-controls window $s $unit," \
    "minimal window $m $unit; ratios $(ratio "$t" "$s") and $(ratio "$t" "$m")"
done
failed=0
[ -f "$work/failures" ] && failed=$(wc -l <"$work/failures")
echo "failed starts: $failed"
