// sound_xm.cpp -- writes a composed song as a FastTracker 2 extended module.
#include <algorithm>
#include <cstdio>

#include "tools/forge/sound_tracker.h"

namespace {

void Text(std::vector<std::uint8_t>& out, const std::string& text, std::size_t size, char pad) {
  for (std::size_t i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(i < text.size() ? text[i] : pad));
}
void U8(std::vector<std::uint8_t>& out, int v) { out.push_back(static_cast<std::uint8_t>(v & 0xFF)); }
void U16(std::vector<std::uint8_t>& out, int v) {  // little-endian
  U8(out, v);
  U8(out, v >> 8);
}
void U32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  U16(out, static_cast<int>(v & 0xFFFF));
  U16(out, static_cast<int>(v >> 16));
}
void Zeros(std::vector<std::uint8_t>& out, std::size_t n) { out.insert(out.end(), n, 0); }

}  // namespace

bool WriteXm(const Song& song, std::vector<std::uint8_t>& bytes) {
  if (song.instruments.empty() || song.instruments.size() > 128 || song.order.empty() || song.order.size() > 256 ||
      song.channels < 2 || song.channels > 32 || (song.channels & 1)) {
    std::fprintf(stderr, "duskhaven-forge: \"%s\" does not fit an extended module\n", song.title.c_str());
    return false;
  }
  bytes.clear();
  Text(bytes, "Extended Module: ", 17, ' ');
  Text(bytes, song.title, 20, ' ');
  U8(bytes, 0x1A);
  Text(bytes, "duskhaven-forge", 20, ' ');
  U16(bytes, 0x0104);
  U32(bytes, 276);
  int patternCount = 0;
  for (int number : song.order) patternCount = std::max(patternCount, number + 1);
  U16(bytes, static_cast<int>(song.order.size()));
  U16(bytes, 0);  // restart position
  U16(bytes, song.channels);
  U16(bytes, patternCount);
  U16(bytes, static_cast<int>(song.instruments.size()));
  U16(bytes, 1);  // linear frequencies
  U16(bytes, song.speed);
  U16(bytes, song.bpm);
  for (std::size_t i = 0; i < 256; ++i) U8(bytes, i < song.order.size() ? song.order[i] : 0);

  for (int p = 0; p < patternCount; ++p) {
    const SongPattern& pattern = song.patterns[static_cast<std::size_t>(p)];
    std::vector<std::uint8_t> packed;
    for (const SongCell& cell : pattern.cells) {
      int note = 0;
      if (cell.midi >= 0) {
        if (cell.instrument < 1 || cell.instrument > static_cast<int>(song.instruments.size())) return false;
        note = cell.midi - 11;  // C-4 (49) is middle C
        if (note < 1 || note > 96) {
          std::fprintf(stderr, "duskhaven-forge: \"%s\": note %d out of range\n", song.title.c_str(), cell.midi);
          return false;
        }
      }
      const int instrument = cell.midi >= 0 ? cell.instrument : 0;
      int flags = 0x80;
      if (note) flags |= 0x01;
      if (instrument) flags |= 0x02;
      if (cell.effect) flags |= 0x08;
      if (cell.param) flags |= 0x10;
      U8(packed, flags);
      if (note) U8(packed, note);
      if (instrument) U8(packed, instrument);
      if (cell.effect) U8(packed, cell.effect);
      if (cell.param) U8(packed, cell.param);
    }
    U32(bytes, 9);
    U8(bytes, 0);
    U16(bytes, pattern.rows);
    U16(bytes, static_cast<int>(packed.size()));
    bytes.insert(bytes.end(), packed.begin(), packed.end());
  }

  for (const SongInstrument& in : song.instruments) {
    U32(bytes, 263);
    Text(bytes, in.name, 22, '\0');
    U8(bytes, 0);
    U16(bytes, 1);          // one sample
    U32(bytes, 40);         // its header's size
    Zeros(bytes, 96);       // every note plays sample 0
    Zeros(bytes, 48 + 48);  // no envelopes
    Zeros(bytes, 10);
    Zeros(bytes, 4);  // no auto-vibrato
    U16(bytes, 0);    // fade-out
    Zeros(bytes, 22);
    // The sample header, then its data as differences.
    U32(bytes, static_cast<std::uint32_t>(in.data.size()));
    U32(bytes, static_cast<std::uint32_t>(in.loopLength > 0 ? in.loopStart : 0));
    U32(bytes, static_cast<std::uint32_t>(in.loopLength));
    U8(bytes, std::clamp(in.volume, 0, 64));
    U8(bytes, 0);  // finetune
    U8(bytes, in.loopLength > 0 ? 1 : 0);
    U8(bytes, 128);               // panning: centre
    U8(bytes, 60 - in.baseMidi);  // relative note
    U8(bytes, 0);
    Text(bytes, in.name, 22, '\0');
    int previous = 0;
    for (std::int8_t v : in.data) {
      U8(bytes, v - previous);
      previous = v;
    }
  }
  return true;
}
