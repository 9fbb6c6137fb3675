// identify_music.cpp -- names the game's modules heard in a recording of the game's sound.
//
// usage: identify_music INSTALL_DIR RECORDING.wav VOLUME MODULE...
// Each module is rendered here from its start through the same mixer and
// the same volume; the game's mixer runs the same way, so a stretch of the
// render (taken a few ticks in, where the two runs' ticks line up) appears
// byte for byte in the recording wherever the game started that module.
// Prints one line "SECONDS MODULE" per module found, first appearance, in
// order of time, and exits 1 when none is found.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/text_utf8.h"
#include "sound/sound.h"

namespace {

constexpr std::size_t kSkip = 6000;       // past the first ticks of the piece
constexpr std::size_t kSignature = 8000;  // about 0.18 s

std::vector<std::uint8_t> WaveBody(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (!platform::ReadWholeFile(path, bytes) || bytes.size() < 44) return {};
  // The game ends without finishing the file's header: the sound starts at 44.
  return std::vector<std::uint8_t>(bytes.begin() + 44, bytes.end());
}

std::vector<std::uint8_t> Render(const std::string& module, int volume, const std::string& wav) {
  SoundOptions options;
  options.output = SoundOutput::WaveFile;
  options.waveFilePath = wav;
  if (!InitSound(options)) return {};
  SetVolume(volume);
  if (LoadMusic(platform::FromUtf8(module))) {
    PlayMusic(0);
    while (SoundBytesMixed() < kSkip + kSignature) SoundTick();
  }
  ShutdownSound();
  return WaveBody(wav);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fputs("usage: identify_music INSTALL_DIR RECORDING.wav VOLUME MODULE...\n", stderr);
    return 2;
  }
  platform::SetInstallDir(argv[1]);
  // Game paths are read from the install directory; the recording is not one.
  const std::string recordingPath = platform::AbsoluteHostPath(argv[2]);
  const std::vector<std::uint8_t> recording = WaveBody(recordingPath);
  const int volume = std::atoi(argv[3]);
  const std::string scratch = recordingPath + ".render.wav";
  std::vector<std::pair<double, std::string>> found;
  for (int i = 4; i < argc; ++i) {
    const std::vector<std::uint8_t> render = Render(argv[i], volume, scratch);
    if (render.size() < kSkip + kSignature) {
      std::fprintf(stderr, "identify_music: cannot render %s\n", argv[i]);
      return 2;
    }
    const auto first = render.begin() + static_cast<std::ptrdiff_t>(kSkip);
    const auto at = std::search(recording.begin(), recording.end(), first, first + kSignature);
    if (at != recording.end()) found.emplace_back(static_cast<double>(at - recording.begin()) / 44100.0, argv[i]);
  }
  platform::RemoveFile(scratch);
  std::sort(found.begin(), found.end());
  for (const auto& [seconds, name] : found) std::printf("%.2f %s\n", seconds, name.c_str());
  return found.empty() ? 1 : 0;
}
