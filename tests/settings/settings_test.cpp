// settings_test.cpp -- the game's settings: defaults on a fresh machine, the first-byte rule, the install directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/settings_store.h"
#include "settings/settings.h"

namespace {

class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() / ("duskhaven-settings-" + std::to_string(::getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    platform::SetConfigFolder(folder_.string());
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  void WriteFile(const std::string& text) {
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "settings.reg") << text;
  }
  std::filesystem::path folder_;
};

TEST_F(Settings, FreshMachineGivesTheDefaults) {
  CreateSettingsKeys();
  EXPECT_EQ(ReadGamma(), 0);
  EXPECT_EQ(ReadVolume(), 50);
  EXPECT_TRUE(ReadEffects());
  EXPECT_EQ(ReadCharacter(), 1);
  EXPECT_FALSE(ReadInstallDir());
  EXPECT_TRUE(platform::StoreKeyExists("SOFTWARE\\Duskhaven\\Character"));
}

TEST_F(Settings, DefaultsWithoutAnyKeyToo) {
  EXPECT_EQ(ReadVolume(), 50);
  EXPECT_TRUE(ReadEffects());
  EXPECT_FALSE(ReadInstallDir());
}

TEST_F(Settings, OnlyTheFirstByteCounts) {
  WriteFile("[SOFTWARE\\Duskhaven]\nGamma = dword:12345628\nVolume = dword:00000100\nEffects = dword:00000100\n");
  EXPECT_EQ(ReadGamma(), 0x28);
  EXPECT_EQ(ReadVolume(), 0);   // 0x100: the first byte is 0, sound off
  EXPECT_FALSE(ReadEffects());  // likewise off
}

TEST_F(Settings, WritesStoreOneByteAndReadBack) {
  CreateSettingsKeys();
  WriteGamma(40);
  SettingVolume = 0;
  WriteVolume();
  SettingEffects = false;
  WriteEffects();
  WriteCharacter(3);
  EXPECT_EQ(ReadGamma(), 40);
  EXPECT_EQ(ReadVolume(), 0);
  EXPECT_FALSE(ReadEffects());
  EXPECT_EQ(ReadCharacter(), 3);
  std::uint32_t raw = 0xFFFFFFFF;
  ASSERT_TRUE(platform::ReadStoreNumber(GameSettingsKey, "Gamma", raw));
  EXPECT_EQ(raw, 40u);  // upper bytes zero
  SettingVolume = 50;
  SettingEffects = true;
}

TEST_F(Settings, WritesBeforeTheKeyExistsAreSilentlyLost) {
  WriteGamma(9);
  EXPECT_EQ(ReadGamma(), 0);
}

TEST_F(Settings, EffectsStoredAsZeroIsOffMissingIsOn) {
  WriteFile("[SOFTWARE\\Duskhaven]\nEffects = dword:00000000\n");
  EXPECT_FALSE(ReadEffects());
  WriteFile("[SOFTWARE\\Duskhaven]\n");
  EXPECT_TRUE(ReadEffects());
}

TEST_F(Settings, InstallDirBecomesTheDataFolder) {
  WriteFile("[SOFTWARE\\Duskhaven]\nInstall_Dir = \"/games/Dusk haven\"\n");
  ASSERT_TRUE(ReadInstallDir());
  EXPECT_EQ(platform::InstallDir(), "/games/Dusk haven");
  EXPECT_EQ(platform::HostPath("GFX\\GENERAL\\NEW FONT.QXB"), "/games/Dusk haven/GFX/GENERAL/NEW FONT.QXB");
}

TEST_F(Settings, EmptyOrWrongTypedInstallDirIsMissing) {
  WriteFile("[SOFTWARE\\Duskhaven]\nInstall_Dir = \"\"\n");
  EXPECT_FALSE(ReadInstallDir());
  WriteFile("[SOFTWARE\\Duskhaven]\nInstall_Dir = dword:00000001\n");
  EXPECT_FALSE(ReadInstallDir());
}

TEST_F(Settings, LongInstallPathsAreKeptWhole) {
  const std::string longPath = "/" + std::string(150, 'd');
  WriteFile("[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" + longPath + "\"\n");
  ASSERT_TRUE(ReadInstallDir());
  EXPECT_EQ(platform::InstallDir(), longPath);
}

TEST_F(Settings, WindowScaleIsOptional) {
  EXPECT_EQ(ReadWindowScale(), 0);
  WriteFile("[SOFTWARE\\Duskhaven]\nScale = dword:00000003\n");
  EXPECT_EQ(ReadWindowScale(), 3);
  WriteFile("[SOFTWARE\\Duskhaven]\nScale = dword:000000ff\n");
  EXPECT_EQ(ReadWindowScale(), 0);
}

}  // namespace

namespace {

TEST_F(Settings, ValuesTheOptionsCannotSetReadAsTheNearestTheyCan) {
  WriteFile("[SOFTWARE\\Duskhaven]\nGamma = dword:000000ff\nVolume = dword:000000c8\nCharacter = dword:00000009\n");
  EXPECT_EQ(SliderMaximum(), static_cast<std::uint8_t>(24 * 4.1666665f));
  EXPECT_EQ(ReadGamma(), SliderMaximum());
  EXPECT_EQ(ReadVolume(), SliderMaximum());
  EXPECT_EQ(ReadCharacter(), 3);
  WriteFile("[SOFTWARE\\Duskhaven]\nGamma = dword:00000063\nVolume = dword:00000001\nCharacter = dword:00000000\n");
  EXPECT_EQ(ReadGamma(), 0x63);  // what the sliders can set is read as it is
  EXPECT_EQ(ReadVolume(), 1);
  EXPECT_EQ(ReadCharacter(), 1);
}

}  // namespace
