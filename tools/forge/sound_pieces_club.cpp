// sound_pieces_club.cpp -- the jingle before a duel, the club's theme and the ending theme.
#include "tools/forge/sound_instruments.h"
#include "tools/forge/sound_pieces.h"

bool ComposeJingle(Song& song) {
  // Four bars of C major fanfare at 150 beats a minute, a little over six seconds.
  song.title = "Before the duel";
  song.channels = 4;
  song.speed = 6;
  song.bpm = 150;
  const int lead = AddInstrument(song, SquareLead(0.25f, 56));
  const int brass = AddInstrument(song, Organ(40));
  const int bass = AddInstrument(song, SquareBass(44));
  const DrumKit kit = AddDrums(song, 52, 11u, 180.0f);
  const int p = song.AddPattern();
  bool ok =
      song.Line(p, 0, lead, 2, "G4 C5 E5 G5 . . E5 . | F5 A5 . G5 . F5 E5 D5 | E5 G5 C6 . . . B5 . | C6 . . . . . - .");
  ok = ok && song.Line(p, 1, brass, 4, "C4^47 . . . | F4^47 . G4^47 . | C4^47 . G3^47 . | C4^47 . . -");
  ok = ok &&
       song.Line(p, 2, bass, 2, "C2 . C3 . C2 . G2 . | F2 . F3 . G2 . G3 . | C2 . C3 . G2 . B2 . | C2 . . . . . - .");
  ok = ok && song.Drums(p, 3, 2, "K.h.S.h. K.h.S.tt K.h.S.h. K...T...", kit.Letters(), DrumPitch);
  song.SetTempo(p, 6, 150);
  song.order = {p};
  return ok;
}

bool ComposeClub(Song& song) {
  // A ii-V-I walk at an easy 96: broken chords on bell keys, a walking bass,
  // a soft flute and brushed drums. Sixteen bars, about forty seconds.
  song.title = "The club";
  song.channels = 4;
  song.speed = 6;
  song.bpm = 96;
  const int flute = AddInstrument(song, Flute(46));
  const int keys = AddInstrument(song, BellKeys(40));
  const int bass = AddInstrument(song, PluckBass(54, 21u));
  const DrumKit kit = AddDrums(song, 34, 23u);

  const char* const chordsA =
      "D4 F4 A4 C5 A4 F4 D4 F4 | G3 B3 D4 F4 D4 B3 G3 B3 | C4 E4 G4 B4 G4 E4 C4 E4 | A3 C#4 E4 G4 E4 C#4 A3 C#4";
  const char* const bassA = "D2 F2 A2 C3 | G2 B2 D3 F2 | C2 E2 G2 B2 | A2 C#3 E3 G2";
  const char* const chordsB =
      "F3 A3 C4 E4 C4 A3 F3 A3 | E3 G3 B3 D4 B3 G3 E3 G3 | D3 F3 A3 C4 A3 F3 D3 F3 | G3 B3 D4 F4 D4 B3 G3 B3";
  const char* const bassB = "F2 A2 C3 E3 | E2 G2 B2 D3 | D2 F2 A2 C3 | G2 F2 D2 B1";
  const char* const leads[4] = {
      ". . . . A4 . C5 . | B4 . . . G4 . . . | E4 . . . G4 . B4 . | A4 . . . . . - .",
      "F5 . E5 D5 C5 . A4 . | B4 . D5 . F5 . E5 . | E5 . . . D5 C5 B4 . | C#5 . . . E5 . . -",
      "A4 . . . C5 . . . | B4 . G4 . . . E4 . | F4 . A4 . C5 . . . | B4 . . . - . . .",
      "A5 . G5 . F5 . E5 . | D5 . . . B4 . . . | C5 . E5 . G5 . . . | E5 . . . C#5 . - .",
  };
  const char* const drums = "k.h.s.h. k.h.s.hh k.h.s.h. k.hhs.h.";
  bool ok = true;
  for (int i = 0; i < 4; ++i) {
    const int p = song.AddPattern();
    const bool bridge = i == 2;
    ok = ok && song.Line(p, 0, flute, 2, leads[i]);
    ok = ok && song.Line(p, 1, keys, 2, bridge ? chordsB : chordsA);
    ok = ok && song.Line(p, 2, bass, 4, bridge ? bassB : bassA);
    ok = ok && song.Drums(p, 3, 2, drums, kit.Letters(), DrumPitch);
    song.order.push_back(p);
  }
  song.SetTempo(0, 6, 96);
  return ok;
}

