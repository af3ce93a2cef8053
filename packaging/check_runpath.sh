#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# check_runpath.sh CMAKE BUILD_DIR BUILT_PROGRAM
# The program in the build tree and the one `cmake --install` puts in a prefix must search no
# library in a folder the user does not choose: no empty RPATH or RUNPATH entry (the current
# folder), no relative one, no $ORIGIN. Prints each binary's dynamic section lines.
set -eu
cmake=$1 build=$2 built=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

status=0
for binary in "$built" "$prefix/bin/tarvel"; do
  lines=$(readelf -d "$binary" | grep -E '\((RPATH|RUNPATH)\)' || true)
  echo "$binary: ${lines:-no RPATH or RUNPATH}"
  [ -n "$lines" ] || continue
  # The entries between the brackets, one per line; an empty line is an empty entry.
  entries=$(printf '%s\n' "$lines" | sed 's/.*\[\(.*\)\].*/\1/' | tr ':' '\n')
  if printf '%s\n' "$entries" | grep -qvE '^/' || printf '%s\n' "$entries" | grep -qF '$ORIGIN'; then
    echo "  an empty, relative or \$ORIGIN entry"
    status=1
  fi
done
exit $status
