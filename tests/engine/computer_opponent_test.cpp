// computer_opponent_test.cpp -- the take-or-play rule, attack scoring and the fallback move.
#include <gtest/gtest.h>

#include "core/random.h"
#include "engine/computer_opponent.h"
#include "engine/evaluation.h"
#include "engine/fight.h"
#include "tests/engine/literal_search.h"
#include "tests/engine/test_cards.h"

namespace {
// The tests draw from the game's stream, so they can seed and read it as before.
DuelContext duel(GameRandom());
}  // namespace

namespace {

Hand HandOf(int cards) {
  Hand h;
  for (int i = 0; i < cards; ++i) h.Add(AllRound(50 + i, 1));
  return h;
}

// How many values the generator gave since it stood at `from`.
int DrawsSince(std::uint32_t from) {
  std::uint32_t s = from;
  for (int n = 0; n < 100000; ++n) {
    if (s == RandomState()) return n;
    s = s * 214013u + 2531011u;
  }
  return -1;
}

}  // namespace

TEST(ComputerOpponent, TakeOrPlayRule) {
  Board b;
  SeedRandom(10);
  EXPECT_FALSE(WantsToTakeCard(duel, b, HandOf(5), 11));
  EXPECT_TRUE(WantsToTakeCard(duel, b, HandOf(0), 11));
  EXPECT_EQ(DrawsSince(10), 0);
  // Three cards and five free cells: 3 > 5 / 2, always play, no draw.
  Board crowded;
  for (int i = 0; i < BoardCells - 5; ++i) BlockCell(crowded, i / 4, i % 4);
  EXPECT_FALSE(WantsToTakeCard(duel, crowded, HandOf(3), 11));
  EXPECT_EQ(DrawsSince(10), 0);
  // Otherwise a take with probability 1/n.
  SeedRandom(10);
  bool expected = Random(2) == 0;
  SeedRandom(10);
  EXPECT_EQ(WantsToTakeCard(duel, b, HandOf(2), 11), expected);
  EXPECT_EQ(DrawsSince(10), 1);
}

TEST(ComputerOpponent, EmptyPileIsNeverTakenFrom) {
  Board b;
  SeedRandom(3);
  EXPECT_FALSE(WantsToTakeCard(duel, b, HandOf(0), 0));
  EXPECT_FALSE(WantsToTakeCard(duel, b, HandOf(2), 0));
  EXPECT_EQ(DrawsSince(3), 0);
  MoveChoice m;
  EXPECT_FALSE(ChooseMove(duel, b, HandOf(0), 0, 0, m));  // nothing to place, nothing to take
  EXPECT_EQ(DrawsSince(3), 0);
  ASSERT_TRUE(ChooseMove(duel, b, HandOf(2), 0, 0, m));
  EXPECT_NE(m.slot, TakeCardSlot);
}

TEST(ComputerOpponent, TakingReportsSlot255AndScoreMinusOne) {
  Board b;
  MoveChoice m;
  ASSERT_TRUE(ChooseMove(duel, b, HandOf(0), 4, 1, m));
  EXPECT_EQ(m.slot, TakeCardSlot);
  EXPECT_EQ(m.score, -1);
}

TEST(ComputerOpponent, GuestScoresACaptureWithoutSearchingItsChain) {
  Board b;
  PlaceCard(b, MakeCard(1, {{0, 3}, {2, 3}}), 2, 1, 0);          // just placed, two targets
  PlaceCard(b, MakeCard(2, {}), 2, 0, 1);                        // plain capture
  PlaceCard(b, MakeCard(3, {{6, 2}, {2, 1}, {3, 1}}), 3, 1, 1);  // faces back and would chain
  PlaceCard(b, MakeCard(4, {}), 4, 1, 1);                        // what it would take once red
  PlaceCard(b, MakeCard(5, {}), 4, 2, 1);
  AttackChoice a;
  duel.aiLevel = 0;
  SeedRandom(41);
  ASSERT_TRUE(ChooseAttack(duel, b, 0, 2, 1, a));
  EXPECT_EQ(DrawsSince(41), 2);  // one evaluation per target
  duel.aiLevel = 1;
  SeedRandom(41);
  ASSERT_TRUE(ChooseAttack(duel, b, 0, 2, 1, a));
  EXPECT_EQ(DrawsSince(41), 3);  // the chain's two targets are searched
  // The chain search itself runs at every level.
  duel.aiLevel = 0;
  Board taken = b;
  ResolveFight(taken, 2, 1, 3, 1);
  SeedRandom(41);
  ASSERT_TRUE(ChooseChainAttack(duel, taken, 0, 3, 1, a));
  EXPECT_EQ(DrawsSince(41), 2);
}

TEST(ComputerOpponent, LostFirstAttackScoresMinusTheOtherSidesChain) {
  Board b;
  PlaceCard(b, MakeCard(1, {{2, 2}, {4, 1}}), 0, 0, 0);  // attacks with 2 against a 4
  PlaceCard(b, MakeCard(2, {{6, 4}}), 1, 0, 1);
  PlaceCard(b, MakeCard(3, {}), 0, 1, 0);  // the lost card then takes this one
  duel.aiLevel = 2;
  Board after = b;
  ResolveFight(after, 0, 0, 1, 0);  // red's card turns blue
  ResolveFight(after, 0, 0, 0, 1);  // and takes red's card below
  SeedRandom(8);
  Score expected = NegateScore(ToScore(Evaluate(duel, after, 1)));
  SeedRandom(8);
  AttackChoice a;
  // The card has one target only; the search may still be asked.
  ASSERT_TRUE(ChooseAttack(duel, b, 0, 0, 0, a));
  EXPECT_EQ(a.x, 1);
  EXPECT_EQ(a.y, 0);
  EXPECT_EQ(a.score, expected);
}

TEST(ComputerOpponent, FirstLegalPlacementWhenEveryScoreIsAtTheFloor) {
  // Blue holds a board of long chains that all point up and right (2 against
  // 1): the Elite evaluation for red is far below -10000 wherever red plays.
  Board b;
  Card chainCard;
  chainCard.id = 9;
  for (int d = 0; d < 4; ++d) SetIcon(chainCard.icons, d, 2);
  for (int d = 4; d < 8; ++d) SetIcon(chainCard.icons, d, 1);
  for (int i = 0; i < BoardCells; ++i)
    if (i != 16 && i != 20) PlaceCard(b, chainCard, i / 4, i % 4, 1);
  Hand h;
  h.Put(2, MakeCard(60, {}));  // no icons: no attack, every placement is evaluated as it is
  duel.aiLevel = 2;
  SeedRandom(1);
  LiteralResult literal = LiteralChooseMove(duel, b, h, 0, 0);
  ASSERT_TRUE(literal.found);
  ASSERT_EQ(literal.score, StartingScore) << "the board must score at the floor";
  SeedRandom(1);
  MoveChoice m;
  ASSERT_TRUE(ChooseMove(duel, b, h, 0, 0, m));
  EXPECT_EQ(m.score, StartingScore);
  EXPECT_EQ(m.slot, 2);
  EXPECT_EQ(CellIndex(m.x, m.y), 16);  // the first free cell, never an occupied one
  EXPECT_TRUE(CanPlace(b, h.Get(2), m.x, m.y));
}
