// evaluation_test.cpp -- hand-worked scores of the computer opponent's evaluation.
#include <gtest/gtest.h>

#include "core/random.h"
#include "engine/evaluation.h"
#include "tests/engine/test_cards.h"

namespace {
// The tests draw from the game's stream, so they can seed and read it as before.
DuelContext duel(GameRandom());
}  // namespace

TEST(Score, SixteenBitWrap) {
  EXPECT_EQ(ToScore(40000), -25536);
  EXPECT_EQ(ToScore(-40000), 25536);
  EXPECT_EQ(ToScore(-10000), -10000);
  EXPECT_EQ(NegateScore(-32768), -32768);
  EXPECT_EQ(NegateScore(1234), -1234);
}

TEST(Evaluation, CellScoreReadsFreeCellsRecordsAndPenalisesBlockedSides) {
  Board b;
  PlaceCard(b, MakeCard(1, {{0, 3}, {2, 2}, {3, 4}}), 0, 0, 0);
  PlaceCard(b, AllRound(2, 1), 1, 1, 1);
  // up off board -3, right free 2>0 +30, down-right occupied -4, down free 0=0 +10
  EXPECT_EQ(CellScore(b, 0, 0), 33);
  // A free cell still holding an old card record with an icon toward us: 0 < 1.
  SetIcon(b.At(0, 1).card.icons, 0, 1);
  EXPECT_EQ(CellScore(b, 0, 0), -7);
}

TEST(Evaluation, SettledMapReachesItsFixedPoint) {
  Board b;
  // A (0,0) points right 3; B (1,0) answers with 4, so A is not settled until B is.
  PlaceCard(b, MakeCard(1, {{2, 3}}), 0, 0, 0);
  PlaceCard(b, MakeCard(2, {{6, 4}}), 1, 0, 1);
  // C points at a free cell with a 1..4 icon: never settled. D does so with a 5: settled.
  PlaceCard(b, MakeCard(3, {{4, 2}}), 4, 0, 0);
  PlaceCard(b, MakeCard(4, {{4, 5}}), 5, 0, 0);
  BuildSettledMap(duel, b);
  EXPECT_EQ(duel.settledMap[CellIndex(0, 0)], 1);
  EXPECT_EQ(duel.settledMap[CellIndex(1, 0)], 1);
  EXPECT_EQ(duel.settledMap[CellIndex(4, 0)], 0);
  EXPECT_EQ(duel.settledMap[CellIndex(5, 0)], 1);
  EXPECT_EQ(duel.settledMap[CellIndex(3, 3)], 0);  // free
}

TEST(Evaluation, SecureMapAcceptsStrongerNeighboursOnlyWhenSettled) {
  Board b;
  // C (0,0): 5s toward its free neighbours, 0 toward D. D (1,0): 3 toward C, 5s elsewhere.
  PlaceCard(b, MakeCard(1, {{3, 5}, {4, 5}}), 0, 0, 0);
  PlaceCard(b, MakeCard(2, {{6, 3}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}), 1, 0, 1);
  // E (0,3) also 0 toward F (1,3), whose 3 toward E is not settled (it points at a free cell).
  PlaceCard(b, MakeCard(3, {{0, 5}, {1, 5}}), 0, 3, 0);
  PlaceCard(b, MakeCard(4, {{6, 3}, {0, 1}, {7, 5}}), 1, 3, 1);
  BuildSettledMap(duel, b);
  BuildSecureMap(duel, b);
  EXPECT_EQ(duel.settledMap[CellIndex(1, 0)], 1);
  EXPECT_EQ(duel.secureMap[CellIndex(0, 0)], 1);
  EXPECT_EQ(duel.settledMap[CellIndex(1, 3)], 0);
  EXPECT_EQ(duel.secureMap[CellIndex(0, 3)], 0);
  EXPECT_EQ(duel.secureMap[CellIndex(1, 3)], 0);  // its 1 points at a free cell
}

namespace {

// A row of red cards that would fall one after another: each points right
// with 3 at a friend that answers with 2.
Board ChainRow() {
  Board b;
  PlaceCard(b, MakeCard(1, {{2, 3}}), 0, 0, 0);
  PlaceCard(b, MakeCard(2, {{6, 2}, {2, 4}}), 1, 0, 0);
  PlaceCard(b, MakeCard(3, {{6, 1}}), 2, 0, 0);
  return b;
}

}  // namespace

