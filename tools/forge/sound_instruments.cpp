// sound_instruments.cpp -- the forge's instrument samples, shared by all the pieces.
#include "tools/forge/sound_instruments.h"

#include <string>

#include "tools/forge/sound_synth.h"

namespace {

// Drums are rendered at twice the 8363 Hz reference, an octave above their base.
constexpr int kDrumRate = 16726;

// A looped wave: `cycle` repeated to fill `cycles` cycles, all of it looped.
SongInstrument Looped(std::string name, const Signal& cycle, int cycles, int baseMidi, int volume, float peak) {
  Signal s = Repeat(cycle, cycles);
  Scale(s, peak);
  SongInstrument in;
  in.name = std::move(name);
  in.data = ToSigned8(s);
  in.loopStart = 0;
  in.loopLength = static_cast<int>(in.data.size());
  in.baseMidi = baseMidi;
  in.volume = volume;
  return in;
}

// A one-shot sound, with the two silent leading bytes trackers expect.
SongInstrument OneShot(std::string name, Signal s, int baseMidi, int volume, float peak) {
  Scale(s, peak);
  s.insert(s.begin(), 2, 0.0f);
  if (s.size() & 1) s.push_back(0.0f);
  SongInstrument in;
  in.name = std::move(name);
  in.data = ToSigned8(s);
  in.baseMidi = baseMidi;
  in.volume = volume;
  return in;
}

}  // namespace

// A cycle of 16 samples sounds C5 at 8363 samples per second, 32 C4, 128 C2.
SongInstrument SquareLead(float duty, int volume) {
  return Looped("square lead", SquareCycle(16, 7, duty), 16, 72, volume, 0.85f);
}
SongInstrument SawLead(int volume) { return Looped("saw lead", SawCycle(16, 7), 16, 72, volume, 0.85f); }
SongInstrument Flute(int volume) {
  return Looped("flute", Harmonics(32, {1.0f, 0.0f, 0.12f, 0.0f, 0.04f}), 8, 60, volume, 0.9f);
}
SongInstrument Organ(int volume) {
  return Looped("organ", Harmonics(32, {1.0f, 0.6f, 0.35f, 0.25f, 0.0f, 0.15f}), 8, 60, volume, 0.85f);
}

SongInstrument ChorusPad(int volume, bool low) {
  // One loop holds 64 and 63 cycles of the two saws; before it, the same
  // sound fading in, so the loop joins without a click.
  const int period = low ? 64 : 32;
  const int loop = period * 64;
  Signal one = DetunedSaws(period, loop, low ? 10 : 6);
  Signal s = Repeat(one, 2);
  FadeIn(s, loop);
  Scale(s, 0.8f);
  SongInstrument in;
  in.name = "chorus pad";
  in.data = ToSigned8(s);
  in.loopStart = loop;
  in.loopLength = loop;
  in.baseMidi = low ? 48 : 60;
  in.volume = volume;
  return in;
}

SongInstrument BellKeys(int volume) { return OneShot("bell keys", Bell(32, 9000), 60, volume, 0.9f); }
SongInstrument PluckString(int volume, std::uint32_t seed) {
  return OneShot("plucked string", Pluck(32, 9000, 0.996f, seed), 60, volume, 0.9f);
}
SongInstrument PluckBass(int volume, std::uint32_t seed) {
  Signal s = Pluck(128, 12000, 0.998f, seed);
  return OneShot("plucked bass", s, 36, volume, 0.95f);
}
SongInstrument SquareBass(int volume) { return Looped("square bass", SquareCycle(128, 12, 0.5f), 4, 36, volume, 0.8f); }
SongInstrument SawBass(int volume) { return Looped("saw bass", SawCycle(128, 14), 4, 36, volume, 0.8f); }
SongInstrument DeepBass(int volume) { return Looped("deep bass", SawCycle(256, 16), 2, 24, volume, 0.8f); }

SongInstrument KickDrum(int volume) { return OneShot("kick", Kick(kDrumRate), DrumPitch - 12, volume, 0.95f); }
SongInstrument SnareDrum(int volume, std::uint32_t seed) {
  return OneShot("snare", Snare(kDrumRate, seed), DrumPitch - 12, volume, 0.85f);
}
SongInstrument HatDrum(int volume, std::uint32_t seed) {
  return OneShot("hat", HiHat(kDrumRate, seed), DrumPitch - 12, volume, 0.6f);
}
SongInstrument TomDrum(int volume, float startHz, float endHz) {
  return OneShot("tom", Tom(kDrumRate, startHz, endHz), DrumPitch - 12, volume, 0.9f);
}
