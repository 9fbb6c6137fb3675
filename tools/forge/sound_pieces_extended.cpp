// sound_pieces_extended.cpp -- the fifth duel theme (eight channels, an extended module) and the boss theme.
#include "tools/forge/sound_instruments.h"
#include "tools/forge/sound_pieces.h"

bool ComposeDuel5(Song& song) {
  // F minor at 144, eight channels: a lead with its own echo three rows
  // behind, a chorus pad, bell arpeggios, a saw bass, and two drum channels.
  song.title = "Duel V";
  song.channels = 8;
  song.speed = 6;
  song.bpm = 144;
  const int lead = AddInstrument(song, SquareLead(0.25f, 42));
  const int pad = AddInstrument(song, ChorusPad(28));
  const int keys = AddInstrument(song, BellKeys(34));
  const int bass = AddInstrument(song, SawBass(40));
  const int pluck = AddInstrument(song, PluckString(30, 51u));
  const DrumKit kit = AddDrums(song, 44, 53u, 160.0f);

  const char* const leads[3] = {
      "F5 . . G#5 . . C6 . | C#6 . C6 . G#5 . F5 . | D#5 . . G5 . . A#5 . | G#5 . G5 . D#5 . C5 .",
      "C6 . . . A#5 . G#5 . | G#5 . . . F5 . C#5 . | D#5 . G5 . A#5 . D#6 . | C6 . . . . . - .",
      "F5 . G5 . G#5 . A#5 . | C#6 . . . C6 . A#5 . | C6 . . . G5 . E5 . | F5 . . . . . - .",
  };
  const char* const pads[3] = {
      "F3^38 . . . | C#4^47 . . . | D#4^47 . . . | G#3^47 . . .",
      "C#4^47 . . . | A#3^37 . . . | D#4^47 . . . | C4^47 . . .",
      "A#3^37 . . . | C#4^47 . . . | C4^47 . . . | F3^37 . . -",
  };
  const char* const arps[3] = {
      "F4 G#4 C5 G#4 F4 G#4 C5 F5 | C#4 F4 G#4 F4 C#4 F4 G#4 C#5 | D#4 G4 A#4 G4 D#4 G4 A#4 D#5 | G#3 C4 D#4 C4 G#3 C4 "
      "D#4 G#4",
      "C#4 F4 G#4 F4 C#4 F4 G#4 C#5 | A#3 C#4 F4 C#4 A#3 C#4 F4 A#4 | D#4 G4 A#4 G4 D#4 G4 A#4 D#5 | C4 E4 G4 E4 C4 E4 "
      "G4 C5",
      "A#3 C#4 F4 C#4 A#3 C#4 F4 A#4 | C#4 F4 G#4 F4 C#4 F4 G#4 C#5 | C4 E4 G4 E4 C4 E4 G4 C5 | F4 G#4 C5 G#4 F4 . - .",
  };
  const char* const basses[3] = {
      "F1 . F2 F1 . F1 F2 . | C#2 . C#3 C#2 . C#2 C#3 . | D#2 . D#3 D#2 . D#2 D#3 . | G#1 . G#2 G#1 . G#1 G#2 .",
      "C#2 . C#3 C#2 . C#2 C#3 . | A#1 . A#2 A#1 . A#1 A#2 . | D#2 . D#3 D#2 . D#2 D#3 . | C2 . C3 C2 . C2 C3 .",
      "A#1 . A#2 A#1 . A#1 A#2 . | C#2 . C#3 C#2 . C#2 C#3 . | C2 . C3 C2 . C2 E2 . | F1 . . . F1 . - .",
  };
  const char* const kicks[3] = {"K...K... K...K..k K...K... K...K.KK", "K...K... K...K..k K...K... K..KK.KK",
                                "K...K... K...K... K...K... K..t.tTT"};
  const char* const hats[3] = {"..h.S.h. ..h.S.hh ..h.S.h. ..h.S.hh", "..h.S.h. ..h.S.hh ..h.S.h. ..h.SSSS",
                               "h.h.S.h. h.h.S.h. h.h.S.h. h.h.S..."};
  bool ok = true;
  for (int i = 0; i < 3; ++i) {
    const int p = song.AddPattern();
    ok = ok && song.Line(p, 0, lead, 2, leads[i]);
    ok = ok && song.Line(p, 1, pad, 4, pads[i]);
    ok = ok && song.Line(p, 2, keys, 2, arps[i]);
    ok = ok && song.Line(p, 3, bass, 2, basses[i]);
    ok = ok && song.Drums(p, 4, 2, kicks[i], kit.Letters(), DrumPitch);
    ok = ok && song.Drums(p, 5, 2, hats[i], kit.Letters(), DrumPitch);
    // The echo: the lead again, three rows later and quieter, on a pluck.
    Song& s = song;
    for (int row = 0; row + 3 < 64; ++row) {
      const SongCell& from = s.Cell(p, row, 0);
      if (from.midi < 0) continue;
      SongCell& to = s.Cell(p, row + 3, 6);
      to.midi = from.midi - 12;
      to.instrument = pluck;
      to.effect = EffectSetVolume;
      to.param = 26;
    }
  }
  song.SetTempo(0, 6, 144);
  song.order = {0, 1, 0, 2};
  return ok;
}

