// pending_parts.cpp -- the shell's calls into data, match and sound, and stand-ins for the club until it is built.
#include "app/pending_parts.h"
#include "match/match_link.h"

#include "app/shell.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/quick_save.h"
#include "data/roster.h"
#include "data/save_file.h"
#include "gfx/loading_screen.h"
#include "match/card_pictures.h"
#include "match/match.h"
#include "platform/backend.h"
#include "platform/system_box.h"
#include "sound/sound.h"

bool OpenCardData() { return OpenCardDatabase() && CheckCardDatabase(); }
std::string CardDataProblem() { return CardDatabaseProblem(); }
void CloseCardData() { CloseCardDatabase(); }
void LoadOpponentRoster() { LoadRoster(); }
void SetCurrentPlayerLocal() { CurrentPlayer.kind = KindLocal; }
void SaveCurrentCharacter() { SaveCharacter(); }
void QuickSaveGame() {
  // A duel against the other device cannot go on without it: the quick save
  // brings the player back to the club instead of into a duel with nobody
  // (or with a roster opponent who happens to have the partner's name).
  if (!ClubActive() && OtherSideRemote(LocalSide())) {
    InClub = 1;
    QuickSave();
    InClub = 0;
    return;
  }
  QuickSave();
}
bool QuickLoadGame() { return QuickLoad(); }

bool ClubActive() { return InClub != 0; }
void SetClubActive(bool active) { InClub = active ? 1 : 0; }
void LoadBoardGraphics() { LoadCardArt(); }
void ConstructClub() {
  LoadCorridorPictures(LoadingStep);
  RegisterClubStateBlock();
}
void SetUpClubQuickMenu() {
  LoadClubControls();
  ClubQuitGame = [] {
    QuickSave();
    LaunchAndExit(2);
  };
}
void ResumeOrSelectCharacter() {
  if (QuickLoad()) {
    CommitClubState();
    // A tournament picks up its round once everything, the duel included, is
    // back; a save taken during a duel leaves the booking to the duel's end.
    Club& club = GameClub;
    if (InClub != 0 && club.tournamentScreen) club.tournamentScreen->ResumeFrame();
    if (InClub != 0) RestoreClubFrame();
    return;
  }
  DropClubState();
  // No character is current until one is chosen: the character screen's save
  // of the character being left writes nothing.
  CurrentPlayer.slot = 255;
  OpenCharacterSelection();
}
void RedrawClubScreen() { RedrawCurrentScreen(0); }
int CurrentClubScreen() { return GameClub.currentScreen; }
void ClubStylus(int kind, int x, int y) {
  if (kind == 0)
    ClubStylusDown(x, y);
  else if (kind == 1)
    ClubStylusMove(x, y);
  else
    ClubStylusUp(x, y);
}
void MatchStylus(int kind, int x, int y) {
  if (kind == 0)
    MatchStylusDown(x, y);
  else if (kind == 1)
    MatchStylusMove(x, y);
  else
    MatchStylusUp(x, y);
}

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
std::uint32_t GameSoundFeedInterval() { return SoundFeedIntervalMs(); }
void StopSound() { ShutdownSound(); }

bool CheatAddCredits(int amount) {
  // Kept below the field's limit rather than wrapping to a debt.
  const std::int64_t sum = static_cast<std::int64_t>(CurrentPlayer.credits) + amount;
  CurrentPlayer.credits =
      static_cast<std::int32_t>(std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
  return true;
}
bool CheatAddVictories() {
  for (auto& opponents : DuelStats.opponents)
    for (OpponentResults& r : opponents)
      if (r.victories < std::numeric_limits<std::int16_t>::max()) ++r.victories;
  return true;
}
bool CheatAddTourneys() {
  for (int c = 0; c < OpponentClasses; ++c) {
    if (DuelStats.tourneysWon[c] < std::numeric_limits<std::int16_t>::max()) ++DuelStats.tourneysWon[c];
    if (DuelStats.tourneysPlayed[c] < std::numeric_limits<std::int16_t>::max()) ++DuelStats.tourneysPlayed[c];
  }
  return true;
}
bool CheatAddCollection() {
  for (int id = 1; id <= CollectionSize; ++id) AddCopy(CurrentPlayer, id);
  return true;
}
void RedrawCreditsCounter() { DrawCreditsCounter(0); }
