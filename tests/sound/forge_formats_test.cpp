// forge_formats_test.cpp -- the forge's score notation, its ProTracker, extended-module and wave writers, and its
// pieces.
#include <gtest/gtest.h>

#include <mikmod.h>

#include "platform/file_system.h"
#include "platform/game_state.h"
#include "sound/sound.h"
#include "tests/sound/sound_test_support.h"
#include "tools/forge/sound_effect_synth.h"
#include "tools/forge/sound_pieces.h"
#include "tools/forge/sound_synth.h"
#include "tools/forge/sound_tracker.h"
#include "tools/forge/sound_wave.h"

namespace {

Song OneVoice(int channels) {
  Song song;
  song.title = "test";
  song.channels = channels;
  SongInstrument sine;
  sine.name = "sine";
  sine.data = ToSigned8(Repeat(SineCycle(32), 8));
  sine.loopLength = static_cast<int>(sine.data.size());
  sine.baseMidi = 60;
  song.instruments.push_back(sine);
  song.AddPattern();
  song.order = {0};
  return song;
}

TEST(ScoreNotation, NoteNamesFollowMidiNumbers) {
  EXPECT_EQ(NoteNumber("C4"), 60);
  EXPECT_EQ(NoteNumber("A4"), 69);
  EXPECT_EQ(NoteNumber("F#3"), 54);
  EXPECT_EQ(NoteNumber("Bb2"), 46);
  EXPECT_EQ(NoteNumber("C0"), 12);
  EXPECT_EQ(NoteNumber("H4"), -1);
  EXPECT_EQ(NoteNumber("C"), -1);
  EXPECT_EQ(NoteNumber("C44"), -1);
  EXPECT_EQ(NoteNumber("C#"), -1);
}

TEST(ScoreNotation, LinesPlaceNotesHoldsCutsVolumesAndChords) {
  Song song = OneVoice(4);
  ASSERT_TRUE(song.Line(0, 2, 1, 2, "C4 . E4@32 | A3^37 . . G3 -", 8));
  EXPECT_EQ(song.Cell(0, 8, 2).midi, 60);
  EXPECT_EQ(song.Cell(0, 8, 2).instrument, 1);
  EXPECT_EQ(song.Cell(0, 10, 2).midi, -1);
  EXPECT_EQ(song.Cell(0, 12, 2).midi, 64);
  EXPECT_EQ(song.Cell(0, 12, 2).effect, EffectSetVolume);
  EXPECT_EQ(song.Cell(0, 12, 2).param, 32);
  // The chord arpeggio runs through every row it is held, then stops.
  for (int row = 14; row < 20; ++row) EXPECT_EQ(song.Cell(0, row, 2).param, 0x37) << row;
  EXPECT_EQ(song.Cell(0, 20, 2).midi, 55);
  EXPECT_EQ(song.Cell(0, 20, 2).param, 0);
  EXPECT_EQ(song.Cell(0, 22, 2).effect, EffectSetVolume);
  EXPECT_EQ(song.Cell(0, 22, 2).param, 0);
  EXPECT_EQ(song.Cell(0, 8, 1).midi, -1) << "other channels untouched";
}

TEST(ScoreNotation, MalformedOrOverlongLinesAreRefused) {
  Song song = OneVoice(4);
  EXPECT_FALSE(song.Line(0, 0, 1, 2, "C4 X9"));
  EXPECT_FALSE(song.Line(0, 0, 1, 2, "C4@99"));
  EXPECT_FALSE(song.Line(0, 0, 1, 2, "C4^4"));
  EXPECT_FALSE(song.Line(0, 0, 1, 16, "C4 . . . C4"));  // five tokens of 16 rows
  EXPECT_TRUE(song.Line(0, 0, 1, 16, "C4 . . ."));
  EXPECT_FALSE(song.Drums(0, 1, 2, "kx", {{'k', 1}}, 72));
  ASSERT_TRUE(song.Drums(0, 1, 2, "kK.", {{'k', 1}}, 72));
  EXPECT_EQ(song.Cell(0, 0, 1).param, 40);
  EXPECT_EQ(song.Cell(0, 2, 1).param, 64) << "upper case is accented";
  EXPECT_EQ(song.Cell(0, 4, 1).midi, -1);
}

TEST(ScoreNotation, TempoGoesWhereTheFirstRowHasRoomAndSetsTheLength) {
  Song song = OneVoice(4);
  ASSERT_TRUE(song.Line(0, 0, 1, 4, "C4@20"));
  song.SetTempo(0, 3, 150);
  EXPECT_EQ(song.Cell(0, 0, 0).param, 20) << "the volume stays";
  EXPECT_EQ(song.Cell(0, 0, 1).effect, EffectSpeed);
  EXPECT_EQ(song.Cell(0, 0, 1).param, 3);
  EXPECT_EQ(song.Cell(0, 0, 2).param, 150);
  EXPECT_NEAR(song.Seconds(), 64 * 3 * 2.5 / 150, 1e-9);
}

TEST(ProTrackerWriter, LaysOutHeaderSamplesOrderAndSignature) {
  Song song = OneVoice(4);
  ASSERT_TRUE(song.Line(0, 0, 1, 4, "A4"));
  song.AddPattern();
  song.order = {0, 1, 0};
  std::vector<std::uint8_t> b;
  ASSERT_TRUE(WriteMod(song, b));
  EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "test");
  EXPECT_EQ((b[42] << 8) | b[43], 128) << "256 bytes are 128 words";
  EXPECT_EQ(b[45], 64);                  // volume
  EXPECT_EQ((b[48] << 8) | b[49], 128);  // looped whole
  EXPECT_EQ(b[950], 3);                  // song length
  EXPECT_EQ(b[952 + 1], 1);
  EXPECT_EQ(std::string(b.begin() + 1080, b.begin() + 1084), "M.K.");
  EXPECT_EQ(b.size(), 1084u + 2 * 1024u + 256u);
  // A4 on a C4-based sample is period 254 (A-2).
  EXPECT_EQ(((b[1084] & 0x0F) << 8) | b[1085], 254);
  EXPECT_EQ(b[1086] >> 4, 1);

