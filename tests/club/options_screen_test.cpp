// options_screen_test.cpp -- the options room in process: what the sliders store, the live volume and the club
// music, the brightness preview, the once-a-visit notice, the effects choice, the statistics text, the record.
#include <gtest/gtest.h>

#include <memory>

#include "club/options_screen.h"
#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/player_record.h"
#include "data/save_bytes.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/game_state.h"
#include "settings/settings.h"
#include "sound/sound.h"
#include "tests/club/club_test_support.h"

namespace {

constexpr int VolumeY = 62, GammaY = 123;
// The stylus column that puts a knob at a position.
int ColumnOf(int position) { return 91 + 4 * position + 2; }

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpCharacterTable();
    SoundOff = true;
    DuelStats = DuelStatistics{};
  }
  // Settings in memory and in the store, as a start-up would have read them.
  void Stored(std::uint8_t volume, std::uint8_t gamma, bool effects) {
    SettingVolume = volume;
    SettingGamma = OptionsGamma = gamma;
    SettingEffects = effects;
    WriteVolume();
    WriteGamma(gamma);
    WriteEffects();
    SetVolume(volume);
  }
  void Open() {
    screen = std::make_unique<OptionsScreen>();
    screen->Enter();
  }
  bool Tap(int x, int y) {
    screen->StylusDown(x, y);
    return screen->StylusUp(x, y);
  }
  bool Back() { return Tap(220, 311); }
  int Notices() const {
    int n = 0;
    for (const ShownBox& b : RoomBoxes) n += b.text == RestartNotice;
    return n;
  }
  std::unique_ptr<OptionsScreen> screen;
};

}  // namespace

TEST(OptionsConversions, SinglePrecisionTruncatedLikeTheStoredFiles) {
  EXPECT_EQ(SliderPosition(50), 12);
  EXPECT_EQ(SliderSetting(12), 50);  // 12 x 4.1666665 rounds to 50 in single precision (not 49.99...)
  EXPECT_EQ(SliderSetting(24), 100);
  EXPECT_EQ(SliderSetting(13), 54);
  EXPECT_EQ(SliderPosition(4), 0);  // most values lose a step on the way round
  EXPECT_EQ(SliderPosition(99), 23);
  EXPECT_EQ(SliderSetting(23), 95);
  EXPECT_EQ(SliderTapPosition(93), 0);
  EXPECT_EQ(SliderTapPosition(189), 24);
  EXPECT_EQ(LiveVolume(24), 100);
  EXPECT_EQ(LiveVolume(1), 4);
}

TEST_F(OptionsTest, AVisitThatMovesNothingStoresWhatWasThere) {
  for (const std::uint8_t volume : {std::uint8_t{4}, std::uint8_t{50}, std::uint8_t{99}}) {
    Stored(volume, 7, false);
    Open();
    Tap(92, VolumeY);  // left of the track: nothing moves
    Tap(91, GammaY);
    EXPECT_TRUE(Back());
    EXPECT_EQ(ReadVolume(), volume);
    EXPECT_EQ(SettingVolume, volume);
    EXPECT_EQ(ReadGamma(), 7);
    EXPECT_FALSE(ReadEffects());
    EXPECT_EQ(Notices(), 0);
  }
  // A knob moved away and back also keeps the stored value.
  Stored(50, 0, true);
  Open();
  Tap(ColumnOf(3), VolumeY);
  Tap(ColumnOf(12), VolumeY);
  EXPECT_EQ(screen->VolumePosition(), 12);
  Back();
  EXPECT_EQ(ReadVolume(), 50);
}

