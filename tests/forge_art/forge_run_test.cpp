// forge_run_test.cpp -- runs duskhaven-forge into a folder twice: every picture of the duel and the start-up is there,
// decodes to its size, keeps the black rule, and comes out byte for byte the same.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/file_system.h"
#include "tests/forge_art/art_test_support.h"
#include "tools/forge/asset_tables.h"

namespace {

struct Expected {
  std::string path;   // as the game writes it
  int width, height;  // 0 = free
  bool keyed;
};

std::vector<Expected> OwnedPictures() {
  std::vector<Expected> list = {
      {"GFX\\GENERAL\\VANTORTEAM.QXG", 240, 320, false},
      {"GFX\\LOADING\\EnterGAME.QXJ", 0, 320, false},
      {"GFX\\GENERAL\\BoardUI.QXG", 240, 320, false},
      {"GFX\\GENERAL\\BoardUIZoomON.QXG", 240, 320, false},
      {"GFX\\GENERAL\\BlockCard.QXG", 32, 50, false},
      {"GFX\\CARDS\\SET 1\\CARDS SMALL\\BackCard.QXG", 32, 50, false},
      {"GFX\\TEXT\\start.QXG", 240, 0, true},
      {"GFX\\TEXT\\youwin.QXG", 240, 0, true},
      {"GFX\\TEXT\\youloose.QXG", 240, 0, true},
      {"GFX\\TEXT\\Perfect.QXG", 240, 0, true},
      {"GFX\\TEXT\\draw.QXG", 240, 0, true},
      {"GFX\\TEXT\\multihit.QXG", 0, 0, true},
      {"GFX\\TEXT\\cardtaken.QXG", 0, 0, true},
      {"GFX\\TEXT\\Versus.QXG", 0, 0, true},
  };
  for (int n = 1; n <= 24; ++n) list.push_back({"GFX\\GENERAL\\" + std::to_string(n) + ".QXG", 0, 0, true});
  // The club: corridor, panel, titles, arrows, quick menu, character screen.
  for (int n = 1; n <= 50; ++n)
    list.push_back({"GFX\\MENU\\MENU\\MENU00" + std::to_string(100 + n).substr(1) + ".QXG", 240, 180, false});
  list.push_back({"GFX\\GENERAL\\BackgroundMenu.QXJ", 240, 80, false});
  for (const char* title : {"MultiplayerTitle", "InstantPlayTitle", "HellGateTitle", "CardShopTitle", "GuestTournament",
                            "MemberTournament", "EliteTournament", "OptionsTitle", "CharacterCreationTitle", "Quit"})
    list.push_back({std::string("GFX\\MENU\\TITLES\\") + title + ".QXG", 0, 0, false});
  for (const char* arrow : {"LEFTON", "LEFTOFF", "RIGHTON", "RIGHTOFF"})
    list.push_back({std::string("GFX\\MENU\\MENU\\") + arrow + ".QXG", 0, 0, true});
  list.push_back({"GFX\\MENU\\QuickMenu.QXG", 0, 0, false});
  list.push_back({"GFX\\MENU\\QuickMenuON.QXG", 0, 0, false});
  for (const char* screen : {"CreateCharacterEmpty.QXG", "CreateCharacterPIX.QXG"})
    list.push_back({std::string("GFX\\MENU\\UI CHARACTER\\") + screen, 240, 320, false});
  for (const char* button : {"CreateCharacterOK.QXJ", "CreateCharacterQUICKGAME.QXJ", "CreateCharacterDELETE.QXJ"})
    list.push_back({std::string("GFX\\MENU\\UI CHARACTER\\") + button, 0, 23, false});
  // The shop and the card manager.
  for (const char* screen : {"ShopEmpty.QXG", "ShopPIX.QXG", "CollectionEmpty.QXG"})
    list.push_back({std::string("GFX\\MENU\\UI SHOP\\") + screen, 240, 320, false});
  list.push_back({"GFX\\MENU\\UI SHOP\\CollectionBorder.QXG", 36, 54, true});
  for (int n = 0; n <= 10; ++n)
    list.push_back({"GFX\\MENU\\UI SHOP\\Booster" + std::to_string(n) + ".QXG", 0, 0, true});
  for (const char* button : {"Shop1Booster", "Shop2Booster", "Shop3Booster", "Shop5Booster", "Shop10Booster",
                             "ShopBack", "ShopEnterManager", "ShopClearDeck", "ShopSellCards", "ShopQuickDeck",
                             "CollectionFlecheGaucheON", "CollectionZoom", "CollectionFlecheDroiteON", "CollectionSell",
                             "CollectionBack", "CollectionAdd", "CollectionLeft", "CollectionRight"})
    list.push_back({std::string("GFX\\MENU\\UI SHOP\\") + button + ".QXJ", 0, 0, false});
  // Instant play, the challenge, the tournaments and the portraits.
  for (const char* screen : {"InstantPlayPIX.QXG", "InstantPlayEmpty.QXG", "InstantPlay2Empty.QXG"})
    list.push_back({std::string("GFX\\MENU\\UI INSTANT\\") + screen, 240, 320, false});
  for (const char* button : {"InstantPlayLeft", "InstantPlayRight", "InstantPlayBack", "InstantPlayMember",
                             "InstantPlayElite", "InstantPlay2Ok"})
    list.push_back({std::string("GFX\\MENU\\UI INSTANT\\") + button + ".QXJ", 0, 0, false});
  list.push_back({"GFX\\MENU\\AllPartyDeck.QXJ", 0, 0, false});
  for (const char* klass : {"Guest", "Member", "Elite"})
    for (const char* kind : {"PIX", "Empty"})
      list.push_back({std::string("GFX\\MENU\\UI TOURNAMENT\\Tournament") + klass + kind + ".QXG", 240, 320, false});
  for (const char* button :
       {"StartON", "StartOFF", "NEXTon", "NEXToff", "BackON", "BackOFF", "SurrenderON", "SurrenderOFF"})
    list.push_back({std::string("GFX\\MENU\\UI TOURNAMENT\\Tournament") + button + ".QXG", 0, 0, false});
  list.push_back({"GFX\\MENU\\UI TOURNAMENT\\VStournoi.QXG", 0, 0, true});
  for (int n = 1; n <= 45; ++n) list.push_back({"GFX\\PLAYERS\\PLAYERS" + std::to_string(n) + ".QXG", 62, 64, false});
  for (int s = 1; s <= 5; ++s)
    list.push_back({"GFX\\CARDS\\SET 1\\CARDS SMALL\\PowerIcon" + std::to_string(s) + ".QXG", 0, 0, false});
  std::string error;
  if (!LoadAssetTables(error)) {
    ADD_FAILURE() << error;
    return list;
  }
  for (const CardRow& row : CardRows()) {
    std::string name = row.name;
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    list.push_back({"GFX\\CARDS\\SET 1\\CARDS SMALL\\" + name + ".QXG", 32, 50, false});
    list.push_back({"GFX\\CARDS\\SET 1\\CARDS BIG\\BIG_" + name + ".QXG", 96, 150, false});
  }
  return list;
}

std::string MakeTempDir() {
  std::string pattern = ::testing::TempDir() + "/forge_art_XXXXXX";
  if (!mkdtemp(pattern.data())) return "";
  return pattern;
}

bool RunForge(const std::string& dir, std::string& output) {
  const std::string command = std::string("'") + DUSKHAVEN_FORGE + "' --out '" + dir + "' 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return false;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  return ::pclose(pipe) == 0;
}

std::string HostPathIn(const std::string& dir, const std::string& gamePath) {
  std::string path = dir + "/" + gamePath;
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

class ForgeRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    first = MakeTempDir();
    second = MakeTempDir();
    ranFirst = !first.empty() && RunForge(first, output);
    ranSecond = !second.empty() && RunForge(second, output);
  }
  static void TearDownTestSuite() {
    for (const std::string& dir : {first, second})
      if (!dir.empty()) {
        const std::string command = "rm -rf '" + dir + "'";
        if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", dir.c_str());
      }
  }
  static std::string first, second, output;
  static bool ranFirst, ranSecond;
};

