// game_runs.h -- running the built game against a partner from a test: a private install and configuration each.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/game_folders.h"

namespace link_test {

struct GameSide {
  std::string root;    // install directory: the forged data linked in, its own SAVE folder
  std::string config;  // settings (Install_Dir, Volume 0, Link_Port, Character 1)
  std::string log;     // the run's stderr
};

// A side with the character NAME in slot 1 (a deck of the 16 cards from firstCard on).
GameSide MakeSide(const std::string& name, const std::string& character, std::uint16_t port, int firstCard);
// Starts the game headless with these extra arguments; its pid.
pid_t StartGame(const GameSide& side, const std::string& arguments, const std::string& script = "");
// Waits up to ms for the game; its exit code, or -1 after killing it when it ran over.
int WaitGame(pid_t pid, int ms);
using test_support::ReadText;
std::vector<std::uint8_t> ReadBytes(const std::string& path);
// Success when the duel tests' forged data set is there (it is forged by the build, so its absence is a fault).
::testing::AssertionResult DataAvailable();

}  // namespace link_test
