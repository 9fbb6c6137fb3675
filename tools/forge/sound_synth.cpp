// sound_synth.cpp -- the forge's little synthesiser: waves, plucked strings, drums and envelopes.
#include "tools/forge/sound_synth.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kTwoPi = 6.28318530718f;

float Clamp1(float v) { return std::clamp(v, -1.0f, 1.0f); }
}  // namespace

float Noise::Next() {
  state_ = state_ * 1664525u + 1013904223u;
  return static_cast<float>(state_ >> 8) / 8388608.0f - 1.0f;
}

Signal Harmonics(int period, const std::vector<float>& weights) {
  Signal s(static_cast<std::size_t>(period), 0.0f);
  for (int i = 0; i < period; ++i) {
    float v = 0.0f;
    for (std::size_t k = 0; k < weights.size(); ++k)
      v += weights[k] *
           std::sin(kTwoPi * static_cast<float>(k + 1) * static_cast<float>(i) / static_cast<float>(period));
    s[static_cast<std::size_t>(i)] = v;
  }
  Normalise(s, 1.0f);
  return s;
}

Signal SquareCycle(int period, int harmonics, float duty) {
  std::vector<float> w;
  for (int k = 1; k <= harmonics; ++k)
    w.push_back(std::sin(3.14159265f * static_cast<float>(k) * duty) / static_cast<float>(k));
  // Cosine terms are left out: the shape changes a little, the sound does not.
  return Harmonics(period, w);
}

Signal SawCycle(int period, int harmonics) {
  std::vector<float> w;
  for (int k = 1; k <= harmonics; ++k) w.push_back((k % 2 ? 1.0f : -1.0f) / static_cast<float>(k));
  return Harmonics(period, w);
}

Signal SineCycle(int period) { return Harmonics(period, {1.0f}); }

Signal Repeat(const Signal& cycle, int cycles) {
  Signal s;
  s.reserve(cycle.size() * static_cast<std::size_t>(cycles));
  for (int c = 0; c < cycles; ++c) s.insert(s.end(), cycle.begin(), cycle.end());
  return s;
}

Signal DetunedSaws(int period, int length, int harmonics) {
  const int cyclesA = length / period;
  const int cyclesB = cyclesA - 1;  // a little lower, still whole cycles in the loop
  Signal s(static_cast<std::size_t>(length), 0.0f);
  for (int i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(length);
    float v = 0.0f;
    for (int k = 1; k <= harmonics; ++k) {
      const float sign = k % 2 ? 1.0f : -1.0f;
      v += sign / static_cast<float>(k) *
           (std::sin(kTwoPi * static_cast<float>(k * cyclesA) * t) +
            std::sin(kTwoPi * static_cast<float>(k * cyclesB) * t));
    }
    s[static_cast<std::size_t>(i)] = v;
  }
  Normalise(s, 1.0f);
  return s;
}

Signal Pluck(int period, int length, float damping, std::uint32_t seed) {
  Noise noise(seed);
  std::vector<float> ring(static_cast<std::size_t>(period));
  for (float& v : ring) v = noise.Next();
  // A softer start: smooth the initial burst once.
  for (std::size_t i = 1; i < ring.size(); ++i) ring[i] = 0.5f * (ring[i] + ring[i - 1]);
  Signal s(static_cast<std::size_t>(length));
  std::size_t at = 0;
  for (int i = 0; i < length; ++i) {
    const std::size_t next = (at + 1) % ring.size();
    const float out = ring[at];
    ring[at] = damping * 0.5f * (ring[at] + ring[next]);
    s[static_cast<std::size_t>(i)] = out;
    at = next;
  }
  Normalise(s, 1.0f);
  return s;
}

Signal Bell(int period, int length) {
  Signal s(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(period);
    const float a = std::exp(-static_cast<float>(i) / (static_cast<float>(length) * 0.25f));
    const float b = std::exp(-static_cast<float>(i) / (static_cast<float>(length) * 0.08f));
    s[static_cast<std::size_t>(i)] =
        a * std::sin(kTwoPi * t) + 0.5f * b * std::sin(kTwoPi * 2.76f * t) + 0.25f * b * std::sin(kTwoPi * 5.4f * t);
  }
  FadeIn(s, 8);
  FadeOut(s, 64);
  Normalise(s, 1.0f);
  return s;
}

