// make_lobby.cpp -- the multiplayer room's screen (closed for now).
#include <memory>

#include "club/closed_room.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeLobbyScreen() { return std::make_unique<ClosedRoomScreen>(L"Multiplayer"); }
