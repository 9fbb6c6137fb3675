// club.cpp -- the club's rooms and pictures, and the routing of frames and stylus to the active screen.
#include "club/club.h"

#include <utility>
#include <vector>

#include "club/club_internal.h"
#include "club/screen_focus.h"
#include "core/image.h"
#include "data/game_state.h"
#include "gfx/picture_load.h"
#include "platform/game_state.h"

const RoomStop ClubRooms[RoomCount] = {
    {1, L"GFX\\MENU\\TITLES\\MultiplayerTitle.QXG", L"I might found another challenger in this crowd to play with."},
    {7, L"GFX\\MENU\\TITLES\\InstantPlayTitle.QXG",
     L"Too bad it's a quick play. I would love to spend more time with this beauty. In another hand, if I'm really "
     L"on a rush. Still, I can train myself here, or just have fun."},
    {10, L"GFX\\MENU\\TITLES\\HellGateTitle.QXG",
     L"Wow, the Ultimate card player's lair. I've never been able to meet him, as I need all the cards to enter this "
     L"competition."},
    {14, L"GFX\\MENU\\TITLES\\CardShopTitle.QXG",
     L"A little rest place where I can organize my cards. I can even buy some but it's quite expensive."},
    {23, L"GFX\\MENU\\TITLES\\GuestTournament.QXG",
     L"Well these two girls are too young and friendly to be really experienced. It must be the guest table. I need "
     L"300 credits to enter this tournament."},
    {27, L"GFX\\MENU\\TITLES\\MemberTournament.QXG",
     L"I've seen them many times in this clubs, they're not as harmless as they look. It'll be tricky, but I think "
     L"with some effort I can earn a reputation here. I need 1000 credits to enter the Member tournament."},
    {31, L"GFX\\MENU\\TITLES\\EliteTournament.QXG",
     L"These people handle the cards like no one. They're pros, isolating from the other players and looking at me "
     L"as the weakest man of the place. I'd like to show them what I'm made of, but I need 2500 credits to enter the "
     L"Elite tournament."},
    {38, L"GFX\\MENU\\TITLES\\OptionsTitle.QXG",
     L"The music is too loud? The spotlights blind me? I can always come here and take some time to tweak it all."},
    {44, L"GFX\\MENU\\TITLES\\CharacterCreationTitle.QXG",
     L"In the rude business of card collecting, you need to register in order to join games. The good thing is that "
     L"you can assume several identities."},
    {47, L"GFX\\MENU\\TITLES\\Quit.QXG", L"I have enough, I realy need to leave now..."},
};

namespace {
// Screens left from inside one of their own calls are freed on the next pass.
// Defined before the club, so that it still exists when the club is destroyed
// at exit with a screen left there.
std::vector<std::unique_ptr<ClubScreenBase>> RetiredScreens;
}  // namespace

Club GameClub;
std::function<void()> ClubQuitGame;

namespace {

void FreePictures(Club& club) {
  for (Image& picture : club.corridorPictures) picture = Image();
  club.title = Image();
  club.bottomPanel = Image();
  FreeButton(club.leftArrow);
  FreeButton(club.rightArrow);
  club.quickMenuLit = Image();
  club.quickMenuPanel = Image();
}

void LoadPicture(const wchar_t* path, Image& image) {
  image = Image();
  LoadImageFile(path, image, true);
}

}  // namespace

Club::~Club() {
  RetiredScreens.clear();
  FreePictures(*this);
}

void RetireScreen(std::unique_ptr<ClubScreenBase>& screen) {
  if (screen) RetiredScreens.push_back(std::move(screen));
}

void FreeRetiredScreens() { RetiredScreens.clear(); }

std::unique_ptr<ClubScreenBase>* ScreenSlot(ClubScreen screen) {
  Club& c = GameClub;
  switch (screen) {
    case ScreenLobby:
      return &c.lobbyScreen;
    case ScreenInstantPlay:
      return &c.instantPlayScreen;
    case ScreenFinalChallenge:
      return &c.finalChallengeScreen;
    case ScreenShop:
      return &c.shopScreen;
    case ScreenGuestTournament:
    case ScreenMemberTournament:
    case ScreenEliteTournament:
      return &c.tournamentScreen;
    case ScreenOptions:
      return &c.optionsScreen;
    case ScreenCharacter:
      return &c.characterScreen;
    case ScreenChallenge:
      return &c.challengeScreen;
    case ScreenCardManager:
      return &c.cardManagerScreen;
    case ScreenTrade:
      return &c.tradeScreen;
    default:
      return nullptr;
  }
}

ClubScreenBase* ScreenFor(ClubScreen screen) {
  std::unique_ptr<ClubScreenBase>* slot = ScreenSlot(screen);
  return slot ? slot->get() : nullptr;
}

