// game_run_test.cpp -- the built game: its command line, fatal start-up paths, one instance, scripted start-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "core/version.h"
#include "gfx/loading_screen.h"
#include "platform/instance_lock.h"
#include "tests/app/run_game.h"

namespace {

namespace fs = std::filesystem;
using testing_app::RunGame;

TEST(CommandLine, HelpAndVersion) {
  auto help = RunGame("--help");
  EXPECT_EQ(help.exitCode, 0);
  for (const char* option : {"--headless", "--script FILE", "--record FILE", "Enter, Space / A", "--scale N",
                             "--device NAME", "--config DIR"})
    EXPECT_NE(help.output.find(option), std::string::npos) << option;
  auto version = RunGame("--version");
  EXPECT_EQ(version.exitCode, 0);
  // The version comes from the build (project()); the loading screen shows the same line.
  EXPECT_EQ(version.output, std::string(VersionText) + "\n");
  const std::wstring shown = VersionLine();
  EXPECT_EQ(std::string(shown.begin(), shown.end()), VersionText);
}

TEST(CommandLine, BadArgumentsGiveOneLineAndCodeTwo) {
  const std::pair<const char*, const char*> cases[] = {
      {"--bogus", "duskhaven: unknown argument '--bogus' (see --help)\n"},
      {"--scale 0", "duskhaven: --scale takes a whole number from 1 to 16, not '0'\n"},
      {"--scale 3x", "duskhaven: --scale takes a whole number from 1 to 16, not '3x'\n"},
      {"--device pda", "duskhaven: unknown device 'pda' (see --help)\n"},
      {"--script", "duskhaven: --script needs a value (see --help)\n"},
      {"--config ''", "duskhaven: --config needs a value (see --help)\n"},
      {"--script /nonexistent/s.txt", "duskhaven: cannot read the script /nonexistent/s.txt\n"},
  };
  for (const auto& [args, line] : cases) {
    auto r = RunGame(args);
    EXPECT_EQ(r.exitCode, 2) << args;
    EXPECT_EQ(r.output, line) << args;
  }
}

TEST(CommandLine, ScriptMistakesNameTheLine) {
  const std::string dir = testing_app::Scratch("bad-script");
  std::ofstream(dir + "/s.txt") << "at 100 tap 1 2\nat 200 key sideways A\n";
  auto r = RunGame("--headless --script s.txt", dir);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.output, "duskhaven: s.txt:2: expected: at T key down|up KEY\n");
}

// What the terminal says when the game has no install directory.
std::string NoDirectoryOutput(const std::string& config) {
  return "Duskhaven: Can't find Duskhaven Directory\n"
         "duskhaven: install the game's data with: duskhaven-forge --install DIR\n"
         "duskhaven: (it records DIR as Install_Dir in " +
         config + "/settings.reg)\n";
}

TEST(FatalStartup, MissingInstallDirectory) {
  const std::string config = testing_app::ConfigWithInstall("no-install-dir", "");
  auto r = RunGame("--headless --config '" + config + "'");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.output, NoDirectoryOutput(config));
  // The settings keys were created on the way.
  std::ifstream in(config + "/settings.reg");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("[SOFTWARE\\Duskhaven\\Character]"), std::string::npos);
}

TEST(FatalStartup, NoSettingsAtAll) {
  const std::string config = testing_app::Scratch("no-settings") + "/never-made";
  auto r = RunGame("--headless --config '" + config + "'");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.output, NoDirectoryOutput(config));
}

TEST(FatalStartup, AnInstallDirectoryThatDoesNotExistIsNeverMade) {
  const std::string typo = testing_app::Scratch("typo") + "/Duskhavn";
  const std::string config = testing_app::ConfigWithInstall("typo-config", typo);
  auto r = RunGame("--headless --config '" + config + "'");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.output, NoDirectoryOutput(config));
  EXPECT_FALSE(fs::exists(typo)) << "neither the folder nor its SAVE is created";
}

TEST(FatalStartup, MissingCardData) {
  const std::string install = testing_app::Scratch("no-card-data") + "/install";
  fs::create_directories(install);
  const std::string config = testing_app::ConfigWithInstall("no-card-data-config", install);
  auto r = RunGame("--headless --config '" + config + "'");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.output,
            "Duskhaven:  Error :  Data files are missing !\n"
            "duskhaven: cannot open DATA\\CARDS\\SET 1\\CARDS.IND\n");
  EXPECT_TRUE(fs::is_directory(install + "/SAVE"));  // made before the data files are opened
}

