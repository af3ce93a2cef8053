#!/bin/sh
# run_cases.sh CASES PROGRAM [RUNNER...]
# Runs tarvel-calc on each case of the table CASES, one a line:
#   STATUS | INPUT | ARGUMENTS | EXPECTED
# INPUT is standard input in printf %b form (empty: none); ARGUMENTS are split as the shell
# splits them; EXPECTED, in %b form too, is the whole standard output when STATUS is 0 or 3 (a
# check's findings) and a part of standard error otherwise. RUNNER... runs the program (Wine for
# the Windows build).
set -u
cases=$1
shift
failures=0
count=0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
trim() { printf '%s' "$1" | sed 's/^ *//; s/ *$//'; }
while IFS='|' read -r status input arguments expected; do
  case $status in '#'* | '') continue ;; esac
  status=$(trim "$status") input=$(trim "$input") arguments=$(trim "$arguments")
  expected=$(printf '%b' "$(trim "$expected")")
  printf '%b' "$input" | eval "\"\$@\" $arguments" >"$out" 2>"$err"
  got=$?
  count=$((count + 1))
  whole=$([ "$status" -eq 0 ] || [ "$status" -eq 3 ] && echo 1)
  if [ -n "$whole" ]; then actual=$(cat "$out"); else actual=$(cat "$err"); fi
  if [ "$got" -ne "$status" ]; then
    echo "FAIL: $arguments: exit status $got, not $status; stderr: $(cat "$err")"
    failures=$((failures + 1))
  elif [ -n "$whole" ] && [ "${expected%...}" != "$expected" ]; then
    case $actual in "${expected%...}"*) ;; *)
      printf 'FAIL: %s\n  expected to begin: %s\n  got: %s\n' "$arguments" "$expected" "$actual"
      failures=$((failures + 1)) ;;
    esac
  elif [ -n "$whole" ] && [ "$actual" != "$expected" ]; then
    printf 'FAIL: %s\n  expected: %s\n  got:      %s\n' "$arguments" "$expected" "$actual"
    failures=$((failures + 1))
  elif [ -z "$whole" ] && ! printf '%s' "$actual" | grep -qF -- "$expected"; then
    printf 'FAIL: %s\n  expected in stderr: %s\n  stderr: %s\n' "$arguments" "$expected" "$actual"
    failures=$((failures + 1))
  fi
done <"$cases"
echo "$count cases, $failures failed"
[ "$failures" -eq 0 ] && [ "$count" -gt 0 ]
