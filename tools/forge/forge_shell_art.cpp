// forge_shell_art.cpp -- the data set's shell art (not made yet).
#include "tools/forge/forge.h"

bool ForgeShellArt(ForgeOutput&) { return true; }
