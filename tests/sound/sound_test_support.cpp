// sound_test_support.cpp -- what the sound tests share: the forged data, the WAV writer's output, error counting.
#include "tests/sound/sound_test_support.h"

#include <unistd.h>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/file_system.h"

namespace sound_test {
namespace {

std::vector<ReportedError> errors;

void CountError(std::wstring_view text, std::wstring_view caption) {
  errors.push_back({std::wstring(text), std::wstring(caption)});
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

}  // namespace

std::string DataDir() {
  const char* dir = std::getenv("DUSKHAVEN_SOUND_DATA");
  return dir != nullptr ? dir : DUSKHAVEN_SOUND_TEST_DATA;
}

std::string TempPath(const std::string& name) {
  const char* tmp = std::getenv("TMPDIR");
  std::string dir = std::string(tmp != nullptr ? tmp : "/tmp") + "/duskhaven-sound-test-" + std::to_string(getpid());
  platform::MakeDirectories(dir);
  return dir + "/" + name;
}

const std::vector<ReportedError>& Errors() { return errors; }
void ResetErrors() { errors.clear(); }

bool StartOnWaveWriter(const std::string& wavePath, int volume) {
  platform::SetInstallDir(DataDir());
  SetSoundErrorHook(CountError);
  SoundOptions options;
  options.output = SoundOutput::WaveFile;
  options.waveFilePath = wavePath;
  if (!InitSound(options)) return false;
  SetVolume(volume);
  SetMusicLoop(true);
  return true;
}

bool ReadWave(const std::string& path, WaveData& wave) {
  std::vector<std::uint8_t> b;
  if (!platform::ReadWholeFile(path, b) || b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
      std::memcmp(b.data() + 8, "WAVE", 4) != 0)
    return false;
  std::size_t at = 12;
  bool haveFormat = false;
  while (at + 8 <= b.size()) {
    const std::uint32_t size = Le32(b, at + 4);
    const std::size_t body = at + 8;
    if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && body + 16 <= b.size()) {
      wave.channels = Le16(b, body + 2);
      wave.rate = static_cast<int>(Le32(b, body + 4));
      wave.bits = Le16(b, body + 14);
      haveFormat = true;
    } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
      const std::size_t end = std::min<std::size_t>(b.size(), body + size);
      wave.samples.assign(b.begin() + static_cast<std::ptrdiff_t>(body), b.begin() + static_cast<std::ptrdiff_t>(end));
      return haveFormat;
    }
    at = body + size + (size & 1);
  }
  return false;
}

double Loudness(const WaveData& wave, std::size_t from, std::size_t to) {
  to = std::min(to, wave.samples.size());
  if (from >= to) return 0.0;
  double sum = 0.0;
  for (std::size_t i = from; i < to; ++i) {
    const double v = static_cast<double>(wave.samples[i]) - 128.0;
    sum += v * v;
  }
  return std::sqrt(sum / static_cast<double>(to - from));
}

double ClippedShare(const WaveData& wave) {
  if (wave.samples.empty()) return 0.0;
  std::size_t clipped = 0;
  for (std::uint8_t v : wave.samples) clipped += (v == 0 || v == 255) ? 1 : 0;
  return static_cast<double>(clipped) / static_cast<double>(wave.samples.size());
}

double CrossingHz(const WaveData& wave, std::size_t from, std::size_t to) {
  to = std::min(to, wave.samples.size());
  std::size_t first = 0, last = 0;
  int crossings = 0;
  for (std::size_t i = from + 1; i < to; ++i) {
    if (wave.samples[i - 1] < 128 && wave.samples[i] >= 128) {
      if (crossings == 0) first = i;
      last = i;
      ++crossings;
    }
  }
  if (crossings < 2) return 0.0;
  return (crossings - 1) * static_cast<double>(wave.rate) / static_cast<double>(last - first);
}

void TickFor(double seconds) {
  const auto wanted = static_cast<std::uint64_t>(seconds * SoundBytesPerSecond());
  const std::uint64_t start = SoundBytesMixed();
  for (int idle = 0; SoundBytesMixed() - start < wanted && idle < 4;) {
    const std::uint64_t before = SoundBytesMixed();
    SoundTick();
    idle = SoundBytesMixed() == before ? idle + 1 : 0;  // sound off: nothing mixes
  }
}

}  // namespace sound_test
