// record_replay_test.cpp -- a session recorded with --record replays headless to the same frame and saves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/app/run_game.h"
#include "tests/support/game_folders.h"

namespace {

namespace fs = std::filesystem;
using testing_app::RunGame;
using testing_app::RunResult;

using test_support::ReadText;

// Every file of the SAVE folder, name and bytes.
std::string SaveFolder(const std::string& install) {
  std::string all;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(install) / "SAVE"))
    if (entry.is_regular_file()) all += entry.path().filename().string() + "\n" + ReadText(entry.path()) + "\n";
  return all;
}

// The settings file without its install folder, which differs between the runs.
std::string Settings(const std::string& config) {
  std::istringstream in(ReadText(config + "/settings.reg"));
  std::string kept;
  for (std::string line; std::getline(in, line);)
    if (line.rfind("Install_Dir", 0) != 0) kept += line + "\n";
  return kept;
}

// An install of its own for one run: the forged data shared by links, an empty SAVE folder.
std::string OwnInstall(const std::string& name) {
  const std::string install = (fs::path(testing_app::Scratch(name)) / "install").string();
  test_support::LinkedInstall(install, testing_app::ForgedInstall());
  return install;
}

// One run of the game with an install and a configuration of its own; its scripts, recordings and
// captures in its folder.
struct Session {
  std::string install, config, dir;
  explicit Session(const std::string& name)
      : install(OwnInstall(name)),
        config(testing_app::ConfigWithInstall(name + "-config", install)),
        dir(fs::path(install).parent_path().string()) {}

  // The game headless with `options`, this session's configuration, the script and, unless empty,
  // the recording's file.
  RunResult Play(const std::string& options, const std::string& script, const std::string& record) const {
    std::string arguments = "--headless ";
    if (!options.empty()) arguments += options + " ";
    arguments += "--config '" + config + "' --script " + script;
    if (!record.empty()) arguments += " --record " + record;
    return RunGame(arguments, dir);
  }
  // A recording played back as this session's script, its last frame captured into second.png.
  RunResult Replay(const std::string& recorded, const std::string& options, const std::string& record) const {
    std::ofstream(dir + "/replay.txt") << recorded << "capture end " << dir << "/second.png\n";
    return Play(options, "replay.txt", record);
  }
};

// The replay ended on the played run's last frame (first.png), with the same saves and settings.
void ExpectTheSameEnd(const Session& played, const Session& replayed) {
  const std::string firstFrame = ReadText(played.dir + "/first.png");
  ASSERT_FALSE(firstFrame.empty());
  EXPECT_TRUE(firstFrame == ReadText(replayed.dir + "/second.png")) << "the last frames differ";
  EXPECT_TRUE(SaveFolder(played.install) == SaveFolder(replayed.install)) << "the saves differ";
  EXPECT_EQ(Settings(played.config), Settings(replayed.config));
}

