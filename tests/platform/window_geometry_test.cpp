// window_geometry_test.cpp -- integer scaling, letterbox bars and the stylus mapping of the window.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/window_geometry.h"

namespace {

TEST(WindowGeometry, LargestWholeScaleCentred) {
  platform::FramePlace p = platform::PlaceFrame(1000, 700);  // 2x (3x would need 960 rows)
  EXPECT_EQ(p.scale, 2);
  EXPECT_EQ(p.x, (1000 - 480) / 2);
  EXPECT_EQ(p.y, (700 - 640) / 2);
  p = platform::PlaceFrame(200, 100);  // smaller than the frame: still 1x
  EXPECT_EQ(p.scale, 1);
  EXPECT_EQ(platform::DefaultScale(1920, 1080), 3);  // 960 rows + room for the title bar
  EXPECT_EQ(platform::DefaultScale(1920, 999), 2);
  EXPECT_EQ(platform::DefaultScale(100, 100), 1);
}

TEST(WindowGeometry, PointsInTheBarsAreNotOnTheFrame) {
  std::int16_t x = -7, y = -7;
  // 800 x 640 window: frame 480 x 640 at x 160.
  EXPECT_FALSE(platform::WindowToFrame(159, 300, 800, 640, 800, 640, x, y));
  EXPECT_FALSE(platform::WindowToFrame(640, 300, 800, 640, 800, 640, x, y));
  EXPECT_EQ(x, -7);
  ASSERT_TRUE(platform::WindowToFrame(160, 0, 800, 640, 800, 640, x, y));
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  ASSERT_TRUE(platform::WindowToFrame(639, 639, 800, 640, 800, 640, x, y));
  EXPECT_EQ(x, 239);
  EXPECT_EQ(y, 319);
}

TEST(WindowGeometry, HighDensityOutputMapsThroughItsRatio) {
  std::int16_t x = 0, y = 0;
  // A 480 x 640 window drawn on 960 x 1280 output pixels: scale 4 there.
  ASSERT_TRUE(platform::WindowToFrame(241, 321, 480, 640, 960, 1280, x, y));
  EXPECT_EQ(x, 120);
  EXPECT_EQ(y, 160);
}

// The window redraws only what changed between two frames: the rectangle must
// hold every changed pixel, however the changes are spread over the rows.
TEST(WindowGeometry, ChangedAreaHoldsEveryChangedPixel) {
  const std::vector<std::uint16_t> before(240 * 320, 7);
  std::vector<std::uint16_t> after = before;
  EXPECT_EQ(platform::ChangedArea(before, after, 240, 320).w, 0);  // nothing to draw

  auto set = [&](int x, int y) { after[static_cast<std::size_t>(y * 240 + x)] = 9; };
  set(100, 50);
  platform::FrameArea a = platform::ChangedArea(before, after, 240, 320);
  EXPECT_EQ(a.x, 100);
  EXPECT_EQ(a.y, 50);
  EXPECT_EQ(a.w, 1);
  EXPECT_EQ(a.h, 1);

  // A later row reaching further left, a middle row reaching further right,
  // and the last pixel of the frame.
  set(30, 120);
  set(200, 80);
  set(239, 319);
  a = platform::ChangedArea(before, after, 240, 320);
  EXPECT_EQ(a.x, 30);
  EXPECT_EQ(a.y, 50);
  EXPECT_EQ(a.x + a.w, 240);
  EXPECT_EQ(a.y + a.h, 320);

  // Nothing shown yet (or a frame of another size): the whole frame.
  a = platform::ChangedArea({}, after, 240, 320);
  EXPECT_EQ(a.x, 0);
  EXPECT_EQ(a.y, 0);
  EXPECT_EQ(a.w, 240);
  EXPECT_EQ(a.h, 320);
}

}  // namespace
