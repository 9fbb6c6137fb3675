// match.h -- the one duel record and the entry points the main loop, the club and the lobby call.
#pragma once

#include <cstdint>
#include <string>

#include "core/image.h"
#include "engine/board.h"
#include "engine/duel_context.h"
#include "engine/hand.h"
#include "gfx/screen_button.h"
#include "match/card_pictures.h"
#include "match/match_players.h"
#include "match/match_state.h"
#include "match/status_line.h"

struct Link;  // the infrared link of a link duel (multiplayer)

struct CellPos {
  std::int8_t x = 0, y = 0;
};
struct PixelPos {
  std::int16_t x = 0, y = 0;
};

// The attack bump and the card flights.
struct CardMove {
  PixelPos start, bump, last, current;
  std::int32_t phase = 0;
};

// The capture flip.
struct FlipAnimation {
  CellPos cell;
  std::int32_t phase = 0;
  PixelPos position;
  std::uint8_t widthCounter = 0;
  std::uint8_t loserTint = 0, winnerTint = 0;
};

// The duel's rules record: the plain values the snapshot stores (the snapshot
// reads into a copy). The animation points are here because a quick-save taken
// in the middle of a flight or a flip resumes it; only the selected slot and
// the link are not stored (a resumed duel starts with none).
struct MatchRecord {
  Board board;
  Side currentSide = 0;
  Side chainSide = 0;
  std::uint8_t chainActive = 0;
  Hand hands[2];
  Pile piles[2];
  std::uint8_t hasDrawn = 0;
  PlayerRecord* players[2] = {nullptr, nullptr};
  std::uint8_t selectedSlot = 255;
  Card liftedCard;
  CellPos attacker, target, grab;
  PixelPos dragPos;
  MatchState state = MatchState::TapMove;
  MatchState nextState = MatchState::TapMove;
  MatchState firstTurnState = MatchState::TapMove;
  StatusLine status;
  CardMove move;
  FlipAnimation flip;
  Card animCard;
  PixelPos flyTarget;
  std::uint8_t moveStep = 3;
  std::uint8_t drawSlot = 0;
  std::uint16_t flyWidth = 96, flyHeight = 150;
  std::uint8_t flipStep = 6;
  std::uint8_t shrinkStep = 2;
  std::int16_t rewardCards[5] = {0, 0, 0, 0, 0};  // [1..4]
  std::uint8_t rewardCount = 0;
  Link* link = nullptr;
  std::uint32_t pauseUntil = 0;
  std::uint8_t finalChallenge = 0;
  std::uint8_t quickGame = 0;
  std::uint8_t tutorial = 0;
  std::uint8_t tutorialStep = 0, tutorialResume = 0;
};

// What the duel's screen holds beside the record: its pictures, its widgets
// and the scratch of the running animation. None of it is in the snapshot;
// it is freed with the duel.
struct MatchScreen {
  ScreenButton zoomButton;
  Image frameImage;
  Image slotSave, cardSave;       // 32 x 50 backgrounds under a lifted card
  CardPictureCache cardPictures;  // the duel's card pictures, emptied when a new duel begins

  // The running animation's pictures and the draw flight's counters.
  Image flipPicture;
  Image flightPicture;
  Image screenSave;
  std::uint8_t drawFlightSide = 0;
  std::uint8_t drawFlightCount = 0;  // the pile's count when the flight began
};

// The duel: the record of its rules and state (what the snapshot stores; its
// state changes only through ChangeMatchState), the computer opponent's
// context, and what its screen holds.
struct Match : MatchRecord {
  // The computer opponent's level and scratch maps; the duel draws from the game's stream.
  DuelContext duel{GameRandom()};
  MatchScreen screen;
};

// The one duel record, built at start-up and reused for every duel.
extern Match TheMatch;

// Start-up: board frame, zoom button, save buffers, token frames, status line.
void SetUpMatchScreen();

// The set-ups: each leaves the state at Versus with the first turn kept in firstTurnState.
void BeginDuel(PlayerRecord& side0, PlayerRecord& side1, int blocks);
void BeginQuickGame(PlayerRecord& side0, PlayerRecord& side1, int blocks);
void BeginFinalChallenge(PlayerRecord& boss, PlayerRecord& local, int blocks);

// The duels the club and the start-up begin (InClub goes off).
void StartClubDuel(int index, int opponentClass);
void StartQuickGame();
void StartFinalChallenge();

void MatchFrame();
void MatchStylusDown(int x, int y);
void MatchStylusMove(int x, int y);
void MatchStylusUp(int x, int y);

// Back to the club (or the lobby after a link duel).
void LeaveMatch();

// The tutorial's own frame and stylus handler, set by the tutorial: while
// `tutorial` is on they run instead of the duel's (the frame only until the
// tutorial hands the board back at step 25).
extern void (*MatchTutorialFrame)();
extern void (*MatchTutorialStylusDown)(int x, int y);

// The side the local player drives (1 in the final challenge, else 0).
inline Side LocalSide() { return TheMatch.finalChallenge ? 1 : 0; }
