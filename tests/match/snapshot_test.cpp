// snapshot_test.cpp -- the duel's block of the quick-save file: its exact bytes, a round trip, and damaged blocks.
#include <gtest/gtest.h>

#include "core/random.h"
#include "match/match_snapshot.h"
#include "tests/match/match_harness.h"

namespace {

int U16At(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::int16_t I16At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(U16At(b, at)));
}
std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(U16At(b, at)) | (static_cast<std::uint32_t>(U16At(b, at + 2)) << 16);
}

class Snapshot : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpMatchTable();
    MakeCharacter(CurrentPlayer, L"TESTER");
    SeedRandom(17);
    StartClubDuel(3, 1);
    ASSERT_TRUE(PlayUntil(MatchState::TapMove, LocalStyle::Strong));
    Match& m = TheMatch;
    m.attacker = {1, 2};
    m.target = {2, 3};
    m.grab = {5, 6};
    m.dragPos = {100, -3};
    m.hasDrawn = 1;
    m.selectedSlot = 2;
    m.pauseUntil = 0x01020304;
    m.rewardCards[1] = 11;
    m.rewardCards[2] = -1;
    m.rewardCards[3] = 300;
    m.rewardCards[4] = 0;
    m.status.text1 = L"RED : 1";
    m.status.text2 = L"";
    m.status.text3 = L"ab";
    m.status.mode = 2;
    m.status.count = -4;
    m.status.direction = -1;
    m.move.phase = 1;
    m.flip.cell = {4, 0};
    m.flip.widthCounter = 18;
    m.flyWidth = 64;
    m.flyHeight = 100;
  }
};

TEST_F(Snapshot, TheBlockIsLaidOutByteForByte) {
  const Match& m = TheMatch;
  std::vector<std::uint8_t> b;
  SaveMatchSnapshot(b);
  const std::wstring name1 = m.players[1]->name;
  const std::size_t texts = (2 + 7) + 2 + (2 + 2) + (2 + 6) + (2 + name1.size());
  ASSERT_EQ(b.size(), SnapshotFixedBytes + texts);

  EXPECT_EQ(b[0], m.currentSide);
  EXPECT_EQ(b[1], m.chainSide);
  EXPECT_EQ(b[2], m.chainActive);
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y) {
      const std::size_t at = 3 + 5 * static_cast<std::size_t>(x * 4 + y);
      const Cell& c = m.board.At(x, y);
      EXPECT_EQ(b[at], c.free);
      EXPECT_EQ(b[at + 1], c.owner);
      EXPECT_EQ(b[at + 2], c.firstOwner);
      EXPECT_EQ(I16At(b, at + 3), c.card.id);
    }
  for (int s = 0; s < 2; ++s)
    for (int i = 0; i < HandSize; ++i) {
      const std::size_t at = 123 + 15 * static_cast<std::size_t>(s) + 3 * static_cast<std::size_t>(i);
      EXPECT_EQ(b[at], m.hands[s].slots[i].empty);
      EXPECT_EQ(I16At(b, at + 1), m.hands[s].slots[i].empty ? -1 : m.hands[s].Get(i).id);
    }
  for (int s = 0; s < 2; ++s) {
    const std::size_t at = 153 + 23 * static_cast<std::size_t>(s);
    EXPECT_EQ(b[at], m.piles[s].count);
    for (int i = 0; i < m.piles[s].count; ++i) EXPECT_EQ(I16At(b, at + 1 + 2 * i), m.piles[s].cards[i].id);
  }
  EXPECT_EQ(b[199], 1);    // hasDrawn
  EXPECT_EQ(b[200], 0);    // spare
  EXPECT_EQ(b[201], 255);  // selectedSlot is always written as none
  const std::uint8_t cells[6] = {1, 2, 2, 3, 5, 6};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(b[202 + i], cells[i]);
  EXPECT_EQ(I16At(b, 208), 100);
  EXPECT_EQ(I16At(b, 210), -3);
  EXPECT_EQ(b[212], static_cast<std::uint8_t>(MatchState::TapMove));
  // The status texts: a count, then each low byte XOR 0x6C.
  EXPECT_EQ(U16At(b, 215), 7);
  EXPECT_EQ(b[217], 'R' ^ 0x6C);
  EXPECT_EQ(U16At(b, 224), 0);
  EXPECT_EQ(U16At(b, 226), 2);
  EXPECT_EQ(b[228], 'a' ^ 0x6C);
  const std::size_t st = 230;       // the status line's 40 bytes
  EXPECT_EQ(U32At(b, st + 5), 2u);  // mode
  EXPECT_EQ(I16At(b, st + 9), -4);  // ticker count
  EXPECT_EQ(b[st + 11], 0xFF);      // direction -1
  EXPECT_EQ(b[st + 12], m.status.bounce);
  const std::size_t mv = st + 40;    // the card move's 20 bytes
  EXPECT_EQ(U32At(b, mv + 16), 1u);  // phase
  const std::size_t fl = mv + 20;    // the flip's 13
  EXPECT_EQ(b[fl], 4);
  EXPECT_EQ(b[fl + 1], 0);
  EXPECT_EQ(b[fl + 10], 18);       // width counter
  const std::size_t fy = fl + 13;  // flight: 12
  EXPECT_EQ(U16At(b, fy + 6), 64);
  EXPECT_EQ(U16At(b, fy + 8), 100);
  const std::size_t pz = fy + 12;
  EXPECT_EQ(U32At(b, pz), 0x01020304u);
  EXPECT_EQ(b[pz + 4], m.finalChallenge);
  EXPECT_EQ(b[pz + 5], m.quickGame);
  const std::size_t rw = pz + 9 + 2;  // after the five flags and animCard
  EXPECT_EQ(I16At(b, rw), 11);
  EXPECT_EQ(I16At(b, rw + 2), -1);
  EXPECT_EQ(I16At(b, rw + 4), 300);
  EXPECT_EQ(I16At(b, rw + 6), 0);
  const std::size_t names = rw + 8 + 2;
  EXPECT_EQ(U16At(b, names), 6);
  EXPECT_EQ(b[names + 2], 'T' ^ 0x6C);
  EXPECT_EQ(U16At(b, names + 8), name1.size());
}

