// make_instant_play.cpp -- the instant play room's screen (closed for now).
#include <memory>

#include "club/closed_room.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeInstantPlayScreen() { return std::make_unique<ClosedRoomScreen>(L"Instant play"); }
