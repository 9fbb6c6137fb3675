// command_line.h -- the program's command line: backend, script, scale, device and configuration folder.
#pragma once

#include <cstdint>
#include <string>

#include "match/match_autoplay.h"
#include "platform/backend.h"

struct CommandLine {
  platform::BackendOptions backend;
  std::string configFolder;  // empty = the default folder
  bool showHelp = false;
  bool showVersion = false;
  bool quickGame = false;    // --quick-game: a quick duel right after start-up
  bool verbose = false;      // --verbose: the libraries' own warnings reach the terminal
  bool autoplay = false;     // --autoplay CLASS:TIER: the computer plays the local side of every duel
  bool traceStates = false;  // --trace-states: every change of the duel's state on standard error
  AutoplayPlayer autoplayPlayer;
  std::string linkPeer;        // --link-peer HOST: the link's partner for this run
  std::uint16_t linkPort = 0;  // --link-port N: the link's port for this run (0 = the setting)
  std::string linkDuel;        // --link-duel create|join: a duel against the other device at once
};

// False with one line in `error` for a bad argument.
bool ParseCommandLine(int argc, const char* const* argv, CommandLine& line, std::string& error);

extern const char* const UsageText;
