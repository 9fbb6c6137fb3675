// final_run_test.cpp -- the card master played by the game itself: a character written by duskhaven-tool goes
// through the Hell gate, the computer plays its side of the boss duel (--autoplay), and the runs end at the
// character screen after the credits, in the corridor after the dismissal, or resume a quick save taken mid-duel.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "data/save_file.h"
#include "gfx/message_box.h"
#include "tests/club/club_harness.h"
#include "tests/club/game_run.h"

namespace {

using game_run::Fields;
using game_run::ReadFile;

namespace fs = std::filesystem;

struct GameRun {
  int exitCode = -1;
  std::string output;
  std::uint32_t stoppedAt = 0;  // when the script ran out
  std::string waitingFor;       // what the game was waiting for then
};

struct Point {
  int x, y;
};
Point RightOf(const MessageBoxGeometry& g) { return {(g.rightMin + g.rightMax) / 2, (g.bandMin + g.bandMax) / 2}; }

std::string Tap(std::uint32_t t, Point p) {
  return "at " + std::to_string(t) + " tap " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
}
std::string Key(std::uint32_t t, const char* key) {
  return "at " + std::to_string(t) + " key down " + key + "\nat " + std::to_string(t + 50) + " key up " + key + "\n";
}

// A game folder of its own: settings (sound off) naming an install folder
// that links the forged data set and keeps its own saves.
class FinalRun : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpClub();  // the font, for the boxes' button places
    folder_ = fs::temp_directory_path().string() + "/duskhaven-final-run-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder_);
    fs::create_directories(folder_ + "/cfg");
    fs::create_directories(folder_ + "/inst/SAVE");
    fs::create_directories(folder_ + "/dumps");
    for (const fs::directory_entry& e : fs::directory_iterator(DUSKHAVEN_CLUB_TEST_DATA))
      if (e.path().filename() != "SAVE")
        fs::create_symlink(e.path(), folder_ + "/inst/" + e.path().filename().string());
    std::ofstream(folder_ + "/cfg/settings.reg")
        << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << folder_ << "/inst\"\nVolume = dword:00000000\n";
    gateOk_ = RightOf(MessageBoxPlaces(L"Cancel", L"Ok", MessageBoxLayout{}));
    quitOk_ = {190, 185};
    MessageBoxLayout reward;
    reward.x = 10;
    reward.y = 0;
    reward.w = 220;
    reward.h = 80;
    rewardOk_ = RightOf(MessageBoxPlaces(L"", L"Ok", reward));
  }
  void TearDown() override {
    if (!std::getenv("DUSKHAVEN_KEEP_RUNS")) fs::remove_all(folder_);
  }

  // duskhaven-tool writes the character in slot 1.
  void MakeCharacter(const std::string& options) {
    const std::string command = "'" DUSKHAVEN_TOOL_PATH "' character --data '" + folder_ +
                                "/inst' --gate --name MARLA " + options + " --out '" + folder_ +
                                "/inst/SAVE/Player1.QXP' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    keepCharacter_ = ReadFile(folder_ + "/inst/SAVE/Player1.QXP");
  }

  GameRun Run(const std::string& script, const std::string& autoplay) {
    // Every start that resumes a quick save deletes it: each run of a resumed game gets it back.
    // The gate's fee is saved at once: every run starts from the character as it was.
    std::ofstream(folder_ + "/inst/SAVE/Player1.QXP", std::ios::binary) << keepCharacter_;
    if (!keepQuickSave_.empty())
      std::ofstream(folder_ + "/inst/SAVE/QuickSave.QXP", std::ios::binary) << keepQuickSave_;
    std::ofstream(folder_ + "/s.txt") << "seed 3\n" << script;
    const std::string command = "cd '" + folder_ +
                                "' && '" DUSKHAVEN_GAME_PATH "' --headless --config cfg --autoplay " + autoplay +
                                " --script s.txt";
    GameRun run;
    run.output = game_run::RunCommand(command, &run.exitCode);
    std::smatch m;
    if (std::regex_search(run.output, m, std::regex("ended at ([0-9]+) ms while the game waits for ([^\n]*)"))) {
      run.stoppedAt = static_cast<std::uint32_t>(std::stoul(m[1]));
      run.waitingFor = m[2];
    }
    return run;
  }

  // Taps through the start-up's waits for a tap (logo, loading screen); the
  // script so far, and the time of the last tap.
  std::string PastStartUp(const std::string& autoplay, std::uint32_t& last) {
    std::string script;
    last = 0;
    for (int i = 0; i < 4; ++i) {
      const GameRun r = Run(script, autoplay);
      if (r.waitingFor.find("WaitForTap") == std::string::npos) break;
      last = r.stoppedAt + 100;
      script += Tap(last, {120, 160});
    }
    return script;
  }

  // From a fresh start: the character chosen, one step right to the Hell
  // gate, the gate's question answered "Ok", and the first tap in the lair.
  std::string IntoTheLair(const std::string& autoplay, std::uint32_t& lairTap) {
    std::uint32_t t = 0;
    std::string script = PastStartUp(autoplay, t);
    script += Tap(t + 2000, {20, 240});  // OK on the character screen, slot 1 chosen
    script += Key(t + 4100, "Right");
    script += Key(t + 6100, "A");
    script += Tap(t + 6600, gateOk_);
    lairTap = t + 8000;
    script += Tap(lairTap, {120, 160});
    return script;
  }

  // The first moment after `from` at which the duel stands in its hand-over
  // box (ApplyReward), found from dumps every half second; 0 when none. The
  // dumps up to that moment stay in the script: the game's passes follow the
  // script's events, so the duel plays the same only with the same events.
  std::uint32_t RewardBoxTime(std::string& script, const std::string& autoplay, std::uint32_t from) {
    fs::remove_all(folder_ + "/dumps");
    fs::create_directories(folder_ + "/dumps");
    const std::uint32_t to = from + 300000;
    auto dumps = [&](std::uint32_t until) {
      std::string lines;
      for (std::uint32_t t = from; t <= until; t += 500)
        lines += "dump " + std::to_string(t) + " dumps/" + std::to_string(t) + "\n";
      return lines;
    };
    Run(script + dumps(to), autoplay);
    for (std::uint32_t t = from; t < to; t += 500) {
      const auto f = Fields(ReadFile(folder_ + "/dumps/" + std::to_string(t)));
      if (f.count("matchState") && f.at("matchState") == "32") {
        script += dumps(t);
        return t;
      }
    }
    return 0;
  }

  // Runs the script to the box it leads to and answers it there; false when no box waits.
  bool AnswerBox(std::string& script, const std::string& autoplay, Point button) {
    const GameRun r = Run(script, autoplay);
    if (r.waitingFor != "a button of the message box") {
      ADD_FAILURE() << "no box to answer:\n" << r.output;
      return false;
    }
    script += Tap(r.stoppedAt + 100, button);
    return true;
  }

  std::map<std::string, std::string> Dump(const std::string& name) { return Fields(ReadFile(folder_ + "/" + name)); }
  SavedCharacter Saved() {
    const std::string bytes = ReadFile(folder_ + "/inst/SAVE/Player1.QXP");
    return DecodeCharacterFile(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  }
  std::string Capture(std::uint32_t t, const std::string& file) const {
    return "capture " + std::to_string(t) + " " + file + "\n";
  }

  std::string folder_;
  std::string keepCharacter_, keepQuickSave_;
  Point gateOk_{}, quitOk_{}, rewardOk_{};
};

