// quick_menu_run_test.cpp -- the corridor's quick menu walked by keys alone, and the hidden key sequences typed
// before and inside it: the menu key opens it, the arrows move its frame, the action key enters the room, and
// arrows typed while it is open never reach the sequences.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/club/link_devices.h"
#include "tests/club/room_harness.h"

namespace {

namespace fs = std::filesystem;
using link_devices::Device;
using link_devices::Fields;
using link_devices::Line;
using link_devices::ReadText;

struct Press {
  Line& s;
  int t;
  // Presses the keys one after another, `gap` ms apart.
  Press& Keys(std::initializer_list<const char*> keys, int gap) {
    for (const char* k : keys) {
      s.text << "at " << t << " press " << k << "\n";
      t += gap;
    }
    return *this;
  }
};

class QuickMenuRun : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpRoom();
    root_ = fs::temp_directory_path().string() + "/duskhaven-quick-menu-" + std::to_string(::getpid());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override {
    // DUSKHAVEN_TRADE_KEEP=1 keeps the folder (dumps, log, the captured menu) for looking at, as the trade runs do.
    if (const char* keep = std::getenv("DUSKHAVEN_TRADE_KEEP"); keep && *keep) return;
    fs::remove_all(root_);
  }

  std::map<std::string, std::string> DumpAt(const std::string& name) {
    return Fields(ReadText(root_ + "/" + name), " = ");
  }
  std::string root_;
};

TEST_F(QuickMenuRun, KeysOpenTheMenuAndEnterARoomAndTheHiddenSequencesStillWork) {
  // Alice stands in front of the multiplayer room with 700 credits.
  Device alice{root_, "Alice", 700, {3, 5}, "", false};
  alice.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  Line s;
  s.Tap(7500, 120, 100);  // past the loading screen, into the resumed corridor
  // Cheat mode on (its box answered by the action key), then 10000 credits: both typed in the corridor, where
  // Left and Right also walk.
  Press{s, 9000}.Keys({"Left", "Right", "Left", "Right", "Up", "Down", "Up"}, 300);
  s.text << "at 12500 press A\n";
  Press{s, 13500}.Keys({"Up", "Right", "Down", "Left"}, 300);
  s.Dump(16500, root_ + "/cheats.dump");
  // The menu opened by its key takes the arrows: the same sequence typed in it adds nothing, and the key closes it.
  s.text << "at 17000 press Menu\n";
  Press{s, 17500}.Keys({"Up", "Right", "Down", "Left"}, 300);
  s.text << "at 18800 press Menu\n";
  s.Dump(19500, root_ + "/closed.dump");
  // Opened again: five items down is the card shop; the action key enters it.
  s.text << "at 20000 press Menu\n";
  Press{s, 20500}.Keys({"Down", "Down", "Down", "Down", "Down"}, 200);
  s.text << "capture 21600 " << root_ << "/menu.png\n";
  s.text << "at 21700 press A\n";
  s.Dump(24000, root_ + "/shop.dump");
  s.text << "at 24500 close\n";
  alice.script = s.text.str();

  const std::string log = root_ + "/alice.log";
  const int code = std::system((alice.Command(7000 + ::getpid() % 20000) + " > '" + log + "' 2>&1").c_str());
  ASSERT_TRUE(WIFEXITED(code) && WEXITSTATUS(code) == 0) << ReadText(log);

  auto cheats = DumpAt("cheats.dump");
  EXPECT_EQ(cheats["cheatMode"], "1") << ReadText(log);
  EXPECT_EQ(cheats["character"], "Alice, slot 1, credits 10700");
  EXPECT_EQ(cheats["clubScreen"], "13");

  auto closed = DumpAt("closed.dump");
  EXPECT_EQ(closed["character"], "Alice, slot 1, credits 10700") << "arrows in the open menu fed a sequence";
  EXPECT_EQ(closed["clubScreen"], "13");
  EXPECT_EQ(closed["clubReady"], "1");
  EXPECT_EQ(closed["clubPosition"], cheats["clubPosition"]) << "arrows in the open menu walked";

  auto shop = DumpAt("shop.dump");
  EXPECT_EQ(shop["clubScreen"], "3") << "the card shop was entered";
  EXPECT_EQ(shop["clubRoom"], "3");
  EXPECT_EQ(shop["clubPosition"], "14");
  EXPECT_TRUE(fs::exists(root_ + "/menu.png"));
}

