// random.cpp -- the game's pseudo-random generator, bit for bit as the handheld's runtime had it.
#include "core/random.h"

int RandomStream::Below(int n) {
  // Two separate single-precision products, never fused: the order of
  // rounding is part of every recorded duel.
  volatile float t = static_cast<float>(Raw()) * static_cast<float>(n);
  t = t * (1.0f / 32767.0f);
  int result = static_cast<int>(t);
  if (result == n) result = n - 1;
  return result;
}

namespace {
constinit RandomStream gameStream(1);
}

RandomStream& GameRandom() { return gameStream; }
