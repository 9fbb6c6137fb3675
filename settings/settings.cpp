// settings.cpp -- the stored settings on the registry-like store: values, defaults and the first-byte rule.
#include "settings/settings.h"

#include <algorithm>

#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/install_prefix.h"
#include "platform/settings_store.h"
#include "platform/text_utf8.h"

std::uint8_t SettingGamma = 0;
std::uint8_t OptionsGamma = 0;
std::uint8_t SettingVolume = 50;
bool SettingEffects = true;

namespace {

// A 4-byte number of which only the first (lowest-address) byte counts.
std::uint8_t ReadByte(const char* name, std::uint8_t fallback) {
  std::uint32_t value = 0;
  if (!platform::ReadStoreNumber(GameSettingsKey, name, value)) return fallback;
  return static_cast<std::uint8_t>(value & 0xFFu);
}

// Writers store the upper three bytes as zero; failures are silent.
void WriteByte(const char* name, std::uint8_t value) { platform::WriteStoreNumber(GameSettingsKey, name, value); }

}  // namespace

void CreateSettingsKeys() {
  for (const char* sub : {"Gamma", "Volume", "Effects", "Character"})
    platform::CreateStoreKey(std::string(GameSettingsKey) + "\\" + sub);
}

std::uint8_t SliderMaximum() {
  // The options' sliders end at position 24, stored as trunc(24 x 4.1666665).
  const float top = 24 * 4.1666665f;
  return static_cast<std::uint8_t>(top);
}

// Mended: a value the options screen cannot set (Gamma 255 turns every
// picture white) is read as the nearest one it can.
std::uint8_t ReadGamma() { return std::min(ReadByte("Gamma", 0), SliderMaximum()); }
void WriteGamma(std::uint8_t gamma) { WriteByte("Gamma", gamma); }
std::uint8_t ReadVolume() { return std::min(ReadByte("Volume", 50), SliderMaximum()); }
void WriteVolume() { WriteByte("Volume", SettingVolume); }
bool ReadEffects() { return ReadByte("Effects", 1) != 0; }
void WriteEffects() { WriteByte("Effects", SettingEffects ? 1 : 0); }
std::uint8_t ReadCharacter() { return std::clamp<std::uint8_t>(ReadByte("Character", 1), 1, 3); }
void WriteCharacter(std::uint8_t slot) { WriteByte("Character", slot); }

bool ReadInstallDir() {
  std::string dir;
  if (platform::ReadStoreString(GameSettingsKey, "Install_Dir", dir) && !dir.empty()) {
    platform::SetInstallDir(dir);
    return true;
  }
  // An installed game: the data set in its prefix, the saves in the player's own folder.
  dir = platform::PrefixDataFolder();
  if (dir.empty()) return false;
  platform::SetInstallDir(dir);
  platform::SetSaveFolder(platform::PlayerSaveFolder());
  return true;
}

int ReadWindowScale() {
  std::uint32_t value = 0;
  if (!platform::ReadStoreNumber(GameSettingsKey, "Scale", value) || value > 16) return 0;
  return static_cast<int>(value);
}
