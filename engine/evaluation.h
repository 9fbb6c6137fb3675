// evaluation.h -- the computer opponent's static board score, level by level.
//
// These work on full Board values, step by step as the rules state them; the
// move search uses a compact copy of the same rules (search_board.h) and must
// agree with these exactly.
#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/duel_context.h"
#include "engine/score16.h"

// The noise span per level.
constexpr std::int16_t NoiseTable[3] = {250, 50, 10};

// The noise span of the context's level.
int NoiseSpan(const DuelContext& duel);

// How well the card at (x, y) points at its neighbours.
int CellScore(const Board& board, int x, int y);
// Cards that can no longer change hands through their weaker icons (fixed
// point), into duel.settledMap.
void BuildSettledMap(DuelContext& duel, const Board& board);
// One pass after BuildSettledMap, into duel.secureMap.
void BuildSecureMap(DuelContext& duel, const Board& board);
// The longest run of cards the owner of (x, y) would lose if that card changed
// hands and attacked its former allies; -1 when nothing would be lost.
std::int8_t ChainLoss(const Board& board, int x, int y);
int ExposureCount(const Board& board, int x, int y);
Score ChainScore(DuelContext& duel, const Board& board, int x, int y);

// Each ends with one noise draw from the context's stream: Random(N) - N / 2
// with the span of the context's level.
int Evaluate0(DuelContext& duel, const Board& board, Side side);
int Evaluate1(DuelContext& duel, const Board& board, Side side);
int Evaluate2(DuelContext& duel, const Board& board, Side side);
// Dispatches on the context's level.
int Evaluate(DuelContext& duel, const Board& board, Side side);

// The shift of a chain score: shift counts of 31 and more give the sign.
inline int ShiftChainPenalty(int value, int shift) {
  if (shift >= 31) return value < 0 ? -1 : 0;
  return value >> shift;
}
