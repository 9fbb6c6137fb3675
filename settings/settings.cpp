// settings.cpp -- the stored settings on the registry-like store: values, defaults and the first-byte rule.
#include "settings/settings.h"

#include "platform/file_system.h"
#include "platform/game_state.h"
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

std::uint8_t ReadGamma() { return ReadByte("Gamma", 0); }
void WriteGamma(std::uint8_t gamma) { WriteByte("Gamma", gamma); }
std::uint8_t ReadVolume() { return ReadByte("Volume", 50); }
void WriteVolume() { WriteByte("Volume", SettingVolume); }
bool ReadEffects() { return ReadByte("Effects", 1) != 0; }
void WriteEffects() { WriteByte("Effects", SettingEffects ? 1 : 0); }
std::uint8_t ReadCharacter() {
  // Only slots 1..3 exist: anything else stored (by hand, or a damaged
  // store) is taken as the first, never as slot 0 or 255.
  const std::uint8_t slot = ReadByte("Character", 1);
  return slot >= 1 && slot <= 3 ? slot : 1;
}
void WriteCharacter(std::uint8_t slot) { WriteByte("Character", slot); }

bool ReadInstallDir() {
  std::string dir;
  if (!platform::ReadStoreString(GameSettingsKey, "Install_Dir", dir) || dir.empty()) return false;
  InstallDir = platform::FromUtf8(dir) + L"\\";
  platform::SetInstallDir(dir);
  return true;
}

int ReadWindowScale() {
  std::uint32_t value = 0;
  if (!platform::ReadStoreNumber(GameSettingsKey, "Scale", value) || value > 16) return 0;
  return static_cast<int>(value);
}
