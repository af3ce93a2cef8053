#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the desktop entry and the AppStream metadata, failing on any finding, pedantic ones
# included. Exits 77 (a skipped test) when the validators are not installed.
# Usage: check_metadata.sh PATH/APP_ID   (checks APP_ID.desktop and APP_ID.metainfo.xml)
set -eu
base=$1
for tool in appstreamcli desktop-file-validate; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: the metadata check is skipped (./scripts/setup.sh installs it)"
    exit 77
  fi
done
status=0
# desktop-file-validate prints nothing for a clean file, hints included.
findings=$(desktop-file-validate "$base.desktop" 2>&1) || status=1
[ -z "$findings" ] || { echo "$findings"; status=1; }
# appstreamcli passes with hints (I:, P:) too: any finding line fails here.
report=$(appstreamcli validate --no-net --pedantic "$base.metainfo.xml" 2>&1) || status=1
echo "$report"
if echo "$report" | grep -q '^[EWIP]: '; then status=1; fi
exit $status
