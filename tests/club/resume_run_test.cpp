// resume_run_test.cpp -- the game quick-saves the club and a new process resumes it: same record, same frame.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include "club/club.h"
#include "club/club_state.h"
#include "data/duel_stats.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "tests/club/club_harness.h"
#include "tests/club/game_run.h"

namespace {

namespace fs = std::filesystem;

struct GameRun {
  int exitCode = -1;
  std::string output;
};

GameRun RunGame(const std::string& folder, const std::string& script) {
  std::ofstream(folder + "/s.txt") << script;
  const std::string command =
      "cd '" + folder + "' && '" + DUSKHAVEN_GAME_PATH + "' --headless --script s.txt --config cfg";
  GameRun run;
  run.output = game_run::RunCommand(command, &run.exitCode);
  return run;
}

using game_run::ReadFile;

std::uint32_t StoppedAt(const std::string& output) {
  std::smatch m;
  return std::regex_search(output, m, std::regex("the script has ended at ([0-9]+) ms"))
             ? static_cast<std::uint32_t>(std::stoul(m[1]))
             : 0;
}

// A game folder of its own: settings naming an install folder that links the
// forged data set and keeps its own saves, with one character in slot 1 and
// a quick save of the club standing in front of instant play.
class ResumeRun : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpClub();
    folder_ = fs::temp_directory_path().string() + "/duskhaven-club-resume-" + std::to_string(::getpid());
    fs::remove_all(folder_);
    fs::create_directories(folder_ + "/cfg");
    fs::create_directories(folder_ + "/inst/SAVE");
    for (const fs::directory_entry& e : fs::directory_iterator(DUSKHAVEN_CLUB_TEST_DATA))
      if (e.path().filename() != "SAVE")
        fs::create_symlink(e.path(), folder_ + "/inst/" + e.path().filename().string());
    std::ofstream(folder_ + "/cfg/settings.reg")
        << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << folder_ << "/inst\"\nVolume = dword:00000000\n";

