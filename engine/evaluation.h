// evaluation.h -- the computer opponent's static board score, level by level.
//
// These work on full Board values, step by step as the rules state them; the
// move search uses a compact copy of the same rules (search_board.h) and must
// agree with these exactly.
#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/score16.h"

// The computer's skill for the current turn: 0 Guest, 1 Member, 2 Elite.
extern std::int8_t AiLevel;
// The noise span per level.
constexpr std::int16_t NoiseTable[3] = {250, 50, 10};

// Scratch maps indexed like the board (x * 4 + y), rebuilt before every use.
extern std::uint8_t SettledMap[BoardCells];
extern std::uint8_t SecureMap[BoardCells];

// The noise span of the current AiLevel (levels outside 0..2 count as Elite).
int NoiseSpan();

// How well the card at (x, y) points at its neighbours.
int CellScore(const Board& board, int x, int y);
// Cards that can no longer change hands through their weaker icons (fixed point).
void BuildSettledMap(const Board& board);
// One pass after BuildSettledMap.
void BuildSecureMap(const Board& board);
// The longest run of cards the owner of (x, y) would lose if that card changed
// hands and attacked its former allies; -1 when nothing would be lost.
std::int8_t ChainLoss(const Board& board, int x, int y);
int ExposureCount(const Board& board, int x, int y);
Score ChainScore(const Board& board, int x, int y);

// Each ends with one noise draw: Random(N) - N / 2.
int Evaluate0(const Board& board, Side side);
int Evaluate1(const Board& board, Side side);
int Evaluate2(const Board& board, Side side);
// Dispatches on AiLevel.
int Evaluate(const Board& board, Side side);

// The shift of a chain score: shift counts of 31 and more give the sign.
inline int ShiftChainPenalty(int value, int shift) {
  if (shift >= 31) return value < 0 ? -1 : 0;
  return value >> shift;
}
