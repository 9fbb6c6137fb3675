// duel_flow.h -- dealing the sides, the end-of-duel result and the cards that change hands.
#pragma once

#include <cstdint>

#include "core/deck.h"
#include "core/random.h"
#include "engine/board.h"
#include "engine/hand.h"

// Shuffles the deck positions with 32 swaps (Random(16), then Random(16)),
// then gives positions whose shuffled value is 0..4 to the hand and the other
// eleven, in deck order, to the pile.
void DealSide(const Deck& deck, Hand& hand, Pile& pile, RandomStream& random);

// What a full board means.
struct DuelOutcome {
  int count0 = 0, count1 = 0;
  std::uint8_t result = 2;  // 0 side 0 won, 1 side 1 won, 2 tie
  bool perfect = false;
  int rewardCount = 0;  // cards the loser hands over
};

// The result and how many cards change hands. A side-0 win against a
// computer hands over (count0 + 3) / (count1 + 1) cards, at most 4; a win in
// the final challenge or against a remote player hands over one; a side-1
// win hands over one; a tie none.
DuelOutcome DecideOutcome(const Board& board, bool singleReward);

// The number of different card ids up to cardCount on the cells that side owns.
int CountRewardableCards(const Board& board, Side side, int cardCount);

// Picks `count` different cards among those side owns, for k = count down to
// 1: cells are drawn (x = Random(6), y = Random(4)) until one is the side's
// with an id up to cardCount not chosen yet; rewards[k] receives it
// (rewards[0] is unused). The count is first cut to CountRewardableCards,
// so the draw always ends; the count actually picked is returned.
int PickRewardCards(const Board& board, Side side, int count, int cardCount, std::int16_t rewards[5],
                    RandomStream& random);