void LoadCorridorPictures(void (*step)()) {
  Club& c = GameClub;
  for (int n = 1; n <= CorridorLength; ++n) {
    std::wstring path = L"GFX\\MENU\\MENU\\MENU00";
    path += static_cast<wchar_t>(L'0' + n / 10);
    path += static_cast<wchar_t>(L'0' + n % 10);
    path += L".QXG";
    LoadPicture(path.c_str(), c.corridorPictures[n - 1]);
    if (step) step();
  }
  LoadPicture(L"GFX\\GENERAL\\BackgroundMenu.QXJ", c.bottomPanel);
}

void LoadClubControls() {
  Club& c = GameClub;
  FreeButton(c.leftArrow);
  FreeButton(c.rightArrow);
  Image leftUp, leftDown, rightUp, rightDown;
  LoadImageFile(L"GFX\\MENU\\MENU\\LEFTON.QXG", leftUp, true);
  LoadImageFile(L"GFX\\MENU\\MENU\\LEFTOFF.QXG", leftDown, true);
  LoadImageFile(L"GFX\\MENU\\MENU\\RIGHTON.QXG", rightUp, true);
  LoadImageFile(L"GFX\\MENU\\MENU\\RIGHTOFF.QXG", rightDown, true);
  InitButton(c.leftArrow, 0, 129, std::move(leftDown), std::move(leftUp), true);
  InitButton(c.rightArrow, 217, 129, std::move(rightDown), std::move(rightUp), true);
  LoadPicture(L"GFX\\MENU\\QuickMenuON.QXG", c.quickMenuLit);
  LoadPicture(L"GFX\\MENU\\QuickMenu.QXG", c.quickMenuPanel);
}

void FreeClub() {
  ResetClubState();
  FreePictures(GameClub);
}

void CloseAllScreens() {
  Club& c = GameClub;
  RetiredScreens.clear();
  for (ClubScreen s : OpenScreenOrder) {
    std::unique_ptr<ClubScreenBase>* slot = ScreenSlot(s);
    if (slot) slot->reset();
  }
  (void)c;
}

void ResetClubState() {
  CloseAllScreens();
  Club& c = GameClub;
  ClubRecord fresh;
  ApplyRecord(fresh, c);
  c.title = Image();
  c.leftArrow.pressed = 0;
  c.rightArrow.pressed = 0;
  c.savedSoundOff = false;
}

bool ClubInCorridor() { return GameClub.currentScreen == ScreenCorridor; }

// -- the main loop's calls ---------------------------------------------------

namespace {

void CorridorKeys() {
  Club& c = GameClub;
  if (KeyFlags[KeyRight]) {
    KeyFlags[KeyRight] = false;
    StartWalk(+1);
  } else if (KeyFlags[KeyLeft]) {
    KeyFlags[KeyLeft] = false;
    StartWalk(-1);
  } else if (KeyFlags[KeyA]) {
    KeyFlags[KeyA] = false;
    if (c.currentRoom != RoomHellGate || CanEnterFinalChallenge()) BeginEnterRoom(true);
  }
}

// A screen id without its screen (a screen that left while a duel ran) goes
// back where it belongs instead of leaving the club without a screen.
void ReopenMissingScreen() {
  Club& c = GameClub;
  if (c.currentScreen == ScreenCharacter) {
    OpenCharacterSelection();
  } else {
    c.currentScreen = ScreenCorridor;
    BeginEnterRoom(false);
  }
}

}  // namespace

void CorridorAnimationStep() {
  Club& c = GameClub;
  if (c.walkDirection != 0)
    WalkStep();
  else if (c.entering)
    DarkenStep();
  else if (c.opening)
    BrightenStep();
  else if (c.typing)
    TypeDescription();
}

void ClubFrame() {
  FreeRetiredScreens();
  Club& c = GameClub;
  if (c.tutorialActive) {
    TutorialFrame();
    return;
  }
  switch (c.currentScreen) {
    case ScreenCorridor:
      ForgetFocus();
      CorridorAnimationStep();
      // A fade that has just ended in a room leaves the keys to that room.
      if (c.ready && c.currentScreen == ScreenCorridor) CorridorKeys();
      break;
    case ScreenGuestTournament:
    case ScreenMemberTournament:
    case ScreenEliteTournament:
      if (c.tournamentScreen) {
        if (c.ready && ScreenFocusKeys(*c.tournamentScreen)) break;
        c.tournamentScreen->Frame();
        RefreshFocusFrame();
      } else if (c.ready)
        ReopenMissingScreen();
      break;
    default:
      if (!c.ready) break;
      if (ClubScreenBase* screen = ScreenFor(c.currentScreen)) {
        if (ScreenFocusKeys(*screen)) break;
        screen->Frame();
        RefreshFocusFrame();
      } else
        ReopenMissingScreen();
      break;
  }
}

