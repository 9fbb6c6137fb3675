// make_shop.cpp -- the card shop room's screen (closed for now).
#include <memory>

#include "club/closed_room.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeShopScreen() { return std::make_unique<ClosedRoomScreen>(L"Card shop"); }
