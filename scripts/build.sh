#!/bin/sh
# Configures and builds the Release tree in build/.
set -eu
cd "$(dirname "$0")/.."
cmake --preset release
cmake --build --preset release
