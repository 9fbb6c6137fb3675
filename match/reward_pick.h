// reward_pick.h -- the card a perfect hands over where only one card changes hands.
#pragma once

#include <cstdint>

#include "engine/board.h"

// Draws cells (x = Random(6), y = Random(4), from `random`) until one holds a card that
// `loser` put down with an id up to cardCount, and stores it in rewards[1].
// Returns 1, or 0 (drawing nothing) when the board holds no such card.
int PickPlacedRewardCard(const Board& board, Side loser, int cardCount, std::int16_t rewards[5],
                         RandomStream& random);

// The one card of a link duel's result, which leaves the loser's collection for the winner's: drawn
// as above among the cells the loser holds at the end with a card it put down itself. A cell the
// loser took from the winner holds the winner's own card, which the loser cannot give. When the
// loser holds none of its own cards, any card it put down is drawn (PickPlacedRewardCard).
int PickLinkRewardCard(const Board& board, Side loser, int cardCount, std::int16_t rewards[5], RandomStream& random);
