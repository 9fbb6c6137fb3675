// sound_driver.cpp -- which of the library's output drivers the game starts, and with what parameters.
#include "sound/sound_driver.h"

#include <iostream>

#include <mikmod.h>

int SilentDriver() { return MikMod_DriverFromAlias(const_cast<CHAR*>("nosound")); }

DriverChoice ChooseDriver(const SoundOptions& options, const char* envName) {
  DriverChoice choice;
  switch (options.output) {
    case SoundOutput::Silent:
      choice.device = SilentDriver();
      return choice;
    case SoundOutput::WaveFile:
      choice.device = MikMod_DriverFromAlias(const_cast<CHAR*>("wav"));
      // The library reads up to a comma as the file name.
      choice.params = "file=" + options.waveFilePath;
      return choice;
    case SoundOutput::Desktop:
      break;
  }
  std::string name = options.driverName;
  if (name.empty() && envName != nullptr) name = envName;
  choice.live = true;
  if (name.empty()) return choice;
  const int device = MikMod_DriverFromAlias(const_cast<CHAR*>(name.c_str()));
  if (device <= 0) {
    std::cerr << "sound: no output driver named \"" << name << "\"; the library chooses\n";
    return choice;
  }
  choice.device = device;
  choice.live = device != SilentDriver();
  return choice;
}
