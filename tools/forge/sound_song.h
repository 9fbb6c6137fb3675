// sound_song.h -- a tracker song as the forge composes it, before it is written as MOD or XM.
//
// Pitches are MIDI note numbers (60 = middle C). Each instrument says which
// pitch its sample sounds at when played at 8363 samples per second, so both
// writers can turn a pitch into their own note numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct SongInstrument {
  std::string name;
  std::vector<std::int8_t> data;
  int loopStart = 0;  // in samples; loopLength 0: no loop
  int loopLength = 0;
  int volume = 64;    // 0..64
  int baseMidi = 60;  // the pitch heard at 8363 samples per second
};

// Effect numbers shared by both formats.
enum SongEffect : int {
  EffectArpeggio = 0x0,
  EffectVibrato = 0x4,
  EffectVolumeSlide = 0xA,
  EffectSetVolume = 0xC,
  EffectExtended = 0xE,  // 0xCx: cut the note after x ticks
  EffectSpeed = 0xF,     // below 32: ticks per row; from 32: beats per minute
};

struct SongCell {
  int midi = -1;       // -1: no note
  int instrument = 0;  // 1-based; 0: none
  int effect = 0;
  int param = 0;  // effect 0 with param 0 is no effect
};

struct SongPattern {
  int rows = 64;
  std::vector<SongCell> cells;  // rows * channels, row by row
  SongCell& At(int row, int channel, int channels) { return cells[static_cast<std::size_t>(row * channels + channel)]; }
};

struct Song {
  std::string title;
  int channels = 4;
  int speed = 6;  // ticks per row at the start
  int bpm = 125;
  std::vector<SongInstrument> instruments;
  std::vector<SongPattern> patterns;
  std::vector<int> order;

  // Adds an empty pattern and returns its number.
  int AddPattern(int rows = 64);
  SongCell& Cell(int pattern, int row, int channel) {
    return patterns[static_cast<std::size_t>(pattern)].At(row, channel, channels);
  }
  // Writes a line of notes into one channel, one token every `step` rows from
  // `row`: "C4", "F#3", "Bb2" start a note, "." holds, "-" cuts the note, a
  // trailing "@NN" gives a volume 0..64 ("E4@40"), a trailing "^xy" plays
  // the note as a chord arpeggio (x and y semitones above) through its held
  // rows ("A3^37"). False on a bad token or a line that runs past the pattern.
  bool Line(int pattern, int channel, int instrument, int step, std::string_view notes, int row = 0);
  // Drum hits, one character every `step` rows: a letter is looked up in
  // `kit` (pairs of letter and instrument; each drum plays at `pitch`), an
  // upper-case letter is accented, "." is a rest.
  bool Drums(int pattern, int channel, int step, std::string_view hits, const std::vector<std::pair<char, int>>& kit,
             int pitch, int row = 0);
  // The speed and tempo at the first row of the pattern (channels 0 and 1).
  void SetTempo(int pattern, int ticksPerRow, int beatsPerMinute);
  // Seconds the order takes to play once.
  double Seconds() const;
};

// "C4" -> 60; -1 when the text is not a note name.
int NoteNumber(std::string_view name);
