// make_lobby.cpp -- the multiplayer room's screen.
#include <memory>

#include "club/lobby_screen.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeLobbyScreen() { return std::make_unique<LobbyScreen>(); }
