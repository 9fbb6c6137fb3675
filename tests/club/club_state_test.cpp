// club_state_test.cpp -- the club's quick-save block: its bytes, what a reader refuses, and resuming the same frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "club/club.h"
#include "club/club_state.h"
#include "data/save_bytes.h"
#include "gfx/screen_buffers.h"
#include "platform/game_state.h"
#include "tests/club/club_harness.h"

namespace {

class ClubState : public ::testing::Test {
 protected:
  void SetUp() override { SetUpClub(); }
  Club& c = GameClub;
};

bool ReadBytes(const std::vector<std::uint8_t>& bytes) {
  ByteReader in(bytes);
  return ReadClubState(in) && in.AtEnd();
}

TEST_F(ClubState, AFreshClubIsStoredFieldByFieldThenOneFlagPerScreen) {
  ResetClubState();
  const std::vector<std::uint8_t> bytes = ClubStateBytes();
  const std::vector<std::uint8_t> expected = {
      1, 0, 0,  0,  0, 0,     // ready, entering, opening, fadeCounter, enterRoom, typing
      0, 0, 0,  0,  0, 0,     // charIndex, textX, textY
      0, 0, 13, 13,           // textBuffer, typeCounter, nextScreen, currentScreen
      1, 0, 7,  0,  0,        // currentRoom, position, walkDirection
      0, 0, 0,  0,  0, 0, 0,  // titleOffset, titleSpeed, shown, typingDone, slideDone, slideCounter
      0, 0, 0,  0,  0,        // the return screens and the spare byte
      0, 0,                   // tutorialStep, tutorialActive
      0, 0, 0,  0,  0, 0, 0, 0, 0, 0};
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(static_cast<int>(bytes.size()), ClubRecordBytes + RoomCount);
}

TEST_F(ClubState, CountersComeBackAsTheBytesTheyWereStoredAs) {
  ClubRecord r;
  r.fadeCounter = -1;
  r.walkDirection = -1;
  r.titleSpeed = -10;
  r.charIndex = 300;
  r.textX = 231;
  r.spare = 0xA5;
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  WriteClubRecord(r, out);
  ASSERT_EQ(static_cast<int>(bytes.size()), ClubRecordBytes);
  EXPECT_EQ(bytes[3], 0xFF);
  ByteReader in(bytes);
  ClubRecord back;
  ASSERT_TRUE(ReadClubRecord(in, back));
  EXPECT_EQ(back, r);
}

// A standing club's block with one byte changed.
std::vector<std::uint8_t> WithByte(int index, std::uint8_t value) {
  ResetClubState();
  std::vector<std::uint8_t> bytes = ClubStateBytes();
  bytes[static_cast<std::size_t>(index)] = value;
  return bytes;
}

TEST_F(ClubState, DamagedRecordsAreRefusedAndNothingIsHalfRestored) {
  // Bytes: 15 currentScreen, 14 nextScreen, 16 currentRoom, 18 position, 20 walk, 12 textBuffer, 6 charIndex.
  const std::pair<int, std::uint8_t> damage[] = {{15, 9}, {15, 11}, {14, 15}, {15, 200}, {28, 11},  {16, 10},
                                                 {18, 0}, {18, 51}, {20, 2},  {12, 3},   {7, 0x80}, {35, 2}};
  for (const auto& [index, value] : damage) {
    SetUpClub();
    RunClubFrames(5);
    const ClubRecord before = TakeRecord(GameClub);
    const std::vector<std::uint8_t> damaged = WithByte(index, value);
    ApplyRecord(before, GameClub);
    EXPECT_FALSE(ReadBytes(damaged)) << index << " = " << int(value);
    CommitClubState();  // nothing is pending after a refusal
    EXPECT_EQ(TakeRecord(GameClub), before) << index;
  }
  // A current screen whose screen is not in the block.
  EXPECT_FALSE(ReadBytes(WithByte(15, ScreenShop)));
  // Cut short anywhere.
  std::vector<std::uint8_t> whole = WithByte(0, 1);
  for (std::size_t n = 0; n < whole.size(); ++n) {
    std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
    ByteReader in(cut);
    EXPECT_FALSE(ReadClubState(in)) << n;
  }
}

TEST_F(ClubState, TheCardManagerKeepsItsSavedReturnScreen) {
  OpenCardShop(ScreenCorridor);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenShop; }));
  OpenCardManager(ScreenShop);
  const std::vector<std::uint8_t> bytes = ClubStateBytes();
  SetUpClub();
  ASSERT_TRUE(ReadBytes(bytes));
  CommitClubState();
  EXPECT_EQ(OpenClubScreens(), "shop cardManager");
  EXPECT_EQ(c.currentScreen, ScreenCardManager);
  EXPECT_EQ(c.returnFromCardManager, ScreenShop);
  ClubStylusDown(203, 305);  // the manager's Leave
  ClubStylusUp(203, 305);
  EXPECT_EQ(c.currentScreen, ScreenShop);
}

