// tourney_run_test.cpp -- the Guest tournament played by the game itself: scripted headless runs from a character
// standing in front of the room, checked against the state dump and the save file.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "club/club.h"
#include "data/deck_building.h"
#include "data/duel_stats.h"
#include "data/quick_save.h"
#include "data/save_file.h"
#include "platform/file_system.h"
#include "tests/club/room_harness.h"

namespace {

namespace fs = std::filesystem;

std::string RunCommand(const std::string& command, int* exitCode = nullptr) {
  std::string output;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return output;
  char chunk[4096];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) output.append(chunk, n);
  const int status = ::pclose(pipe);
  if (exitCode) *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return output;
}

std::map<std::string, std::string> Fields(const std::string& text) {
  std::map<std::string, std::string> fields;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    const std::size_t eq = line.find(" = ");
    if (eq != std::string::npos) fields[line.substr(0, eq)] = line.substr(eq + 3);
  }
  return fields;
}

struct Script {
  std::ostringstream text;
  int t = 0;
  void Tap(int x, int y, int after = 400) {
    t += after;
    text << "at " << t << " tap " << x << " " << y << "\n";
  }
  void Capture(const std::string& file, int after = 0) { text << "capture " << t + after << " " << file << "\n"; }
};

constexpr int StartNextX = 4, ButtonY = 310;

class TourneyRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpRoom();
    install = platform::HostPath("");
    config = install + "/../tourney-config-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed());
    fs::create_directories(config);
    std::ofstream(config + "/settings.reg") << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << install << "\"\n";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(config, ignored);
  }
  // A character in slot 1 with twenty cards, a full deck and `credits`,
  // standing in front of the Guest tournament as the quick save left it.
  void CharacterAtTheGuestTable(std::int32_t credits) {
    SetUpRoom();
    for (int id = 1; id <= 20; ++id) AddCopy(CurrentPlayer, id);
    ASSERT_TRUE(QuickDeck(CurrentPlayer));
    CurrentPlayer.credits = credits;
    DuelStats = DuelStatistics{};
    ASSERT_TRUE(SaveCharacter());
    RegisterClubStateBlock();
    ResetClubState();
    GameClub.currentRoom = RoomGuestTournament;
    GameClub.position = ClubRooms[RoomGuestTournament].position;
    ASSERT_TRUE(QuickSave());
  }
  // Runs the script (after `seed 5`) with the extra options; the dump at its end.
  std::map<std::string, std::string> Play(const Script& s, const std::string& name, const std::string& options = "") {
    const std::string script = install + "/" + name + ".txt", dump = install + "/" + name + ".dump";
    std::ofstream(script) << "seed 5\n" << s.text.str() << "dump " << s.t + 1500 << " " << dump << "\nat "
                          << s.t + 1600 << " close\n";
    int code = -1;
    output = RunCommand("'" DUSKHAVEN_GAME_PATH "' --headless --config '" + config + "' --script '" + script + "' " +
                            options,
                        &code);
    EXPECT_EQ(code, 0) << output;
    std::ifstream in(dump);
    std::stringstream text;
    text << in.rdbuf();
    return Fields(text.str());
  }
  std::string install, config, output;
};

}  // namespace

TEST_F(TourneyRunTest, JoiningShowsTheFirstRoundsBracket) {
  CharacterAtTheGuestTable(5000);
  const char* keep = std::getenv("DUSKHAVEN_CLUB_SHOTS");
  const std::string shots = (keep && *keep ? std::string(keep) : install) + "/";
  Script s;
  s.Tap(120, 100, 7500);  // past the loading screen
  s.Tap(120, 100, 2500);  // into the room
  s.Capture(shots + "tourney-room.png", 1500);
  s.Tap(StartNextX, ButtonY, 2000);  // Start: 5000 credits, no question
  s.Capture(shots + "tourney-round1.png", 500);
  s.t += 600;
  auto shown = Play(s, "join");
  EXPECT_EQ(shown["clubScreen"], "4");
  EXPECT_EQ(shown["character"], "Tester, slot 1, credits 4700");
  EXPECT_EQ(shown["tournament"].substr(0, 25), "class 0, round 0, state 3");
  EXPECT_EQ(shown["tourneys"], "won 0, played 1");
}
