// club_operations.cpp -- what the club's screens call: opening the shop, manager, trade and challenge, going back,
// music, the Hell gate.
#include <string>

#include "club/club_internal.h"
#include "club/room_boxes.h"
#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "gfx/message_box.h"
#include "platform/game_state.h"
#include "sound/sound.h"

namespace {

bool Ask(const std::wstring& text, const wchar_t* left, const wchar_t* right, bool wide) {
  MessageBoxLayout layout;  // the standard one
  if (wide) {
    layout.x = 30;
    layout.y = 95;
    layout.w = 180;
    layout.h = 100;
  }
  return RoomBox(text, left, right, layout);
}

}  // namespace

void ClubBox(const wchar_t* text) { Ask(text, L"", L"Ok", false); }

void ClubWideBox(const std::wstring& text) { Ask(text, L"", L"Ok", true); }

void OpenCharacterSelection() {
  Club& c = GameClub;
  c.characterScreen = MakeCharacterScreen();
  c.currentScreen = ScreenCorridor;
  c.nextScreen = ScreenCharacter;
  c.entering = false;
  c.fadeCounter = FadePasses;
  c.ready = false;
  c.opening = true;
}

void OpenCardShop(ClubScreen returnScreen) {
  Club& c = GameClub;
  c.shopScreen = MakeShopScreen();
  c.returnFromShop = returnScreen;
  c.nextScreen = ScreenShop;
  c.fadeCounter = FadePasses;
  c.ready = false;
  c.opening = true;
  // The corridor's frame runs the fade; the shop becomes current when it ends.
  c.currentScreen = ScreenCorridor;
}

void OpenCardManager(ClubScreen returnScreen, bool highlightNew, bool tradeMode) {
  Club& c = GameClub;
  c.cardManagerScreen = MakeCardManagerScreen(returnScreen, highlightNew, tradeMode);
  c.cardManagerScreen->Enter();
  c.cardManagerScreen->Redraw(0);
  c.currentScreen = ScreenCardManager;
  c.returnFromCardManager = returnScreen;
}

void OpenTradeScreen(ClubScreen returnScreen) {
  Club& c = GameClub;
  c.tradeScreen = MakeTradeScreen(true);
  c.tradeScreen->Enter();
  c.tradeScreen->Redraw(0);
  c.currentScreen = ScreenTrade;
  c.returnFromTrade = returnScreen;
}

void OpenChallenge(ClubScreen returnScreen, int opponent) {
  Club& c = GameClub;
  c.challengeScreen = MakeChallengeScreen(opponent);
  if (c.tutorialActive) c.challengeScreen->SetTutorial(true);
  c.challengeScreen->Redraw(0);
  c.currentScreen = ScreenChallenge;
  c.returnFromChallenge = returnScreen;
}

void CloseTradeScreen() {
  Club& c = GameClub;
  // Called from the trade screen itself: both are freed at the next pass.
  RetireScreen(c.cardManagerScreen);
  RetireScreen(c.tradeScreen);
  ReturnToScreen(c.returnFromTrade);
}

void LeaveFinalChallenge(bool toCharacters) {
  Club& c = GameClub;
  // Called from the final challenge's own frame: it is freed at the next pass.
  RetireScreen(c.finalChallengeScreen);
  c.currentScreen = ScreenCorridor;
  if (toCharacters) {
    c.currentRoom = RoomCharacters;
    c.position = ClubRooms[RoomCharacters].position;
    OpenCharacterSelection();
  } else {
    PlayClubMusic();
    DrawCorridor(0);
  }
}

void ReturnToScreen(ClubScreen screen) {
  Club& c = GameClub;
  c.currentScreen = screen;
  if (screen == ScreenCorridor) {
    BeginEnterRoom(false);
    return;
  }
  ClubScreenBase* target = ScreenFor(screen);
  const bool known = screen == ScreenLobby || screen == ScreenShop ||
                     (screen >= ScreenGuestTournament && screen <= ScreenEliteTournament) ||
                     screen == ScreenChallenge || screen == ScreenInstantPlay || screen == ScreenTrade;
  if (!known) return;
  if (!target) {
    // The screen to go back to is not open (a record resumed without it):
    // back to the corridor rather than to nothing.
    c.currentScreen = ScreenCorridor;
    BeginEnterRoom(false);
    return;
  }
  // A duel just started from the challenge leaves instant play undrawn.
  if (screen == ScreenInstantPlay && InClub == 0) return;
  target->Enter();
  target->Redraw(0);
}

void PlayClubMusic() {
  if (SoundOff) return;
  FreeMusic();
  if (LoadMusic(L"SOUNDS\\menu.QXX")) PlayMusic(0);
}

bool CanEnterFinalChallenge() {
  if (DistinctCards(CurrentPlayer) != CardCount()) {
    ClubWideBox(
        L"You don't have enough card to pretend to play against Dazorar, He's only accepting to play against "
        L"people who own the whole collection...\nHahaha come back later kid...");
    return false;
  }
  if (CurrentPlayer.deck.count < DeckSize) {
    ClubBox(L"I don't have enough cards in my deck to join this game.");
    return false;
  }
  for (const auto& opponents : DuelStats.opponents)
    for (const OpponentResults& r : opponents)
      if (r.victories < 1) {
        ClubBox(L"You need to beat all the opponents before hoping to enter here !");
        return false;
      }
  for (int k = 0; k < OpponentClasses; ++k)
    if (DuelStats.tourneysWon[k] == 0) {
      ClubBox(L"You need to have won all the tournaments to enter here ! \nCome back later ...");
      return false;
    }
  if (CurrentPlayer.credits < FinalChallengeFee) {
    ClubWideBox(L"You don't have enough money to enter here, you need 50000 Credits!");
    return false;
  }
  if (Ask(L"You will spend 50000 Credits! to enter here.", L"Cancel", L"Ok", false)) return false;
  SubCredits(CurrentPlayer, FinalChallengeFee);
  // The fee is kept at once: leaving before the challenge does not bring it back.
  SaveCharacter();
  return true;
}
