// pixels_test.cpp -- channel packing in the three layouts, the colour key, clamping and the rectangle colour
// operations.
#include <gtest/gtest.h>

#include "core/image.h"
#include "gfx/colour_rects.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "tests/gfx/gfx_test_support.h"

TEST(Pixels, PackRgbPerModeKeepsTheTopBitsOfEachChannel) {
  SetPixelFormat(Rgb565, 0);
  EXPECT_EQ(PackRgb(255, 255, 255), 0xFFFF);
  EXPECT_EQ(PackRgb(0x80, 0x40, 0x08), (16 << 11) | (16 << 5) | 1);
  SetPixelFormat(Rgb555, 0);
  EXPECT_EQ(PackRgb(255, 255, 255), 0x7FFF);
  EXPECT_EQ(PackRgb(0x80, 0x40, 0x08), (16 << 10) | (8 << 5) | 1);
  SetPixelFormat(Rgb444, 0);
  EXPECT_EQ(PackRgb(255, 255, 255), 0x0FFF);
  EXPECT_EQ(PackRgb(0x80, 0x40, 0x10), (8 << 8) | (4 << 4) | 1);
}

TEST(Pixels, KeyColourIsBlackAsDecodedWithTheGamma) {
  SetPixelFormat(Rgb565, 0);
  EXPECT_EQ(KeyColour, 0);
  SetPixelFormat(Rgb565, 40);
  EXPECT_EQ(KeyColour, (5 << 11) | (10 << 5) | 5);
  SetPixelFormat(Rgb555, 40);
  EXPECT_EQ(KeyColour, (5 << 10) | (5 << 5) | 5);
  SetPixelFormat(Rgb444, 40);
  EXPECT_EQ(KeyColour, (2 << 8) | (2 << 4) | 2);
  SetPixelFormat(Rgb565, 255);  // the brightest gamma still packs inside the channels
  EXPECT_EQ(KeyColour, (31 << 11) | (63 << 5) | 31);
}

TEST(Pixels, AdjustAndBrightenClampEveryChannel) {
  SetPixelFormat(Rgb565, 0);
  const std::uint16_t mid = PackChannels({10, 20, 30});
  EXPECT_EQ(SplitPixel(AdjustColour(mid, 30, -30, 5)).r, 31);
  EXPECT_EQ(SplitPixel(AdjustColour(mid, 30, -30, 5)).g, 0);
  EXPECT_EQ(SplitPixel(AdjustColour(mid, 30, -30, 5)).b, 31);
  // 16 in 8-bit units: 2 on the 5-bit channels, 4 on the 6-bit green.
  const Channels up = SplitPixel(BrightenColour(mid, 16));
  EXPECT_EQ(up.r, 12);
  EXPECT_EQ(up.g, 24);
  EXPECT_EQ(up.b, 31);
  const Channels down = SplitPixel(BrightenColour(mid, -100));
  EXPECT_EQ(down.r, 0);
  EXPECT_EQ(down.g, 0);
  EXPECT_EQ(down.b, 17);
  SetPixelFormat(Rgb444, 0);
  const Channels c444 = SplitPixel(BrightenColour(PackChannels({1, 2, 15}), 32));
  EXPECT_EQ(c444.r, 3);
  EXPECT_EQ(c444.g, 4);
  EXPECT_EQ(c444.b, 15);
}

TEST(Pixels, TintTableFollowsTheModeAndOutOfRangeIsWhite) {
  SetPixelFormat(Rgb565, 0);
  EXPECT_EQ(TintColour(0), 0xF800);
  EXPECT_EQ(TintColour(10), 0xFDA6);
  EXPECT_EQ(TintColour(11), 0xFFFF);
  EXPECT_EQ(TintColour(-1), 0xFFFF);
  EXPECT_EQ(TintColour(12), 0xFFFF);
  SetPixelFormat(Rgb555, 0);
  EXPECT_EQ(TintColour(6), 0x7DEF);
  SetPixelFormat(Rgb444, 0);
  EXPECT_EQ(TintColour(7), 0x07F7);
  EXPECT_EQ(TintColour(8), 0x077F);
}