bool ComposeBoss(Song& song) {
  // C minor at a heavy 84: a low detuned pad moving by half steps, a saw
  // bass hammering eighths with the tritone, toms, and a bell that tolls
  // a few notes at a time.
  song.title = "The last opponent";
  song.channels = 6;
  song.speed = 6;
  song.bpm = 84;
  const int pad = AddInstrument(song, ChorusPad(36, true));
  const int bass = AddInstrument(song, DeepBass(50));
  const int bell = AddInstrument(song, BellKeys(46));
  const int organ = AddInstrument(song, Organ(30));
  const DrumKit kit = AddDrums(song, 56, 61u, 90.0f);

  const char* const pads[4] = {
      "C3^37 . . . | C#3^47 . . . | C3^37 . . . | B2^36 . . .",
      "C3^37 . . . | C#3^47 . . . | F3^36 . . . | G3^47 . . .",
      "G#2^47 . . . | G3^36 . . . | F#3^36 . . . | G3^47 . . .",
      "C3^37 . . . | C#3^47 . . . | B2^36 . . . | C3^37 . . -",
  };
  const char* const basses[4] = {
      "C1 C1 C1 C2 C1 C1 F#1 C1 | C#1 C#1 C#1 C#2 C#1 C#1 G1 C#1 | C1 C1 C1 C2 C1 C1 F#1 C1 | B0 B0 B0 B1 B0 B0 F1 B0",
      "C1 C1 C1 C2 C1 C1 F#1 C1 | C#1 C#1 C#1 C#2 C#1 C#1 G1 C#1 | F1 F1 F1 F2 F1 F1 B1 F1 | G1 G1 G1 G2 G1 G1 C#2 G1",
      "G#0 G#0 G#0 G#1 G#0 G#0 D1 G#0 | G0 G0 G0 G1 G0 G0 C#1 G0 | F#0 F#0 F#0 F#1 F#0 F#0 C1 F#0 | G0 G0 G0 G1 G0 G0 "
      "C#1 G0",
      "C1 C1 C1 C2 C1 C1 F#1 C1 | C#1 C#1 C#1 C#2 C#1 C#1 G1 C#1 | B0 B0 B0 B1 B0 B0 F1 B0 | C1 . . . C1 . - .",
  };
  const char* const bells[4] = {
      ". . . . . . . . | . . . . . . . . | G4 . . . F#4 . . . | G4 . . . . . . .",
      "C5 . . . . . B4 . | C#5 . . . . . . . | C5 . . . B4 . G#4 . | G4 . . . . . . .",
      "G#4 . . . G4 . . . | F#4 . . . . . . . | C5 . . . F#4 . . . | G4 . . . D5 . . .",
      "D#5 . . . D5 . C5 . | C#5 . . . . . . . | B4 . . . D5 . F5 . | C5 . . . . . - .",
  };
  const char* const organs[4] = {
      ". . . . | . . . . | . . . . | . . . .",
      "D#4 . . . | F4 . . . | G#4 . . . | B3 . . .",
      "D#4 . . . | D4 . . . | C4 . . . | B3 . . .",
      "D#4 . G4 . | F4 . G#4 . | F4 . D4 . | C4 . . -",
  };
  const char* const drums[4] = {"K.....k. S....... K.....k. S...t.t.", "K.....k. S....... K.....k. S...t.tT",
                                "K..k..k. S..h.... K..k..k. S..tt.TT", "K.....k. S....... K.....k. T.T.TTTT"};
  const char* const hats[4] = {"..h...h. ..h...h. ..h...h. ..h...h.", "..h...h. ..h...h. ..h...h. ..h.h.h.",
                               "h.h.h.h. h.h.h.h. h.h.h.h. h.h.h.h.", "..h...h. ..h...h. ..h...h. ........"};
  bool ok = true;
  for (int i = 0; i < 4; ++i) {
    const int p = song.AddPattern();
    ok = ok && song.Line(p, 0, pad, 4, pads[i]);
    ok = ok && song.Line(p, 1, bass, 2, basses[i]);
    ok = ok && song.Line(p, 2, bell, 2, bells[i]);
    ok = ok && song.Line(p, 3, organ, 4, organs[i]);
    ok = ok && song.Drums(p, 4, 2, drums[i], kit.Letters(), DrumPitch);
    ok = ok && song.Drums(p, 5, 2, hats[i], kit.Letters(), DrumPitch);
    song.order.push_back(p);
  }
  song.SetTempo(0, 6, 84);
  return ok;
}
