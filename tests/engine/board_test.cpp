// board_test.cpp -- board reset, placing, directions, fights and counting.
#include <gtest/gtest.h>

#include "core/random.h"
#include "engine/board.h"
#include "engine/fight.h"
#include "engine/hand.h"
#include "tests/engine/test_cards.h"

TEST(Board, ResetBlocksDistinctCellsAndClearsCards) {
  Board b;
  PlaceCard(b, AllRound(7, 3), 2, 2, 0);
  SeedRandom(99);
  ResetBoard(b, 6, GameRandom());
  EXPECT_EQ(CountFree(b), 18);
  int blocked = 0;
  for (const Cell& c : b.cells) {
    EXPECT_EQ(c.card.icons, 0u);
    EXPECT_EQ(c.card.id, -1);
    if (!c.free) {
      ++blocked;
      EXPECT_EQ(c.owner, NoSide);
      EXPECT_EQ(c.firstOwner, NoSide);
    }
  }
  EXPECT_EQ(blocked, 6);
}

TEST(Board, ResetDrawsColumnThenRowAndRedrawsTakenCells) {
  // Replay the draws by hand: x = Random(6), y = Random(4) per try.
  SeedRandom(5);
  bool expected[BoardCells] = {};
  int left = 4;
  while (left > 0) {
    int x = Random(6), y = Random(4);
    if (!expected[CellIndex(x, y)]) {
      expected[CellIndex(x, y)] = true;
      --left;
    }
  }
  std::uint32_t after = RandomState();
  SeedRandom(5);
  Board b;
  ResetBoard(b, 4, GameRandom());
  for (int i = 0; i < BoardCells; ++i) EXPECT_EQ(b.cells[i].free == 0, expected[i]) << i;
  EXPECT_EQ(RandomState(), after);
}

TEST(Board, StorageIsColumnMajor) {
  Board b;
  PlaceCard(b, AllRound(3, 1), 1, 2, 1);
  EXPECT_EQ(b.cells[1 * 4 + 2].card.id, 3);
  EXPECT_EQ(b.cells[1 * 4 + 2].owner, 1);
  EXPECT_EQ(b.cells[1 * 4 + 2].firstOwner, 1);
}

TEST(Board, DirectionBetweenAllNeighbours) {
  for (int d = 0; d < 8; ++d) EXPECT_EQ(DirectionBetween(2, 2, 2 + DirectionDx[d], 2 + DirectionDy[d]), d);
  EXPECT_EQ(DirectionBetween(3, 1, 3, 1), -1);
  for (int d = 0; d < 8; ++d) EXPECT_EQ(OppositeDirection[OppositeDirection[d]], d);
}

TEST(Board, CanPlaceOnlyOnFreeCellsOnTheBoard) {
  Board b;
  Card c = AllRound(1, 1);
  EXPECT_TRUE(CanPlace(b, c, 0, 0));
  EXPECT_FALSE(CanPlace(b, c, -1, 0));
  EXPECT_FALSE(CanPlace(b, c, 6, 0));
  EXPECT_FALSE(CanPlace(b, c, 0, 4));
  BlockCell(b, 0, 0);
  EXPECT_FALSE(CanPlace(b, c, 0, 0));
  PlaceCard(b, c, 5, 3, 0);
  EXPECT_FALSE(CanPlace(b, c, 5, 3));
}

TEST(Board, CountingIgnoresBlockedCellsAndFullMeansNoFreeCell) {
  Board b;
  BlockCell(b, 0, 0);
  PlaceCard(b, AllRound(1, 1), 1, 0, 0);
  PlaceCard(b, AllRound(2, 1), 2, 0, 1);
  PlaceCard(b, AllRound(3, 1), 3, 0, 1);
  int c0, c1;
  CountCards(b, c0, c1);
  EXPECT_EQ(c0, 1);
  EXPECT_EQ(c1, 2);
  EXPECT_FALSE(IsPerfect(b));
  EXPECT_FALSE(BoardFull(b));
  for (int i = 0; i < BoardCells; ++i)
    if (b.cells[i].free) BlockCell(b, i / 4, i % 4);
  EXPECT_TRUE(BoardFull(b));
  FlipOwner(b, 1, 0);
  EXPECT_TRUE(IsPerfect(b));  // all cards blue, however few
}

TEST(Fight, CanAttackNeedsAnEnemyNeighbourAndAnIcon) {
  Board b;
  PlaceCard(b, MakeCard(1, {{2, 3}}), 2, 1, 0);  // points right only
  PlaceCard(b, AllRound(2, 1), 3, 1, 1);
  PlaceCard(b, AllRound(3, 1), 1, 1, 1);  // enemy on the left: no icon there
  PlaceCard(b, AllRound(4, 1), 2, 2, 0);  // friend below
  EXPECT_TRUE(CanAttack(b, 2, 1, 3, 1));
  EXPECT_FALSE(CanAttack(b, 2, 1, 1, 1));
  EXPECT_FALSE(CanAttack(b, 2, 1, 2, 2));
  EXPECT_FALSE(CanAttack(b, 2, 1, 2, 1));  // itself
  EXPECT_FALSE(CanAttack(b, 2, 1, 4, 1));  // two steps away
  EXPECT_EQ(CountAttackTargets(b, 2, 1), 1);
  int tx = -1, ty = -1;
  ASSERT_TRUE(FirstAttackTarget(b, 2, 1, tx, ty));
  EXPECT_EQ(tx, 3);
  EXPECT_EQ(ty, 1);
  EXPECT_EQ(ThreatCount(b, MakeCard(1, {{2, 3}}), 2, 1, 0), 1);
}

