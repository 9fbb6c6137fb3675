// tutorial_run_test.cpp -- the first-play tutorial played by the game itself: a new character is created on the
// character screen, accepts the tutorial and is walked through the club by a script, a frame captured at every step.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "club/card_manager_screen.h"
#include "club/character_keys.h"
#include "gfx/message_box.h"
#include "platform/file_system.h"
#include "tests/club/game_run.h"
#include "tests/club/room_harness.h"

namespace {

using game_run::Fields;
using game_run::RunCommand;

namespace fs = std::filesystem;

struct Point {
  int x, y;
};

MessageBoxLayout TutorialLayout() {
  MessageBoxLayout l;
  l.x = 20;
  l.y = 40;
  l.w = 200;
  l.h = 200;
  return l;
}
MessageBoxLayout PageLayout() {
  MessageBoxLayout l;
  l.dim = false;
  l.x = 20;
  l.y = 20;
  l.w = 200;
  l.h = 260;
  return l;
}
Point LeftOf(const std::wstring& left, const std::wstring& right, const MessageBoxLayout& layout) {
  const MessageBoxGeometry g = MessageBoxPlaces(left, right, layout);
  return {(g.leftMin + g.leftMax) / 2, (g.bandMin + g.bandMax) / 2};
}
Point RightOf(const std::wstring& left, const std::wstring& right, const MessageBoxLayout& layout) {
  const MessageBoxGeometry g = MessageBoxPlaces(left, right, layout);
  return {(g.rightMin + g.rightMax) / 2, (g.bandMin + g.bandMax) / 2};
}

// The game's script on the virtual clock, with a numbered capture after each step.
struct Script {
  std::ostringstream text;
  int t = 0;
  int shot = 0;
  std::string shots;
  std::vector<std::string> names;
  void Tap(Point p, int after = 600) {
    t += after;
    text << "at " << t << " tap " << p.x << " " << p.y << "\n";
  }
  void Key(const char* key, int after = 600) {
    t += after;
    text << "at " << t << " key down " << key << "\nat " << t + 40 << " key up " << key << "\n";
    t += 40;
  }
  void Wait(int ms) { t += ms; }
  // A frame of the step just taken, a moment after it.
  void Shot(const std::string& name, int after = 500) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", ++shot);
    const std::string file = shots + number + "-" + name + ".png";
    names.push_back(file);
    text << "capture " << t + after << " " << file << "\n";
  }
  void Dump(const std::string& file, int after = 300) { text << "dump " << t + after << " " << file << "\n"; }
};

class TutorialRun : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpRoom();
    folder = fs::temp_directory_path().string() + "/duskhaven-tutorial-run-" + std::to_string(::getpid());
    fs::remove_all(folder);
    fs::create_directories(folder + "/cfg");
    fs::create_directories(folder + "/inst/SAVE");
    for (const fs::directory_entry& e : fs::directory_iterator(DUSKHAVEN_CLUB_TEST_DATA))
      if (e.path().filename() != "SAVE") fs::create_symlink(e.path(), folder + "/inst/" + e.path().filename().string());
    std::ofstream(folder + "/cfg/settings.reg") << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << folder << "/inst\"\n";
    // DUSKHAVEN_CLUB_SHOTS=DIR keeps the captured frames for looking at.
    const char* keep = std::getenv("DUSKHAVEN_CLUB_SHOTS");
    shots = (keep && *keep ? std::string(keep) : folder) + "/tutorial-";
  }
  void TearDown() override { fs::remove_all(folder); }

  // Runs the script (seed 5), then a dump; the dump's fields.
  std::map<std::string, std::string> Play(const Script& s, const std::string& name, bool closeAtEnd = true) {
    const std::string script = folder + "/" + name + ".txt", dump = folder + "/" + name + ".dump";
    std::ofstream out(script);
    out << "seed 5\n" << s.text.str() << "dump " << s.t + 1500 << " " << dump << "\n";
    if (closeAtEnd) out << "at " << s.t + 1600 << " close\n";
    out.close();
    int code = -1;
    output = RunCommand("'" DUSKHAVEN_GAME_PATH "' --headless --config '" + folder + "/cfg' --script '" + script + "'",
                        &code);
    EXPECT_EQ(code, 0) << output;
    std::ifstream in(dump);
    std::stringstream text;
    text << in.rdbuf();
    return Fields(text.str());
  }
  std::map<std::string, std::string> SavedFile() {
    std::map<std::string, std::string> fields;
    std::istringstream in(RunCommand("'" DUSKHAVEN_TOOL_PATH "' save --data '" + folder + "/inst' '" + folder +
                                     "/inst/SAVE/Player1.QXP'"));
    for (std::string line; std::getline(in, line);) {
      const std::size_t space = line.find(' ');
      fields[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
    }
    return fields;
  }
  std::vector<int> OwnedIds() {
    std::vector<int> ids;
    std::istringstream in(SavedFile()["collection"]);
    for (std::string entry; in >> entry;) ids.push_back(std::stoi(entry.substr(0, entry.find('x'))));
    return ids;
  }

  // The character screen: a name typed on the keyboard, OK, and the tutorial's question answered.
  void NewCharacter(Script& s, bool tutorial) {
    s.Wait(7500);
    s.Tap({120, 160}, 0);  // past the loading screen
    s.Wait(1500);
    for (wchar_t ch : std::wstring(L"TUTOR")) {
      const int key = ch - L'A';
      s.Tap({KeyLiveLeft(key) + 7, KeyLiveTop(key) + 7}, 700);
    }
    s.Shot("name-typed");
    s.Tap({15, 242}, 700);  // OK
    s.Shot("the-tutorial-asked");
    const Point answer =
        tutorial ? LeftOf(L"Ok", L"No", MessageBoxLayout{}) : RightOf(L"Ok", L"No", MessageBoxLayout{});
    s.Tap(answer, 900);
  }

  std::string folder, shots, output;
};

