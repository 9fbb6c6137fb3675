// random.h -- the game's one pseudo-random generator and its scaling to 0..n-1.
#pragma once

#include <cstdint>

// Seeds the generator. The game seeds it once from the clock; tools and
// tests seed it explicitly so that every duel can be replayed.
void SeedRandom(std::uint32_t seed);

// The generator's state, for tests and for tools that report it.
std::uint32_t RandomState();

// The raw value 0..32767: state = state * 214013 + 2531011, (state >> 16) & 0x7FFF.
int RawRandom();

// A value 0..n-1: trunc(r * n * (1/32767)) in single precision, with the n
// that r = 32767 would give folded to n - 1.
int Random(int n);
