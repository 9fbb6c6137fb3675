#!/bin/sh
# Installs the build into a fresh prefix, moves the prefix elsewhere, and starts the installed game
# headless with a fresh HOME and no settings: it must find its data beside itself, show the first
# screen, keep its saves in the player's data folder and end with exit code 0 on a close. A set
# Install_Dir still wins over the prefix's data.
# Usage: installed_game.sh CMAKE BUILD_DIR WORK_FOLDER APP_ID
set -u
cmake=$1 build=$2 work=$3 id=$4
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work" && mkdir -p "$work/run" "$work/home" "$work/other-home/.config/duskhaven"

"$cmake" --install "$build" --prefix "$work/prefix" > "$work/install.txt" 2>&1 ||
  { cat "$work/install.txt"; fail "cmake --install into $work/prefix"; }
mv "$work/prefix" "$work/moved" || fail "cannot move the prefix"
p=$work/moved
for f in bin/duskhaven bin/duskhaven-tool bin/duskhaven-forge; do
  [ -x "$p/$f" ] || fail "$f is not installed"
done
for f in "share/duskhaven/DATA/CARDS/SET 1/CARDS.IND" "share/duskhaven/GFX/GENERAL/NEW FONT.QXB" \
         "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/256x256/apps/$id.png"; do
  [ -s "$p/$f" ] || fail "$f is not installed"
done
[ -e "$p/share/duskhaven/SAVE" ] && fail "an empty SAVE folder was installed with the data set"
# The PNG icon is 256 x 256 (the width and height in its header).
size=$(od -An -tu1 -j16 -N8 "$p/share/icons/hicolor/256x256/apps/$id.png" | tr -s ' ')
[ "$size" = " 0 0 1 0 0 0 1 0" ] || fail "the PNG icon's header gives size bytes '$size', not 256 x 256"

# The game as the desktop starts it: no settings, a HOME never used, no XDG folders set.
play() {  # play HOME SCRIPT_TEXT
  printf '%b' "$2" > "$work/run/s.txt"
  (cd "$work/run" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$1" "$p/bin/duskhaven" --headless \
     --script s.txt) > "$work/out.txt" 2>&1
}
play "$work/home" ""
code=$?
[ "$code" -eq 3 ] || { cat "$work/out.txt"; fail "the probe run ended with $code, not 3 (out of script)"; }
wait=$(sed -n 's/.*the script has ended at \([0-9]*\) ms.*/\1/p' "$work/out.txt" | head -n 1)
[ -n "$wait" ] || { cat "$work/out.txt"; fail "the probe run did not say where its script ended"; }

# Past the loading screen's tap to the first screen, a capture of it, then the window's close.
play "$work/home" "at $((wait + 100)) tap 120 160\ncapture $((wait + 2500)) first.png\nat $((wait + 3000)) close\n"
code=$?
[ "$code" -eq 0 ] || { cat "$work/out.txt"; fail "the installed game ended with $code, not 0"; }
grep -q "duskhaven:" "$work/out.txt" && { cat "$work/out.txt"; fail "the installed game complained"; }
size=$(od -An -tu1 -j16 -N8 "$work/run/first.png" 2>/dev/null | tr -s ' ')
[ "$size" = " 0 0 0 240 0 0 1 64" ] || fail "no 240 x 320 capture of the first screen (header '$size')"
[ -d "$work/home/.local/share/duskhaven/SAVE" ] || fail "no save folder in the player's data folder"
[ -e "$p/share/duskhaven/SAVE" ] && fail "the game made a save folder inside the installed data set"
grep -q "Install_Dir" "$work/home/.config/duskhaven/settings.reg" && fail "the game recorded an Install_Dir"

# A set Install_Dir wins, even when it names no folder: the game refuses to start.
printf '[SOFTWARE\\Duskhaven]\nInstall_Dir = "%s"\n' "$work/nowhere" > "$work/other-home/.config/duskhaven/settings.reg"
play "$work/other-home" ""
code=$?
[ "$code" -eq 1 ] || { cat "$work/out.txt"; fail "with Install_Dir set to a missing folder the game ended with $code"; }
grep -q "Can't find Duskhaven Directory" "$work/out.txt" || { cat "$work/out.txt"; fail "no missing-folder message"; }
echo "installed into $work/prefix, moved to $p, started from a fresh HOME: data found, first screen shown"
