// game_state.h -- which top-level screen runs: the club or a duel.
#pragma once

#include <cstdint>

// 1 while the club is shown, 0 while a duel is in progress: cleared when any
// duel starts, set when the match is left, kept in the quick-save file.
extern std::uint8_t InClub;
