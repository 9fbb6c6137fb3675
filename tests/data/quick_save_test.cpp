// quick_save_test.cpp -- the quick-save file with its club and match blocks, and the saved board form.
#include <gtest/gtest.h>

#include "data/card_database.h"
#include "data/game_state.h"
#include "data/quick_save.h"
#include "data/save_file.h"
#include "match/board_file.h"
#include "tests/data/data_test_support.h"

namespace {

class QuickSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FreshInstallDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(WriteSmallCardSet(10));
    CurrentPlayer = PlayerRecord{};
    CurrentPlayer.name = L"QUINN";
    CurrentPlayer.slot = 3;
    CurrentPlayer.credits = 321;
    ASSERT_TRUE(SaveCharacter());
    ClubStateBlock.write = [this](ByteWriter& out) {
      out.U8(0xC1);
      out.I16(clubRoom);
    };
    ClubStateBlock.read = [this](ByteReader& in) {
      bool ok = in.U8() == 0xC1;
      clubRoom = in.I16();
      return ok;
    };
    MatchSnapshotBlock.write = [this](ByteWriter& out) { WriteBoard(board, out); };
    MatchSnapshotBlock.read = [this](ByteReader& in) { return ReadBoard(board, in); };
  }
  void TearDown() override {
    ClubStateBlock = {};
    MatchSnapshotBlock = {};
    InClub = 1;
    CloseCardDatabase();
  }
  std::int16_t clubRoom = 6;
  Board board;
};

}  // namespace

TEST_F(QuickSaveTest, ClubStateIsKeptAndTheFileIsDeletedOnLoading) {
  InClub = 1;
  ASSERT_TRUE(QuickSave());
  std::vector<std::uint8_t> bytes = ReadGameFile(QuickSavePath);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{3, 0xC1, 6, 0, 1}));
  CurrentPlayer = PlayerRecord{};
  clubRoom = 0;
  InClub = 0;
  ASSERT_TRUE(QuickLoad());
  EXPECT_EQ(CurrentPlayer.name, L"QUINN");
  EXPECT_EQ(CurrentPlayer.credits, 321);
  EXPECT_EQ(clubRoom, 6);
  EXPECT_EQ(InClub, 1);
  EXPECT_FALSE(platform::FileExists(QuickSavePath));
  EXPECT_FALSE(QuickLoad());
}

TEST_F(QuickSaveTest, ADuelInProgressKeepsItsBoard) {
  PlaceCard(board, LoadCard(7), 1, 2, 0);
  FlipOwner(board, 1, 2);
  BlockCell(board, 5, 3);
  InClub = 0;
  ASSERT_TRUE(QuickSave());
  std::vector<std::uint8_t> bytes = ReadGameFile(QuickSavePath);
  ASSERT_EQ(bytes.size(), 1u + 3u + 1u + static_cast<std::size_t>(SavedBoardSize));
  const std::uint8_t* cell = bytes.data() + 5 + (1 * 4 + 2) * 5;  // cell (1, 2)
  EXPECT_EQ(cell[0], 0);                                          // not free
  EXPECT_EQ(cell[1], 1);                                          // owner
  EXPECT_EQ(cell[2], 0);                                          // first owner
  EXPECT_EQ(cell[3], 7);
  EXPECT_EQ(cell[4], 0);
  const std::uint8_t* empty = bytes.data() + 5;  // cell (0, 0)
  EXPECT_EQ(std::vector<std::uint8_t>(empty, empty + 5), (std::vector<std::uint8_t>{1, 2, 2, 0xFF, 0xFF}));

  board = Board{};
  InClub = 1;
  ASSERT_TRUE(QuickLoad());
  EXPECT_EQ(InClub, 0);
  EXPECT_EQ(board.At(1, 2).card.id, 7);
  EXPECT_EQ(board.At(1, 2).card.name.View(), "CARD 7");
  EXPECT_EQ(board.At(1, 2).owner, 1);
  EXPECT_EQ(board.At(5, 3).free, 0);
  EXPECT_EQ(board.At(5, 3).card.id, -1);
}

TEST_F(QuickSaveTest, TheBytesResumeAsTheFileDoesAndLeaveTheFileAlone) {
  PlaceCard(board, LoadCard(4), 3, 0, 1);
  InClub = 0;
  ASSERT_TRUE(QuickSave());
  const std::vector<std::uint8_t> bytes = QuickSaveBytes();
  EXPECT_EQ(bytes, ReadGameFile(QuickSavePath));
  // A file on disk is neither read nor removed by the bytes entry.
  ASSERT_TRUE(WriteGameFile(QuickSavePath, {2, 0xC1, 0, 0, 1}));
  board = Board{};
  CurrentPlayer = PlayerRecord{};
  InClub = 1;
  ASSERT_TRUE(QuickLoadBytes(bytes));
  EXPECT_EQ(CurrentPlayer.name, L"QUINN");
  EXPECT_EQ(InClub, 0);
  EXPECT_EQ(board.At(3, 0).card.id, 4);
  EXPECT_EQ(ReadGameFile(QuickSavePath), (std::vector<std::uint8_t>{2, 0xC1, 0, 0, 1}));
  // A damaged duel block leaves the player in the club, as from the file.
  InClub = 1;
  EXPECT_FALSE(QuickLoadBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1)));
  EXPECT_EQ(InClub, 1);
  EXPECT_FALSE(QuickLoadBytes({}));
}

TEST_F(QuickSaveTest, QuickGameCharacterWritesNothing) {
  CurrentPlayer.slot = 255;
  EXPECT_TRUE(QuickSave());
  EXPECT_FALSE(platform::FileExists(QuickSavePath));
}

TEST_F(QuickSaveTest, ADamagedQuickSaveStartsTheGameNormallyAndIsRemoved) {
  InClub = 0;
  ASSERT_TRUE(QuickSave());
  std::vector<std::uint8_t> bytes = ReadGameFile(QuickSavePath);
  InClub = 1;
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{4}, bytes.size() - 1}) {
    ASSERT_TRUE(WriteGameFile(
        QuickSavePath, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size))));
    EXPECT_FALSE(QuickLoad()) << size;
    EXPECT_FALSE(platform::FileExists(QuickSavePath));
    EXPECT_EQ(InClub, 1);
  }
  // A slot whose character file is gone.
  ASSERT_TRUE(WriteGameFile(QuickSavePath, {2, 0xC1, 0, 0, 1}));
  EXPECT_FALSE(QuickLoad());
}

TEST_F(QuickSaveTest, ADamagedBoardFormIsRefusedAndTheBoardKept) {
  PlaceCard(board, LoadCard(4), 0, 0, 1);
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  WriteBoard(board, out);
  ASSERT_EQ(bytes.size(), static_cast<std::size_t>(SavedBoardSize));
  Board copy;
  std::vector<std::uint8_t> bad = bytes;
  bad[5 * 3 + 1] = 7;  // an owner that is no side
  ByteReader badIn(bad);
  EXPECT_FALSE(ReadBoard(copy, badIn));
  EXPECT_EQ(copy.At(0, 0).card.id, -1);
  ByteReader shortIn(bytes.data(), bytes.size() - 1);
  EXPECT_FALSE(ReadBoard(copy, shortIn));
  ByteReader in(bytes);
  ASSERT_TRUE(ReadBoard(copy, in));
  EXPECT_EQ(copy.At(0, 0).card.id, 4);
  EXPECT_EQ(copy.At(0, 0).owner, 1);
}
