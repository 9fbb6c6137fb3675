// autoplay_run_test.cpp -- the built game with --autoplay: its argument, and a whole duel replayed identically.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "match/match_state_change.h"
#include "tests/app/run_game.h"

namespace {

using testing_app::RunGame;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(AutoplayArgument, BadValuesAreRefusedWithOneLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"--autoplay", "duskhaven: --autoplay needs a value (see --help)\n"},
      {"--autoplay elite",
       "duskhaven: --autoplay takes CLASS:TIER (guest, member or elite, then a tier 0..3), not 'elite' (see --help)\n"},
      {"--autoplay boss:1",
       "duskhaven: --autoplay: the class must be guest, member or elite (or 0, 1, 2), not 'boss' (see --help)\n"},
      {"--autoplay 3:0",
       "duskhaven: --autoplay: the class must be guest, member or elite (or 0, 1, 2), not '3' (see --help)\n"},
      {"--autoplay member:4", "duskhaven: --autoplay: the tier must be 0, 1, 2 or 3, not '4' (see --help)\n"},
      {"--autoplay guest:", "duskhaven: --autoplay: the tier must be 0, 1, 2 or 3, not '' (see --help)\n"},
      {"--autoplay guest:01", "duskhaven: --autoplay: the tier must be 0, 1, 2 or 3, not '01' (see --help)\n"},
  };
  for (const auto& [args, line] : cases) {
    auto r = RunGame(args);
    EXPECT_EQ(r.exitCode, 2) << args;
    EXPECT_EQ(r.output, line) << args;
  }
  auto help = RunGame("--help");
  EXPECT_NE(help.output.find("--autoplay CLASS:TIER"), std::string::npos);
}

// One headless quick game with the local side on autoplay: taps only for the
// logo and loading screens, a dump and a capture once the duel is over.
struct AutoplayRun {
  int exitCode = -1;
  std::string output, dump, middle, end;
};

AutoplayRun PlayOnce(const std::string& name, const std::string& who, const std::string& more = "") {
  const std::string config = testing_app::ConfigWithInstall(name, testing_app::ForgedInstall());
  std::ofstream(config + "/script.txt") << "seed 11\n"
                                           "at 1000 tap 120 150\nat 1700 tap 120 150\n"
                                           "at 2400 tap 120 150\nat 3100 tap 120 150\n"
                                           "capture 30000 middle.png\n"
                                           "dump 240000 state.txt\ncapture 240000 end.png\n"
                                           "at 250000 close\n";
  auto r = RunGame("--headless --quick-game --autoplay " + who + more + " --config . --script script.txt", config);
  AutoplayRun run;
  run.exitCode = r.exitCode;
  run.output = r.output;
  run.dump = ReadFile(config + "/state.txt");
  run.middle = ReadFile(config + "/middle.png");
  run.end = ReadFile(config + "/end.png");
  return run;
}

TEST(AutoplayRun, AWholeDuelPlaysItselfAndReplaysIdentically) {
  ASSERT_TRUE(testing_app::DataSetComplete());
  const AutoplayRun a = PlayOnce("autoplay-a", "elite:2");
  // The second run traces the duel's states: the trace changes nothing else.
  const AutoplayRun b = PlayOnce("autoplay-b", "2:2", " --trace-states");
  EXPECT_EQ(a.exitCode, 0) << a.output;
  // The duel reached its end without a stylus tap: the result is settled and the
  // game waits in the box that follows a quick game.
  EXPECT_NE(a.dump.find("autoplay = elite:2\n"), std::string::npos) << a.dump;
  EXPECT_NE(a.dump.find("inClub = 0\n"), std::string::npos) << a.dump;
  const std::size_t at = a.dump.find("matchState = ");
  ASSERT_NE(at, std::string::npos) << a.dump;
  const int state = std::atoi(a.dump.c_str() + at + 13);
  // MatchOver and after: the hand-over states, their boxes, or the way out.
  for (int playing : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 20, 21, 22, 24, 30, 33, 34, 35, 40, 68})
    EXPECT_NE(state, playing) << a.dump;
  ASSERT_FALSE(a.end.empty());
  ASSERT_FALSE(a.middle.empty());
  EXPECT_EQ(a.dump, b.dump);
  EXPECT_TRUE(a.middle == b.middle) << "the frames in mid-duel differ";
  EXPECT_TRUE(a.end == b.end) << "the final frames differ";

  // Every change is traced: each line starts from the state the one before
  // it ended in, the clock never runs back, and the duel went from the
  // versus screen through the computer's turns and the player's to its end.
  EXPECT_EQ(a.output.find("state "), std::string::npos) << "no trace without the option";
  std::istringstream lines(b.output);
  std::string line, last;
  long lastTicks = -1;
  int changes = 0;
  std::set<std::string> seen;
  while (std::getline(lines, line)) {
    if (line.rfind("state ", 0) != 0) continue;
    std::istringstream words(line.substr(6));
    long ticks = 0;
    std::string from, arrow, to;
    ASSERT_TRUE(words >> ticks >> from >> arrow >> to) << line;
    ASSERT_EQ(arrow, "->") << line;
    if (!last.empty()) {
      ASSERT_EQ(from, last) << "a change went past the trace before: " << line;
    }
    ASSERT_GE(ticks, lastTicks) << line;
    EXPECT_NE(from, to) << line;
    last = to;
    lastTicks = ticks;
    seen.insert(to);
    ++changes;
  }
  EXPECT_GT(changes, 40) << b.output;
  for (const char* name : {"Versus", "ComputerTurn", "TapMove", "MatchOver"})
    EXPECT_EQ(seen.count(name), 1u) << name << " never traced:\n" << b.output;
  EXPECT_EQ(last, MatchStateName(static_cast<MatchState>(state))) << "the trace ends where the duel stands";
}

}  // namespace
