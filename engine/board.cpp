// board.cpp -- resetting the board, placing cards and counting cells.
#include "engine/board.h"

Board::Board() { ClearBoard(*this); }

void ClearBoard(Board& board) {
  for (Cell& c : board.cells) {
    c.free = 1;
    c.firstOwner = NoSide;
    c.owner = NoSide;
    c.card = Card{};
  }
}

void ResetBoard(Board& board, int blocked, RandomStream& random) {
  // More blocks than cells would draw for ever.
  if (blocked < 0) blocked = 0;
  if (blocked > BoardCells) blocked = BoardCells;
  ClearBoard(board);
  while (blocked > 0) {
    int x = random.Below(BoardColumns);
    int y = random.Below(BoardRows);
    if (board.At(x, y).free) {
      BlockCell(board, x, y);
      --blocked;
    }
  }
}

bool CanPlace(const Board& board, const Card&, int x, int y) { return InBounds(x, y) && board.At(x, y).free == 1; }

bool PlaceCard(Board& board, const Card& card, int x, int y, Side side) {
  if (!InBounds(x, y)) return false;
  Cell& c = board.At(x, y);
  c.free = 0;
  c.card = card;
  c.firstOwner = side;
  c.owner = side;
  return true;
}

Side CellOwner(const Board& board, int x, int y) { return InBounds(x, y) ? board.At(x, y).owner : NoSide; }

void FlipOwner(Board& board, int x, int y) {
  if (!InBounds(x, y)) return;
  Cell& c = board.At(x, y);
  c.owner = static_cast<std::uint8_t>(c.owner ^ 1);
}

void BlockCell(Board& board, int x, int y) {
  if (!InBounds(x, y)) return;
  Cell& c = board.At(x, y);
  c.free = 0;
  c.firstOwner = NoSide;
  c.owner = NoSide;
}

int DirectionBetween(int x1, int y1, int x2, int y2) {
  if (x1 == x2) {
    if (y2 < y1) return 0;
    if (y2 > y1) return 4;
    return -1;
  }
  if (y1 == y2) return x2 > x1 ? 2 : 6;
  if (x2 < x1) return y2 < y1 ? 7 : 5;
  return y2 < y1 ? 1 : 3;
}

int CountFree(const Board& board) {
  int n = 0;
  for (const Cell& c : board.cells) n += c.free == 1;
  return n;
}

bool BoardFull(const Board& board) { return CountFree(board) == 0; }

void CountCards(const Board& board, int& count0, int& count1) {
  count0 = 0;
  count1 = 0;
  for (const Cell& c : board.cells) {
    if (c.owner == 0) ++count0;
    if (c.owner == 1) ++count1;
  }
}

bool IsPerfect(const Board& board) {
  int c0 = 0, c1 = 0;
  CountCards(board, c0, c1);
  return c0 == 0 || c1 == 0;
}
