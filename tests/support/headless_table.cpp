// headless_table.cpp -- the game in process on the headless backend, as the club and duel tests play it.
#include "tests/support/headless_table.h"

#include <gtest/gtest.h>

#include "data/card_database.h"
#include "gfx/font.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "match/card_pictures.h"
#include "platform/backend.h"
#include "platform/file_system.h"
#include "platform/game_state.h"

namespace test_support {

void StartHeadlessTable(const std::string& installDir) {
  platform::BackendOptions options;
  options.headless = true;
  std::string error;
  ASSERT_TRUE(platform::StartBackend(options, error)) << error;
  platform::SetInstallDir(installDir);
  SoundOff = true;
  SetPixelFormat(Rgb565, 0);
  AllocateBuffers(240, 320);
  ASSERT_TRUE(OpenCardDatabase()) << "no card database in " << installDir;
  platform::MakeDirectories("SAVE");
  LoadFont(GameFont, L"GFX\\GENERAL\\NEW FONT.QXB", true, true);
  LoadCardArt();
}

}  // namespace test_support
