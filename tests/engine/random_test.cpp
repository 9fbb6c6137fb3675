// random_test.cpp -- the generator's sequence and scaling are pinned.
#include <gtest/gtest.h>

#include "core/random.h"

TEST(Random, RawSequenceFollowsTheLinearCongruence) {
  SeedRandom(1);
  // state 1 -> 1*214013+2531011 = 2745024 -> >>16 = 41
  EXPECT_EQ(RawRandom(), 41);
  EXPECT_EQ(RawRandom(), 18467);
  EXPECT_EQ(RawRandom(), 6334);
}

TEST(Random, TenThousandthValueIsPinned) {
  // From seed 1: the 10,000th raw value and the state it leaves.
  SeedRandom(1);
  int value = 0;
  for (int i = 0; i < 10000; ++i) value = RawRandom();
  EXPECT_EQ(value, 18796);
  EXPECT_EQ(RandomState(), 3379307729u);
}

TEST(Random, ScaledValueStaysBelowN) {
  SeedRandom(7);
  for (int n : {1, 2, 3, 5, 6, 16, 344}) {
    for (int i = 0; i < 20000; ++i) {
      int r = Random(n);
      ASSERT_GE(r, 0);
      ASSERT_LT(r, n);
    }
  }
}

TEST(Random, TopRawValueFoldsToNMinusOne) {
  // Find a seed state whose next raw value is 32767 by searching forward.
  SeedRandom(3);
  for (int i = 0; i < 2000000; ++i) {
    std::uint32_t before = RandomState();
    if (RawRandom() == 32767) {
      SeedRandom(before);
      EXPECT_EQ(Random(6), 5);
      return;
    }
  }
  FAIL() << "no raw 32767 found";
}
