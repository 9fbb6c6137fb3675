// search_board.h -- the compact board the computer opponent searches on.
//
// A placement fixes which cells are free and which icons stand where; the
// fights that follow change owners only. So a search keeps the icons and free
// flags once per placement (SearchLayout, with the scores that depend on them
// alone) and copies just the 24 owner bytes per trial (SearchOwners).
#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/score16.h"

// Neighbour of cell i in direction d, -1 off the board.
struct NeighbourTableType {
  std::int8_t cell[BoardCells][8];
};
constexpr NeighbourTableType MakeNeighbourTable() {
  NeighbourTableType t{};
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y)
      for (int d = 0; d < 8; ++d) {
        int nx = x + DirectionDx[d], ny = y + DirectionDy[d];
        bool on = nx >= 0 && nx < BoardColumns && ny >= 0 && ny < BoardRows;
        t.cell[x * BoardRows + y][d] = static_cast<std::int8_t>(on ? nx * BoardRows + ny : -1);
      }
  return t;
}
inline constexpr NeighbourTableType Neighbours = MakeNeighbourTable();

struct SearchLayout {
  std::uint8_t icon[BoardCells][8];  // icon of each cell's card record toward each direction
  std::uint8_t free[BoardCells];
  // Filled by PrepareLayout for the current AiLevel:
  std::int32_t base[BoardCells];     // CellScore + 100 (+300 when secure at levels 1 and 2)
  std::uint8_t settled[BoardCells];  // SettledMap (level 2)
};

struct SearchOwners {
  std::uint8_t owner[BoardCells];
};

void LoadLayout(const Board& board, SearchLayout& layout, SearchOwners& owners);
void SetLayoutCard(SearchLayout& layout, int cell, PowerIcons icons, std::uint8_t free);
// Computes the per-placement scores for the given level.
void PrepareLayout(SearchLayout& layout, int level);

// The same rules as the full-board operations, on the compact form.
int SearchCountTargets(const SearchLayout& layout, const SearchOwners& owners, int cell);
int SearchEvaluate(const SearchLayout& layout, SearchOwners& owners, Side side, int level);
std::int8_t SearchChainLoss(const SearchLayout& layout, SearchOwners& owners, int cell);
