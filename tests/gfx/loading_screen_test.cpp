// loading_screen_test.cpp -- the loading screen's row reveal, dots, version line, pan and final tap.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>

#include "core/random.h"
#include "gfx/font.h"
#include "gfx/loading_screen.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "tests/gfx/gfx_test_support.h"
#include "tools/forge/font_bmp.h"

namespace {

constexpr int PictureWidth = 480;

// Column c of the test picture packs c into red (high bits) and green, with blue lit.
std::vector<std::uint8_t> ColumnCodedPicture() {
  std::vector<std::uint8_t> rgb(PictureWidth * 320 * 3);
  for (int r = 0; r < 320; ++r)
    for (int c = 0; c < PictureWidth; ++c) {
      std::uint8_t* p = rgb.data() + (r * PictureWidth + c) * 3;
      p[0] = static_cast<std::uint8_t>((c >> 6) << 3);
      p[1] = static_cast<std::uint8_t>((c & 63) << 2);
      p[2] = 200;
    }
  return EncodeBmp24(rgb, PictureWidth, 320);
}

int ColumnShownAt(int x, int y) {
  const Channels c = SplitPixel(Pixel(0, x, y));
  return (c.r << 6) | c.g;
}

class LoadingSteps : public ::testing::Test {
 protected:
  void SetUp() override {
    UseScreen(Rgb565);
    ASSERT_TRUE(UseForgedFont());
    dir_ = std::filesystem::temp_directory_path() / ("gfx_loading_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_ / "GFX" / "LOADING");
    ASSERT_TRUE(
        platform::WriteFileAtomically((dir_ / "GFX" / "LOADING" / "EnterGAME.QXJ").string(), ColumnCodedPicture()));
    previousDir_ = platform::InstallDir();
    platform::SetInstallDir(dir_.string());
    SeedRandom(1234);
  }
  void TearDown() override {
    CloseLoadingScreen();
    platform::SetInstallDir(previousDir_);
    std::filesystem::remove_all(dir_);
  }
  std::filesystem::path dir_;
  std::string previousDir_;
};

}  // namespace

TEST(LoadingTexts, VersionLineAndHints) {
  // "Duskhaven v1.13": the minor number in two digits, whatever the version.
  EXPECT_TRUE(std::regex_match(VersionLine(), std::wregex(L"Duskhaven v[0-9]+\\.[0-9]{2}")));
  EXPECT_EQ(std::wstring(LoadingHints[0]), L"You can move faster in the club using the Quick menu.");
  EXPECT_EQ(std::wstring(LoadingHints[8]), L"You can save anytime by exiting the game with the Start button.");
  EXPECT_EQ(std::wstring(LoadingHints[37]), L"You can see your statistics in the option menu.");
  for (const wchar_t* hint : LoadingHints) EXPECT_GT(std::wcslen(hint), 10u);
}

TEST_F(LoadingSteps, SixtyThreeStepsRevealThreeHundredAndFifteenRows) {
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  OpenLoadingScreen(64);
  EXPECT_EQ(Loading.rowsPerStep, 5);
  EXPECT_LT(Loading.hint, HintCount);
  for (int i = 0; i < 63; ++i) LoadingStep();
  int shown = 0;
  for (bool s : Loading.rowShown) shown += s;
  EXPECT_EQ(shown, 315);
  // A shown row holds the picture's first 240 columns.
  for (int r = 150; r < 320; ++r)
    if (Loading.rowShown[r] && r < 300) {
      EXPECT_EQ(ColumnShownAt(0, r), 0);
      EXPECT_EQ(ColumnShownAt(239, r), 239);
      break;
    }
}

TEST_F(LoadingSteps, DotsCycleFromNoneToFour) {
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  // Over a black screen, so the text's extent shows wherever the rows are not yet revealed.
  OpenLoadingScreen(64);
  const int base = TextWidth(GameFont, L"Loading please wait");
  const int dot = TextWidth(GameFont, L".");
  for (int step = 1; step <= 11; ++step) {
    LoadingStep();
    // Compare with the strip as it was saved under the text: only the text differs.
    int right = -1;
    for (int y = 307; y < 307 + LineHeight(GameFont) && y < 320; ++y)
      for (int x = 5; x < 5 + 150; ++x)
        if (Pixel(0, x, y) != Loading.underText.Pixels()[(y - 307) * 150 + x - 5]) right = std::max(right, x);
    const int dots = step % 5;
    EXPECT_GE(right, 5 + base + dot * dots - dot) << step;
    EXPECT_LT(right, 5 + base + dot * dots) << step;
  }
}

TEST_F(LoadingSteps, TapDuringThePanStopsItAndOneMoreTapIsAwaited) {
  // 63 steps take about a second; the pan of 240 columns would take four more.
  HeadlessRun run("at 1500 tap 10 10\nat 2500 tap 10 10\n");
  ASSERT_TRUE(run.ok);
  OpenLoadingScreen(64);
  for (int i = 0; i < 63; ++i) LoadingStep();
  const std::uint32_t panStart = platform::TickCount();
  ASSERT_LT(panStart, 1500u);
  LoadingStep();
  EXPECT_GE(platform::TickCount(), 2500u);
  const int column = ColumnShownAt(0, 150);
  EXPECT_GT(column, 0);
  EXPECT_LT(column, 240);
  EXPECT_EQ(ColumnShownAt(239, 150), column + 239);
}

TEST_F(LoadingSteps, PanRunsToTheLastColumnWithoutATap) {
  HeadlessRun run("at 9000 tap 10 10\n");
  ASSERT_TRUE(run.ok);
  OpenLoadingScreen(64);
  for (int i = 0; i < 64; ++i) LoadingStep();
  EXPECT_EQ(ColumnShownAt(0, 150), PictureWidth - 240);
  EXPECT_EQ(ColumnShownAt(239, 150), PictureWidth - 1);
}

// Mended: an install folder recorded as a relative path (`duskhaven-forge --install data`) was put in
// front of every picture path twice ("data/data/GFX/..."), so no picture was found.
TEST_F(LoadingSteps, ARelativeInstallFolderFindsItsPictures) {
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  platform::SetInstallDir(std::filesystem::relative(dir_).string());
  ASSERT_NE(platform::InstallDir().front(), '/');
  OpenLoadingScreen(64);
  EXPECT_EQ(Loading.picture.Width(), PictureWidth);
}
