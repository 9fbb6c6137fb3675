// make_tournament.cpp -- the tournament room's screen (closed for now).
#include <memory>

#include "club/closed_room.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeTournamentScreen(int) { return std::make_unique<ClosedRoomScreen>(L"Tournament"); }