TEST(FatalStartup, UnsupportedScreen) {
  ASSERT_TRUE(testing_app::DataSetComplete());
  const std::string config = testing_app::ConfigWithInstall("unsupported", testing_app::ForgedInstall());
  auto r = RunGame("--headless --device unsupported --config '" + config + "'");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.output,
            "Duskhaven:  Error : Screen format is not supported Duskhaven requires at least a 4096 colors screen.\n");
}

TEST(OneInstance, SecondStartWithTheSameSettingsEndsAtOnce) {
  const std::string config = testing_app::ConfigWithInstall("second", "");
  ASSERT_TRUE(platform::AcquireInstanceLock(config));
  auto r = RunGame("--headless --config '" + config + "'");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.output, "duskhaven: the game is already running with the settings in " + config + "\n");
  EXPECT_TRUE(platform::TakeRaiseRequest());  // the running one was asked to come to the front
  EXPECT_FALSE(platform::TakeRaiseRequest());
  platform::ReleaseInstanceLock();
  // Another configuration is another player: it starts (and stops at its own fatal error here).
  const std::string other = testing_app::ConfigWithInstall("second-other", "");
  EXPECT_EQ(RunGame("--headless --config '" + other + "'").exitCode, 1);
}

// The tick at which a run stopped waiting, from its last line.
std::uint32_t StoppedAt(const std::string& output) {
  std::smatch m;
  std::regex at("the script has ended at ([0-9]+) ms");
  return std::regex_search(output, m, at) ? static_cast<std::uint32_t>(std::stoul(m[1])) : 0;
}

class ScriptedStartup : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testing_app::DataSetComplete()); }
  testing_app::RunResult Play(const std::string& name, const std::string& script) {
    folder_ = testing_app::Scratch(name);
    std::ofstream(folder_ + "/s.txt") << script;
    const std::string config = testing_app::ConfigWithInstall(name + "-config", testing_app::ForgedInstall());
    return RunGame("--headless --script s.txt --config '" + config + "'", folder_);
  }
  std::string folder_;
};

