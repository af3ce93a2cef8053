#!/bin/sh
# Sets up, builds and runs every test: a pass under AddressSanitizer and UndefinedBehaviorSanitizer
# (unit tests and headless scenarios), the bounded fuzz runs when clang is present, the Release
# tree's whole suite (unit, scenarios on both backends, widget tests), then the Windows tree's,
# cross-built and run under Wine and Xvfb; each suite ends with its CTest summary. Fails when any
# of them fails.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh

echo "== Sanitizer pass"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

echo "== Fuzzing"
./scripts/fuzz.sh "${TARVEL_FUZZ_SECONDS:-60}"

echo "== Test suite"
ctest --preset release

echo "== Windows: cross-built, under Wine"
./scripts/build-windows.sh
./scripts/test-windows.sh
