// make_character.cpp -- the character room's screen (closed for now).
#include <memory>

#include "club/closed_room.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeCharacterScreen() { return std::make_unique<ClosedRoomScreen>(L"Character creation"); }
