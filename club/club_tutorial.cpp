// club_tutorial.cpp -- the club's first-play tutorial: one allowed action per step, from the corridor to the card
// shop, the card manager, instant play and the opponent's challenge, then the duel's own tutorial.
#include "club/club_tutorial.h"

#include "club/club_internal.h"
#include "club/room_boxes.h"
#include "club/screen_focus.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "match/match_tutorial.h"
#include "platform/game_state.h"
#include "sound/sound.h"

namespace {

constexpr const wchar_t* CorridorStartText =
    L"To start with, you'll need a brand new deck of cards. They can be bought and managed in the "
    L"Cardshop. Use the left and right keys (or On-screen arrows) to move yourself in the "
    L"nightclub.\n\nHINT: You can move faster in the club using the Quick Menu.";
constexpr const wchar_t* NotTheShopText =
    L"You can't enter here, stop by to the Cardshop to buy cards before. Use the left and right keys to "
    L"move yourself in the nightclub.\n\nHINT: The cardshop is the place to go when you have some cash, "
    L"you can buy cards to complete your collection there.";
constexpr const wchar_t* AtTheShopText =
    L"This is the Cardshop, Where you will spend most of your money. You can buy boosters, manage and "
    L"prepare your decks of cards and so on.\n Click on the picture to enter, or press the Action "
    L"button.\n\nHINT: A deck is a the pack of cards you will use to play against your opponents.";
constexpr const wchar_t* EnterTheShopText =
    L"Click on the picture to enter into the shop, or press the Action button.\n\nHINT: All places in the "
    L"club can be accessed by clicking the picture or the Action button.";
constexpr const wchar_t* BuyABoosterText =
    L"Click on the button to buy 1 Booster, a set of 8 cards. Later you'll have enough money to buy "
    L"multiple boosters at the same time.\n\nHINT: In a booster there are a lot of common card and a few "
    L"rare only.";
constexpr const wchar_t* CardManagerText =
    L"\nIn the Card manager you can see all the cards gathered so far.\nThis is the place to create "
    L"decks, sells double cards, and watch your collection growing.You have to Add card from the "
    L"collection to your deck Using the ADD-REMOVE button or using drag and drop.\n Create a full deck of "
    L"16 cards to complete this part. Use the two arrows around the zoom button to scroll your card slots "
    L"left and right.\n\nHINT: Choose carefully your cards, looks at the colored dots those are power "
    L"information";
constexpr const wchar_t* AtInstantPlayText =
    L"Click on the picture to enter this room, or press the Action button.\n\nHINT: You have to defeat "
    L"all opponents of the current class to battle the stronger ones.";
constexpr const wchar_t* NotInstantPlayText =
    L"No you can't enter here,you have to go to the Instant Play to find an opponent to play a game, use "
    L"the left and right keys to move yourself in this nightclub.\n\n HINT: There are three level of "
    L"opponents in the Instant play room, the stronger they are , the more cash you'll earn.";
constexpr const wchar_t* EnterInstantPlayText =
    L"Click on the picture to enter this room, or press the Action button.\n\nHINT: There are 40 "
    L"differents opponents in the game.";
constexpr const wchar_t* ChooseAnOpponentText =
    L"You start the game in the Guest level, you can battle only the easiest opponents of the game until "
    L"you defeat them all to access the next levels (Member and Elite)\nNow choose an opponent to play "
    L"with, (The easiest opponents are the firsts on the list.)\n\nHINT: Check the number of "
    L"Win-defeat-draw of each opponents)";

// The steps: what the player may do next.
enum TutorialStep : std::uint8_t {
  StepCorridorFadeIn = 0,  // the corridor fades in
  StepWalkToShop = 1,      // walk until the card shop
  StepEnterShop = 2,       // enter the card shop
  StepShopFadeIn = 3,      // the shop fades in
  StepShop = 4,            // buy the booster, open the card manager
  StepCardManager = 5,     // build the deck
  StepWalkToInstant = 6,   // walk until instant play
  StepEnterInstant = 7,    // enter instant play
  StepInstantFadeIn = 8,   // instant play fades in
  StepInstantPlay = 9,     // choose an opponent
  StepChallenge = 10,      // accept the duel
  StepDone = 11,           // the duel's own tutorial runs
};

Club& C() { return GameClub; }

bool AtRoom(int room) { return C().currentRoom == room && C().currentScreen == ScreenCorridor; }

bool InPictureArea(int y) { return y >= 30 && y < 30 + C().corridorPictures[0].Height(); }

bool InQuickMenuCorner(int x, int y) { return y <= 20 && x > 240 - C().quickMenuPanel.Width(); }

void EnterCurrentRoom() {
  BeginEnterRoom(true);
  C().tutorialStep = C().tutorialStep == StepEnterShop ? StepShopFadeIn : StepInstantFadeIn;
}

const wchar_t* RefusalText() { return C().tutorialStep == StepWalkToShop ? NotTheShopText : NotInstantPlayText; }
const wchar_t* EnterText() { return C().tutorialStep == StepEnterShop ? EnterTheShopText : EnterInstantPlayText; }

// Steps 1 and 6: the arrows walk; the action key is refused.
void WalkingKeys() {
  if (KeyFlags[KeyRight]) {
    KeyFlags[KeyRight] = false;
    StartWalk(+1);
  } else if (KeyFlags[KeyLeft]) {
    KeyFlags[KeyLeft] = false;
    StartWalk(-1);
  } else if (KeyFlags[KeyA]) {
    KeyFlags[KeyA] = false;
    RoomTutorialBox(RefusalText());
  }
}

// Steps 2 and 7: only the action key (entering) goes on; the arrows explain.
void EnteringKeys() {
  if (KeyFlags[KeyRight] || KeyFlags[KeyLeft]) {
    KeyFlags[KeyRight] = false;
    KeyFlags[KeyLeft] = false;
    RoomTutorialBox(EnterText());
  } else if (KeyFlags[KeyA]) {
    KeyFlags[KeyA] = false;
    EnterCurrentRoom();
  }
}

void CorridorStep(void (*keys)()) {
  ForgetFocus();
  CorridorAnimationStep();
  if (C().ready && C().currentScreen == ScreenCorridor) keys();
}

void ScreenFrame(ClubScreen screen) {
  if (!C().ready) return;
  if (ClubScreenBase* s = ScreenFor(screen))
    if (!ScreenFocusKeys(*s)) s->Frame();
}

// A screen that finished without leading where the tutorial goes (a room
// that is not open): the tutorial ends there and the corridor comes back.
void GiveUp() {
  Club& c = C();
  EndTutorial();
  c.currentScreen = ScreenCorridor;
  BeginEnterRoom(false);
}

void ShopFinished() {
  Club& c = C();
  // The shop opened the card manager on top of itself before it finished.
  c.shopScreen.reset();
  if (!c.cardManagerScreen) {
    GiveUp();
    return;
  }
  c.cardManagerScreen->SetTutorial(true);
  c.tutorialStep = StepCardManager;
  RoomTutorialBox(CardManagerText);
}

void CardManagerFinished() {
  Club& c = C();
  c.cardManagerScreen.reset();
  c.currentScreen = ScreenCorridor;
  DrawCorridor(0);
  c.tutorialStep = StepWalkToInstant;
}

void InstantPlayFinished() {
  Club& c = C();
  // Choosing an opponent opened the challenge; the list closes behind it.
  c.instantPlayScreen.reset();
  if (!c.challengeScreen) {
    GiveUp();
    return;
  }
  c.currentScreen = ScreenChallenge;
  c.tutorialStep = StepChallenge;
}

void ChallengeFinished() {
  Club& c = C();
  c.challengeScreen.reset();
  if (InClub != 0) {
    GiveUp();
    return;
  }
  // The duel has been set up: its own tutorial takes the board, and the club
  // waits in front of instant play for its end.
  StartDuelTutorial();
  c.currentRoom = RoomInstantPlay;
  c.position = ClubRooms[RoomInstantPlay].position;
  c.currentScreen = ScreenCorridor;
  EndTutorial();
  c.tutorialStep = StepDone;
}

}  // namespace

