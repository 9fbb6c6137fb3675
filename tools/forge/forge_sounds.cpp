// forge_sounds.cpp -- the data set's sounds (not made yet).
#include "tools/forge/forge.h"

bool ForgeSounds(ForgeOutput&) { return true; }
