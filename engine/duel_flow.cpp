// duel_flow.cpp -- dealing, the end-of-duel result and the reward pick.
#include "engine/duel_flow.h"

#include <algorithm>

void DealSide(const Deck& deck, Hand& hand, Pile& pile, RandomStream& random) {
  int order[DeckSize];
  for (int i = 0; i < DeckSize; ++i) order[i] = i;
  for (int i = 0; i < 32; ++i) {
    int a = random.Below(DeckSize);
    int b = random.Below(DeckSize);
    std::swap(order[a], order[b]);
  }
  pile.Clear();
  hand.Clear();
  for (int i = 0; i < DeckSize; ++i) {
    if (order[i] > 4)
      pile.Push(deck.slots[i]);
    else
      hand.Add(deck.slots[i]);
  }
}

DuelOutcome DecideOutcome(const Board& board, bool singleReward) {
  DuelOutcome out;
  CountCards(board, out.count0, out.count1);
  out.perfect = IsPerfect(board);
  if (out.count1 < out.count0) {
    out.result = 0;
    out.rewardCount = singleReward ? 1 : std::min(4, (out.count0 + 3) / (out.count1 + 1));
  } else if (out.count0 == out.count1) {
    out.result = 2;
    out.rewardCount = 0;
  } else {
    out.result = 1;
    out.rewardCount = 1;
  }
  return out;
}

int CountRewardableCards(const Board& board, Side side, int cardCount) {
  std::int16_t seen[BoardCells];
  int n = 0;
  for (const Cell& c : board.cells) {
    if (c.owner != side || c.card.id > cardCount) continue;
    if (std::find(seen, seen + n, c.card.id) == seen + n) seen[n++] = c.card.id;
  }
  return n;
}

int PickRewardCards(const Board& board, Side side, int count, int cardCount, std::int16_t rewards[5],
                    RandomStream& random) {
  // A loser holding fewer different cards than the count would keep the
  // draw below looking for ever; hand over what there is.
  count = std::clamp(count, 0, 4);
  count = std::min(count, CountRewardableCards(board, side, cardCount));
  for (int k = count; k >= 1; --k) {
    for (;;) {
      int x = random.Below(BoardColumns);
      int y = random.Below(BoardRows);
      const Cell& c = board.At(x, y);
      if (c.owner != side) continue;
      std::int16_t id = c.card.id;
      if (id > cardCount) continue;
      bool taken = false;
      for (int j = k + 1; j <= count; ++j) taken = taken || rewards[j] == id;
      if (taken) continue;
      rewards[k] = id;
      break;
    }
  }
  return count;
}
