#!/bin/sh
# orca-transcript.sh [TARVEL]
# What Orca says to an operator, by hand, not in CI (CI keeps tests/qt/screen_reader.py). Runs
# Debian's Orca with a new user's settings under Xvfb as a desktop would: openbox to activate the
# window, a D-Bus session, the accessibility bus, speech-dispatcher with espeak-ng into a null ALSA
# device. The real window starts with JO20AA kept in SavLoc.ini; JN18EU is typed into "Son
# Locator" and the operator then tabs through the controls. Prints every utterance: Orca's debug
# file holds one "SPEECH OUTPUT:" record each, and is read once Orca has ended (it is buffered).
set -u
here=$(cd "$(dirname "$0")" && pwd)
tarvel=${1:-$here/../build/window/qt/tarvel}
[ -x "$tarvel" ] || { echo "no program at $tarvel: build it first" >&2; exit 1; }
"$here/setup.sh" xvfb openbox dbus-x11 at-spi2-core python3-pyatspi xdotool orca \
  speech-dispatcher speech-dispatcher-espeak-ng espeak-ng || exit 1

work=$(mktemp -d) || exit 1
pids=""
finish() {
  # The session's own processes, each by the PID it was started with, the last first.
  for pid in $pids; do kill "$pid" 2>/dev/null; done
  [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM
started() { pids="$1 $pids"; }

# A new user: an empty home, Orca's defaults, English messages from Orca itself.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" LANG=C.UTF-8
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME/.config" "$XDG_RUNTIME_DIR" "$work/app" && chmod 700 "$XDG_RUNTIME_DIR"
printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
cp -r /etc/speech-dispatcher "$HOME/.config/speech-dispatcher"
printf 'DefaultModule espeak-ng\nAudioOutputMethod "alsa"\n' \
  >>"$HOME/.config/speech-dispatcher/speechd.conf"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
started $!
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
eval "$(dbus-launch --sh-syntax)" || exit 1
openbox >"$work/openbox.log" 2>&1 &
started $!
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
started $!
speech-dispatcher --run-single --timeout 0 >"$work/speechd.log" 2>&1 &
started $!
sleep 2
orca --debug-file="$work/orca.debug" >"$work/orca.log" 2>&1 &
orca=$!
started $orca
sleep 8

cp "$tarvel" "$work/app/tarvel" || exit 1
printf 'JO20AA' >"$work/app/SavLoc.ini"
# This bare session has no desktop to set the bus's "enabled" flag that Qt's bridge waits for.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$work/app/tarvel" >"$work/tarvel.log" 2>&1 &
started $!
xdotool search --sync --name '^Tarvel-V1.1$' windowactivate --sync >/dev/null 2>&1
sleep 4

# Into "Son Locator" as Orca's own focus command would put the operator, then the six keys.
/usr/bin/python3 - <<'PYTHON' || exit 1
import sys, time
import pyatspi
for _ in range(50):
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Tarvel"]
    if apps:
        break
    time.sleep(0.2)
else:
    sys.exit("the window never reached the accessibility bus")
for child in apps[0][0]:
    labels = [r.getTarget(0).name for r in child.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    if child.getRole() == pyatspi.ROLE_TEXT and (labels or [child.name])[0] == "Son locator":
        sys.exit(0 if child.queryComponent().grabFocus() else "Son locator took no focus")
sys.exit("no field is named Son locator")
PYTHON
sleep 3
xdotool type --delay 400 JN18EU
sleep 10
for _ in $(seq 24); do
  xdotool key Tab
  sleep 2.5
done

kill "$orca"
wait "$orca" 2>/dev/null
# Each record is the quoted text and the voice it was said in: the text alone, one a line.
sed -n "s/^.*SPEECH OUTPUT: '\\(.*\\)' *{.*$/\\1/p" "$work/orca.debug"
