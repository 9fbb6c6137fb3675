// make_challenge.cpp -- the opponent confirmation room's screen (closed for now).
#include <memory>

#include "club/closed_room.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeChallengeScreen(int) { return std::make_unique<ClosedRoomScreen>(L"Challenge"); }
