// make_options.cpp -- the options room's screen (closed for now).
#include <memory>

#include "club/closed_room.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeOptionsScreen() { return std::make_unique<ClosedRoomScreen>(L"Options"); }