TEST(Fight, BlockedCellIsNeverATarget) {
  Board b;
  PlaceCard(b, AllRound(1, 5), 2, 1, 0);
  BlockCell(b, 3, 1);
  EXPECT_FALSE(CanAttack(b, 2, 1, 3, 1));
  EXPECT_EQ(CountAttackTargets(b, 2, 1), 0);
  EXPECT_FALSE(Contested(b, 2, 1, 3, 1));
}

TEST(Fight, FirstTargetScansColumnsThenRows) {
  Board b;
  PlaceCard(b, AllRound(1, 2), 2, 1, 0);
  PlaceCard(b, AllRound(2, 1), 3, 0, 1);  // up-right: column +1
  PlaceCard(b, AllRound(3, 1), 1, 2, 1);  // down-left: column -1, found first
  int tx, ty;
  ASSERT_TRUE(FirstAttackTarget(b, 2, 1, tx, ty));
  EXPECT_EQ(tx, 1);
  EXPECT_EQ(ty, 2);
}

TEST(Fight, OutcomesOfOneFight) {
  Board b;
  // Defender with no icon toward the attacker loses to a 1.
  PlaceCard(b, MakeCard(1, {{2, 1}}), 0, 0, 0);
  PlaceCard(b, MakeCard(2, {{0, 5}}), 1, 0, 1);
  EXPECT_EQ(ResolveFight(b, 0, 0, 1, 0), 0);
  EXPECT_EQ(CellOwner(b, 1, 0), 0);
  // Equal icons: a draw, nothing changes.
  PlaceCard(b, AllRound(3, 5), 0, 2, 0);
  PlaceCard(b, AllRound(4, 5), 1, 2, 1);
  EXPECT_EQ(ResolveFight(b, 0, 2, 1, 2), NoSide);
  EXPECT_EQ(CellOwner(b, 0, 2), 0);
  EXPECT_EQ(CellOwner(b, 1, 2), 1);
  // Weaker attacker: its own card changes side, the defender keeps its own.
  PlaceCard(b, MakeCard(5, {{3, 2}}), 3, 0, 0);
  PlaceCard(b, MakeCard(6, {{7, 4}}), 4, 1, 1);
  EXPECT_EQ(ResolveFight(b, 3, 0, 4, 1), 1);
  EXPECT_EQ(CellOwner(b, 3, 0), 1);
  EXPECT_EQ(CellOwner(b, 4, 1), 1);
  EXPECT_EQ(b.At(3, 0).firstOwner, 0);
}

TEST(Fight, IconsFaceEachOtherIgnoresOwners) {
  Board b;
  PlaceCard(b, MakeCard(1, {{4, 1}}), 0, 0, 0);
  PlaceCard(b, MakeCard(2, {{0, 1}}), 0, 1, 0);
  PlaceCard(b, MakeCard(3, {{2, 1}}), 1, 1, 1);
  EXPECT_TRUE(IconsFaceEachOther(b, 0, 0, 0, 1));
  EXPECT_FALSE(Contested(b, 0, 0, 0, 1));  // same owner
  EXPECT_FALSE(IconsFaceEachOther(b, 0, 1, 1, 1));
}

TEST(Board, CellsOffTheBoardAreRefusedQuietly) {
  Board b;
  EXPECT_FALSE(PlaceCard(b, AllRound(1, 1), 6, 0, 0));
  EXPECT_FALSE(PlaceCard(b, AllRound(1, 1), 0, -1, 0));
  BlockCell(b, -1, 9);
  FlipOwner(b, 7, 7);
  EXPECT_EQ(CountFree(b), BoardCells);
  EXPECT_EQ(CellOwner(b, 6, 4), NoSide);
  // Fights only between neighbours on the board.
  PlaceCard(b, AllRound(1, 3), 0, 0, 0);
  PlaceCard(b, AllRound(2, 1), 2, 0, 1);
  EXPECT_EQ(ResolveFight(b, 0, 0, 2, 0), NoSide);
  EXPECT_EQ(CellOwner(b, 2, 0), 1);
  EXPECT_EQ(ResolveFight(b, 0, 0, -1, 0), NoSide);
  EXPECT_EQ(ThreatCount(b, AllRound(3, 1), 9, 9, 0), 0);
  // More blocks than cells: every cell blocked, no endless draw.
  ResetBoard(b, 40, GameRandom());
  EXPECT_TRUE(BoardFull(b));
  Hand h;
  EXPECT_EQ(h.Get(9).id, -1);
}
