// driver_and_pacing_test.cpp -- the choice of output driver and the pacing of updates on a live device.
#include <gtest/gtest.h>

#include <mikmod.h>

#include "sound/sound_driver.h"
#include "sound/sound_pacing.h"

namespace {

class DriverChoiceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { MikMod_RegisterAllDrivers(); }
};

TEST_F(DriverChoiceTest, HeadlessAndTestOutputsNameTheirDrivers) {
  SoundOptions silent;
  silent.output = SoundOutput::Silent;
  DriverChoice c = ChooseDriver(silent, "alsa");
  EXPECT_EQ(c.device, SilentDriver());
  EXPECT_GT(c.device, 0);
  EXPECT_FALSE(c.live);

  SoundOptions wave;
  wave.output = SoundOutput::WaveFile;
  wave.waveFilePath = "/tmp/out.wav";
  c = ChooseDriver(wave, nullptr);
  EXPECT_EQ(c.device, MikMod_DriverFromAlias(const_cast<CHAR*>("wav")));
  EXPECT_EQ(c.params, "file=/tmp/out.wav");
  EXPECT_FALSE(c.live);
}

TEST_F(DriverChoiceTest, TheDesktopTakesTheLibrarysChoiceUnlessOneIsNamed) {
  SoundOptions desktop;
  DriverChoice c = ChooseDriver(desktop, nullptr);
  EXPECT_EQ(c.device, 0);
  EXPECT_TRUE(c.live);
  EXPECT_TRUE(c.params.empty());

  c = ChooseDriver(desktop, "nosound");  // the environment names one
  EXPECT_EQ(c.device, SilentDriver());
  EXPECT_FALSE(c.live);

  desktop.driverName = "sdl";  // the setting wins over the environment
  c = ChooseDriver(desktop, "nosound");
  EXPECT_EQ(c.device, MikMod_DriverFromAlias(const_cast<CHAR*>("sdl")));
  EXPECT_TRUE(c.live);

  desktop.driverName = "no-such-driver";
  c = ChooseDriver(desktop, nullptr);
  EXPECT_EQ(c.device, 0) << "an unknown name leaves the choice to the library";
}

TEST(SoundPacer, MixesOnlyALittleAheadOfRealTime) {
  SoundPacer pacer;
  pacer.Start(1000, 44100, 150);
  EXPECT_TRUE(pacer.ShouldUpdate(1000));
  pacer.Mixed(44100 / 10);  // 100 ms mixed
  EXPECT_TRUE(pacer.ShouldUpdate(1000));
  pacer.Mixed(44100 / 10);  // 200 ms mixed, nothing played yet
  EXPECT_FALSE(pacer.ShouldUpdate(1000));
  EXPECT_FALSE(pacer.ShouldUpdate(1040));
  EXPECT_TRUE(pacer.ShouldUpdate(1060));  // 200 < 60 + 150
}

TEST(SoundPacer, ALongStallDoesNotMakeItRushToCatchUp) {
  SoundPacer pacer;
  pacer.Start(0, 44100, 150);
  pacer.Mixed(44100);                     // one second mixed
  EXPECT_TRUE(pacer.ShouldUpdate(5000));  // held up for four seconds
  EXPECT_EQ(pacer.MixedBytes(), 0u) << "counting starts again";
  pacer.Mixed(44100 / 5);
  EXPECT_FALSE(pacer.ShouldUpdate(5000)) << "and the usual lead applies from there";
}

}  // namespace