TEST_F(Snapshot, ReadingGivesBackTheSameBlock) {
  std::vector<std::uint8_t> first;
  SaveMatchSnapshot(first);
  const MatchRecord kept = TheMatch;
  TheMatch.state = MatchState::Versus;
  ResetBoard(TheMatch.board, 6, GameRandom());
  ASSERT_TRUE(LoadMatchSnapshot(first));
  EXPECT_EQ(TheMatch.players[0], &CurrentPlayer);
  EXPECT_EQ(TheMatch.players[1], kept.players[1]) << "the roster opponent, found by name";
  EXPECT_EQ(TheMatch.selectedSlot, 255);
  EXPECT_EQ(TheMatch.rewardCount, 3) << "the highest entry still to hand over";
  EXPECT_EQ(TheMatch.hands[0].Get(0).name, kept.hands[0].Get(0).name) << "cards rebuilt from the database";
  std::vector<std::uint8_t> second;
  SaveMatchSnapshot(second);
  EXPECT_EQ(first, second);
}

TEST_F(Snapshot, ADamagedBlockChangesNothing) {
  std::vector<std::uint8_t> good;
  SaveMatchSnapshot(good);
  const Board board = TheMatch.board;
  const MatchState state = TheMatch.state;
  auto unchanged = [&] {
    EXPECT_EQ(TheMatch.state, state);
    for (int i = 0; i < BoardCells; ++i) EXPECT_EQ(TheMatch.board.cells[i].owner, board.cells[i].owner);
  };
  // Cut short anywhere.
  for (std::size_t n = 0; n < good.size(); n += 7) {
    std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_FALSE(LoadMatchSnapshot(cut)) << n << " bytes";
  }
  unchanged();
  auto damaged = [&](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> b = good;
    b[at] = value;
    return LoadMatchSnapshot(b);
  };
  EXPECT_FALSE(damaged(0, 7));     // a side that does not exist
  EXPECT_FALSE(damaged(3, 9));     // a cell flag
  EXPECT_FALSE(damaged(4, 5));     // a cell owner
  EXPECT_FALSE(damaged(153, 12));  // a pile of twelve
  EXPECT_FALSE(damaged(202, 6));   // an attacker off the board
  EXPECT_FALSE(damaged(212, 99));  // an unknown state
  std::vector<std::uint8_t> stranger = good;
  stranger[stranger.size() - 1] ^= 0x01;  // the opponent's name no longer names anyone
  EXPECT_FALSE(LoadMatchSnapshot(stranger));
  unchanged();
}

TEST_F(Snapshot, AResumedDragGoesBackToTheHand) {
  TheMatch.state = MatchState::DragCard;
  std::vector<std::uint8_t> b;
  SaveMatchSnapshot(b);
  ASSERT_TRUE(LoadMatchSnapshot(b));
  ResumeMatchScreen();
  EXPECT_EQ(TheMatch.state, MatchState::TapMove);
}

TEST(SnapshotResult, ADuelSavedWhileItsCardsAreHandedOverResumesWithItsResult) {
  SetUpMatchTable();
  for (std::uint32_t seed : {21u, 22u, 23u}) {
    MakeCharacter(CurrentPlayer, L"TESTER");
    SeedRandom(seed);
    StartClubDuel(2, 0);
    ASSERT_TRUE(PlayUntil(MatchState::MatchOver, LocalStyle::Strong));
    const std::uint8_t result = MatchResult;
    std::vector<std::uint8_t> b;
    SaveMatchSnapshot(b);
    MatchResult = static_cast<std::uint8_t>((result + 1) % 3);  // what a new start would hold
    ASSERT_TRUE(LoadMatchSnapshot(b));
    EXPECT_EQ(MatchResult, result) << seed;
  }
}

}  // namespace

namespace {

TEST(SnapshotFinal, TheFinalChallengeResumesWithTheBossAsRed) {
  SetUpMatchTable();
  MakeCharacter(CurrentPlayer, L"TESTER");
  SeedRandom(4711);
  StartFinalChallenge();
  ASSERT_TRUE(PlayUntil(MatchState::TapMove, LocalStyle::Strong));
  std::vector<std::uint8_t> b;
  SaveMatchSnapshot(b);
  OtherPlayer.name.clear();
  OtherPlayer.kind = KindLocal;
  ASSERT_TRUE(LoadMatchSnapshot(b));
  ResumeMatchScreen();  // super cards come back without pictures to look for
  EXPECT_EQ(TheMatch.players[0], &OtherPlayer);
  EXPECT_EQ(OtherPlayer.name, L"SAINT VIZUD");
  EXPECT_EQ(OtherPlayer.kind, KindComputer);
  EXPECT_EQ(TheMatch.players[1], &CurrentPlayer);
  EXPECT_TRUE(PlayToEnd(LocalStyle::Strong));
}

}  // namespace
