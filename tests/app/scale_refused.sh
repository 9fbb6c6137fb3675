#!/bin/sh
# A --scale whose window would not fit the screen is refused, naming the largest that does.
# Usage: scale_refused.sh GAME WORK_FOLDER
set -u
game=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
xvfb-run -a -s "-screen 0 800x600x24" "$game" --config "$work" --scale 3 > "$work/out.txt" 2>&1
code=$?
if [ "$code" -ne 1 ]; then
  echo "expected exit code 1, got $code"; cat "$work/out.txt"; exit 1
fi
if ! grep -q -- "--scale 3 does not fit this screen (800 x 600); the largest that fits is 1" "$work/out.txt"; then
  echo "no refusal naming the largest scale:"; cat "$work/out.txt"; exit 1
fi
echo "refused: $(cat "$work/out.txt")"
