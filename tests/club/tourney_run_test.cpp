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
#include "core/random.h"
#include "data/card_database.h"
#include "data/deck_building.h"
#include "data/duel_stats.h"
#include "data/quick_save.h"
#include "data/save_file.h"
#include "gfx/message_box.h"
#include "platform/file_system.h"
#include "tests/club/game_run.h"
#include "tests/club/room_harness.h"

namespace {

using game_run::Fields;
using game_run::RunCommand;

namespace fs = std::filesystem;

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

struct Point {
  int x, y;
};
Point ButtonOf(const wchar_t* left, const wchar_t* right, bool rightOne, int x, int y, int w, int h) {
  MessageBoxLayout layout;
  layout.x = static_cast<std::int16_t>(x);
  layout.y = static_cast<std::int16_t>(y);
  layout.w = static_cast<std::uint16_t>(w);
  layout.h = static_cast<std::uint16_t>(h);
  const MessageBoxGeometry g = MessageBoxPlaces(left, right, layout);
  return rightOne ? Point{(g.rightMin + g.rightMax) / 2, (g.bandMin + g.bandMax) / 2}
                  : Point{(g.leftMin + g.leftMax) / 2, (g.bandMin + g.bandMax) / 2};
}

// Where a person would keep tapping through a tournament whose duels play
// themselves: the Ok of each box a duel's hand-over or the room shows, and
// Next. None of them is a button of the room's other places.
std::vector<Point> TournamentTaps() {
  return {ButtonOf(L"", L"Ok", true, 10, 0, 220, 80),
          ButtonOf(L"Cancel", L"Ok", true, 10, 0, 220, 80),
          ButtonOf(L"", L"Ok", true, 40, 120, 160, 80),
          ButtonOf(L"Ok", L"", false, 40, 120, 160, 80),
          {StartNextX, ButtonY}};
}

// "tournament = ..." fields of a dump as numbers by name ("state" -> 5).
int Field(const std::string& line, const std::string& name) {
  const std::size_t at = line.find(name + " ");
  return at == std::string::npos ? -1 : std::stoi(line.substr(at + name.size() + 1));
}

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
  void CharacterAtTheGuestTable(std::int32_t credits, bool strong = false) {
    SetUpRoom();
    // Twenty cards of the first level, or of the strongest.
    const int first = strong ? CardCount() / 4 * 3 + 1 : 1;
    for (int id = first; id < first + 20; ++id) AddCopy(CurrentPlayer, id);
    SeedRandom(1);  // the quick deck draws
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
    // Every run from the same settings (a run writes its own back at the end).
    std::ofstream(config + "/settings.reg") << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << install << "\"\n";
    std::ofstream(script) << "seed 5\n"
                          << s.text.str() << "dump " << s.t + 1500 << " " << dump << "\nat " << s.t + 1600
                          << " close\n";
    int code = -1;
    output = RunCommand(
        "'" DUSKHAVEN_GAME_PATH "' --headless --config '" + config + "' --script '" + script + "' " + options, &code);
    EXPECT_EQ(code, 0) << output;
    std::ifstream in(dump);
    std::stringstream text;
    text << in.rdbuf();
    return Fields(text.str());
  }
  // Taps through the tournament every 250 ms from the script's time to `until`,
  // with a dump every second (name-N.dump, N the time).
  void TapThrough(Script& s, int until, const std::string& name) {
    const std::vector<Point> taps = TournamentTaps();
    for (int k = 0; s.t < until; ++k) {
      s.Tap(taps[static_cast<std::size_t>(k) % taps.size()].x, taps[static_cast<std::size_t>(k) % taps.size()].y, 250);
      if (s.t % 1000 == 0) s.text << "dump " << s.t << " " << install << "/" << name << "-" << s.t << ".dump\n";
    }
  }
  std::map<std::string, std::string> DumpAt(const std::string& name, int t) {
    std::ifstream in(install + "/" + name + "-" + std::to_string(t) + ".dump");
    std::stringstream text;
    text << in.rdbuf();
    return Fields(text.str());
  }
  // The first dump from `from` on whose fields pass `done`; its time, or -1.
  template <typename Done>
  int FirstDump(const std::string& name, int from, int until, Done done) {
    for (int t = (from + 999) / 1000 * 1000; t <= until; t += 1000) {
      auto f = DumpAt(name, t);
      if (!f.empty() && done(f)) return t;
    }
    return -1;
  }
  std::string install, config, output;
  int resultCredits = 0;
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

// The duels play themselves (--autoplay); the script only taps the boxes' Ok
// and Next, as a person watching would. The tournament runs through all its
// rounds to the closing message and its prize; the state dumps and the save
// file agree.
TEST_F(TourneyRunTest, AWholeGuestTournamentWithItsDuelsAutoplayedEndsWithAPrize) {
  const int until = 300000;
  CharacterAtTheGuestTable(5000, true);
  Script s;
  s.Tap(120, 100, 7500);
  s.Tap(120, 100, 2500);
  s.Tap(StartNextX, ButtonY, 2000);  // Start
  const int joined = s.t;
  TapThrough(s, until, "whole");
  Play(s, "whole", "--autoplay elite:3");
  // The first pass after the closing Next: not entered any more, one tournament played.
  const int closed = FirstDump("whole", joined, until, [](auto& f) {
    return Field(f["tournament"], "state") == 7 && Field(f["tourneys"], "played") == 1;
  });
  if (closed < 0) {
    std::string seen;
    for (int t = 5000; t <= until; t += 1000) {
      auto f = DumpAt("whole", t);
      seen += std::to_string(t) + ": " + f["clubScreen"] + " | " + f["tournament"] + " | " + f["tourneys"] + " | " +
              f["character"] + "\n";
    }
    FAIL() << "the tournament did not close\n" << seen << output;
  }
  auto end = DumpAt("whole", closed);
  // Every round was reached: the dump just before shows the winner.
  const int winner = FirstDump("whole", joined, until, [](auto& f) { return Field(f["tournament"], "round") == 4; });
  EXPECT_GT(winner, 0);
  EXPECT_LT(winner, closed);
  auto before = DumpAt("whole", winner);
  const int roundsWon = Field(before["tournament"], "roundsWon");
  const int prize = roundsWon == 4 ? 2000 : roundsWon == 3 ? 1000 : 0;
  EXPECT_GE(roundsWon, 3) << "no prize";
  EXPECT_EQ(end["character"], "Tester, slot 1, credits " + std::to_string(4700 + prize));
  EXPECT_EQ(end["tourneys"], std::string("won ") + (roundsWon == 4 ? "1" : "0") + ", played 1");
  resultCredits = 4700 + prize;
}

// A quick save taken while the final's results are shown (the window closed)
// resumes in a new process with the same bracket, round and rounds won, and
// the tournament closes with the same prize as the run that was never
// stopped, paid once. (A new process draws anew, so a save before a duel
// could fairly end otherwise; the room's own test replays equal draws.)
TEST_F(TourneyRunTest, AQuickSaveBetweenRoundsResumesToTheSamePrize) {
  const int until = 300000;
  CharacterAtTheGuestTable(5000, true);
  Script a;
  a.Tap(120, 100, 7500);
  a.Tap(120, 100, 2500);
  a.Tap(StartNextX, ButtonY, 2000);
  const int joined = a.t;
  TapThrough(a, until, "straight");
  Play(a, "straight", "--autoplay elite:3");
  const int closed = FirstDump("straight", joined, until, [](auto& f) {
    return Field(f["tournament"], "state") == 7 && Field(f["tourneys"], "played") == 1;
  });
  ASSERT_GT(closed, 0) << output;
  const std::string straightCredits = DumpAt("straight", closed)["character"];
  // The final's results on screen: every duel is over, the prize not paid yet.
  const int between = FirstDump("straight", joined, closed, [](auto& f) {
    return Field(f["tournament"], "state") == 5 && Field(f["tournament"], "round") == 3;
  });
  ASSERT_GT(between, 0);
  auto atSave = DumpAt("straight", between);

  // The same run up to then, closed there: the quick save is written.
  CharacterAtTheGuestTable(5000, true);
  Script b;
  b.Tap(120, 100, 7500);
  b.Tap(120, 100, 2500);
  b.Tap(StartNextX, ButtonY, 2000);
  TapThrough(b, between, "stopped");
  auto stopped = Play(b, "stopped", "--autoplay elite:3");
  EXPECT_EQ(stopped["tournament"], atSave["tournament"]);
  EXPECT_EQ(stopped["bracket"], atSave["bracket"]);
  ASSERT_TRUE(fs::exists(install + "/SAVE/QuickSave.QXP"));

  // A new start resumes in the room, results shown, and taps on to the end.
  Script c;
  c.Tap(120, 100, 7500);
  const int resumed = c.t;
  TapThrough(c, until, "resumed");
  Play(c, "resumed", "--autoplay elite:3");
  auto first = DumpAt("resumed", (resumed + 999) / 1000 * 1000);
  EXPECT_EQ(first["bracket"], atSave["bracket"]) << output;
  const int end = FirstDump("resumed", resumed, until, [](auto& f) {
    return Field(f["tournament"], "state") == 7 && Field(f["tourneys"], "played") == 1;
  });
  ASSERT_GT(end, 0) << output;
  EXPECT_EQ(DumpAt("resumed", end)["character"], straightCredits);
}
