// run_game.h -- running the built game and forge from a test, each test with its own configuration.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace testing_app {

struct RunResult {
  int exitCode = -1;
  std::string output;  // stdout and stderr together
};

// A fresh folder for one test.
std::string Scratch(const std::string& name);
// The data set, forged once per test program (or $DUSKHAVEN_TEST_DATA).
const std::string& ForgedInstall();
// A configuration folder whose settings name `installDir` (none when empty).
std::string ConfigWithInstall(const std::string& name, const std::string& installDir);
// Runs the game with these arguments (shell-quoted by the caller) in `folder`.
RunResult RunGame(const std::string& arguments, const std::string& folder = "");
// Success when the forged set has what start-up opens (card data, logo, loading picture, font); else the
// failure names the first file missing. The data set is forged before the runs, so a missing file is a fault.
::testing::AssertionResult DataSetComplete();

}  // namespace testing_app
