// pending_parts.cpp -- stand-ins for the club, match, card data, roster and sound until they are built.
#include "app/pending_parts.h"

#include "data/card_database.h"
#include "gfx/loading_screen.h"
#include "platform/backend.h"
#include "platform/system_box.h"
#include "sound/sound.h"

namespace {
bool standInClubActive = false;
}

bool OpenCardData() { return OpenCardDatabase(); }
void CloseCardData() { CloseCardDatabase(); }
void LoadOpponentRoster() {}        // stand-in: no roster yet
void SetCurrentPlayerLocal() {}     // stand-in: no player record yet
void SaveCurrentCharacter() {}      // stand-in: no character to save yet
void QuickSaveGame() {}             // stand-in: nothing to resume yet
bool QuickLoadGame() { return false; }

bool ClubActive() { return standInClubActive; }
void SetClubActive(bool active) { standInClubActive = active; }
void LoadBoardGraphics() {}  // stand-in: the match screen is not built yet
// Stand-in club: no pictures yet, but its construction's 50 loading steps.
void ConstructClub() {
  for (int i = 0; i < 50; ++i) LoadingStep();
}
void SetUpClubQuickMenu() {}
void SetUpMatchScreen() {}
void OpenCharacterSelection() {}  // stand-in: the screen stays as start-up left it
void RedrawClubScreen() {}
int CurrentClubScreen() { return -1; }
void ClubFrame() {}
void MatchFrame() {}
void ClubStylus(int, int, int) {}
void MatchStylus(int, int, int) {}

void StartSound(std::uint8_t volume) {
  SetSoundErrorHook(platform::SystemMessageBox);
  SoundOptions options;
  // A run without a screen has no one to listen: the no-sound driver keeps the music's timing.
  if (platform::BackendIsHeadless()) options.output = SoundOutput::Silent;
  InitSound(options);
  SetVolume(volume);
}
void StartMusicLoop() { SetMusicLoop(true); }
void StartStartupMusic() {
  if (LoadMusic(L"SOUNDS\\Avant une partie.QXX")) PlayMusic(0);
}
void SoundTimerTick() { MusicTimerTick(); }
void GameSoundTick() { SoundTick(); }
void StopSound() { ShutdownSound(); }

bool CheatAddCredits(int) { return false; }
bool CheatAddVictories() { return false; }
bool CheatAddTourneys() { return false; }
bool CheatAddCollection() { return false; }
void RedrawCreditsCounter() {}
