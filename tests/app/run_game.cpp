// run_game.cpp -- running the built game and forge from a test.
#include "tests/app/run_game.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace testing_app {
namespace fs = std::filesystem;

std::string Scratch(const std::string& name) {
  fs::path dir = fs::temp_directory_path() / ("duskhaven-app-" + std::to_string(::getpid())) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

static RunResult Run(const std::string& command) {
  RunResult result;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  char chunk[4096];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) result.output.append(chunk, n);
  int status = ::pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

const std::string& ForgedInstall() {
  static const std::string install = [] {
    // A data set made elsewhere can stand in for the forge's (DUSKHAVEN_TEST_DATA=DIR).
    if (const char* given = std::getenv("DUSKHAVEN_TEST_DATA"); given && *given) return std::string(given);
    std::string dir = Scratch("forged") + "/install";
    RunResult r = Run(std::string("'") + DUSKHAVEN_FORGE + "' --out '" + dir + "'");
    if (r.exitCode != 0) std::fprintf(stderr, "forge failed: %s\n", r.output.c_str());
    return dir;
  }();
  return install;
}

std::string ConfigWithInstall(const std::string& name, const std::string& installDir) {
  std::string dir = Scratch(name) + "/config";
  fs::create_directories(dir);
  std::ofstream out(dir + "/settings.reg");
  out << "[SOFTWARE\\Duskhaven]\n";
  if (!installDir.empty()) out << "Install_Dir = \"" << installDir << "\"\n";
  return dir;
}

RunResult RunGame(const std::string& arguments, const std::string& folder) {
  std::string command;
  if (!folder.empty()) command = "cd '" + folder + "' && ";
  command += std::string("'") + DUSKHAVEN_GAME + "' " + arguments;
  return Run(command);
}

::testing::AssertionResult DataSetComplete() {
  const fs::path root = ForgedInstall();
  for (const char* file : {"DATA/CARDS/SET 1/CARDS.IND", "DATA/CARDS/SET 1/CARDS.DAT", "DATA/CARDS/SET 1/CARDS.INF",
                           "GFX/GENERAL/VANTORTEAM.QXG", "GFX/LOADING/EnterGAME.QXJ", "GFX/GENERAL/NEW FONT.QXB"})
    if (!fs::exists(root / file))
      return ::testing::AssertionFailure() << "the forged data set has no " << (root / file);
  return ::testing::AssertionSuccess();
}

}  // namespace testing_app
