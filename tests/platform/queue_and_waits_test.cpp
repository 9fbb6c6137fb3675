// queue_and_waits_test.cpp -- the message queue, its timers, the modal waits and the virtual clock.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "platform/waits.h"
#include "tests/platform/test_helpers.h"

namespace {

using platform::Message;
using platform::MessageKind;

Message Make(MessageKind kind, std::int16_t x = 0, std::int16_t y = 0) {
  Message m;
  m.kind = kind;
  m.x = x;
  m.y = y;
  return m;
}

int soundTicks = 0;
void CountTick() { ++soundTicks; }
int timerRuns = 0;
void CountTimer() { ++timerRuns; }

TEST(Queue, StylusOnlyRemovalLeavesOtherMessagesInOrder) {
  testing_platform::StartHeadless("");
  platform::PostMessage(Make(MessageKind::KeyDown));
  platform::PostMessage(Make(MessageKind::StylusDown, 5, 6));
  platform::PostUserMessage(1);
  platform::PostMessage(Make(MessageKind::StylusUp, 7, 8));
  Message m;
  ASSERT_TRUE(platform::RemoveNextStylusMessage(m));
  EXPECT_EQ(m.kind, MessageKind::StylusDown);
  EXPECT_EQ(m.x, 5);
  ASSERT_TRUE(platform::RemoveNextStylusMessage(m));
  EXPECT_EQ(m.kind, MessageKind::StylusUp);
  EXPECT_FALSE(platform::RemoveNextStylusMessage(m));
  ASSERT_TRUE(platform::RemoveNextMessage(m));
  EXPECT_EQ(m.kind, MessageKind::KeyDown);
  ASSERT_TRUE(platform::RemoveNextMessage(m));
  EXPECT_EQ(m.kind, MessageKind::User);
  EXPECT_EQ(m.param, 1u);
  EXPECT_FALSE(platform::RemoveNextMessage(m));
}

TEST(Queue, TimerKeepsAtMostOneMessagePendingAndRunsItsCallback) {
  testing_platform::StartHeadless("");
  timerRuns = 0;
  const int id = platform::StartTimer(100, CountTimer);
  platform::SleepMs(1000);  // ten intervals pass without anyone reading the queue
  Message m;
  ASSERT_TRUE(platform::RemoveNextMessage(m));
  EXPECT_EQ(m.kind, MessageKind::Timer);
  platform::RunTimer(m);
  EXPECT_EQ(timerRuns, 1);
  EXPECT_FALSE(platform::RemoveNextMessage(m));
  platform::SleepMs(100);
  ASSERT_TRUE(platform::RemoveNextMessage(m));
  platform::StopTimer(id);
  platform::SleepMs(500);
  EXPECT_FALSE(platform::RemoveNextMessage(m));
}

// A still window sleeps until the next timer is due: never past it, and not
// for a timer whose message already waits in the queue.
TEST(Queue, NextTimerDueIsTheEarliestTimerNotYetQueued) {
  testing_platform::StartHeadless("");
  std::uint32_t ms = 12345;
  EXPECT_FALSE(platform::NextTimerDue(ms));
  const int slow = platform::StartTimer(100, CountTimer);
  platform::SleepMs(30);
  ASSERT_TRUE(platform::NextTimerDue(ms));
  EXPECT_EQ(ms, 70u);
  const int fast = platform::StartTimer(40, CountTimer);
  ASSERT_TRUE(platform::NextTimerDue(ms));
  EXPECT_EQ(ms, 40u);
  platform::StopTimer(fast);
  platform::SleepMs(90);  // 20 ms overdue, and nobody has looked at the queue
  ASSERT_TRUE(platform::NextTimerDue(ms));
  EXPECT_EQ(ms, 0u);
  platform::PumpMessages();  // now its message waits in the queue
  EXPECT_FALSE(platform::NextTimerDue(ms));
  Message m;
  ASSERT_TRUE(platform::RemoveNextMessage(m));
  ASSERT_TRUE(platform::NextTimerDue(ms));
  EXPECT_EQ(ms, 100u);
  platform::StopTimer(slow);
  EXPECT_FALSE(platform::NextTimerDue(ms));
}

// While sound is off nothing needs feeding, whatever the sound layer says.
TEST(Waits, TheSoundFeedIntervalIsZeroWithoutAHookOrWhileSoundIsOff) {
  SetSoundFeedHook(nullptr);
  EXPECT_EQ(SoundFeedIntervalIfOn(), 0u);
  SetSoundFeedHook([]() -> std::uint32_t { return 50; });
  const bool wasOff = SoundOff;
  SoundOff = false;
  EXPECT_EQ(SoundFeedIntervalIfOn(), 50u);
  SoundOff = true;
  EXPECT_EQ(SoundFeedIntervalIfOn(), 0u);
  SoundOff = wasOff;
  SetSoundFeedHook(nullptr);
}

TEST(Clock, SleepAdvancesVirtualTimeAndPresentsKeepSixtyFrames) {
  testing_platform::StartHeadless("");
  const std::uint32_t start = platform::TickCount();
  platform::SleepMs(250);
  EXPECT_EQ(platform::TickCount() - start, 250u);
  platform::SetScreenSize(240, 320);
  platform::SetPixelSteps(2, 480);
  std::vector<std::uint16_t> frame(240 * 320);
  const std::uint32_t before = platform::TickCount();
  for (int i = 0; i < 60; ++i) platform::PresentFrame(frame.data());
  EXPECT_NEAR(static_cast<double>(platform::TickCount() - before), 1000.0, 17.0);
}

TEST(Clock, SpinningOnTheTickCountCannotHang) {
  testing_platform::StartHeadless("");
  // A loop that only reads the clock still sees it move: 5 ms pass within a few thousand reads.
  const std::uint32_t start = platform::TickCount();
  int reads = 0;
  while (platform::TickCount() - start < 5 && reads < 1000000) ++reads;
  EXPECT_EQ(platform::TickCount() - start, 5u);
  EXPECT_LT(reads, 10000);
}

TEST(Waits, WaitOrTapReturnsAtTheStylusDownNotTheUp) {
  testing_platform::StartHeadless("at 700 down 10 20\nat 900 up 10 20\n");
  const std::uint32_t start = platform::TickCount();
  EXPECT_TRUE(WaitOrTap(2000));
  const std::uint32_t waited = platform::TickCount() - start;
  EXPECT_GE(waited, 700u);
  EXPECT_LT(waited, 900u);
}

TEST(Waits, WaitOrTapTimesOutAndIgnoresReleasesAndKeys) {
  testing_platform::StartHeadless("at 100 up 1 1\nat 200 press A\n");
  const std::uint32_t start = platform::TickCount();
  EXPECT_FALSE(WaitOrTap(2000));
  EXPECT_GE(platform::TickCount() - start, 2000u);
  EXPECT_LT(platform::TickCount() - start, 2020u);
  Message m;
  ASSERT_TRUE(platform::RemoveNextMessage(m));  // the key stayed queued
  EXPECT_EQ(m.kind, MessageKind::KeyDown);
}

TEST(Waits, WaitOrTapIsCappedAt32767) {
  testing_platform::StartHeadless("");
  const std::uint32_t start = platform::TickCount();
  EXPECT_FALSE(WaitOrTap(60000));
  EXPECT_EQ(platform::TickCount() - start, 32767u);
}

TEST(Waits, TapAndReleaseGiveTheirPositions) {
  testing_platform::StartHeadless("at 50 move 1 1\nat 100 down 120 200\nat 150 move 121 201\nat 300 up 130 210\n");
  std::int16_t x = 0, y = 0;
  WaitForTap(x, y);
  EXPECT_EQ(x, 120);
  EXPECT_EQ(y, 200);
  WaitForRelease(x, y);
  EXPECT_EQ(x, 130);
  EXPECT_EQ(y, 210);
  EXPECT_GE(platform::TickCount(), 300u);
}

TEST(Waits, FlushInputDropsKeysAndStylusButNotOtherMessages) {
  testing_platform::StartHeadless("");
  platform::PostMessage(Make(MessageKind::KeyDown));
  platform::PostMessage(Make(MessageKind::StylusDown));
  platform::PostUserMessage(1);
  platform::PostMessage(Make(MessageKind::KeyUp));
  FlushInput();
  Message m;
  ASSERT_TRUE(platform::RemoveNextMessage(m));
  EXPECT_EQ(m.kind, MessageKind::User);
  EXPECT_FALSE(platform::RemoveNextMessage(m));
}

TEST(Waits, SoundTicksOnlyWhileSoundIsOn) {
  testing_platform::StartHeadless("");
  SetSoundTickHook(CountTick);
  soundTicks = 0;
  SoundOff = true;
  WaitOrTap(200);
  EXPECT_EQ(soundTicks, 0);
  SoundOff = false;
  WaitOrTap(200);
  EXPECT_GT(soundTicks, 5);
  SetSoundTickHook(nullptr);
}

TEST(Waits, WaitSinceSleepsUntilTheTimeHasPassed) {
  testing_platform::StartHeadless("");
  const std::uint32_t start = platform::TickCount();
  WaitSince(start, 20);
  EXPECT_EQ(platform::TickCount() - start, 20u);
}

void TwoTapsWithAScriptOfOne() {
  testing_platform::StartHeadless("at 10 tap 5 5\n");
  std::int16_t x = 0, y = 0;
  WaitForTap(x, y);
  WaitForTap(x, y);
}

TEST(WaitsDeathTest, EndlessWaitBeyondTheScriptStopsNamingIt) {
  EXPECT_EXIT(TwoTapsWithAScriptOfOne(), ::testing::ExitedWithCode(platform::ScriptEndedExitCode),
              "the script has ended at 40 ms while the game waits for a tap \\(WaitForTap\\)");
}

}  // namespace
