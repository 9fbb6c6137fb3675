// message_box_test.cpp -- the message box as a stylus uses it (scripted headless input), its geometry and redraw rules.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>

#include "gfx/colour_rects.h"
#include "gfx/font.h"
#include "gfx/message_box.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/clock.h"
#include "platform/image_decoder.h"
#include "platform/messages.h"
#include "tests/gfx/gfx_test_support.h"

namespace {

class MessageBox : public ::testing::Test {
 protected:
  void SetUp() override {
    UseScreen(Rgb565);
    ASSERT_TRUE(UseForgedFont());
    // A coloured screen, so that dimming and restoring show.
    for (int y = 0; y < 320; ++y) FillRect(0, y, 240, 1, PackChannels({y % 32, 40, 31 - y % 32}), 0);
    CopyBuffer(0, 2);
  }
  bool ScreenRestored() {
    for (int i = 0; i < ScreenPixelCount(); ++i)
      if (ScreenBuffer(0)[i] != ScreenBuffer(2)[i]) return false;
    return true;
  }
  // Inside the standard box's left ("Cancel") and right ("Ok") hit areas.
  static constexpr int CancelX = 50, OkX = 194, ButtonY = 185;
};

std::string Tap(int at, int x, int y) {
  return "at " + std::to_string(at) + " down " + std::to_string(x) + " " + std::to_string(y) + "\nat " +
         std::to_string(at + 30) + " up " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

}  // namespace

TEST_F(MessageBox, StandardGeometry) {
  const MessageBoxGeometry g = MessageBoxPlaces(L"Cancel", L"Ok", MessageBoxLayout{});
  EXPECT_EQ(g.textLeft, 48);
  EXPECT_EQ(g.textTop, 128);
  EXPECT_EQ(g.textRight, 193);
  EXPECT_EQ(g.labelRow, 184);
  EXPECT_EQ(g.leftLabelX, 48);
  EXPECT_EQ(g.rightLabelX, 192 - TextWidth(GameFont, L"Ok"));
  // Hit areas are open intervals.
  const int cancelWidth = TextWidth(GameFont, L"Cancel");
  EXPECT_FALSE(g.InLeft(43, 185));
  EXPECT_TRUE(g.InLeft(44, 185));
  EXPECT_TRUE(g.InLeft(43 + cancelWidth + 4, 185));
  EXPECT_FALSE(g.InLeft(43 + cancelWidth + 5, 185));
  EXPECT_FALSE(g.InLeft(50, 172));
  EXPECT_TRUE(g.InLeft(50, 173));
  EXPECT_TRUE(g.InLeft(50, 196));
  EXPECT_FALSE(g.InLeft(50, 197));
  EXPECT_TRUE(g.InRight(196, 185));
  EXPECT_FALSE(g.InRight(197, 185));
  EXPECT_FALSE(g.InRight(192 - TextWidth(GameFont, L"Ok"), 185));
  EXPECT_TRUE(g.InRight(193 - TextWidth(GameFont, L"Ok"), 185));
}

TEST_F(MessageBox, OkReturnsFalseAndCancelReturnsTrue) {
  {
    HeadlessRun run(Tap(200, OkX, ButtonY));
    ASSERT_TRUE(run.ok);
    EXPECT_FALSE(StandardMessageBox(L"Do you really want to quit the game now ?", L"Cancel", L"Ok"));
    EXPECT_TRUE(ScreenRestored());
  }
  {
    HeadlessRun run(Tap(200, CancelX, ButtonY));
    ASSERT_TRUE(run.ok);
    EXPECT_TRUE(StandardMessageBox(L"Exit the game and see the calendar ?", L"Cancel", L"Ok"));
    EXPECT_TRUE(ScreenRestored());
  }
}

TEST_F(MessageBox, PressSlidOffAndReleasedElsewhereCancelsThePress) {
  HeadlessRun run("at 200 down 50 185\nat 220 move 120 150\nat 240 up 120 150\n" + Tap(400, OkX, ButtonY));
  ASSERT_TRUE(run.ok);
  EXPECT_FALSE(StandardMessageBox(L"Question", L"Cancel", L"Ok"));
  EXPECT_GE(platform::TickCount(), 430u);  // the box stayed until "Ok" was released
}

TEST_F(MessageBox, PressOnOneButtonReleasedOnTheOtherDoesNothing) {
  HeadlessRun run("at 200 down 50 185\nat 240 up 194 185\n" + Tap(400, CancelX, ButtonY));
  ASSERT_TRUE(run.ok);
  EXPECT_TRUE(StandardMessageBox(L"Question", L"Cancel", L"Ok"));
  EXPECT_GE(platform::TickCount(), 430u);
}

TEST_F(MessageBox, NoticeIgnoresTapsAtTheBottomLeft) {
  HeadlessRun run(Tap(200, CancelX, ButtonY) + Tap(400, OkX, ButtonY));
  ASSERT_TRUE(run.ok);
  EXPECT_FALSE(StandardMessageBox(L"Stats changed, you have won all tourneys once more.", L"", L"Ok"));
  EXPECT_GE(platform::TickCount(), 430u);
}

TEST_F(MessageBox, InputBeforeTheBoxOpensIsFlushed) {
  HeadlessRun run(Tap(400, OkX, ButtonY));
  ASSERT_TRUE(run.ok);
  platform::Message m;
  m.kind = platform::MessageKind::StylusDown;
  m.x = CancelX;
  m.y = ButtonY;
  platform::PostMessage(m);
  m.kind = platform::MessageKind::StylusUp;
  platform::PostMessage(m);
  EXPECT_FALSE(StandardMessageBox(L"Question", L"Cancel", L"Ok"));
}

TEST_F(MessageBox, BoxWithoutButtonsDrawsAndReturnsAtOnce) {
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  FillRect(0, 0, 240, 320, PackChannels({31, 63, 31}), 1);
  const std::uint32_t before = platform::TickCount();
  EXPECT_FALSE(StandardMessageBox(L"Please wait", L"", L""));
  EXPECT_EQ(platform::TickCount(), before);  // no present, no wait
  EXPECT_FALSE(ScreenRestored());            // the box stays in buffer 0
  // Its panel shows whatever buffer 1 held (white, darkened by 20).
  EXPECT_EQ(Pixel(0, 120, 190), PackChannels({11, 23, 11}));
  // Around the panel the screen is greyscale.
  const Channels outside = SplitPixel(Pixel(0, 5, 5));
  EXPECT_EQ(outside.g, 2 * outside.r);
  EXPECT_EQ(outside.r, outside.b);
}

TEST_F(MessageBox, BodyTextStartsInsideTheBox) {
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  FillRect(0, 0, 240, 320, 0, 0);
  FillRect(0, 0, 240, 320, 0, 1);
  StandardMessageBox(L"Stats changed, you have defeated all players once more.", L"", L"");
  int minX = 240, maxX = -1, minY = 320;
  for (int y = 123; y < 197; ++y)
    for (int x = 43; x < 197; ++x)
      if (SplitPixel(Pixel(0, x, y)).r > 20) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
      }
  EXPECT_GE(minX, 48);
  EXPECT_LE(maxX, 193);
  EXPECT_GE(minY, 128);
  EXPECT_LT(minY, 128 + 3);
}

