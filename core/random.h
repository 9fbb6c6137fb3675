// random.h -- the game's pseudo-random generator and its scaling to 0..n-1.
//
// A RandomStream is one generator state. The game draws everything from one
// stream (GameRandom), seeded once from the clock; a duel is handed the
// stream it draws from, so tools can give every simulated duel a stream of
// its own and play them side by side.
#pragma once

#include <cstdint>

class RandomStream {
 public:
  constexpr explicit RandomStream(std::uint32_t seed = 1) : state_(seed) {}

  void Seed(std::uint32_t seed) { state_ = seed; }
  std::uint32_t State() const { return state_; }

  // The raw value 0..32767: state = state * 214013 + 2531011, (state >> 16) & 0x7FFF.
  int Raw() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

  // A value 0..n-1: trunc(r * n * (1/32767)) in single precision, with the n
  // that r = 32767 would give folded to n - 1.
  int Below(int n);

 private:
  std::uint32_t state_;
};

// The game's own stream: the shell, the club and the game's duel draw from it.
RandomStream& GameRandom();

// The game's stream, seeded, read and drawn from. The game seeds it once from
// the clock; tests seed it explicitly so that every run can be replayed.
inline void SeedRandom(std::uint32_t seed) { GameRandom().Seed(seed); }
inline std::uint32_t RandomState() { return GameRandom().State(); }
inline int RawRandom() { return GameRandom().Raw(); }
inline int Random(int n) { return GameRandom().Below(n); }
