// search_board.cpp -- the static score on the compact search board.
#include "engine/search_board.h"

#include "engine/evaluation.h"
#include "engine/random.h"

namespace {

int CompactCellScore(const SearchLayout& l, int i) {
  int sum = 0;
  for (int d = 0; d < 8; ++d) {
    int n = Neighbours.cell[i][d];
    int e = l.icon[i][d];
    if (n < 0 || !l.free[n]) {
      sum -= e;
      continue;
    }
    int f = l.icon[n][OppositeDirection[d]];
    sum += e == f ? 10 : (e > f ? 30 : -30);
  }
  return sum;
}

void CompactSettled(const SearchLayout& l, std::uint8_t* settled) {
  for (int i = 0; i < BoardCells; ++i) settled[i] = 0;
  bool changed = true;
  while (changed) {
    changed = false;
    for (int i = 0; i < BoardCells; ++i) {
      if (settled[i] || l.free[i]) continue;
      bool ok = true;
      for (int d = 0; d < 8; ++d) {
        int n = Neighbours.cell[i][d];
        if (n < 0 || settled[n]) continue;
        int v = l.icon[i][d];
        if (v < 1 || v > 4) continue;
        if (l.free[n] || l.icon[n][OppositeDirection[d]] > v) {
          ok = false;
          break;
        }
      }
      if (ok) {
        settled[i] = 1;
        changed = true;
      }
    }
  }
}

void CompactSecure(const SearchLayout& l, const std::uint8_t* settled, std::uint8_t* secure) {
  for (int i = 0; i < BoardCells; ++i) secure[i] = 0;
  for (int i = 0; i < BoardCells; ++i) {
    if (l.free[i]) continue;
    bool ok = true;
    for (int d = 0; d < 8; ++d) {
      int n = Neighbours.cell[i][d];
      if (n < 0 || secure[n]) continue;
      int v = l.icon[i][d];
      if (v >= 5) continue;
      if (l.free[n] || (l.icon[n][OppositeDirection[d]] > v && !settled[n])) {
        ok = false;
        break;
      }
    }
    secure[i] = ok;
  }
}

int CompactExposure(const SearchLayout& l, const SearchOwners& w, int i) {
  int count = 0;
  for (int d = 0; d < 8; ++d) {
    int n = Neighbours.cell[i][d];
    if (n < 0) continue;
    int v = l.icon[i][d];
    if (v < 1 || v > 4) continue;
    if (l.free[n]) ++count;
    if (w.owner[n] == w.owner[i] && l.icon[n][OppositeDirection[d]] > v) ++count;
  }
  return count;
}

}  // namespace

void LoadLayout(const Board& board, SearchLayout& layout, SearchOwners& owners) {
  for (int i = 0; i < BoardCells; ++i) {
    const Cell& c = board.cells[i];
    SetLayoutCard(layout, i, c.card.icons, c.free);
    owners.owner[i] = c.owner;
  }
}

void SetLayoutCard(SearchLayout& layout, int cell, PowerIcons icons, std::uint8_t free) {
  for (int d = 0; d < 8; ++d) layout.icon[cell][d] = static_cast<std::uint8_t>(IconAt(icons, d));
  layout.free[cell] = free;
}

void PrepareLayout(SearchLayout& layout, int level) {
  std::uint8_t secure[BoardCells];
  if (level >= 1) {
    CompactSettled(layout, layout.settled);
    CompactSecure(layout, layout.settled, secure);
  }
  for (int i = 0; i < BoardCells; ++i) {
    int value = CompactCellScore(layout, i) + 100;
    if (level >= 1 && secure[i]) value += 300;
    layout.base[i] = value;
  }
}

int SearchCountTargets(const SearchLayout& l, const SearchOwners& w, int i) {
  int n = 0;
  int enemy = w.owner[i] ^ 1;
  for (int d = 0; d < 8; ++d) {
    int t = Neighbours.cell[i][d];
    if (t < 0 || l.free[t] || w.owner[t] != enemy || l.icon[i][d] == 0) continue;
    ++n;
  }
  return n;
}

std::int8_t SearchChainLoss(const SearchLayout& l, SearchOwners& w, int i) {
  std::uint8_t o = w.owner[i];
  w.owner[i] = static_cast<std::uint8_t>(o ^ 1);
  int best = -1;
  for (int d = 0; d < 8; ++d) {
    int n = Neighbours.cell[i][d];
    if (n < 0) continue;
    int e = l.icon[i][d];
    int f = l.icon[n][OppositeDirection[d]];
    int v;
    if (w.owner[n] == o) {
      // Contested when both point at each other: the lost card would attack it.
      if (e != 0 && f != 0) v = e > f ? SearchChainLoss(l, w, n) + 1 : -1;
      else v = e > f ? 1 : -1;
    } else {
      v = 0;  // free, blocked or already the other side's
    }
    if (v > best) best = v;
  }
  w.owner[i] = o;
  return static_cast<std::int8_t>(best);
}

int SearchEvaluate(const SearchLayout& l, SearchOwners& w, Side side, int level) {
  int sum = 0;
  Side enemy = Opponent(side);
  for (int i = 0; i < BoardCells; ++i) {
    Side o = w.owner[i];
    if (o != side && o != enemy) continue;
    int value = l.base[i];
    if (level >= 2) {
      int c = SearchChainLoss(l, w, i);
      if (c != 0) {
        if (l.settled[i]) {
          value += ToScore(50 * c);
        } else {
          int t = CompactExposure(l, w, i);
          value += ToScore(ShiftChainPenalty(-50 * c, t == 0 ? 255 : t - 1));
        }
      }
    }
    sum += o == side ? value : -value;
  }
  int n = NoiseTable[level];
  return sum + Random(n) - n / 2;
}
