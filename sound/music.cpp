// music.cpp -- the current music module: loading, starting, freeing and the restart timer.
#include <vector>

#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/text_utf8.h"
#include "sound/sound_state.h"

namespace {
constexpr int kMaxModuleChannels = 20;
constexpr std::size_t kMaxModuleBytes = 16u << 20;
}  // namespace

std::string NarrowGamePath(std::wstring_view path) {
  // The host's file names are UTF-8; the game's own paths are plain ASCII,
  // where this is the same as keeping each character's low byte.
  return platform::ToUtf8(path);
}

bool LoadMusic(std::wstring_view path) {
  SoundState& s = Sound();
  if (!s.started || SoundOff) return false;
  // A caller that did not free the previous module would leak it.
  if (s.currentModule != nullptr) FreeMusic();
  const std::string gamePath = NarrowGamePath(path);
  s.currentModulePath.assign(path);
  std::vector<std::uint8_t> bytes;
  if (platform::ReadWholeFile(gamePath, bytes, kMaxModuleBytes) && !bytes.empty()) {
    s.currentModule = Player_LoadMem(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()),
                                     kMaxModuleChannels, 0);
  }
  if (s.currentModule == nullptr) {
    ReportSoundError(platform::FromUtf8(platform::HostPath(gamePath)), L"Load sound error");
    return false;
  }
  return true;
}

void PlayMusic(int position) {
  SoundState& s = Sound();
  if (!s.started || s.currentModule == nullptr) return;
  Player_Start(s.currentModule);
  Player_SetPosition(static_cast<UWORD>(position < 0 ? 0 : position));
  s.musicPlaying = true;
}

void FreeMusic() {
  SoundState& s = Sound();
  if (s.currentModule != nullptr) {
    Player_Free(s.currentModule);  // stops it first when it is playing
    s.currentModule = nullptr;
  }
  s.musicPlaying = false;
}

void SetMusicLoop(bool on) { Sound().musicLoop = on; }

bool MusicActive() {
  const SoundState& s = Sound();
  return s.started && s.currentModule != nullptr && Player_GetModule() == s.currentModule && Player_Active();
}

void MusicTimerTick() {
  SoundState& s = Sound();
  if (!s.started || MusicActive()) return;
  if (!s.musicPlaying) return;
  if (s.musicLoop) PlayMusic(0);
}

bool MusicLoaded() { return Sound().currentModule != nullptr; }
bool MusicPlaying() { return Sound().musicPlaying; }
int MusicPosition() {
  const SoundState& s = Sound();
  return s.currentModule != nullptr ? s.currentModule->sngpos : -1;
}
const std::wstring& CurrentMusicPath() { return Sound().currentModulePath; }
