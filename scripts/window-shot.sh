# Sourced by the screenshot scripts' shot, which runs inside Xvfb: finds the window by its title
# within 20 s, and crops the screen to it.

# Sets $window, or fails when no window came.
wait_for_window() {
  window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Tarvel-V1\.1$' 2>/dev/null | head -1) || true
    [ -n "$window" ] && return 0
    sleep 0.2
  done
  echo "the window did not appear within 20 s" >&2
  return 1
}

# shoot_window WORK OUTPUT: the screen as it is now, cropped to $window, written to OUTPUT.
shoot_window() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root "$1/screen.png"
  convert "$1/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}