TEST_F(FinalRun, AWinRunsTheEndingAndTheCreditsToTheCharacterScreen) {
  MakeCharacter("--deck strong");
  std::uint32_t lair = 0;
  std::string script = IntoTheLair("elite:3", lair);
  const std::uint32_t box = RewardBoxTime(script, "elite:3", lair + 20000);
  ASSERT_GT(box, 0u) << "the boss duel never reached its hand-over";
  script += "dump " + std::to_string(box + 50) + " won.txt\n";
  script += Tap(box + 100, rewardOk_);
  script += Capture(box + 1500, "shake.png") + Capture(box + 60000, "end.png");
  script += "dump " + std::to_string(box + 60000) + " end.txt\n";
  const GameRun r = Run(script, "elite:3");
  EXPECT_EQ(r.waitingFor, "input in the main loop") << r.output;
  const auto won = Dump("won.txt");
  EXPECT_EQ(won.at("matchResult"), "1");  // side 1, the player
  EXPECT_EQ(won.at("finalPhase"), "1");
  const auto end = Dump("end.txt");
  EXPECT_EQ(end.at("inClub"), "1");
  EXPECT_EQ(end.at("clubScreen"), "8");
  EXPECT_EQ(end.at("clubScreensOpen"), "character");
  EXPECT_EQ(end.at("clubPosition"), "44");
  // Charged once at the gate; the boss's card was handed over.
  const SavedCharacter saved = Saved();
  ASSERT_TRUE(saved.valid);
  EXPECT_EQ(saved.record.credits, 0);
  EXPECT_EQ(saved.record.cardTotal, 345);
  EXPECT_FALSE(ReadFile(folder_ + "/shake.png").empty());
  EXPECT_FALSE(ReadFile(folder_ + "/end.png").empty());
}

