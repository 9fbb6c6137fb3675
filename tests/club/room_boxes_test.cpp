// room_boxes_test.cpp -- a room box too small for its text grows upwards, its buttons where the player expects them.
#include <gtest/gtest.h>

#include <string>

#include "club/room_boxes.h"
#include "gfx/message_box.h"
#include "tests/club/room_harness.h"

TEST(RoomBoxes, ALongTextGrowsTheBoxUpwardsAndLeavesTheButtonsInPlace) {
  SetUpRoom();
  const MessageBoxLayout standard{};
  const std::wstring shortText = L"This card is already is your deck !";
  const MessageBoxLayout same = GrownToFit(shortText, L"Ok", L"", standard);
  EXPECT_EQ(same.y, standard.y);
  EXPECT_EQ(same.h, standard.h);

  std::wstring longText;
  for (int i = 0; i < 6; ++i) longText += L"Now that you have finished your first deck, go and play. ";
  ASSERT_FALSE(FitsMessageBox(longText, L"Cancel", L"Ok", standard));
  const MessageBoxLayout grown = GrownToFit(longText, L"Cancel", L"Ok", standard);
  EXPECT_TRUE(FitsMessageBox(longText, L"Cancel", L"Ok", grown));
  EXPECT_LT(grown.y, standard.y);
  EXPECT_EQ(grown.y + grown.h, standard.y + standard.h);
  EXPECT_EQ(grown.x, standard.x);
  EXPECT_EQ(grown.w, standard.w);
  const MessageBoxGeometry before = MessageBoxPlaces(L"Cancel", L"Ok", standard);
  const MessageBoxGeometry after = MessageBoxPlaces(L"Cancel", L"Ok", grown);
  EXPECT_EQ(after.labelRow, before.labelRow);
  EXPECT_EQ(after.leftLabelX, before.leftLabelX);
  EXPECT_EQ(after.rightLabelX, before.rightLabelX);
  EXPECT_EQ(after.bandMin, before.bandMin);
  EXPECT_EQ(after.rightMin, before.rightMin);

  // Never above the screen: a text no box can hold stops growing at the top.
  std::wstring endless;
  for (int i = 0; i < 60; ++i) endless += L"word after word after word. ";
  const MessageBoxLayout highest = GrownToFit(endless, L"Ok", L"", standard);
  EXPECT_GE(highest.y, 4);
  EXPECT_FALSE(FitsMessageBox(endless, L"Ok", L"", highest));
  EXPECT_EQ(highest.y + highest.h, standard.y + standard.h);
}
