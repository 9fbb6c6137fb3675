// drawing_test.cpp -- picture copies (opaque, keyed, tinted, scaled), cutting pictures from buffers, and the panel.
#include <gtest/gtest.h>

#include "core/image.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/panel.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "tests/gfx/gfx_test_support.h"

namespace {

// A picture whose pixel at (c, r) is 100 * r + c + 1 (never 0, never the key at gamma 0).
Image NumberedImage(int w, int h) {
  Image image(static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h));
  for (int r = 0; r < h; ++r)
    for (int c = 0; c < w; ++c) image.Pixels()[r * w + c] = static_cast<std::uint16_t>(100 * r + c + 1);
  return image;
}

}  // namespace

TEST(Drawing, KeyedDrawOfBlackAsDecodedChangesNothing) {
  for (std::uint8_t gamma : {std::uint8_t{0}, std::uint8_t{40}}) {
    UseScreen(Rgb565, gamma);
    FillRect(0, 0, 240, 320, 0x1234, 0);
    Image black = SolidImage(30, 20, KeyColour);
    DrawKeyed(5, 5, black, 0);
    DrawKeyedTinted(5, 5, black, 0xF800, 0);
    for (int y = 0; y < 320; y += 7)
      for (int x = 0; x < 240; x += 3) ASSERT_EQ(Pixel(0, x, y), 0x1234);
  }
}

TEST(Drawing, OpaqueCopiesPlaceTheRightSourcePixels) {
  UseScreen(Rgb565);
  Image image = NumberedImage(10, 6);
  DrawImage(3, 4, image, 0);
  EXPECT_EQ(Pixel(0, 3, 4), 1);
  EXPECT_EQ(Pixel(0, 12, 9), 510);
  EXPECT_EQ(Pixel(0, 13, 9), 0);
  DrawImageColumns(100, 100, image, 2, 3, 1);
  EXPECT_EQ(Pixel(1, 100, 100), 3);
  EXPECT_EQ(Pixel(1, 102, 105), 505);
  EXPECT_EQ(Pixel(1, 103, 105), 0);
  DrawImageRect(4, 1, 2, 2, 50, 60, image, 2);
  EXPECT_EQ(Pixel(2, 50, 60), 105);
  EXPECT_EQ(Pixel(2, 51, 61), 206);
}

TEST(Drawing, StripRowAndSameRectUseScreenPlaces) {
  UseScreen(Rgb565);
  Image strip = SolidImage(240, 4, 0x00FF);
  DrawImageStrip(30, strip, 0);
  EXPECT_EQ(Pixel(0, 0, 59), 0);
  EXPECT_EQ(Pixel(0, 0, 60), 0x00FF);
  EXPECT_EQ(Pixel(0, 239, 63), 0x00FF);
  EXPECT_EQ(Pixel(0, 0, 64), 0);
  // A picture wider than the screen gives only its first 240 columns to the row.
  Image wide = NumberedImage(300, 320);
  DrawImageRow(7, wide, 1);
  EXPECT_EQ(Pixel(1, 0, 7), 701);
  EXPECT_EQ(Pixel(1, 239, 7), 940);
  EXPECT_EQ(Pixel(1, 0, 8), 0);
  Image background = NumberedImage(240, 320);
  DrawImageSameRect(20, 30, 2, 2, background, 2);
  EXPECT_EQ(Pixel(2, 20, 30), 3021);
  EXPECT_EQ(Pixel(2, 21, 31), 3122);
  EXPECT_EQ(Pixel(2, 19, 30), 0);
}

TEST(Drawing, TintingWithWhiteKeepsGlyphsAndRedKeepsOnlyRed) {
  UseScreen(Rgb565);
  Image glyph = SolidImage(2, 2, PackChannels({20, 40, 10}));
  glyph.Pixels()[3] = KeyColour;
  FillRect(0, 0, 10, 10, 0x0001, 0);
  DrawKeyedTinted(0, 0, glyph, TintColour(11), 0);
  EXPECT_EQ(Pixel(0, 0, 0), PackChannels({20, 40, 10}));
  EXPECT_EQ(Pixel(0, 1, 1), 0x0001);  // the key pixel is skipped
  DrawKeyedTinted(4, 0, glyph, TintColour(0), 0);
  EXPECT_EQ(Pixel(0, 4, 0), PackChannels({20, 0, 0}));
  DrawTinted(7, 0, glyph, TintColour(0), 0);
  EXPECT_EQ(Pixel(0, 8, 1), 0);  // opaque: the key pixel is written too
}

TEST(Drawing, CopiesThatWouldLeaveTheBufferAreTrimmed) {
  UseScreen(Rgb565);
  Image image = NumberedImage(20, 20);
  DrawImage(230, 310, image, 0);  // would run past the right edge and the last row
  EXPECT_EQ(Pixel(0, 230, 310), 1);
  EXPECT_EQ(Pixel(0, 239, 319), 910);
  EXPECT_EQ(Pixel(1, 0, 0), 0);  // nothing spilled into the next buffer
  DrawKeyed(-5, -3, image, 2);
  EXPECT_EQ(Pixel(2, 0, 0), 306);
  EXPECT_EQ(Pixel(2, 239, 319), 0);
}

