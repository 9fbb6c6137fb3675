// window_geometry_test.cpp -- integer scaling, letterbox bars and the stylus mapping of the window.
#include <gtest/gtest.h>

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

}  // namespace
