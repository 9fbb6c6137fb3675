// startup.cpp -- the start-up sequence: settings, data files, display checks, logo, loading screen, sound.
#include "app/key_sequences.h"
#include "app/pending_parts.h"
#include "app/shell.h"
#include "core/image.h"
#include "core/random.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/loading_screen.h"
#include "gfx/picture_load.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "platform/settings_store.h"
#include "platform/waits.h"
#include "settings/settings.h"

namespace {

void ShowMakerLogo() {
  Image logo;
  LoadImageFile(L"GFX\\GENERAL\\VANTORTEAM.QXG", logo, true);
  DrawImage(0, 0, logo, 0);
  PresentScreen();
  WaitOrTap(2000);
  ClearAllBuffers();
  PresentScreen();
}

std::string InstallHint() {
  return "duskhaven: install the game's data with: duskhaven-forge --install DIR\n"
         "duskhaven: (it records DIR as Install_Dir in " +
         platform::ConfigFolder() + "/settings.reg)";
}

void Steps(int count) {
  for (int i = 0; i < count; ++i) LoadingStep();
}

}  // namespace

void RunStartup() {
  // 1. The generator is seeded from the clock (a scripted run's seed is its script's, so it replays).
  SeedRandom(platform::StartSeed());
  // 2. Settings.
  CreateSettingsKeys();
  SettingGamma = ReadGamma();
  OptionsGamma = SettingGamma;
  SettingVolume = ReadVolume();
  SettingEffects = ReadEffects();
  // 3. The install directory. Mended: one that names no existing folder is
  // refused too (a typo used to create it, with an empty SAVE inside), and
  // the terminal says how the data set gets installed.
  if (!ReadInstallDir() || !platform::DirectoryExists(""))
    FatalExit(L"Can't find Duskhaven Directory", true, InstallHint().c_str());
  // 4. The save folder (an existing one is fine).
  platform::MakeDirectories("SAVE");
  // 5.
  SoundOff = SettingVolume == 0;
  // 6. The card data.
  // Mended: a damaged card file is refused here too (it used to start duels with empty hands); the
  // terminal also gets which file and why.
  if (!OpenCardData()) {
    const std::string why = "duskhaven: " + CardDataProblem();
    FatalExit(L" Error :\n Data files are missing !", false, why.c_str());
  }
  // 7.
  BuildKeySequences();
  // 8. The device and its pixel format.
  platform::DetectDevice();
  const platform::DisplayProperties props = platform::GetDisplayProperties();
  std::uint16_t mode = 0;
  if (!platform::ChoosePixelMode(props.formatFlags, mode))
    FatalExit(L" Error :\nScreen format is not supported\nDuskhaven requires at least a 4096 colors screen.", false);
  // 9. Frame copy, buffers, key colour.
  platform::SetPixelSteps(props.xPitch, props.yPitch);
  platform::SetScreenSize(static_cast<std::uint16_t>(props.width), static_cast<std::uint16_t>(props.height));
  SetPixelFormat(mode, SettingGamma);
  AllocateBuffers(static_cast<std::uint16_t>(props.width), static_cast<std::uint16_t>(props.height));
  // 10.
  ClearAllBuffers();
  PresentScreen();
  // 11.
  ShowMakerLogo();
  // 12. - 14.
  OpenLoadingScreen(64);
  LoadFont(GameFont, L"GFX\\GENERAL\\NEW FONT.QXB", true, true);
  Steps(2);
  Steps(4);
  LoadBoardGraphics();
  Steps(1);
  ConstructClub();
  SetClubActive(true);
  Steps(1);
  // 15. Sound, and its 100 ms timer through the message loop.
  StartSound(SettingVolume);
  Steps(1);
  StartMusicLoop();
  platform::StartTimer(100, SoundTimerTick);
  // 16.
  if (!SoundOff) StartStartupMusic();
  // 17. The last of these steps finishes the loading screen (pan, then a tap).
  Steps(5);
  CloseLoadingScreen();
  // 18. Closing darkening.
  for (int i = 0; i < 8; ++i) {
    DarkenRect(0, 0, 240, 320, 4, 0);
    PresentScreen();
  }
  // 19.
  LoadOpponentRoster();
  SetCurrentPlayerLocal();
  for (bool& flag : KeyFlags) flag = false;
  SetUpMatchScreen();
}
