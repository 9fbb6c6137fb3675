// screen_focus_test.cpp -- the keys' focus on a room screen in the club: the frame only after a key, nothing left
// behind when it goes, the action key tapping the framed place, Left and Right on a slider.
#include <gtest/gtest.h>

#include <memory>

#include "club/club.h"
#include "club/options_screen.h"
#include "club/screen_focus.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/game_state.h"
#include "settings/settings.h"
#include "sound/sound.h"
#include "tests/club/club_harness.h"

namespace {

class ScreenFocus : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpClub();
    SoundOff = true;
    SettingVolume = 50;
    SettingGamma = OptionsGamma = 0;
    SettingEffects = true;
    GameClub.optionsScreen = std::make_unique<OptionsScreen>();
    GameClub.currentScreen = ScreenOptions;
    GameClub.ready = true;
    GameClub.optionsScreen->Redraw(0);
    ForgetFocus();
  }
  void TearDown() override { ResetClubState(); }
  void Press(GameKey key) {
    KeyFlags[key] = true;
    ClubFrameOnce();
    EXPECT_FALSE(KeyFlags[key]) << "the key was not taken";
  }
  OptionsScreen& Options() { return static_cast<OptionsScreen&>(*GameClub.optionsScreen); }
};

TEST_F(ScreenFocus, TheFrameComesWithAKeyAndGoesWithTheStylusLeavingTheScreenAsItWas) {
  const std::vector<std::uint16_t> before = ScreenPixels();
  RunClubFrames(3);
  EXPECT_FALSE(FocusFrameShown());
  EXPECT_EQ(ScreenPixels(), before);

  Press(KeyDown);  // shows the frame where the focus is, on the first place: nothing moves
  ASSERT_TRUE(FocusFrameShown());
  EXPECT_EQ(FocusedPlace().y, 54);  // the volume slider
  EXPECT_NE(ScreenPixels(), before);
  Press(KeyDown);
  EXPECT_EQ(FocusedPlace().y, 115);  // the brightness slider
  Press(KeyUp);
  EXPECT_EQ(FocusedPlace().y, 54);

  // A tap where nothing is takes the frame away, and every pixel under it comes back.
  ClubStylusDown(5, 150);
  ClubStylusUp(5, 150);
  EXPECT_FALSE(FocusFrameShown());
  EXPECT_EQ(ScreenPixels(), before);
}

TEST_F(ScreenFocus, TheActionKeyTapsTheFramedPlaceAndArrowsMoveAFramedSlider) {
  const int start = Options().VolumePosition();
  Press(KeyRight);  // the first key only shows the frame
  EXPECT_EQ(Options().VolumePosition(), start);
  Press(KeyRight);
  EXPECT_EQ(Options().VolumePosition(), start + 1);
  for (int i = 0; i < 30; ++i) Press(KeyLeft);
  EXPECT_EQ(Options().VolumePosition(), 0);
  Press(KeyA);  // a tap on the knob itself leaves it where it is
  EXPECT_EQ(Options().VolumePosition(), 0);
  EXPECT_TRUE(FocusFrameShown());

  Press(KeyDown);
  Press(KeyDown);  // down from the brightness slider's middle: the effects' off, the nearer of the two
  EXPECT_EQ(FocusedPlace().x, 154);
  EXPECT_TRUE(Options().EffectsOn());
  Press(KeyA);
  EXPECT_FALSE(Options().EffectsOn());
  Press(KeyLeft);
  Press(KeyA);
  EXPECT_TRUE(Options().EffectsOn());

  // Down to STATS below, right to BACK: the action key leaves the room for the corridor.
  Press(KeyDown);
  EXPECT_EQ(FocusedPlace().x, 1);
  Press(KeyRight);
  EXPECT_EQ(FocusedPlace().x, 201);
  Press(KeyA);
  EXPECT_EQ(GameClub.currentScreen, ScreenCorridor);
  EXPECT_FALSE(FocusFrameShown());
}

// A screen that draws over its own frame (a page turned, another table shown) gets the frame back after its
// pass; when the frame goes, the screen's new pixels stay, not the ones from before.
TEST_F(ScreenFocus, AFrameTheScreenDrewOverComesBackAndLeavesTheNewPixelsWhenItGoes) {
  Press(KeyDown);
  ASSERT_TRUE(FocusFrameShown());
  const FocusPlace p = FocusedPlace();
  const int width = ScreenWidth();
  std::uint16_t* pixels = ScreenBuffer(0);
  const int corner = (p.y - 1) * width + (p.x - 1), inside = (p.y + 1) * width + (p.x + 1);
  const std::uint16_t frame = pixels[corner];
  // The screen repaints the whole place and its surround in one colour.
  const std::uint16_t paint = PackRgb(10, 20, 30);
  for (int y = p.y - 3; y < p.y + p.h + 3; ++y)
    for (int x = p.x - 3; x < p.x + p.w + 3; ++x) pixels[y * width + x] = paint;
  ClubFrameOnce();
  EXPECT_EQ(pixels[corner], frame) << "the frame is drawn again";
  EXPECT_EQ(pixels[inside], paint);
  ClubStylusDown(5, 150);
  ClubStylusUp(5, 150);
  EXPECT_FALSE(FocusFrameShown());
  EXPECT_EQ(pixels[corner], paint) << "under the frame now lies what the screen drew";

  // Without a key the screen's drawing is never touched.
  for (int i = 0; i < 3; ++i) pixels[corner + i] = paint;
  ClubFrameOnce();
  EXPECT_EQ(pixels[corner], paint);
}

}  // namespace
