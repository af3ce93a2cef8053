#!/bin/sh
# long_line_test.sh TARVEL_CALC
# A batch with lines longer than any operand set: each is said with its number and skipped to its
# end, and the lines around it still get their results. From a file, read in 64 KiB blocks: the
# 126,971-byte line spans two blocks and puts the end of the second in the middle of "IO91WM" on
# the next line, of exactly 4096 bytes (the longest kept); the last line, longer, has no newline.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
repeat() { head -c "$2" /dev/zero | tr '\0' "$1"; }
{
  echo JN18EU
  repeat J 126971 && echo
  repeat ' ' 4090 && echo IO91WM
  repeat J 4097 && echo
  echo JN18EU
  repeat J 70000
} >"$work/input"
"$program" locator <"$work/input" >"$work/out" 2>"$work/err"
status=$?
printf 'locator JN18EU\nlocator IO91WM\nlocator JN18EU\n' >"$work/expected_out"
for line in 2 4 6; do
  echo "tarvel-calc: ligne $line : plus de 4096 octets, ligne ignorée"
done >"$work/expected_err"
failed=0
[ "$status" -eq 2 ] || { echo "FAIL: exit status $status, not 2"; failed=1; }
cmp -s "$work/out" "$work/expected_out" || { echo "FAIL: results:"; cat "$work/out"; failed=1; }
cmp -s "$work/err" "$work/expected_err" ||
  { echo "FAIL: messages:"; head -c 600 "$work/err"; failed=1; }
[ "$failed" -eq 0 ] && echo "ok: three results, three long lines said and skipped"
