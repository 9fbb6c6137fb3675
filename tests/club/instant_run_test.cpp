// instant_run_test.cpp -- instant play in the game itself: a new character given credits by the cheat keys walks
// into instant play, beats a Guest, is paid, loses to another, quick-saves in the middle of a duel and resumes it;
// the save file is read back by duskhaven-tool after each run. The duels are played by --autoplay.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

#include "club/club.h"
#include "club/instant_play_screen.h"
#include "core/random.h"
#include "data/deck_building.h"
#include "data/duel_stats.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "gfx/message_box.h"
#include "tests/club/club_harness.h"
#include "tests/club/game_run.h"

namespace {

using game_run::Fields;

namespace fs = std::filesystem;

struct GameRun {
  int exitCode = -1;
  std::string output;
};

using game_run::ReadFile;
std::string RunShell(const std::string& command) { return game_run::RunCommand(command); }

struct Point {
  int x, y;
};
Point RightButton(const wchar_t* left, const MessageBoxLayout& layout) {
  const MessageBoxGeometry g = MessageBoxPlaces(left, L"Ok", layout);
  return {(g.rightMin + g.rightMax) / 2, (g.bandMin + g.bandMax) / 2};
}

// The script of one run, on the game's clock.
struct Script {
  std::ostringstream text;
  int t = 0;
  void Tap(int x, int y, int after = 400) {
    t += after;
    text << "at " << t << " tap " << x << " " << y << "\n";
  }
  void Press(const char* key, int after = 250) {
    t += after;
    text << "at " << t << " press " << key << "\n";
  }
};

// A game folder of its own with a new character in slot 1 (700 credits, the
// first sixteen cards as its deck) standing in front of instant play.
class InstantRun : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpClub();
    folder_ = fs::temp_directory_path().string() + "/duskhaven-instant-run-" + std::to_string(::getpid());
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
    for (int id = 1; id <= 16; ++id) AddCopy(tess, id);
    SeedRandom(1);  // the deck's order is drawn: the same whichever test runs first
    ASSERT_TRUE(QuickDeck(tess));
    WriteCharacter(tess);
    RunClubFrames(1000);  // standing, the description typed
    std::vector<std::uint8_t> quick = {1};
    const std::vector<std::uint8_t> club = ClubStateBytes();
    quick.insert(quick.end(), club.begin(), club.end());
    quick.push_back(1);  // in the club
    std::ofstream(QuickSavePath(), std::ios::binary)
        .write(reinterpret_cast<const char*>(quick.data()), static_cast<std::streamsize>(quick.size()));
  }
  void TearDown() override {
    if (!::testing::Test::HasFailure()) fs::remove_all(folder_);
  }
  void WriteCharacter(const PlayerRecord& record) {
    const std::vector<std::uint8_t> bytes = EncodeCharacterFile(record, DuelStatistics{});
    std::ofstream(folder_ + "/inst/SAVE/Player1.QXP", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  std::string QuickSavePath() const { return folder_ + "/inst/SAVE/QuickSave.QXP"; }

  // Runs the script (and its dump at the end); the dump's fields.
  std::map<std::string, std::string> Play(const Script& s, const std::string& name, const std::string& options = "",
                                          int* exitCode = nullptr) {
    const std::string script = folder_ + "/" + name + ".txt", dump = folder_ + "/" + name + ".dump";
    std::ofstream(script) << "seed " << seed << "\n"
                          << s.text.str() << "dump " << s.t + 300 << " " << dump << "\nat " << s.t + 400 << " close\n";
    GameRun run;
    const std::string command = "cd '" + folder_ + "' && '" DUSKHAVEN_GAME_PATH "' --headless --config cfg " + options +
                                " --script '" + script + "' 2>&1; echo \"exit $?\"";
    run.output = RunShell(command);
    std::smatch m;
    if (std::regex_search(run.output, m, std::regex("exit ([0-9]+)\\s*$"))) run.exitCode = std::stoi(m[1]);
    if (exitCode)
      *exitCode = run.exitCode;
    else
      EXPECT_EQ(run.exitCode, 0) << run.output;
    return Fields(ReadFile(dump));
  }
  // The save file of slot 1 as duskhaven-tool reads it: "key value" lines.
  std::map<std::string, std::string> SavedFile() {
    std::map<std::string, std::string> fields;
    std::istringstream in(RunShell("'" DUSKHAVEN_TOOL_PATH "' save --data '" + folder_ + "/inst' '" + folder_ +
                                   "/inst/SAVE/Player1.QXP'"));
    for (std::string line; std::getline(in, line);) {
      const std::size_t space = line.find(' ');
      fields[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
    }
    return fields;
  }

  std::string folder_;
  int seed = 5;
  // A seed with which the weakest player loses to the last Guest.
  int lossSeed = 5;
};

// Past the loading screen, the cheat switched on, 10000 credits found.
void CheatCredits(Script& s) {
  s.Tap(120, 160, 7500);
  for (const char* key : {"Left", "Right", "Left", "Right", "Up", "Down", "Up"}) s.Press(key);
  const Point ok = RightButton(L"", MessageBoxLayout{});
  s.Tap(ok.x, ok.y, 600);  // "Cheat Code ON !"
  for (const char* key : {"Up", "Right", "Down", "Left"}) s.Press(key);
}

// From the corridor in front of instant play: the room, the Guest list, row `row`'s challenge.
void ToChallenge(Script& s, int row) {
  s.Tap(120, 100, 1500);
  s.Tap(40, InstantRowY(row) + 5, 3000);
  s.t += 1500;
}

// The duel under autoplay for `seconds`, the hand-over boxes answered as they come
// (the player's taps are ignored by the duel itself).
void AnswerDuelBoxes(Script& s, int seconds) {
  MessageBoxLayout handOver;
  handOver.x = 10;
  handOver.y = 0;
  handOver.w = 220;
  handOver.h = 80;
  const Point notice = RightButton(L"", handOver), question = RightButton(L"Cancel", handOver);
  for (int k = 0; k < seconds * 2; ++k) s.Tap(k % 2 ? question.x : notice.x, k % 2 ? question.y : notice.y, 500);
}

constexpr int OkX = 8, OkY = 308;

// The "stats CLASS ROW V T D" lines of the tool's report, keyed by "CLASS ROW".
std::map<std::string, std::string> StatsLines(const std::string& report) {
  std::map<std::string, std::string> stats;
  std::istringstream in(report);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("stats ", 0) != 0) continue;
    std::istringstream fields(line.substr(6));
    std::string c, r, rest;
    fields >> c >> r;
    std::getline(fields >> std::ws, rest);
    stats[c + " " + r] = rest;
  }
  return stats;
}

