// link_duel_input.h -- the layout of a link-duel fuzz input: how the duel stands when the partner's bytes arrive,
// then the bytes themselves (the seed maker writes inputs of this layout).
//
//   byte 0      bits 0-1: the wait (0 and 3 a move, 1 an attack, 2 a multi-hit); bit 2: this device is the
//               server; bit 3: the computer plays this device's side; bits 4-7: the duel's random seed
//   byte 1      the answers to the duel's boxes, one bit each from bit 0 (1 Cancel Game, 0 Retry); Cancel after 8
//   byte 2      the cell of the partner's attacking card: x = byte % 6, y = byte / 6 % 4
//   bytes 3-26  the 24 cells, column by column: 255 blocked, else card byte / 2 (0: free) of side
//               byte % 2
//   the rest    what the partner sends, as it comes over the link
#pragma once

#include <cstdint>
#include <vector>

#include "engine/board.h"

constexpr std::size_t LinkDuelHeaderBytes = 3 + BoardCells;

struct LinkDuelSetUp {
  std::uint8_t wait = 0;  // 0 move, 1 attack, 2 multi-hit
  bool server = false;
  bool autoplay = false;
  std::uint8_t seed = 0;
  std::uint8_t answers = 0xFF;
  std::uint8_t attackerX = 0, attackerY = 0;
  std::uint8_t cells[BoardCells] = {};
};

inline std::vector<std::uint8_t> LinkDuelHeader(const LinkDuelSetUp& s) {
  std::vector<std::uint8_t> bytes;
  bytes.push_back(static_cast<std::uint8_t>((s.wait & 3) | (s.server ? 4 : 0) | (s.autoplay ? 8 : 0) | (s.seed << 4)));
  bytes.push_back(s.answers);
  bytes.push_back(static_cast<std::uint8_t>(s.attackerX + 6 * s.attackerY));
  bytes.insert(bytes.end(), s.cells, s.cells + BoardCells);
  return bytes;
}

constexpr std::uint8_t LinkDuelBlocked = 255;
// A cell byte: card `id` (1..126) put down by `side`.
inline std::uint8_t LinkDuelCard(int id, int side) { return static_cast<std::uint8_t>((id << 1) | (side & 1)); }
