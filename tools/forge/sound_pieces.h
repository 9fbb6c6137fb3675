// sound_pieces.h -- the game's music, composed for the forge: one function per piece.
//
// Each fills a Song; false (with a line on stderr) if a line of the score is
// malformed. The songs end without jumping back: the game restarts them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tools/forge/sound_song.h"

bool ComposeJingle(Song& song);            // before a duel: a short fanfare
bool ComposeClub(Song& song);              // the club: relaxed, jazzy
bool ComposeDuel(int number, Song& song);  // the five duel themes, 1..5 (5 is written as XM)
bool ComposeBoss(Song& song);              // the final opponent: slow and menacing
bool ComposeCredits(Song& song);           // the ending: warm and broad

// Helpers shared by the pieces.
std::string Times(const std::string& text, int count);  // text repeated, space separated
struct DrumKit {
  int kick = 0, snare = 0, hat = 0, tom = 0;
  std::vector<std::pair<char, int>> Letters() const { return {{'k', kick}, {'s', snare}, {'h', hat}, {'t', tom}}; }
};
// Adds kick, snare, hat (and a tom when tomHz > 0) to the song.
DrumKit AddDrums(Song& song, int volume, unsigned seed, float tomHz = 0.0f);
// Adds an instrument and returns its 1-based number.
int AddInstrument(Song& song, SongInstrument instrument);
