// music_test.cpp -- the forged modules through the real library and the WAV disk writer: playing, looping, failing.
#include <gtest/gtest.h>

#include <mikmod.h>

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "sound/sound.h"
#include "tests/sound/sound_test_support.h"

namespace {

using sound_test::Errors;

struct ModuleCase {
  const char* name;
  const wchar_t* path;
  const char* loader;  // the library's name for the format it recognised
  int channels;
};
void PrintTo(const ModuleCase& c, std::ostream* os) { *os << c.name; }

const ModuleCase kModules[] = {
    {"Jingle", L"SOUNDS\\Avant une partie.QXX", "Protracker", 4},
    {"Club", L"SOUNDS\\menu.QXX", "Protracker", 4},
    {"Duel1", L"SOUNDS\\Partie1.QXX", "Protracker", 4},
    {"Duel2", L"SOUNDS\\Partie2.QXX", "Protracker", 4},
    {"Duel3", L"SOUNDS\\Partie3.QXX", "Protracker", 4},
    {"Duel4", L"SOUNDS\\Partie4.QXX", "Protracker", 4},
    {"Duel5", L"SOUNDS\\Partie5.QXM", "XM", 8},
    {"Boss", L"SOUNDS\\Boss.QXX", "Fasttracker", 6},
    {"Credits", L"SOUNDS\\End credits.QXX", "Fasttracker", 6},
};

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sound_test::ResetErrors();
    SoundOff = false;
  }
  void TearDown() override {
    ShutdownSound();
    SoundOff = false;
  }
};

class EachModule : public SoundTest, public ::testing::WithParamInterface<ModuleCase> {};

TEST_P(EachModule, PlaysAudiblyWithoutClippingInEightBitMono) {
  const ModuleCase& c = GetParam();
  const std::string wav = sound_test::TempPath("module.wav");
  ASSERT_TRUE(sound_test::StartOnWaveWriter(wav, 100));
  ASSERT_TRUE(LoadMusic(c.path));
  const MODULE* module = Player_GetModule();
  EXPECT_EQ(module, nullptr) << "loading does not start the player";
  PlayMusic(0);
  ASSERT_NE(Player_GetModule(), nullptr);
  EXPECT_NE(std::string(Player_GetModule()->modtype).find(c.loader), std::string::npos) << Player_GetModule()->modtype;
  EXPECT_EQ(Player_GetModule()->numchn, c.channels);
  sound_test::TickFor(4.0);
  EXPECT_TRUE(MusicActive());
  ShutdownSound();

  sound_test::WaveData wave;
  ASSERT_TRUE(sound_test::ReadWave(wav, wave));
  EXPECT_EQ(wave.rate, 44100);
  EXPECT_EQ(wave.channels, 1);
  EXPECT_EQ(wave.bits, 8);
  ASSERT_GE(wave.samples.size(), 4u * 44100u);
  EXPECT_GT(sound_test::Loudness(wave), 8.0);
  EXPECT_LT(sound_test::ClippedShare(wave), 0.001);
  // No second of it is silent: the piece starts at once and keeps going.
  for (std::size_t second = 0; second < 4; ++second)
    EXPECT_GT(sound_test::Loudness(wave, second * 44100, (second + 1) * 44100), 3.0) << "second " << second;
  EXPECT_TRUE(Errors().empty());
}

INSTANTIATE_TEST_SUITE_P(Forged, EachModule, ::testing::ValuesIn(kModules),
                         [](const ::testing::TestParamInfo<ModuleCase>& c) { return std::string(c.param.name); });

// Only a live device runs dry: the WAV writer and the no-sound driver never
// make a still window wake for them, and neither does a stopped library.
TEST_F(SoundTest, OnlyALiveDeviceAsksToBeFed) {
  EXPECT_EQ(SoundFeedIntervalMs(), 0u);
  ASSERT_TRUE(sound_test::StartOnWaveWriter(sound_test::TempPath("feed.wav")));
  EXPECT_EQ(SoundFeedIntervalMs(), 0u);
  ShutdownSound();
  SoundOptions silent;
  silent.output = SoundOutput::Silent;
  ASSERT_TRUE(InitSound(silent));
  EXPECT_EQ(SoundFeedIntervalMs(), 0u);
}