// Every room by keys alone, each reached through the quick menu and left by its own BACK: options, instant play,
// a tournament joined and given up, the shop and its card manager, the lobby with its wait for a partner cancelled.
TEST_F(QuickMenuRun, EveryRoomIsWalkedAndLeftByKeysAlone) {
  std::vector<int> cards;
  for (int id = 1; id <= 16; ++id) cards.push_back(id);
  Device walker{root_, "Walker", 5000, cards, "", true};
  walker.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  Line s;
  Press p{s, 7500};
  const auto room = [&](int downs, const char* name) {
    p.Keys({"Menu"}, 200);
    for (int k = 0; k < (downs < 0 ? -downs : downs); ++k) p.Keys({downs < 0 ? "Up" : "Down"}, 150);
    p.Keys({"A"}, 2500);
    s.Dump(p.t, root_ + "/" + name + ".dump");
    p.t += 100;
  };
  const auto look = [&](const char* name) {
    s.Dump(p.t, root_ + "/" + name + ".dump");
    p.t += 100;
  };
  p.Keys({"A"}, 1500);  // the loading screen
  room(1, "options");   // the frame: volume, light, the effects' OFF, BACK
  p.Keys({"Down", "Down", "Down", "Down", "A"}, 400);
  p.t += 1500;
  room(6, "instant");  // the first row, then back round to BACK
  p.Keys({"Up", "Up", "A"}, 400);
  p.t += 1500;
  room(2, "tournament");  // DECK, BACK, START: joined; NEXT, SURRENDER, and "Ok" in its box
  p.Keys({"Down", "Down", "Left", "A"}, 400);
  p.t += 1000;
  look("joined");
  p.Keys({"Right", "A", "Right", "A"}, 400);
  p.t += 1500;
  room(5, "shop");  // five boosters' lines down to CARD MANAGER
  p.Keys({"Down", "Down", "Down", "Down", "Down", "Down", "A"}, 300);
  p.t += 2500;
  look("manager");
  p.Keys({"Down", "Up", "A"}, 400);  // ADD / DEL, then round to BACK
  p.t += 2500;
  look("shop-again");
  p.Keys({"Down", "Up", "A"}, 400);
  p.t += 1500;
  room(-2, "lobby");  // DECK, CREATE; the wait's CANCEL by the action key
  p.Keys({"Down", "Down", "A"}, 1000);
  p.Keys({"A"}, 1500);
  const int cancelledBy = p.t;
  look("cancelled");
  p.Keys({"Down", "A"}, 400);
  p.t += 1500;
  look("corridor");
  s.text << "at " << p.t << " close\n";
  walker.script = s.text.str();

  const std::string log = root_ + "/walker.log";
  const int code = std::system((walker.Command(7000 + ::getpid() % 20000) + " > '" + log + "' 2>&1").c_str());
  ASSERT_TRUE(WIFEXITED(code) && WEXITSTATUS(code) == 0) << ReadText(log);

  const std::pair<const char*, const char*> screens[] = {{"options", "7"}, {"instant", "1"},   {"tournament", "4"},
                                                         {"shop", "3"},    {"manager", "12"},  {"shop-again", "3"},
                                                         {"lobby", "0"},   {"cancelled", "0"}, {"corridor", "13"}};
  for (const auto& [name, screen] : screens)
    EXPECT_EQ(DumpAt(std::string(name) + ".dump")["clubScreen"], screen) << name;
  auto joined = DumpAt("joined.dump");
  EXPECT_NE(joined["tournament"].find("joined 1"), std::string::npos) << joined["tournament"];
  EXPECT_EQ(joined["character"], "Walker, slot 1, credits 4700") << "the fee was paid";
  auto cancelled = DumpAt("cancelled.dump");
  EXPECT_NE(cancelled["lobby"].find("Failed to connect."), std::string::npos) << cancelled["lobby"];
  // The wait ended at the key, not at its own limit (a long real wait moves the game's clock on by as much).
  EXPECT_LT(std::stoi(cancelled["tick"]), cancelledBy + 1000);
}

}  // namespace
