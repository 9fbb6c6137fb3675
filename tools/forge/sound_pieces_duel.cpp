// sound_pieces_duel.cpp -- the five duel themes, each in its own key, tempo and colour.
#include <cstdio>

#include "tools/forge/sound_instruments.h"
#include "tools/forge/sound_pieces.h"

namespace {

// A duel theme: three patterns of four bars, played A B A C.
struct DuelScore {
  const char* title;
  int bpm;
  const char* chords[3];  // step 4
  const char* bass[3];    // step 2
  const char* lead[3];    // step 2
  const char* drums[3];   // step 2
};

bool Arrange(Song& song, const DuelScore& score, int lead, int chords, int bass, const DrumKit& kit) {
  song.title = score.title;
  song.speed = 6;
  song.bpm = score.bpm;
  bool ok = true;
  for (int i = 0; i < 3; ++i) {
    const int p = song.AddPattern();
    ok = ok && song.Line(p, 0, lead, 2, score.lead[i]);
    ok = ok && song.Line(p, 1, chords, 4, score.chords[i]);
    ok = ok && song.Line(p, 2, bass, 2, score.bass[i]);
    ok = ok && song.Drums(p, 3, 2, score.drums[i], kit.Letters(), DrumPitch);
  }
  song.SetTempo(0, 6, score.bpm);
  song.order = {0, 1, 0, 2};
  return ok;
}

// I: A minor, driving, 138.
const DuelScore kDuel1 = {
    "Duel I",
    138,
    {"A3^37 . . . | F3^47 . . . | C4^47 . . . | G3^47 . . .", "A3^37 . . . | F3^47 . . . | C4^47 . . . | G3^47 . . .",
     "F3^47 . . . | G3^47 . . . | A3^37 . . . | A3^37 . . -"},
    {"A1 A2 A1 A2 A1 A2 A1 A2 | F1 F2 F1 F2 F1 F2 F1 F2 | C2 C3 C2 C3 C2 C3 C2 C3 | G1 G2 G1 G2 G1 G2 G1 G2",
     "A1 A2 A1 A2 A1 A2 A1 A2 | F1 F2 F1 F2 F1 F2 F1 F2 | C2 C3 C2 C3 C2 C3 C2 C3 | G1 G2 G1 G2 G1 G2 B1 G2",
     "F1 F1 F2 F1 F1 F1 F2 F1 | G1 G1 G2 G1 G1 G1 G2 G1 | A1 A1 A2 A1 A1 A1 A2 A1 | A1 . E2 . A1 . - ."},
    {"A4 . C5 . E5 . A5 . | F5 . E5 . C5 . A4 . | G4 . C5 . E5 . G5 . | F5 . E5 . D5 . B4 .",
     "E5 . . D5 C5 . B4 . | A4 . . . C5 . F5 . | E5 . . . G5 . E5 . | D5 . B4 . G4 . B4 .",
     "C5 . . . D5 . . . | D5 . . . E5 . . . | E5 . A5 . G5 . E5 . | A5 . . . . . - ."},
    {"K.h.S.h. K.h.S.hk K.h.S.h. K.h.S.hh", "K.h.S.h. K.h.S.hk K.h.S.h. K.hkS.SS",
     "K...S... K...S... K.h.S.h. K.S.SSSS"},
};

// II: D dorian, syncopated and bouncy, 112.
const DuelScore kDuel2 = {
    "Duel II",
    112,
    {"D4^37 . . G3^47 | . . D4^37 . | D4^37 . . G3^47 | . . A3^37 .",
     "D4^37 . . G3^47 | . . D4^37 . | C4^47 . . G3^47 | . . A3^37 .",
     "A#3^47 . . . | C4^47 . . . | D4^37 . . . | A3^37 . . -"},
    {"D2 . D2 D3 . D2 . C3 | . C3 G1 . G2 . G1 A1 | D2 . D2 D3 . D2 . C3 | . C3 A1 . A2 . C2 C#2",
     "D2 . D2 D3 . D2 . C3 | . C3 G1 . G2 . G1 A1 | C2 . C2 C3 . C2 . A#1 | . A#1 A1 . A2 . C2 C#2",
     "A#1 . A#1 A#2 . A#1 . A#2 | C2 . C2 C3 . C2 . C3 | D2 . D2 D3 . D2 . D3 | A1 . A2 . E2 . - ."},
    {"D5 . F5 . . G5 A5 . | . G5 F5 . D5 . C5 . | D5 . F5 . . G5 A5 . | . C6 A5 . G5 . E5 .",
     "A5 . . G5 F5 . G5 . | D5 . . . B4 . C5 . | E5 . G5 . . E5 D5 . | C#5 . . . E5 . . .",
     "F5 . . . D5 . F5 . | E5 . . . C5 . E5 . | F5 . A5 . D6 . A5 . | C#5 . . . . . - ."},
    {"K..hS.hK .KhhS.h. K..hS.hK .KhhS.hh", "K..hS.hK .KhhS.h. K..hS.hK .KhhS.SS",
     "K.h.S.h. K.h.S.h. K.hhS.hh K.S.S.SS"},
};

// III: E phrygian, tense and fast, 150.
const DuelScore kDuel3 = {
    "Duel III",
    150,
    {"E3^37 . . . | F3^47 . . . | E3^37 . . . | D3^37 . . .", "E3^37 . . . | F3^47 . . . | G3^47 . . . | F3^47 . . .",
     "C4^47 . . . | B3^36 . . . | E3^37 . . . | E3^37 . . -"},
    {nullptr, nullptr, nullptr},  // a pulsing bass, filled in by ComposeDuel
    {"E5 . F5 . E5 . B4 . | C5 . . . A4 . F4 . | E5 . F5 . G5 . F5 . | E5 . D5 . . . . .",
     "B5 . . . A5 . G5 . | A5 . . . F5 . E5 . | G5 . . . F5 . E5 . | F5 . . . E5 . . .",
     "C6 . B5 . A5 . G5 . | B5 . A5 . G5 . F5 . | E5 . . . F5 . . . | E5 . . . . . - ."},
    {"K.hSK.hS K.hSK.hS K.hSK.hS K.hSKShS", "K.hSK.hS K.hSK.hS K.hSK.hS KShSKSSS",
     "K...K... K...K... K.h.K.h. KSKSKSSS"},
};

// IV: G major, a heroic march, 120.
const DuelScore kDuel4 = {
    "Duel IV",
    120,
    {"G3^47 . . . | C4^47 . . . | D4^47 . . . | E3^37 . . .", "C4^47 . . . | D4^47 . . . | G3^47 . . . | D4^47 . . .",
     "E3^37 . . . | C4^47 . . . | A3^37 . D4^47 . | G3^47 . . -"},
    {"G1 . G1 D2 G1 . G1 D2 | C2 . C2 G2 C2 . C2 G2 | D2 . D2 A2 D2 . D2 A2 | E2 . E2 B2 E2 . E2 B2",
     "C2 . C2 G2 C2 . C2 G2 | D2 . D2 A2 D2 . D2 A2 | G1 . G1 D2 G1 . G1 D2 | D2 . D2 A2 D2 . F#2 A2",
     "E2 . E2 B2 E2 . E2 B2 | C2 . C2 G2 C2 . C2 G2 | A1 . A1 E2 D2 . D2 A2 | G1 . D2 . G1 . - ."},
    {"D5 . . G5 . . B5 . | C6 . . . B5 . A5 . | A5 . . F#5 . . D5 . | E5 . . . . . B4 .",
     "C5 . E5 . G5 . C6 . | D6 . . . C6 . A5 . | B5 . . . G5 . D5 . | A5 . . . . . D5 .",
     "E5 . G5 . B5 . . . | C6 . . . G5 . E5 . | A5 . . . F#5 . A5 . | G5 . . . . . - ."},
    {
        "K.S.K.S. K.S.KSSS K.S.K.S. K.S.KSSS",
        "K.S.K.S. K.S.KSSS K.S.K.S. KSSSSSSS",
        "K.S.K.S. K.S.K.S. K.SSK.SS K.......",
    },
};

bool DuelFour(Song& song, const DuelScore& score, int leadKind, unsigned seed) {
  song.channels = 4;
  int lead = 0;
  int chords = 0;
  int bass = 0;
  switch (leadKind) {
    case 1:
      lead = AddInstrument(song, SquareLead(0.5f, 50));
      chords = AddInstrument(song, Organ(30));
      bass = AddInstrument(song, SquareBass(46));
      break;
    case 2:
      lead = AddInstrument(song, SawLead(44));
      chords = AddInstrument(song, Organ(32));
      bass = AddInstrument(song, PluckBass(56, seed));
      break;
    case 3:
      lead = AddInstrument(song, SquareLead(0.125f, 50));
      chords = AddInstrument(song, ChorusPad(30));
      bass = AddInstrument(song, SawBass(42));
      break;
    default:
      lead = AddInstrument(song, SawLead(46));
      chords = AddInstrument(song, ChorusPad(32));
      bass = AddInstrument(song, SquareBass(44));
      break;
  }
  const DrumKit kit = AddDrums(song, 50, seed + 7);
  return Arrange(song, score, lead, chords, bass, kit);
}

}  // namespace

bool ComposeDuel5(Song& song);

bool ComposeDuel(int number, Song& song) {
  switch (number) {
    case 1:
      return DuelFour(song, kDuel1, 1, 41u);
    case 2:
      return DuelFour(song, kDuel2, 2, 43u);
    case 3: {
      DuelScore score = kDuel3;
      const std::string pulse =
          Times("E1", 8) + " | " + Times("F1", 8) + " | " + Times("E1", 8) + " | " + Times("D1", 8);
      const std::string pulse2 =
          Times("E1", 8) + " | " + Times("F1", 8) + " | " + Times("G1", 8) + " | " + Times("F1", 8);
      const std::string pulse3 =
          Times("C2", 8) + " | " + Times("B1", 8) + " | " + Times("E1", 8) + " | E1 . B1 . E1 . - .";
      score.bass[0] = pulse.c_str();
      score.bass[1] = pulse2.c_str();
      score.bass[2] = pulse3.c_str();
      return DuelFour(song, score, 3, 45u);
    }
    case 4:
      return DuelFour(song, kDuel4, 4, 47u);
    case 5:
      return ComposeDuel5(song);
    default:
      std::fprintf(stderr, "duskhaven-forge: there is no duel theme %d\n", number);
      return false;
  }
}
