// sound_test_support.h -- what the sound tests share: the forged data, the WAV writer's output, error counting.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sound/sound.h"

namespace sound_test {

// The folder the forge wrote the data set into (DUSKHAVEN_SOUND_DATA overrides it).
std::string DataDir();
// A fresh file path in the test's temporary folder.
std::string TempPath(const std::string& name);

// The sound errors reported since ResetErrors, with their captions and texts.
struct ReportedError {
  std::wstring text;
  std::wstring caption;
};
const std::vector<ReportedError>& Errors();
void ResetErrors();
// Points the install directory at the data, sets the counting error hook
// and starts the library on the WAV disk writer into `wavePath`.
bool StartOnWaveWriter(const std::string& wavePath, int volume = 50);

// A WAV file as the disk writer left it.
struct WaveData {
  int rate = 0;
  int channels = 0;
  int bits = 0;
  std::vector<std::uint8_t> samples;  // 8-bit unsigned, 128 is silence
};
bool ReadWave(const std::string& path, WaveData& wave);
// Root-mean-square distance from silence (0..128) over [from, to).
double Loudness(const WaveData& wave, std::size_t from = 0, std::size_t to = SIZE_MAX);
// The share of samples stuck at either end of the range.
double ClippedShare(const WaveData& wave);
// The pitch found by counting upward zero crossings over [from, to).
double CrossingHz(const WaveData& wave, std::size_t from, std::size_t to);

// SoundTick until the writer has mixed about `seconds` of sound.
void TickFor(double seconds);

}  // namespace sound_test
