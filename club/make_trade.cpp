// make_trade.cpp -- the trade room's screen.
#include <memory>

#include "club/room_screens.h"
#include "club/trade_screen.h"

std::unique_ptr<ClubScreenBase> MakeTradeScreen(bool withLink) { return std::make_unique<TradeScreen>(withLink); }
