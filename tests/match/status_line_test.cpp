// status_line_test.cpp -- the status line's ticker and blinking modes.
#include <gtest/gtest.h>

#include "gfx/font.h"
#include "match/status_line.h"
#include "platform/clock.h"
#include "tests/match/match_harness.h"

namespace {

TEST(StatusTicker, TypesInFromTheRightThenBouncesBack) {
  SetUpMatchTable();
  StatusLine line;
  SetStatus(line, 2, L"RED : 3  BLUE : 4", L"", L"", 0, false, 0);
  const std::wstring text = line.text1;
  int x = 0;
  line.count = 5;
  EXPECT_EQ(TickerText(line, x), text.substr(0, 5));
  EXPECT_EQ(x, 233 - TextWidth(GameFont, text.substr(0, 5)));
  // Past the end the text is followed by spaces and slides left, losing its head once too wide.
  int steps = 0;
  line.count = static_cast<std::int16_t>(text.size());
  while (line.direction == 1 && steps < 2000) {
    ++line.count;
    const std::wstring shown = TickerText(line, x);
    EXPECT_LT(TextWidth(GameFont, shown), StatusWidth);
    ++steps;
  }
  EXPECT_EQ(line.direction, -1) << "the spaces grew past 193 pixels and it turned";
  EXPECT_EQ(line.count, 0);
  // Backwards: the tail of the text at the left edge.
  line.count = -3;
  const std::wstring tail = TickerText(line, x);
  EXPECT_EQ(tail, text.substr(3));
  EXPECT_EQ(x, StatusLeft);
}

TEST(StatusBlink, BlinksEveryThreeHundredMilliseconds) {
  SetUpMatchTable();
  StatusLine line;
  SetStatus(line, 0, L"one", L"two", L"", 0, true, 0);
  EXPECT_EQ(line.visible, 1);
  EXPECT_EQ(line.whichText, 1);
  const std::uint32_t start = platform::TickCount();
  line.blinkLast = start;
  platform::SleepMs(301);
  StatusTick(line);
  EXPECT_EQ(line.visible, 0);
  platform::SleepMs(301);
  StatusTick(line);
  EXPECT_EQ(line.visible, 1);
  EXPECT_EQ(line.whichText, 0) << "shown again, with the second text";
  platform::SleepMs(100);
  StatusTick(line);
  EXPECT_EQ(line.visible, 1) << "not before 300 ms";
}

TEST(StatusBlink, AfterItsRepeatsTheThirdTextScrolls) {
  SetUpMatchTable();
  StatusLine line;
  SetStatus(line, 0, L"one", L"", L"three", 2, true, 1);
  for (int i = 0; i < 3; ++i) {
    platform::SleepMs(301);
    StatusTick(line);
  }
  EXPECT_EQ(line.mode, 2);
  EXPECT_EQ(line.text1, L"three");
}

}  // namespace
