// forge_shell_art.cpp -- the start-up pictures: the makers' logo and the loading screen's entrance picture.
#include "tools/forge/art_shell.h"
#include "tools/forge/forge.h"

bool ForgeShellArt(ForgeOutput& out) {
  return WritePngPicture(out, "GFX\\GENERAL\\VANTORTEAM.QXG", DrawMakerLogo()) &&
         WriteJpegPicture(out, "GFX\\LOADING\\EnterGAME.QXJ", DrawEntrance());
}
