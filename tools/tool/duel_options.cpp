// duel_options.cpp -- reading a side's "CLASS:TIER" option.
#include "tools/tool/duel_options.h"

#include "tools/tool/arguments.h"

bool ParseClassAndTier(const std::string& text, DuelSidePlan& side) {
  std::size_t colon = text.find(':');
  if (colon == std::string::npos) return false;
  long long c = 0, t = 0;
  if (!ParseNumber(text.substr(0, colon), 0, 2, c) || !ParseNumber(text.substr(colon + 1), 0, 3, t)) return false;
  side.opponentClass = static_cast<int>(c);
  side.tier = static_cast<int>(t);
  return true;
}
