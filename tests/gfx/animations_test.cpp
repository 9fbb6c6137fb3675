// animations_test.cpp -- cross-fade, zoom, wipe and slide run against the headless clock.
#include <gtest/gtest.h>

#include "core/image.h"
#include "gfx/animations.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/clock.h"
#include "settings/settings.h"
#include "tests/gfx/gfx_test_support.h"

namespace {

bool SameBuffers(int a, int b) {
  for (int i = 0; i < ScreenPixelCount(); ++i)
    if (ScreenBuffer(a)[i] != ScreenBuffer(b)[i]) return false;
  return true;
}

class Animation : public ::testing::Test {
 protected:
  void TearDown() override { SettingEffects = true; }
};

}  // namespace

TEST_F(Animation, TransitionWithEffectsOffIsAnInstantCopy) {
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  UseScreen(Rgb565);
  SettingEffects = false;
  FillRect(0, 0, 240, 320, 0xFFFF, 1);
  const std::uint32_t before = platform::TickCount();
  Transition(0, 0, 240, 320, 0, 1);
  EXPECT_LE(platform::TickCount() - before, 1u);
  EXPECT_TRUE(SameBuffers(0, 1));
}

TEST_F(Animation, TransitionArrivesInEveryModeWithinItsSteps) {
  for (std::uint16_t mode : {std::uint16_t{Rgb565}, std::uint16_t{Rgb555}, std::uint16_t{Rgb444}}) {
    HeadlessRun run;
    ASSERT_TRUE(run.ok);
    UseScreen(mode);
    FillRect(0, 0, 240, 320, PackRgb(255, 255, 255), 0);
    FillRect(0, 0, 120, 320, PackRgb(255, 0, 128), 1);
    FillRect(120, 0, 120, 320, PackRgb(0, 255, 40), 1);
    const std::uint32_t before = platform::TickCount();
    Transition(0, 0, 240, 320, 0, 1);
    EXPECT_TRUE(SameBuffers(0, 1)) << mode;
    EXPECT_GE(platform::TickCount() - before, 32u * 20u) << mode;
  }
}

TEST(TransitionSteps, ChannelsMoveByAtMostThreeAndSixEitherWay) {
  UseScreen(Rgb565);
  FillRect(0, 0, 1, 1, PackChannels({31, 0, 10}), 0);
  FillRect(0, 0, 1, 1, PackChannels({0, 63, 11}), 1);
  FillRect(1, 0, 1, 1, PackChannels({1, 2, 3}), 0);
  FillRect(1, 0, 1, 1, PackChannels({1, 2, 3}), 1);
  TransitionStep(0, 0, 240, 320, 0, 1);
  EXPECT_EQ(Pixel(0, 0, 0), PackChannels({28, 6, 11}));
  EXPECT_EQ(Pixel(0, 1, 0), PackChannels({1, 2, 3}));
  UseScreen(Rgb444);
  FillRect(0, 0, 1, 1, PackChannels({15, 0, 15}), 0);
  TransitionStep(0, 0, 1, 1, 0, 1);
  EXPECT_EQ(Pixel(0, 0, 0), PackChannels({13, 0, 13}));
}

TEST_F(Animation, StylusUpDuringTheFadeFinishesItAtOnce) {
  HeadlessRun run("at 5 down 1 1\nat 10 up 1 1\n");
  ASSERT_TRUE(run.ok);
  UseScreen(Rgb565);
  FillRect(0, 0, 240, 320, PackChannels({31, 63, 31}), 0);
  FillRect(0, 0, 240, 320, 0, 1);
  platform::SleepMs(20);  // both messages are due: the first step takes the down, the second the up
  const std::uint32_t before = platform::TickCount();
  Transition(0, 0, 240, 320, 0, 1);
  EXPECT_TRUE(SameBuffers(0, 1));
  EXPECT_LT(platform::TickCount() - before, 60u);  // one step, not 32
}

