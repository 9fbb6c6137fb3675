// evaluation.cpp -- the static board score of the three computer levels, on full boards.
#include "engine/evaluation.h"

#include "engine/fight.h"

int NoiseSpan(const DuelContext& duel) { return NoiseTable[duel.Level()]; }

int CellScore(const Board& board, int x, int y) {
  if (!InBounds(x, y)) return 0;
  const Card& c = board.At(x, y).card;
  int sum = 0;
  for (int d = 0; d < 8; ++d) {
    int nx = x + DirectionDx[d], ny = y + DirectionDy[d];
    int e = c.Icon(d);
    if (!InBounds(nx, ny)) {
      sum -= e;
      continue;
    }
    const Cell& n = board.At(nx, ny);
    if (n.free) {
      int f = n.card.Icon(OppositeDirection[d]);
      sum += e == f ? 10 : (e > f ? 30 : -30);
    } else {
      sum -= e;
    }
  }
  return sum;
}

void BuildSettledMap(DuelContext& duel, const Board& board) {
  std::uint8_t* settledMap = duel.settledMap;
  for (int i = 0; i < BoardCells; ++i) settledMap[i] = 0;
  bool changed = true;
  while (changed) {
    changed = false;
    for (int x = 0; x < BoardColumns; ++x) {
      for (int y = 0; y < BoardRows; ++y) {
        int i = CellIndex(x, y);
        const Cell& cell = board.cells[i];
        if (settledMap[i] || cell.free) continue;
        bool settled = true;
        for (int d = 0; d < 8 && settled; ++d) {
          int nx = x + DirectionDx[d], ny = y + DirectionDy[d];
          if (!InBounds(nx, ny) || settledMap[CellIndex(nx, ny)]) continue;
          int v = cell.card.Icon(d);
          if (v < 1 || v > 4) continue;
          const Cell& n = board.At(nx, ny);
          if (n.free || n.card.Icon(OppositeDirection[d]) > v) settled = false;
        }
        if (settled) {
          settledMap[i] = 1;
          changed = true;
        }
      }
    }
  }
}

void BuildSecureMap(DuelContext& duel, const Board& board) {
  const std::uint8_t* settledMap = duel.settledMap;
  std::uint8_t* secureMap = duel.secureMap;
  for (int i = 0; i < BoardCells; ++i) secureMap[i] = 0;
  for (int x = 0; x < BoardColumns; ++x) {
    for (int y = 0; y < BoardRows; ++y) {
      int i = CellIndex(x, y);
      const Cell& cell = board.cells[i];
      if (secureMap[i] || cell.free) continue;
      bool secure = true;
      for (int d = 0; d < 8 && secure; ++d) {
        int nx = x + DirectionDx[d], ny = y + DirectionDy[d];
        if (!InBounds(nx, ny)) continue;
        int ni = CellIndex(nx, ny);
        if (secureMap[ni]) continue;
        int v = cell.card.Icon(d);
        if (v >= 5) continue;
        const Cell& n = board.cells[ni];
        if (n.free)
          secure = false;
        else if (n.card.Icon(OppositeDirection[d]) > v && !settledMap[ni])
          secure = false;
      }
      if (secure) secureMap[i] = 1;
    }
  }
}

std::int8_t ChainLoss(const Board& board, int x, int y) {
  if (!InBounds(x, y)) return -1;
  Side o = board.At(x, y).owner;
  Board work = board;
  FlipOwner(work, x, y);
  int best = -1;
  const Card& c = board.At(x, y).card;
  for (int d = 0; d < 8; ++d) {
    int nx = x + DirectionDx[d], ny = y + DirectionDy[d];
    if (!InBounds(nx, ny)) continue;
    const Cell& n = board.At(nx, ny);
    int e = c.Icon(d);
    int f = n.card.Icon(OppositeDirection[d]);
    int v;
    if (Contested(work, x, y, nx, ny)) {
      v = e > f ? ChainLoss(work, nx, ny) + 1 : -1;
    } else if (n.free || n.owner != o) {
      v = 0;
    } else {
      v = e > f ? 1 : -1;
    }
    if (v > best) best = v;
  }
  return static_cast<std::int8_t>(best);
}

int ExposureCount(const Board& board, int x, int y) {
  if (!InBounds(x, y)) return 0;
  const Cell& cell = board.At(x, y);
  int count = 0;
  for (int d = 0; d < 8; ++d) {
    int nx = x + DirectionDx[d], ny = y + DirectionDy[d];
    if (!InBounds(nx, ny)) continue;
    int v = cell.card.Icon(d);
    if (v < 1 || v > 4) continue;
    const Cell& n = board.At(nx, ny);
    if (n.free) ++count;
    if (n.owner == cell.owner && n.card.Icon(OppositeDirection[d]) > v) ++count;
  }
  return count;
}

Score ChainScore(DuelContext& duel, const Board& board, int x, int y) {
  if (!InBounds(x, y)) return 0;
  BuildSettledMap(duel, board);
  BuildSecureMap(duel, board);
  int c = ChainLoss(board, x, y);
  if (c == 0) return 0;
  int t = ExposureCount(board, x, y);
  if (duel.settledMap[CellIndex(x, y)]) return ToScore(50 * c);
  int shift = t == 0 ? 255 : t - 1;
  return ToScore(ShiftChainPenalty(-50 * c, shift));
}

namespace {

int Noise(DuelContext& duel) {
  int n = NoiseSpan(duel);
  return duel.Draw(n) - n / 2;
}

}  // namespace

int Evaluate0(DuelContext& duel, const Board& board, Side side) {
  int sum = 0;
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y) {
      Side o = board.At(x, y).owner;
      if (o == side)
        sum += CellScore(board, x, y) + 100;
      else if (o == Opponent(side))
        sum -= CellScore(board, x, y) + 100;
    }
  return sum + Noise(duel);
}

namespace {

int EvaluateWithMaps(DuelContext& duel, const Board& board, Side side, bool chains) {
  BuildSettledMap(duel, board);
  BuildSecureMap(duel, board);
  int sum = 0;
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y) {
      Side o = board.At(x, y).owner;
      if (o != side && o != Opponent(side)) continue;
      int value = CellScore(board, x, y);
      // ChainScore rebuilds the maps for this same board, so they stay valid.
      if (chains) value += ChainScore(duel, board, x, y);
      value += 100;
      if (duel.secureMap[CellIndex(x, y)]) value += 300;
      sum += o == side ? value : -value;
    }
  return sum + Noise(duel);
}

}  // namespace

int Evaluate1(DuelContext& duel, const Board& board, Side side) { return EvaluateWithMaps(duel, board, side, false); }
int Evaluate2(DuelContext& duel, const Board& board, Side side) { return EvaluateWithMaps(duel, board, side, true); }

int Evaluate(DuelContext& duel, const Board& board, Side side) {
  if (duel.aiLevel <= 0) return Evaluate0(duel, board, side);
  if (duel.aiLevel == 1) return Evaluate1(duel, board, side);
  return Evaluate2(duel, board, side);
}
