// sound.cpp -- starting the sound library, the volume, the update call and shutting down.
#include "sound/sound.h"

#include <cstdlib>
#include <iostream>

#include "platform/clock.h"
#include "platform/game_state.h"
#include "platform/library_chatter.h"
#include "platform/text_utf8.h"
#include "sound/sound_driver.h"
#include "sound/sound_state.h"

namespace {

SoundErrorHook errorHook = nullptr;

// Software mixing of music and of effects only: 8-bit, mono, no surround,
// no interpolation.
constexpr UWORD kModeFlags = DMODE_SOFT_MUSIC | DMODE_SOFT_SNDFX;  // 12
constexpr int kMusicVoices = 20;
constexpr int kEffectVoices = 4;
constexpr std::uint32_t kPacingLeadMs = 150;
// A wait between two updates may use up to a third of the lead: the device
// still holds about 100 ms when the next update comes.
constexpr unsigned kFeedIntervalMs = kPacingLeadMs / 3;
// Updates one tick may run to catch up after a long wait.
constexpr int kMostUpdatesPerTick = 8;

// The game's tick count (real time in a window), widened past its 32-bit
// wrap so that the pacer's arithmetic never runs backwards.
std::uint64_t ClockMs() {
  static std::uint32_t last = 0;
  static std::uint64_t wraps = 0;
  const std::uint32_t now = platform::TickCount();
  if (now < last) wraps += std::uint64_t{1} << 32;
  last = now;
  return wraps + now;
}

// The mixer reports every block it mixes; the pacer counts them.
void CountMixed(unsigned char*, size_t len) {
  Sound().pacer.Mixed(len);
  Sound().totalMixed += len;
}

void RegisterEverything() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  MikMod_RegisterAllDrivers();
  MikMod_RegisterAllLoaders();
}

bool StartLibrary(const DriverChoice& choice) {
  md_device = static_cast<UWORD>(choice.device);
  md_mode = kModeFlags;
  md_mixfreq = 44100;
  // The drivers probe the machine's sound system and print what they miss.
  const platform::QuietLibraries quiet;
  return MikMod_Init(const_cast<CHAR*>(choice.params.c_str())) == 0;
}

std::uint32_t OutputBytesPerSecond() {
  std::uint32_t bytes = md_mixfreq;
  if (md_mode & DMODE_16BITS) bytes *= 2;
  if (md_mode & DMODE_FLOAT) bytes *= 4;
  if (md_mode & DMODE_STEREO) bytes *= 2;
  return bytes;
}

}  // namespace

SoundState& Sound() {
  static SoundState state;
  return state;
}

void SetSoundErrorHook(SoundErrorHook hook) { errorHook = hook; }

void ReportSoundError(std::wstring_view text, std::wstring_view caption) {
  if (errorHook != nullptr) {
    errorHook(text, caption);
    return;
  }
  std::cerr << platform::ToUtf8(caption) << ": " << platform::ToUtf8(text) << "\n";
}

bool InitSound(const SoundOptions& options) {
  SoundState& s = Sound();
  if (s.started) return true;
  RegisterEverything();
  if (options.output == SoundOutput::WaveFile &&
      (options.waveFilePath.empty() || options.waveFilePath.find(',') != std::string::npos)) {
    // The library reads its parameters up to a comma: such a name would
    // write somewhere else than asked.
    std::cerr << "sound: the WAV file needs a path without commas\n";
    ReportSoundError(L"Impossible d'initialiser le son", L"Error initsound");
    return false;
  }
  DriverChoice choice = ChooseDriver(options, std::getenv("DUSKHAVEN_SOUND_DRIVER"));
  bool ok = StartLibrary(choice);
  bool fallback = false;
  if (!ok && options.output == SoundOutput::Desktop) {
    // No audio device is no error: the game plays on through the no-sound driver.
    std::cerr << "sound: no audio output (" << MikMod_strerror(MikMod_errno) << "); the game goes on silent\n";
    choice = DriverChoice{SilentDriver(), "", false};
    ok = StartLibrary(choice);
    fallback = true;
  }
  if (!ok) {
    ReportSoundError(L"Impossible d'initialiser le son", L"Error initsound");
    return false;
  }
  s.started = true;
  // The no-sound driver mixes a fixed block per update. Standing in for a
  // missing device on the desktop it follows the wall clock too, so the music
  // keeps its real pace instead of racing ahead with every pass of the loop;
  // it never runs dry, so it needs no feeding.
  s.paced = choice.live || fallback;
  s.fed = choice.live;
  const MDRIVER* driver = MikMod_DriverByOrdinal(md_device);
  s.driverName = driver != nullptr && driver->Name != nullptr ? driver->Name : "";
  if (MikMod_EnableOutput() != 0) ReportSoundError(L"Sound mixing impossible", L"Error initsound");
  MikMod_SetNumVoices(kMusicVoices, kEffectVoices);
  s.totalMixed = 0;
  VC_SetCallback(CountMixed);
  // The game never stops its sound; the process exit does. The library is
  // still stopped then, so a disk writer finishes its file instead of
  // leaving a header that claims no sound at all.
  static bool exitHookSet = false;
  if (!exitHookSet) exitHookSet = std::atexit(ShutdownSound) == 0;
  s.pacer.Start(ClockMs(), OutputBytesPerSecond(), kPacingLeadMs);
  return true;
}

void SetVolume(int volume) {
  SoundOff = volume == 0;
  md_volume = static_cast<UBYTE>(volume < 0 ? 0 : volume > 128 ? 128 : volume);
}

void SoundTick() {
  SoundState& s = Sound();
  if (!s.started || SoundOff) return;
  if (!s.paced) {
    MikMod_Update();
    return;
  }
  // A driver may mix less per update than a wait between two ticks lasts:
  // update until the mix is a lead ahead again (a bounded number of times,
  // as an update that mixes nothing would never get there).
  for (int i = 0; i < kMostUpdatesPerTick && s.pacer.ShouldUpdate(ClockMs()); ++i) MikMod_Update();
}

unsigned SoundFeedIntervalMs() {
  const SoundState& s = Sound();
  return s.started && s.fed && !SoundOff ? kFeedIntervalMs : 0;
}

void ShutdownSound() {
  SoundState& s = Sound();
  if (!s.started) return;
  FreeMusic();
  FreeEffects();
  VC_SetCallback(nullptr);
  MikMod_Exit();
  s.started = false;
  s.paced = false;
  s.fed = false;
  s.driverName.clear();
}

bool SoundStarted() { return Sound().started; }
std::string SoundDriverName() { return Sound().driverName; }
unsigned long long SoundBytesMixed() { return Sound().totalMixed; }
unsigned SoundBytesPerSecond() { return Sound().started ? OutputBytesPerSecond() : 0; }
