// search_board.cpp -- the static score on the compact search board.
#include "engine/search_board.h"

#include "engine/evaluation.h"

namespace {

// What icon e toward a neighbour (free or not, answering with f) gives: the
// CellScore part and the sets the neighbour joins.
struct DirectionEffect {
  std::uint32_t lanes[TermSetCount];  // all ones for each set the neighbour joins
  std::int32_t score;
};

// Indexed by every value a 3-bit icon field can hold: a damaged card record
// may carry 6 or 7, which then count as the plain numbers they are.
struct DirectionTable {
  DirectionEffect effect[2][8][8];  // [free][e][f]
};

constexpr DirectionTable MakeDirectionTable() {
  DirectionTable t{};
  for (int free = 0; free < 2; ++free)
    for (int e = 0; e < 8; ++e)
      for (int f = 0; f < 8; ++f) {
        int score = !free ? -e : (e == f ? 10 : (e > f ? 30 : -30));
        unsigned sets = 0;
        if (e != 0) sets |= 1u << AttackSet;
        if (e >= 1 && e <= 4) {
          if (free || f > e) sets |= 1u << SettleNeedSet;
          if (free) sets |= 1u << ExposedFreeSet;
          if (f > e) sets |= 1u << ExposedBySet;
        }
        if (e < 5) {
          if (free)
            sets |= 1u << SecureFreeSet;
          else if (f > e)
            sets |= 1u << SecureNeedSet;
        }
        if (e > f) sets |= 1u << (f != 0 ? ChainOnSet : ChainOneSet);
        DirectionEffect& x = t.effect[free][e][f];
        for (int k = 0; k < TermSetCount; ++k) x.lanes[k] = (sets >> k) & 1u ? ~0u : 0u;
        x.score = score;
      }
  return t;
}

constexpr DirectionTable Directions = MakeDirectionTable();

inline void AddDirection(CellTerms& t, int e, int f, bool free, std::uint32_t bit) {
  const DirectionEffect& x = Directions.effect[free][e][f];
  t.cellScore += x.score;
  for (int k = 0; k < TermSetCount; ++k) t.set[k] |= bit & x.lanes[k];
}

inline void RemoveDirection(CellTerms& t, int e, int f, bool free, std::uint32_t bit) {
  t.cellScore -= Directions.effect[free][e][f].score;
  for (int k = 0; k < TermSetCount; ++k) t.set[k] &= ~bit;
}

CellTerms ComputeTerms(const SearchLayout& l, int i) {
  CellTerms t{};
  for (int d = 0; d < 8; ++d) {
    int n = Neighbours.cell[i][d];
    int e = l.icon[i][d];
    if (n < 0) {
      t.cellScore -= e;
      continue;
    }
    std::uint32_t bit = CellBit(n);
    AddDirection(t, e, l.icon[n][OppositeDirection[d]], (l.freeCells & bit) != 0, bit);
  }
  return t;
}

}  // namespace

void LoadLayout(const Board& board, SearchLayout& layout, SearchOwners& owners) {
  layout.freeCells = 0;
  owners.side[0] = owners.side[1] = 0;
  for (int i = 0; i < BoardCells; ++i) {
    const Cell& c = board.cells[i];
    for (int d = 0; d < 8; ++d) layout.icon[i][d] = static_cast<std::uint8_t>(IconAt(c.card.icons, d));
    if (c.free == 1) layout.freeCells |= CellBit(i);
    if (c.owner == 0) owners.side[0] |= CellBit(i);
    if (c.owner == 1) owners.side[1] |= CellBit(i);
  }
  // A free cell's terms are never read: only the cards on the board are scored.
  for (int i = 0; i < BoardCells; ++i)
    layout.terms[i] = (layout.freeCells & CellBit(i)) ? CellTerms{} : ComputeTerms(layout, i);
}

void SetLayoutCard(SearchLayout& layout, int cell, PowerIcons icons, bool free) {
  std::uint32_t bit = CellBit(cell);
  bool wasFree = (layout.freeCells & bit) != 0;
  std::uint8_t newIcons[8];
  for (int d = 0; d < 8; ++d) newIcons[d] = static_cast<std::uint8_t>(IconAt(icons, d));
  // Each neighbour sees only its one direction toward this cell change.
  for (int d = 0; d < 8; ++d) {
    int n = Neighbours.cell[cell][d];
    if (n < 0 || (layout.freeCells & CellBit(n))) continue;
    CellTerms& t = layout.terms[n];
    int e = layout.icon[n][OppositeDirection[d]];
    RemoveDirection(t, e, layout.icon[cell][d], wasFree, bit);
    AddDirection(t, e, newIcons[d], free, bit);
  }
  for (int d = 0; d < 8; ++d) layout.icon[cell][d] = newIcons[d];
  if (free)
    layout.freeCells |= bit;
  else
    layout.freeCells &= ~bit;
  layout.terms[cell] = ComputeTerms(layout, cell);
}

