#!/bin/sh
# screen_reader_test.sh TARVEL
# The real window as a screen reader finds it: under Xvfb, in a D-Bus session of its own with the
# accessibility bus, Qt's bridge on. screen_reader.py types the locators and reads the tree.
# Exit 77 (skipped) only when a part of that setting is not installed.
set -u
here=$(cd "$(dirname "$0")" && pwd)
skip() {
  echo "SKIP: $*"
  exit 77
}

if [ -z "${TARVEL_SESSION:-}" ]; then
  for tool in Xvfb dbus-run-session xdotool; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
  done
  [ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi-bus-launcher is not installed"
  # Debian's module, for Debian's Python, whatever python3 comes first in PATH.
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
  TARVEL_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d) || exit 1
pids=""
finish() {
  # shellcheck disable=SC2086
  [ -n "$pids" ] && kill $pids 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM
export XDG_RUNTIME_DIR="$work"

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids="$!"
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids="$pids $!"

# A copy in a folder of its own keeps the settings file out of the build tree.
cp "$1" "$work/tarvel" || exit 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$work/tarvel" >"$work/tarvel.log" 2>&1 &
pids="$pids $!"

/usr/bin/python3 "$here/screen_reader.py"
status=$?
[ $status -eq 0 ] || cat "$work/tarvel.log" "$work/bus.log"
exit $status
