// sound_driver.h -- which of the library's output drivers the game starts, and with what parameters.
#pragma once

#include <string>

#include "sound/sound.h"

struct DriverChoice {
  int device = 0;      // the library's driver number; 0: the library's own choice
  std::string params;  // the library's parameter string
  bool live = false;   // a real audio device (paced to the wall clock)
};

// The driver for the options. `envName` is DUSKHAVEN_SOUND_DRIVER's value
// (or null). An unknown name falls back to the library's own choice after a
// line on stderr. Needs the drivers registered.
DriverChoice ChooseDriver(const SoundOptions& options, const char* envName);
// The number of the no-sound driver.
int SilentDriver();
