// synthetic_cards.cpp -- a fixed made-up card set and mid-game boards for the benchmarks.
#include "bench/engine/synthetic_cards.h"

#include <random>

namespace {

// A small fixed-sequence generator: seeding a Mersenne twister per card
// would cost more than the duel being measured.
struct CardHash {
  std::uint32_t state;
  std::uint32_t operator()() {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  }
};

}  // namespace

Card SyntheticCard(int id) {
  CardHash rng{static_cast<std::uint32_t>(id) * 2654435761u};
  Card c;
  c.id = static_cast<std::int16_t>(id);
  c.level = static_cast<std::int8_t>(1 + (id - 1) / 86);
  int icons = 2 + c.level + static_cast<int>(rng() % 2);
  for (int i = 0; i < icons; ++i) {
    int d = static_cast<int>(rng() % 8);
    if (IconAt(c.icons, d) == 0) SetIcon(c.icons, d, 1 + static_cast<int>(rng() % (1 + c.level)));
  }
  c.price = static_cast<std::int16_t>(10 * c.level);
  return c;
}

Deck SyntheticDeck(std::uint32_t seed, int strength) {
  std::mt19937 rng(seed);
  Deck d;
  for (int i = 0; i < DeckSize; ++i) {
    int level = std::min(4, 1 + (i * (1 + strength)) / 16);
    for (;;) {
      int id = 1 + (level - 1) * 86 + static_cast<int>(rng() % 86);
      if (!DeckContains(d, id)) {
        d.slots[i] = SyntheticCard(id);
        break;
      }
    }
  }
  d.count = DeckSize;
  return d;
}

void CrowdedBoard(std::uint32_t seed, int cards, Board& board, Hand& hand) {
  std::mt19937 rng(seed);
  ClearBoard(board);
  for (int n = 2 + static_cast<int>(rng() % 5); n > 0;) {
    int i = static_cast<int>(rng() % BoardCells);
    if (board.cells[i].free) {
      BlockCell(board, i / 4, i % 4);
      --n;
    }
  }
  for (int n = cards; n > 0;) {
    int i = static_cast<int>(rng() % BoardCells);
    if (!board.cells[i].free) continue;
    PlaceCard(board, SyntheticCard(1 + static_cast<int>(rng() % 344)), i / 4, i % 4, static_cast<Side>(n & 1));
    --n;
  }
  hand.Clear();
  for (int i = 0; i < HandSize; ++i) hand.Add(SyntheticCard(1 + static_cast<int>(rng() % 344)));
}
