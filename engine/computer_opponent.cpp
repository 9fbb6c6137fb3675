// computer_opponent.cpp -- the one-move search of the computer opponent on compact boards.
#include "engine/computer_opponent.h"

#include "engine/evaluation.h"
#include "engine/search_board.h"

namespace {

struct Search {
  SearchLayout layout;
  int level;
  RandomStream& random;

  // The best attack from cell a; `first` marks a turn's first attack, where a
  // lost fight hands a chain to the other side and a Guest does not search chains.
  Score Attack(const SearchOwners& owners, Side side, int a, bool first, int& target) {
    Score best = StartingScore;
    bool found = false;
    const SearchLayout& l = layout;
    int attacker = OwnerOf(owners, a);
    if (attacker == NoSide) return best;
    std::uint32_t enemies = owners.side[attacker ^ 1];
    for (int d = 0; d < 8; ++d) {
      int t = Neighbours.cell[a][d];
      if (t < 0 || !(enemies & CellBit(t))) continue;
      int f = l.icon[a][d];
      if (f == 0) continue;
      SearchOwners work = owners;
      int h = l.icon[t][OppositeDirection[d]];
      Side w;
      if (h < f) {
        work.side[attacker ^ 1] &= ~CellBit(t);
        work.side[attacker] |= CellBit(t);
        w = static_cast<Side>(attacker);
      } else if (h == f) {
        w = NoSide;
      } else {
        work.side[attacker] &= ~CellBit(a);
        work.side[attacker ^ 1] |= CellBit(a);
        w = static_cast<Side>(attacker ^ 1);
      }
      Score score;
      int ignored;
      if (w == side) {
        // A capture chains on when the two cards pointed at each other.
        if ((!first || level != 0) && h != 0 && SearchCountTargets(l, work, t) >= 1)
          score = Attack(work, side, t, false, ignored);
        else
          score = ToScore(SearchEvaluate(l, work, side, level, random));
      } else if (w != NoSide && first && SearchCountTargets(l, work, a) >= 1) {
        // A lost first attack: the other side chains from the lost card.
        score = NegateScore(Attack(work, Opponent(side), a, false, ignored));
      } else {
        score = ToScore(SearchEvaluate(l, work, side, level, random));
      }
      // Strictly better wins, so the lower direction keeps a tie. Scores can
      // sink to -10000 and below; the first legal target is then kept rather
      // than a target that was never tried.
      if (score > best) {
        best = score;
        target = t;
        found = true;
      } else if (!found) {
        target = t;
        found = true;
      }
    }
    return best;
  }
};

// The terms a placement at cell i changes: its own and its neighbours'.
void SaveTerms(const SearchLayout& l, int i, CellTerms* saved) {
  saved[0] = l.terms[i];
  for (int d = 0; d < 8; ++d) {
    int n = Neighbours.cell[i][d];
    if (n >= 0) saved[1 + d] = l.terms[n];
  }
}

void RestoreTerms(SearchLayout& l, int i, const CellTerms* saved) {
  l.terms[i] = saved[0];
  for (int d = 0; d < 8; ++d) {
    int n = Neighbours.cell[i][d];
    if (n >= 0) l.terms[n] = saved[1 + d];
  }
}

bool SearchAttack(DuelContext& duel, const Board& board, Side side, int ax, int ay, bool first, AttackChoice& attack) {
  if (!InBounds(ax, ay)) return false;
  Search s{{}, duel.Level(), *duel.random};
  SearchOwners owners;
  LoadLayout(board, s.layout, owners);
  PrepareLayout(s.layout, s.level);
  int target = -1;
  Score score = s.Attack(owners, side, CellIndex(ax, ay), first, target);
  if (target < 0) return false;
  attack.x = target / BoardRows;
  attack.y = target % BoardRows;
  attack.score = score;
  return true;
}

}  // namespace

bool WantsToTakeCard(DuelContext& duel, const Board& board, const Hand& hand, int pileCount) {
  if (pileCount <= 0) return false;
  int n = hand.Count();
  if (n == HandSize) return false;
  if (n == 0) return true;
  if (n > CountFree(board) / 2) return false;
  return duel.Draw(n) == 0;
}

bool ChooseMove(DuelContext& duel, const Board& board, const Hand& hand, int pileCount, Side side, MoveChoice& move) {
  if (side > 1) return false;
  if (WantsToTakeCard(duel, board, hand, pileCount)) {
    move.slot = TakeCardSlot;
    move.x = 0;
    move.y = 0;
    move.score = -1;
    return true;
  }
  Search s{{}, duel.Level(), *duel.random};
  SearchOwners owners;
  LoadLayout(board, s.layout, owners);
  Score best = StartingScore;
  bool found = false;
  for (int slot = 0; slot < HandSize; ++slot) {
    if (!hand.Occupied(slot)) continue;
    const Card& card = hand.Get(slot);
    for (int i = 0; i < BoardCells; ++i) {
      if (!(s.layout.freeCells & CellBit(i))) continue;
      CellTerms saved[9];
      SaveTerms(s.layout, i, saved);
      SetLayoutCard(s.layout, i, card.icons, false);
      PrepareLayout(s.layout, s.level);
      SearchOwners work = owners;
      work.side[side & 1] |= CellBit(i);
      Score score;
      if (SearchCountTargets(s.layout, work, i) < 1) {
        score = ToScore(SearchEvaluate(s.layout, work, side, s.level, s.random));
      } else {
        int ignored;
        score = s.Attack(work, side, i, true, ignored);
      }
      RestoreLayoutCell(s.layout, i, board.cells[i].card.icons, true);
      RestoreTerms(s.layout, i, saved);
      // As for attacks: the first of equal scores in scan order wins, and
      // when nothing beats -10000 the first legal placement is played (never
      // an empty slot or an occupied cell).
      if (score > best || !found) {
        if (score > best) best = score;
        move.slot = slot;
        move.x = i / BoardRows;
        move.y = i % BoardRows;
        found = true;
      }
    }
  }
  move.score = best;
  return found;
}

bool ChooseAttack(DuelContext& duel, const Board& board, Side side, int ax, int ay, AttackChoice& attack) {
  return SearchAttack(duel, board, side, ax, ay, true, attack);
}

bool ChooseChainAttack(DuelContext& duel, const Board& board, Side side, int ax, int ay, AttackChoice& attack) {
  return SearchAttack(duel, board, side, ax, ay, false, attack);
}
