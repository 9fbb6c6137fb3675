// character_command_test.cpp -- duskhaven-tool character: the save files it writes, as the game reads them back.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "tests/data/data_test_support.h"

namespace {

int RunTool(const std::string& arguments) {
  const std::string command = std::string("'") + DUSKHAVEN_TOOL_PATH + "' " + arguments + " >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class CharacterCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = FreshInstallDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string error;
    ASSERT_TRUE(LoadAssetTables(error)) << error;
    ASSERT_TRUE(WriteCardSet(CardRows(), FamilyRows(), OpponentRows()));
  }
  void TearDown() override { CloseCardDatabase(); }
  std::string Args(const std::string& rest) const { return "character --data '" + dir + "' " + rest; }
  std::string dir;
};

TEST_F(CharacterCommand, TheGateCharacterMeetsEveryConditionAndLoadsInItsSlot) {
  const std::string file = dir + "/SAVE/Player2.QXP";
  ASSERT_EQ(RunTool(Args("--gate --name 'DUSK 2' --slot 2 --out '" + file + "'")), 0);
  ASSERT_TRUE(OpenCardDatabase());
  ASSERT_TRUE(LoadCharacterBytes(2, ReadBytes(file)));
  EXPECT_EQ(CurrentPlayer.name, L"DUSK 2");
  EXPECT_EQ(CurrentPlayer.credits, 50000);
  EXPECT_EQ(DistinctCards(CurrentPlayer), CardCount());
  EXPECT_EQ(CurrentPlayer.deck.count, DeckSize);
  // The strongest cards, the last ones of the set.
  EXPECT_EQ(CurrentPlayer.deck.slots[0].id, CardCount());
  for (const auto& opponents : DuelStats.opponents)
    for (const OpponentResults& r : opponents) EXPECT_EQ(r.victories, 1);
  for (int c = 0; c < OpponentClasses; ++c) EXPECT_EQ(DuelStats.tourneysWon[c], 1);

  ASSERT_EQ(RunTool(Args("--gate --deck weak --credits 70000 --copies 3 --out '" + file + "'")), 0);
  ASSERT_TRUE(LoadCharacterBytes(1, ReadBytes(file)));
  EXPECT_EQ(CurrentPlayer.credits, 70000);
  EXPECT_EQ(CurrentPlayer.deck.slots[0].id, 1);
  EXPECT_EQ(CurrentPlayer.cardTotal, 3 * CardCount());
  // Without --gate: a new character, as the character screen makes one.
  ASSERT_EQ(RunTool(Args("--out '" + file + "'")), 0);
  ASSERT_TRUE(LoadCharacterBytes(1, ReadBytes(file)));
  EXPECT_EQ(CurrentPlayer.credits, NewCharacterCredits);
  EXPECT_EQ(CurrentPlayer.cardTotal, 0);
}

TEST_F(CharacterCommand, BadArgumentsExitWithCodeTwoAndWriteNothing) {
  const std::string file = dir + "/SAVE/never.QXP";
  for (const char* bad :
       {"--slot 4", "--name tess", "--name ''", "--credits -1", "--deck medium", "--copies 0", "--colour red"})
    EXPECT_EQ(RunTool(Args(std::string(bad) + " --out '" + file + "'")), 2) << bad;
  EXPECT_EQ(RunTool(Args("--gate")), 2);  // no --out
  EXPECT_EQ(RunTool("character --data '" + dir + "/none' --out '" + file + "'"), 2);
  EXPECT_FALSE(std::ifstream(file).good());
}

}  // namespace
