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
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEL_SANITIZE=ON \
  -DTARVEL_WITH_QT=OFF -DTARVEL_BENCHMARKS=OFF
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j 2

echo "== Fuzzing"
./scripts/fuzz.sh "${TARVEL_FUZZ_SECONDS:-60}"

echo "== Test suite"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j 2

echo "== Windows: cross-built, under Wine"
./scripts/build-windows.sh
./scripts/test-windows.sh
