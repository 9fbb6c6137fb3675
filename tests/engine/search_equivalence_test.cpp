// search_equivalence_test.cpp -- the fast search picks exactly what the step-by-step search picks.
//
// Same move, same score and the same generator state afterwards (every
// evaluation draws one noise value, so a skipped or extra evaluation shows).
#include <gtest/gtest.h>

#include <random>

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

Card RandomCard(std::mt19937& rng, int id) {
  Card c;
  c.id = static_cast<std::int16_t>(id);
  c.level = 1;
  std::uniform_int_distribution<int> strength(0, 5);
  std::uniform_int_distribution<int> coin(0, 2);
  for (int d = 0; d < 8; ++d)
    if (coin(rng) != 0) SetIcon(c.icons, d, strength(rng));
  // Now and then a damaged record's out-of-range icon (6 or 7 fit the 3 bits).
  if (rng() % 16 == 0) SetIcon(c.icons, static_cast<int>(rng() % 8), 6 + static_cast<int>(rng() % 2));
  return c;
}

// A mid-game board: some blocked cells, a crowd of cards of both sides, and
// some free cells still holding an old card record.
Board RandomBoard(std::mt19937& rng, int occupied) {
  Board b;
  std::uniform_int_distribution<int> cell(0, BoardCells - 1);
  std::uniform_int_distribution<int> blocks(2, 6);
  for (int n = blocks(rng); n > 0;) {
    int i = cell(rng);
    if (b.cells[i].free) {
      BlockCell(b, i / 4, i % 4);
      --n;
    }
  }
  for (int n = occupied; n > 0 && CountFree(b) > 1;) {
    int i = cell(rng);
    if (!b.cells[i].free) continue;
    PlaceCard(b, RandomCard(rng, 1 + i), i / 4, i % 4, static_cast<Side>(rng() & 1));
    --n;
  }
  for (Cell& c : b.cells)
    if (c.free && (rng() % 4) == 0) c.card = RandomCard(rng, 99);
  return b;
}

Hand RandomHand(std::mt19937& rng) {
  Hand h;
  for (int i = 0; i < HandSize; ++i)
    if (rng() % 5 != 0) h.Put(i, RandomCard(rng, 200 + i));
  return h;
}

}  // namespace

TEST(SearchEquivalence, ChooseMoveMatchesTheLiteralSearchOnManyBoards) {
  std::mt19937 rng(12345);
  int moves = 0, takes = 0;
  for (int round = 0; round < 600; ++round) {
    int level = round % 3;
    duel.aiLevel = static_cast<std::int8_t>(level);
    Board b = RandomBoard(rng, 4 + round % 14);
    Hand h = RandomHand(rng);
    int pile = static_cast<int>(rng() % 4);
    Side side = static_cast<Side>(rng() & 1);
    std::uint32_t seed = static_cast<std::uint32_t>(rng());

    SeedRandom(seed);
    LiteralResult expected = LiteralChooseMove(duel, b, h, pile, side);
    std::uint32_t expectedState = RandomState();

    SeedRandom(seed);
    MoveChoice got;
    bool ok = ChooseMove(duel, b, h, pile, side, got);
    ASSERT_EQ(ok, expected.found) << "round " << round;
    if (!ok) continue;
    ASSERT_EQ(got.slot, expected.slot) << "round " << round;
    ASSERT_EQ(got.score, expected.score) << "round " << round;
    if (got.slot != TakeCardSlot) {
      ASSERT_EQ(got.x, expected.x) << "round " << round;
      ASSERT_EQ(got.y, expected.y) << "round " << round;
      ++moves;
    } else {
      ++takes;
    }
    ASSERT_EQ(RandomState(), expectedState) << "round " << round;
  }
  EXPECT_GT(moves, 400);
  EXPECT_GT(takes, 10);
}

TEST(SearchEquivalence, AttackChoicesMatchTheLiteralSearch) {
  std::mt19937 rng(777);
  int checked = 0;
  for (int round = 0; round < 3000 && checked < 800; ++round) {
    duel.aiLevel = static_cast<std::int8_t>(round % 3);
    Board b = RandomBoard(rng, 10 + round % 10);
    int i = static_cast<int>(rng() % BoardCells);
    int ax = i / 4, ay = i % 4;
    if (b.cells[i].free || b.cells[i].owner == NoSide || CountAttackTargets(b, ax, ay) < 1) continue;
    Side side = b.cells[i].owner;
    bool chain = (round & 1) != 0;
    std::uint32_t seed = static_cast<std::uint32_t>(rng());

    SeedRandom(seed);
    LiteralResult expected =
        chain ? LiteralChooseChainAttack(duel, b, side, ax, ay) : LiteralChooseAttack(duel, b, side, ax, ay);
    std::uint32_t expectedState = RandomState();
    SeedRandom(seed);
    AttackChoice got;
    ASSERT_TRUE(chain ? ChooseChainAttack(duel, b, side, ax, ay, got) : ChooseAttack(duel, b, side, ax, ay, got));
    ASSERT_EQ(got.x, expected.x) << round;
    ASSERT_EQ(got.y, expected.y) << round;
    ASSERT_EQ(got.score, expected.score) << round;
    ASSERT_EQ(RandomState(), expectedState) << round;
    ++checked;
  }
  EXPECT_EQ(checked, 800);
}
