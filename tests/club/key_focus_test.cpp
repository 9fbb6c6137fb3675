// key_focus_test.cpp -- the reading order of a screen's focus places and the arrows' moves between them.
#include <gtest/gtest.h>

#include <vector>

#include "club/key_focus.h"

namespace {

// Three buttons on one line whose heights and tops differ a little, given out
// of order, with a field above them and a wide button below.
std::vector<FocusPlace> ButtonsAndField() {
  return {
      {197, 234, 43, 20},  // right button
      {0, 236, 60, 16},    // left button, two rows lower
      {68, 45, 158, 10},   // field
      {63, 233, 130, 22},  // middle button, one row higher
      {31, 290, 100, 20},  // wide button below
  };
}

TEST(FocusOrder, ReadsRowsFromTheTopAndEachRowFromTheLeft) {
  const FocusLayout layout = ArrangeFocus(ButtonsAndField());
  ASSERT_EQ(layout.places.size(), 5u);
  const std::vector<int> xs = {layout.places[0].x, layout.places[1].x, layout.places[2].x, layout.places[3].x,
                               layout.places[4].x};
  EXPECT_EQ(xs, (std::vector<int>{68, 0, 63, 197, 31}));
  EXPECT_EQ(layout.rows, (std::vector<int>{0, 1, 1, 1, 2}));
  // Places in one column, each lower than the last's height, are rows of their own.
  const FocusLayout column = ArrangeFocus({{0, 20, 10, 10}, {0, 0, 10, 10}, {0, 10, 10, 10}});
  EXPECT_EQ(column.rows, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(column.places[0].y, 0);
  EXPECT_EQ(column.places[2].y, 20);
}

TEST(FocusOrder, PreviousAndNextWrapThroughTheReadingOrder) {
  const FocusLayout layout = ArrangeFocus(ButtonsAndField());
  EXPECT_EQ(MoveFocus(layout, 0, FocusMove::Next), 1);
  EXPECT_EQ(MoveFocus(layout, 4, FocusMove::Next), 0);
  EXPECT_EQ(MoveFocus(layout, 0, FocusMove::Previous), 4);
  // No focus yet, or a place that is gone: the first place.
  EXPECT_EQ(MoveFocus(layout, -1, FocusMove::Down), 0);
  EXPECT_EQ(MoveFocus(layout, 9, FocusMove::Previous), 0);
  EXPECT_EQ(MoveFocus(FocusLayout{}, 0, FocusMove::Next), -1);
}

TEST(FocusOrder, UpAndDownKeepTheColumnAndWrapBetweenTopAndBottom) {
  // The character keyboard: 13 x 3 keys at a pitch of 17 x 19, and three buttons above it.
  std::vector<FocusPlace> places = {{0, 234, 60, 20}, {63, 234, 130, 20}, {197, 234, 43, 20}};
  for (int key = 0; key < 39; ++key) places.push_back({13 + 17 * (key % 13), 257 + 19 * (key / 13), 15, 15});
  const FocusLayout layout = ArrangeFocus(places);
  auto at = [&](int x, int y) {
    for (std::size_t i = 0; i < layout.places.size(); ++i)
      if (layout.places[i].x == x && layout.places[i].y == y) return static_cast<int>(i);
    return -1;
  };
  const int keyF = at(13 + 17 * 5, 257);
  EXPECT_EQ(MoveFocus(layout, keyF, FocusMove::Down), at(13 + 17 * 5, 276));
  EXPECT_EQ(MoveFocus(layout, at(13 + 17 * 5, 295), FocusMove::Down), at(63, 234));  // bottom row wraps to the top
  EXPECT_EQ(MoveFocus(layout, keyF, FocusMove::Up), at(63, 234));                    // the nearest button across
  EXPECT_EQ(MoveFocus(layout, at(197, 234), FocusMove::Down), at(13 + 17 * 12, 257));
  EXPECT_EQ(MoveFocus(layout, at(0, 234), FocusMove::Up), at(13 + 17, 295));  // the top row wraps to the bottom
  // A single row: Up and Down stay.
  const FocusLayout row = ArrangeFocus({{0, 0, 10, 10}, {20, 0, 10, 10}});
  EXPECT_EQ(MoveFocus(row, 1, FocusMove::Up), 1);
}

TEST(FocusOrder, AFocusFollowsItsPlaceOrTheNearestOneLeft) {
  const FocusLayout layout = ArrangeFocus(ButtonsAndField());
  // The same rectangle is the same place, wherever its tap point is (a slider's knob moved).
  FocusPlace field{68, 45, 158, 10, 120, 50};
  EXPECT_EQ(FindFocus(layout, field), 0);
  // A button that was hidden: the nearest place takes the focus.
  EXPECT_EQ(FindFocus(layout, FocusPlace{190, 230, 40, 20}), 3);
  EXPECT_EQ(FindFocus(FocusLayout{}, field), -1);
}

}  // namespace