TEST_F(SoundTest, TheGameVolumeScalesTheOutput) {
  double loud = 0.0, soft = 0.0;
  for (int volume : {100, 25}) {
    const std::string wav = sound_test::TempPath("volume.wav");
    ASSERT_TRUE(sound_test::StartOnWaveWriter(wav, volume));
    EXPECT_EQ(md_volume, volume);
    ASSERT_TRUE(LoadMusic(L"SOUNDS\\Partie1.QXX"));
    PlayMusic(0);
    sound_test::TickFor(2.0);
    ShutdownSound();
    sound_test::WaveData wave;
    ASSERT_TRUE(sound_test::ReadWave(wav, wave));
    (volume == 100 ? loud : soft) = sound_test::Loudness(wave);
  }
  EXPECT_NEAR(soft / loud, 0.25, 0.08);
  // Volumes over the library's 128 are held there; 0 switches sound off.
  SetVolume(200);
  EXPECT_EQ(md_volume, 128);
  EXPECT_FALSE(SoundOff);
  SetVolume(0);
  EXPECT_TRUE(SoundOff);
  SetVolume(50);
  EXPECT_FALSE(SoundOff);
}

TEST_F(SoundTest, AnEndedModuleIsRestartedFromTheStartOnlyWhileLooping) {
  ASSERT_TRUE(sound_test::StartOnWaveWriter(sound_test::TempPath("loop.wav")));
  ASSERT_TRUE(LoadMusic(L"SOUNDS\\Avant une partie.QXX"));
  PlayMusic(0);
  MusicTimerTick();  // while it plays the timer leaves it alone
  EXPECT_TRUE(MusicActive());
  sound_test::TickFor(8.0);  // the jingle lasts a little over six seconds
  EXPECT_FALSE(MusicActive());
  EXPECT_TRUE(MusicPlaying());

  SetMusicLoop(false);
  MusicTimerTick();
  EXPECT_FALSE(MusicActive());

  SetMusicLoop(true);
  MusicTimerTick();
  EXPECT_TRUE(MusicActive());
  EXPECT_EQ(MusicPosition(), 0);
  EXPECT_LT(Player_GetModule()->sngtime, 1024u / 4);

  // A freed module is never brought back.
  FreeMusic();
  EXPECT_FALSE(MusicPlaying());
  MusicTimerTick();
  EXPECT_FALSE(MusicActive());
  EXPECT_FALSE(MusicLoaded());
}

TEST_F(SoundTest, TheMainLoopsTimerRestartsAnEndedModuleWithinAHundredMilliseconds) {
  platform::BackendOptions options;
  options.headless = true;
  std::string error;
  ASSERT_TRUE(platform::StartBackend(options, error)) << error;
  ASSERT_TRUE(sound_test::StartOnWaveWriter(sound_test::TempPath("timer.wav")));
  const int timer = platform::StartTimer(100, MusicTimerTick);
  ASSERT_TRUE(LoadMusic(L"SOUNDS\\Avant une partie.QXX"));
  PlayMusic(0);
  // The main loop: one message per pass, otherwise a frame; every pass ticks
  // the sound, and a frame takes 16 ms of virtual time.
  std::uint32_t endedAt = 0;
  bool ended = false, restarted = false;
  for (int pass = 0; pass < 20000 && !restarted; ++pass) {
    platform::Message m;
    if (platform::RemoveNextMessage(m)) {
      if (m.kind == platform::MessageKind::Timer) platform::RunTimer(m);
    } else {
      platform::SleepMs(16);
    }
    if (!ended && !MusicActive()) {
      ended = true;
      endedAt = platform::TickCount();
    } else if (ended && MusicActive()) {
      restarted = true;
      EXPECT_LE(platform::TickCount() - endedAt, 100u);
      EXPECT_EQ(MusicPosition(), 0);
    }
    SoundTick();
  }
  EXPECT_TRUE(restarted);
  platform::StopTimer(timer);
  ShutdownSound();
  platform::StopBackend();
}

TEST_F(SoundTest, AMissingOrDamagedModuleReportsOncePerRequestAndTheGameGoesOn) {
  ASSERT_TRUE(sound_test::StartOnWaveWriter(sound_test::TempPath("missing.wav")));
  EXPECT_FALSE(LoadMusic(L"SOUNDS\\nowhere.QXX"));
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].caption, L"Load sound error");
  EXPECT_NE(Errors()[0].text.find(L"SOUNDS/nowhere.QXX"), std::wstring::npos);
  EXPECT_EQ(CurrentMusicPath(), L"SOUNDS\\nowhere.QXX");
  EXPECT_FALSE(MusicLoaded());
  PlayMusic(0);  // nothing to play: nothing happens
  EXPECT_FALSE(MusicPlaying());
  MusicTimerTick();
  SoundTick();
  EXPECT_FALSE(LoadMusic(L"SOUNDS\\nowhere.QXX"));
  EXPECT_EQ(Errors().size(), 2u);

  // A file that is no module at all, and a module cut short, are refused the same way.
  const std::string junk = sound_test::TempPath("junk.QXX");
  ASSERT_TRUE(platform::WriteFileAtomically(junk, std::vector<std::uint8_t>(3000, 0x5A)));
  EXPECT_FALSE(LoadMusic(std::wstring(junk.begin(), junk.end())));
  EXPECT_EQ(Errors().size(), 3u);
  std::vector<std::uint8_t> module;
  ASSERT_TRUE(platform::ReadWholeFile("SOUNDS\\Partie1.QXX", module));
  module.resize(1500);  // the header and part of the first pattern
  const std::string cut = sound_test::TempPath("cut.QXX");
  ASSERT_TRUE(platform::WriteFileAtomically(cut, module));
  EXPECT_FALSE(LoadMusic(std::wstring(cut.begin(), cut.end())));
  EXPECT_EQ(Errors().size(), 4u);

  // The next good load plays again.
  EXPECT_TRUE(LoadMusic(L"SOUNDS\\menu.QXX"));
  PlayMusic(0);
  EXPECT_TRUE(MusicActive());
  EXPECT_EQ(Errors().size(), 4u);
}

