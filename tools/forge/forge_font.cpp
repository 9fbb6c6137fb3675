// forge_font.cpp -- the font sheet (not made yet).
#include "tools/forge/forge.h"

bool ForgeFont(ForgeOutput&) { return true; }
