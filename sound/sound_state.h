// sound_state.h -- the single sound state shared by the sound files.
#pragma once

#include <atomic>
#include <map>
#include <string>

#include <mikmod.h>

#include "sound/sound.h"
#include "sound/sound_pacing.h"

struct SoundState {
  bool started = false;             // the library is initialised
  bool paced = false;               // a live device: updates follow the wall clock
  bool fed = false;                 // ... and one that runs dry when not fed (not the silent fallback)
  MODULE* currentModule = nullptr;  // CurrentModule
  std::wstring currentModulePath;   // CurrentModulePath
  bool musicPlaying = false;        // MusicPlaying
  bool musicLoop = true;            // MusicLoop
  std::string driverName;
  std::map<std::string, SAMPLE*> effects;  // each wave file once (null when it failed)
  SoundPacer pacer;
  std::atomic<unsigned long long> totalMixed{0};  // bytes mixed since start-up
};

SoundState& Sound();
// Shows a sound error through the hook (stderr when none is set).
void ReportSoundError(std::wstring_view text, std::wstring_view caption);
// The 8-bit host form of a game path.
std::string NarrowGamePath(std::wstring_view path);
// Frees every loaded effect (before the library stops).
void FreeEffects();