void StartTutorial() {
  Club& c = C();
  c.tutorialActive = true;
  c.tutorialStep = StepCorridorFadeIn;
  c.savedSoundOff = SoundOff;
  // The tutorial runs silent: the music that plays now stops.
  if (!SoundOff) FreeMusic();
  SoundOff = true;
}

void EndTutorial() {
  Club& c = C();
  if (!c.tutorialActive) return;
  c.tutorialActive = false;
  // The character starts its career afresh in the same save slot: the cards
  // of the tutorial are gone, and the save file says so at once.
  const std::uint8_t slot = CurrentPlayer.slot;
  ResetPlayer(CurrentPlayer);
  CurrentPlayer.slot = slot;
  EmptyTradeBox(CurrentPlayer);
  SaveCharacter();
  SoundOff = c.savedSoundOff;
  PlayClubMusic();
}

void ResumeTutorialSilence() {
  Club& c = C();
  if (!c.tutorialActive) return;
  c.savedSoundOff = SoundOff;
  SoundOff = true;
}

void TutorialFrame() {
  Club& c = C();
  switch (c.tutorialStep) {
    case StepWalkToShop:
    case StepWalkToInstant:
      CorridorStep(WalkingKeys);
      break;
    case StepEnterShop:
    case StepEnterInstant:
      CorridorStep(EnteringKeys);
      break;
    case StepShop:
      ScreenFrame(ScreenShop);
      break;
    case StepCardManager:
      ScreenFrame(ScreenCardManager);
      break;
    case StepInstantPlay:
      ScreenFrame(ScreenInstantPlay);
      break;
    case StepChallenge:
      ScreenFrame(ScreenChallenge);
      break;
    case StepCorridorFadeIn:
    case StepShopFadeIn:
    case StepInstantFadeIn:
      if (c.currentScreen == ScreenCorridor) CorridorAnimationStep();
      break;
    default:
      // No step past the challenge runs in the club.
      EndTutorial();
      break;
  }
}

