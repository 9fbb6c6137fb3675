// sound_bench.cpp -- what the music costs the main loop: SoundTick per second of music mixed.
//
// The pieces are composed and written here with the forge's own code, so the
// benchmark needs no data set. Each iteration mixes one second of music
// (44100 bytes of 8-bit mono) through SoundTick, so the time per iteration is
// the cost of one second of music.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <string>

#include "platform/file_system.h"
#include "platform/game_state.h"
#include "sound/sound.h"
#include "tools/forge/sound_pieces.h"
#include "tools/forge/sound_tracker.h"

namespace {

std::string WritePiece(int which) {
  Song song;
  bool ok = false;
  bool extended = false;
  switch (which) {
    case 0:
      ok = ComposeClub(song);
      break;
    case 1:
      ok = ComposeDuel(1, song);
      break;
    case 2:
      ok = ComposeDuel(5, song);
      extended = true;
      break;
    default:
      ok = ComposeBoss(song);
      break;
  }
  std::vector<std::uint8_t> bytes;
  if (!ok || !(extended ? WriteXm(song, bytes) : WriteMod(song, bytes))) return "";
  const std::string path = "/tmp/duskhaven-sound-bench-" + std::to_string(getpid()) + "-" + std::to_string(which);
  return platform::WriteFileAtomically(path, bytes) ? path : "";
}

void MixOneSecondPerIteration(benchmark::State& state, SoundOutput output) {
  const std::string path = WritePiece(static_cast<int>(state.range(0)));
  SoundOptions options;
  options.output = output;
  options.waveFilePath = path + ".wav";
  if (path.empty() || !InitSound(options)) {
    state.SkipWithError("cannot start the sound");
    return;
  }
  SetVolume(50);
  SetMusicLoop(true);
  if (!LoadMusic(std::wstring(path.begin(), path.end()))) {
    state.SkipWithError("cannot load the piece");
    ShutdownSound();
    return;
  }
  PlayMusic(0);
  const unsigned long long perSecond = SoundBytesPerSecond();
  unsigned long long target = SoundBytesMixed();
  long long ticks = 0;
  for (auto _ : state) {
    target += perSecond;
    while (SoundBytesMixed() < target) {
      SoundTick();
      ++ticks;
      MusicTimerTick();  // the loop's timer, so the piece goes round
    }
  }
  state.counters["ticks_per_music_second"] =
      benchmark::Counter(static_cast<double>(ticks) / static_cast<double>(state.iterations()));
  state.SetLabel(SoundDriverName());
  ShutdownSound();
  platform::RemoveFile(path);
  platform::RemoveFile(path + ".wav");
}

void BM_SoundTickPerMusicSecondSilentDriver(benchmark::State& state) {
  MixOneSecondPerIteration(state, SoundOutput::Silent);
}
void BM_SoundTickPerMusicSecondWaveWriter(benchmark::State& state) {
  MixOneSecondPerIteration(state, SoundOutput::WaveFile);
}

// Arguments: 0 the club (4 channels), 1 a duel (4), 2 the fifth duel (8, XM), 3 the boss (6).
BENCHMARK(BM_SoundTickPerMusicSecondSilentDriver)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
// The disk writer keeps what it mixes: a fixed number of seconds keeps the file small.
BENCHMARK(BM_SoundTickPerMusicSecondWaveWriter)->DenseRange(0, 3)->Iterations(300)->Unit(benchmark::kMicrosecond);

// A pass of a loop while sound is off: the call must cost next to nothing.
void BM_SoundTickWhileSoundOff(benchmark::State& state) {
  SoundOptions options;
  options.output = SoundOutput::Silent;
  if (!InitSound(options)) {
    state.SkipWithError("cannot start the sound");
    return;
  }
  SetVolume(0);
  for (auto _ : state) SoundTick();
  ShutdownSound();
  SoundOff = false;
}
BENCHMARK(BM_SoundTickWhileSoundOff);

}  // namespace

BENCHMARK_MAIN();
