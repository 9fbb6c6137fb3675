// pending_parts.cpp -- stand-ins for the club, match, card data, roster and sound until they are built.
#include "app/pending_parts.h"

#include "gfx/loading_screen.h"
#include "platform/file_system.h"

namespace {
bool standInClubActive = false;
}

// Stand-in for the card database: the three files must be there.
bool OpenCardData() {
  return platform::FileExists("DATA\\CARDS\\SET 1\\CARDS.IND") && platform::FileExists("DATA\\CARDS\\SET 1\\CARDS.DAT") &&
         platform::FileExists("DATA\\CARDS\\SET 1\\CARDS.INF");
}
void CloseCardData() {}
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

void StartSound(std::uint8_t) {}  // stand-in: silent until sound is built
void StartStartupMusic() {}
void SoundTimerTick() {}
void GameSoundTick() {}

bool CheatAddCredits(int) { return false; }
bool CheatAddVictories() { return false; }
bool CheatAddTourneys() { return false; }
bool CheatAddCollection() { return false; }
void RedrawCreditsCounter() {}
