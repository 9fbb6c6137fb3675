// hand.h -- a duellist's five-card hand and draw pile.
#pragma once

#include <cstdint>

#include "core/card.h"

constexpr int HandSize = 5;
constexpr int PileSize = 11;

struct HandSlot {
  std::uint8_t empty = 1;  // 1 = no card in the slot
  Card card;
};

struct Hand {
  HandSlot slots[HandSize];

  void Clear();
  // Into the first empty slot; false when the hand is full.
  bool Add(const Card& card);
  // Empties the slot and gives its card; false when it was already empty.
  bool Take(int slot, Card& card);
  // Only into an empty slot.
  bool Put(int slot, const Card& card);
  // The slot's card; an empty card for a slot number outside 0..4.
  const Card& Get(int slot) const;
  bool Occupied(int slot) const { return slot >= 0 && slot < HandSize && slots[slot].empty == 0; }
  // Index of the first empty slot, HandSize when full.
  int FirstEmpty() const;
  int Count() const;
};

// A stack of at most eleven cards; drawing takes the top.
struct Pile {
  Card cards[PileSize];
  std::uint8_t count = 0;

  void Clear() { count = 0; }
  bool Push(const Card& card);
  bool Pop(Card& card);
  bool Empty() const { return count == 0; }
};
