// art_rules_test.cpp -- the colour-key rules of flattened pictures and the lossless and lossy encoders.
#include <gtest/gtest.h>

#include "tests/forge_art/art_test_support.h"

namespace {

RgbPicture Gradient(int w, int h) {
  RgbPicture p{w, h, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      p.rgb.push_back(static_cast<std::uint8_t>(x * 255 / (w - 1)));
      p.rgb.push_back(static_cast<std::uint8_t>(y * 255 / (h - 1)));
      p.rgb.push_back(static_cast<std::uint8_t>((x * 7 + y * 13) & 0xFF));
    }
  return p;
}

}  // namespace

TEST(ArtKeyRule, KeyedPicturesKeepBlackOnlyWhereNothingWasDrawn) {
  ArtCanvas canvas(20, 10);
  // Pure black ink on the left, half-covered ink in the middle, nothing on the right.
  cairo_set_source_rgb(canvas.Cr(), 0, 0, 0);
  cairo_rectangle(canvas.Cr(), 0, 0, 8, 10);
  cairo_fill(canvas.Cr());
  cairo_set_source_rgba(canvas.Cr(), 1, 0.5, 0.25, 0.6);
  cairo_rectangle(canvas.Cr(), 8, 0, 4, 10);
  cairo_fill(canvas.Cr());
  cairo_set_source_rgba(canvas.Cr(), 1, 1, 1, 0.3);
  cairo_rectangle(canvas.Cr(), 12, 0, 4, 10);
  cairo_fill(canvas.Cr());
  const RgbPicture p = canvas.Keyed();
  ASSERT_EQ(p.rgb.size(), 20u * 10u * 3u);
  const std::uint8_t* drawnBlack = PixelAt(p, 3, 5);
  EXPECT_FALSE(ExactBlack(drawnBlack)) << "drawn black must not turn transparent";
  EXPECT_FALSE(PacksToKey565(drawnBlack));
  EXPECT_FALSE(PacksToKey444(drawnBlack));
  // The 60 % covered ink keeps its own colour, not a darkened mix.
  const std::uint8_t* mostly = PixelAt(p, 9, 5);
  EXPECT_NEAR(mostly[0], 255, 2);
  EXPECT_NEAR(mostly[1], 128, 2);
  EXPECT_TRUE(ExactBlack(PixelAt(p, 13, 5))) << "faint ink stays transparent";
  EXPECT_TRUE(ExactBlack(PixelAt(p, 18, 5)));
  EXPECT_EQ(KeyRuleFault(p), "");
}

TEST(ArtKeyRule, OpaquePicturesHaveNoPixelOnTheKey) {
  ArtCanvas canvas(8, 8);
  cairo_set_source_rgb(canvas.Cr(), 0, 0, 0);
  cairo_rectangle(canvas.Cr(), 0, 0, 4, 8);
  cairo_fill(canvas.Cr());  // the right half is left undrawn
  const RgbPicture p = canvas.Opaque();
  EXPECT_EQ(OpaqueRuleFault(p), "");
  const std::uint8_t* floor = PixelAt(p, 6, 2);
  EXPECT_EQ(floor[0], FloorRed);
  EXPECT_EQ(floor[1], FloorGreen);
  EXPECT_EQ(floor[2], FloorBlue);
}

TEST(ArtKeyRule, LiftingLeavesBrightColoursAlone) {
  std::uint8_t r = 200, g = 3, b = 0;
  LiftAboveKey(r, g, b);
  EXPECT_EQ(r, 200);
  EXPECT_EQ(g, FloorGreen);
  EXPECT_EQ(b, FloorBlue);
}

TEST(ArtEncoders, PngIsLosslessThroughTheGamesDecoder) {
  const RgbPicture source = Gradient(37, 23);  // odd sizes: no row padding assumptions
  std::vector<std::uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(EncodePng(source, bytes, error)) << error;
  RgbPicture decoded;
  ASSERT_TRUE(DecodePicture(bytes, decoded));
  EXPECT_EQ(decoded.width, 37);
  EXPECT_EQ(decoded.height, 23);
  EXPECT_EQ(decoded.rgb, source.rgb);
  std::vector<std::uint8_t> again;
  ASSERT_TRUE(EncodePng(source, again, error));
  EXPECT_EQ(again, bytes) << "same picture, same bytes";
}

TEST(ArtEncoders, JpegDecodesToTheSameSizeAndCloseColours) {
  RgbPicture source{64, 48, std::vector<std::uint8_t>(64 * 48 * 3, 0)};
  for (std::size_t i = 0; i < source.rgb.size(); i += 3) {
    source.rgb[i] = 180;
    source.rgb[i + 1] = 60;
    source.rgb[i + 2] = 120;
  }
  std::vector<std::uint8_t> bytes, again;
  std::string error;
  ASSERT_TRUE(EncodeJpeg(source, 90, bytes, error)) << error;
  ASSERT_TRUE(EncodeJpeg(source, 90, again, error));
  EXPECT_EQ(bytes, again);
  ASSERT_GE(bytes.size(), 3u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  RgbPicture decoded;
  ASSERT_TRUE(DecodePicture(bytes, decoded));
  EXPECT_EQ(decoded.width, 64);
  EXPECT_EQ(decoded.height, 48);
  const std::uint8_t* mid = PixelAt(decoded, 30, 20);
  EXPECT_NEAR(mid[0], 180, 6);
  EXPECT_NEAR(mid[1], 60, 6);
  EXPECT_NEAR(mid[2], 120, 6);
}

TEST(ArtEncoders, MalformedPicturesAreRefusedWithAMessage) {
  std::vector<std::uint8_t> bytes{1, 2, 3};
  std::string error;
  RgbPicture shortPixels{4, 4, std::vector<std::uint8_t>(10, 0)};
  EXPECT_FALSE(EncodePng(shortPixels, bytes, error));
  EXPECT_NE(error.find("4x4"), std::string::npos) << error;
  error.clear();
  RgbPicture empty{0, 5, {}};
  EXPECT_FALSE(EncodeJpeg(empty, 90, bytes, error));
  EXPECT_FALSE(error.empty());
}
