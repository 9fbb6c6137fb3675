// random.cpp -- the game's pseudo-random generator, bit for bit as the handheld's runtime had it.
#include "core/random.h"

namespace {
std::uint32_t holdrand = 1;
}

void SeedRandom(std::uint32_t seed) { holdrand = seed; }

std::uint32_t RandomState() { return holdrand; }

int RawRandom() {
  holdrand = holdrand * 214013u + 2531011u;
  return static_cast<int>((holdrand >> 16) & 0x7FFFu);
}

int Random(int n) {
  // Two separate single-precision products, never fused: the order of
  // rounding is part of every recorded duel.
  volatile float t = static_cast<float>(RawRandom()) * static_cast<float>(n);
  t = t * (1.0f / 32767.0f);
  int result = static_cast<int>(t);
  if (result == n) result = n - 1;
  return result;
}
