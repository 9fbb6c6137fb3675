// settings_fuzz.cpp -- fuzzes the settings file: every read gives a value or its default, and a file the game
// rewrites keeps the values it read.
#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "settings/settings.h"
#include "tests/fuzz/fuzz_support.h"

namespace {
std::string folder;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  folder = FuzzInstallDir("settings");
  platform::SetConfigFolder(folder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  PutGameFile(folder + "/settings.reg", data, size);
  const std::uint8_t volume = ReadVolume();
  const bool effects = ReadEffects();
  const std::uint8_t character = ReadCharacter();
  const int scale = ReadWindowScale();
  FUZZ_CHECK(scale >= 0 && scale <= 16);
  std::string dir;
  const bool hasDir = platform::ReadStoreString(GameSettingsKey, "Install_Dir", dir);
  // Writing one value leaves the others as they were read.
  FUZZ_CHECK(ReadGamma() <= SliderMaximum() && volume <= SliderMaximum() && character >= 1 && character <= 3);
  const auto gamma = static_cast<std::uint8_t>(size % (SliderMaximum() + 1u));
  WriteGamma(gamma);
  if (platform::StoreKeyExists(GameSettingsKey)) {
    FUZZ_CHECK(ReadGamma() == gamma);
    FUZZ_CHECK(ReadVolume() == volume && ReadEffects() == effects && ReadCharacter() == character);
    std::string again;
    FUZZ_CHECK(platform::ReadStoreString(GameSettingsKey, "Install_Dir", again) == hasDir && again == dir);
  }
  CreateSettingsKeys();
  FUZZ_CHECK(platform::StoreKeyExists(GameSettingsKey));
  return 0;
}