bool ComposeCredits(Song& song) {
  // F major at 92, I-V-vi-IV and a broad bell tune over a chorus pad, a
  // plucked arpeggio, a round bass and gentle drums.
  song.title = "Ending";
  song.channels = 6;
  song.speed = 6;
  song.bpm = 92;
  const int bell = AddInstrument(song, BellKeys(48));
  const int pad = AddInstrument(song, ChorusPad(30));
  const int pluck = AddInstrument(song, PluckString(34, 31u));
  const int bass = AddInstrument(song, PluckBass(52, 33u));
  const int flute = AddInstrument(song, Flute(36));
  const DrumKit kit = AddDrums(song, 36, 35u, 140.0f);

  const char* const padA = "F3^47 . . . | C4^47 . . . | D4^37 . . . | A#3^47 . . .";
  const char* const padB = "A#3^47 . . . | C4^47 . . . | A3^37 . D4^37 . | G3^37 . C4^47 .";
  const char* const arpA =
      "F4 A4 C5 A4 F4 A4 C5 A4 | E4 G4 C5 G4 E4 G4 C5 G4 | D4 F4 A4 F4 D4 F4 A4 F4 | D4 F4 A#4 F4 D4 F4 A#4 F4";
  const char* const arpB =
      "D4 F4 A#4 F4 D4 F4 A#4 F4 | E4 G4 C5 G4 E4 G4 C5 G4 | E4 A4 C5 A4 F4 A4 D5 A4 | D4 G4 A#4 G4 E4 G4 C5 G4";
  const char* const bassA = "F2 . . C2 F2 . . . | C2 . . G1 C2 . . . | D2 . . A1 D2 . . . | A#1 . . F2 A#1 . . .";
  const char* const bassB = "A#1 . . F2 A#1 . . . | C2 . . G2 C2 . . . | A1 . . . D2 . . . | G1 . . . C2 . . .";
  const char* const tunes[4] = {
      "A4 . . . C5 . . . | G4 . . . E4 . . . | F4 . . . A4 . D5 . | D5 . . . C5 . . .",
      "A4 . . . C5 . F5 . | E5 . . . D5 C5 . . | D5 . . . E5 . F5 . | F5 . . . . . - .",
      "F5 . . . D5 . . . | E5 . . . C5 . . . | C5 . . . D5 . . . | A#4 . . . C5 . . .",
      "A4 . A#4 . C5 . . . | G4 . . . E4 . . . | A4 . . . F4 . . . | G4 . . . . . - .",
  };
  const char* const echoes[4] = {
      ". . . . . . . . | . . . . . . . . | . . . . . . . . | . . . . . . . .",
      ". . . . A4 . . . | . . G4 . . . . . | . . A4 . . . A4 . | A4 . . . . . . .",
      ". . . . A#4 . . . | . . . . G4 . . . | . . . . A4 . . . | . . . . G4 . . .",
      "F4 . . . . . . . | E4 . . . . . . . | . . . . D4 . . . | E4 . . . . . - .",
  };
  const char* const drums[4] = {"k....... k....... k....... k...s...", "k...s... k...s... k...s... k...s.hh",
                                "k.h.s.h. k.h.s.h. k.h.s.h. k.h.s.h.", "k.h.s.h. k.h.s.hh k.h.s.h. k..tt.tT"};
  bool ok = true;
  for (int i = 0; i < 4; ++i) {
    const int p = song.AddPattern();
    const bool turn = i == 2 || i == 3;
    ok = ok && song.Line(p, 0, bell, 2, tunes[i]);
    ok = ok && song.Line(p, 1, pad, 4, turn ? padB : padA);
    ok = ok && song.Line(p, 2, pluck, 2, turn ? arpB : arpA);
    ok = ok && song.Line(p, 3, bass, 2, turn ? bassB : bassA);
    ok = ok && song.Line(p, 4, flute, 2, echoes[i]);
    ok = ok && song.Drums(p, 5, 2, drums[i], kit.Letters(), DrumPitch);
    song.order.push_back(p);
  }
  song.SetTempo(0, 6, 92);
  return ok;
}