TEST_F(OptionsTest, MovedSlidersStoreTheSinglePrecisionValues) {
  Stored(50, 0, true);
  Open();
  Tap(ColumnOf(24), VolumeY);
  Tap(ColumnOf(13), GammaY);
  EXPECT_EQ(screen->VolumePosition(), 24);
  EXPECT_EQ(screen->GammaPosition(), 13);
  // Nothing is stored before BACK.
  EXPECT_EQ(ReadVolume(), 50);
  EXPECT_EQ(ReadGamma(), 0);
  EXPECT_FALSE(Tap(10, 250));
  EXPECT_TRUE(Back());
  EXPECT_EQ(ReadVolume(), 100);
  EXPECT_EQ(ReadGamma(), 54);
  EXPECT_EQ(OptionsGamma, 54);
  EXPECT_EQ(SettingGamma, 0);  // pictures keep decoding at the old brightness until the next start
  EXPECT_TRUE(ReadEffects());

  Stored(50, 0, true);
  Open();
  Tap(189, VolumeY + 8);  // the track's last row and column
  Tap(93, GammaY - 8);
  EXPECT_EQ(screen->VolumePosition(), 24);
  EXPECT_EQ(screen->GammaPosition(), 0);
}

TEST_F(OptionsTest, VolumeZeroSilencesAtOnceAndRaisingItStartsTheClubMusic) {
  ASSERT_TRUE(InitSound({SoundOutput::Silent, "", ""}));
  Stored(50, 0, true);
  FreeMusic();
  Open();
  screen->StylusDown(ColumnOf(0), VolumeY);
  EXPECT_TRUE(SoundOff);
  screen->StylusUp(ColumnOf(0), VolumeY);
  Back();
  EXPECT_EQ(ReadVolume(), 0);

  // The game started silent: no music was loaded.
  Stored(0, 0, true);
  Open();
  EXPECT_FALSE(MusicLoaded());
  screen->StylusDown(ColumnOf(6), VolumeY);
  EXPECT_FALSE(SoundOff);
  EXPECT_TRUE(MusicLoaded());
  EXPECT_TRUE(MusicPlaying());
  EXPECT_EQ(CurrentMusicPath(), L"SOUNDS\\menu.QXX");
  screen->StylusUp(ColumnOf(6), VolumeY);
  Back();
  EXPECT_EQ(ReadVolume(), SliderSetting(6));
  FreeMusic();
  SoundOff = true;
}

TEST_F(OptionsTest, ThePreviewBrightensTheUnbrightenedScreenAndTheNoticeComesOnce) {
  Stored(50, 0, true);
  Open();
  const std::vector<std::uint16_t> plain(ScreenBuffer(0), ScreenBuffer(0) + ScreenPixelCount());
  Tap(ColumnOf(24), GammaY);
  EXPECT_EQ(Notices(), 1);
  const int title = 20 * 240 + 30;  // a pixel of the title band, away from every control
  EXPECT_EQ(ScreenBuffer(0)[title], BrightenColour(plain[title], SliderSetting(24)));
  EXPECT_NE(ScreenBuffer(0)[title], plain[title]);
  Tap(ColumnOf(20), GammaY);
  Tap(ColumnOf(0), GammaY);
  EXPECT_EQ(Notices(), 1);
  // Back at the stored brightness: exactly the screen it opened with, nothing lost on the way.
  EXPECT_TRUE(std::equal(plain.begin(), plain.end(), ScreenBuffer(0)));
  Back();
  EXPECT_EQ(ReadGamma(), 0);
  // A new visit shows the notice again.
  Open();
  Tap(ColumnOf(5), GammaY);
  EXPECT_EQ(Notices(), 2);
}

TEST_F(OptionsTest, TheEffectsChoiceActsOnStylusDownInItsHalves) {
  Stored(50, 0, true);
  Open();
  screen->StylusDown(195, 196);  // OFF's far corner
  EXPECT_FALSE(screen->EffectsOn());
  screen->StylusUp(100, 180);  // a release on ON changes nothing
  EXPECT_FALSE(screen->EffectsOn());
  Tap(83, 197);
  EXPECT_TRUE(screen->EffectsOn());
  Tap(196, 180);  // outside both
  Tap(140, 180);
  EXPECT_TRUE(screen->EffectsOn());
  Tap(154, 172);
  Back();
  EXPECT_FALSE(ReadEffects());
  EXPECT_FALSE(SettingEffects);
}