std::string ForgeRun::first, ForgeRun::second, ForgeRun::output;
bool ForgeRun::ranFirst = false, ForgeRun::ranSecond = false;

}  // namespace

TEST_F(ForgeRun, EveryPictureExistsDecodesAndKeepsItsRule) {
  ASSERT_TRUE(ranFirst) << output;
  for (const Expected& e : OwnedPictures()) {
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(platform::ReadWholeFile(HostPathIn(first, e.path), bytes)) << "missing: " << e.path;
    RgbPicture p;
    ASSERT_TRUE(DecodePicture(bytes, p)) << "does not decode: " << e.path;
    if (e.width) {
      EXPECT_EQ(p.width, e.width) << e.path;
    }
    if (e.height) {
      EXPECT_EQ(p.height, e.height) << e.path;
    }
    const bool lossless = bytes.size() > 4 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G';
    if (e.path.ends_with(".QXG")) {
      EXPECT_TRUE(lossless) << e.path << " must be lossless";
      EXPECT_EQ(e.keyed ? KeyRuleFault(p) : OpaqueRuleFault(p), "") << e.path;
    } else {
      EXPECT_EQ(bytes[0], 0xFF) << e.path << " is a JPEG";
    }
  }
}

TEST_F(ForgeRun, TwoRunsWriteTheSameBytes) {
  ASSERT_TRUE(ranFirst && ranSecond) << output;
  for (const Expected& e : OwnedPictures()) {
    std::vector<std::uint8_t> a, b;
    ASSERT_TRUE(platform::ReadWholeFile(HostPathIn(first, e.path), a)) << e.path;
    ASSERT_TRUE(platform::ReadWholeFile(HostPathIn(second, e.path), b)) << e.path;
    EXPECT_TRUE(a == b) << e.path << " differs between runs";
  }
}
