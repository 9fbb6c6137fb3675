// look_test.cpp -- draws a sample screen (text, tinted text, panel, message box, button) and, when
// DUSKHAVEN_LOOK_DIR is set, saves it there as a PNG to look at.
#include <gtest/gtest.h>

#include <cstdlib>

#include "gfx/colour_rects.h"
#include "gfx/font.h"
#include "gfx/message_box.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "gfx/screen_button.h"
#include "platform/backend.h"
#include "tests/gfx/gfx_test_support.h"

TEST(Look, SampleScreenDrawsEveryKindOfText) {
  HeadlessRun run;
  ASSERT_TRUE(run.ok);
  UseScreen(Rgb565);
  ASSERT_TRUE(UseForgedFont());
  // A night-club gradient to draw on.
  for (int y = 0; y < 320; ++y) FillRect(0, y, 240, 1, PackRgb(40 + y / 8, 10, 60 + y / 3), 0);
  DrawText(L"HINT : The blue color is the strongest.", 5, 3, GameFont, 0);
  for (int t = 0; t < TintCount; ++t)
    DrawTextTinted(L"Tint " + std::to_wstring(t), 5 + (t % 3) * 78, 20 + (t / 3) * 12, GameFont, t, 0);
  DrawWrapped(
      L"Those Dots/Powericons are the most important thing to understand in the game. "
      L"\u00e7\u00e2\u00e0\u00e9\u00ea\u00e8\u00f4\u00f9\u00fb (@) \"Ok\" - l'?;,.:!",
      5, 70, 235, 0);
  ScreenButton button;
  InitButton(button, 150, 270, SolidImage(70, 30, PackRgb(255, 200, 60)), SolidImage(70, 30, PackRgb(90, 40, 140)),
             false);
  DrawButton(button, 0);
  PressButton(button, 160, 280);
  DrawText(L"Quick", 165, 280, GameFont, 0);
  CopyBuffer(0, 1);
  StandardMessageBox(L"Do you really want to quit the game now ?", L"", L"");
  DrawText(L"Cancel", 48, 184, GameFont, 0);
  DrawTextTinted(L"Ok", 192 - TextWidth(GameFont, L"Ok"), 184, GameFont, 3, 0);
  FreeButton(button);
  if (const char* dir = std::getenv("DUSKHAVEN_LOOK_DIR")) {
    EXPECT_TRUE(SaveScreenPng(std::string(dir) + "/gfx_sample.png"));
  }
  // The yellow "Ok" stands on the panel.
  int yellow = 0;
  for (int y = 184; y < 195; ++y)
    for (int x = 170; x < 195; ++x) {
      const Channels c = SplitPixel(Pixel(0, x, y));
      yellow += c.r > 25 && c.g > 50 && c.b < 8;
    }
  EXPECT_GT(yellow, 5);
}
