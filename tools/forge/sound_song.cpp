// sound_song.cpp -- a tracker song as the forge composes it, before it is written as MOD or XM.
#include "tools/forge/sound_song.h"

#include <cctype>
#include <cstdio>

int NoteNumber(std::string_view name) {
  static const int kSemitones[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2) return -1;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  if (letter < 'A' || letter > 'G') return -1;
  int semitone = kSemitones[letter - 'A'];
  std::size_t at = 1;
  if (name[at] == '#') {
    ++semitone;
    ++at;
  } else if (name[at] == 'b') {
    --semitone;
    ++at;
  }
  if (at + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[at]))) return -1;
  return (name[at] - '0' + 1) * 12 + semitone;
}

int Song::AddPattern(int rows) {
  SongPattern p;
  p.rows = rows;
  p.cells.resize(static_cast<std::size_t>(rows * channels));
  patterns.push_back(std::move(p));
  return static_cast<int>(patterns.size()) - 1;
}

namespace {
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

bool Song::Line(int pattern, int channel, int instrument, int step, std::string_view notes, int row) {
  const int rows = patterns[static_cast<std::size_t>(pattern)].rows;
  int arpeggio = 0;  // carried through the held rows of a chord note
  std::size_t at = 0;
  auto bad = [&](std::string_view token) {
    std::fprintf(stderr, "duskhaven-forge: bad note \"%.*s\" in \"%s\"\n", static_cast<int>(token.size()), token.data(),
                 title.c_str());
    return false;
  };
  while (at < notes.size()) {
    while (at < notes.size() && notes[at] == ' ') ++at;
    if (at >= notes.size()) break;
    std::size_t end = notes.find(' ', at);
    if (end == std::string_view::npos) end = notes.size();
    std::string_view token = notes.substr(at, end - at);
    at = end;
    if (token == "|") continue;  // a bar line, for the reader
    if (row + step > rows) {
      std::fprintf(stderr, "duskhaven-forge: music line too long in \"%s\"\n", title.c_str());
      return false;
    }
    SongCell& cell = Cell(pattern, row, channel);
    if (token == "-") {
      cell.effect = EffectSetVolume;
      cell.param = 0;
      arpeggio = 0;
    } else if (token != ".") {
      int volume = -1;
      arpeggio = 0;
      const std::size_t caret = token.find('^');
      if (caret != std::string_view::npos) {
        if (caret + 3 != token.size()) return bad(token);
        const int hi = HexDigit(token[caret + 1]), lo = HexDigit(token[caret + 2]);
        if (hi < 0 || lo < 0) return bad(token);
        arpeggio = hi * 16 + lo;
        token = token.substr(0, caret);
      }
      const std::size_t atSign = token.find('@');
      if (atSign != std::string_view::npos) {
        volume = 0;
        for (char c : token.substr(atSign + 1)) {
          if (c < '0' || c > '9') return bad(token);
          volume = volume * 10 + (c - '0');
        }
        token = token.substr(0, atSign);
      }
      const int midi = NoteNumber(token);
      if (midi < 0 || volume > 64) return bad(token);
      cell.midi = midi;
      cell.instrument = instrument;
      if (volume >= 0) {
        cell.effect = EffectSetVolume;
        cell.param = volume;
      }
    }
    if (arpeggio != 0) {
      for (int r = row; r < row + step; ++r) {
        SongCell& held = Cell(pattern, r, channel);
        if (held.effect == 0 && held.param == 0) held.param = arpeggio;
      }
    }
    row += step;
  }
  return true;
}

bool Song::Drums(int pattern, int channel, int step, std::string_view hits,
                 const std::vector<std::pair<char, int>>& kit, int pitch, int row) {
  const int rows = patterns[static_cast<std::size_t>(pattern)].rows;
  for (char c : hits) {
    if (c == ' ' || c == '|') continue;
    if (row >= rows) {
      std::fprintf(stderr, "duskhaven-forge: drum line too long in \"%s\"\n", title.c_str());
      return false;
    }
    if (c != '.') {
      const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      int instrument = 0;
      for (const auto& [letter, number] : kit)
        if (letter == lower) instrument = number;
      if (instrument == 0) {
        std::fprintf(stderr, "duskhaven-forge: no drum '%c' in \"%s\"\n", c, title.c_str());
        return false;
      }
      SongCell& cell = Cell(pattern, row, channel);
      cell.midi = pitch;
      cell.instrument = instrument;
      cell.effect = EffectSetVolume;
      cell.param = c == lower ? 40 : 64;
    }
    row += step;
  }
  return true;
}

void Song::SetTempo(int pattern, int ticksPerRow, int beatsPerMinute) {
  // Two channels whose first row carries no effect take the two settings.
  int free[2] = {0, 1};
  int found = 0;
  for (int ch = 0; ch < channels && found < 2; ++ch) {
    const SongCell& c = Cell(pattern, 0, ch);
    if (c.effect == 0 && c.param == 0) free[found++] = ch;
  }
  if (found == 1) free[1] = free[0] == 0 ? 1 : 0;
  SongCell& a = Cell(pattern, 0, free[0]);
  a.effect = EffectSpeed;
  a.param = ticksPerRow;
  SongCell& b = Cell(pattern, 0, free[1]);
  b.effect = EffectSpeed;
  b.param = beatsPerMinute;
}

double Song::Seconds() const {
  double seconds = 0.0;
  int ticks = speed, tempo = bpm;
  for (int number : order) {
    const SongPattern& p = patterns[static_cast<std::size_t>(number)];
    for (int row = 0; row < p.rows; ++row) {
      for (int ch = 0; ch < channels; ++ch) {
        const SongCell& c = p.cells[static_cast<std::size_t>(row * channels + ch)];
        if (c.effect == EffectSpeed && c.param > 0) (c.param < 32 ? ticks : tempo) = c.param;
      }
      seconds += ticks * 2.5 / tempo;
    }
  }
  return seconds;
}