TEST(ColourRects, DarkenByFourEightTimesTakesWhiteToBlack) {
  UseScreen(Rgb565);
  FillRect(0, 0, 240, 320, 0xFFFF, 0);
  DarkenRect(0, 0, 240, 320, 4, 0);
  EXPECT_EQ(SplitPixel(Pixel(0, 7, 7)).r, 27);
  EXPECT_EQ(SplitPixel(Pixel(0, 7, 7)).g, 55);
  for (int i = 1; i < 8; ++i) DarkenRect(0, 0, 240, 320, 4, 0);
  EXPECT_EQ(Pixel(0, 0, 0), 0);
  EXPECT_EQ(Pixel(0, 239, 319), 0);
  // A channel equal to the step goes to 0, not below.
  FillRect(0, 0, 1, 1, PackChannels({4, 8, 3}), 0);
  DarkenRect(0, 0, 1, 1, 4, 0);
  EXPECT_EQ(Pixel(0, 0, 0), 0);
}

TEST(ColourRects, DarkenTouchesOnlyItsRectangle) {
  UseScreen(Rgb555);
  FillRect(0, 0, 240, 320, 0x7FFF, 0);
  DarkenRect(10, 20, 5, 6, 4, 0);
  EXPECT_EQ(Pixel(0, 9, 20), 0x7FFF);
  EXPECT_EQ(Pixel(0, 15, 20), 0x7FFF);
  EXPECT_EQ(Pixel(0, 10, 26), 0x7FFF);
  // 5-5-5 green is 5 bits: it loses the plain step.
  EXPECT_EQ(SplitPixel(Pixel(0, 14, 25)).g, 27);
}

TEST(ColourRects, StepTowardClimbsAndReachesDarkerTargetsAtOnce) {
  UseScreen(Rgb565);
  FillRect(0, 0, 2, 1, PackChannels({10, 10, 20}), 0);
  FillRect(0, 0, 1, 1, PackChannels({20, 11, 5}), 1);  // brighter red, slightly brighter green, darker blue
  FillRect(1, 0, 1, 1, PackChannels({12, 40, 20}), 1);
  StepRectToward(0, 0, 2, 1, 4, 0, 1);
  const Channels a = SplitPixel(Pixel(0, 0, 0));
  EXPECT_EQ(a.r, 14);
  EXPECT_EQ(a.g, 11);  // 10 + 8 would pass 11: the target at once
  EXPECT_EQ(a.b, 5);   // never darkened gradually
  const Channels b = SplitPixel(Pixel(0, 1, 0));
  EXPECT_EQ(b.r, 12);
  EXPECT_EQ(b.g, 18);
  EXPECT_EQ(b.b, 20);
}

TEST(ColourRects, AdjustRectConvertsEightBitDeltasPerMode) {
  UseScreen(Rgb565);
  FillRect(0, 0, 1, 1, PackChannels({10, 10, 10}), 0);
  AdjustRect(0, 0, 1, 1, 16, 16, -16, 0);
  EXPECT_EQ(SplitPixel(Pixel(0, 0, 0)).r, 12);
  EXPECT_EQ(SplitPixel(Pixel(0, 0, 0)).g, 14);
  EXPECT_EQ(SplitPixel(Pixel(0, 0, 0)).b, 8);
  UseScreen(Rgb444);
  FillRect(0, 0, 1, 1, PackChannels({10, 10, 10}), 0);
  AdjustRect(0, 0, 1, 1, 16, -15, 40, 0);  // -15 / 16 truncates to 0
  EXPECT_EQ(SplitPixel(Pixel(0, 0, 0)).r, 11);
  EXPECT_EQ(SplitPixel(Pixel(0, 0, 0)).g, 10);
  EXPECT_EQ(SplitPixel(Pixel(0, 0, 0)).b, 12);
}

