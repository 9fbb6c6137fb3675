#!/bin/sh
# expect_exit_2.sh -- runs a duskhaven-tool command that must fail cleanly:
# exit code 2 and exactly one line on stderr naming the tool.
err=$("$@" 2>&1 >/dev/null)
code=$?
if [ "$code" -ne 2 ]; then
  echo "exit code $code, expected 2: $*"
  exit 1
fi
lines=$(printf '%s\n' "$err" | wc -l)
case "$err" in
  duskhaven-tool:*) ;;
  *) echo "stderr does not name the tool: $err"; exit 1 ;;
esac
if [ "$lines" -ne 1 ]; then
  echo "stderr has $lines lines: $err"
  exit 1
fi
echo "$err"
