// sound_effect_synth.cpp -- the three short effects: a card put down, a duel won, a duel lost.
#include "tools/forge/sound_effect_synth.h"

#include <cmath>

#include "tools/forge/sound_synth.h"

namespace {
constexpr float kTwoPi = 6.28318530718f;

float Hz(int midi) { return 440.0f * std::exp2(static_cast<float>(midi - 69) / 12.0f); }

// A bell note of `seconds` at the effect rate.
Signal BellNote(float hz, float seconds) {
  const int length = static_cast<int>(seconds * EffectRate);
  Signal s(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / EffectRate;
    s[static_cast<std::size_t>(i)] = std::exp(-t * 4.0f) * std::sin(kTwoPi * hz * t) +
                                     0.35f * std::exp(-t * 12.0f) * std::sin(kTwoPi * hz * 2.0f * t) +
                                     0.2f * std::exp(-t * 20.0f) * std::sin(kTwoPi * hz * 3.01f * t);
  }
  FadeIn(s, 40);
  FadeOut(s, EffectRate / 50);
  return s;
}
}  // namespace

std::vector<std::int16_t> CardDownEffect() {
  const int length = EffectRate * 3 / 20;  // 150 ms
  Noise noise(71u);
  Signal s(static_cast<std::size_t>(length));
  float low = 0.0f, phase = 0.0f;
  for (int i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / EffectRate;
    low += 0.25f * (noise.Next() - low);  // a dull, filtered tap
    phase += kTwoPi * (140.0f + 120.0f * std::exp(-t * 60.0f)) / EffectRate;
    s[static_cast<std::size_t>(i)] = 1.6f * low * std::exp(-t * 90.0f) + 0.8f * std::sin(phase) * std::exp(-t * 35.0f);
  }
  FadeIn(s, 16);
  FadeOut(s, EffectRate / 100);
  Normalise(s, 0.8f);
  return ToSigned16(s);
}

std::vector<std::int16_t> WinEffect() {
  Signal s;
  const int notes[4] = {72, 76, 79, 84};  // C E G C
  for (int i = 0; i < 4; ++i) {
    const float length = i == 3 ? 0.9f : 0.45f;
    MixInto(s, BellNote(Hz(notes[i]), length), static_cast<std::size_t>(i * EffectRate * 12 / 100), 0.5f);
  }
  MixInto(s, BellNote(Hz(79), 0.9f), static_cast<std::size_t>(3 * EffectRate * 12 / 100), 0.3f);
  Normalise(s, 0.8f);
  return ToSigned16(s);
}

std::vector<std::int16_t> LossEffect() {
  // Four notes falling by half steps, the last one long and wavering.
  const int notes[4] = {67, 66, 65, 64};
  const float starts[4] = {0.0f, 0.28f, 0.56f, 0.84f};
  const float lengths[4] = {0.26f, 0.26f, 0.26f, 0.7f};
  Signal s;
  for (int n = 0; n < 4; ++n) {
    const int length = static_cast<int>(lengths[n] * EffectRate);
    Signal note(static_cast<std::size_t>(length));
    float phase = 0.0f, smooth = 0.0f;
    for (int i = 0; i < length; ++i) {
      const float t = static_cast<float>(i) / EffectRate;
      const float wobble = n == 3 ? 0.012f * std::sin(kTwoPi * 5.5f * t) : 0.0f;
      phase += Hz(notes[n]) * (1.0f + wobble) / EffectRate;
      phase -= std::floor(phase);
      const float saw = 2.0f * phase - 1.0f;
      smooth += 0.18f * (saw - smooth);  // a soft, muted brass
      note[static_cast<std::size_t>(i)] = smooth * std::exp(-t * (n == 3 ? 2.0f : 3.0f));
    }
    FadeIn(note, EffectRate / 100);
    FadeOut(note, EffectRate / 25);
    MixInto(s, note, static_cast<std::size_t>(starts[n] * EffectRate), 1.0f);
  }
  Normalise(s, 0.8f);
  return ToSigned16(s);
}