Signal Kick(int rate) {
  const int length = rate * 3 / 10;
  Signal s(static_cast<std::size_t>(length));
  float phase = 0.0f;
  for (int i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(rate);
    const float hz = 45.0f + 110.0f * std::exp(-t * 30.0f);
    phase += kTwoPi * hz / static_cast<float>(rate);
    s[static_cast<std::size_t>(i)] = std::sin(phase) * std::exp(-t * 9.0f);
  }
  FadeOut(s, rate / 100);
  Normalise(s, 1.0f);
  return s;
}

Signal Snare(int rate, std::uint32_t seed) {
  Noise noise(seed);
  const int length = rate / 5;
  Signal s(static_cast<std::size_t>(length));
  float low = 0.0f;
  for (int i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(rate);
    const float n = noise.Next();
    low += 0.5f * (n - low);
    const float tone = std::sin(kTwoPi * 185.0f * t) * std::exp(-t * 30.0f);
    s[static_cast<std::size_t>(i)] = (0.8f * (n - 0.5f * low) * std::exp(-t * 18.0f)) + 0.6f * tone;
  }
  FadeOut(s, rate / 100);
  Normalise(s, 1.0f);
  return s;
}

Signal HiHat(int rate, std::uint32_t seed) {
  Noise noise(seed);
  const int length = rate / 16;
  Signal s(static_cast<std::size_t>(length));
  float previous = 0.0f;
  for (int i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(rate);
    const float n = noise.Next();
    s[static_cast<std::size_t>(i)] = (n - previous) * std::exp(-t * 60.0f);  // bright: a first difference
    previous = n;
  }
  FadeOut(s, rate / 200);
  Normalise(s, 1.0f);
  return s;
}

Signal Tom(int rate, float startHz, float endHz) {
  const int length = rate * 2 / 5;
  Signal s(static_cast<std::size_t>(length));
  float phase = 0.0f;
  for (int i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(rate);
    const float hz = endHz + (startHz - endHz) * std::exp(-t * 12.0f);
    phase += kTwoPi * hz / static_cast<float>(rate);
    s[static_cast<std::size_t>(i)] = (std::sin(phase) + 0.2f * std::sin(2.0f * phase)) * std::exp(-t * 7.0f);
  }
  FadeOut(s, rate / 100);
  Normalise(s, 1.0f);
  return s;
}

void FadeIn(Signal& s, int samples) {
  const int n = std::min<int>(samples, static_cast<int>(s.size()));
  for (int i = 0; i < n; ++i) s[static_cast<std::size_t>(i)] *= static_cast<float>(i) / static_cast<float>(n);
}

void FadeOut(Signal& s, int samples) {
  const int size = static_cast<int>(s.size());
  const int n = std::min(samples, size);
  for (int i = 0; i < n; ++i)
    s[static_cast<std::size_t>(size - 1 - i)] *= static_cast<float>(i) / static_cast<float>(n);
}

void Decay(Signal& s, float halfLifeSamples) {
  for (std::size_t i = 0; i < s.size(); ++i) s[i] *= std::exp2(-static_cast<float>(i) / halfLifeSamples);
}

void Scale(Signal& s, float gain) {
  for (float& v : s) v *= gain;
}

void Normalise(Signal& s, float peak) {
  float top = 0.0f;
  for (float v : s) top = std::max(top, std::fabs(v));
  if (top > 0.0f) Scale(s, peak / top);
}

void MixInto(Signal& a, const Signal& b, std::size_t offset, float gain) {
  if (a.size() < offset + b.size()) a.resize(offset + b.size(), 0.0f);
  for (std::size_t i = 0; i < b.size(); ++i) a[offset + i] += gain * b[i];
}

std::vector<std::int8_t> ToSigned8(const Signal& s) {
  std::vector<std::int8_t> out(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) out[i] = static_cast<std::int8_t>(std::lround(Clamp1(s[i]) * 127.0f));
  return out;
}

std::vector<std::int16_t> ToSigned16(const Signal& s) {
  std::vector<std::int16_t> out(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) out[i] = static_cast<std::int16_t>(std::lround(Clamp1(s[i]) * 32767.0f));
  return out;
}