TEST_F(SoundTest, VolumeZeroLoadsNothingPlaysNothingAndMixesNothing) {
  ASSERT_TRUE(sound_test::StartOnWaveWriter(sound_test::TempPath("silent.wav"), 0));
  EXPECT_TRUE(SoundOff);
  EXPECT_FALSE(LoadMusic(L"SOUNDS\\menu.QXX"));
  EXPECT_FALSE(MusicLoaded());
  EXPECT_TRUE(Errors().empty()) << "sound off is not an error";
  PlayMusic(0);
  EXPECT_FALSE(MusicPlaying());
  PlayEffect(L"SOUNDS\\carte.QXW");
  EXPECT_EQ(EffectsLoaded(), 0);
  const unsigned long long before = SoundBytesMixed();
  for (int i = 0; i < 10; ++i) SoundTick();
  MusicTimerTick();
  EXPECT_EQ(SoundBytesMixed(), before);
  EXPECT_FALSE(MusicActive());
}

TEST_F(SoundTest, SwitchingMusicFreesTheOldModuleAndKeepsOnlyTheNewOne) {
  ASSERT_TRUE(sound_test::StartOnWaveWriter(sound_test::TempPath("switch.wav")));
  ASSERT_TRUE(LoadMusic(L"SOUNDS\\menu.QXX"));
  PlayMusic(0);
  sound_test::TickFor(1.0);
  FreeMusic();
  EXPECT_FALSE(MusicActive());
  ASSERT_TRUE(LoadMusic(L"SOUNDS\\Partie5.QXM"));
  PlayMusic(0);
  EXPECT_EQ(Player_GetModule()->numchn, 8);
  // A load without a free first replaces the module instead of leaking it.
  ASSERT_TRUE(LoadMusic(L"SOUNDS\\Boss.QXX"));
  EXPECT_FALSE(MusicPlaying());
  PlayMusic(0);
  EXPECT_EQ(Player_GetModule()->numchn, 6);
  EXPECT_EQ(CurrentMusicPath(), L"SOUNDS\\Boss.QXX");
}

TEST_F(SoundTest, EverythingIsASafeNoOpBeforeTheLibraryStarts) {
  EXPECT_FALSE(SoundStarted());
  EXPECT_FALSE(LoadMusic(L"SOUNDS\\menu.QXX"));
  PlayMusic(0);
  FreeMusic();
  SoundTick();
  MusicTimerTick();
  PlayEffect(L"SOUNDS\\carte.QXW");
  ShutdownSound();
  EXPECT_FALSE(MusicPlaying());
  EXPECT_EQ(EffectsLoaded(), 0);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(SoundTest, AWaveFileNameTheLibraryWouldSplitIsRefused) {
  EXPECT_FALSE(sound_test::StartOnWaveWriter(sound_test::TempPath("a,b.wav")));
  EXPECT_FALSE(SoundStarted());
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].caption, L"Error initsound");
  EXPECT_FALSE(platform::FileExists(sound_test::TempPath("a")));
}

TEST_F(SoundTest, ADesktopWithoutAnAudioDeviceStillStarts) {
  // Whatever this machine has, the game starts its sound: a real device or,
  // failing one, the no-sound driver.
  platform::SetInstallDir(sound_test::DataDir());
  ASSERT_TRUE(InitSound(SoundOptions{}));
  EXPECT_TRUE(SoundStarted());
  EXPECT_FALSE(SoundDriverName().empty());
  EXPECT_EQ(md_mode, DMODE_SOFT_MUSIC | DMODE_SOFT_SNDFX);
  EXPECT_EQ(md_mixfreq, 44100);
  SetVolume(50);
  EXPECT_TRUE(LoadMusic(L"SOUNDS\\menu.QXX"));
  PlayMusic(0);
  for (int i = 0; i < 5; ++i) SoundTick();
  EXPECT_TRUE(Errors().empty());
}

}  // namespace
