// score16.h -- the computer opponent's scores are 16-bit numbers that wrap.
#pragma once

#include <cstdint>

using Score = std::int16_t;

// Two's complement wrap of an int into 16 bits.
inline Score ToScore(int value) {
  return static_cast<Score>(static_cast<std::uint16_t>(static_cast<unsigned>(value) & 0xFFFFu));
}
inline Score NegateScore(Score s) { return ToScore(-static_cast<int>(s)); }

constexpr Score StartingScore = -10000;