TEST_F(FinalRun, ALossIsDismissedToTheCorridorAndANewAttemptPaysAgain) {
  MakeCharacter("--deck weak --credits 100000 --copies 2");
  std::uint32_t lair = 0;
  std::string script = IntoTheLair("guest:0", lair);
  const std::uint32_t box = RewardBoxTime(script, "guest:0", lair + 20000);
  ASSERT_GT(box, 0u) << "the boss duel never reached its hand-over";
  script += "dump " + std::to_string(box + 50) + " lost.txt\n";
  // One of the two copies of the card is gone.
  script += Tap(box + 100, rewardOk_);
  script += Capture(box + 3000, "scorn.png");
  script += "dump " + std::to_string(box + 25000) + " corridor.txt\n";
  // Standing at the gate again (still every card): it asks and charges again, and the lair opens at its beginning.
  script += Key(box + 25100, "A");
  ASSERT_TRUE(AnswerBox(script, "guest:0", gateOk_));
  script += "dump " + std::to_string(box + 30000) + " again.txt\n";
  const GameRun r = Run(script, "guest:0");
  EXPECT_EQ(Dump("lost.txt").at("matchResult"), "0");
  const auto corridor = Dump("corridor.txt");
  EXPECT_EQ(corridor.at("inClub"), "1");
  EXPECT_EQ(corridor.at("clubScreen"), "13");
  EXPECT_EQ(corridor.at("clubRoom"), "2");
  EXPECT_EQ(corridor.at("clubScreensOpen"), "none");
  EXPECT_EQ(corridor.at("character"), "MARLA, slot 1, credits 50000");
  const auto again = Dump("again.txt");
  EXPECT_EQ(again.at("clubScreen"), "2") << r.output;
  EXPECT_EQ(again.at("finalPhase"), "0");
  EXPECT_EQ(again.at("character"), "MARLA, slot 1, credits 0");
  EXPECT_EQ(Saved().record.credits, 0);
  EXPECT_EQ(Saved().record.cardTotal, 2 * 344 - 1);
}

TEST_F(FinalRun, AQuickSaveInTheBossDuelResumesToABookedResult) {
  MakeCharacter("--deck strong");
  std::uint32_t lair = 0;
  std::string script = IntoTheLair("elite:3", lair);
  // Well inside the duel (the scene takes about a minute): Start, and "Ok"
  // writes the quick save and ends the game.
  const std::uint32_t quit = lair + 80000;
  script += "dump " + std::to_string(quit - 10) + " before.txt\n";
  // Start pressed a few times: a press that comes while a computer turn or
  // an animation holds the main loop can be flushed with the pending input.
  for (std::uint32_t k = 0; k < 8; ++k) script += Key(quit + 700 * k, "Start");
  ASSERT_TRUE(AnswerBox(script, "elite:3", quitOk_));
  const GameRun a = Run(script, "elite:3");
  ASSERT_EQ(a.exitCode, 0) << a.output;
  const auto before = Dump("before.txt");
  ASSERT_EQ(before.at("inClub"), "0");
  ASSERT_EQ(before.at("finalPhase"), "1");
  ASSERT_TRUE(fs::exists(folder_ + "/inst/SAVE/QuickSave.QXP"));
  keepQuickSave_ = ReadFile(folder_ + "/inst/SAVE/QuickSave.QXP");
  keepCharacter_ = ReadFile(folder_ + "/inst/SAVE/Player1.QXP");

  // The next start resumes the duel in the lair; it is played out and booked.
  std::uint32_t t = 0;
  std::string resume = PastStartUp("elite:3", t);
  resume += "dump " + std::to_string(t + 500) + " resumed.txt\n";
  const std::uint32_t resumedBox = RewardBoxTime(resume, "elite:3", t + 1000);
  ASSERT_GT(resumedBox, 0u) << "the resumed duel never reached its hand-over";
  resume += Tap(resumedBox + 100, rewardOk_);
  resume += "dump " + std::to_string(resumedBox + 60000) + " end.txt\n";
  const GameRun b = Run(resume, "elite:3");
  const auto resumed = Dump("resumed.txt");
  EXPECT_EQ(resumed.at("clubScreen"), "2");
  EXPECT_EQ(resumed.at("finalPhase"), "1");
  EXPECT_EQ(resumed.at("inClub"), "0");
  const auto end = Dump("end.txt");
  EXPECT_EQ(end.at("clubScreen"), "8") << b.output;
  EXPECT_EQ(end.at("clubScreensOpen"), "character");
  EXPECT_EQ(Saved().record.credits, 0);
}

}  // namespace
