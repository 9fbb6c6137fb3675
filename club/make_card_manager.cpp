// make_card_manager.cpp -- the card manager room's screen (closed for now).
#include <memory>

#include "club/closed_room.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeCardManagerScreen(ClubScreen, bool, bool) { return std::make_unique<ClosedRoomScreen>(L"Card manager"); }
