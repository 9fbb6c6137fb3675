// settings_store_test.cpp -- the registry-like file: keys, typed values, damaged lines, safe rewrites.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <sys/stat.h>

#include "platform/settings_store.h"
#include "tests/platform/test_helpers.h"

namespace {

std::string UseFreshFolder(const std::string& name) {
  const std::string dir = testing_platform::ScratchFolder(name);
  platform::SetConfigFolder(dir);
  return dir;
}

std::string FileText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(SettingsStore, ValuesNeedTheirKey) {
  UseFreshFolder("store-key");
  std::uint32_t n = 0;
  EXPECT_FALSE(platform::StoreKeyExists("SOFTWARE\\Duskhaven"));
  EXPECT_FALSE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Gamma", 3));
  ASSERT_TRUE(platform::CreateStoreKey("SOFTWARE\\Duskhaven\\Gamma"));
  EXPECT_TRUE(platform::StoreKeyExists("SOFTWARE\\Duskhaven"));
  EXPECT_TRUE(platform::StoreKeyExists("software\\duskhaven\\gamma"));
  EXPECT_FALSE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Gamma", n));
  ASSERT_TRUE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Gamma", 0x28));
  ASSERT_TRUE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Gamma", n));
  EXPECT_EQ(n, 0x28u);
}

TEST(SettingsStore, NumbersAndStringsKeepTheirTypes) {
  const std::string dir = UseFreshFolder("store-types");
  ASSERT_TRUE(platform::CreateStoreKey("SOFTWARE\\Duskhaven"));
  ASSERT_TRUE(platform::WriteStoreString("SOFTWARE\\Duskhaven", "Install_Dir", "/games/dusk \"haven\"\\x"));
  ASSERT_TRUE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Volume", 0xFFFFFF32u));
  std::string s;
  std::uint32_t n = 0;
  ASSERT_TRUE(platform::ReadStoreString("SOFTWARE\\Duskhaven", "Install_Dir", s));
  EXPECT_EQ(s, "/games/dusk \"haven\"\\x");
  EXPECT_FALSE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Install_Dir", n));
  EXPECT_FALSE(platform::ReadStoreString("SOFTWARE\\Duskhaven", "Volume", s));
  ASSERT_TRUE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Volume", n));
  EXPECT_EQ(n, 0xFFFFFF32u);
  EXPECT_NE(FileText(dir + "/settings.reg").find("Volume = dword:ffffff32\n"), std::string::npos);
  // A line break could not be kept on one line: refused, old value kept.
  EXPECT_FALSE(platform::WriteStoreString("SOFTWARE\\Duskhaven", "Install_Dir", "a\nb"));
  ASSERT_TRUE(platform::ReadStoreString("SOFTWARE\\Duskhaven", "Install_Dir", s));
  EXPECT_EQ(s, "/games/dusk \"haven\"\\x");
}

TEST(SettingsStore, RewritingAValueKeepsTheOthers) {
  UseFreshFolder("store-rewrite");
  ASSERT_TRUE(platform::CreateStoreKey("SOFTWARE\\Duskhaven"));
  ASSERT_TRUE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Gamma", 1));
  ASSERT_TRUE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Effects", 0));
  ASSERT_TRUE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Gamma", 2));
  std::uint32_t g = 0, e = 9;
  ASSERT_TRUE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Gamma", g));
  ASSERT_TRUE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Effects", e));
  EXPECT_EQ(g, 2u);
  EXPECT_EQ(e, 0u);
}

// The game stores its settings at every exit: the same values must not
// rewrite the file (each rewrite waits for the disk), a changed one must.
TEST(SettingsStore, TheSameValuesLeaveTheFileAsItIs) {
  const std::string path = UseFreshFolder("store-same") + "/settings.reg";
  ASSERT_TRUE(platform::CreateStoreKey("SOFTWARE\\Duskhaven"));
  ASSERT_TRUE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Gamma", 1));
  auto inode = [&] {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
  };
  const auto first = inode();
  ASSERT_NE(first, 0u);
  EXPECT_TRUE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Gamma", 1));
  EXPECT_TRUE(platform::CreateStoreKey("SOFTWARE\\Duskhaven"));
  EXPECT_EQ(inode(), first);
  ASSERT_TRUE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Gamma", 2));
  EXPECT_NE(inode(), first);  // written anew (a new file renamed over the old)
  std::uint32_t g = 0;
  ASSERT_TRUE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Gamma", g));
  EXPECT_EQ(g, 2u);
}

TEST(SettingsStore, DamagedLinesAreLeftOutAndTheRestIsRead) {
  const std::string dir = UseFreshFolder("store-damaged");
  std::ofstream(dir + "/settings.reg") << "garbage before any key\n[SOFTWARE\\Duskhaven]\nGamma = dword:zz\n"
                                       << "Volume = dword:00000007\nEffects = 12\nInstall_Dir = \"/x\n"
                                       << "[broken\nCharacter=dword:3\n\x01\xff\n";
  std::uint32_t n = 0;
  std::string s;
  EXPECT_FALSE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Gamma", n));
  EXPECT_FALSE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Effects", n));
  EXPECT_FALSE(platform::ReadStoreString("SOFTWARE\\Duskhaven", "Install_Dir", s));
  ASSERT_TRUE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Volume", n));
  EXPECT_EQ(n, 7u);
  ASSERT_TRUE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Character", n));
  EXPECT_EQ(n, 3u);
}

TEST(SettingsStore, DefaultFolderFollowsXdgConfigHome) {
  ::setenv("XDG_CONFIG_HOME", "/some/where", 1);
  EXPECT_EQ(platform::DefaultConfigFolder(), "/some/where/duskhaven");
  ::setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored, as the XDG rules say
  ::setenv("HOME", "/home/p", 1);
  EXPECT_EQ(platform::DefaultConfigFolder(), "/home/p/.config/duskhaven");
}

}  // namespace

