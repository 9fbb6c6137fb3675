// sound_mod.cpp -- writes a composed song as a 31-instrument ProTracker module.
#include <algorithm>
#include <cstdio>

#include "tools/forge/sound_tracker.h"

namespace {

// Amiga periods of C-1 .. B-3 at finetune 0.
constexpr int kPeriods[36] = {856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453, 428, 404, 381, 360, 340, 320,
                              302, 285, 269, 254, 240, 226, 214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};

void Text(std::vector<std::uint8_t>& out, const std::string& text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

void Word(std::vector<std::uint8_t>& out, int value) {  // big-endian
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

// A MOD sample counts in 16-bit words: an odd length gets one zero byte.
std::size_t EvenLength(const SongInstrument& in) { return (in.data.size() + 1) & ~std::size_t{1}; }

}  // namespace

bool WriteMod(const Song& song, std::vector<std::uint8_t>& bytes) {
  if (song.instruments.size() > 31 || song.order.empty() || song.order.size() > 128 ||
      (song.channels != 4 && song.channels != 6 && song.channels != 8)) {
    std::fprintf(stderr, "duskhaven-forge: \"%s\" does not fit a ProTracker module\n", song.title.c_str());
    return false;
  }
  bytes.clear();
  Text(bytes, song.title, 20);
  for (std::size_t i = 0; i < 31; ++i) {
    if (i >= song.instruments.size()) {
      Text(bytes, "", 22);
      Word(bytes, 0);
      bytes.push_back(0);
      bytes.push_back(0);
      Word(bytes, 0);
      Word(bytes, 1);
      continue;
    }
    const SongInstrument& in = song.instruments[i];
    const std::size_t length = EvenLength(in);
    if (length > 0x1FFFE || (in.loopStart & 1) || (in.loopLength & 1) ||
        static_cast<std::size_t>(in.loopStart + in.loopLength) > length) {
      std::fprintf(stderr, "duskhaven-forge: sample \"%s\" does not fit a ProTracker module\n", in.name.c_str());
      return false;
    }
    Text(bytes, in.name, 22);
    Word(bytes, static_cast<int>(length / 2));
    bytes.push_back(0);  // finetune
    bytes.push_back(static_cast<std::uint8_t>(std::clamp(in.volume, 0, 64)));
    Word(bytes, in.loopLength > 0 ? in.loopStart / 2 : 0);
    Word(bytes, in.loopLength > 0 ? in.loopLength / 2 : 1);
  }
  bytes.push_back(static_cast<std::uint8_t>(song.order.size()));
  bytes.push_back(127);  // the restart byte trackers leave alone
  int patternCount = 0;
  for (std::size_t i = 0; i < 128; ++i) {
    const int number = i < song.order.size() ? song.order[i] : 0;
    patternCount = std::max(patternCount, number + 1);
    bytes.push_back(static_cast<std::uint8_t>(number));
  }
  Text(bytes, song.channels == 4 ? "M.K." : song.channels == 6 ? "6CHN" : "8CHN", 4);

  for (int p = 0; p < patternCount; ++p) {
    const SongPattern& pattern = song.patterns[static_cast<std::size_t>(p)];
    if (pattern.rows != 64) {
      std::fprintf(stderr, "duskhaven-forge: \"%s\": ProTracker patterns have 64 rows\n", song.title.c_str());
      return false;
    }
    for (const SongCell& cell : pattern.cells) {
      int period = 0;
      if (cell.midi >= 0) {
        if (cell.instrument < 1 || cell.instrument > static_cast<int>(song.instruments.size())) return false;
        const int index = cell.midi - song.instruments[static_cast<std::size_t>(cell.instrument - 1)].baseMidi + 12;
        if (index < 0 || index >= 36) {
          std::fprintf(stderr, "duskhaven-forge: \"%s\": note %d out of the ProTracker range for \"%s\"\n",
                       song.title.c_str(), cell.midi,
                       song.instruments[static_cast<std::size_t>(cell.instrument - 1)].name.c_str());
          return false;
        }
        period = kPeriods[index];
      }
      const int sample = cell.midi >= 0 ? cell.instrument : 0;
      bytes.push_back(static_cast<std::uint8_t>((sample & 0xF0) | (period >> 8)));
      bytes.push_back(static_cast<std::uint8_t>(period & 0xFF));
      bytes.push_back(static_cast<std::uint8_t>(((sample & 0x0F) << 4) | (cell.effect & 0x0F)));
      bytes.push_back(static_cast<std::uint8_t>(cell.param & 0xFF));
    }
  }
  for (const SongInstrument& in : song.instruments) {
    for (std::int8_t v : in.data) bytes.push_back(static_cast<std::uint8_t>(v));
    if (in.data.size() & 1) bytes.push_back(0);
  }
  return true;
}
