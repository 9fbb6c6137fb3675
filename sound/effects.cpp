// effects.cpp -- the short wave effects, on the library's effect voices.
#include <vector>

#include "platform/file_system.h"
#include "platform/game_state.h"
#include "sound/sound_state.h"

namespace {
constexpr std::size_t kMaxEffectBytes = 4u << 20;

SAMPLE* LoadEffect(const std::string& gamePath) {
  std::vector<std::uint8_t> bytes;
  if (!platform::ReadWholeFile(gamePath, bytes, kMaxEffectBytes) || bytes.empty()) return nullptr;
  return Sample_LoadMem(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
}
}  // namespace

void PlayEffect(std::wstring_view path) {
  SoundState& s = Sound();
  if (!s.started || SoundOff) return;
  const std::string gamePath = NarrowGamePath(path);
  auto found = s.effects.find(gamePath);
  if (found == s.effects.end()) found = s.effects.emplace(gamePath, LoadEffect(gamePath)).first;
  // Started and left to play; a file that could not be loaded stays silent.
  if (found->second != nullptr) Sample_Play(found->second, 0, 0);
}

void FreeEffects() {
  for (auto& [path, sample] : Sound().effects) {
    if (sample != nullptr) Sample_Free(sample);
  }
  Sound().effects.clear();
}

int EffectsLoaded() {
  int count = 0;
  for (const auto& entry : Sound().effects) count += entry.second != nullptr ? 1 : 0;
  return count;
}
