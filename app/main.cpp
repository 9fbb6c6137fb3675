// main.cpp -- duskhaven: reads the command line and runs the game.
#include <cstdio>

#include "app/command_line.h"
#include "app/shell.h"
#include "core/version.h"
#include "platform/backend.h"

int main(int argc, char** argv) {
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(argc, argv, line, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  if (line.showHelp) {
    std::fputs(UsageText, stdout);
    return 0;
  }
  if (line.showVersion) {
    std::printf("%s\n", VersionText);
    return 0;
  }
  if (!line.backend.scriptPath.empty() && !platform::CheckScript(line.backend.scriptPath, error)) {
    std::fprintf(stderr, "duskhaven: %s\n", error.c_str());
    return 2;
  }
  return ProgramEntry(line);
}
