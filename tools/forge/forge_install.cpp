// forge_install.cpp -- records the install directory in the game's settings, as the installer did.
#include <cstdio>

#include "platform/settings_store.h"
#include "settings/settings.h"
#include "tools/forge/forge.h"

bool RecordInstallDir(const std::string& dir) {
  if (!platform::CreateStoreKey(GameSettingsKey) || !platform::WriteStoreString(GameSettingsKey, "Install_Dir", dir)) {
    std::fprintf(stderr, "duskhaven-forge: cannot write the settings in %s\n", platform::ConfigFolder().c_str());
    return false;
  }
  std::printf("duskhaven-forge: install directory recorded in %s/settings.reg\n", platform::ConfigFolder().c_str());
  return true;
}
