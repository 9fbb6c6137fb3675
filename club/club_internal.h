// club_internal.h -- what the club's own files share: the screen slots, retiring screens, the tutorial's handlers.
#pragma once

#include <memory>

#include "club/club.h"
#include "club/club_state.h"
#include "club/room_screens.h"

// The screens in the order of the quick-save record.
constexpr ClubScreen OpenScreenOrder[RoomCount] = {
    ScreenCharacter, ScreenLobby,           ScreenShop,    ScreenCardManager, ScreenInstantPlay,
    ScreenChallenge, ScreenGuestTournament, ScreenOptions, ScreenTrade,       ScreenFinalChallenge};

// The club's owner of a screen id's screen (one for the three tournaments); null for the corridor.
std::unique_ptr<ClubScreenBase>* ScreenSlot(ClubScreen screen);
ClubScreenBase* ScreenFor(ClubScreen screen);
// Closes a screen that may be running one of its own calls: it is freed at the next pass.
void RetireScreen(std::unique_ptr<ClubScreenBase>& screen);
void FreeRetiredScreens();
void CloseAllScreens();

// The room at a corridor position, -1 between rooms.
int RoomAt(int position);
// The single-button box of the club (standard layout unless given).
void ClubBox(const wchar_t* text);
void ClubWideBox(const std::wstring& text);  // (30, 95), 180 x 100

// One step of the corridor's animation: walking, a fade, or the room's title and description.
void CorridorAnimationStep();

// The first-play tutorial's handlers while it runs.
void TutorialFrame();
void TutorialStylusDown(int x, int y);
void TutorialMenuKey();
void TutorialStylusUp(int x, int y);

// The corridor exactly as the record left it (a resumed quick save).
void RestoreCorridor(int buffer);
