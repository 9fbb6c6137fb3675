// club_test_support.cpp -- the character screen's tests: their settings store and an empty SAVE folder.
#include "tests/club/club_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "data/save_file.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "settings/settings.h"

namespace fs = std::filesystem;

namespace {

std::string configDir;

void RemoveConfigDir() {
  std::error_code ignored;
  if (!configDir.empty()) fs::remove_all(configDir, ignored);
}

}  // namespace

void WriteHostFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string ClubInstall() { return platform::InstallDir(); }
std::string SaveHostPath(int slot) { return ClubInstall() + "/SAVE/Player" + std::to_string(slot) + ".QXP"; }

void SetUpCharacterTable() {
  SetUpRoom();
  if (configDir.empty()) {
    char folder[] = "/tmp/duskhaven-character-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    configDir = folder;
    std::atexit(RemoveConfigDir);
    platform::SetConfigFolder(configDir);
    CreateSettingsKeys();
  }
  RememberLastCharacter = WriteCharacter;
  std::error_code ignored;
  fs::remove_all(ClubInstall() + "/SAVE", ignored);
  platform::MakeDirectories("SAVE");
  RoomBoxes.clear();
  RoomBoxAnswers.clear();
}
