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

}  // namespace
