#!/bin/bash
# Takes docs/window-windows.png: the Windows program of build-windows/ under Wine and Xvfb, my
# locator JN23MH kept, after JN18EU was typed as the correspondent's locator (as docs/window.png
# on Linux). With a DPI argument (144, 192...), the screen at that DPI and
# docs/window-windows-<DPI>dpi.png. Needs ./scripts/build-windows.sh first, and xdotool and
# ImageMagick's import. The program runs in a folder of its own, under a Wine prefix of its own
# inside build-windows/, with the bitmap faces Windows has (MS Sans Serif, System) from fonts-wine,
# so that a text drawn in one of them shows; every wait is bounded.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
program="$root/build-windows/window/win32/tarvel.exe"
dpi=${1:-96}
case "$dpi" in
  96) output="$root/docs/window-windows.png" ;;
  *[!0-9]* | "") echo "usage: $0 [DPI]" >&2; exit 1 ;;
  *) output="$root/docs/window-windows-${dpi}dpi.png" ;;
esac
[ -f "$program" ] || { echo "no $program: run ./scripts/build-windows.sh" >&2; exit 1; }
for tool in xvfb-run xdotool import convert wine wineboot wineserver; do
  command -v "$tool" >/dev/null || { echo "screenshot-windows.sh needs $tool" >&2; exit 1; }
done

work=$(mktemp -d)
export WINEPREFIX="$root/build-windows/screenshot-prefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  timeout 30 wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

. "$root/scripts/wine-desktop-prefix.sh"

# Wine reads the screen's DPI when a program starts. Its server goes with the setting written:
# begun without the display, it would keep the program's windows off it.
timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  >/dev/null
timeout 30 wineserver -k || true
cp "$program" "$work/"
printf '"JN23MH"\r\n' > "$work/SavLoc.ini"

cat > "$work/shoot.sh" <<'SHOOT'
#!/bin/bash
set -eu
. "$TARVEL_ROOT/scripts/window-shot.sh"
work=$1
output=$2
timeout 120 wine "$work/tarvel.exe" &
wait_for_window
sleep 1
# The focus is in the correspondent's locator when the window opens.
xdotool type --delay 100 "jn18eu"
sleep 3  # the needle's sweep
shoot_window "$work" "$output"
# The program ends with the prefix's wineserver.
SHOOT
chmod +x "$work/shoot.sh"
TARVEL_ROOT="$root" timeout -k 10 180 xvfb-run -a -s '-screen 0 1024x768x24' "$work/shoot.sh" \
  "$work" "$output"
echo "$output"
