// duel_context.h -- what one duel's computer opponent works with: its level, its scratch maps, its random stream.
//
// Every draw of a duel (dealing, blocked cells, the computer's noise, the
// cards that change hands) comes from the stream the context is given, in
// the order the duel makes them. The game hands its duel the game's own
// stream; a simulator gives every duel its own, so duels can run side by side.
#pragma once

#include <cstdint>

#include "core/random.h"
#include "engine/board.h"

struct DuelContext {
  explicit DuelContext(RandomStream& stream) : random(&stream) {}

  RandomStream* random;
  // The computer's skill for the current turn: 0 Guest, 1 Member, 2 Elite
  // (values outside 0..2 count as the nearest level).
  std::int8_t aiLevel = 0;
  // Scratch maps indexed like the board (x * 4 + y), rebuilt before every use.
  std::uint8_t settledMap[BoardCells] = {};
  std::uint8_t secureMap[BoardCells] = {};

  int Level() const { return aiLevel < 0 ? 0 : (aiLevel > 2 ? 2 : aiLevel); }
  int Draw(int n) { return random->Below(n); }
};