TEST(Drawing, CropAndGrabRoundTrip) {
  UseScreen(Rgb565);
  Image image = NumberedImage(8, 8);
  DrawImage(10, 10, image, 0);
  Image cut = CropBuffer(12, 13, 3, 2, 0);
  ASSERT_EQ(cut.Width(), 3);
  ASSERT_EQ(cut.Height(), 2);
  EXPECT_EQ(cut.Pixels()[0], 303);
  EXPECT_EQ(cut.Pixels()[5], 405);
  Image part = CropImage(image, 1, 2, 2, 2);
  EXPECT_EQ(part.Pixels()[0], 202);
  EXPECT_EQ(part.Pixels()[3], 303);
  GrabImage(5, 5, image, part);
  EXPECT_EQ(part.Pixels()[0], 506);
  // A strip that reaches below the screen keeps what lies on it.
  Image strip = SolidImage(4, 20, 0x7777);
  FillRect(0, 310, 4, 10, 0x0042, 0);
  GrabBuffer(0, 307, 0, strip);
  EXPECT_EQ(strip.Pixels()[3 * 4], 0x0042);
  EXPECT_EQ(strip.Pixels()[19 * 4], 0x7777);
}

TEST(Drawing, ScaledDrawMapsNearestPixelsAndHonoursTheKey) {
  UseScreen(Rgb565);
  Image image = NumberedImage(4, 2);
  image.Pixels()[1] = KeyColour;
  FillRect(0, 0, 240, 320, 0x0F0F, 0);
  DrawScaled(4, 2, image, 10, 20, 8, 4, true);
  EXPECT_EQ(Pixel(0, 10, 20), 1);
  EXPECT_EQ(Pixel(0, 11, 21), 1);
  EXPECT_EQ(Pixel(0, 12, 20), 0x0F0F);  // the key stays transparent when stretched
  EXPECT_EQ(Pixel(0, 17, 23), 104);
  EXPECT_EQ(Pixel(0, 18, 23), 0x0F0F);
  FillRect(0, 0, 240, 320, 0x0F0F, 1);
  DrawScaled(4, 2, image, 0, 0, 3, 1, false);  // shrinking: x_s = trunc(x * 4 / 3)
  EXPECT_EQ(Pixel(0, 0, 0), 1);
  EXPECT_EQ(Pixel(0, 1, 0), KeyColour);
  EXPECT_EQ(Pixel(0, 2, 0), 3);
  // Buffer 1, the saved screen, keeps what it held.
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Pixel(1, x, y), 0x0F0F);
  DrawScaled(4, 2, image, 0, 0, 0, 5, true);  // no size: nothing, and no division by zero
}

TEST(Panel, RingsBrightenFromOutsideInAndInteriorDarkens) {
  UseScreen(Rgb565);
  const std::uint16_t base = PackChannels({5, 10, 5});
  FillRect(0, 0, 240, 320, base, 1);
  FillRect(0, 0, 240, 320, base, 0);
  DrawPanel(40, 120, 160, 80, 20, 3, 0);
  // Top rows of rings 0, 1, 2 away from the corners: +6, +12, +18 (green twice).
  EXPECT_EQ(SplitPixel(Pixel(0, 100, 120)).r, 11);
  EXPECT_EQ(SplitPixel(Pixel(0, 100, 120)).g, 22);
  EXPECT_EQ(SplitPixel(Pixel(0, 100, 121)).r, 17);
  EXPECT_EQ(SplitPixel(Pixel(0, 100, 122)).g, 46);
  EXPECT_EQ(SplitPixel(Pixel(0, 100, 199)).r, 11);
  // Side columns brighten what the target holds; ring corners get it twice.
  EXPECT_EQ(SplitPixel(Pixel(0, 40, 160)).r, 11);
  EXPECT_EQ(SplitPixel(Pixel(0, 40, 120)).r, 17);
  EXPECT_EQ(SplitPixel(Pixel(0, 42, 122)).r, 31);
  EXPECT_EQ(SplitPixel(Pixel(0, 42, 122)).g, 46 + 36 > 63 ? 63 : 46 + 36);
  // Interior: darkened by 20 (green by 40), clamped at 0.
  EXPECT_EQ(Pixel(0, 43, 123), 0);
  EXPECT_EQ(Pixel(0, 100, 160), 0);
  // Outside the panel nothing changed.
  EXPECT_EQ(Pixel(0, 39, 160), base);
  EXPECT_EQ(Pixel(0, 100, 200), base);
}

TEST(Panel, InteriorComesFromTheSavedBackground) {
  UseScreen(Rgb565);
  FillRect(0, 0, 240, 320, PackChannels({31, 63, 31}), 1);
  FillRect(0, 0, 240, 320, 0, 0);
  DrawPanel(10, 10, 20, 20, 20, 3, 0);
  EXPECT_EQ(Pixel(0, 20, 20), PackChannels({11, 23, 11}));
  // Top and bottom rows are computed from buffer 1 as well.
  EXPECT_EQ(Pixel(0, 20, 10), PackChannels({31, 63, 31}));
  // The side columns brighten the target's own black.
  EXPECT_EQ(Pixel(0, 10, 20), PackChannels({6, 12, 6}));
}
