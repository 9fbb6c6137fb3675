// pending_parts.h -- the shell's calls into the club, match, data and sound, in one place.
//
// Parts of the game that are not built yet answer here with stand-ins that do
// the least that keeps start-up honest; each says so in its name. They are
// replaced by the real calls as those parts arrive.
#pragma once

#include <cstdint>
#include <string>

#include "club/club.h"    // ClubFrame, OpenCharacterSelection, RedrawCurrentScreen
#include "match/match.h"  // SetUpMatchScreen, MatchFrame

// The data files.
bool OpenCardData();
// Why the card data could not be used, as one line.
std::string CardDataProblem();
void CloseCardData();
void LoadOpponentRoster();
void SetCurrentPlayerLocal();  // CurrentPlayer kind 2
void SaveCurrentCharacter();
void QuickSaveGame();
bool QuickLoadGame();  // true when a quick save existed (it is deleted after reading)

// The top-level screens.
bool ClubActive();  // InClub
void SetClubActive(bool active);
void LoadBoardGraphics();
void ConstructClub();       // the corridor pictures: advances the loading screen 50 times
void SetUpClubQuickMenu();  // the arrows and the quick menu
// Start-up after the quick menu: resumes from the quick save, or opens the
// character selection with no character current.
void ResumeOrSelectCharacter();
void RedrawClubScreen();                  // RedrawCurrentScreen (buffer 0) of the club
int CurrentClubScreen();                  // the club's ClubScreen; -1 while there is none
void ClubStylus(int kind, int x, int y);  // 0 down, 1 move, 2 up
void MatchStylus(int kind, int x, int y);

// Sound.
void StartSound(std::uint8_t volume);  // library, voices, volume
void StartMusicLoop();
void StartStartupMusic();  // "SOUNDS\Avant une partie.QXX" from the start
void SoundTimerTick();     // what the 100 ms timer runs
void GameSoundTick();
std::uint32_t GameSoundFeedInterval();  // ms between two ticks at most; 0: no limit
void StopSound();

// The cheats' effects on the current character (true when done).
bool CheatAddCredits(int amount);
bool CheatAddVictories();
bool CheatAddTourneys();
bool CheatAddCollection();
void RedrawCreditsCounter();
