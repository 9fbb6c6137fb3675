// attack_rules.cpp -- what a fight leaves behind: the end of the turn or a multi-hit.
#include "engine/attack_rules.h"

#include "engine/fight.h"

bool ChainAfterFight(const Board& board, int ax, int ay, int tx, int ty, Side attackSide, Side winner, bool inChain,
                     int& cx, int& cy) {
  if (winner == attackSide) {
    if (CountAttackTargets(board, tx, ty) < 1 || !IconsFaceEachOther(board, ax, ay, tx, ty)) return false;
    cx = tx;
    cy = ty;
    return true;
  }
  if (winner == NoSide || inChain) return false;
  if (CountAttackTargets(board, ax, ay) < 1) return false;
  cx = ax;
  cy = ay;
  return true;
}
