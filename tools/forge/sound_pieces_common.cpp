// sound_pieces_common.cpp -- helpers shared by the game's pieces of music.
#include "tools/forge/sound_instruments.h"
#include "tools/forge/sound_pieces.h"

std::string Times(const std::string& text, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    if (i) out += ' ';
    out += text;
  }
  return out;
}

int AddInstrument(Song& song, SongInstrument instrument) {
  song.instruments.push_back(std::move(instrument));
  return static_cast<int>(song.instruments.size());
}

DrumKit AddDrums(Song& song, int volume, unsigned seed, float tomHz) {
  DrumKit kit;
  kit.kick = AddInstrument(song, KickDrum(volume));
  kit.snare = AddInstrument(song, SnareDrum(volume * 3 / 4, seed));
  kit.hat = AddInstrument(song, HatDrum(volume / 2, seed + 1));
  if (tomHz > 0.0f) kit.tom = AddInstrument(song, TomDrum(volume, tomHz, tomHz * 0.6f));
  return kit;
}
