#!/bin/sh
# Runs one command-line case without any display and compares what it prints.
# Usage: run_case.sh CHRONEL CASE_FILE
# The case file's first line is "# ARGS" (shell words) and may end in " exit=N" (default 0);
# the rest is the expected standard output, or, for a non-zero status, the expected first line
# of standard error.
set -u
chronel=$1 case_file=$2
header=$(head -n 1 "$case_file")
args=${header#\# }
status=0
case "$args" in *" exit="*) status=${args##* exit=}; args=${args% exit=*} ;; esac
expected=$(tail -n +2 "$case_file")
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
eval "set -- $args"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$chronel" "$@" >"$out" 2>"$err"
got=$?
if [ "$got" -ne "$status" ]; then
  echo "exit status $got, expected $status" >&2
  cat "$err" >&2
  exit 1
fi
if [ "$status" -eq 0 ]; then
  actual=$(cat "$out")
else
  actual=$(head -n 1 "$err")
  [ -s "$out" ] && { echo "a failing run wrote to standard output" >&2; exit 1; }
  case "$(sed -n 2p "$err")" in Usage:*|Try*) ;; *) echo "no usage line after the message" >&2; exit 1 ;; esac
fi
if [ "$actual" != "$expected" ]; then
  echo "--- expected" >&2; printf '%s\n' "$expected" >&2
  echo "--- got" >&2; printf '%s\n' "$actual" >&2
  exit 1
fi