void ClubStylusDown(int x, int y) {
  FreeRetiredScreens();
  Club& c = GameClub;
  if (!c.ready) return;
  HideFocusFrame();
  if (c.tutorialActive) {
    TutorialStylusDown(x, y);
    return;
  }
  if (c.currentScreen != ScreenCorridor) {
    if (ClubScreenBase* screen = ScreenFor(c.currentScreen)) screen->StylusDown(x, y);
    return;
  }
  if (c.typing) FinishDescription(0);
  const int w = c.quickMenuPanel.Width();
  if (y <= 20 && x > 240 - w) {
    RunQuickMenu();
  } else if (PressButton(c.leftArrow, x, y) || PressButton(c.rightArrow, x, y)) {
  } else if (y >= 30 && y < 30 + c.corridorPictures[0].Height()) {
    if (c.currentRoom != RoomHellGate || CanEnterFinalChallenge()) BeginEnterRoom(true);
  }
}

void ClubMenuKey() {
  FreeRetiredScreens();
  Club& c = GameClub;
  if (!c.ready) return;
  if (c.tutorialActive) {
    TutorialMenuKey();
    return;
  }
  if (c.currentScreen != ScreenCorridor) return;
  if (c.typing) FinishDescription(0);
  RunQuickMenu(true);
}

void ClubStylusMove(int x, int y) {
  Club& c = GameClub;
  if (c.ready && c.currentScreen == ScreenCardManager && c.cardManagerScreen) c.cardManagerScreen->StylusMove(x, y);
}

void ClubStylusUp(int x, int y) {
  FreeRetiredScreens();
  Club& c = GameClub;
  if (!c.ready) return;
  if (c.tutorialActive) {
    TutorialStylusUp(x, y);
    return;
  }
  if (c.currentScreen == ScreenCorridor) {
    if (ReleaseButton(c.leftArrow, x, y))
      StartWalk(-1);
    else if (ReleaseButton(c.rightArrow, x, y))
      StartWalk(+1);
    return;
  }
  const ClubScreen finished = c.currentScreen;
  std::unique_ptr<ClubScreenBase>* slot = ScreenSlot(finished);
  if (!slot || !*slot) return;
  ClubScreenBase* screen = slot->get();
  if (!screen->StylusUp(x, y)) return;
  // The screen may have replaced itself during the call; only the one asked is closed.
  if (slot->get() == screen) slot->reset();
  switch (finished) {
    case ScreenCharacter:
      if (InClub == 0) {
        // A quick game has begun: when it ends the player is back at the
        // characters, never in a corridor with an unsaved player.
        c.currentScreen = ScreenCharacter;
        break;
      }
      [[fallthrough]];
    case ScreenLobby:
      c.currentScreen = ScreenCorridor;
      PlayClubMusic();
      BeginEnterRoom(false);
      break;
    case ScreenShop:
      ReturnToScreen(c.returnFromShop);
      break;
    case ScreenChallenge:
      ReturnToScreen(c.returnFromChallenge);
      break;
    case ScreenCardManager:
      ReturnToScreen(c.returnFromCardManager);
      break;
    case ScreenTrade:
      ReturnToScreen(c.returnFromTrade);
      break;
    default:  // instant play, the tournaments, options (the final challenge never finishes here)
      c.currentScreen = ScreenCorridor;
      BeginEnterRoom(false);
      break;
  }
}

void RedrawCurrentScreen(int buffer) {
  Club& c = GameClub;
  if (c.currentScreen == ScreenCorridor) {
    DrawCorridor(buffer);
    return;
  }
  if (ClubScreenBase* screen = ScreenFor(c.currentScreen)) {
    screen->Redraw(buffer);
  } else if (c.currentScreen == ScreenCharacter) {
    // Back from a quick game: the characters open again.
    c.characterScreen = MakeCharacterScreen();
    c.ready = true;
    c.characterScreen->Enter();
    c.characterScreen->Redraw(buffer);
  } else {
    c.currentScreen = ScreenCorridor;
    DrawCorridor(buffer);
  }
}

std::string OpenClubScreens() {
  static const char* const names[] = {"character", "lobby",      "shop",    "cardManager", "instantPlay",
                                      "challenge", "tournament", "options", "trade",       "finalChallenge"};
  std::string out;
  int k = 0;
  for (ClubScreen s : OpenScreenOrder) {
    if (ScreenFor(s)) {
      if (!out.empty()) out += ' ';
      out += names[k];
    }
    ++k;
  }
  return out.empty() ? "none" : out;
}
