#!/bin/sh
# Installs what building and testing Tarvel needs on Debian 12: with apt-get when run as root,
# otherwise prints the apt-get line to run and stops. With arguments, those packages instead
# (scripts/build-windows.sh passes its own). The last line is the screen reader's test: the window
# under Xvfb, read through the accessibility bus as Orca reads it, with keys typed by xdotool.
set -eu

packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
fonts-liberation fonts-dejavu-core fonts-comic-neue
dpkg-dev lintian appstream desktop-file-utils
libhamlib-dev libhamlib-utils python3-ephem
xvfb dbus at-spi2-core python3-pyatspi xdotool"
if [ $# -gt 0 ]; then packages="$*"; fi

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  # shellcheck disable=SC2086
  apt-get install -y -q --no-install-recommends $missing
else
  echo "Tarvel needs these Debian packages. Run:"
  echo "  sudo apt-get install --no-install-recommends$missing"
  exit 1
fi
