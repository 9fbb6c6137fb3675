// make_final_challenge.cpp -- the Hell gate room's screen (closed for now).
#include <memory>

#include "club/closed_room.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeFinalChallengeScreen() { return std::make_unique<ClosedRoomScreen>(L"Hell gate"); }
