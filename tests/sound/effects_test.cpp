// effects_test.cpp -- the wave effects on the library's effect voices: loaded once, started without waiting.
#include <gtest/gtest.h>

#include <mikmod.h>

#include "platform/file_system.h"
#include "platform/game_state.h"
#include "sound/sound.h"
#include "tests/sound/sound_test_support.h"

namespace {

class Effects : public ::testing::Test {
 protected:
  void SetUp() override {
    sound_test::ResetErrors();
    SoundOff = false;
  }
  void TearDown() override { ShutdownSound(); }
};

TEST_F(Effects, EachFileIsLoadedOnceAndPlaysOverTheMusic) {
  const std::string wav = sound_test::TempPath("effects.wav");
  ASSERT_TRUE(sound_test::StartOnWaveWriter(wav, 100));
  PlayEffect(L"SOUNDS\\carte.QXW");
  PlayEffect(L"SOUNDS\\carte.QXW");
  PlayEffect(L"SOUNDS\\carte.QXW");
  EXPECT_EQ(EffectsLoaded(), 1);
  PlayEffect(L"SOUNDS\\gagne.QXW");
  PlayEffect(L"SOUNDS\\perdu.QXW");
  EXPECT_EQ(EffectsLoaded(), 3);
  sound_test::TickFor(2.0);
  ShutdownSound();
  EXPECT_EQ(EffectsLoaded(), 0) << "shutting down frees them";

  sound_test::WaveData wave;
  ASSERT_TRUE(sound_test::ReadWave(wav, wave));
  EXPECT_GT(sound_test::Loudness(wave, 0, 44100), 4.0) << "three effects at once, no music";
  EXPECT_LT(sound_test::ClippedShare(wave), 0.001);
  EXPECT_TRUE(sound_test::Errors().empty());
}

TEST_F(Effects, PlayingReturnsAtOnceAndTheSoundComesWithTheNextUpdates) {
  const std::string wav = sound_test::TempPath("async.wav");
  ASSERT_TRUE(sound_test::StartOnWaveWriter(wav, 100));
  sound_test::TickFor(0.5);  // half a second of silence first
  const unsigned long long before = SoundBytesMixed();
  PlayEffect(L"SOUNDS\\gagne.QXW");
  EXPECT_EQ(SoundBytesMixed(), before) << "nothing is mixed inside PlayEffect";
  sound_test::TickFor(1.5);
  ShutdownSound();
  sound_test::WaveData wave;
  ASSERT_TRUE(sound_test::ReadWave(wav, wave));
  const auto start = static_cast<std::size_t>(before);
  EXPECT_LT(sound_test::Loudness(wave, 0, start), 0.5);
  EXPECT_GT(sound_test::Loudness(wave, start, start + 44100), 4.0);
}

TEST_F(Effects, MissingOrDamagedFilesStaySilentAndAreNotErrors) {
  ASSERT_TRUE(sound_test::StartOnWaveWriter(sound_test::TempPath("bad-effects.wav")));
  PlayEffect(L"SOUNDS\\nothing.QXW");
  const std::string junk = sound_test::TempPath("junk.QXW");
  std::vector<std::uint8_t> bytes = {'R', 'I', 'F', 'F', 0xFF, 0xFF, 0xFF, 0x7F, 'W', 'A', 'V', 'E'};
  ASSERT_TRUE(platform::WriteFileAtomically(junk, bytes));
  PlayEffect(std::wstring(junk.begin(), junk.end()));
  PlayEffect(std::wstring(junk.begin(), junk.end()));
  EXPECT_EQ(EffectsLoaded(), 0);
  sound_test::TickFor(0.2);
  EXPECT_TRUE(sound_test::Errors().empty());
}

TEST_F(Effects, NothingLoadsOrPlaysWhileSoundIsOff) {
  ASSERT_TRUE(sound_test::StartOnWaveWriter(sound_test::TempPath("off-effects.wav")));
  SoundOff = true;  // as the lobby and the tutorial do for a while
  PlayEffect(L"SOUNDS\\carte.QXW");
  EXPECT_EQ(EffectsLoaded(), 0);
  SoundOff = false;
  PlayEffect(L"SOUNDS\\carte.QXW");
  EXPECT_EQ(EffectsLoaded(), 1);
}

TEST(EffectFiles, AreMonoPcmWavesOfAFewTenthsToTwoSeconds) {
  platform::SetInstallDir(sound_test::DataDir());
  for (const char* name : {"carte", "gagne", "perdu"}) {
    std::vector<std::uint8_t> bytes;
    const std::string path = std::string("SOUNDS\\") + name + ".QXW";
    ASSERT_TRUE(platform::ReadWholeFile(path, bytes)) << path;
    ASSERT_GE(bytes.size(), 44u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(bytes[20] | (bytes[21] << 8), 1) << "PCM";
    EXPECT_EQ(bytes[22] | (bytes[23] << 8), 1) << "mono";
    const double seconds = static_cast<double>(bytes.size() - 44) / (2.0 * 22050.0);
    EXPECT_GT(seconds, 0.1) << path;
    EXPECT_LT(seconds, 2.0) << path;
  }
}

}  // namespace
