// forge_install.cpp -- records the install directory in the game's settings (not made yet).
#include <cstdio>

#include "tools/forge/forge.h"

bool RecordInstallDir(const std::string&) {
  std::fprintf(stderr, "duskhaven-forge: recording the install directory is not built yet\n");
  return false;
}
