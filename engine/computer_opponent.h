// computer_opponent.h -- the computer's turn decision and its attack choices.
//
// Every legal placement is tried, the attacks and multi-hits that follow are
// searched, and each resulting board is scored by Evaluate at the context's
// level (one noise draw from its stream per evaluation, in search order).
#pragma once

#include "engine/board.h"
#include "engine/duel_context.h"
#include "engine/hand.h"
#include "engine/score16.h"

constexpr int TakeCardSlot = 255;

struct MoveChoice {
  int slot = 0;  // hand slot 0..4, or TakeCardSlot to draw from the pile
  int x = 0, y = 0;
  Score score = StartingScore;
};

struct AttackChoice {
  int x = 0, y = 0;  // the target cell
  Score score = StartingScore;
};

// The take-a-card decision. A side with an empty pile never takes (and draws
// no random value): there is nothing to take.
bool WantsToTakeCard(DuelContext& duel, const Board& board, const Hand& hand, int pileCount);

// The turn decision. False only when there is nothing to do: no card in the
// hand to place (or no free cell) and nothing to take. When every placement
// scores -10000 or less, the first legal one in scan order is played.
bool ChooseMove(DuelContext& duel, const Board& board, const Hand& hand, int pileCount, Side side, MoveChoice& move);

// The first attack of the card at (ax, ay), owned by side. False when it has no target.
bool ChooseAttack(DuelContext& duel, const Board& board, Side side, int ax, int ay, AttackChoice& attack);
// The next multi-hit target of the card at (ax, ay); side owns that card.
bool ChooseChainAttack(DuelContext& duel, const Board& board, Side side, int ax, int ay, AttackChoice& attack);
