// install_prefix_test.cpp -- an installed game's data folder beside its program, and where its saves go.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/file_system.h"
#include "platform/install_prefix.h"
#include "platform/settings_store.h"
#include "tests/platform/test_helpers.h"

namespace {
namespace fs = std::filesystem;

TEST(InstallPrefix, DataFolderIsFoundBesideTheProgramOnlyWhenItExists) {
  const std::string prefix = testing_platform::ScratchFolder("prefix");
  fs::create_directories(prefix + "/bin");
  const std::string game = prefix + "/bin/duskhaven";
  EXPECT_EQ(platform::DataFolderBeside(game, "../share/duskhaven"), "");  // the build tree has none

  fs::create_directories(prefix + "/share/duskhaven");
  const std::string data = fs::canonical(prefix + "/share/duskhaven").string();
  EXPECT_EQ(platform::DataFolderBeside(game, "../share/duskhaven"), data);
  // A file of that name is not a data folder; nor is a program path without a folder.
  std::ofstream(prefix + "/share/not-a-folder") << "x";
  EXPECT_EQ(platform::DataFolderBeside(game, "../share/not-a-folder"), "");
  EXPECT_EQ(platform::DataFolderBeside("duskhaven", "../share/duskhaven"), "");
  // A data folder configured as an absolute path is taken as it is.
  EXPECT_EQ(platform::DataFolderBeside(game, prefix + "/share/duskhaven"), data);

  // A moved prefix still finds its own data.
  const std::string moved = prefix + "-moved";
  fs::remove_all(moved);
  fs::rename(prefix, moved);
  EXPECT_EQ(platform::DataFolderBeside(moved + "/bin/duskhaven", "../share/duskhaven"),
            fs::canonical(moved + "/share/duskhaven").string());
}

TEST(InstallPrefix, SavesGoToThePlayersDataFolderOrTheGivenConfiguration) {
  const std::string home = testing_platform::ScratchFolder("home");
  ::setenv("HOME", home.c_str(), 1);
  ::unsetenv("XDG_CONFIG_HOME");
  ::unsetenv("XDG_DATA_HOME");
  platform::SetConfigFolder(platform::DefaultConfigFolder());
  EXPECT_EQ(platform::PlayerSaveFolder(), home + "/.local/share/duskhaven/SAVE");
  ::setenv("XDG_DATA_HOME", "/var/lib/player", 1);
  EXPECT_EQ(platform::PlayerSaveFolder(), "/var/lib/player/duskhaven/SAVE");
  ::setenv("XDG_DATA_HOME", "relative/data", 1);  // not absolute: ignored, as the XDG rules say
  EXPECT_EQ(platform::PlayerSaveFolder(), home + "/.local/share/duskhaven/SAVE");
  // A second configuration (--config DIR) keeps its saves beside its settings and its lock, so two
  // games running side by side never write the same save.
  platform::SetConfigFolder(home + "/second");
  EXPECT_EQ(platform::PlayerSaveFolder(), home + "/second/SAVE");
  ::unsetenv("XDG_DATA_HOME");
}

TEST(InstallPrefix, OnlySavePathsFollowTheSaveFolder) {
  platform::SetInstallDir("/usr/share/duskhaven");
  platform::SetSaveFolder("/home/p/.local/share/duskhaven/SAVE/");
  EXPECT_EQ(platform::HostPath("SAVE\\Player1.QXP"), "/home/p/.local/share/duskhaven/SAVE/Player1.QXP");
  EXPECT_EQ(platform::HostPath("SAVE\\QuickSave.QXP"), "/home/p/.local/share/duskhaven/SAVE/QuickSave.QXP");
  EXPECT_EQ(platform::HostPath("SAVE"), "/home/p/.local/share/duskhaven/SAVE");
  EXPECT_EQ(platform::HostPath("SAVED\\x"), "/usr/share/duskhaven/SAVED/x");
  EXPECT_EQ(platform::HostPath("DATA\\SAVE\\x"), "/usr/share/duskhaven/DATA/SAVE/x");
  EXPECT_EQ(platform::HostPath("GFX\\GENERAL\\NEW FONT.QXB"), "/usr/share/duskhaven/GFX/GENERAL/NEW FONT.QXB");

  // The save folder is made with its parents, and a save written there is never in the data folder.
  const std::string data = testing_platform::ScratchFolder("read-only-data");
  const std::string saves = testing_platform::ScratchFolder("player") + "/deep/SAVE";
  platform::SetInstallDir(data);
  platform::SetSaveFolder(saves);
  ASSERT_TRUE(platform::MakeDirectories("SAVE"));
  ASSERT_TRUE(platform::WriteFileAtomically("SAVE\\Player2.QXP", {1, 2, 3}));
  EXPECT_TRUE(fs::exists(saves + "/Player2.QXP"));
  EXPECT_FALSE(fs::exists(data + "/SAVE"));

  // Unset, saves are under the install directory again, as the build tree's game keeps them.
  platform::SetSaveFolder("");
  EXPECT_EQ(platform::HostPath("SAVE\\Player2.QXP"), data + "/SAVE/Player2.QXP");
  platform::SetInstallDir(".");
}

}  // namespace
