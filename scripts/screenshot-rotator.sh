#!/bin/bash
# Takes docs/rotator.png (qt, the default) or docs/rotator-windows.png (windows): the window under
# Xvfb with hamlib's dummy rotator, my locator JN18EU kept, a few seconds after KP20LE was typed,
# while the antenna's green needle is on its way to the correspondent's 40°. Needs the Release
# build (./scripts/build.sh) or ./scripts/build-windows.sh, rotctld, xdotool and ImageMagick.
# The daemon is ended by its PID; every wait is bounded.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
mode=${1:-qt}
case "$mode" in
  qt) program="$root/build/window/qt/tarvel" output="$root/docs/rotator.png" ;;
  windows) program="$root/build-windows/window/win32/tarvel.exe" output="$root/docs/rotator-windows.png" ;;
  *) echo "usage: $0 [qt|windows]" >&2; exit 1 ;;
esac
[ -f "$program" ] || { echo "no $program: build it first" >&2; exit 1; }
for tool in rotctld xvfb-run xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "screenshot-rotator.sh needs $tool" >&2; exit 1; }
done

work=$(mktemp -d)
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
rotctld -m 1 -T 127.0.0.1 -t "$port" >/dev/null 2>&1 &
daemon=$!
cleanup() {
  kill "$daemon" 2>/dev/null || true
  [ "$mode" = windows ] && { timeout 30 wineserver -k 2>/dev/null || true; }
  rm -rf "$work"
}
trap cleanup EXIT
if [ "$mode" = windows ]; then
  export WINEPREFIX="$root/build-windows/screenshot-prefix"
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  . "$root/scripts/wine-desktop-prefix.sh"
  start="wine"
else
  start=""
fi
cp "$program" "$work/"
printf '"JN18EU"\r\n' > "$work/SavLoc.ini"

cat > "$work/shoot.sh" <<'SHOOT'
#!/bin/bash
set -eu
. "$TARVEL_ROOT/scripts/window-shot.sh"
work=$1 output=$2 program=$3 start=$4 port=$5
TARVEL_ROTATOR="127.0.0.1:$port" timeout 120 $start "$work/$(basename "$program")" &
wait_for_window
sleep 2
# The focus is in the correspondent's locator when the window opens; without a window manager
# the window must be given the keyboard.
xdotool windowfocus "$window" 2>/dev/null || true
xdotool type --delay 100 "kp20le"
sleep 3.5  # the sweep, then the antenna half-way
shoot_window "$work" "$output"
kill %1 2>/dev/null || true
SHOOT
chmod +x "$work/shoot.sh"
TARVEL_ROOT="$root" timeout -k 10 180 xvfb-run -a -s '-screen 0 1024x768x24' "$work/shoot.sh" "$work" "$output" \
  "$program" "$start" "$port"
echo "$output"
