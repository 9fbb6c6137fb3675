// make_trade.cpp -- the trade room's screen (closed for now).
#include <memory>

#include "club/closed_room.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeTradeScreen(bool) { return std::make_unique<ClosedRoomScreen>(L"Card trade"); }
