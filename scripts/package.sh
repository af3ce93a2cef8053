#!/bin/sh
# Builds the packages: the Debian package in build/ (cpack -G DEB), and in build-windows/ the Windows
# installer tarvel-1.1-win64-setup.exe and the portable tarvel-1.1-win64.zip (built with the
# Windows program, packaging/windows). Installs what is missing, as the other scripts do.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
(cd build && cpack -G DEB)
./scripts/build-windows.sh
ls -l build/*.deb build-windows/tarvel-*-win64-setup.exe build-windows/tarvel-*-win64.zip
