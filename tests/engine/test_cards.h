// test_cards.h -- hand-made cards and boards for the engine tests.
#pragma once

#include <initializer_list>
#include <utility>

#include "engine/board.h"

// A card with the given icons as {direction, strength} pairs.
inline Card MakeCard(int id, std::initializer_list<std::pair<int, int>> icons) {
  Card c;
  c.id = static_cast<std::int16_t>(id);
  c.level = 1;
  for (auto [d, v] : icons) SetIcon(c.icons, d, v);
  return c;
}

// A card with the same strength in all eight directions.
inline Card AllRound(int id, int v) {
  Card c;
  c.id = static_cast<std::int16_t>(id);
  c.level = 1;
  for (int d = 0; d < 8; ++d) SetIcon(c.icons, d, v);
  return c;
}