TEST_F(Animation, ZoomInEndsWithThePictureInPlaceAndZoomOutWithout) {
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  UseScreen(Rgb565);
  FillRect(0, 0, 240, 320, 0x0841, 0);
  CopyBuffer(0, 2);
  Image picture = SolidImage(40, 20, 0xF800);
  picture.Pixels()[0] = KeyColour;
  Zoom(100, 150, 0, 1, 15, picture);
  EXPECT_EQ(Pixel(0, 100, 150), 0x0841);  // keyed corner
  EXPECT_EQ(Pixel(0, 101, 150), 0xF800);
  EXPECT_EQ(Pixel(0, 139, 169), 0xF800);
  EXPECT_EQ(Pixel(0, 140, 169), 0x0841);
  EXPECT_EQ(Pixel(0, 99, 160), 0x0841);
  // As the banners do: buffer 2 still holds the clean background; the zoom
  // away starts from it.
  EXPECT_EQ(Pixel(2, 120, 160), 0x0841);
  CopyBuffer(2, 0);
  Zoom(100, 150, 1, 0, 15, picture);
  for (int y = 140; y < 180; ++y)
    for (int x = 90; x < 150; ++x) ASSERT_EQ(Pixel(0, x, y), 0x0841);
}

TEST_F(Animation, ZoomFromThreeTimesShrinksAboutTheCentre) {
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  UseScreen(Rgb565);
  Image picture = SolidImage(60, 30, 0x07E0);
  const std::uint32_t before = platform::TickCount();
  Zoom(90, 100, 3, 1, 15, picture);
  // 180 -> 60 by 15: nine frames; the last at scale 1 exactly.
  EXPECT_GE(platform::TickCount() - before, 8u * 16u);
  EXPECT_EQ(Pixel(0, 90, 100), 0x07E0);
  EXPECT_EQ(Pixel(0, 149, 129), 0x07E0);
  EXPECT_EQ(Pixel(0, 89, 100), KeyColour);
  EXPECT_EQ(Pixel(0, 150, 129), KeyColour);
  EXPECT_EQ(Pixel(0, 90, 130), KeyColour);
}

TEST_F(Animation, WipeLeavesTheBandAsItFoundIt) {
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  UseScreen(Rgb565);
  for (int y = 0; y < 320; ++y) FillRect(0, y, 240, 1, static_cast<std::uint16_t>(y), 0);
  CopyBuffer(0, 1);
  Image banner = SolidImage(240, 40, 0xFFFF);
  Wipe(banner, 140);
  EXPECT_TRUE(SameBuffers(0, 1));
}

TEST(SlideSteps, StartStepsPointTowardTheirTarget) {
  EXPECT_EQ(SlideStartStep(170, 80, 10), 12);
  EXPECT_EQ(SlideStartStep(2, 80, -10), -11);
  EXPECT_EQ(SlideStartStep(230, 10, -10), -1);  // (10 / -10) / 2 = 0: moves by one pixel at least
  EXPECT_EQ(SlideNextStep(-48, 12), 13);
  EXPECT_EQ(SlideNextStep(-47, 12), 12);
  EXPECT_EQ(SlideNextStep(132, -11), -12);
}

TEST(SlideRun, BothDirectionsEndWithThePictureInPlace) {
  for (int speed : {10, -10}) {
    HeadlessRun run;
    ASSERT_TRUE(run.ok);
    UseScreen(Rgb565);
    FillRect(0, 0, 240, 320, 0x0010, 0);
    Image name = SolidImage(50, 11, 0x7BEF);
    name.Pixels()[1] = KeyColour;
    const int x = speed > 0 ? 150 : 2;
    const std::uint32_t before = platform::TickCount();
    Slide(x, 100, static_cast<std::int8_t>(speed), name);
    EXPECT_GT(platform::TickCount() - before, 3u * 16u) << speed;  // it slid over several frames
    EXPECT_EQ(Pixel(0, x, 100), 0x7BEF) << speed;
    EXPECT_EQ(Pixel(0, x + 1, 100), 0x0010) << speed;
    EXPECT_EQ(Pixel(0, x + 49, 110), 0x7BEF) << speed;
    EXPECT_EQ(Pixel(0, x + 50, 110), 0x0010) << speed;
    EXPECT_EQ(Pixel(0, x - 1, 105), 0x0010) << speed;
  }
}
