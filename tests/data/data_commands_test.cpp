// data_commands_test.cpp -- duskhaven-tool's cards, info, roster and save commands on a forged data set.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <sstream>

#include "data/card_database.h"
#include "data/roster.h"
#include "data/save_file.h"
#include "tests/data/data_test_support.h"

namespace {

struct RunResult {
  int code = -1;
  std::string out;
};

RunResult RunTool(const std::string& arguments) {
  RunResult result;
  std::string command = std::string("'") + DUSKHAVEN_TOOL_PATH + "' " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  int status = pclose(pipe);
  result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class DataCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = FreshInstallDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string error;
    ASSERT_TRUE(LoadAssetTables(error)) << error;
    ASSERT_TRUE(WriteCardSet(CardRows(), FamilyRows(), OpponentRows()));
  }
  void TearDown() override { CloseCardDatabase(); }
  std::string Data() const { return "--data '" + dir + "' "; }
  std::string dir;
};

}  // namespace

TEST_F(DataCommandsTest, CardsListsEveryCardAsTheDatabaseReadsIt) {
  RunResult r = RunTool("cards " + Data());
  ASSERT_EQ(r.code, 0);
  std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 344u);
  for (int id : {1, 86, 87, 200, 344}) {
    Card card = LoadCard(id);
    const CardRow& row = CardRows()[static_cast<std::size_t>(id - 1)];
    EXPECT_EQ(lines[static_cast<std::size_t>(id - 1)], std::to_string(id) + " " + std::to_string(row.level) + " " +
                                                           row.icons + " " + std::to_string(card.price) + " " +
                                                           std::string(card.name.View()));
  }
}

TEST_F(DataCommandsTest, InfoPrintsTheZoomTextAndRefusesOtherNumbers) {
  RunResult r = RunTool("info " + Data() + "--id 88");
  ASSERT_EQ(r.code, 0);
  const FamilyRow& family = FamilyRows()[1];
  EXPECT_EQ(r.out, family.title + "\nLevel 2\nNo 88\n\n  " + family.lines[0] + "\n  " + family.lines[1] + "\n");
  EXPECT_EQ(RunTool("info " + Data() + "--id 0").code, 2);
  EXPECT_EQ(RunTool("info " + Data() + "--id 345").code, 2);
  EXPECT_EQ(RunTool("info " + Data()).code, 2);
  platform::RemoveFile(CardInfoPath);
  EXPECT_EQ(RunTool("info " + Data() + "--id 88").code, 2);
}

TEST_F(DataCommandsTest, RosterPrintsTheOpponentsInFileOrder) {
  RunResult r = RunTool("roster " + Data());
  ASSERT_EQ(r.code, 0);
  std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 45u);
  for (int k : {0, 14, 29, 44}) {
    const OpponentRow& o = OpponentRows()[static_cast<std::size_t>(k)];
    int tier = o.index / 4;
    EXPECT_EQ(lines[static_cast<std::size_t>(k)], std::to_string(o.opponentClass) + " " + std::to_string(o.index) +
                                                      " " + std::to_string(o.opponentClass * 10 + tier) + " " +
                                                      std::to_string(o.profileNumber) + " " + o.name + "|" +
                                                      o.profileText1 + "|" + o.profileText2 + "|" + o.description);
  }
  platform::RemoveFile(RosterPath);
  EXPECT_EQ(RunTool("roster " + Data()).code, 2);
}

TEST_F(DataCommandsTest, SaveDecodesAValidFileWithItsStatistics) {
  PlayerRecord record;
  record.name = L"\u00C9VA";
  record.profileNumber = -1;
  record.profileText2 = L"Jazz";
  record.credits = 700;
  record.slot = 1;
  AddCopy(record, 12);
  AddCopy(record, 3);
  AddCopy(record, 3);
  record.deck.slots[1] = LoadCard(3);
  record.deck.count = 1;
  DuelStatistics stats;
  stats.opponents[1][4] = {2, 1, 3};
  stats.tourneysWon[2] = 1;
  stats.tourneysPlayed[2] = 2;
  stats.perfectsReceived = 1;
  ASSERT_TRUE(WriteGameFile("SAVE\\Player1.QXP", EncodeCharacterFile(record, stats)));
  RunResult r = RunTool("save " + Data() + "'" + dir + "/SAVE/Player1.QXP'");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(r.out,
            "valid yes\n"
            "name \xC3\x89VA\n"
            "profileNumber -1\n"
            "profileText1\n"
            "profileText2 Jazz\n"
            "credits 700\n"
            "kind 2\n"
            "slot 1\n"
            "cardTotal 3\n"
            "collection 3x2 12x1\n"
            "deck 1 -1 3 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1\n"
            "stats 1 4 2 1 3\n"
            "tourneys 0 0 0\n"
            "tourneys 1 0 0\n"
            "tourneys 2 1 2\n"
            "perfects 0 1\n");
}

TEST_F(DataCommandsTest, SaveShowsAnInvalidFileWithoutStatistics) {
  PlayerRecord record;
  record.slot = 2;
  std::vector<std::uint8_t> bytes = EncodeCharacterFile(record, DuelStatistics{});
  bytes[2 + 2 + 2 + 2 + 2 + 4 + 1 + 1 + 10] = 0xFF;  // card 11: -1 copies, not in the check
  ASSERT_TRUE(WriteGameFile("SAVE\\Player2.QXP", bytes));
  RunResult r = RunTool("save " + Data() + "'" + dir + "/SAVE/Player2.QXP'");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(r.out,
            "valid no\nname\nprofileNumber -1\nprofileText1\nprofileText2\ncredits 0\nkind 2\nslot 2\n"
            "cardTotal -1\ncollection\ndeck 0 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1\n");
  // A cut file still decodes as far as it goes.
  bytes.resize(40);
  ASSERT_TRUE(WriteGameFile("SAVE\\Player3.QXP", bytes));
  r = RunTool("save " + Data() + "'" + dir + "/SAVE/Player3.QXP'");
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(Lines(r.out).front(), "valid no");
}

TEST_F(DataCommandsTest, MissingFilesAndBadArgumentsExitWithCodeTwo) {
  EXPECT_EQ(RunTool("save " + Data() + "'" + dir + "/SAVE/none.QXP'").code, 2);
  EXPECT_EQ(RunTool("save " + Data()).code, 2);
  EXPECT_EQ(RunTool("save " + Data() + "a b").code, 2);
  EXPECT_EQ(RunTool("cards --data /nonexistent/duskhaven").code, 2);
  EXPECT_EQ(RunTool("cards " + Data() + "--fast").code, 2);
  EXPECT_EQ(RunTool("roster --data /nonexistent/duskhaven").code, 2);
  // A record file cut short: the card list names the damage instead of printing blanks.
  std::vector<std::uint8_t> records = ReadGameFile(CardRecordPath);
  records.resize(records.size() / 2);
  ASSERT_TRUE(WriteGameFile(CardRecordPath, records));
  RunResult r = RunTool("cards " + Data());
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.out, "");
}
