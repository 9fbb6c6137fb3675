// literal_search.h -- the computer opponent's search step by step on full board copies.
//
// Kept as the yardstick for the fast search: same rules, no shortcuts.
#pragma once

#include "engine/board.h"
#include "engine/computer_opponent.h"
#include "engine/hand.h"
#include "engine/score16.h"

struct LiteralResult {
  int slot = 0, x = 0, y = 0;
  Score score = StartingScore;
  bool found = false;
};

LiteralResult LiteralChooseMove(DuelContext& duel, const Board& board, const Hand& hand, int pileCount, Side side);
LiteralResult LiteralChooseAttack(DuelContext& duel, const Board& board, Side side, int ax, int ay);
LiteralResult LiteralChooseChainAttack(DuelContext& duel, const Board& board, Side side, int ax, int ay);

// The same three in the shape of the engine's decisions, for whole duels.
bool LiteralMoveDecision(DuelContext& duel, const Board& board, const Hand& hand, int pileCount, Side side,
                         MoveChoice& move);
bool LiteralAttackDecision(DuelContext& duel, const Board& board, Side side, int ax, int ay, AttackChoice& attack);
bool LiteralChainDecision(DuelContext& duel, const Board& board, Side side, int ax, int ay, AttackChoice& attack);
