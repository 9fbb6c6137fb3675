// fight.cpp -- attack targets and the fight between two neighbouring cards.
#include "engine/fight.h"

bool CanAttack(const Board& board, int ax, int ay, int tx, int ty) {
  int ddx = tx - ax, ddy = ty - ay;
  if (ddx < -1 || ddx > 1 || ddy < -1 || ddy > 1) return false;
  if (!InBounds(tx, ty) || !InBounds(ax, ay)) return false;
  const Cell& t = board.At(tx, ty);
  const Cell& a = board.At(ax, ay);
  if (t.free) return false;
  if (t.owner != Opponent(a.owner)) return false;
  int d = DirectionBetween(ax, ay, tx, ty);
  if (d < 0) return false;
  return a.card.Icon(d) != 0;
}

int CountAttackTargets(const Board& board, int x, int y) {
  int n = 0;
  for (int d = 0; d < 8; ++d) n += CanAttack(board, x, y, x + DirectionDx[d], y + DirectionDy[d]);
  return n;
}

bool FirstAttackTarget(const Board& board, int x, int y, int& tx, int& ty) {
  for (int i = -1; i <= 1; ++i)
    for (int j = -1; j <= 1; ++j)
      if (CanAttack(board, x, y, x + i, y + j)) {
        tx = x + i;
        ty = y + j;
        return true;
      }
  return false;
}

Side ResolveFight(Board& board, int ax, int ay, int dx, int dy) {
  // Only neighbours on the board fight; anything else is refused as a draw.
  if (!InBounds(ax, ay) || !InBounds(dx, dy) || dx - ax < -1 || dx - ax > 1 || dy - ay < -1 || dy - ay > 1)
    return NoSide;
  int d = DirectionBetween(ax, ay, dx, dy);
  if (d < 0) return NoSide;
  Cell& a = board.At(ax, ay);
  Cell& t = board.At(dx, dy);
  int f = a.card.Icon(d);
  int h = t.card.Icon(OppositeDirection[d]);
  if (h < f) {
    t.owner = a.owner;
    return a.owner;
  }
  if (h == f) return NoSide;
  a.owner = t.owner;
  return t.owner;
}

bool IconsFaceEachOther(const Board& board, int x1, int y1, int x2, int y2) {
  if (!InBounds(x1, y1) || !InBounds(x2, y2) || x2 - x1 < -1 || x2 - x1 > 1 || y2 - y1 < -1 || y2 - y1 > 1)
    return false;
  int d = DirectionBetween(x1, y1, x2, y2);
  if (d < 0) return false;
  return board.At(x1, y1).card.Icon(d) != 0 && board.At(x2, y2).card.Icon(OppositeDirection[d]) != 0;
}

bool Contested(const Board& board, int ax, int ay, int dx, int dy) {
  return IconsFaceEachOther(board, ax, ay, dx, dy) && board.At(dx, dy).owner == Opponent(board.At(ax, ay).owner);
}

int ThreatCount(const Board& board, const Card& card, int x, int y, Side side) {
  if (!InBounds(x, y)) return 0;
  int n = 0;
  for (int d = 0; d < 8; ++d) {
    if (card.Icon(d) == 0) continue;
    int nx = x + DirectionDx[d], ny = y + DirectionDy[d];
    if (!InBounds(nx, ny)) continue;
    const Cell& c = board.At(nx, ny);
    if (!c.free && c.owner == Opponent(side)) ++n;
  }
  return n;
}