TEST(Evaluation, ChainLossFollowsContestedFriends) {
  Board b = ChainRow();
  EXPECT_EQ(ChainLoss(b, 0, 0), 2);
  EXPECT_EQ(ChainLoss(b, 1, 0), 1);
  EXPECT_EQ(ChainLoss(b, 2, 0), 0);
  // A friend that would win the fight back stops the run: -1 for that side.
  Board lone;
  PlaceCard(lone, MakeCard(1, {{2, 1}}), 0, 0, 0);
  PlaceCard(lone, MakeCard(2, {{6, 3}}), 1, 0, 0);
  PlaceCard(lone, MakeCard(3, {}), 0, 1, 0);
  PlaceCard(lone, MakeCard(4, {}), 1, 1, 0);
  EXPECT_EQ(ChainLoss(lone, 0, 0), -1);
  EXPECT_EQ(ChainLoss(b, 0, 0), 2);  // the board itself is left as it was
  EXPECT_EQ(CellOwner(b, 0, 0), 0);
}

TEST(Evaluation, ChainScoreShiftsByExposure) {
  Board b = ChainRow();
  // Settled: 50 per card.
  EXPECT_EQ(ChainScore(duel, b, 0, 0), 100);
  // One icon toward a free cell: unsettled, exposure 1, no shift.
  SetIcon(b.At(0, 0).card.icons, 4, 1);
  EXPECT_EQ(ChainScore(duel, b, 0, 0), -100);
  // Two: shifted right by one.
  SetIcon(b.At(0, 0).card.icons, 3, 2);
  EXPECT_EQ(ChainScore(duel, b, 0, 0), -50);
  // Unsettled through an enemy alone, exposure 0: the shift of 255 keeps the sign.
  Board e = ChainRow();
  SetIcon(e.At(0, 0).card.icons, 4, 2);
  PlaceCard(e, MakeCard(9, {{0, 3}, {2, 1}}), 0, 1, 1);
  EXPECT_EQ(ExposureCount(e, 0, 0), 0);
  EXPECT_EQ(ChainScore(duel, e, 0, 0), -1);
}

TEST(Evaluation, NoiseSpansPerLevel) {
  Board empty;
  const int expected[3][2] = {{-125, 124}, {-25, 24}, {-5, 4}};
  SeedRandom(2024);
  for (int level = 0; level < 3; ++level) {
    duel.aiLevel = static_cast<std::int8_t>(level);
    int lo = 1000, hi = -1000;
    for (int i = 0; i < 20000; ++i) {
      int v = Evaluate(duel, empty, 0);
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    EXPECT_EQ(lo, expected[level][0]) << level;
    EXPECT_EQ(hi, expected[level][1]) << level;
  }
}

TEST(Evaluation, LevelsAddSecureAndChainTerms) {
  Board b = ChainRow();
  PlaceCard(b, AllRound(7, 5), 5, 3, 1);
  // With the noise draw replayed, the sums are exact.
  auto noiseFree = [&](int level) {
    duel.aiLevel = static_cast<std::int8_t>(level);
    SeedRandom(77);
    int n = NoiseTable[level];
    int noise = Random(n) - n / 2;
    SeedRandom(77);
    return Evaluate(duel, b, 0) - noise;
  };
  int cells = CellScore(b, 0, 0) + CellScore(b, 1, 0) + CellScore(b, 2, 0) + 300 - (CellScore(b, 5, 3) + 100);
  EXPECT_EQ(noiseFree(0), cells);
  BuildSettledMap(duel, b);
  BuildSecureMap(duel, b);
  int secure = 0;
  for (int i : {CellIndex(0, 0), CellIndex(1, 0), CellIndex(2, 0)}) secure += duel.secureMap[i] ? 300 : 0;
  int enemySecure = duel.secureMap[CellIndex(5, 3)] ? 300 : 0;
  EXPECT_EQ(noiseFree(1), cells + secure - enemySecure);
  int chains =
      ChainScore(duel, b, 0, 0) + ChainScore(duel, b, 1, 0) + ChainScore(duel, b, 2, 0) - ChainScore(duel, b, 5, 3);
  EXPECT_EQ(noiseFree(2), cells + secure - enemySecure + chains);
}
