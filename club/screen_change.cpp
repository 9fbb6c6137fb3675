// screen_change.cpp -- the darkening and brightening between the corridor and a room, and opening the room's screen.
#include "club/club_internal.h"
#include "club/club_tutorial.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "gfx/colour_rects.h"
#include "gfx/screen_buffers.h"
#include "platform/messages.h"

namespace {

// Creates the current room's screen (its constructor draws into buffer 1);
// false for the Quit room, which posts the quit message instead.
bool OpenRoomScreen(Club& c) {
  switch (c.currentRoom) {
    case RoomMultiplayer:
      c.lobbyScreen = MakeLobbyScreen();
      c.nextScreen = ScreenLobby;
      return true;
    case RoomInstantPlay:
      c.instantPlayScreen = MakeInstantPlayScreen();
      c.nextScreen = ScreenInstantPlay;
      return true;
    case RoomHellGate:
      // The gate's checks and its fee ran once already, on the tap or the key.
      c.finalChallengeScreen = MakeFinalChallengeScreen();
      c.nextScreen = ScreenFinalChallenge;
      return true;
    case RoomCardShop:
      c.shopScreen = MakeShopScreen();
      c.returnFromShop = ScreenCorridor;
      c.nextScreen = ScreenShop;
      return true;
    case RoomGuestTournament:
    case RoomMemberTournament:
    case RoomEliteTournament: {
      const int opponentClass = c.currentRoom - RoomGuestTournament;
      c.tournamentScreen = MakeTournamentScreen(opponentClass);
      c.nextScreen = static_cast<ClubScreen>(ScreenGuestTournament + opponentClass);
      return true;
    }
    case RoomOptions:
      c.optionsScreen = MakeOptionsScreen();
      c.nextScreen = ScreenOptions;
      return true;
    case RoomCharacters:
      SaveCharacter();
      c.characterScreen = MakeCharacterScreen();
      c.nextScreen = ScreenCharacter;
      return true;
    default:
      platform::PostQuitMessage(0);
      return false;
  }
}

void EnterScreen(ClubScreen screen) {
  if (ClubScreenBase* s = ScreenFor(screen)) s->Enter();
}

}  // namespace

void BeginEnterRoom(bool enter) {
  Club& c = GameClub;
  c.enterRoom = enter;
  c.ready = false;
  c.entering = true;
  c.fadeCounter = FadePasses;
}

void DarkenStep() {
  Club& c = GameClub;
  --c.fadeCounter;
  if (c.fadeCounter >= 0) {
    DarkenRect(0, 0, 240, 320, 4, 0);
    return;
  }
  c.ready = true;
  c.entering = false;
  if (!c.enterRoom) {
    c.nextScreen = ScreenCorridor;
    ClearBuffer(0);
    DrawCorridor(1);
  } else if (!OpenRoomScreen(c)) {
    return;
  }
  c.ready = false;
  c.fadeCounter = FadePasses;
  c.opening = true;
}

void BrightenStep() {
  Club& c = GameClub;
  --c.fadeCounter;
  if (c.fadeCounter >= 0) {
    StepRectToward(0, 0, 240, 320, 4, 0, 1);
    return;
  }
  c.ready = true;
  c.opening = false;
  c.currentScreen = c.nextScreen;
  switch (c.currentScreen) {
    case ScreenCorridor:
      ShowRoom(0);
      DrawCreditsCounter(0);
      DrawQuickMenuTab(0);
      TutorialAfterFadeIn(ScreenCorridor);
      break;
    case ScreenGuestTournament:
    case ScreenMemberTournament:
    case ScreenEliteTournament:
      if (CurrentPlayer.cardTotal >= DeckSize) {
        EnterScreen(c.currentScreen);
      } else {
        ClubBox(L"I don't have enough cards to play a game, I should buy some more.\nLet's go to the shop.");
        c.tournamentScreen.reset();
        c.currentScreen = ScreenCorridor;
        OpenCardShop(ScreenCorridor);
      }
      break;
    case ScreenFinalChallenge:
      break;  // the final challenge runs from its constructor
    default:
      EnterScreen(c.currentScreen);
      TutorialAfterFadeIn(c.currentScreen);
      break;
  }
}

// The frame a quick save left, drawn again into buffer 0 (and the fade's
// target into buffer 1).
void RestoreClubFrame() {
  Club& c = GameClub;
  if (c.currentScreen != ScreenCorridor) {
    RedrawCurrentScreen(0);
    return;
  }
  const int passes = FadePasses - c.fadeCounter;
  if (c.opening) {
    // Buffer 0 was black when the brightening began: cleared on the way
    // back to the corridor, darkened to nothing on the way into a room.
    if (c.nextScreen == ScreenCorridor) {
      DrawCorridor(1);
      ClearBuffer(0);
    } else {
      if (ClubScreenBase* s = ScreenFor(c.nextScreen)) s->DrawOpeningPicture(1);
      FillRect(0, 0, 240, 320, 0, 0);
    }
    for (int k = 0; k < passes; ++k) StepRectToward(0, 0, 240, 320, 4, 0, 1);
    return;
  }
  RestoreCorridor(0);
  if (c.entering)
    for (int k = 0; k < passes; ++k) DarkenRect(0, 0, 240, 320, 4, 0);
}
