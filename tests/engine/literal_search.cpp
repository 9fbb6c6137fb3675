// literal_search.cpp -- the reference search: a fresh full board copy per trial.
#include "tests/engine/literal_search.h"

#include "engine/computer_opponent.h"
#include "engine/evaluation.h"
#include "engine/fight.h"

namespace {

bool Consider(LiteralResult& r, Score score, int x, int y) {
  if (score > r.score) {
    r.score = score;
  } else if (r.found) {
    return false;
  }
  r.x = x;
  r.y = y;
  r.found = true;
  return true;
}

LiteralResult AttackLoop(DuelContext& duel, const Board& board, Side side, int ax, int ay, bool first) {
  LiteralResult r;
  for (int d = 0; d < 8; ++d) {
    Board work = board;
    int tx = ax + DirectionDx[d], ty = ay + DirectionDy[d];
    if (!CanAttack(work, ax, ay, tx, ty)) continue;
    Side w = ResolveFight(work, ax, ay, tx, ty);
    Score score;
    if (w == side) {
      if (CountAttackTargets(work, tx, ty) >= 1 && IconsFaceEachOther(work, ax, ay, tx, ty) &&
          (!first || duel.aiLevel != 0))
        score = LiteralChooseChainAttack(duel, work, side, tx, ty).score;
      else
        score = ToScore(Evaluate(duel, work, side));
    } else if (w == NoSide || !first) {
      score = ToScore(Evaluate(duel, work, side));
    } else if (CountAttackTargets(work, ax, ay) >= 1) {
      score = NegateScore(LiteralChooseChainAttack(duel, work, Opponent(side), ax, ay).score);
    } else {
      score = ToScore(Evaluate(duel, work, side));
    }
    Consider(r, score, tx, ty);
  }
  return r;
}

}  // namespace

LiteralResult LiteralChooseAttack(DuelContext& duel, const Board& board, Side side, int ax, int ay) {
  return AttackLoop(duel, board, side, ax, ay, true);
}

LiteralResult LiteralChooseChainAttack(DuelContext& duel, const Board& board, Side side, int ax, int ay) {
  return AttackLoop(duel, board, side, ax, ay, false);
}

LiteralResult LiteralChooseMove(DuelContext& duel, const Board& board, const Hand& hand, int pileCount, Side side) {
  LiteralResult r;
  if (WantsToTakeCard(duel, board, hand, pileCount)) {
    r.slot = TakeCardSlot;
    r.score = -1;
    r.found = true;
    return r;
  }
  for (int slot = 0; slot < HandSize; ++slot) {
    if (!hand.Occupied(slot)) continue;
    const Card& card = hand.Get(slot);
    for (int x = 0; x < BoardColumns; ++x)
      for (int y = 0; y < BoardRows; ++y) {
        Board work = board;
        if (!CanPlace(work, card, x, y)) continue;
        PlaceCard(work, card, x, y, side);
        Score score;
        if (CountAttackTargets(work, x, y) < 1)
          score = ToScore(Evaluate(duel, work, side));
        else
          score = LiteralChooseAttack(duel, work, side, x, y).score;
        if (Consider(r, score, x, y)) r.slot = slot;
      }
  }
  return r;
}

bool LiteralMoveDecision(DuelContext& duel, const Board& board, const Hand& hand, int pileCount, Side side,
                         MoveChoice& move) {
  LiteralResult r = LiteralChooseMove(duel, board, hand, pileCount, side);
  move.slot = r.slot;
  move.x = r.x;
  move.y = r.y;
  move.score = r.score;
  return r.found;
}

namespace {

bool AsAttack(const LiteralResult& r, AttackChoice& attack) {
  attack.x = r.x;
  attack.y = r.y;
  attack.score = r.score;
  return r.found;
}

}  // namespace

bool LiteralAttackDecision(DuelContext& duel, const Board& board, Side side, int ax, int ay, AttackChoice& attack) {
  return AsAttack(LiteralChooseAttack(duel, board, side, ax, ay), attack);
}

bool LiteralChainDecision(DuelContext& duel, const Board& board, Side side, int ax, int ay, AttackChoice& attack) {
  return AsAttack(LiteralChooseChainAttack(duel, board, side, ax, ay), attack);
}
