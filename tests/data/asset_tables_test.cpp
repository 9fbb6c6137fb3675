// asset_tables_test.cpp -- the forge's tables: the embedded set, the font's characters and the checks.
#include <gtest/gtest.h>

#include "tools/forge/asset_tables.h"
#include "tools/forge/card_data_files.h"

namespace {

const char* const CardHeader = "id\tlevel\ticons\tvalue\tname\n";

bool CardTableFails(const std::string& rows, const std::string& expectedFault) {
  std::vector<CardRow> parsed;
  std::string error;
  bool ok = ParseCardTable(CardHeader + rows, "cards.tsv", parsed, error);
  EXPECT_NE(error.find(expectedFault), std::string::npos) << error;
  return !ok;
}

}  // namespace

TEST(AssetTablesTest, TheEmbeddedTablesMakeAWholeCheckedSet) {
  std::string error;
  ASSERT_TRUE(LoadAssetTables(error)) << error;
  EXPECT_EQ(CardRows().size(), 344u);
  EXPECT_EQ(FamilyRows().size(), 86u);
  EXPECT_EQ(OpponentRows().size(), 45u);
  EXPECT_EQ(CardRows().back().id, 344);
  EXPECT_EQ(CardRows().back().level, 4);
  CardDataFiles files;
  ASSERT_TRUE(BuildCardDataFiles(CardRows(), FamilyRows(), OpponentRows(), files, error)) << error;
  EXPECT_EQ(files.index.size(), 4u * (344 + 2));
}

TEST(AssetTablesTest, TextsBecomeOneByteACharacterOfTheFont) {
  std::string bytes, error;
  ASSERT_TRUE(FontText("Caf\xC3\xA9 (\"ok\"); l\xC3\xA0-bas? @1:2, d'\xC3\xA7\xC3\xBB!", bytes, error));
  EXPECT_EQ(bytes, "Caf\xE9 (\"ok\"); l\xE0-bas? @1:2, d'\xE7\xFB!");
  EXPECT_FALSE(FontText("#5", bytes, error));
  EXPECT_NE(error.find("'#'"), std::string::npos);
  EXPECT_FALSE(FontText("\xC3\x9F", bytes, error));      // ß: not in the font
  EXPECT_FALSE(FontText("\xE2\x82\xAC", bytes, error));  // €
  EXPECT_FALSE(FontText("\xC3", bytes, error));          // a cut sequence
  EXPECT_FALSE(FontText("tab\there", bytes, error));
  EXPECT_FALSE(FontText("50%", bytes, error));
}

TEST(AssetTablesTest, BrokenCardRowsAreNamedWithTheirLine) {
  EXPECT_TRUE(CardTableFails("1\t1\t0202020\t10\tA\n", "line 2: icons"));
  EXPECT_TRUE(CardTableFails("1\t1\t02020206\t10\tA\n", "icons"));
  EXPECT_TRUE(CardTableFails("1\t1\t02020200\t10\tA\n2\t5\t02020200\t10\tB\n", "line 3: level"));
  EXPECT_TRUE(CardTableFails("1\t1\t02020200\tten\tA\n", "value"));
  EXPECT_TRUE(CardTableFails("1\t1\t02020200\t10\tTWO  SPACES\n", "single spaces"));
  EXPECT_TRUE(CardTableFails("1\t1\t02020200\t10\tDASH-ED\n", "only letters"));
  EXPECT_TRUE(CardTableFails("1\t1\t02020200\t10\n", "4 columns"));
  EXPECT_TRUE(CardTableFails("1\t1\t02020200\t10\tA\n\n", "empty line"));
  std::vector<CardRow> rows;
  std::string error;
  EXPECT_FALSE(ParseCardTable("id\tlevel\ticons\tname\n", "cards.tsv", rows, error));
  EXPECT_NE(error.find("header"), std::string::npos);
  EXPECT_TRUE(ParseCardTable(std::string(CardHeader) + "1\t1\t02020200\t10\tNEON MOTH\r\n", "cards.tsv", rows, error));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, "NEON MOTH");
}

