#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a built tree into a scratch folder and fails on any lintian error or
# warning. Exits 77 (a skipped test) when lintian or dpkg-shlibdeps is not installed.
# Usage: lint_package.sh CPACK BUILD_DIR
set -eu
cpack=$1 build=$2
for tool in lintian dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: the package check is skipped (./scripts/setup.sh installs it)"
    exit 77
  fi
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
set -- "$out"/*.deb
[ -f "$1" ] || { echo "cpack made no .deb"; cat "$out/cpack.log"; exit 1; }
echo "package: $(basename "$1")"
status=0
findings=$(lintian --fail-on error,warning "$1" 2>&1) || status=$?
# Root gets a notice that is no finding about the package.
echo "$findings" | grep -v 'running with root privileges' || true
[ "$status" -eq 0 ] || { echo "lintian: errors or warnings (exit status $status)"; exit 1; }
echo "lintian: no error, no warning"
