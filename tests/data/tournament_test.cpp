// tournament_test.cpp -- the bracket of sixteen: its drawing, the simulated contests of a round, the next round's
// places.
#include <gtest/gtest.h>

#include <set>

#include "core/random.h"
#include "data/tournament.h"

namespace {

const std::uint8_t GuestCodes[15] = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3};

// The draws written out plainly: the character's slot, then each opponent's
// first free slot, a taken slot drawn again.
Bracket ReferenceBracket(std::uint32_t seed) {
  SeedRandom(seed);
  Bracket b;
  bool taken[16] = {};
  int slot = Random(16);
  b.slots[slot].participant = 16;
  taken[slot] = true;
  for (int p = 0; p < 15; ++p) {
    do slot = Random(16);
    while (taken[slot]);
    taken[slot] = true;
    b.slots[slot].participant = static_cast<std::uint8_t>(p);
  }
  return b;
}

}  // namespace

TEST(Tournament, TheBracketTakesTheCharacterFirstThenEachOpponentInOrder) {
  for (std::uint32_t seed : {1u, 7u, 12345u, 4000000000u}) {
    const Bracket expected = ReferenceBracket(seed);
    const std::uint32_t after = RandomState();
    SeedRandom(seed);
    Bracket b;
    b.slots[3].out = 1;  // left over from an earlier tournament
    DrawUpBracket(b);
    EXPECT_EQ(RandomState(), after) << seed << ": another number of draws";
    std::set<int> seen;
    for (int k = 0; k < BracketSize; ++k) {
      EXPECT_EQ(b.slots[k].participant, expected.slots[k].participant) << seed << " slot " << k;
      EXPECT_EQ(b.slots[k].out, 0) << seed << " slot " << k;
      seen.insert(b.slots[k].participant);
    }
    EXPECT_EQ(seen.size(), 16u);
    EXPECT_EQ(seen.count(16), 1u);
  }
}

TEST(Tournament, ContestsRunInSlotOrderScoreLevelPlusADieAndRedrawTies) {
  // Every opponent of one level: the dice alone decide, and equal throws are thrown again.
  const std::uint8_t same[15] = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
  int redrawn = 0;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    Bracket b;
    for (int k = 0; k < 16; ++k) b.slots[k].participant = static_cast<std::uint8_t>(k < 15 ? k : 16);
    SeedRandom(seed);
    const RoundPlay play = PlayBracketRound(b, same);
    // The draws again by hand: two per throw, thrown again while equal.
    SeedRandom(seed);
    ASSERT_EQ(play.contestCount, 7);
    for (int c = 0; c < 7; ++c) {
      const Contest& k = play.contests[c];
      EXPECT_EQ(k.slotA, 2 * c);
      EXPECT_EQ(k.slotB, 2 * c + 1);
      int a = 0, d = 0, redraws = -1;
      do {
        a = 5 + Random(6);
        d = 5 + Random(6);
        ++redraws;
      } while (a == d);
      EXPECT_EQ(k.scoreA, a);
      EXPECT_EQ(k.scoreB, d);
      EXPECT_EQ(k.redraws, redraws);
      redrawn += redraws;
      const int loser = a > d ? k.slotB : k.slotA;
      EXPECT_EQ(k.winnerSlot, a > d ? k.slotA : k.slotB);
      EXPECT_EQ(b.slots[loser].out, 1);
      EXPECT_EQ(b.slots[k.winnerSlot].out, 0);
    }
    // Slot 15 holds the character: its pair is noted, not played.
    EXPECT_EQ(play.playerPair, 14);
    EXPECT_EQ(play.opponent, 14);
    EXPECT_EQ(b.slots[14].out + b.slots[15].out, 0);
  }
  EXPECT_GT(redrawn, 0) << "no seed threw equal scores";
}

TEST(Tournament, RoundsPackTheWinnersAndEndWithOneLeader) {
  SeedRandom(99);
  Bracket b;
  DrawUpBracket(b);
  int expectedIn = 16;
  for (int round = 0; round < 4; ++round) {
    ASSERT_EQ(PlayersIn(b), expectedIn);
    RoundPlay play = PlayBracketRound(b, GuestCodes);
    const int pairs = expectedIn / 2;
    EXPECT_EQ(play.contestCount + (play.playerPair >= 0 ? 1 : 0), pairs) << round;
    // The character always loses here.
    if (play.playerPair >= 0) {
      const int mine = b.slots[play.playerPair].participant == 16 ? play.playerPair : play.playerPair + 1;
      const int theirs = mine == play.playerPair ? mine + 1 : play.playerPair;
      EXPECT_EQ(b.slots[theirs].participant, play.opponent);
      b.slots[mine].out = 1;
    }
    std::vector<int> winners;
    for (const BracketSlot& s : b.slots)
      if (s.out == 0) winners.push_back(s.participant);
    AdvanceBracket(b);
    expectedIn /= 2;
    for (int k = 0; k < 16; ++k) {
      EXPECT_EQ(b.slots[k].out, k < expectedIn ? 0 : 1) << "round " << round << " slot " << k;
      if (k < expectedIn) {
        EXPECT_EQ(b.slots[k].participant, winners[static_cast<std::size_t>(k)]);
      }
    }
  }
  EXPECT_EQ(PlayersIn(b), 1);
  EXPECT_NE(BracketLeader(b), 16);
  // The round after the final plays nothing.
  const RoundPlay none = PlayBracketRound(b, GuestCodes);
  EXPECT_EQ(none.contestCount, 0);
  EXPECT_EQ(none.playerPair, -1);
}

TEST(Tournament, ThePursesOfTheThreeClasses) {
  EXPECT_EQ(PurseOf(0).fee, 300);
  EXPECT_EQ(PurseOf(0).prize, 2000);
  EXPECT_EQ(PurseOf(0).runnerUpPrize, 1000);
  EXPECT_EQ(PurseOf(1).fee, 1000);
  EXPECT_EQ(PurseOf(1).prize, 8000);
  EXPECT_EQ(PurseOf(1).runnerUpPrize, 4000);
  EXPECT_EQ(PurseOf(2).fee, 2500);
  EXPECT_EQ(PurseOf(2).prize, 15000);
  EXPECT_EQ(PurseOf(2).runnerUpPrize, 7000);
  EXPECT_EQ(PurseOf(7).fee, 300);
}
