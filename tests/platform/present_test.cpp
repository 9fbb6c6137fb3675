// present_test.cpp -- the frame copy under every device profile shows the frame upright.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <vector>

#include "platform/backend.h"
#include "platform/display.h"
#include "tests/platform/test_helpers.h"

namespace {

std::vector<std::uint16_t> Pattern() {
  std::vector<std::uint16_t> frame(240 * 320);
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 240; ++x)
      frame[static_cast<std::size_t>(y * 240 + x)] = static_cast<std::uint16_t>(x * 7 + y * 131 + 1);
  return frame;
}

// What start-up does with the display before the first present.
void SetUpFrameCopy() {
  platform::DetectDevice();
  const platform::DisplayProperties p = platform::GetDisplayProperties();
  platform::SetPixelSteps(p.xPitch, p.yPitch);
  platform::SetScreenSize(static_cast<std::uint16_t>(p.width), static_cast<std::uint16_t>(p.height));
}

class PresentOnDevice : public ::testing::TestWithParam<const char*> {};

TEST_P(PresentOnDevice, WholeFrameArrivesUpright) {
  testing_platform::StartHeadless("", GetParam());
  SetUpFrameCopy();
  const std::vector<std::uint16_t> frame = Pattern();
  platform::PresentFrame(frame.data());
  EXPECT_EQ(platform::UprightFrame(), frame);
}

TEST_P(PresentOnDevice, RectangleChangesOnlyItsPixels) {
  testing_platform::StartHeadless("", GetParam());
  SetUpFrameCopy();
  std::vector<std::uint16_t> frame(240 * 320, 0x1234);
  platform::PresentFrame(frame.data());
  std::vector<std::uint16_t> changed = Pattern();
  platform::PresentRect(10, 20, 30, 40, changed.data());
  const std::vector<std::uint16_t> shown = platform::UprightFrame();
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 240; ++x) {
      const bool inside = x >= 10 && x < 40 && y >= 20 && y < 60;
      const std::size_t i = static_cast<std::size_t>(y * 240 + x);
      ASSERT_EQ(shown[i], inside ? changed[i] : 0x1234) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Profiles, PresentOnDevice,
                         ::testing::Values("portrait565", "portrait555", "portrait444", "landscape565", "ipaq-h3800"));

TEST(FrameCopy, PortraitRowsAreContiguous) {
  testing_platform::StartHeadless("", "portrait565");
  SetUpFrameCopy();
  EXPECT_EQ(platform::CurrentFrameCopy().stepX, 1);
  EXPECT_EQ(platform::CurrentFrameCopy().stepY, 240);
  EXPECT_FALSE(platform::CurrentFrameCopy().fixedFrameBuffer);
}

TEST(FrameCopy, RotatedPanelStartsAtTheReturnedAddress) {
  testing_platform::StartHeadless("", "landscape565");
  SetUpFrameCopy();
  EXPECT_EQ(platform::CurrentFrameCopy().stepX, -320);
  EXPECT_EQ(platform::CurrentFrameCopy().stepY, 1);
  std::vector<std::uint16_t> frame = Pattern();
  platform::PresentFrame(frame.data());
  EXPECT_EQ(*platform::BeginDraw(), frame[0]);
}

TEST(FrameCopy, FixedFrameBufferModelIgnoresItsPitches) {
  testing_platform::StartHeadless("", "ipaq-h3800");
  EXPECT_EQ(platform::OemInfo(), "Compaq iPAQ H3800");
  SetUpFrameCopy();
  EXPECT_TRUE(platform::CurrentFrameCopy().fixedFrameBuffer);
  EXPECT_EQ(platform::CurrentFrameCopy().stepX, -320);
  EXPECT_EQ(platform::CurrentFrameCopy().stepY, 1);
  std::vector<std::uint16_t> frame = Pattern();
  platform::PresentFrame(frame.data());
  EXPECT_EQ(*platform::FixedFrameBufferAddress(), frame[0]);
}

TEST(FrameCopy, FixedFrameBufferModelWithReportedPitchesIsGarbled) {
  // The reported pitches and address do not match that model's panel: the
  // fixed address is what makes its picture right.
  testing_platform::StartHeadless("", "ipaq-h3800");
  platform::CurrentFrameCopy().fixedFrameBuffer = false;
  platform::SetPixelSteps(2, 480);
  std::vector<std::uint16_t> frame = Pattern();
  platform::PresentFrame(frame.data());
  EXPECT_NE(platform::UprightFrame(), frame);
}

TEST(FrameCopy, OffScreenRectangleIsRefused) {
  testing_platform::StartHeadless("", "portrait565");
  SetUpFrameCopy();
  std::vector<std::uint16_t> frame(240 * 320, 0x0101);
  platform::PresentFrame(frame.data());
  std::vector<std::uint16_t> other(240 * 320, 0x2222);
  platform::PresentRect(200, 300, 50, 30, other.data());
  platform::PresentRect(-1, 0, 10, 10, other.data());
  EXPECT_EQ(platform::UprightFrame(), frame);
}

TEST(PixelMode, FlagsAreTestedIn555565444Order) {
  std::uint16_t mode = 0;
  ASSERT_TRUE(platform::ChoosePixelMode(platform::FormatDirect565 | platform::FormatDirect555, mode));
  EXPECT_EQ(mode, platform::ModeRgb555);
  ASSERT_TRUE(platform::ChoosePixelMode(platform::FormatDirect565 | platform::FormatDirect444, mode));
  EXPECT_EQ(mode, platform::ModeRgb565);
  ASSERT_TRUE(platform::ChoosePixelMode(platform::FormatDirect444, mode));
  EXPECT_EQ(mode, platform::ModeRgb444);
  EXPECT_FALSE(platform::ChoosePixelMode(0x10, mode));
}

TEST(Display, DefaultKeysComeInTheGameOrder) {
  const platform::DefaultKeyList keys = platform::GetDefaultKeys();
  const std::int16_t expected[8] = {platform::VkUp,   platform::VkDown, platform::VkLeft, platform::VkRight,
                                    platform::VkAppA, platform::VkAppB, platform::VkAppC, platform::VkStart};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(keys[static_cast<std::size_t>(i)].vkCode, expected[i]);
}

TEST(Display, CapturedPngHoldsTheUprightFrame) {
  testing_platform::StartHeadless("", "landscape565");
  SetUpFrameCopy();
  std::vector<std::uint16_t> frame(240 * 320, 0);
  frame[0] = 0xF800;                // red at the top left
  frame[239 + 319 * 240] = 0x001F;  // blue at the bottom right
  platform::PresentFrame(frame.data());
  const std::string path = testing_platform::ScratchFolder("capture") + "/frame.png";
  ASSERT_TRUE(platform::SavePanelPng(path));
  SDL_Surface* loaded = IMG_Load(path.c_str());
  ASSERT_NE(loaded, nullptr);
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(loaded);
  ASSERT_NE(rgb, nullptr);
  ASSERT_EQ(rgb->w, 240);
  ASSERT_EQ(rgb->h, 320);
  const auto* px = static_cast<const std::uint8_t*>(rgb->pixels);
  EXPECT_EQ(px[0], 255);
  EXPECT_EQ(px[1], 0);
  EXPECT_EQ(px[2], 0);
  const std::uint8_t* last = px + 319 * rgb->pitch + 239 * 3;
  EXPECT_EQ(last[0], 0);
  EXPECT_EQ(last[2], 255);
  SDL_FreeSurface(rgb);
  EXPECT_FALSE(platform::SavePanelPng("/nonexistent-folder/x.png"));
}

}  // namespace
