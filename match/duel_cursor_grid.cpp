// duel_cursor_grid.cpp -- the key cursor's steps over the board, the pile and the hand.
#include "match/duel_cursor_grid.h"

#include <cstdlib>

bool CursorGrid::Open(CursorSpot s) const {
  return s.row >= 0 && s.row < CursorRows && s.column >= 0 && s.column < CursorColumns &&
         open[static_cast<std::size_t>(s.row)][static_cast<std::size_t>(s.column)];
}

bool CursorGrid::AnyInRow(int row) const {
  if (row < 0 || row >= CursorRows) return false;
  for (bool b : open[static_cast<std::size_t>(row)])
    if (b) return true;
  return false;
}

bool CursorGrid::Any() const {
  for (int row = 0; row < CursorRows; ++row)
    if (AnyInRow(row)) return true;
  return false;
}

CursorSpot NearestInRow(const CursorGrid& grid, int row, int column, CursorSpot fallback) {
  CursorSpot best = fallback;
  int bestDistance = CursorColumns + 1;
  for (int c = 0; c < CursorColumns; ++c) {
    const int d = std::abs(c - column);
    if (grid.Open({c, row}) && d < bestDistance) {
      best = {c, row};
      bestDistance = d;
    }
  }
  return best;
}

CursorSpot FirstOpen(const CursorGrid& grid, CursorSpot fallback) {
  for (int row = 0; row < CursorRows; ++row)
    for (int c = 0; c < CursorColumns; ++c)
      if (grid.Open({c, row})) return {c, row};
  return fallback;
}

CursorSpot MoveCursor(CursorSpot from, CursorMove move, const CursorGrid& grid) {
  switch (move) {
    case CursorMove::Left:
    case CursorMove::Right: {
      const int step = move == CursorMove::Right ? 1 : CursorColumns - 1;
      for (int k = 1; k < CursorColumns; ++k) {
        const CursorSpot s{(from.column + step * k) % CursorColumns, from.row};
        if (grid.Open(s)) return s;
      }
      return from;
    }
    case CursorMove::Up:
    case CursorMove::Down: {
      const int step = move == CursorMove::Down ? 1 : -1;
      for (int row = from.row + step; row >= 0 && row < CursorRows; row += step)
        if (grid.AnyInRow(row)) return NearestInRow(grid, row, from.column, from);
      return from;
    }
  }
  return from;
}