TEST_F(InstantRun, TheCheatsCreditsPayTheBetBeforeTheDuel) {
  Script s;
  CheatCredits(s);
  ToChallenge(s, 0);
  s.Tap(OkX, OkY, 0);
  s.t += 1000;
  auto shown = Play(s, "bet");
  EXPECT_EQ(shown["character"], "TESS, slot 1, credits 10690");
  EXPECT_EQ(shown["inClub"], "0");
  EXPECT_EQ(shown["clubScreensOpen"], "instantPlay challenge");
  EXPECT_EQ(shown["challenge"], "class 0, row 0, duelStarted 1, tutorial 0");
  EXPECT_EQ(SavedFile()["credits"], "10690");
}

TEST_F(InstantRun, AGuestBeatenPaysFortyAndALossPaysNothingAsTheSaveFileSays) {
  // An Elite player of the top tier beats the first Guest.
  Script s;
  CheatCredits(s);
  ToChallenge(s, 0);
  s.Tap(OkX, OkY, 0);
  AnswerDuelBoxes(s, 90);
  auto shown = Play(s, "win", "--autoplay elite:3");
  ASSERT_EQ(shown["inClub"], "1");
  EXPECT_EQ(shown["challenge"], "class 0, row 0, duelStarted 0, tutorial 0");
  EXPECT_EQ(shown["character"], "TESS, slot 1, credits 10730");
  std::string report =
      RunShell("'" DUSKHAVEN_TOOL_PATH "' save --data '" + folder_ + "/inst' '" + folder_ + "/inst/SAVE/Player1.QXP'");
  auto stats = StatsLines(report);
  EXPECT_EQ(stats.size(), 1u) << report;
  EXPECT_EQ(stats["0 0"], "1 0 0");
  EXPECT_EQ(SavedFile()["credits"], "10730");

  // The next run resumes at the challenge; the weakest player takes on the last Guest.
  Script t;
  t.Tap(120, 160, 7500);
  t.Press("Left", 1000);  // the keys browse the class: row 14
  t.Tap(OkX, OkY, 1000);
  AnswerDuelBoxes(t, 90);
  seed = lossSeed;
  shown = Play(t, "loss", "--autoplay guest:0");
  ASSERT_EQ(shown["inClub"], "1");
  EXPECT_EQ(shown["challenge"], "class 0, row 14, duelStarted 0, tutorial 0");
  EXPECT_EQ(shown["character"], "TESS, slot 1, credits 10720");
  report =
      RunShell("'" DUSKHAVEN_TOOL_PATH "' save --data '" + folder_ + "/inst' '" + folder_ + "/inst/SAVE/Player1.QXP'");
  stats = StatsLines(report);
  EXPECT_EQ(stats["0 0"], "1 0 0");
  EXPECT_EQ(stats["0 14"], "0 0 1") << report;
  EXPECT_EQ(SavedFile()["credits"], "10720");
}

