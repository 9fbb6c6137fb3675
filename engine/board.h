// board.h -- the 6 x 4 duel board, its cells, sides and directions.
#pragma once

#include <cstdint>

#include "core/card.h"
#include "core/random.h"

// Side: 0 or 1 for the two duellists (0 red, 1 blue), 2 for nobody.
using Side = std::uint8_t;
constexpr Side NoSide = 2;
inline Side Opponent(Side s) { return static_cast<Side>(s ^ 1); }

constexpr int BoardColumns = 6;
constexpr int BoardRows = 4;
constexpr int BoardCells = BoardColumns * BoardRows;

// Directions 0..7 clockwise from straight up.
constexpr std::int8_t DirectionDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr std::int8_t DirectionDy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
constexpr std::int8_t OppositeDirection[8] = {4, 5, 6, 7, 0, 1, 2, 3};

struct Cell {
  std::uint8_t free = 1;             // 1 = empty and playable; 0 = occupied or blocked
  std::uint8_t firstOwner = NoSide;  // the side that put the card down
  std::uint8_t owner = NoSide;       // the side that controls it now
  Card card;                         // the card placed there (empty after a reset)
};

// Cells stored column-major: cell (x, y) is cells[x * 4 + y].
struct Board {
  Board();
  Cell cells[BoardCells];

  Cell& At(int x, int y) { return cells[x * BoardRows + y]; }
  const Cell& At(int x, int y) const { return cells[x * BoardRows + y]; }
};

static_assert(std::is_trivially_copyable_v<Board>, "the computer opponent copies boards freely");

inline int CellIndex(int x, int y) { return x * BoardRows + y; }

// Clears every cell (free, no owners, no card).
void ClearBoard(Board& board);
// Clears the board and blocks `blocked` distinct random cells, drawing
// x = Random(6) then y = Random(4) per try from `random`.
void ResetBoard(Board& board, int blocked, RandomStream& random);

inline bool InBounds(int x, int y) { return x >= 0 && x < BoardColumns && y >= 0 && y < BoardRows; }

// Operations given a cell off the board change nothing (PlaceCard says false,
// CellOwner gives NoSide); ResetBoard blocks at most every cell.
bool CanPlace(const Board& board, const Card& card, int x, int y);
bool PlaceCard(Board& board, const Card& card, int x, int y, Side side);
Side CellOwner(const Board& board, int x, int y);
void FlipOwner(Board& board, int x, int y);
void BlockCell(Board& board, int x, int y);

// The direction from cell 1 toward the neighbouring cell 2; -1 for the same cell.
int DirectionBetween(int x1, int y1, int x2, int y2);

int CountFree(const Board& board);
bool BoardFull(const Board& board);
void CountCards(const Board& board, int& count0, int& count1);
// True when one of the two sides owns no cell.
bool IsPerfect(const Board& board);
