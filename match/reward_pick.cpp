// reward_pick.cpp -- the one card of a perfect in the final challenge or a link duel.
#include "match/reward_pick.h"

int PickPlacedRewardCard(const Board& board, Side loser, int cardCount, std::int16_t rewards[5], RandomStream& random) {
  bool any = false;
  for (const Cell& c : board.cells)
    if (!c.free && c.firstOwner == loser && c.card.id >= 1 && c.card.id <= cardCount) any = true;
  if (!any) return 0;
  for (;;) {
    const int x = random.Below(6), y = random.Below(4);
    const Cell& c = board.At(x, y);
    if (!c.free && c.firstOwner == loser && c.card.id >= 1 && c.card.id <= cardCount) {
      rewards[1] = c.card.id;
      return 1;
    }
  }
}

int PickHeldRewardCard(const Board& board, Side loser, int cardCount, std::int16_t rewards[5], RandomStream& random) {
  const auto held = [&](const Cell& c) {
    return !c.free && c.owner == loser && c.firstOwner == loser && c.card.id >= 1 && c.card.id <= cardCount;
  };
  bool any = false;
  for (const Cell& c : board.cells) any = any || held(c);
  if (!any) return 0;
  for (;;) {
    const Cell& c = board.At(random.Below(6), random.Below(4));
    if (held(c)) {
      rewards[1] = c.card.id;
      return 1;
    }
  }
}
