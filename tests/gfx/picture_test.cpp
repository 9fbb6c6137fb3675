// picture_test.cpp -- decoded-bitmap conversion (row order, stride, gamma, 4-4-4 dithering) and LoadImageFile's
// failures.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "core/image.h"
#include "gfx/colour_rects.h"
#include "gfx/font.h"
#include "gfx/picture_convert.h"
#include "gfx/picture_load.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/file_system.h"
#include "tests/gfx/gfx_test_support.h"
#include "tools/forge/font_bmp.h"

namespace {

// A bitmap as the decoder gives it: rows bottom-up, padded to 4 bytes.
// `rgb` holds the pixels top row first, 3 bytes each as R, G, B.
platform::DecodedBitmap Bitmap(int w, int h, const std::vector<int>& rgb) {
  platform::DecodedBitmap b;
  b.width = static_cast<std::uint16_t>(w);
  b.height = static_cast<std::uint16_t>(h);
  b.stride = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
  b.bits.assign(b.stride * h, 0xEE);  // padding bytes that must never show
  for (int r = 0; r < h; ++r)
    for (int c = 0; c < w; ++c) {
      std::uint8_t* px = b.bits.data() + (h - 1 - r) * b.stride + c * 3;
      const int* src = rgb.data() + (r * w + c) * 3;
      px[0] = static_cast<std::uint8_t>(src[2]);
      px[1] = static_cast<std::uint8_t>(src[1]);
      px[2] = static_cast<std::uint8_t>(src[0]);
    }
  return b;
}

}  // namespace

TEST(PictureConvert, ThreeWidePictureSkipsItsPaddingAndFlipsRows) {
  SetPixelFormat(Rgb565, 0);
  platform::DecodedBitmap b = Bitmap(3, 2,
                                     {255, 0, 0, 0, 255, 0, 0, 0, 255,  //
                                      8, 4, 8, 255, 255, 255, 0, 0, 0});
  EXPECT_EQ(b.stride, 12u);
  Image image;
  ASSERT_TRUE(ConvertBitmap(b, image, false));
  ASSERT_EQ(image.Width(), 3);
  ASSERT_EQ(image.Height(), 2);
  EXPECT_EQ(image.Pixels()[0], 0xF800);
  EXPECT_EQ(image.Pixels()[1], 0x07E0);
  EXPECT_EQ(image.Pixels()[2], 0x001F);
  EXPECT_EQ(image.Pixels()[3], (1 << 11) | (1 << 5) | 1);
  EXPECT_EQ(image.Pixels()[4], 0xFFFF);
  EXPECT_EQ(image.Pixels()[5], 0);
}

TEST(PictureConvert, GammaBrightensEveryChannelAndBlackBecomesTheKey) {
  SetPixelFormat(Rgb565, 40);
  platform::DecodedBitmap b = Bitmap(2, 1, {0, 0, 0, 250, 100, 220});
  Image image;
  ASSERT_TRUE(ConvertBitmap(b, image, false));
  EXPECT_EQ(image.Pixels()[0], (5 << 11) | (10 << 5) | 5);
  EXPECT_EQ(image.Pixels()[0], KeyColour);
  EXPECT_EQ(image.Pixels()[1], (31 << 11) | (35 << 5) | 31);  // 250 + 40 and 220 + 40 clamp at 255
  SetPixelFormat(Rgb555, 0);
  b = Bitmap(1, 1, {0, 0, 0});
  ASSERT_TRUE(ConvertBitmap(b, image, true));  // dithering only matters in 4-4-4
  EXPECT_EQ(image.Pixels()[0], 0);
}

TEST(PictureConvert, DitherSpreadsTheLostBitsOntoPixelsStillToCome) {
  SetPixelFormat(Rgb444, 0);
  // A bright enough chain carries across the threshold: 14 + 7 = 21 -> 1.
  platform::DecodedBitmap b = Bitmap(2, 1, {14, 14, 14, 14, 14, 14});
  Image carry;
  ASSERT_TRUE(ConvertBitmap(b, carry, true));
  EXPECT_EQ(carry.Pixels()[0], 0);
  EXPECT_EQ(carry.Pixels()[1], 0x0111);
  // Without it both stay at 0.
  Image flat;
  ASSERT_TRUE(ConvertBitmap(b, flat, false));
  EXPECT_EQ(flat.Pixels()[1], 0);
  // The next memory row (the row above on screen) gets a quarter.
  b = Bitmap(1, 2, {13, 13, 13, 15, 15, 15});
  Image up;
  ASSERT_TRUE(ConvertBitmap(b, up, true));
  EXPECT_EQ(up.Pixels()[1], 0);
  EXPECT_EQ(up.Pixels()[0], 0x0111);  // 13 + 15 / 4 = 16
}