TEST_F(InstantRun, ADuelQuickSavedHalfwayIsBookedOnceAfterItsResumed) {
  Script a;
  CheatCredits(a);
  ToChallenge(a, 3);
  a.Tap(OkX, OkY, 0);
  a.t += 12000;  // the duel is under way when the window closes
  auto shown = Play(a, "half", "--autoplay elite:3");
  ASSERT_EQ(shown["inClub"], "0");
  ASSERT_TRUE(fs::exists(QuickSavePath()));
  EXPECT_EQ(SavedFile()["credits"], "10690");

  Script b;
  b.Tap(120, 160, 7500);
  AnswerDuelBoxes(b, 90);
  shown = Play(b, "resumed", "--autoplay elite:3");
  ASSERT_EQ(shown["inClub"], "1");
  EXPECT_EQ(shown["challenge"], "class 0, row 3, duelStarted 0, tutorial 0");
  const auto stats = StatsLines(
      RunShell("'" DUSKHAVEN_TOOL_PATH "' save --data '" + folder_ + "/inst' '" + folder_ + "/inst/SAVE/Player1.QXP'"));
  ASSERT_EQ(stats.size(), 1u);
  const std::string booked = stats.at("0 3");
  const std::map<std::string, std::string> credits = {{"1 0 0", "10730"}, {"0 1 0", "10700"}, {"0 0 1", "10690"}};
  ASSERT_TRUE(credits.count(booked)) << booked;
  EXPECT_EQ(SavedFile()["credits"], credits.at(booked));

  // Resumed once more: nothing is booked again.
  Script c;
  c.Tap(120, 160, 7500);
  c.t += 2000;
  shown = Play(c, "again");
  EXPECT_EQ(StatsLines(RunShell("'" DUSKHAVEN_TOOL_PATH "' save --data '" + folder_ + "/inst' '" + folder_ +
                                "/inst/SAVE/Player1.QXP'"))
                .at("0 3"),
            booked);
  EXPECT_EQ(SavedFile()["credits"], credits.at(booked));
}

// The duel played by the action key alone: cards lifted and placed, targets chosen and the hand-over boxes
// answered by keys; the club, before and after, by the stylus. A first run finds when the duel is left
// (dumps every half second); the second presses the key only until then, so nothing after the duel is by key.
TEST_F(InstantRun, ADuelPlayedByKeysIsBookedInTheSaveFile) {
  Script s;
  CheatCredits(s);
  ToChallenge(s, 0);
  s.Tap(OkX, OkY, 0);
  const int from = s.t;
  fs::create_directories(folder_ + "/keys");
  auto duel = [&](int until) {
    std::string lines;
    for (int t = from + 500; t < until; t += 500)
      lines += "at " + std::to_string(t) + " press A\ndump " + std::to_string(t + 250) + " " + folder_ + "/keys/" +
               std::to_string(t + 250) + "\n";
    return lines;
  };
  Script probe;
  probe.text << s.text.str() << duel(from + 150000);
  probe.t = from + 150000;
  // The second run starts from the same saves and settings as the first.
  fs::copy(folder_ + "/inst/SAVE", folder_ + "/save-before", fs::copy_options::recursive);
  fs::copy(folder_ + "/cfg/settings.reg", folder_ + "/settings-before.reg");
  Play(probe, "keys-probe");
  int began = 0, back = 0;
  for (int t = from + 750; t < from + 150000 && !back; t += 500) {
    const std::string inClub = Fields(ReadFile(folder_ + "/keys/" + std::to_string(t)))["inClub"];
    if (!began && inClub == "0") began = t;
    if (began && inClub == "1") back = t;
  }
  ASSERT_GT(began, 0) << "the duel never began";
  ASSERT_GT(back, 0) << "the duel by keys never ended";

  fs::remove_all(folder_ + "/inst/SAVE");
  fs::copy(folder_ + "/save-before", folder_ + "/inst/SAVE", fs::copy_options::recursive);
  fs::copy_file(folder_ + "/settings-before.reg", folder_ + "/cfg/settings.reg", fs::copy_options::overwrite_existing);
  Script played;
  played.text << s.text.str() << duel(back);
  played.t = back + 2000;
  auto shown = Play(played, "keys");
  EXPECT_EQ(shown["inClub"], "1");
  EXPECT_EQ(shown["challenge"], "class 0, row 0, duelStarted 0, tutorial 0");
  const auto stats = StatsLines(
      RunShell("'" DUSKHAVEN_TOOL_PATH "' save --data '" + folder_ + "/inst' '" + folder_ + "/inst/SAVE/Player1.QXP'"));
  ASSERT_EQ(stats.size(), 1u);
  const std::string booked = stats.at("0 0");
  const std::map<std::string, std::string> credits = {{"1 0 0", "10730"}, {"0 1 0", "10700"}, {"0 0 1", "10690"}};
  ASSERT_TRUE(credits.count(booked)) << booked;
  EXPECT_EQ(SavedFile()["credits"], credits.at(booked));
  EXPECT_EQ(shown["character"], "TESS, slot 1, credits " + credits.at(booked));
}

}  // namespace
