// options_run_test.cpp -- the options room played by the game itself: a scripted headless run from the corridor in
// front of the room, the settings file read after BACK.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "club/club.h"
#include "club/options_screen.h"
#include "data/quick_save.h"
#include "gfx/message_box.h"
#include "platform/file_system.h"
#include "tests/club/game_run.h"
#include "tests/club/room_harness.h"

namespace {

using game_run::Fields;

namespace fs = std::filesystem;

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// "name = value" lines of a dump or of the settings file.
struct Point {
  int x, y;
};
// The "Ok" of a notice (no left button) in a layout.
Point NoticeOk(const MessageBoxLayout& layout) {
  const MessageBoxGeometry g = MessageBoxPlaces(L"", L"Ok", layout);
  return {(g.rightMin + g.rightMax) / 2, (g.bandMin + g.bandMax) / 2};
}

constexpr int VolumeY = 62, GammaY = 123;
int ColumnOf(int position) { return 93 + 4 * position; }

class OptionsRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpRoom();
    install = platform::HostPath("");
    config = install + "/../config-options-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed());
    fs::create_directories(config);
    const char* keep = std::getenv("DUSKHAVEN_CLUB_SHOTS");
    shots = (keep && *keep ? std::string(keep) : install) + "/";
  }
  // The stored settings before the run, the character in slot 1 standing in front of the options room.
  void Prepare(const std::string& volume, const std::string& gamma, const std::string& effects) {
    std::ofstream(config + "/settings.reg")
        << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << install << "\"\nVolume = dword:" << volume
        << "\nGamma = dword:" << gamma << "\nEffects = dword:" << effects << "\n";
    SetUpRoom();
    ASSERT_TRUE(SaveCharacter());
    RegisterClubStateBlock();
    ResetClubState();
    GameClub.currentRoom = RoomOptions;
    GameClub.position = ClubRooms[RoomOptions].position;
    ASSERT_TRUE(QuickSave());
  }
  void Tap(int x, int y, int after) {
    t += after;
    script << "at " << t << " tap " << x << " " << y << "\n";
  }
  // 300 ms after the last step, or before it when `after` is negative.
  void Dump(const std::string& name, int after = 300) {
    script << "dump " << t + after << " " << install << "/" << name << "\n";
  }
  void Capture(const std::string& name) { script << "capture " << t + 300 << " " << shots << name << "\n"; }
  // Past the loading screen and into the room: the options are shown and the preview applied.
  void EnterRoom() {
    Tap(120, 100, 7500);
    Tap(120, 100, 2500);
    t += 2500;
  }
  void Run() {
    const std::string path = install + "/options-run.txt";
    std::ofstream(path) << "seed 5\n" << script.str() << "at " << t + 1500 << " close\n";
    const std::string command =
        "'" DUSKHAVEN_GAME_PATH "' --headless --config '" + config + "' --script '" + path + "'";
    int code = -1;
    const std::string output = game_run::RunCommand(command, &code);
    EXPECT_EQ(code, 0) << output;
  }
  std::map<std::string, std::string> Dumped(const std::string& name) { return Fields(ReadText(install + "/" + name)); }
  std::map<std::string, std::string> Settings() { return Fields(ReadText(config + "/settings.reg")); }

  std::string install, config, shots;
  std::ostringstream script;
  int t = 0;
};

}  // namespace

TEST_F(OptionsRunTest, AnUntouchedVisitChangesNoStoredSetting) {
  // Volume 4 shows as position 0 and brightness 99 as 23: stored again as they were, not as 0 and 95.
  Prepare("00000004", "00000063", "00000000");
  EnterRoom();
  Dump("untouched-in.dump");
  Tap(220, 311, 300);  // BACK
  t += 2000;
  Dump("untouched-out.dump");
  Run();
  auto in = Dumped("untouched-in.dump");
  EXPECT_EQ(in["clubScreen"], "7");
  EXPECT_EQ(in["options"], "volume 0 (opened at 0), gamma 23 (opened at 23), effects 0, notice 0");
  EXPECT_EQ(in["soundOff"], "0");
  EXPECT_EQ(Dumped("untouched-out.dump")["clubScreen"], "13");
  auto stored = Settings();
  EXPECT_EQ(stored["Volume"], "dword:00000004");
  EXPECT_EQ(stored["Gamma"], "dword:00000063");
  EXPECT_EQ(stored["Effects"], "dword:00000000");
}

TEST_F(OptionsRunTest, MovedOptionsAreStoredAndTheStatisticsShown) {
  // A game started silent: raising the volume starts the club's music.
  Prepare("00000000", "00000000", "00000001");
  EnterRoom();
  Dump("moved-silent.dump", -100);
  Tap(ColumnOf(24), VolumeY, 300);
  Dump("moved-loud.dump");
  Tap(ColumnOf(13), GammaY, 600);  // brighter, and the restart notice
  Capture("options-notice.png");
  const Point ok = NoticeOk(MessageBoxLayout{});
  Tap(ok.x, ok.y, 600);
  Tap(ColumnOf(14), GammaY, 600);  // no second notice
  Tap(170, 184, 600);              // effects off
  Capture("options-moved.png");
  Tap(20, 312, 600);  // STATS
  Capture("options-stats.png");
  const Point statsOk = NoticeOk(StatisticsLayout());
  Tap(statsOk.x, statsOk.y, 600);
  Dump("moved-before-back.dump");
  Tap(220, 311, 600);  // BACK
  t += 2000;
  Dump("moved-out.dump");
  Run();
  auto silent = Dumped("moved-silent.dump");
  EXPECT_EQ(silent["soundOff"], "1");
  EXPECT_EQ(silent["music"].substr(silent["music"].find(',')), ", not loaded");
  auto loud = Dumped("moved-loud.dump");
  EXPECT_EQ(loud["soundOff"], "0");
  EXPECT_EQ(loud["music"], "SOUNDS\\menu.QXX, loaded");
  EXPECT_EQ(Dumped("moved-before-back.dump")["options"],
            "volume 24 (opened at 0), gamma 14 (opened at 0), effects 0, notice 1");
  EXPECT_EQ(Dumped("moved-out.dump")["clubScreen"], "13");
  auto stored = Settings();
  EXPECT_EQ(stored["Volume"], "dword:00000064");  // trunc(24 x 4.1666665) = 100 in single precision
  EXPECT_EQ(stored["Gamma"], "dword:0000003a");   // trunc(14 x 4.1666665) = 58
  EXPECT_EQ(stored["Effects"], "dword:00000000");
  for (const char* f : {"options-notice.png", "options-moved.png", "options-stats.png"})
    EXPECT_TRUE(fs::exists(shots + f)) << f;
}
