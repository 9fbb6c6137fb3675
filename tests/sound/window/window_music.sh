#!/bin/sh
# window_music.sh -- the real game in a window: the start-up jingle, then a duel's music, recorded by the WAV disk writer.
# usage: window_music.sh GAME FORGE IDENTIFY WORK_DIR
set -eu
game=$1 forge=$2 identify=$3 work=$4
rm -rf "$work"
mkdir -p "$work/config" "$work/run"
XDG_CONFIG_HOME="$work/config" "$forge" --install "$work/install" > /dev/null
# Past the loading screen, into a quick duel, through the coin toss, then a while of the duel.
cat > "$work/run/script.txt" << 'SCRIPT'
at 8000 tap 120 160
at 9000 tap 120 160
at 11000 tap 120 160
at 13000 tap 120 160
at 15000 tap 120 160
at 26000 close
SCRIPT
cd "$work/run"
# The script's close ends the game as the window's close button does (exit code 0).
code=0
DUSKHAVEN_SOUND_DRIVER=wav xvfb-run -a -s "-screen 0 800x700x24" \
  "$game" --config "$work/config/duskhaven" --quick-game --script script.txt > game.log 2>&1 || code=$?
[ "$code" -eq 0 ] || { echo "the game ended with $code"; cat game.log; exit 1; }
[ -s music.wav ] || { echo "no sound was recorded"; cat game.log; exit 1; }
"$identify" "$work/install" music.wav 50 "SOUNDS\\Avant une partie.QXX" "SOUNDS\\Partie1.QXX" \
  "SOUNDS\\Partie2.QXX" "SOUNDS\\Partie3.QXX" "SOUNDS\\Partie4.QXX" "SOUNDS\\Partie5.QXM" > heard.txt || code=$?
cat heard.txt
# identify_music: 1 = no module heard, 2 = it could not read the recording or render the modules.
[ "$code" -eq 0 ] || { echo "identify_music ended with $code"; exit 1; }
head -n 1 heard.txt | grep -q "Avant une partie" || { echo "the start-up jingle was not heard first"; exit 1; }
grep -q "Partie" heard.txt || { echo "no duel music was heard"; exit 1; }
