// synthetic_cards.h -- a fixed made-up card set and mid-game boards for the benchmarks.
#pragma once

#include <cstdint>

#include "core/deck.h"
#include "engine/board.h"
#include "engine/hand.h"

// Card `id` of a fixed 344-card set: more and stronger icons at higher levels.
Card SyntheticCard(int id);
// Sixteen different cards, levels rising as a generated deck's do.
Deck SyntheticDeck(std::uint32_t seed, int strength);
// A board with `cards` cards of both sides on it, and a full hand for the mover.
void CrowdedBoard(std::uint32_t seed, int cards, Board& board, Hand& hand);
