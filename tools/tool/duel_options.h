// duel_options.h -- reading a side's "CLASS:TIER" option.
#pragma once

#include <string>

#include "tools/tool/duel_simulator.h"

// "C:T" with class 0..2 and tier 0..3; false for anything else.
bool ParseClassAndTier(const std::string& text, DuelSidePlan& side);
