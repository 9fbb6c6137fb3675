// text_banners_test.cpp -- the banners load their picture, animate and leave the screen as the duel expects.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <map>

#include "gfx/colour_rects.h"
#include "gfx/font.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "gfx/text_banners.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "tests/gfx/gfx_test_support.h"
#include "tools/forge/font_bmp.h"

namespace {

class Banner : public ::testing::Test {
 protected:
  void SetUp() override {
    UseScreen(Rgb565);
    ASSERT_TRUE(UseForgedFont());
    dir_ = std::filesystem::temp_directory_path() / ("gfx_banners_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_ / "GFX" / "TEXT");
    previousDir_ = platform::InstallDir();
    platform::SetInstallDir(dir_.string());
  }
  void TearDown() override {
    platform::SetInstallDir(previousDir_);
    std::filesystem::remove_all(dir_);
  }
  std::string previousDir_;
  // A banner: a green frame around black (transparent) inside.
  void WriteBanner(const std::string& name, int w, int h) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * h * 3, 0);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (x < 2 || y < 2 || x >= w - 2 || y >= h - 2) rgb[(y * w + x) * 3 + 1] = 255;
    ASSERT_TRUE(platform::WriteFileAtomically((dir_ / "GFX" / "TEXT" / name).string(), EncodeBmp24(rgb, w, h)));
  }
  std::filesystem::path dir_;
};

bool Green(int x, int y) { return Pixel(0, x, y) == 0x07E0; }

bool AnyTint(int x0, int y0, int x1, int y1, int tint) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const std::uint16_t p = Pixel(0, x, y);
      if (p != KeyColour && (p & ~TintColour(tint)) == 0 && p != 0x07E0) return true;
    }
  return false;
}

}  // namespace

TEST_F(Banner, VersusSlidesBothNamesInAndZoomsTheWordOntoThem) {
  WriteBanner("Versus.QXG", 80, 40);
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  const std::uint32_t before = platform::TickCount();
  ShowVersusBanner(L"Marla", L"Dazorar");
  EXPECT_GT(platform::TickCount() - before, 200u);  // it animated
  // Versus at X = 120 - 40 = 80, Y = (235 - 40) / 2 = 97, at its own size.
  EXPECT_TRUE(Green(80, 97));
  EXPECT_TRUE(Green(159, 136));
  EXPECT_FALSE(Green(79, 97));
  EXPECT_FALSE(Green(160, 136));
  // The first name in light red at (X + w, Y) = (160, 97), 5 columns into its picture.
  const int lh = LineHeight(GameFont);
  EXPECT_TRUE(AnyTint(165, 97, 165 + TextWidth(GameFont, L"Marla"), 97 + lh, 6));
  // The second in light blue ends at the left: X - its width would be below 3, so x = 2.
  const int y2 = 97 + 40 - lh;
  EXPECT_TRUE(AnyTint(7, y2, 7 + TextWidth(GameFont, L"Dazorar"), y2 + lh, 7));
}

TEST_F(Banner, StartBannerIsWipedInHeldAndZoomedAway) {
  WriteBanner("start.QXG", 240, 60);
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  FillRect(0, 0, 240, 320, 0x0010, 0);
  const std::uint32_t before = platform::TickCount();
  ShowStartBanner();
  EXPECT_GE(platform::TickCount() - before, 500u);
  // Zoomed away to nothing: the screen is as it was.
  for (int y = 0; y < 320; y += 3)
    for (int x = 0; x < 240; x += 3) ASSERT_EQ(Pixel(0, x, y), 0x0010);
}

TEST_F(Banner, TapShortensTheHold) {
  WriteBanner("youwin.QXG", 240, 60);
  HeadlessRun run("at 1200 tap 100 100\n");
  ASSERT_TRUE(run.ok);
  ShowWonBanner();
  // The wipe takes about a second (61 frames); the tap at 1200 ends the 1488 ms hold.
  EXPECT_LT(platform::TickCount(), 1200u + 1488u);
}

namespace {

// WCAG relative luminance of a pixel of the current mode.
double Luminance(std::uint16_t pixel) {
  const Channels c = SplitPixel(pixel), max = ChannelMaxima();
  auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * lin(static_cast<double>(c.r) / max.r) + 0.7152 * lin(static_cast<double>(c.g) / max.g) +
         0.0722 * lin(static_cast<double>(c.b) / max.b);
}

double Contrast(std::uint16_t a, std::uint16_t b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

TEST(NamePlate, BothNamesReadAtOneToOneOnAnyPartOfTheBoard) {
  UseScreen(Rgb565);
  ASSERT_TRUE(UseForgedFont());
  const std::wstring name = L"MAESTRA LUNA";
  const int x0 = 40, y0 = 100, w = TextWidth(GameFont, name), h = LineHeight(GameFont);
  // The strokes: where the untinted name is light (its fringes are not counted).
  FillRect(0, 0, 240, 320, NamePlateColour(), 1);
  DrawText(name, x0, y0, GameFont, 1);
  std::vector<std::pair<int, int>> strokes;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (Luminance(Pixel(1, x, y)) >= 0.5) strokes.emplace_back(x, y);
  ASSERT_GT(strokes.size(), 100u);
  // A blocked cell's grey, the board's navy and a bright cyan grid line under the names.
  for (std::uint16_t under : {PackRgb(74, 76, 98), PackRgb(32, 16, 74), PackRgb(123, 242, 255)}) {
    for (int tint : {6, 7}) {
      FillRect(0, 0, 240, 320, under, 0);
      DrawNameOnPlate(name, x0, y0, tint, 0);
      for (int y = y0; y < y0 + h; ++y)
        for (int x = x0 - 2; x < x0 + w + 2; ++x) ASSERT_NE(Pixel(0, x, y), under) << "no plate at " << x << ", " << y;
      // The name's colour is its strokes' commonest colour (the font's fringes are softer).
      std::map<std::uint16_t, int> colours;
      int legible = 0;
      for (auto [x, y] : strokes) {
        ++colours[Pixel(0, x, y)];
        if (Contrast(Pixel(0, x, y), NamePlateColour()) >= 4.5) ++legible;
      }
      auto commonest = std::max_element(colours.begin(), colours.end(),
                                        [](const auto& a, const auto& b) { return a.second < b.second; });
      EXPECT_GE(Contrast(commonest->first, NamePlateColour()), 4.5) << "tint " << tint;
      EXPECT_GE(legible * 10, static_cast<int>(strokes.size()) * 6) << "tint " << tint;
    }
  }
}