namespace {

// Counts yellow pixels (the highlight tint) in a rectangle of a captured frame.
int YellowIn(const platform::DecodedBitmap& frame, int x0, int y0, int x1, int y1) {
  int count = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const std::uint8_t* p = frame.bits.data() + (frame.height - 1 - y) * frame.stride + x * 3;
      count += p[2] > 200 && p[1] > 200 && p[0] < 60;
    }
  return count;
}

}  // namespace

TEST_F(MessageBox, PressedLabelIsHighlightedUntilTheRelease) {
  const std::string stem = ::testing::TempDir() + "/gfx_box_" + std::to_string(::getpid());
  const std::string pressed = stem + "_pressed.png", slid = stem + "_slid.png";
  HeadlessRun run("at 200 down 194 185\ncapture 260 " + pressed +
                  "\nat 300 move 120 150\nat 320 up 120 150\ncapture 400 " + slid + "\n" + Tap(500, CancelX, ButtonY));
  ASSERT_TRUE(run.ok);
  EXPECT_TRUE(StandardMessageBox(L"Question", L"Cancel", L"Ok"));
  platform::DecodedBitmap frame;
  std::string why;
  ASSERT_EQ(platform::DecodePicture(pressed, frame, why), platform::DecodeStatus::Decoded) << why;
  EXPECT_GT(YellowIn(frame, 170, 184, 197, 196), 5);  // "Ok" in yellow
  EXPECT_EQ(YellowIn(frame, 44, 184, 100, 196), 0);   // "Cancel" not
  ASSERT_EQ(platform::DecodePicture(slid, frame, why), platform::DecodeStatus::Decoded) << why;
  EXPECT_EQ(YellowIn(frame, 40, 120, 200, 200), 0);  // released elsewhere: both labels plain again
  std::remove(pressed.c_str());
  std::remove(slid.c_str());
}

// The keys: Left and Right light a button, A chooses the lit one; in a box with two buttons a first A only
// lights the left one, and a box with one button takes A at once.
TEST_F(MessageBox, KeysLightAButtonAndTheActionKeyChoosesIt) {
  {
    HeadlessRun run("at 200 press Right\nat 300 press A\n");
    ASSERT_TRUE(run.ok);
    EXPECT_FALSE(StandardMessageBox(L"Do you really want to quit the game now ?", L"Cancel", L"Ok"));
    EXPECT_TRUE(ScreenRestored());
  }
  {
    HeadlessRun run("at 200 press Right\nat 300 press Left\nat 400 press A\n");
    ASSERT_TRUE(run.ok);
    EXPECT_TRUE(StandardMessageBox(L"Exit the game and see the calendar ?", L"Cancel", L"Ok"));
  }
  {
    HeadlessRun run("at 200 press A\nat 300 press A\n");
    ASSERT_TRUE(run.ok);
    EXPECT_TRUE(StandardMessageBox(L"Exit the game and go to your contact ?", L"Cancel", L"Ok"));
  }
  {
    HeadlessRun run("at 200 press A\n");
    ASSERT_TRUE(run.ok);
    EXPECT_FALSE(StandardMessageBox(L"Deck Cleared.", L"", L"Ok"));
  }
}
