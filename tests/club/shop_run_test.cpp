// shop_run_test.cpp -- the shop and the manager played by the game itself: scripted headless runs from a new
// character, each step checked against the save file as duskhaven-tool decodes it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "club/card_manager_screen.h"
#include "club/club.h"
#include "data/quick_save.h"
#include "gfx/message_box.h"
#include "platform/file_system.h"
#include "tests/club/game_run.h"
#include "tests/club/room_harness.h"

namespace {

using game_run::Fields;
using game_run::RunCommand;

namespace fs = std::filesystem;

// "name = value" lines of a dump or of the tool's report.
// The game's script, built step by step on the virtual clock.
struct Script {
  std::ostringstream text;
  int t = 0;
  void Tap(int x, int y, int after = 400) {
    t += after;
    text << "at " << t << " tap " << x << " " << y << "\n";
  }
  void Drag(int x0, int y0, int x1, int y1) {
    t += 400;
    text << "at " << t << " down " << x0 << " " << y0 << "\n";
    for (int i = 1; i <= 4; ++i)
      text << "at " << t + 20 * i << " move " << x0 + (x1 - x0) * i / 4 << " " << y0 + (y1 - y0) * i / 4 << "\n";
    text << "at " << t + 100 << " up " << x1 << " " << y1 << "\n";
    t += 100;
  }
  void Dump(const std::string& file, int after = 0) { text << "dump " << t + after << " " << file << "\n"; }
  void Capture(const std::string& file, int after = 0) { text << "capture " << t + after << " " << file << "\n"; }
};

// Where the single "Ok" of a standard box is, and the "Ok" of a Cancel/Ok question.
struct Point {
  int x, y;
};
Point OkOnly() {
  const MessageBoxGeometry g = MessageBoxPlaces(L"Ok", L"", MessageBoxLayout{});
  return {(g.leftMin + g.leftMax) / 2, (g.bandMin + g.bandMax) / 2};
}
Point OkOfQuestion() {
  const MessageBoxGeometry g = MessageBoxPlaces(L"Cancel", L"Ok", MessageBoxLayout{});
  return {(g.rightMin + g.rightMax) / 2, (g.bandMin + g.bandMax) / 2};
}

class ShopRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpRoom();
    install = platform::HostPath("");
    config = install + "/../config-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed());
    fs::create_directories(config);
    std::ofstream(config + "/settings.reg") << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << install << "\"\n";
  }
  // A new character in slot 1, standing in the corridor in front of the card
  // shop, as the quick save left it: the next start resumes there.
  void FreshCharacterAtTheShop() {
    SetUpRoom();  // CurrentPlayer new, no cards, saved in slot 1
    CurrentPlayer.credits = startCredits;
    ASSERT_TRUE(SaveCharacter());
    RegisterClubStateBlock();
    ResetClubState();
    GameClub.currentRoom = 3;
    GameClub.position = 14;
    ASSERT_TRUE(QuickSave());
  }
  // Runs the script from the fresh character; the state dump at its end.
  std::map<std::string, std::string> Play(const Script& s, const std::string& name, bool fresh = true) {
    if (fresh) FreshCharacterAtTheShop();
    const std::string script = install + "/" + name + ".txt", dump = install + "/" + name + ".dump";
    std::ofstream(script) << "seed 5\n"
                          << s.text.str() << "dump " << s.t + 1500 << " " << dump << "\nat " << s.t + 1600
                          << " close\n";
    int code = -1;
    const std::string out =
        RunCommand("'" DUSKHAVEN_GAME_PATH "' --headless --config '" + config + "' --script '" + script + "'", &code);
    EXPECT_EQ(code, expectedExit) << out;
    std::ifstream in(dump);
    std::stringstream text;
    text << in.rdbuf();
    return Fields(text.str());
  }
  // The tool's "key value" lines for the character's save file.
  std::map<std::string, std::string> SavedFile() {
    std::map<std::string, std::string> fields;
    std::istringstream in(
        RunCommand("'" DUSKHAVEN_TOOL_PATH "' save --data '" + install + "' '" + install + "/SAVE/Player1.QXP'"));
    for (std::string line; std::getline(in, line);) {
      const std::size_t space = line.find(' ');
      fields[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
    }
    return fields;
  }
  // The screen's credits, card total and deck agree with the save file.
  void ExpectSaveMatches(std::map<std::string, std::string>& shown, const std::string& step) {
    std::map<std::string, std::string> saved = SavedFile();
    EXPECT_EQ(saved["valid"], "yes") << step;
    EXPECT_EQ(shown["character"], "Tester, slot 1, credits " + saved["credits"]) << step;
    EXPECT_EQ(shown["cards"].substr(0, shown["cards"].find(',')), "total " + saved["cardTotal"]) << step;
    std::string deck = shown["deck"];
    deck.erase(deck.find(':'), 1);
    EXPECT_EQ(deck, saved["deck"]) << step;
  }
  // Owned ids of the saved collection.
  std::vector<int> OwnedIds() {
    std::vector<int> ids;
    std::istringstream in(SavedFile()["collection"]);
    for (std::string entry; in >> entry;) ids.push_back(std::stoi(entry.substr(0, entry.find('x'))));
    return ids;
  }
  int Number(const std::string& text, const std::string& after) {
    const std::size_t at = text.find(after);
    return at == std::string::npos ? -1 : std::stoi(text.substr(at + after.size()));
  }
  std::string install, config;
  std::int32_t startCredits = NewCharacterCredits;
  int expectedExit = 0;
};

}  // namespace

