// headless_game.cpp -- starting the headless game for the screen benchmarks.
#include "bench/support/headless_game.h"

#include "gfx/font.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/backend.h"
#include "platform/file_system.h"
#include "platform/game_state.h"

bool StartHeadlessGame(const std::string& dataDir) {
  platform::BackendOptions options;
  options.headless = true;
  std::string error;
  if (!platform::StartBackend(options, error)) return false;
  platform::SetInstallDir(dataDir);
  SoundOff = true;
  SetPixelFormat(Rgb565, 0);
  AllocateBuffers(240, 320);
  return true;
}

void LoadGameFont() { LoadFont(GameFont, L"GFX\\GENERAL\\NEW FONT.QXB", true, true); }