  song.channels = 8;
  song.patterns.clear();
  song.AddPattern();
  song.order = {0};
  ASSERT_TRUE(WriteMod(song, b));
  EXPECT_EQ(std::string(b.begin() + 1080, b.begin() + 1084), "8CHN");
  song.channels = 5;
  EXPECT_FALSE(WriteMod(song, b));
}

TEST(ProTrackerWriter, RefusesNotesOutsideItsThreeOctaves) {
  Song song = OneVoice(4);
  ASSERT_TRUE(song.Line(0, 0, 1, 4, "C6"));  // C4-based: C3..B5 only
  std::vector<std::uint8_t> b;
  EXPECT_FALSE(WriteMod(song, b));
  EXPECT_TRUE(WriteXm(song, b)) << "the extended module reaches further";
}

// Writes the song, plays it through the library and finds its pitch.
double PlayedHz(const Song& song, bool extended) {
  std::vector<std::uint8_t> bytes;
  if (!(extended ? WriteXm(song, bytes) : WriteMod(song, bytes))) return 0.0;
  const std::string path = sound_test::TempPath(extended ? "pitch.xm" : "pitch.mod");
  const std::string wav = sound_test::TempPath("pitch.wav");
  if (!platform::WriteFileAtomically(path, bytes) || !sound_test::StartOnWaveWriter(wav, 100)) return 0.0;
  SoundOff = false;
  if (!LoadMusic(std::wstring(path.begin(), path.end()))) return 0.0;
  PlayMusic(0);
  sound_test::TickFor(1.0);
  ShutdownSound();
  sound_test::WaveData wave;
  if (!sound_test::ReadWave(wav, wave)) return 0.0;
  return sound_test::CrossingHz(wave, 4410, 30000);
}

TEST(TrackerWriters, BothFormatsPlayTheWrittenPitch) {
  Song song = OneVoice(4);
  ASSERT_TRUE(song.Line(0, 0, 1, 16, "A4 . . ."));
  EXPECT_NEAR(PlayedHz(song, false), 440.0, 440.0 * 0.02);
  EXPECT_NEAR(PlayedHz(song, true), 440.0, 440.0 * 0.02);
  Song low = OneVoice(4);
  ASSERT_TRUE(low.Line(0, 0, 1, 16, "E3 . . ."));
  EXPECT_NEAR(PlayedHz(low, false), 164.8, 164.8 * 0.02);
  EXPECT_NEAR(PlayedHz(low, true), 164.8, 164.8 * 0.02);
}

