#!/bin/sh
# Installs what the Windows build and its tests need when missing (Debian's mingw-w64 cross
# compiler, GoogleTest's sources, Wine, NSIS, Xvfb, xdotool, zip, hamlib's rotctld and python3 for
# tarvel-calc.exe's rotator test, and for screenshot-windows.sh ImageMagick and the fonts Windows
# has, fonts-wine), then configures and builds the
# Windows tree build-windows/ with the "windows" preset (cmake/mingw-w64-x86_64.cmake, -static).
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64 nsis xvfb \
  xauth xdotool zip imagemagick fonts-wine libhamlib-utils python3
cmake --preset windows
cmake --build --preset windows