TEST(ColourRects, GreyscaleAveragesWithTheWideGreenHalved) {
  UseScreen(Rgb565);
  FillRect(0, 0, 1, 1, PackChannels({30, 60, 0}), 0);
  Greyscale(0);
  EXPECT_EQ(SplitPixel(Pixel(0, 0, 0)).r, 20);
  EXPECT_EQ(SplitPixel(Pixel(0, 0, 0)).g, 40);
  EXPECT_EQ(SplitPixel(Pixel(0, 0, 0)).b, 20);
  UseScreen(Rgb555);
  FillRect(0, 0, 1, 1, PackChannels({31, 30, 0}), 0);
  Greyscale(0);
  EXPECT_EQ(Pixel(0, 0, 0), PackChannels({20, 20, 20}));
}

TEST(ColourRects, GreyscaleGivesEveryPixelValueTheMeanOfItsChannels) {
  // Every 16-bit value in every layout, the unused top bits included, against the channel arithmetic.
  for (std::uint16_t mode : {Rgb565, Rgb555, Rgb444}) {
    UseScreen(mode);
    const int count = ScreenPixelCount();
    for (int first = 0; first < 65536; first += count) {
      std::uint16_t* pixels = ScreenBuffer(0);
      for (int i = 0; i < count; ++i) pixels[i] = static_cast<std::uint16_t>(first + i);
      Greyscale(0);
      for (int i = 0; i < count && first + i < 65536; ++i) {
        const Channels c = SplitPixel(static_cast<std::uint16_t>(first + i));
        const int a = GreenIsWide() ? (c.r + c.g / 2 + c.b) / 3 : (c.r + c.g + c.b) / 3;
        ASSERT_EQ(pixels[i], PackChannels({a, GreenIsWide() ? 2 * a : a, a})) << mode << " " << first + i;
      }
    }
  }
}

TEST(ColourRects, AdjustRectAgreesWithAdjustColourOnEveryPixelValue) {
  struct Deltas {
    int r, g, b;
  };
  for (std::uint16_t mode : {Rgb565, Rgb555, Rgb444})
    for (const Deltas d : {Deltas{40, -40, 8}, Deltas{-255, 255, 0}, Deltas{17, 3, -9}}) {
      UseScreen(mode);
      const int count = ScreenPixelCount();
      const int divisor = mode == Rgb444 ? 16 : 8, greenDivisor = mode == Rgb565 ? 4 : divisor;
      for (int first = 0; first < 65536; first += count) {
        std::uint16_t* pixels = ScreenBuffer(0);
        for (int i = 0; i < count; ++i) pixels[i] = static_cast<std::uint16_t>(first + i);
        AdjustRect(0, 0, ScreenWidth(), ScreenHeight(), d.r, d.g, d.b, 0);
        for (int i = 0; i < count && first + i < 65536; ++i)
          ASSERT_EQ(pixels[i], AdjustColour(static_cast<std::uint16_t>(first + i), d.r / divisor, d.g / greenDivisor,
                                            d.b / divisor))
              << mode << " " << first + i;
      }
    }
}

TEST(ColourRects, MaskAndRedAreRecognisedAsDecodedWithTheGamma) {
  for (std::uint8_t gamma : {std::uint8_t{0}, std::uint8_t{40}}) {
    SetPixelFormat(Rgb565, gamma);
    Image image(4, 1);
    const int lift = gamma;
    image.Pixels()[0] = PackRgb(255 + lift, lift, 255 + lift);      // magenta
    image.Pixels()[1] = PackRgb(255 + lift, lift, lift);            // red
    image.Pixels()[2] = PackRgb(255 + lift, lift + 8, 255 + lift);  // almost magenta
    image.Pixels()[3] = PackRgb(255, 255, 255);
    EXPECT_TRUE(IsMaskPixel(0, 0, image));
    EXPECT_FALSE(IsMaskPixel(1, 0, image));
    EXPECT_FALSE(IsMaskPixel(2, 0, image));
    const std::uint16_t almost = image.Pixels()[2];
    RedToKey(image);
    EXPECT_NE(image.Pixels()[0], KeyColour);
    EXPECT_EQ(image.Pixels()[1], KeyColour);
    EXPECT_EQ(image.Pixels()[2], almost);
    EXPECT_EQ(image.Pixels()[3], 0xFFFF);
  }
}