TEST(WaveWriter, WritesAStandardPcmHeader) {
  const std::vector<std::uint8_t> w = EncodeWave({0, 1000, -1000}, 22050);
  ASSERT_EQ(w.size(), 44u + 6u);
  EXPECT_EQ(std::string(w.begin(), w.begin() + 4), "RIFF");
  EXPECT_EQ(w[4], 42);  // the rest of the file
  EXPECT_EQ(std::string(w.begin() + 8, w.begin() + 16), "WAVEfmt ");
  EXPECT_EQ(w[24] | (w[25] << 8), 22050);
  EXPECT_EQ(w[34], 16);
  EXPECT_EQ(std::string(w.begin() + 36, w.begin() + 40), "data");
  EXPECT_EQ(w[40], 6);
  EXPECT_EQ(w[46] | (w[47] << 8), 1000);
}

using Composer = bool (*)(Song&);

struct Piece {
  const char* gamePath;
  bool extended;
  Composer compose;
  double minSeconds, maxSeconds;
};

bool Duel(int n, Song& s) { return ComposeDuel(n, s); }

TEST(Pieces, EachFitsItsFormatEndsWithoutJumpingAndIsWhatTheForgeWrote) {
  const Piece pieces[] = {
      {"SOUNDS\\Avant une partie.QXX", false, ComposeJingle, 3, 10},
      {"SOUNDS\\menu.QXX", false, ComposeClub, 25, 90},
      {"SOUNDS\\Partie1.QXX", false, [](Song& s) { return Duel(1, s); }, 20, 90},
      {"SOUNDS\\Partie2.QXX", false, [](Song& s) { return Duel(2, s); }, 20, 90},
      {"SOUNDS\\Partie3.QXX", false, [](Song& s) { return Duel(3, s); }, 20, 90},
      {"SOUNDS\\Partie4.QXX", false, [](Song& s) { return Duel(4, s); }, 20, 90},
      {"SOUNDS\\Partie5.QXM", true, [](Song& s) { return Duel(5, s); }, 20, 90},
      {"SOUNDS\\Boss.QXX", false, ComposeBoss, 25, 90},
      {"SOUNDS\\End credits.QXX", false, ComposeCredits, 25, 90},
  };
  platform::SetInstallDir(sound_test::DataDir());
  std::vector<std::vector<std::uint8_t>> seen;
  for (const Piece& p : pieces) {
    Song song, again;
    ASSERT_TRUE(p.compose(song)) << p.gamePath;
    ASSERT_TRUE(p.compose(again));
    EXPECT_LE(song.channels, 20);
    EXPECT_GE(song.Seconds(), p.minSeconds) << p.gamePath;
    EXPECT_LE(song.Seconds(), p.maxSeconds) << p.gamePath;
    for (const SongPattern& pattern : song.patterns)
      for (const SongCell& cell : pattern.cells) {
        EXPECT_NE(cell.effect, 0xB) << p.gamePath << ": the game restarts the music itself";
        EXPECT_NE(cell.effect, 0xD) << p.gamePath;
      }
    std::vector<std::uint8_t> bytes, bytesAgain, forged;
    ASSERT_TRUE(p.extended ? WriteXm(song, bytes) : WriteMod(song, bytes)) << p.gamePath;
    ASSERT_TRUE(p.extended ? WriteXm(again, bytesAgain) : WriteMod(again, bytesAgain));
    EXPECT_EQ(bytes, bytesAgain) << p.gamePath << " is not deterministic";
    ASSERT_TRUE(platform::ReadWholeFile(p.gamePath, forged)) << p.gamePath;
    EXPECT_EQ(bytes, forged) << p.gamePath;
    for (const auto& other : seen) EXPECT_NE(other, bytes) << p.gamePath << " repeats another piece";
    seen.push_back(bytes);
  }
}

TEST(Pieces, TheEffectsAreTheForgedFilesAndDistinct) {
  platform::SetInstallDir(sound_test::DataDir());
  std::vector<std::uint8_t> card, win, loss;
  ASSERT_TRUE(platform::ReadWholeFile("SOUNDS\\carte.QXW", card));
  ASSERT_TRUE(platform::ReadWholeFile("SOUNDS\\gagne.QXW", win));
  ASSERT_TRUE(platform::ReadWholeFile("SOUNDS\\perdu.QXW", loss));
  EXPECT_EQ(card, EncodeWave(CardDownEffect(), EffectRate));
  EXPECT_EQ(win, EncodeWave(WinEffect(), EffectRate));
  EXPECT_EQ(loss, EncodeWave(LossEffect(), EffectRate));
  EXPECT_LT(card.size(), win.size()) << "a card knock is short";
}

}  // namespace
