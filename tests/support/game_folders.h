// game_folders.h -- a copy of the game for one test run: its install folder, its process.
#pragma once

#include <sys/types.h>

#include <string>

namespace test_support {

// A new folder /tmp/PREFIX-XXXXXX of this test program's own, removed with all it holds when the
// program ends; empty when none could be made.
std::string FolderRemovedAtExit(const std::string& prefix);

// Makes `install` a game's install folder: every entry of the data set `data` linked in, except its SAVE
// folder, and an empty SAVE folder of its own (so runs side by side never share a save).
void LinkedInstall(const std::string& install, const std::string& data);

// Starts `command` with /bin/sh in a child process; its pid (the command should `exec` the game, so that
// the pid is the game's).
pid_t StartShell(const std::string& command);
// Waits up to ms for the child: its status as waitpid gives it; -1 after killing it when it ran over;
// -2 when there is no such child.
int WaitWithin(pid_t pid, int ms);

// The whole file (empty when it cannot be read).
std::string ReadText(const std::string& path);

}  // namespace test_support
