// sound.h -- the game's music (tracker modules) and effects (wave files) over libmikmod.
//
// One current module at a time, restarted from position 0 by the 100 ms music
// timer when it ends while looping is on. Effects play on the library's effect
// voices, each wave file loaded once and started without waiting. While sound
// is off (volume 0) nothing loads and nothing plays; every operation here is
// then a safe no-op. Everything runs on the main thread.
#pragma once

#include <string>
#include <string_view>

// Where the mixed sound goes.
enum class SoundOutput {
  Desktop,   // the library's own choice of device (or the one named in SoundOptions)
  Silent,    // the no-sound driver: modules play, nothing is heard
  WaveFile,  // the WAV disk writer, into SoundOptions::waveFilePath
};

struct SoundOptions {
  SoundOutput output = SoundOutput::Desktop;
  // Desktop only: a library driver alias ("pulseaudio", "alsa", "sdl", ...) to
  // use instead of the library's own choice. Empty: the environment variable
  // DUSKHAVEN_SOUND_DRIVER names one, otherwise the library chooses.
  std::string driverName;
  // WaveFile only: the host path of the file written (finished by ShutdownSound).
  std::string waveFilePath;
};

// Shows a sound error ("Load sound error" with the module's path, the
// library's start-up errors). The app points this at the system message box;
// by default the error is written on stderr.
using SoundErrorHook = void (*)(std::wstring_view text, std::wstring_view caption);
void SetSoundErrorHook(SoundErrorHook hook);

// Starts the library: all drivers and loaders, mode flags 12 (8-bit mono
// software mixing), 20 music and 4 effect voices, 44100 Hz. False when the
// library could not start at all (an error box is shown, the game goes on
// silent). A desktop without an audio device falls back to the no-sound
// driver and counts as started. Does not start the 100 ms timer: the app
// posts it and runs MusicTimerTick on each timer message.
bool InitSound(const SoundOptions& options = {});
// Sets the library's global volume (the "Volume" setting); SoundOff = (volume == 0).
void SetVolume(int volume);
// Loads a module (a game path such as "SOUNDS\menu.QXX", relative to the
// install directory) as the current one. False, after one "Load sound error"
// box with the path, when it cannot be loaded; no module is current then.
// Does nothing (false) while sound is off. A module still loaded is freed
// first (callers normally free it themselves).
bool LoadMusic(std::wstring_view path);
// Starts the current module at the song position; nothing without one.
void PlayMusic(int position);
// Frees the current module; MusicPlaying becomes false.
void FreeMusic();
// The library's update: mixes and hands the sound to the output. Cheap to
// call once per main-loop pass and from every busy loop; nothing while sound
// is off. On a live audio device it mixes only about 150 ms ahead of real
// time, so it never waits for the device.
void SoundTick();
// How often SoundTick must run for the output not to run dry, in ms; 0 when
// nothing is played on a live device (no sound, sound off, no-sound driver,
// a WAV file), which then needs no feeding at all.
unsigned SoundFeedIntervalMs();
// Plays a wave file (game path) once on an effect voice, asynchronously.
// Nothing while sound is off; failures are ignored.
void PlayEffect(std::wstring_view path);
// A module that ends while looping is on is restarted by MusicTimerTick
// (on from the start; start-up sets it again).
void SetMusicLoop(bool on);
// What the 100 ms music timer runs: restarts an ended module from position 0.
void MusicTimerTick();
// Stops the library (the WAV disk writer finishes its file); InitSound may
// be called again afterwards.
void ShutdownSound();

// State, for the shell and the tests.
bool SoundStarted();                     // InitSound succeeded and no shutdown since
bool MusicLoaded();                      // CurrentModule is not none
bool MusicPlaying();                     // a module was started and not freed since
bool MusicActive();                      // the player is running a module that has not ended
int MusicPosition();                     // the current song position (-1 without a module)
const std::wstring& CurrentMusicPath();  // the path of the last module load requested
int EffectsLoaded();                     // wave files loaded so far (each once)
std::string SoundDriverName();           // the output driver in use ("" before InitSound)
unsigned long long SoundBytesMixed();    // bytes the mixer produced since InitSound
unsigned SoundBytesPerSecond();          // the output's byte rate (44100 for 8-bit mono)
