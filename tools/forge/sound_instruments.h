// sound_instruments.h -- the forge's instrument samples, shared by all the pieces.
#pragma once

#include <cstdint>

#include "tools/forge/sound_song.h"

// Every instrument is made from the synthesiser with fixed numbers; `seed`
// varies the noise of plucks and drums between pieces.
SongInstrument SquareLead(float duty, int volume);           // bright, C4..B6
SongInstrument SawLead(int volume);                          // C4..B6
SongInstrument Flute(int volume);                            // soft sine, C3..B5
SongInstrument Organ(int volume);                            // C3..B5
SongInstrument ChorusPad(int volume, bool low = false);      // two detuned saws, slow attack, C3..B5 (low: C2..B4)
SongInstrument BellKeys(int volume);                         // struck, decaying, C3..B5
SongInstrument PluckString(int volume, std::uint32_t seed);  // C3..B5
SongInstrument PluckBass(int volume, std::uint32_t seed);    // C1..B3
SongInstrument SquareBass(int volume);                       // C1..B3
SongInstrument SawBass(int volume);                          // C1..B3
SongInstrument DeepBass(int volume);                         // a saw an octave lower, C0..B2
// Drums sound as recorded at DrumPitch.
constexpr int DrumPitch = 72;
SongInstrument KickDrum(int volume);
SongInstrument SnareDrum(int volume, std::uint32_t seed);
SongInstrument HatDrum(int volume, std::uint32_t seed);
SongInstrument TomDrum(int volume, float startHz, float endHz);