int CellPixelXOf(int x) { return 40 * x + 4; }
int CellPixelYOf(int y) { return 58 * y + 4; }

const Point TutorialOk = LeftOf(L"Ok", L"", TutorialLayout());
const Point PageOk = RightOf(L"", L"Ok", PageLayout());
const Point StandardOk = RightOf(L"", L"Ok", MessageBoxLayout{});
const Point ManagerOk = LeftOf(L"Ok", L"", MessageBoxLayout{});

TEST_F(TutorialRun, ANewCharacterIsWalkedThroughTheClubByTheTutorial) {
  Script s;
  s.shots = shots;
  NewCharacter(s, true);
  s.Wait(1500);  // the corridor fades in
  s.Shot("step-0-the-corridor-and-its-box", 0);
  s.Tap(TutorialOk, 0);
  s.Shot("step-1-walk-to-the-shop");
  s.Tap({120, 100});
  s.Shot("step-1-a-tap-is-refused");
  s.Tap(TutorialOk);
  s.Key("A");
  s.Shot("step-1-the-action-key-is-refused");
  s.Tap(TutorialOk);
  s.Key("Right");
  s.Wait(1500);
  s.Shot("step-1-the-Hell-gate-passed-on-the-way", 0);
  s.Key("Right");
  s.Wait(1500);
  s.Shot("step-1-stopped-at-the-shop", 0);
  s.Tap(TutorialOk);
  s.Key("Left");
  s.Shot("step-2-the-arrows-explain");
  s.Tap(TutorialOk);
  s.Dump(folder + "/at-shop.dump");
  s.Tap({120, 100});
  s.Wait(2500);
  s.Shot("step-3-the-shop-faded-in", 0);
  s.Tap(TutorialOk);
  s.Tap({210, 306});  // Back: refused
  s.Shot("step-4-buy-a-booster-first");
  s.Tap(TutorialOk);
  s.Tap({63, 76});
  s.Shot("step-4-the-booster-opens", 150);
  s.Wait(2500);
  s.Shot("step-4-the-cards-are-given", 0);
  s.Tap(TutorialOk);
  s.Tap({210, 306});  // Back: refused again
  s.Shot("step-4-the-card-manager-next");
  s.Tap(TutorialOk);
  s.Tap({40, 195});  // Enter manager
  s.Shot("step-5-the-card-manager");
  s.Tap(TutorialOk);
  const std::string toTheManager = s.text.str();
  const int managerFrom = s.t;
  const int shotsSoFar = s.shot;
  const std::vector<std::string> namesSoFar = s.names;
  auto shown = Play(s, "to-the-manager");
  EXPECT_EQ(shown["clubScreen"], "12");
  std::map<std::string, std::string> atShop = [&] {
    std::ifstream in(folder + "/at-shop.dump");
    std::stringstream text;
    text << in.rdbuf();
    return Fields(text.str());
  }();
  EXPECT_EQ(atShop["tutorial"], "step 2, active 1");
  EXPECT_EQ(shown["tutorial"], "step 5, active 1");
  EXPECT_EQ(SavedFile()["credits"], "700") << "the tutorial's booster is free";
  const std::vector<int> owned = OwnedIds();
  ASSERT_GE(owned.size(), 16u);

  // The same run again from nothing (the game repeats itself from its seed), now with the
  // deck built from the cards the shop gave: each card picked and added.
  fs::remove_all(folder + "/inst/SAVE");
  fs::create_directories(folder + "/inst/SAVE");
  Script b;
  b.shots = shots;
  b.text << toTheManager;
  b.t = managerFrom;
  b.shot = shotsSoFar;
  b.names = namesSoFar;
  int page = 0;
  for (int k = 0; k < 16; ++k) {
    const int id = owned[static_cast<std::size_t>(k)];
    while ((id - 1) / 24 > page) {
      b.Tap({228, 110}, 300);  // next page
      ++page;
    }
    const int slot = id - 1 - 24 * page;
    b.Tap({GridSlotX(slot) + 16, GridSlotY(slot) + 25}, 300);
    b.Tap({170, 8}, 300);  // add
    if (k == 0) b.Shot("step-5-the-first-card-added", 100);
  }
  b.Shot("step-5-sixteen-cards", 100);
  b.Tap({210, 308});  // leaving is refused
  b.Shot("step-5-leaving-is-refused");
  b.Tap(ManagerOk);
  const int last = owned[15] - 1 - 24 * page;
  b.Tap({GridSlotX(last) + 16, GridSlotY(last) + 25});  // a card picked with a full deck ends the part
  b.Shot("step-5-the-deck-is-done");
  b.Tap(ManagerOk);
  b.Shot("step-6-walk-to-instant-play");
  b.Tap({120, 300});
  b.Shot("step-6-a-tap-is-refused");
  b.Tap(TutorialOk);
  b.Key("Left");
  b.Wait(1500);
  b.Shot("step-6-the-Hell-gate-again", 0);
  b.Key("Left");
  b.Wait(1500);
  b.Shot("step-6-stopped-at-instant-play", 0);
  b.Tap(TutorialOk);
  b.Key("Right");
  b.Shot("step-7-the-arrows-explain");
  b.Tap(TutorialOk);
  b.Tap({120, 100});
  b.Wait(2500);
  b.Shot("step-8-instant-play-faded-in", 0);
  b.Tap(TutorialOk);
  b.Dump(folder + "/at-instant.dump");
  b.Tap({215, 308});  // back: refused
  b.Shot("step-9-choose-an-opponent");
  b.Tap(ManagerOk);
  b.Tap({100, 61});  // the first Guest
  b.Shot("step-10-the-challenge");
  b.Tap({215, 308});  // back: refused
  b.Shot("step-10-select-ok");
  b.Tap(ManagerOk);
  b.Tap({15, 308});  // Ok: the duel, and its tutorial
  b.Shot("duel-page-1", 800);
  b.Tap(PageOk, 1000);
  b.Shot("duel-step-20-the-board");
  const char* const examples[4] = {"duel-example-1-one-target", "duel-example-2-a-fight",
                                   "duel-example-3-several-targets", "duel-example-4-multi-hit"};
  for (int help = 2; help <= 6; ++help) {
    b.Tap({120, 150}, 600);  // a tap on the board: the next page
    b.Shot("duel-page-" + std::to_string(help));
    b.Tap(PageOk, 1000);
    if (help == 6) break;
    b.Wait(help == 5 ? 9000 : 3000);  // the multi-hit's chain takes its time
    b.Shot(examples[help - 2], 0);
    if (help == 4) {
      b.Tap({CellPixelXOf(0) + 16, CellPixelYOf(0) + 25});  // not a target: nothing happens
      b.Tap({CellPixelXOf(3) + 16, CellPixelYOf(2) + 25});
      b.Wait(3000);
      b.Shot("duel-example-3-the-chosen-card-taken", 0);
    }
  }
  b.Wait(1500);
  b.Shot("back-in-the-club", 0);
  shown = Play(b, "the-whole-tutorial");
  std::ifstream in(folder + "/at-instant.dump");
  std::stringstream text;
  text << in.rdbuf();
  std::map<std::string, std::string> atInstant = Fields(text.str());
  EXPECT_EQ(atInstant["tutorial"], "step 9, active 1");
  EXPECT_EQ(atInstant["clubScreen"], "1");
  // The duel's tutorial has ended: back in front of instant play, with a
  // fresh character in its own slot, saved.
  EXPECT_EQ(atInstant["soundOff"], "1") << "the tutorial runs silent";
  EXPECT_EQ(shown["tutorial"], "step 11, active 0");
  EXPECT_EQ(shown["inClub"], "1");
  EXPECT_EQ(shown["soundOff"], "0");
  EXPECT_EQ(shown["music"], "SOUNDS\\menu.QXX, loaded") << "leaving the tutorial plays the club music again";
  EXPECT_EQ(shown["clubScreen"], "13");
  EXPECT_EQ(shown["clubRoom"].substr(0, 1), "1");
  std::map<std::string, std::string> saved = SavedFile();
  EXPECT_EQ(saved["valid"], "yes");
  EXPECT_EQ(saved["slot"], "1");
  EXPECT_EQ(saved["credits"], "700");
  EXPECT_EQ(saved["cardTotal"], "0");
  EXPECT_EQ(saved["deck"].substr(0, 2), "0 ");
  for (const std::string& f : b.names) EXPECT_TRUE(fs::exists(f)) << f;
}

TEST_F(TutorialRun, AnsweringNoSkipsTheTutorial) {
  Script s;
  s.shots = shots;
  NewCharacter(s, false);
  s.Wait(1500);
  s.Shot("no-the-corridor-without-a-box", 0);
  // The action key enters instant play at once: no step holds the player back.
  s.Key("A");
  s.Wait(2500);
  auto shown = Play(s, "no");
  EXPECT_EQ(shown["tutorial"], "step 0, active 0");
  EXPECT_EQ(shown["clubScreen"], "1");
  EXPECT_EQ(SavedFile()["name"], "TUTOR");
  for (const std::string& f : s.names) EXPECT_TRUE(fs::exists(f)) << f;
}

}  // namespace