TEST(AssetTablesTest, TheSetChecksCountsOrderLevelsAndNames) {
  std::vector<CardRow> cards;
  // "C1", "O7": appended, not "C" + std::to_string (GCC 12's -O3 -Wrestrict misreads that insert).
  auto named = [](char letter, int n) {
    std::string name(1, letter);
    name += std::to_string(n);
    return name;
  };
  for (int id = 1; id <= 8; ++id) cards.push_back({id, (id - 1) / 2 + 1, "10000000", 10, named('C', id)});
  std::vector<FamilyRow> families = {{0, "F", {"a", "b", "c", "d"}}, {1, "G", {"a", "b", "c", "d"}}};
  std::vector<OpponentRow> opponents;
  for (int k = 0; k < 45; ++k) opponents.push_back({k / 15, k % 15, named('O', k), 1, "", "", ""});
  std::string error;
  EXPECT_TRUE(CheckAssetSet(cards, families, opponents, error)) << error;

  auto fails = [&](std::vector<CardRow> c, std::vector<FamilyRow> f, std::vector<OpponentRow> o,
                   const std::string& fault) {
    std::string e;
    EXPECT_FALSE(CheckAssetSet(c, f, o, e));
    EXPECT_NE(e.find(fault), std::string::npos) << e;
  };
  auto c = cards;
  c[3].level = 3;
  fails(c, families, opponents, "card 4 has level 3");
  c = cards;
  c[5].name = "c2";  // names are compared as the game shows them, in upper case
  fails(c, families, opponents, "repeats the name");
  c = cards;
  std::swap(c[0], c[1]);
  fails(c, families, opponents, "ids in order");
  c = cards;
  c.pop_back();
  fails(c, families, opponents, "multiple of 4");
  auto f = families;
  f.pop_back();
  fails(cards, f, opponents, "1 families");
  auto o = opponents;
  std::swap(o[14], o[15]);
  fails(cards, families, o, "row 15");
  o = opponents;
  o.pop_back();
  fails(cards, families, o, "44 opponents");
}

TEST(AssetTablesTest, FamilyAndOpponentRowsAreChecked) {
  std::vector<FamilyRow> families;
  std::vector<OpponentRow> opponents;
  std::string error;
  const std::string familyHeader = "family\ttitle\tlevel1\tlevel2\tlevel3\tlevel4\n";
  EXPECT_TRUE(ParseFamilyTable(familyHeader + "0\tMoth\tA.\tB.\tC.\tD.\n", "f", families, error)) << error;
  EXPECT_FALSE(ParseFamilyTable(familyHeader + "0\tMoth #1\tA.\tB.\tC.\tD.\n", "f", families, error));
  EXPECT_FALSE(ParseFamilyTable(familyHeader + "0\t\tA.\tB.\tC.\tD.\n", "f", families, error));
  const std::string opponentHeader = "class\tindex\tname\tprofileNumber\tprofileText1\tprofileText2\tdescription\n";
  EXPECT_TRUE(ParseOpponentTable(opponentHeader + "0\t0\tNINA\t19\tArt\tTea\tHello!\n", "o", opponents, error));
  EXPECT_EQ(opponents[0].profileNumber, 19);
  EXPECT_FALSE(ParseOpponentTable(opponentHeader + "0\t0\tNINA\t-1\tArt\tTea\tHello!\n", "o", opponents, error));
  EXPECT_FALSE(ParseOpponentTable(opponentHeader + "0\t15\tNINA\t1\tArt\tTea\tHello!\n", "o", opponents, error));
  EXPECT_FALSE(ParseOpponentTable(opponentHeader + "3\t0\tNINA\t1\tArt\tTea\tHello!\n", "o", opponents, error));
}
