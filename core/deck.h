// deck.h -- a duellist's 16-card deck.
#pragma once

#include <cstdint>

#include "core/card.h"

constexpr int DeckSize = 16;

// Sixteen card slots; an empty slot holds a card whose id is -1. Cards are
// added to the first empty slot; removing one empties its slot and leaves the
// others where they are.
struct Deck {
  std::uint8_t count = 0;
  Card slots[DeckSize];
};

inline bool DeckContains(const Deck& deck, int id) {
  for (const Card& c : deck.slots)
    if (c.id == id) return true;
  return false;
}

// Empties the first slot holding id.
inline void RemoveFromDeck(Deck& deck, int id) {
  for (Card& c : deck.slots) {
    if (c.id == id) {
      c = Card{};
      if (deck.count > 0) --deck.count;
      return;
    }
  }
}

inline void EmptyDeck(Deck& deck) {
  for (Card& c : deck.slots) c = Card{};
  deck.count = 0;
}