TEST_F(ClubState, ALobbyOrTradeResumesInFrontOfTheMultiplayerRoom) {
  c.currentRoom = RoomMultiplayer;
  c.position = 1;
  BeginEnterRoom(true);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenLobby; }));
  OpenTradeScreen(ScreenLobby);
  OpenCardManager(ScreenTrade, false, true);
  const std::vector<std::uint8_t> bytes = ClubStateBytes();
  SetUpClub();
  ASSERT_TRUE(ReadBytes(bytes));
  CommitClubState();
  EXPECT_EQ(c.currentScreen, ScreenCorridor);
  EXPECT_EQ(c.currentRoom, RoomMultiplayer);
  EXPECT_EQ(c.position, 1);
  EXPECT_TRUE(c.ready);
  EXPECT_EQ(OpenClubScreens(), "none");
}

// Brings the club into a state, then checks that a club resumed from its
// block shows the same frame and runs on exactly as the uninterrupted one.
void ExpectSameResume(const std::function<void()>& reach, const char* what) {
  SetUpClub();
  reach();
  const std::vector<std::uint8_t> saved = ClubStateBytes();
  const std::vector<std::uint16_t> frame = ScreenPixels();
  std::vector<std::vector<std::uint16_t>> onward;
  std::vector<std::vector<std::uint8_t>> onwardState;
  for (int i = 0; i < 12; ++i) {
    ClubFrameOnce();
    onward.push_back(ScreenPixels());
    onwardState.push_back(ClubStateBytes());
  }

  ResetClubState();
  ClearAllBuffers();
  ASSERT_TRUE(ReadBytes(saved)) << what;
  CommitClubState();
  RestoreClubFrame();
  EXPECT_EQ(ClubStateBytes(), saved) << what;
  {
    const std::vector<std::uint16_t> now = ScreenPixels();
    int x0 = 240, y0 = 320, x1 = -1, y1 = -1;
    for (int i = 0; i < 240 * 320; ++i)
      if (now[static_cast<std::size_t>(i)] != frame[static_cast<std::size_t>(i)]) {
        x0 = std::min(x0, i % 240);
        x1 = std::max(x1, i % 240);
        y0 = std::min(y0, i / 240);
        y1 = std::max(y1, i / 240);
      }
    EXPECT_TRUE(x1 < 0) << what << ": the resumed frame differs in " << x0 << "," << y0 << " .. " << x1 << "," << y1;
  }
  for (int i = 0; i < 12; ++i) {
    ClubFrameOnce();
    EXPECT_EQ(ClubStateBytes(), onwardState[static_cast<std::size_t>(i)]) << what << ", pass " << i;
    EXPECT_TRUE(ScreenPixels() == onward[static_cast<std::size_t>(i)]) << what << ", pass " << i;
  }
}

TEST_F(ClubState, AResumedClubShowsTheSameFrameAndRunsOnTheSame) {
  ExpectSameResume([] { RunClubFrames(300); }, "standing");
  ExpectSameResume([] { RunClubFrames(37); }, "typing");
  ExpectSameResume(
      [] {
        RunClubFrames(30);
        ClubStylusDown(120, 300);  // the tap that completes the text
        RunClubFrames(2);
      },
      "completed by a tap");
  ExpectSameResume(
      [] {
        RunClubFrames(300);
        StartWalk(+1);
        RunClubFrames(1);
      },
      "walking");
  ExpectSameResume(
      [] {
        StartWalk(-1);
        RunClubUntil([] { return GameClub.walkDirection == 0; });
        RunClubFrames(3);
      },
      "walked on");
  ExpectSameResume(
      [] {
        RunClubFrames(20);
        BeginEnterRoom(true);
        RunClubFrames(4);
      },
      "darkening into a room");
  ExpectSameResume(
      [] {
        BeginEnterRoom(true);
        RunClubFrames(12);
      },
      "brightening into a room");
  ExpectSameResume(
      [] {
        BeginEnterRoom(true);
        RunClubFrames(30);
        ClubStylusDown(10, 10);
        ClubStylusUp(10, 10);
        RunClubFrames(11);
      },
      "brightening back into the corridor");
  ExpectSameResume(
      [] {
        BeginEnterRoom(true);
        RunClubFrames(30);
      },
      "in a room");
}

}  // namespace
