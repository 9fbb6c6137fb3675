// attack_rules_test.cpp -- when a fight ends the turn and when it starts a multi-hit.
#include <gtest/gtest.h>

#include "engine/attack_rules.h"
#include "engine/fight.h"
#include "tests/engine/test_cards.h"

TEST(AttackRules, OneOfThreeNeighboursPointedAtIsAttackedWithoutChoice) {
  Board b;
  Card placed = MakeCard(1, {{2, 3}});
  PlaceCard(b, AllRound(2, 1), 3, 1, 1);
  PlaceCard(b, AllRound(3, 1), 2, 0, 1);
  PlaceCard(b, AllRound(4, 1), 1, 1, 1);
  EXPECT_EQ(ThreatCount(b, placed, 2, 1, 0), 1);
  PlaceCard(b, placed, 2, 1, 0);
  int tx, ty;
  ASSERT_TRUE(FirstAttackTarget(b, 2, 1, tx, ty));
  EXPECT_EQ(tx, 3);
  EXPECT_EQ(ty, 1);
}

TEST(AttackRules, PlainCaptureNeverChains) {
  Board b;
  PlaceCard(b, MakeCard(1, {{2, 3}}), 0, 0, 0);
  PlaceCard(b, MakeCard(2, {{2, 5}}), 1, 0, 1);  // no icon back; points at another blue card
  PlaceCard(b, AllRound(3, 1), 2, 0, 1);
  Side w = ResolveFight(b, 0, 0, 1, 0);
  ASSERT_EQ(w, 0);
  EXPECT_GE(CountAttackTargets(b, 1, 0), 1);
  int cx, cy;
  EXPECT_FALSE(ChainAfterFight(b, 0, 0, 1, 0, 0, w, false, cx, cy));
}

TEST(AttackRules, CaptureOfACardThatPointedBackChainsFromIt) {
  Board b;
  PlaceCard(b, MakeCard(1, {{2, 3}}), 0, 0, 0);
  PlaceCard(b, MakeCard(2, {{6, 2}, {2, 1}}), 1, 0, 1);
  PlaceCard(b, MakeCard(3, {}), 2, 0, 1);
  Side w = ResolveFight(b, 0, 0, 1, 0);
  int cx = -1, cy = -1;
  ASSERT_TRUE(ChainAfterFight(b, 0, 0, 1, 0, 0, w, false, cx, cy));
  EXPECT_EQ(cx, 1);
  EXPECT_EQ(cy, 0);
  // With no target left for the taken card, the turn ends.
  Board lone;
  PlaceCard(lone, MakeCard(1, {{2, 3}}), 0, 0, 0);
  PlaceCard(lone, MakeCard(2, {{6, 2}}), 1, 0, 1);
  w = ResolveFight(lone, 0, 0, 1, 0);
  EXPECT_FALSE(ChainAfterFight(lone, 0, 0, 1, 0, 0, w, false, cx, cy));
}

TEST(AttackRules, LostFirstAttackChainsForTheNewOwner) {
  Board b;
  PlaceCard(b, MakeCard(1, {{2, 2}, {4, 1}}), 0, 0, 0);  // 2 against a 4
  PlaceCard(b, MakeCard(2, {{6, 4}}), 1, 0, 1);
  PlaceCard(b, MakeCard(3, {}), 0, 1, 0);  // red's card below: a target once the attacker is blue
  Side w = ResolveFight(b, 0, 0, 1, 0);
  ASSERT_EQ(w, 1);
  EXPECT_EQ(CellOwner(b, 0, 0), 1);
  int cx = -1, cy = -1;
  ASSERT_TRUE(ChainAfterFight(b, 0, 0, 1, 0, 0, w, false, cx, cy));
  EXPECT_EQ(cx, 0);
  EXPECT_EQ(cy, 0);
  // The same loss inside a chain ends the turn.
  EXPECT_FALSE(ChainAfterFight(b, 0, 0, 1, 0, 0, w, true, cx, cy));
}

TEST(AttackRules, DrawEndsTheTurnAndKeepsWhatWasTaken) {
  Board b;
  PlaceCard(b, MakeCard(1, {{2, 3}}), 0, 0, 0);
  PlaceCard(b, MakeCard(2, {{6, 2}, {2, 4}}), 1, 0, 1);
  PlaceCard(b, MakeCard(3, {{6, 4}}), 2, 0, 1);
  Side w = ResolveFight(b, 0, 0, 1, 0);
  int cx, cy;
  ASSERT_TRUE(ChainAfterFight(b, 0, 0, 1, 0, 0, w, false, cx, cy));
  w = ResolveFight(b, cx, cy, 2, 0);  // 4 against 4
  EXPECT_EQ(w, NoSide);
  EXPECT_FALSE(ChainAfterFight(b, cx, cy, 2, 0, 0, w, true, cx, cy));
  EXPECT_EQ(CellOwner(b, 1, 0), 0);
  EXPECT_EQ(CellOwner(b, 2, 0), 1);
}
