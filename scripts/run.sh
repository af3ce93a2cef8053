#!/bin/sh
# Sets up, builds and opens the Tarvel window.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
exec ./build/window/qt/tarvel "$@"
