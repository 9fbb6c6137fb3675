// game_state.cpp -- the club-or-duel flag.
#include "data/game_state.h"

std::uint8_t InClub = 1;
