// character_keys_test.cpp -- the character screen's keyboard, rows and the profile number's typing rules.
#include <gtest/gtest.h>

#include "club/character_keys.h"

namespace {

TEST(CharacterKeyboard, EveryKeyLiveAreaAndItsGaps) {
  for (int key = 0; key < KeyCount; ++key) {
    const int column = key % KeyColumns, row = key / KeyColumns;
    const int x = 13 + 17 * column, y = 257 + 19 * row;
    // The live area is 15 x 15 (the last column stops at the keyboard's edge, x 229).
    const int right = column == 12 ? 229 : (column == 11 && row == 2 ? x + 16 : x + 14);
    EXPECT_EQ(CharacterKeyAt(x, y), key) << key;
    EXPECT_EQ(CharacterKeyAt(right, y + 14 > 309 ? 309 : y + 14), key) << key;
    if (column < 12 && !(column == 11 && row == 2)) {
      EXPECT_EQ(CharacterKeyAt(x + 15, y), -1) << "horizontal gap after key " << key;
      EXPECT_EQ(CharacterKeyAt(x + 16, y), -1) << "horizontal gap after key " << key;
    }
    if (row < 2) {
      for (int gap = 15; gap < 19; ++gap) EXPECT_EQ(CharacterKeyAt(x, y + gap), -1) << "gap under key " << key;
    }
  }
  // Key (11, 2) fills its cell; the keys beside it do not.
  EXPECT_EQ(CharacterKeyAt(215, 300), 37);
  EXPECT_EQ(CharacterKeyAt(216, 300), 37);
  EXPECT_EQ(CharacterKeyAt(198, 300), -1);
  EXPECT_EQ(CharacterKeyAt(217, 300), 38);
  // Outside the keyboard.
  EXPECT_EQ(CharacterKeyAt(12, 260), -1);
  EXPECT_EQ(CharacterKeyAt(230, 260), -1);
  EXPECT_EQ(CharacterKeyAt(20, 256), -1);
  EXPECT_EQ(CharacterKeyAt(20, 310), -1);
}

TEST(CharacterKeyboard, WhatTheKeysType) {
  EXPECT_EQ(KeyCharacter(0), L'A');
  EXPECT_EQ(KeyCharacter(12), L'M');
  EXPECT_EQ(KeyCharacter(13), L'N');
  EXPECT_EQ(KeyCharacter(25), L'Z');
  EXPECT_EQ(KeyCharacter(26), L'1');
  EXPECT_EQ(KeyCharacter(34), L'9');
  EXPECT_EQ(KeyCharacter(35), L'0');
  EXPECT_EQ(KeyCharacter(36), L' ');
  EXPECT_EQ(KeyCharacter(37), 0);
  EXPECT_TRUE(KeyDeletes(37));
  EXPECT_TRUE(KeyDeletes(38));
  EXPECT_FALSE(KeyDeletes(36));
}

TEST(CharacterRows, SlotAndFieldRowsWithTheirEdges) {
  EXPECT_EQ(SlotRowAt(28, 185), 0);
  EXPECT_EQ(SlotRowAt(218, 195), 0);
  EXPECT_EQ(SlotRowAt(100, 197), -1);
  EXPECT_EQ(SlotRowAt(100, 200), 1);
  EXPECT_EQ(SlotRowAt(100, 225), 2);
  EXPECT_EQ(SlotRowAt(27, 190), -1);
  EXPECT_EQ(SlotRowAt(219, 190), -1);
  EXPECT_EQ(FieldRowAt(0, 34), 1);
  EXPECT_EQ(FieldRowAt(232, 60), 1);
  EXPECT_EQ(FieldRowAt(233, 50), 0);
  EXPECT_EQ(FieldRowAt(100, 64), 0);
  EXPECT_EQ(FieldRowAt(100, 68), 2);
  EXPECT_EQ(FieldRowAt(100, 126), 3);
  EXPECT_EQ(FieldRowAt(100, 134), 4);
  EXPECT_EQ(FieldRowAt(100, 161), 0);
}

TEST(ProfileNumber, FourDigitsAtMostAndDeletingToNone) {
  std::int16_t n = -1;
  bool accepted = false;
  for (int digit : {1, 2, 3, 4}) {
    n = TypeProfileDigit(n, digit, accepted);
    EXPECT_TRUE(accepted);
  }
  EXPECT_EQ(n, 1234);
  EXPECT_EQ(TypeProfileDigit(n, 5, accepted), 1234);
  EXPECT_FALSE(accepted);
  EXPECT_EQ(TypeProfileDigit(999, 9, accepted), 9999);
  EXPECT_EQ(DeleteProfileDigit(1234), 123);
  EXPECT_EQ(DeleteProfileDigit(7), -1);
  EXPECT_EQ(DeleteProfileDigit(-1), -1);
  EXPECT_EQ(ProfileNumberText(-1), L"");
  EXPECT_EQ(ProfileNumberText(0), L"0");
  // A damaged file's number: never multiplied past the field, typing starts again.
  EXPECT_EQ(TypeProfileDigit(32000, 9, accepted), 32000);
  EXPECT_FALSE(accepted);
  EXPECT_EQ(TypeProfileDigit(-3000, 4, accepted), 4);
  EXPECT_TRUE(accepted);
  EXPECT_EQ(ProfileNumberText(-3000), L"-3000");
}

}  // namespace
