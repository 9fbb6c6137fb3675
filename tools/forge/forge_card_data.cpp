// forge_card_data.cpp -- the data set's card data (not made yet).
#include "tools/forge/forge.h"

bool ForgeCardData(ForgeOutput&) { return true; }
