// screen_button_test.cpp -- the picture button's hit rectangle, press and release rules and drawing.
#include <gtest/gtest.h>

#include <utility>

#include "core/image.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "gfx/screen_button.h"
#include "tests/gfx/gfx_test_support.h"

namespace {

class Button : public ::testing::Test {
 protected:
  void SetUp() override {
    UseScreen(Rgb565);
    InitButton(button, 50, 60, SolidImage(20, 10, 0x00AA), SolidImage(20, 10, 0x0055), false);
  }
  void TearDown() override { FreeButton(button); }
  ScreenButton button;
};

}  // namespace

TEST_F(Button, HitRectangleIncludesBothFarEdges) {
  EXPECT_TRUE(ButtonHit(button, 50, 60));
  EXPECT_TRUE(ButtonHit(button, 70, 70));
  EXPECT_FALSE(ButtonHit(button, 71, 70));
  EXPECT_FALSE(ButtonHit(button, 70, 71));
  EXPECT_FALSE(ButtonHit(button, 49, 65));
  EXPECT_FALSE(ButtonHit(button, 60, 59));
}

TEST_F(Button, PressDrawsDownAndReleaseInsideFires) {
  EXPECT_TRUE(PressButton(button, 55, 65));
  EXPECT_EQ(button.pressed, 1);
  EXPECT_EQ(Pixel(0, 50, 60), 0x00AA);
  EXPECT_TRUE(ReleaseButton(button, 70, 70));  // the exact far corner still counts
  EXPECT_EQ(button.pressed, 0);
  EXPECT_EQ(Pixel(0, 50, 60), 0x0055);
}

TEST_F(Button, SlidingOffAndReleasingOutsideDoesNothing) {
  EXPECT_TRUE(PressButton(button, 55, 65));
  EXPECT_FALSE(ReleaseButton(button, 100, 100));
  EXPECT_EQ(button.pressed, 0);
  EXPECT_EQ(Pixel(0, 50, 60), 0x0055);  // redrawn up
}

TEST_F(Button, ReleaseWithoutAcceptedPressIsFalse) {
  EXPECT_FALSE(PressButton(button, 10, 10));
  EXPECT_FALSE(ReleaseButton(button, 55, 65));
  EXPECT_EQ(Pixel(0, 55, 65), KeyColour);  // nothing drawn
}

TEST_F(Button, HiddenButtonIgnoresTheStylusAndIsNotDrawn) {
  SetButtonHidden(button, true);
  EXPECT_FALSE(ButtonHit(button, 55, 65));
  EXPECT_FALSE(PressButton(button, 55, 65));
  EXPECT_FALSE(ReleaseButton(button, 55, 65));
  DrawButton(button, 0);
  EXPECT_EQ(Pixel(0, 55, 65), KeyColour);
  // Hidden after a press: the release is ignored too.
  SetButtonHidden(button, false);
  EXPECT_TRUE(PressButton(button, 55, 65));
  SetButtonHidden(button, true);
  EXPECT_FALSE(ReleaseButton(button, 55, 65));
}

TEST_F(Button, KeyedButtonSkipsTheKeyAndDrawButtonImageIgnoresState) {
  FreeButton(button);
  Image down = SolidImage(4, 4, 0x0123);
  down.Pixels()[0] = KeyColour;
  InitButton(button, 10, 10, std::move(down), SolidImage(4, 4, 0x0456), true);
  for (int i = 0; i < ScreenPixelCount(); ++i) ScreenBuffer(1)[i] = 0x0777;
  DrawButtonImage(button, 1, 1);
  EXPECT_EQ(Pixel(1, 10, 10), 0x0777);
  EXPECT_EQ(Pixel(1, 11, 10), 0x0123);
  DrawButtonImage(button, 0, 1);
  EXPECT_EQ(Pixel(1, 11, 10), 0x0456);
  EXPECT_EQ(button.pressed, 0);
}
