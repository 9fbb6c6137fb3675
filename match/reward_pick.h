// reward_pick.h -- the card a perfect hands over where only one card changes hands.
#pragma once

#include <cstdint>

#include "engine/board.h"

// Draws cells (x = Random(6), y = Random(4), from `random`) until one holds a card that
// `loser` put down with an id up to cardCount, and stores it in rewards[1].
// Returns 1, or 0 (drawing nothing) when the board holds no such card.
int PickPlacedRewardCard(const Board& board, Side loser, int cardCount, std::int16_t rewards[5], RandomStream& random);
// The same for a card that `loser` put down and still holds at the end: the only kind a loser on another
// device can give (a card it captured is the winner's own). 0 when there is none.
int PickHeldRewardCard(const Board& board, Side loser, int cardCount, std::int16_t rewards[5], RandomStream& random);