namespace {

TEST(SettingsStore, AnUnreadableFileIsNeverOverwritten) {
  const std::string dir = testing_platform::ScratchFolder("store-unreadable");
  platform::SetConfigFolder(dir);
  // Larger than any settings file: not read, and not replaced by a fresh one.
  std::string big = "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"/keep\"\n" + std::string(2u << 20, ';');
  std::ofstream(dir + "/settings.reg") << big;
  EXPECT_FALSE(platform::CreateStoreKey("SOFTWARE\\Duskhaven\\Gamma"));
  EXPECT_FALSE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Gamma", 1));
  std::ifstream in(dir + "/settings.reg");
  std::stringstream s;
  s << in.rdbuf();
  EXPECT_EQ(s.str().size(), big.size());
}

}  // namespace

namespace {

TEST(SettingsStore, ARewriteKeepsTheLinesItCannotReadAndTheComments) {
  const std::string dir = UseFreshFolder("store-keep");
  {
    std::ofstream out(dir + "/settings.reg");
    out << "; my own note\nstray line before any key\n[SOFTWARE\\Duskhaven]\nInstall_Dir = \"/games/dusk\"\n"
           "Volume = 0\n[broken key\nGamma = dword:00000010\n";
  }
  std::uint32_t n = 0;
  EXPECT_FALSE(platform::ReadStoreNumber("SOFTWARE\\Duskhaven", "Volume", n)) << "an unreadable line is not used";
  ASSERT_TRUE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Gamma", 0x20));
  ASSERT_TRUE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Effects", 1));
  const std::string text = FileText(dir + "/settings.reg");
  for (const char* kept : {"; my own note\n", "stray line before any key\n", "Volume = 0\n", "[broken key\n",
                           "Install_Dir = \"/games/dusk\"\n", "Gamma = dword:00000020\n", "Effects = dword:00000001\n"})
    EXPECT_NE(text.find(kept), std::string::npos) << kept << " in\n" << text;
  // The kept lines stay where they stood, and the game's own header is written once.
  EXPECT_LT(text.find("stray line"), text.find("[SOFTWARE\\Duskhaven]"));
  EXPECT_LT(text.find("Volume = 0"), text.find("[broken key"));
  EXPECT_EQ(text.find("; Duskhaven settings"), text.rfind("; Duskhaven settings"));
  ASSERT_TRUE(platform::WriteStoreNumber("SOFTWARE\\Duskhaven", "Gamma", 0x21));
  EXPECT_EQ(FileText(dir + "/settings.reg").size(), text.size()) << "a second rewrite adds nothing";
}

}  // namespace
