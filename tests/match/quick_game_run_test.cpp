// quick_game_run_test.cpp -- the game itself, started with --quick-game, is in a duel right after start-up.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(QuickGameRun, TheGameStartsADuelAndTheStylusPlaysIt) {
  char folder[] = "/tmp/duskhaven-quick-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string dir = folder;
  {
    std::ofstream settings(dir + "/settings.reg");
    settings << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << DUSKHAVEN_MATCH_TEST_DATA << "\"\nVolume = 0\n";
    std::ofstream script(dir + "/script.txt");
    // Taps through the logo, the loading screen and the coin toss, then a card is dragged onto every cell in turn.
    for (int t = 1000; t <= 9000; t += 700) script << "at " << t << " tap 120 150\n";
    int t = 10000, k = 0;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 6; ++x, t += 1500, ++k) {
        script << "at " << t << " down " << 67 + 35 * (k % 5) << " 270\n";
        script << "at " << t + 50 << " move " << 40 * x + 9 << " " << 58 * y + 10 << "\n";
        script << "at " << t + 100 << " up " << 40 * x + 9 << " " << 58 * y + 10 << "\n";
      }
    script << "dump 9500 " << dir << "/early.txt\n";
    script << "capture 12000 " << dir << "/duel.png\n";
  }
  const std::string command = std::string(DUSKHAVEN_GAME_PATH) + " --headless --quick-game --config " + dir +
                              " --script " + dir + "/script.txt 2> " + dir + "/stderr.txt";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  // The run ends where the script ends: the game is still waiting for the stylus (or asks for another game).
  EXPECT_EQ(WEXITSTATUS(status), 3) << ReadText(dir + "/stderr.txt");
  const std::string early = ReadText(dir + "/early.txt");
  EXPECT_NE(early.find("inClub = 0"), std::string::npos) << early;
  EXPECT_EQ(ReadText(dir + "/stderr.txt").find("Not found"), std::string::npos);
  std::ifstream png(dir + "/duel.png");
  EXPECT_TRUE(png.good()) << "the duel's frame was captured";
  std::system(("rm -rf " + dir).c_str());
}

}  // namespace
