// settings.h -- the game's stored settings: gamma, volume, effects, last character and the install directory.
#pragma once

#include <cstdint>

// The key every game value lives under.
constexpr const char* GameSettingsKey = "SOFTWARE\\Duskhaven";

// In memory, read at start-up.
extern std::uint8_t SettingGamma;   // used for decoding pictures (GammaOffset)
extern std::uint8_t OptionsGamma;   // the options screen's working copy, the value to store
extern std::uint8_t SettingVolume;  // 0 switches all sound off
extern bool SettingEffects;         // screen transition effects

// Creates "SOFTWARE\Duskhaven" and its four empty sub-keys.
void CreateSettingsKeys();
std::uint8_t ReadGamma();  // default 0
void WriteGamma(std::uint8_t gamma);
std::uint8_t ReadVolume();  // default 50
void WriteVolume();         // stores SettingVolume
bool ReadEffects();         // default on
void WriteEffects();        // stores SettingEffects
std::uint8_t ReadCharacter();  // 1..3: default 1, and 1 for anything stored outside
void WriteCharacter(std::uint8_t slot);
// Sets InstallDir = "Install_Dir" + "\" (and the platform's install folder);
// false when the key or the value is missing or empty.
bool ReadInstallDir();

// The window's scale factor ("Scale", not written by the game); 0 = the largest that fits.
int ReadWindowScale();
