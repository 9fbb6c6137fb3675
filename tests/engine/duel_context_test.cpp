// duel_context_test.cpp -- a duel's computer decides from its own context alone.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "core/random.h"
#include "engine/computer_opponent.h"
#include "engine/fight.h"
#include "tests/engine/test_cards.h"

namespace {

// A short Elite-against-Member duel from one seed: every decision and score in order.
std::vector<int> SelfPlay(std::uint32_t seed) {
  RandomStream stream(seed);
  DuelContext duel(stream);
  Board board;
  ResetBoard(board, 3, stream);
  Hand hands[2];
  for (int s = 0; s < 2; ++s)
    for (int i = 0; i < HandSize; ++i) {
      Card c;
      c.id = static_cast<std::int16_t>(1 + s * 10 + i);
      for (int d = 0; d < 8; ++d) SetIcon(c.icons, d, stream.Below(6));
      hands[s].Add(c);
    }
  std::vector<int> log;
  for (int turn = 0; turn < 2 * HandSize; ++turn) {
    const Side side = static_cast<Side>(turn & 1);
    duel.aiLevel = static_cast<std::int8_t>(side == 0 ? 2 : 1);
    MoveChoice move;
    if (!ChooseMove(duel, board, hands[side], 0, side, move)) break;
    Card card;
    hands[side].Take(move.slot, card);
    log.insert(log.end(), {move.slot, move.x, move.y, move.score});
    PlaceCard(board, card, move.x, move.y, side);
    AttackChoice attack;
    if (CountAttackTargets(board, move.x, move.y) > 0 && ChooseAttack(duel, board, side, move.x, move.y, attack)) {
      log.insert(log.end(), {attack.x, attack.y, attack.score});
      ResolveFight(board, move.x, move.y, attack.x, attack.y);
    }
  }
  log.push_back(static_cast<int>(stream.State()));
  return log;
}

}  // namespace

TEST(DuelContext, DuelsOnTwoThreadsDecideAsEachWouldAloneAndLeaveTheGameStreamAlone) {
  SeedRandom(4242);
  const std::vector<int> alone7 = SelfPlay(7);
  const std::vector<int> alone8 = SelfPlay(8);
  ASSERT_NE(alone7, alone8);
  for (int round = 0; round < 20; ++round) {
    std::vector<int> side7, side8;
    std::thread other([&] { side8 = SelfPlay(8); });
    side7 = SelfPlay(7);
    other.join();
    ASSERT_EQ(side7, alone7) << "round " << round;
    ASSERT_EQ(side8, alone8) << "round " << round;
  }
  EXPECT_EQ(RandomState(), 4242u);
}
