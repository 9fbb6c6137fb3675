// sound_wave.cpp -- writes a RIFF WAVE file of 16-bit mono PCM.
#include "tools/forge/sound_wave.h"

#include <string_view>

namespace {
// Byte by byte: a range insert here trips GCC 12's -Wstringop-overflow at -O3.
void Tag(std::vector<std::uint8_t>& out, std::string_view tag) {
  for (char c : tag) out.push_back(static_cast<std::uint8_t>(c));
}
void U16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void U32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  U16(out, v & 0xFFFF);
  U16(out, v >> 16);
}
}  // namespace

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int rate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  const auto sampleRate = static_cast<std::uint32_t>(rate);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  Tag(out, "RIFF");
  U32(out, 36 + dataBytes);
  Tag(out, "WAVE");
  Tag(out, "fmt ");
  U32(out, 16);
  U16(out, 1);  // PCM
  U16(out, 1);  // mono
  U32(out, sampleRate);
  U32(out, sampleRate * 2);  // bytes per second
  U16(out, 2);               // bytes per frame
  U16(out, 16);              // bits per sample
  Tag(out, "data");
  U32(out, dataBytes);
  for (std::int16_t v : samples) U16(out, static_cast<std::uint16_t>(v));
  return out;
}
