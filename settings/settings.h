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
// The largest gamma and volume the options' sliders store.
std::uint8_t SliderMaximum();
std::uint8_t ReadGamma();  // default 0; above SliderMaximum() reads as it
void WriteGamma(std::uint8_t gamma);
std::uint8_t ReadVolume();     // default 50; above SliderMaximum() reads as it
void WriteVolume();            // stores SettingVolume
bool ReadEffects();            // default on
void WriteEffects();           // stores SettingEffects
std::uint8_t ReadCharacter();  // default 1; kept within the slots 1..3
void WriteCharacter(std::uint8_t slot);
// Makes "Install_Dir" the folder every game path is read from (platform::InstallDir).
// Without it, an installed game reads the data set of its own prefix and keeps its
// saves in the player's folder (platform::PlayerSaveFolder); false when neither exists.
bool ReadInstallDir();

// The window's scale factor ("Scale", not written by the game); 0 = the largest that fits.
int ReadWindowScale();
