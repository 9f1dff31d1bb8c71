#!/usr/bin/env bash
# Runs one driver scenario and compares what it prints with the expected output.
#   run_scenario.sh DRIVER SCRIPT.drv       check
#   UPDATE=1 run_scenario.sh DRIVER SCRIPT  rewrite SCRIPT.expected (then read the diff!)
set -u
driver=$1
script=$2
expected=${script%.drv}.expected
args=()
want_status=0
header=$(head -n 1 "$script")
if [[ $header == '#!'* ]]; then
  for word in ${header#'#!'}; do
    case $word in
      exit=*) want_status=${word#exit=} ;;
      *) args+=("$word") ;;
    esac
  done
fi
actual=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$actual" "$errors"' EXIT
"$driver" "${args[@]}" "$script" >"$actual" 2>"$errors"
status=$?
if [[ ${UPDATE:-0} == 1 ]]; then
  cp "$actual" "$expected"
fi
ok=1
if [[ $status != "$want_status" ]]; then
  echo "exit status $status, expected $want_status"; ok=0
fi
if ! diff -u "$expected" "$actual"; then ok=0; fi
if [[ $ok == 0 ]]; then
  echo "--- standard error:"; cat "$errors"; exit 1
fi
# A failing script must say which line it could not do.
if [[ $want_status != 0 ]] && ! grep -q '^line [0-9]' "$errors"; then
  echo "no message naming the line on standard error:"; cat "$errors"; exit 1
fi
exit 0