TEST_F(OptionsTest, StatisticsOfANewAndOfAPlayedCharacter) {
  Stored(50, 0, true);
  CurrentPlayer.name = L"Tester";
  Open();
  EXPECT_FALSE(Tap(20, 312));
  ASSERT_EQ(RoomBoxes.size(), 1u);
  const std::wstring count = std::to_wstring(CardCount());
  const std::wstring zeros =
      L"\n          Victories : 0\n          Ties       : 0\n          Defeats  : 0\n"
      L"          Tourneys Played : 0\n          Tourneys Won     : 0\n\n";
  EXPECT_EQ(RoomBoxes[0].text, L"Statistics for Tester\n\nCards Total       :0\nCards Collection  :0 on " + count +
                                   L"\nPerfects realised  :0\nPerfects received  :0\n\nGuest" + zeros + L"Member" +
                                   zeros + L"Elite" + zeros);
  EXPECT_EQ(RoomBoxes[0].right, L"Ok");

  AddCopy(CurrentPlayer, 1);
  AddCopy(CurrentPlayer, 1);
  AddCopy(CurrentPlayer, 5);
  DuelStats.opponents[0][0] = {3, 1, 2};
  DuelStats.opponents[0][14] = {2, 0, 1};
  DuelStats.opponents[2][7] = {0, 4, 9};
  DuelStats.tourneysPlayed[0] = 5;
  DuelStats.tourneysWon[0] = 2;
  DuelStats.tourneysPlayed[1] = 1;
  DuelStats.perfectsRealised = 6;
  DuelStats.perfectsReceived = 1;
  Tap(20, 312);
  ASSERT_EQ(RoomBoxes.size(), 2u);
  EXPECT_EQ(RoomBoxes[1].text,
            L"Statistics for Tester\n\nCards Total       :3\nCards Collection  :2 on " + count +
                L"\nPerfects realised  :6\nPerfects received  :1\n\n"
                L"Guest\n          Victories : 5\n          Ties       : 1\n          Defeats  : 3\n"
                L"          Tourneys Played : 5\n          Tourneys Won     : 2\n\n"
                L"Member\n          Victories : 0\n          Ties       : 0\n          Defeats  : 0\n"
                L"          Tourneys Played : 1\n          Tourneys Won     : 0\n\n"
                L"Elite\n          Victories : 0\n          Ties       : 4\n          Defeats  : 9\n"
                L"          Tourneys Played : 0\n          Tourneys Won     : 0\n\n");
}

TEST_F(OptionsTest, TheRecordBringsTheVisitBackAndRefusesWhatCannotBe) {
  Stored(50, 0, true);
  Open();
  Tap(ColumnOf(20), VolumeY);
  Tap(ColumnOf(3), GammaY);
  Tap(160, 180);
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  screen->SaveState(out);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{20, 3, 0, 1}));

  OptionsScreen resumed;
  ByteReader in(bytes);
  ASSERT_TRUE(resumed.LoadState(in));
  EXPECT_EQ(resumed.VolumePosition(), 20);
  EXPECT_EQ(resumed.GammaPosition(), 3);
  EXPECT_FALSE(resumed.EffectsOn());
  EXPECT_TRUE(resumed.NoticeShown());
  EXPECT_EQ(resumed.VolumeToStore(), SliderSetting(20));
  EXPECT_EQ(resumed.GammaToStore(), SliderSetting(3));

  for (const std::vector<std::uint8_t>& bad :
       {std::vector<std::uint8_t>{25, 0, 1, 0}, {0, 25, 1, 0}, {0, 0, 2, 0}, {0, 0, 1, 2}, {0, 0, 1}}) {
    OptionsScreen other;
    ByteReader r(bad);
    EXPECT_FALSE(other.LoadState(r));
  }
}
