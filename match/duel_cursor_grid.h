// duel_cursor_grid.h -- where the duel's key cursor may go: the board's 6 x 4 cells above a row of the pile and the
// hand.
#pragma once

#include <array>

// Rows 0..3 are the board's; row 4 is the bottom row: the pile in column 0 and
// hand slot i in column i + 1, roughly under the board's columns.
constexpr int CursorColumns = 6;
constexpr int CursorRows = 5;
constexpr int HandRow = 4;
constexpr int PileColumn = 0;

struct CursorSpot {
  int column = 1;
  int row = HandRow;
  bool operator==(const CursorSpot&) const = default;
};

enum class CursorMove { Up, Down, Left, Right };

// The spots that can be chosen now.
struct CursorGrid {
  std::array<std::array<bool, CursorColumns>, CursorRows> open{};
  bool Open(CursorSpot s) const;
  bool Any() const;
  bool AnyInRow(int row) const;
};

// One step of the cursor. Left and Right stay in the row, skip the spots that
// cannot be chosen and wrap round at the row's ends. Up and Down go to the
// nearest row that way with a spot to choose, to its spot nearest the column
// (the left one of two as near), and stop at the top and bottom. Where there
// is nothing to go to the cursor stays.
CursorSpot MoveCursor(CursorSpot from, CursorMove move, const CursorGrid& grid);

// The open spot of `row` nearest `column` (the left one of two as near); `fallback` when the row has none.
CursorSpot NearestInRow(const CursorGrid& grid, int row, int column, CursorSpot fallback);

// The first open spot in reading order (top row first, left to right); `fallback` when none is open.
CursorSpot FirstOpen(const CursorGrid& grid, CursorSpot fallback);
