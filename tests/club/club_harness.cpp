// club_harness.cpp -- the headless club the club tests walk through.
#include "tests/club/club_harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "club/club.h"
#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/roster.h"
#include "data/save_bytes.h"
#include "gfx/font.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/backend.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/messages.h"

std::vector<ShownBox> ClubBoxes;
std::vector<bool> ClubAnswers;

namespace {

std::string privateDir;

void RemovePrivateDir() {
  std::error_code ignored;
  if (!privateDir.empty()) std::filesystem::remove_all(privateDir, ignored);
}

// The forged data set through links, with a SAVE folder of this program's own.
std::string PrivateInstallDir() {
  namespace fs = std::filesystem;
  char folder[] = "/tmp/duskhaven-club-XXXXXX";
  if (!mkdtemp(folder)) return DUSKHAVEN_CLUB_TEST_DATA;
  privateDir = folder;
  std::atexit(RemovePrivateDir);
  std::error_code error;
  for (const fs::directory_entry& e : fs::directory_iterator(DUSKHAVEN_CLUB_TEST_DATA, error))
    if (e.path().filename() != "SAVE") fs::create_symlink(e.path(), fs::path(privateDir) / e.path().filename(), error);
  return privateDir;
}

bool Answer(const std::wstring& text, const std::wstring& left, const std::wstring& right) {
  ClubBoxes.push_back({text, left, right});
  if (!ClubAnswers.empty()) {
    const bool a = ClubAnswers.front();
    ClubAnswers.erase(ClubAnswers.begin());
    return a;
  }
  return false;
}

}  // namespace

const std::string& ClubInstallDir() { return privateDir; }

void SetUpClub() {
  static bool ready = false;
  if (!ready) {
    ready = true;
    platform::BackendOptions options;
    options.headless = true;
    std::string error;
    ASSERT_TRUE(platform::StartBackend(options, error)) << error;
    const std::string dir = PrivateInstallDir();
    platform::SetInstallDir(dir);
    InstallDir = std::wstring(dir.begin(), dir.end()) + L"\\";
    SoundOff = true;
    SetPixelFormat(Rgb565, 0);
    AllocateBuffers(240, 320);
    ASSERT_TRUE(OpenCardDatabase()) << "no card database in " << dir;
    platform::MakeDirectories("SAVE");
    LoadRoster();
    LoadFont(GameFont, InstallDir + L"GFX\\GENERAL\\NEW FONT.QXB", true, true);
    LoadCorridorPictures();
    LoadClubControls();
    ClubBoxAnswerer = Answer;
  }
  ResetClubState();
  ClubBoxes.clear();
  ClubAnswers.clear();
  platform::ResetMessageQueue();
  for (bool& f : KeyFlags) f = false;
  InClub = 1;
  ResetPlayer(CurrentPlayer);
  CurrentPlayer.name = L"Tess";
  CurrentPlayer.slot = 255;
  CurrentPlayer.credits = NewCharacterCredits;
  DuelStats = DuelStatistics{};
  ClearAllBuffers();
  DrawCorridor(0);
}

void ClubFrameOnce() {
  ClubFrame();
  PresentScreen();
}

void RunClubFrames(int count) {
  for (int i = 0; i < count; ++i) ClubFrameOnce();
}

void QueueGesture(int downX, int downY, int upX, int upY) {
  platform::Message down;
  down.kind = platform::MessageKind::StylusDown;
  down.x = static_cast<std::int16_t>(downX);
  down.y = static_cast<std::int16_t>(downY);
  platform::PostMessage(down);
  platform::Message up = down;
  up.kind = platform::MessageKind::StylusUp;
  up.x = static_cast<std::int16_t>(upX);
  up.y = static_cast<std::int16_t>(upY);
  platform::PostMessage(up);
}

void QueueTap(int x, int y) { QueueGesture(x, y, x, y); }

std::vector<std::uint16_t> ScreenPixels(int buffer) {
  const std::uint16_t* p = ScreenBuffer(buffer);
  return std::vector<std::uint16_t>(p, p + ScreenPixelCount());
}

std::vector<std::uint8_t> ClubStateBytes() {
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  WriteClubState(out);
  return bytes;
}