void RestoreLayoutCell(SearchLayout& layout, int cell, PowerIcons icons, bool free) {
  for (int d = 0; d < 8; ++d) layout.icon[cell][d] = static_cast<std::uint8_t>(IconAt(icons, d));
  if (free)
    layout.freeCells |= CellBit(cell);
  else
    layout.freeCells &= ~CellBit(cell);
}

void PrepareLayout(SearchLayout& l, int level) {
  std::uint32_t secure = 0;
  if (level >= 1) {
    // Settled cells: the least set closed under "every neighbour that could
    // take me through a weaker icon is settled" -- the fixed point the
    // pass-by-pass marking reaches, whatever the order.
    const std::uint32_t occupied = ((1u << BoardCells) - 1) & ~l.freeCells;
    std::uint32_t settled = 0;
    bool changed = true;
    while (changed) {
      changed = false;
      std::uint32_t open = occupied & ~settled;
      while (open) {
        int i = __builtin_ctz(open);
        open &= open - 1;
        if ((l.terms[i].set[SettleNeedSet] & ~settled) == 0) {
          settled |= CellBit(i);
          changed = true;
        }
      }
    }
    l.settled = settled;
    // Secure cells: one pass in board order; earlier marks count.
    for (int i = 0; i < BoardCells; ++i) {
      if (l.freeCells & CellBit(i)) continue;
      const CellTerms& t = l.terms[i];
      if (t.set[SecureFreeSet]) continue;  // a free neighbour is never marked, so it always stands in the way
      if ((t.set[SecureNeedSet] & ~(settled | secure)) == 0) secure |= CellBit(i);
    }
  }
  for (int i = 0; i < BoardCells; ++i) l.base[i] = l.terms[i].cellScore + 100 + ((secure >> i) & 1u ? 300 : 0);
}

namespace {

// ChainLoss one step down a chain: cell i has just been taken from its owner,
// whose other cards are `friends`. The cell it was taken from is a neighbour
// outside `friends`, so the run is at least 0 here.
int ChainLossBelow(const SearchLayout& l, int i, std::uint32_t friends) {
  const CellTerms& t = l.terms[i];
  int best = (t.set[ChainOneSet] & friends) ? 1 : 0;
  std::uint32_t next = t.set[ChainOnSet] & friends;
  while (next) {
    int n = __builtin_ctz(next);
    next &= next - 1;
    int v = ChainLossBelow(l, n, friends & ~CellBit(n)) + 1;
    if (v > best) best = v;
  }
  return best;
}

}  // namespace

int SearchChainLoss(const SearchLayout& l, int i, std::uint32_t friends) {
  const CellTerms& t = l.terms[i];
  int best = -1;
  if (Neighbours.mask[i] & ~friends) best = 0;  // a free, blocked or enemy neighbour
  if (t.set[ChainOneSet] & friends) best = 1;
  std::uint32_t next = t.set[ChainOnSet] & friends;
  while (next) {
    int n = __builtin_ctz(next);
    next &= next - 1;
    int v = ChainLossBelow(l, n, friends & ~CellBit(n)) + 1;
    if (v > best) best = v;
  }
  return best;
}

int SearchEvaluate(const SearchLayout& l, const SearchOwners& w, Side side, int level, RandomStream& random) {
  int sum = 0;
  for (int s = 0; s < 2; ++s) {
    std::uint32_t cells = w.side[s];
    int total = 0;
    while (cells) {
      int i = __builtin_ctz(cells);
      cells &= cells - 1;
      int value = l.base[i];
      if (level >= 2) {
        std::uint32_t friends = w.side[s] & ~CellBit(i);
        const CellTerms& t = l.terms[i];
        int c;
        if (t.set[ChainOnSet] & friends) {
          c = static_cast<std::int8_t>(SearchChainLoss(l, i, friends));
        } else {
          // No friend to take back: the run stops at once.
          c = (t.set[ChainOneSet] & friends) ? 1 : ((Neighbours.mask[i] & ~friends) ? 0 : -1);
        }
        if (c != 0) {
          if ((l.settled >> i) & 1u) {
            value += ToScore(50 * c);
          } else {
            int exposure = CountCells(t.set[ExposedFreeSet]) + CountCells(t.set[ExposedBySet] & w.side[s]);
            value += ToScore(ShiftChainPenalty(-50 * c, exposure == 0 ? 255 : exposure - 1));
          }
        }
      }
      total += value;
    }
    sum += s == side ? total : -total;
  }
  int n = NoiseTable[level];
  return sum + random.Below(n) - n / 2;
}
