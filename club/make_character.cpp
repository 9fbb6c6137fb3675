// make_character.cpp -- the character room's screen.
#include <memory>

#include "club/character_screen.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeCharacterScreen() { return std::make_unique<CharacterScreen>(); }
