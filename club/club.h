// club.h -- the club: the corridor of rooms, its screens, the screen-change fades, the quick menu and its quick-save
// block.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "club/club_screen.h"
#include "core/image.h"
#include "gfx/screen_button.h"

class ByteReader;
class ByteWriter;

constexpr int RoomCount = 10;
constexpr int CorridorLength = 50;
constexpr int FadePasses = 8;
constexpr std::int32_t FinalChallengeFee = 50000;

// A room along the corridor: where it stands, its title picture and what the
// player thinks of it.
struct RoomStop {
  std::int16_t position = 0;
  const wchar_t* titlePath = L"";
  const wchar_t* description = L"";
};

// The rooms in corridor order.
enum ClubRoom : std::int16_t {
  RoomMultiplayer = 0,
  RoomInstantPlay = 1,
  RoomHellGate = 2,
  RoomCardShop = 3,
  RoomGuestTournament = 4,
  RoomMemberTournament = 5,
  RoomEliteTournament = 6,
  RoomOptions = 7,
  RoomCharacters = 8,
  RoomQuit = 9,
};

extern const RoomStop ClubRooms[RoomCount];

// The one club, constructed at start-up and kept until exit. The fields keep
// the order of the club's quick-save record.
struct Club {
  bool ready = true;            // input is accepted
  bool entering = false;        // the darkening of a screen change runs
  bool opening = false;         // the brightening runs
  std::int8_t fadeCounter = 0;  // passes left in the running phase
  bool enterRoom = false;       // the darkening leads into the current room (else back to the corridor)
  bool typing = false;          // the title slide or the description still animates
  std::int16_t charIndex = 0;   // next character of the description
  std::int16_t textX = 0;       // pen of the description
  std::int16_t textY = 0;
  std::uint8_t textBuffer = 0;                // the buffer the description is typed into
  std::int8_t typeCounter = 0;                // passes since the last typed character
  ClubScreen nextScreen = ScreenCorridor;     // current when the brightening ends
  ClubScreen currentScreen = ScreenCorridor;  // the active screen
  const RoomStop* rooms = ClubRooms;
  std::int16_t currentRoom = RoomInstantPlay;
  std::int16_t position = 7;      // 1..50
  std::int8_t walkDirection = 0;  // +1 right, -1 left, 0 standing
  Image corridorPictures[CorridorLength];
  Image title;                   // the current room's title, loaded per room
  Image bottomPanel;             // under the typed description
  std::int16_t titleOffset = 0;  // columns of the title shown
  std::int8_t titleSpeed = 0;    // columns added (or removed) per pass
  std::uint8_t shown = 0;        // set whenever a room is presented
  bool typingDone = false;
  bool slideDone = false;
  std::int8_t slideCounter = 0;  // passes since the last speed change
  ClubScreen returnFromChallenge = ScreenLobby;
  std::uint8_t spare = 0;
  ClubScreen returnFromCardManager = ScreenLobby;
  ClubScreen returnFromShop = ScreenLobby;
  ClubScreen returnFromTrade = ScreenLobby;
  ScreenButton leftArrow;
  ScreenButton rightArrow;
  Image quickMenuLit;
  Image quickMenuPanel;
  // The open screens; null when closed.
  std::unique_ptr<ClubScreenBase> characterScreen;
  std::unique_ptr<ClubScreenBase> lobbyScreen;
  std::unique_ptr<ClubScreenBase> shopScreen;
  std::unique_ptr<ClubScreenBase> cardManagerScreen;
  std::unique_ptr<ClubScreenBase> instantPlayScreen;
  std::unique_ptr<ClubScreenBase> challengeScreen;
  std::unique_ptr<ClubScreenBase> tournamentScreen;
  std::unique_ptr<ClubScreenBase> optionsScreen;
  std::unique_ptr<ClubScreenBase> tradeScreen;
  std::unique_ptr<ClubScreenBase> finalChallengeScreen;
  std::uint8_t tutorialStep = 0;
  bool tutorialActive = false;
  bool savedSoundOff = false;

  Club() = default;
  Club(const Club&) = delete;
  Club& operator=(const Club&) = delete;
  ~Club();
};

extern Club GameClub;

// Start-up: the 50 corridor pictures (a loading step after each) and the panel
// under the description; then the arrows and the quick menu.
void LoadCorridorPictures(void (*step)() = nullptr);  // step: LoadingStep at start-up
void LoadClubControls();
// Frees every picture and closes every screen (exit and tests).
void FreeClub();
// Back to the state of a fresh start, screens closed, pictures kept.
void ResetClubState();

// The main loop's calls while the club is shown.
void ClubFrame();
void ClubStylusDown(int x, int y);
void ClubStylusMove(int x, int y);
void ClubStylusUp(int x, int y);
void RedrawCurrentScreen(int buffer);
bool ClubInCorridor();  // currentScreen is 13

// Creates the character screen and starts its opening fade.
void OpenCharacterSelection();

// Called by the club's screens.
void OpenCardShop(ClubScreen returnScreen);
void OpenCardManager(ClubScreen returnScreen, bool highlightNew = false, bool tradeMode = false);
void OpenTradeScreen(ClubScreen returnScreen);
void OpenChallenge(ClubScreen returnScreen, int opponent);
void CloseTradeScreen();
// Closes the final challenge: to the character screen (true, after the
// credits) or straight back to the corridor with the club music (false).
void LeaveFinalChallenge(bool toCharacters);
void ReturnToScreen(ClubScreen screen);
void PlayClubMusic();
void DrawCreditsCounter(int buffer);
// The Hell gate's six checks with their boxes; true after the fee was paid.
bool CanEnterFinalChallenge();
// The first-play tutorial (the character screen starts it for a new character).
void StartTutorial();
void EndTutorial();

// The corridor.
void StartWalk(int direction);
void SlideTitleOut();
void WalkStep();
void ShowRoom(int buffer);
void TypeDescription();
void FinishDescription(int buffer);
void DrawCorridor(int buffer);
void DrawQuickMenuTab(int buffer);
void BeginEnterRoom(bool enter);
void DarkenStep();
void BrightenStep();
// Opened by a tap on the corner tab, or by the menu key (`byKeys`: the key
// frame starts on the first item). Up / Down move the frame, the action key
// chooses its item, the menu key or Start closes the menu.
void RunQuickMenu(bool byKeys = false);
// The menu key: in the corridor, opens the quick menu as a tap on its tab would.
void ClubMenuKey();

// The club's block of the quick save. ReadClubState reads into a pending
// club; CommitClubState makes it the club once the whole file has read, and
// DropClubState forgets it.
void WriteClubState(ByteWriter& out);
bool ReadClubState(ByteReader& in);
void CommitClubState();
// Draws the frame the committed record left (buffer 0, and a fade's target in buffer 1).
void RestoreClubFrame();
void DropClubState();
// Registers the two above as the quick save's club block.
void RegisterClubStateBlock();

// Set by the program: the quick menu's quit (quick save, character saved,
// files, keys and display closed, exit 0).
extern std::function<void()> ClubQuitGame;

// Which screens are open, as text ("character shop ..." or "none").
std::string OpenClubScreens();
// The club's lines of a state dump (screen, position, room, flags, character, open screens, record).
std::string ClubReport();
