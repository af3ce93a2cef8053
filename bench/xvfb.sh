# Sourced by the window benchmarks: starts a display of our own, on a number Xvfb picks and writes
# once it accepts connections, and exports DISPLAY. Sets xvfb to its pid for the caller's cleanup;
# needs $work. Never waits more than 5 s.
Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
waited=0
until [ -s "$work/display" ]; do
  kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  [ "$waited" -ge 100 ] && { echo "Xvfb gave no display within 5 s" >&2; exit 1; }
  sleep 0.05
  waited=$((waited + 1))
done
DISPLAY=:$(cat "$work/display")
export DISPLAY