TEST(RecordedSession, ADuelReplaysToTheSameFrameSaveAndRecording) {
  ASSERT_TRUE(testing_app::DataSetComplete());
  const Session first("record-first");
  const std::string& dir = first.dir;
  {
    std::ofstream script(dir + "/played.txt");
    script << "seed 77\n";
    // Through the logo, the loading screen and the coin toss; cards dragged onto cells; keys pressed
    // between (Start asks to leave, A answers); the window closed at the end.
    for (int t = 1000; t <= 9000; t += 700) script << "at " << t << " tap 120 150\n";
    int t = 10000;
    for (int k = 0; k < 5; ++k, t += 1500) {
      script << "at " << t << " down " << 67 + 35 * (k % 5) << " 270\n";
      script << "at " << t + 50 << " move " << 40 * (k % 6) + 9 << " " << 58 * (k % 4) + 10 << "\n";
      script << "at " << t + 100 << " up " << 40 * (k % 6) + 9 << " " << 58 * (k % 4) + 10 << "\n";
      script << "at " << t + 700 << " press " << (k % 2 ? "Left" : "Up") << "\n";
    }
    script << "at " << t << " press Start\nat " << t + 800 << " press A\nat " << t + 3000 << " close\n";
    script << "capture end " << dir << "/first.png\n";
  }
  auto played = first.Play("--quick-game", "played.txt", "rec.txt");
  ASSERT_EQ(played.exitCode, 0) << played.output;
  const std::string recorded = ReadText(dir + "/rec.txt");
  ASSERT_NE(recorded.find("seed 77\n"), std::string::npos) << recorded;
  ASSERT_NE(recorded.find(" key down Start\n"), std::string::npos) << recorded;
  ASSERT_NE(recorded.find(" close\n"), std::string::npos) << recorded;

  // The replay: another install and configuration, the recording as its only input.
  const Session second("record-second");
  auto replayed = second.Replay(recorded, "--quick-game", "again.txt");
  ASSERT_EQ(replayed.exitCode, 0) << replayed.output;

  ASSERT_NO_FATAL_FAILURE(ExpectTheSameEnd(first, second));
  // Recording the replay gives the same input at the same ticks.
  EXPECT_EQ(ReadText(second.dir + "/again.txt"), recorded);
}

// The club played by the keys alone once the start-up is tapped through: a
// character typed on the screen's keyboard, the tutorial declined, a walk to
// the card shop, a booster bought, the card manager and the shop left.
std::string ClubWalkByKeys(const std::string& dir) {
  std::ostringstream script;
  int t = 0;
  auto press = [&](int after, const char* key, int times = 1) {
    for (int i = 0; i < times; ++i) script << "at " << (t += after) << " press " << key << "\n";
  };
  script << "seed 5\n";
  for (t = 1000; t <= 5000; t += 2000) script << "at " << t << " tap 120 150\n";
  t = 7700;
  press(300, "Down");     // the frame appears on the name field
  press(300, "Up", 3);    // up through the keyboard's rows, to H
  press(200, "Left", 7);  // A
  press(200, "A");
  press(1000, "Right");  // B
  press(200, "A");
  press(1000, "Up");  // the OK button above the keyboard
  press(300, "A");
  press(1000, "Right");  // "No" to the tutorial
  press(500, "A");
  press(3000, "Right", 2);  // walk two rooms along, to the card shop
  press(3000, "A");
  press(3000, "Down");  // the first booster
  press(300, "A");
  press(4000, "Down");  // the card manager opened on the new cards: up wraps to its back button
  press(300, "Up");
  press(300, "A");
  press(3000, "Down");  // the shop again: up wraps to its back button
  press(300, "Up");
  press(300, "A");
  script << "dump " << t + 3000 << " " << dir << "/walk.txt\nat " << t + 3500 << " close\n";
  return script.str();
}

TEST(RecordedSession, AClubWalkByKeysReplaysToTheSameFrameAndSave) {
  if (!testing_app::DataSetComplete()) GTEST_SKIP() << "no data set forged";
  const Session first("keys-walk-first");
  const std::string& dir = first.dir;
  std::ofstream(dir + "/walk-script.txt") << ClubWalkByKeys(dir) << "capture end " << dir << "/first.png\n";
  auto played = first.Play("", "walk-script.txt", "rec.txt");
  ASSERT_EQ(played.exitCode, 0) << played.output;
  const std::string state = ReadText(dir + "/walk.txt");
  EXPECT_NE(state.find("character = AB, slot 1, credits 500\n"), std::string::npos) << state;
  EXPECT_NE(state.find("clubScreen = 13\n"), std::string::npos) << state;
  EXPECT_NE(state.find("clubRoom = 3\n"), std::string::npos) << state;
  EXPECT_NE(state.find("clubScreensOpen = none\n"), std::string::npos) << state;
  const std::string recorded = ReadText(dir + "/rec.txt");
  ASSERT_NE(recorded.find(" key down Left\n"), std::string::npos) << recorded;

  const Session second("keys-walk-second");
  auto replayed = second.Replay(recorded, "", "");
  ASSERT_EQ(replayed.exitCode, 0) << replayed.output;
  EXPECT_NE(SaveFolder(first.install).find("Player1"), std::string::npos) << "no character was saved";
  ASSERT_NO_FATAL_FAILURE(ExpectTheSameEnd(first, second));
}