int GridCentreX(int slot) { return GridSlotX(slot) + 16; }
int GridCentreY(int slot) { return GridSlotY(slot) + 25; }
int StripCentreX(int k) { return StripSlotX(k) + 16; }

TEST_F(ShopRunTest, BoostersServicesAndTheManagerFromANewCharacter) {
  // A new character with 1200 credits more than the 700 it starts with, so
  // that one booster and then ten can be bought.
  startCredits = 1900;
  const Point ok = OkOnly(), yes = OkOfQuestion();
  // DUSKHAVEN_CLUB_SHOTS=DIR keeps the captured frames for looking at.
  const char* keep = std::getenv("DUSKHAVEN_CLUB_SHOTS");
  const std::string shots = (keep && *keep ? std::string(keep) : install) + "/";
  Script s;
  s.Tap(120, 100, 7500);  // past the loading screen
  s.Tap(120, 100, 2500);  // into the card shop
  s.Tap(63, 76, 1500);    // one booster
  s.t += 2500;            // twelve passes, the second's pause, the manager
  auto shown = Play(s, "one");
  EXPECT_EQ(shown["clubScreen"], "12");
  EXPECT_EQ(shown["character"], "Tester, slot 1, credits 1700");
  EXPECT_EQ(shown["cards"], "total 8, distinct " + std::to_string(Number(shown["cards"], "distinct ")) +
                                ", by level 4 3 " + shown["cards"].substr(shown["cards"].size() - 3));
  EXPECT_NE(shown["manager"].find("new cards 1"), std::string::npos);
  ExpectSaveMatches(shown, "one booster");

  s.Tap(203, 305, 300);  // back to the shop
  s.Tap(64, 137, 1500);  // ten boosters
  s.Capture(shots + "booster-a.png", 30 + 20);
  s.Capture(shots + "booster-b.png", 30 + 90);
  s.Capture(shots + "booster-c.png", 30 + 170);
  s.Tap(120, 160, 500);  // a tap in the pause opens the manager at once
  s.t += 300;
  shown = Play(s, "ten");
  EXPECT_EQ(shown["clubScreen"], "12");
  EXPECT_EQ(shown["character"], "Tester, slot 1, credits 0");
  const std::string& cards = shown["cards"];
  EXPECT_EQ(cards.substr(0, 9), "total 88,");
  const std::size_t byLevel = cards.find("by level ");
  std::istringstream levels(cards.substr(byLevel + 9));
  int l1 = 0, l2 = 0, l3 = 0, l4 = 0;
  levels >> l1 >> l2 >> l3 >> l4;
  EXPECT_EQ(l1, 44);
  EXPECT_EQ(l2, 33);
  EXPECT_EQ(l3 + l4, 11);
  ExpectSaveMatches(shown, "ten boosters");
  for (const char* f : {"booster-a.png", "booster-b.png", "booster-c.png"}) EXPECT_TRUE(fs::exists(shots + f)) << f;

  s.Tap(203, 305, 300);
  s.Tap(33, 236, 1500);  // sell duplicates
  s.Capture(shots + "sold.png", 300);
  s.Tap(ok.x, ok.y, 600);
  shown = Play(s, "sell");
  const int distinct = Number(shown["cards"], "distinct ");
  EXPECT_EQ(shown["cards"].substr(0, shown["cards"].find(',')), "total " + std::to_string(distinct));
  EXPECT_GT(Number(shown["character"], "credits "), 0);
  ExpectSaveMatches(shown, "sell duplicates");

  s.Tap(31, 258, 800);  // quick deck
  s.Tap(ok.x, ok.y, 600);
  shown = Play(s, "quick");
  EXPECT_EQ(shown["deck"].substr(0, 3), "16:");
  ExpectSaveMatches(shown, "quick deck");

  s.Tap(33, 213, 800);  // clear deck
  s.Tap(ok.x, ok.y, 600);
  shown = Play(s, "clear");
  EXPECT_EQ(shown["deck"].substr(0, 2), "0:");
  ExpectSaveMatches(shown, "clear deck");

  // The manager, its last page, and a zoom of a card owned there (or on the first page).
  const std::vector<int> owned = OwnedIds();
  s.Tap(33, 191, 800);
  s.Tap(1, 100, 600);
  s.Capture(shots + "last-page.png", 200);
  int zoomId = 0;
  for (int id : owned)
    if (id > LastPageStart) zoomId = id;
  if (zoomId == 0) {
    s.Tap(222, 100, 400);
    zoomId = owned.front();
  }
  const int zoomSlot = (zoomId - 1) % 24;
  s.Tap(GridCentreX(zoomSlot), GridCentreY(zoomSlot), 400);
  s.Tap(1, 233, 400);
  s.Capture(shots + "zoom.png", 300);
  shown = Play(s, "zoom");
  EXPECT_NE(shown["manager"].find("zoom shown 1"), std::string::npos);
  EXPECT_NE(shown["manager"].find("page " + std::to_string((zoomId - 1) / 24 * 24)), std::string::npos);

  // Three cards of the first page dragged into the deck, then one sold.
  s.Tap(120, 160, 500);  // the zoom closes
  if ((zoomId - 1) / 24 != 0) s.Tap(222, 100, 400);
  std::vector<int> firstPage;
  for (int id : owned)
    if (id <= 24) firstPage.push_back(id);
  ASSERT_GE(firstPage.size(), 4u);
  for (int k = 0; k < 3; ++k) {
    const int slot = firstPage[static_cast<std::size_t>(k)] - 1;
    s.Drag(GridCentreX(slot), GridCentreY(slot), StripCentreX(k), StripY + 25);
  }
  s.Capture(shots + "dragged.png", 200);
  shown = Play(s, "drag");
  std::string expectDeck = "3:";
  for (int k = 0; k < 16; ++k) {
    expectDeck += ' ';
    expectDeck += std::to_string(k < 3 ? firstPage[static_cast<std::size_t>(k)] : -1);
  }
  EXPECT_EQ(shown["deck"], expectDeck);
  ExpectSaveMatches(shown, "drag three");

  const int before = Number(shown["character"], "credits ");
  const int soldSlot = firstPage[3] - 1;
  s.Tap(GridCentreX(soldSlot), GridCentreY(soldSlot), 400);
  s.Tap(1, 301, 400);
  s.Capture(shots + "sell-one.png", 300);
  s.Tap(yes.x, yes.y, 600);
  shown = Play(s, "sell-one");
  EXPECT_GT(Number(shown["character"], "credits "), before);
  EXPECT_EQ(Number(shown["cards"], "total "), distinct - 1);
  ExpectSaveMatches(shown, "sell one");
  const std::string soldEntry = std::to_string(firstPage[3]) + "x";
  EXPECT_EQ(SavedFile()["collection"].find(' ' + soldEntry), std::string::npos);

  // Quitting inside the manager writes the quick save; the next start resumes
  // the manager over the shop, and each finishes back to where it came from.
  s.t += 400;
  s.text << "at " << s.t << " press Start\n";
  s.Tap(yes.x, yes.y, 600);
  Play(s, "quit");
  EXPECT_TRUE(fs::exists(install + "/SAVE/QuickSave.QXP"));
  const auto quickSaveBytes = [&] {
    std::ifstream in(install + "/SAVE/QuickSave.QXP", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  };
  const std::string inManagerSave = quickSaveBytes();
  Script resume;
  resume.Tap(120, 100, 7500);
  resume.Dump(install + "/in-manager.dump", 600);
  resume.Capture(shots + "resumed.png", 600);
  resume.Tap(203, 305, 1000);  // the manager finishes: back to the shop
  resume.Dump(install + "/in-shop.dump", 1500);
  resume.Tap(206, 302, 2000);  // the shop finishes: back to the corridor
  resume.t += 1500;
  shown = Play(resume, "resumed", false);
  // The start took the manager's quick save; the close at the end wrote the corridor's.
  EXPECT_TRUE(fs::exists(install + "/SAVE/QuickSave.QXP"));
  EXPECT_NE(quickSaveBytes(), inManagerSave);
  auto dumped = [&](const std::string& file) {
    std::ifstream in(install + "/" + file);
    std::stringstream text;
    text << in.rdbuf();
    return Fields(text.str());
  };
  auto inManager = dumped("in-manager.dump");
  EXPECT_EQ(inManager["clubScreen"], "12");
  EXPECT_NE(inManager["clubScreensOpen"].find("shop"), std::string::npos) << inManager["clubScreensOpen"];
  EXPECT_EQ(inManager["deck"], expectDeck);
  ExpectSaveMatches(inManager, "resumed");
  auto inShop = dumped("in-shop.dump");
  EXPECT_EQ(inShop["clubScreen"], "3");
  EXPECT_EQ(inShop["clubScreensOpen"].find("manager"), std::string::npos) << inShop["clubScreensOpen"];
  EXPECT_EQ(shown["clubScreen"], "13");
  EXPECT_EQ(shown["clubRoom"], "3");
  EXPECT_EQ(shown["clubScreensOpen"], "none");
}
