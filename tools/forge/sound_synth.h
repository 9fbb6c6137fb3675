// sound_synth.h -- the forge's little synthesiser: waves, plucked strings, drums and envelopes.
//
// Everything is computed from fixed numbers and a seeded noise generator, so
// the same build always makes the same bytes. Signals are floats in -1..1.
#pragma once

#include <cstdint>
#include <vector>

using Signal = std::vector<float>;

// A seeded noise source (a 32-bit linear congruential generator).
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  float Next();  // -1..1
 private:
  std::uint32_t state_;
};

// One cycle of `period` samples built from harmonics: amplitude of harmonic
// k (1-based) is weights[k - 1].
Signal Harmonics(int period, const std::vector<float>& weights);
// Band-limited classic waves over one cycle, `harmonics` partials at most.
Signal SquareCycle(int period, int harmonics, float duty = 0.5f);
Signal SawCycle(int period, int harmonics);
Signal SineCycle(int period);
// `cycles` repetitions of a cycle.
Signal Repeat(const Signal& cycle, int cycles);
// A chorus of two saws, one `period` long and one slightly longer, over a
// loop of `length` samples (both complete a whole number of cycles in it).
Signal DetunedSaws(int period, int length, int harmonics);

// A plucked string (Karplus-Strong) of the given period, `length` samples long.
Signal Pluck(int period, int length, float damping, std::uint32_t seed);
// A sine bell with an inharmonic partial, decaying over `length` samples.
Signal Bell(int period, int length);

// Drums, rendered at `rate` samples per second.
Signal Kick(int rate);
Signal Snare(int rate, std::uint32_t seed);
Signal HiHat(int rate, std::uint32_t seed);
Signal Tom(int rate, float startHz, float endHz);

// Envelopes and mixing.
void FadeIn(Signal& s, int samples);
void FadeOut(Signal& s, int samples);
void Decay(Signal& s, float halfLifeSamples);
void Scale(Signal& s, float gain);
// Scales so that the largest magnitude is `peak`.
void Normalise(Signal& s, float peak);
// Adds b into a at offset (a grows as needed).
void MixInto(Signal& a, const Signal& b, std::size_t offset, float gain);

// Conversions to the files' sample formats.
std::vector<std::int8_t> ToSigned8(const Signal& s);
std::vector<std::int16_t> ToSigned16(const Signal& s);
