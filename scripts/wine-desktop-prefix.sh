# Sourced by the scripts that show the Windows window under Xvfb: makes $WINEPREFIX once, with
# the bitmap faces Windows has (those of fonts-wine that are there: Debian's Wine 8 looks for its
# own fonts under a path it cannot open) and Wine drawing the window frames itself, since no
# window manager runs. Its server is ended afterwards.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  timeout -k 10 300 wineboot --init >/dev/null 2>&1
  for face in /usr/share/wine/fonts/*; do
    if [ -f "$face" ]; then cp "$face" "$WINEPREFIX/drive_c/windows/Fonts/"; fi
  done
  timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  timeout 30 wineserver -k || true
fi