TEST(PictureConvert, DitherAdditionsClampAt255) {
  SetPixelFormat(Rgb444, 0);
  platform::DecodedBitmap b = Bitmap(2, 1, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  Image image;
  ASSERT_TRUE(ConvertBitmap(b, image, true));
  EXPECT_EQ(image.Pixels()[0], 0x0FFF);
  EXPECT_EQ(image.Pixels()[1], 0x0FFF);
}

TEST(PictureConvert, ShortBitmapIsRefused) {
  SetPixelFormat(Rgb565, 0);
  platform::DecodedBitmap b = Bitmap(4, 4, std::vector<int>(48, 0));
  b.bits.resize(b.bits.size() - 1);
  Image image;
  EXPECT_FALSE(ConvertBitmap(b, image, false));
  b = Bitmap(4, 4, std::vector<int>(48, 0));
  b.stride = 8;  // fewer bytes a row than 4 pixels need
  EXPECT_FALSE(ConvertBitmap(b, image, false));
  EXPECT_EQ(image.Pixels(), nullptr);
}

class PictureLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    UseScreen(Rgb565);
    ASSERT_TRUE(UseForgedFont());
    char dir[] = "/tmp/gfx_pictures_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    dir_ = dir;
  }
  void TearDown() override {
    std::remove((dir_ + "/broken.QXJ").c_str());
    std::remove(dir_.c_str());
  }
  std::wstring Path(const std::string& name) const {
    const std::string p = dir_ + "/" + name;
    return std::wstring(p.begin(), p.end());
  }
  std::string dir_;
};

TEST_F(PictureLoad, MissingFileShowsTheBoxAndLeavesAnEmptyPicture) {
  // The box waits for its "Ok": pressed and released inside it.
  HeadlessRun run("at 200 down 192 185\nat 230 up 192 185\n");
  ASSERT_TRUE(run.ok);
  Image image = SolidImage(3, 3, 7);
  const std::uint16_t* old = image.Pixels();
  EXPECT_FALSE(LoadImageFile(Path("none.QXJ"), image, false));
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Height(), 0);
  ASSERT_NE(image.Pixels(), nullptr);
  EXPECT_NE(image.Pixels(), old);
  // "/n" is a line break; the path is named as the file system names it.
  EXPECT_EQ(NotFoundText(L"/games/dusk\\GFX\\X.QXJ"), L"Duskhaven\n\nError : /games/dusk/GFX/X.QXJ Not found.");
  EXPECT_EQ(GameLines(L"a/nb/n"), L"a\nb\n");
  EXPECT_EQ(GameLines(L"/x/n/"), L"/x\n/");
}

TEST_F(PictureLoad, FileThatDoesNotDecodeGivesTheEmptyPictureAndABox) {
  std::ofstream(dir_ + "/broken.QXJ") << "\xFF\xD8\xFF\xE0 this is not a picture at all";
  HeadlessRun run("at 200 down 192 185\nat 230 up 192 185\n");
  ASSERT_TRUE(run.ok);
  Image image;
  EXPECT_FALSE(LoadImageFile(Path("broken.QXJ"), image, false));
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Height(), 0);
  EXPECT_NE(image.Pixels(), nullptr);
}

TEST_F(PictureLoad, BeforeTheFontIsCutTheSystemBoxSpeaksInstead) {
  BitmapFont font = std::move(GameFont);
  GameFont = BitmapFont{};
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  FillRect(0, 0, 240, 320, 0x0F0F, 0);
  testing::internal::CaptureStderr();
  Image image;
  EXPECT_FALSE(LoadImageFile(Path("logo.QXG"), image, false));
  const std::string said = testing::internal::GetCapturedStderr();
  GameFont = std::move(font);
  EXPECT_NE(said.find("Duskhaven: Duskhaven  Error : " + dir_ + "/logo.QXG Not found."), std::string::npos) << said;
  for (int y = 0; y < 320; y += 7)
    for (int x = 0; x < 240; x += 7) ASSERT_EQ(Pixel(0, x, y), 0x0F0F) << "no blank panel is drawn";
  EXPECT_EQ(image.Width(), 0);
}

TEST_F(PictureLoad, EmptyPathShowsNothingAndKeepsThePicture) {
  Image image = SolidImage(2, 2, 9);
  const std::uint16_t* before = image.Pixels();
  EXPECT_FALSE(LoadImageFile(L"", image, false));
  EXPECT_EQ(image.Pixels(), before);
  EXPECT_EQ(image.Width(), 2);
}

TEST_F(PictureLoad, PathWithAccentsReachesItsFile) {
  const std::string folder = dir_ + "/\xC3\xA9t\xC3\xA9";  // "été" in UTF-8, as the install folder may be named
  ASSERT_TRUE(platform::MakeDirectories(folder));
  ASSERT_TRUE(platform::WriteFileAtomically(folder + "/p.QXB", EncodeBmp24({255, 255, 255}, 1, 1)));
  Image image;
  EXPECT_TRUE(LoadImageFile(Path("") + L"\u00e9t\u00e9/p.QXB", image, false));
  EXPECT_EQ(image.Width(), 1);
  EXPECT_EQ(image.Pixels()[0], 0xFFFF);
  std::remove((folder + "/p.QXB").c_str());
  std::remove(folder.c_str());
}
