#!/bin/sh
# Measures the real window under Xvfb beside a minimal Qt 6 window built here from a few lines:
# the time from start to the window mapped (median of 10), the peak memory of each, and one full
# 360° sweep. Needs the Release build (./scripts/build.sh), xvfb and xdotool.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

cat > "$work/minimal.cpp" <<'CPP'
#include <QApplication>
#include <QWidget>
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Minimal-Qt6");
  window.resize(470, 251);
  window.show();
  return application.exec();
}
CPP
# shellcheck disable=SC2046
g++ -O2 -fPIC -std=c++17 "$work/minimal.cpp" -o "$work/minimal" $(pkg-config --cflags --libs Qt6Widgets)
cp "$root/build/window/qt/tarvel" "$work/tarvel"  # its own folder: no saved locator

export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1

now_ms() { date +%s%3N; }

# Start, wait until a window of that title is mapped, note the time and the peak memory.
measure() {
  program=$1 title=$2
  start=$(now_ms)
  /usr/bin/time -f %M -o "$work/peak" "$program" >/dev/null 2>&1 &
  timer=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do :; done
  echo $(($(now_ms) - start)) >>"$work/$title.start"
  sleep 0.3
  pkill -TERM -f "^$program" || true
  wait "$timer" 2>/dev/null || true
  cat "$work/peak" | tail -1 >>"$work/$title.peak"
}

median() { sort -n "$1" | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

for _ in 1 2 3 4 5 6 7 8 9 10; do
  measure "$work/minimal" Minimal-Qt6
  measure "$work/tarvel" Tarvel-V1.1
done

echo "start to window mapped (median of 10): tarvel $(median "$work/Tarvel-V1.1.start") ms," \
  "minimal Qt window $(median "$work/Minimal-Qt6.start") ms"
echo "peak resident memory (median of 10): tarvel $(median "$work/Tarvel-V1.1.peak") KiB," \
  "minimal Qt window $(median "$work/Minimal-Qt6.peak") KiB"
(cd "$work" && "$root/build/bench/qt/tarvel_sweep_timing" 5)
