// key_sequences_test.cpp -- the hidden sequences' timing rule, the key flags the window procedure keeps, out of memory.
#include <gtest/gtest.h>

#include <new>

#include "app/key_sequences.h"
#include "app/shell.h"
#include "club/club.h"
#include "platform/display.h"
#include "platform/game_state.h"

namespace {

// Feeds the whole sequence `s` with `gap` ms between presses; true when it completed.
bool Type(KeySequence& s, std::uint32_t start, std::uint32_t gap) {
  bool done = false;
  for (int i = 0; i < s.count; ++i) done = FeedKeySequence(s, s.codes[i], start + gap * static_cast<std::uint32_t>(i));
  return done;
}

TEST(KeySequences, SixSequencesOfSevenAndFourCodes) {
  BuildKeySequences();
  EXPECT_EQ(KeySequences[0].count, 7);
  for (int i = 1; i < KeySequenceCount; ++i) EXPECT_EQ(KeySequences[i].count, 4);
  for (const KeySequence& s : KeySequences)
    for (int i = 0; i < s.count; ++i) EXPECT_LE(s.codes[i], 3);
}

TEST(KeySequences, CompletesWhenEveryPressComesWithinASecond) {
  BuildKeySequences();
  for (KeySequence& s : KeySequences) {
    EXPECT_TRUE(Type(s, 5000, 999));
    EXPECT_EQ(s.position, 0);
    EXPECT_TRUE(Type(s, 20000, 0));  // and again straight after
  }
}

TEST(KeySequences, APauseOfASecondOrMoreDoesNotComplete) {
  BuildKeySequences();
  KeySequence& s = KeySequences[1];
  EXPECT_FALSE(Type(s, 1000, 1000));
}

TEST(KeySequences, FirstCodeAfterAWrongOneRestartsAtPositionOne) {
  KeySequence s;
  for (int c : {0, 1, 2, 3}) AppendCode(s, static_cast<std::uint8_t>(c));
  EXPECT_FALSE(FeedKeySequence(s, 0, 100));
  EXPECT_FALSE(FeedKeySequence(s, 1, 200));
  EXPECT_EQ(s.position, 2);
  EXPECT_FALSE(FeedKeySequence(s, 0, 300));  // wrong, but the first code
  EXPECT_EQ(s.position, 1);
  EXPECT_FALSE(FeedKeySequence(s, 3, 400));  // wrong and not the first code
  EXPECT_EQ(s.position, 0);
  EXPECT_FALSE(FeedKeySequence(s, 0, 500));
  EXPECT_FALSE(FeedKeySequence(s, 1, 600));
  EXPECT_FALSE(FeedKeySequence(s, 2, 700));
  EXPECT_TRUE(FeedKeySequence(s, 3, 800));
}

TEST(KeySequences, LatePressOfTheRightCodeStartsOver) {
  KeySequence s;
  for (int c : {0, 0, 1}) AppendCode(s, static_cast<std::uint8_t>(c));
  EXPECT_FALSE(FeedKeySequence(s, 0, 0));
  EXPECT_FALSE(FeedKeySequence(s, 0, 1500));  // too late: counts as a new first press
  EXPECT_EQ(s.position, 1);
  EXPECT_FALSE(FeedKeySequence(s, 0, 1600));
  EXPECT_TRUE(FeedKeySequence(s, 1, 1700));
}

TEST(KeySequences, ANinthCodeIsIgnored) {
  KeySequence s;
  for (int i = 0; i < 9; ++i) AppendCode(s, 1);
  EXPECT_EQ(s.count, 8);
}

platform::Message Key(platform::MessageKind kind, std::int32_t code) {
  platform::Message m;
  m.kind = kind;
  m.key = code;
  return m;
}

TEST(WindowProcedure, KeysSetAndClearTheirFlagsByTheKeyList) {
  GameKeys = platform::GetDefaultKeys();
  BuildKeySequences();
  for (bool& f : KeyFlags) f = false;
  WindowProcedure(Key(platform::MessageKind::KeyDown, platform::VkAppA));
  WindowProcedure(Key(platform::MessageKind::KeyDown, platform::VkStart | 0x7FFF0000));  // only the low 16 bits count
  WindowProcedure(Key(platform::MessageKind::KeyDown, platform::VkLeft));
  WindowProcedure(Key(platform::MessageKind::KeyDown, 0x41));  // not a game key
  EXPECT_TRUE(KeyFlags[KeyA]);
  EXPECT_TRUE(KeyFlags[KeyStart]);
  EXPECT_TRUE(KeyFlags[KeyLeft]);
  EXPECT_FALSE(KeyFlags[KeyB]);
  EXPECT_FALSE(KeyFlags[KeyUp]);
  WindowProcedure(Key(platform::MessageKind::KeyUp, platform::VkAppA));
  EXPECT_FALSE(KeyFlags[KeyA]);
  EXPECT_TRUE(KeyFlags[KeyStart]);
  for (bool& f : KeyFlags) f = false;
}

TEST(Cheats, NothingHappensOutsideTheCorridor) {
  GameKeys = platform::GetDefaultKeys();
  BuildKeySequences();
  CheatMode = false;
  GameClub.currentScreen = ScreenCharacter;
  // Typing sequence 0 completes it, but without the club's corridor on screen nothing changes.
  const std::int16_t codes[4] = {platform::VkUp, platform::VkDown, platform::VkLeft, platform::VkRight};
  for (int i = 0; i < KeySequences[0].count; ++i)
    WindowProcedure(Key(platform::MessageKind::KeyDown, codes[KeySequences[0].codes[i]]));
  EXPECT_FALSE(CheatMode);
  RunCheat(0);
  EXPECT_FALSE(CheatMode);
  for (bool& f : KeyFlags) f = false;
  GameClub.currentScreen = ScreenCorridor;
}

}  // namespace

namespace {

void AllocateTooMuch() {
  std::set_new_handler(OnOutOfMemory);
  std::size_t huge = static_cast<std::size_t>(1) << 62;
  volatile char* p = new char[huge];
  p[0] = 1;
}

TEST(OutOfMemoryDeathTest, FailedAllocationEndsWithTheMemoryErrorAndCodeOne) {
  EXPECT_EXIT(AllocateTooMuch(), ::testing::ExitedWithCode(1), "Duskhaven: Error : Memory Error\\.");
}

}  // namespace
