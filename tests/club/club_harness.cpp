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

std::string ClubInstallDir() { return platform::InstallDir(); }

void SetUpClub() {
  SetUpRoom();
  static bool ready = false;
  if (!ready) {
    ready = true;
    LoadRoster();
    LoadCorridorPictures();
    LoadClubControls();
  }
  ResetClubState();
  RoomBoxes.clear();
  RoomBoxAnswers.clear();
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