TEST(RecordedSession, ARecordingThatCannotBeWrittenIsSaidSo) {
  ASSERT_TRUE(testing_app::DataSetComplete());
  const std::string config = testing_app::ConfigWithInstall("record-nowhere", testing_app::ForgedInstall());
  const std::string dir = testing_app::Scratch("record-nowhere-run");
  std::ofstream(dir + "/s.txt") << "at 1000 tap 120 150\nat 2000 close\n";
  auto r = RunGame("--headless --config '" + config + "' --script s.txt --record /nonexistent/folder/rec.txt", dir);
  EXPECT_NE(r.output.find("duskhaven: cannot write the recorded input to /nonexistent/folder/rec.txt"),
            std::string::npos)
      << r.output;
}

}  // namespace

namespace {

// Lines of the recording that are stylus input ("at T down|move|up X Y").
int StylusLines(const std::string& recording) {
  std::istringstream in(recording);
  int n = 0;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string at, t, kind;
    if (words >> at >> t >> kind && at == "at" && (kind == "down" || kind == "move" || kind == "up" || kind == "tap"))
      ++n;
  }
  return n;
}

TEST(RecordedSession, AQuickDuelPlayedByKeysAloneReachesItsResultAndReplays) {
  if (!testing_app::DataSetComplete()) GTEST_SKIP() << "no data set forged";
  const Session first("keys-first");
  const std::string& dir = first.dir;
  {
    // The action key past the loading screen, through the coin toss, onto the cards and cells the cursor
    // offers, the attack targets and the box after the result (its first press shows "Ok", the next one
    // starts another quick duel); Up now and then moves the cursor a row.
    std::ofstream script(dir + "/played.txt");
    script << "seed 5\n";
    int t = 1000;
    for (int k = 0; t < 70000; ++k) {
      if (k % 3 == 2) {
        script << "at " << t << " press Up\n";
        t += 200;
      }
      script << "at " << t << " press A\n";
      t += 500;
    }
    script << "at " << t + 2000 << " close\ncapture end " << dir << "/first.png\n";
  }
  auto played = first.Play("--quick-game --trace-states", "played.txt", "rec.txt");
  ASSERT_EQ(played.exitCode, 0) << played.output;
  // The player lifted, placed and chose targets by keys; the duel ended and the box's answer began another.
  for (const char* change :
       {"TapMove -> DragCard", "DragCard -> ", "TapAttack -> AttackMove", "-> MatchOver", "MatchOver -> Settle"})
    EXPECT_NE(played.output.find(change), std::string::npos) << change << "\n" << played.output;
  const std::size_t over = played.output.find("-> MatchOver");
  EXPECT_NE(played.output.find("-> Versus", over), std::string::npos) << played.output;
  const std::string recorded = ReadText(dir + "/rec.txt");
  EXPECT_EQ(StylusLines(recorded), 0) << recorded;
  ASSERT_NE(recorded.find(" key down A\n"), std::string::npos) << recorded;

  const Session second("keys-second");
  auto replayed = second.Replay(recorded, "--quick-game --trace-states", "again.txt");
  ASSERT_EQ(replayed.exitCode, 0) << replayed.output;
  EXPECT_EQ(replayed.output, played.output) << "the duel went another way";
  ASSERT_NO_FATAL_FAILURE(ExpectTheSameEnd(first, second));
  EXPECT_EQ(ReadText(second.dir + "/again.txt"), recorded);
}

}  // namespace