void TutorialStylusDown(int x, int y) {
  Club& c = C();
  switch (c.tutorialStep) {
    case StepWalkToShop:
    case StepWalkToInstant:
      if (c.currentScreen != ScreenCorridor) return;
      if (c.tutorialStep == StepWalkToShop && InQuickMenuCorner(x, y)) {
        RunQuickMenu();  // it refuses in the tutorial
      } else if (!PressButton(c.leftArrow, x, y) && !PressButton(c.rightArrow, x, y)) {
        RoomTutorialBox(RefusalText());
      }
      break;
    case StepEnterShop:
    case StepEnterInstant: {
      if (c.currentScreen != ScreenCorridor) return;
      const int room = c.tutorialStep == StepEnterShop ? RoomCardShop : RoomInstantPlay;
      if (PressButton(c.leftArrow, x, y) || PressButton(c.rightArrow, x, y)) return;
      if (InPictureArea(y) && AtRoom(room)) EnterCurrentRoom();
      break;
    }
    case StepShop:
      if (c.shopScreen) c.shopScreen->StylusDown(x, y);
      break;
    case StepCardManager:
      if (c.cardManagerScreen) c.cardManagerScreen->StylusDown(x, y);
      break;
    case StepInstantPlay:
      if (c.instantPlayScreen) c.instantPlayScreen->StylusDown(x, y);
      break;
    case StepChallenge:
      if (c.challengeScreen) c.challengeScreen->StylusDown(x, y);
      break;
    default:
      break;
  }
}

// Where a tap on the quick menu's corner opens the menu (which refuses), the menu key does too.
void TutorialMenuKey() {
  if (C().tutorialStep == StepWalkToShop && C().currentScreen == ScreenCorridor) RunQuickMenu(true);
}

void TutorialStylusUp(int x, int y) {
  Club& c = C();
  switch (c.tutorialStep) {
    case StepWalkToShop:
    case StepWalkToInstant:
      if (c.currentScreen != ScreenCorridor) return;
      if (ReleaseButton(c.leftArrow, x, y))
        StartWalk(-1);
      else if (ReleaseButton(c.rightArrow, x, y))
        StartWalk(+1);
      break;
    case StepEnterShop:
    case StepEnterInstant: {
      if (c.currentScreen != ScreenCorridor) return;
      const bool left = ReleaseButton(c.leftArrow, x, y);
      const bool right = ReleaseButton(c.rightArrow, x, y);
      if (left || right) RoomTutorialBox(EnterText());
      break;
    }
    case StepShop:
      if (c.shopScreen && c.shopScreen->StylusUp(x, y)) ShopFinished();
      break;
    case StepCardManager:
      if (c.cardManagerScreen && c.cardManagerScreen->StylusUp(x, y)) CardManagerFinished();
      break;
    case StepInstantPlay:
      if (c.instantPlayScreen && c.instantPlayScreen->StylusUp(x, y)) InstantPlayFinished();
      break;
    case StepChallenge:
      if (c.challengeScreen && c.challengeScreen->StylusUp(x, y)) ChallengeFinished();
      break;
    default:
      break;
  }
}

void TutorialAfterFadeIn(ClubScreen screen) {
  Club& c = C();
  if (!c.tutorialActive) return;
  if (screen == ScreenCorridor && c.tutorialStep == StepCorridorFadeIn) {
    FinishDescription(0);
    RoomTutorialBox(CorridorStartText);
    c.tutorialStep = StepWalkToShop;
  } else if (screen == ScreenShop && c.tutorialStep == StepShopFadeIn && c.shopScreen) {
    c.shopScreen->SetTutorial(true);
    c.shopScreen->SetTutorialStage(4);
    RoomTutorialBox(BuyABoosterText);
    c.tutorialStep = StepShop;
  } else if (screen == ScreenInstantPlay && c.tutorialStep == StepInstantFadeIn && c.instantPlayScreen) {
    c.instantPlayScreen->SetTutorial(true);
    c.instantPlayScreen->SetTutorialStage(9);
    RoomTutorialBox(ChooseAnOpponentText);
    c.tutorialStep = StepInstantPlay;
  }
}

void TutorialAtRoom() {
  Club& c = C();
  if (!c.tutorialActive) return;
  if (c.tutorialStep == StepWalkToShop && c.currentRoom == RoomCardShop) {
    FinishDescription(0);
    RoomTutorialBox(AtTheShopText);
    c.tutorialStep = StepEnterShop;
  } else if (c.tutorialStep == StepWalkToInstant && c.currentRoom == RoomInstantPlay) {
    FinishDescription(0);
    RoomTutorialBox(AtInstantPlayText);
    c.tutorialStep = StepEnterInstant;
  }
}
