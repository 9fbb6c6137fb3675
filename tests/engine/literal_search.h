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

LiteralResult LiteralChooseMove(const Board& board, const Hand& hand, int pileCount, Side side);
LiteralResult LiteralChooseAttack(const Board& board, Side side, int ax, int ay);
LiteralResult LiteralChooseChainAttack(const Board& board, Side side, int ax, int ay);

// The same three in the shape of the engine's decisions, for whole duels.
bool LiteralMoveDecision(const Board& board, const Hand& hand, int pileCount, Side side, MoveChoice& move);
bool LiteralAttackDecision(const Board& board, Side side, int ax, int ay, AttackChoice& attack);
bool LiteralChainDecision(const Board& board, Side side, int ax, int ay, AttackChoice& attack);
