// search_board.h -- the compact board the computer opponent searches on.
//
// A placement fixes which cells are free and which icons stand where; the
// fights that follow change owners only. So the search keeps, per placement,
// everything that depends on icons and free cells alone (SearchLayout: the
// cell scores, the settled and secure cells, the neighbour sets that the
// chain and exposure terms read), and copies just two 24-bit owner sets per
// trial (SearchOwners). Cells are numbered as on the board, x * 4 + y.
#pragma once

#include <cstdint>

#include "core/random.h"
#include "engine/board.h"
#include "engine/score16.h"

// Neighbour of cell i in direction d, -1 off the board.
struct NeighbourTableType {
  std::int8_t cell[BoardCells][8];
  std::uint32_t mask[BoardCells];  // all on-board neighbours
};
constexpr NeighbourTableType MakeNeighbourTable() {
  NeighbourTableType t{};
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y)
      for (int d = 0; d < 8; ++d) {
        int nx = x + DirectionDx[d], ny = y + DirectionDy[d];
        bool on = nx >= 0 && nx < BoardColumns && ny >= 0 && ny < BoardRows;
        t.cell[x * BoardRows + y][d] = static_cast<std::int8_t>(on ? nx * BoardRows + ny : -1);
        if (on) t.mask[x * BoardRows + y] |= 1u << (nx * BoardRows + ny);
      }
  return t;
}
inline constexpr NeighbourTableType Neighbours = MakeNeighbourTable();

inline std::uint32_t CellBit(int i) { return 1u << i; }

// Bits set in a cell set, without a library call on processors lacking a popcount instruction.
inline int CountCells(std::uint32_t v) {
  v = v - ((v >> 1) & 0x55555555u);
  v = (v & 0x33333333u) + ((v >> 2) & 0x33333333u);
  return static_cast<int>((((v + (v >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}

// What one cell's card and its neighbours give the evaluation, as sets of neighbours.
enum TermSet {
  AttackSet,       // neighbours the card has an icon toward
  SettleNeedSet,   // neighbours that must be settled first (icon 1..4 toward a free or stronger one)
  SecureNeedSet,   // occupied neighbours stronger than an icon below 5 (fine when settled)
  ChainOnSet,      // friends it would take back while both point at each other (ChainLoss recurses)
  ChainOneSet,     // friends it would take that do not point back
  ExposedBySet,    // stronger neighbours facing an icon 1..4 (exposure when friends)
  SecureFreeSet,   // free neighbours faced by an icon below 5 (never secure then)
  ExposedFreeSet,  // free neighbours faced by an icon 1..4
  TermSetCount
};

struct CellTerms {
  std::uint32_t set[TermSetCount];
  std::int32_t cellScore;  // CellScore
};

struct SearchLayout {
  std::uint8_t icon[BoardCells][8];  // icon of each cell's card record toward each direction
  std::uint32_t freeCells;
  CellTerms terms[BoardCells];
  // Filled by PrepareLayout for the current level:
  std::int32_t base[BoardCells];  // CellScore + 100 (+300 when secure at levels 1 and 2)
  std::uint32_t settled;          // SettledMap (level 2)
};

struct SearchOwners {
  std::uint32_t side[2];  // the cells each side owns
};

inline int OwnerOf(const SearchOwners& w, int i) {
  return (w.side[0] >> i) & 1u ? 0 : ((w.side[1] >> i) & 1u ? 1 : NoSide);
}

void LoadLayout(const Board& board, SearchLayout& layout, SearchOwners& owners);
// Puts a card's icons into a cell, marks it free or not, and brings the terms
// of the cell and of its neighbours up to date.
void SetLayoutCard(SearchLayout& layout, int cell, PowerIcons icons, bool free);
// Puts back a cell's icons and free flag whose terms (and its neighbours')
// the caller restores itself.
void RestoreLayoutCell(SearchLayout& layout, int cell, PowerIcons icons, bool free);
// Computes the per-placement scores for the given level.
void PrepareLayout(SearchLayout& layout, int level);

// The same rules as the full-board operations, on the compact form.
inline int SearchCountTargets(const SearchLayout& l, const SearchOwners& w, int i) {
  int o = OwnerOf(w, i);
  if (o == NoSide) return 0;
  return CountCells(l.terms[i].set[AttackSet] & w.side[o ^ 1]);
}
// Ends with the level's noise draw from `random`.
int SearchEvaluate(const SearchLayout& layout, const SearchOwners& owners, Side side, int level, RandomStream& random);
// ChainLoss of cell i, whose owner holds `friends` (i excluded).
int SearchChainLoss(const SearchLayout& layout, int i, std::uint32_t friends);