    PlayerRecord tess;
    ResetPlayer(tess);
    tess.name = L"TESS";
    tess.slot = 1;
    tess.credits = 1234;
    const std::vector<std::uint8_t> character = EncodeCharacterFile(tess, DuelStatistics{});
    std::ofstream(folder_ + "/inst/SAVE/Player1.QXP", std::ios::binary)
        .write(reinterpret_cast<const char*>(character.data()), static_cast<std::streamsize>(character.size()));
    RunClubFrames(1000);  // standing, the description typed
    std::vector<std::uint8_t> quick = {1};
    const std::vector<std::uint8_t> club = ClubStateBytes();
    quick.insert(quick.end(), club.begin(), club.end());
    quick.push_back(1);  // in the club
    WriteQuickSave(quick);
  }
  void TearDown() override { fs::remove_all(folder_); }

  void WriteQuickSave(const std::vector<std::uint8_t>& bytes) {
    std::ofstream(QuickSavePath(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  std::string QuickSavePath() const { return folder_ + "/inst/SAVE/QuickSave.QXP"; }

  // The time the loading screen waits for its tap (the same for every run here).
  std::uint32_t LoadingTap() {
    const std::string saved = ReadFile(QuickSavePath());
    const GameRun probe = RunGame(folder_, "");
    std::ofstream(QuickSavePath(), std::ios::binary) << saved;  // the probe resumed (and deleted) it
    return StoppedAt(probe.output);
  }

  std::string folder_;
};

TEST_F(ResumeRun, AQuickSaveTakenInTheCorridorResumesTheSameClubAndFrame) {
  const std::uint32_t t = LoadingTap();
  ASSERT_GT(t, 0u);
  const std::string tap = "at " + std::to_string(t + 100) + " tap 120 160\n";
  // Each case: what run A does in the corridor after resuming (times after the loading tap).
  const std::pair<const char*, std::string> cases[] = {
      {"standing", ""},
      {"walking", "at +1000 key down Right\nat +1050 key up Right\n"},
      {"typing", "at +1000 key down Right\nat +1050 key up Right\n"},
      {"mid-fade", "at +1000 key down A\nat +1050 key up A\n"},
  };
  const std::uint32_t saveAt[] = {1500, 1400, 1900, 1110};
  int k = 0;
  for (const auto& [what, actions] : cases) {
    const std::uint32_t base = t + 100;
    std::string script = tap;
    // Relative times: "+N" becomes base + N.
    std::string rel = actions;
    for (std::size_t p; (p = rel.find("at +")) != std::string::npos;) {
      std::size_t end = rel.find(' ', p + 4);
      const std::uint32_t n = static_cast<std::uint32_t>(std::stoul(rel.substr(p + 4, end - p - 4)));
      rel.replace(p, end - p, "at " + std::to_string(base + n));
    }
    script += rel;
    const std::uint32_t start = base + saveAt[k++];
    script += "at " + std::to_string(start) + " key down Start\n";
    script += "capture " + std::to_string(start + 400) + " a.png\n";
    script += "at " + std::to_string(start + 500) + " tap 190 185\n";
    const std::string before = ReadFile(QuickSavePath());
    const GameRun a = RunGame(folder_, script);
    ASSERT_EQ(a.exitCode, 0) << what << "\n" << a.output;
    const std::string savedA = ReadFile(QuickSavePath());
    ASSERT_FALSE(savedA.empty()) << what;

    // Run B: resumes A's quick save and quick-saves again before any frame runs.
    const std::string scriptB = tap + "at " + std::to_string(t + 100) + " key down Start\ncapture " +
                                std::to_string(t + 600) + " b.png\nat " + std::to_string(t + 700) + " tap 190 185\n";
    const GameRun b = RunGame(folder_, scriptB);
    ASSERT_EQ(b.exitCode, 0) << what << "\n" << b.output;
    const std::string savedB = ReadFile(QuickSavePath());
    EXPECT_EQ(savedA, savedB) << what << ": the resumed club record differs";
    EXPECT_EQ(ReadFile(folder_ + "/a.png"), ReadFile(folder_ + "/b.png")) << what << ": the resumed frame differs";
    ASSERT_GE(savedA.size(), 2u + ClubRecordBytes);
    const auto at = [&savedA](int i) { return static_cast<int>(static_cast<unsigned char>(savedA[1 + i])); };
    // The quick save caught the club in the state the case is about.
    const int state[] = {at(20) != 0, at(5) != 0, at(1) != 0};  // walking, typing, darkening
    const int wanted[4][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int f = 0; f < 3; ++f) EXPECT_EQ(state[f], wanted[k - 1][f]) << what << ", flag " << f;
    // The next case starts from A's place again.
    std::ofstream(QuickSavePath(), std::ios::binary) << before;
  }
}

// A close that comes while the script holds the clock for a file (as two linked games do) ends the
// game there and then, through its own way out: the quick save of the club is written at once.
TEST_F(ResumeRun, ASignalDuringAnAwaitEndsTheGameAtOnceWithTheQuickSaveWritten) {
  const std::uint32_t t = LoadingTap();
  ASSERT_GT(t, 0u);
  const std::string here = folder_ + "/here.txt", never = folder_ + "/never";
  std::ofstream(folder_ + "/s.txt") << "at " << t + 100 << " tap 120 160\ndump " << t + 1000 << " " << here
                                    << "\nawait " << t + 1001 << " " << never << "\n";
  const std::string command = "cd '" + folder_ + "' && exec '" + DUSKHAVEN_GAME_PATH +
                              "' --headless --script s.txt --config cfg > log.txt 2>&1";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    std::_Exit(127);
  }
  ASSERT_GT(pid, 0);
  // The dump just before the await says the game has reached it (the resume took the quick save away).
  for (int waited = 0; !fs::exists(here) && waited < 30000; waited += 10)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(fs::exists(here)) << ReadFile(folder_ + "/log.txt");
  EXPECT_FALSE(fs::exists(QuickSavePath()));
  ::kill(pid, SIGTERM);
  // Well inside the await's own limit of a minute; a game still waiting is stopped by force.
  int status = 0;
  pid_t got = 0;
  for (int waited = 0; (got = ::waitpid(pid, &status, WNOHANG)) == 0 && waited < 20000; waited += 10)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (got == 0) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
  }
  const std::string log = ReadFile(folder_ + "/log.txt");
  ASSERT_EQ(got, pid) << "the game was still waiting for " << never << "\n" << log;
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << log;
  EXPECT_EQ(log.find("did not appear"), std::string::npos) << log;
  EXPECT_FALSE(ReadFile(QuickSavePath()).empty()) << "the close wrote no quick save\n" << log;
}

}  // namespace
