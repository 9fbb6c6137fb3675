// club_test_support.cpp -- the private data set and headless screen the club tests run on.
#include "tests/club/club_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "club/character_screen.h"
#include "data/card_database.h"
#include "data/save_file.h"
#include "gfx/font.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/backend.h"
#include "platform/display.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "platform/settings_store.h"
#include "settings/settings.h"

namespace fs = std::filesystem;

std::vector<ShownBox> Boxes;
std::vector<bool> Answers;

namespace {

std::string privateDir;

void RemovePrivateDir() {
  std::error_code ignored;
  if (!privateDir.empty()) fs::remove_all(privateDir, ignored);
}

bool Answer(const std::wstring& text, const std::wstring& left, const std::wstring& right) {
  Boxes.push_back({text, left, right});
  if (!Answers.empty()) {
    const bool a = Answers.front();
    Answers.erase(Answers.begin());
    return a;
  }
  return right.empty();
}

// A plain 24-bit BMP of one colour, for a picture the data set does not draw yet.
std::vector<std::uint8_t> SolidBmp(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const int stride = (w * 3 + 3) & ~3;
  const std::uint32_t size = 54 + static_cast<std::uint32_t>(stride * h);
  std::vector<std::uint8_t> out(size, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(w));
  put32(22, static_cast<std::uint32_t>(h));
  out[26] = 1;
  out[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::size_t p = 54 + static_cast<std::size_t>(y * stride + x * 3);
      out[p] = b;
      out[p + 1] = g;
      out[p + 2] = r;
    }
  return out;
}

// `to` mirrors `from` through links, except along `real` (a relative path),
// whose folders are made for real so files can be added to them.
void Mirror(const fs::path& from, const fs::path& to, const fs::path& real) {
  fs::create_directories(to);
  const std::string first = real.empty() ? std::string() : real.begin()->string();
  fs::path rest;
  for (auto it = real.empty() ? real.end() : std::next(real.begin()); it != real.end(); ++it) rest /= *it;
  std::error_code error;
  for (const fs::directory_entry& e : fs::directory_iterator(from, error)) {
    const std::string name = e.path().filename().string();
    if (name == "SAVE" || name == "forged.stamp") continue;
    if (name == first)
      Mirror(e.path(), to / name, rest);
    else
      fs::create_symlink(e.path(), to / name, error);
  }
  if (!first.empty() && !fs::exists(to / first)) fs::create_directories(to / real);
}

void AddCharacterPictures(const fs::path& folder) {
  struct Picture {
    const char* name;
    int w, h;
  };
  const Picture pictures[] = {{"CreateCharacterEmpty.QXG", 240, 320}, {"CreateCharacterPIX.QXG", 240, 320},
                              {"CreateCharacterOK.QXJ", 63, 23},      {"CreateCharacterQUICKGAME.QXJ", 134, 23},
                              {"CreateCharacterDELETE.QXJ", 43, 23}};
  for (const Picture& p : pictures)
    if (!fs::exists(folder / p.name)) WriteHostFile((folder / p.name).string(), SolidBmp(p.w, p.h, 40, 20, 60));
}

}  // namespace

void WriteHostFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string ClubInstall() { return privateDir; }
std::string SaveHostPath(int slot) { return privateDir + "/SAVE/Player" + std::to_string(slot) + ".QXP"; }

void SetUpClubTable() {
  static bool ready = false;
  if (!ready) {
    ready = true;
    char folder[] = "/tmp/duskhaven-club-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    privateDir = folder;
    std::atexit(RemovePrivateDir);
    const fs::path install = fs::path(privateDir) / "install";
    Mirror(DUSKHAVEN_CLUB_TEST_DATA, install, "GFX/MENU/UI CHARACTER");
    AddCharacterPictures(install / "GFX/MENU/UI CHARACTER");
    privateDir = install.string();
    platform::SetConfigFolder(std::string(folder) + "/config");
    CreateSettingsKeys();
    RememberLastCharacter = WriteCharacter;

    platform::BackendOptions options;
    options.headless = true;
    std::string error;
    ASSERT_TRUE(platform::StartBackend(options, error)) << error;
    platform::OpenDisplay();
    platform::DetectDevice();
    const platform::DisplayProperties p = platform::GetDisplayProperties();
    platform::SetPixelSteps(p.xPitch, p.yPitch);
    platform::SetScreenSize(240, 320);
    platform::SetInstallDir(privateDir);
    InstallDir = std::wstring(privateDir.begin(), privateDir.end()) + L"\\";
    SoundOff = true;
    SetPixelFormat(Rgb565, 0);
    AllocateBuffers(240, 320);
    ASSERT_TRUE(OpenCardDatabase()) << "no card database in " << privateDir;
    LoadFont(GameFont, InstallDir + L"GFX\\GENERAL\\NEW FONT.QXB", true, true);
    SetCharacterBoxAnswerer(Answer);
  }
  std::error_code ignored;
  fs::remove_all(privateDir + "/SAVE", ignored);
  platform::MakeDirectories("SAVE");
  Boxes.clear();
  Answers.clear();
  platform::ResetMessageQueue();
}