TEST_F(ScriptedStartup, ReachesTheLoadingScreensTapAndCapturesItsFrames) {
  auto r =
      Play("startup", "capture 1000 logo.png\ncapture 3000 loading.png\ncapture end final.png\ndump end state.txt\n");
  EXPECT_EQ(r.exitCode, 3) << r.output;
  EXPECT_NE(r.output.find("while the game waits for a tap (WaitForTap)"), std::string::npos) << r.output;
  EXPECT_GT(StoppedAt(r.output), 3000u);
  for (const char* f : {"logo.png", "loading.png", "final.png"}) EXPECT_TRUE(fs::exists(folder_ + "/" + f)) << f;
  std::ifstream state(folder_ + "/state.txt");
  std::string text((std::istreambuf_iterator<char>(state)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("inClub = 1"), std::string::npos) << text;
}

TEST_F(ScriptedStartup, VolumeZeroLoadsNoMusic) {
  auto loud = Play("loud", "dump end state.txt\n");
  ASSERT_EQ(loud.exitCode, 3) << loud.output;
  std::ifstream a(folder_ + "/state.txt");
  std::string on((std::istreambuf_iterator<char>(a)), std::istreambuf_iterator<char>());
  EXPECT_NE(on.find("soundOff = 0\nmusic = SOUNDS\\Avant une partie.QXX, loaded\n"), std::string::npos) << on;

  folder_ = testing_app::Scratch("silent");
  std::ofstream(folder_ + "/s.txt") << "dump end state.txt\n";
  const std::string config = testing_app::ConfigWithInstall("silent-config", testing_app::ForgedInstall());
  std::ofstream(config + "/settings.reg", std::ios::app) << "Volume = dword:00000000\n";
  auto quiet = RunGame("--headless --script s.txt --config '" + config + "'", folder_);
  ASSERT_EQ(quiet.exitCode, 3) << quiet.output;
  std::ifstream b(folder_ + "/state.txt");
  std::string off((std::istreambuf_iterator<char>(b)), std::istreambuf_iterator<char>());
  EXPECT_NE(off.find("soundOff = 1\nmusic = none, not loaded\n"), std::string::npos) << off;
}

TEST_F(ScriptedStartup, SameScriptSameFrames) {
  auto a = Play("same-a", "capture 2500 a.png\ncapture end b.png\n");
  const std::string first = folder_;
  auto b = Play("same-b", "capture 2500 a.png\ncapture end b.png\n");
  ASSERT_EQ(a.exitCode, 3);
  ASSERT_EQ(b.exitCode, 3);
  EXPECT_EQ(StoppedAt(a.output), StoppedAt(b.output));
  for (const char* f : {"a.png", "b.png"}) {
    std::ifstream x(first + "/" + f, std::ios::binary), y(folder_ + "/" + f, std::ios::binary);
    std::string bx((std::istreambuf_iterator<char>(x)), {}), by((std::istreambuf_iterator<char>(y)), {});
    EXPECT_FALSE(bx.empty());
    EXPECT_EQ(bx, by) << f;
  }
}

TEST_F(ScriptedStartup, StartButtonAsksAndOkQuitsCleanly) {
  auto probe = Play("quit-probe", "");
  const std::uint32_t wait = StoppedAt(probe.output);
  ASSERT_GT(wait, 0u) << probe.output;
  const std::string t = std::to_string(wait + 100);
  // Tap past the loading screen, press Start once the character screen is up, then tap the box's "Ok".
  auto r = Play("quit", "at " + t + " tap 120 160\nat " + std::to_string(wait + 3000) + " press Start\nat " +
                            std::to_string(wait + 4000) + " tap 190 185\n");
  EXPECT_EQ(r.exitCode, 0) << r.output;
  EXPECT_EQ(r.output.find("duskhaven:"), std::string::npos) << r.output;
}

TEST_F(ScriptedStartup, CancelKeepsPlayingAndActionKeyAsksNothing) {
  auto probe = Play("cancel-probe", "");
  const std::uint32_t wait = StoppedAt(probe.output);
  ASSERT_GT(wait, 0u) << probe.output;
  auto r = Play("cancel", "at " + std::to_string(wait + 100) + " tap 120 160\nat " + std::to_string(wait + 1000) +
                              " press A\nat " + std::to_string(wait + 1500) + " press Start\nat " +
                              std::to_string(wait + 2500) + " tap 50 185\n");
  EXPECT_EQ(r.exitCode, 3) << r.output;
  EXPECT_NE(r.output.find("while the game waits for input in the main loop"), std::string::npos) << r.output;
}

// The game's clock when the run ended, from a "dump end" report.
std::uint32_t EndTick(const std::string& folder) {
  std::ifstream in(folder + "/end.txt");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::smatch m;
  return std::regex_search(text, m, std::regex("tick = ([0-9]+)")) ? static_cast<std::uint32_t>(std::stoul(m[1])) : 0;
}

TEST_F(ScriptedStartup, OneCloseEndsTheGameAtOnceInEveryWait) {
  auto probe = Play("close-probe", "");
  const std::uint32_t wait = StoppedAt(probe.output);
  ASSERT_GT(wait, 3000u) << probe.output;
  const auto at = [](std::uint32_t t) { return "at " + std::to_string(t) + " "; };
  const std::string past = at(wait + 100) + "tap 120 160\n";
  struct Case {
    const char* name;
    std::string input;
    std::uint32_t closeAt;
    const char* options;
  } cases[] = {
      {"logo", "", 500, ""},
      {"loading", "", 3000, ""},
      {"loading-tap", "", wait - 50, ""},
      {"box", past + at(wait + 1000) + "press Start\n", wait + 1500, ""},
      {"coin-toss", past, wait + 800, "--quick-game "},
      {"club", past, wait + 1000, ""},
      {"character-screen", past, wait + 2500, ""},
  };
  for (const Case& c : cases) {
    folder_ = testing_app::Scratch(std::string("close-") + c.name);
    std::ofstream(folder_ + "/s.txt") << c.input << at(c.closeAt) << "close\ndump end end.txt\n";
    const std::string config =
        testing_app::ConfigWithInstall(std::string("close-") + c.name + "-config", testing_app::ForgedInstall());
    auto r = RunGame(std::string("--headless ") + c.options + "--script s.txt --config '" + config + "'", folder_);
    EXPECT_EQ(r.exitCode, 0) << c.name << ": " << r.output;
    EXPECT_EQ(r.output.find("duskhaven:"), std::string::npos) << c.name << ": " << r.output;
    // Within two frames of the request, not at the end of the wait it came in.
    const std::uint32_t end = EndTick(folder_);
    EXPECT_GE(end, c.closeAt) << c.name;
    EXPECT_LE(end, c.closeAt + 34) << c.name;
  }
}

}  // namespace
