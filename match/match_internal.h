// match_internal.h -- the operations the match's own files share: turn flow, drawing, animations, sound.
#pragma once

#include <string>

#include "match/match.h"

// Turn flow (match_flow.cpp).
void TurnChange();
void PlaceAndAttack(const Card& card, int x, int y);
void StartAttack(int ax, int ay, int tx, int ty, MatchState followUp);
void ResolveAttackState(bool multiHit);
void MultiHitStartState();
void ComputerTurnState();
void ComputerAttackState(bool multiHit);
// Sets the duel context's level from the computer duellist's level code before it decides.
void SetComputerSkill();
// True when the side can neither place a card nor draw one.
bool SideHasNoMove(Side side);

// The local side's moves (match_stylus.cpp): the stylus and the keys both make them.
// Lifts the hand card of `slot`, grabbed at screen point (x, y); the state becomes DragCard.
void PickUpHandCard(int slot, int x, int y);
// Moves the lifted card so that the point it was grabbed by is at (x, y).
void DragCardTo(int x, int y);
// Puts the lifted card on the cell under it, or back in its slot when that cell cannot take it.
void DropCard();
// True when the local side may take the top card of its pile now.
bool CanDrawFromOwnPile();
void DrawFromOwnPile();
// Attacks the highlighted neighbour at screen point (px, py); nothing happens elsewhere.
void ChooseAttackTarget(int px, int py, bool multiHit);
// The tie's banner is dismissed: the board is redrawn and the duel goes on to its way out.
void EndTieWait();

// True while autoplay drives the duel and the stylus event is not its own (match_autoplay.cpp).
bool StylusBlockedByAutoplay();

// End of the duel (match_rewards.cpp).
void MatchOverState();
void SettleState();
void ShowRewardState();
void ApplyRewardState();
void PerfectRewardState();
// Works out MatchResult and the cards that change hands on a full board.
void DecideDuelEnd();

// Screen (match_screen.cpp).
int HandSlotX(int slot);
constexpr int HandSlotY = 264;
inline int CellPixelX(int x) { return 40 * x + 4; }
inline int CellPixelY(int y) { return 58 * y + 4; }
void DrawMatchScreen();
void DrawBoardCell(int x, int y);
void DrawLocalHand();
void DrawHandSlot(int slot, bool tinted);
void DrawLocalPile();
void DrawHandAndPile();
void HighlightTargets(int ax, int ay);
void ClearHighlight();
void TintHandSlot(int slot);
// Draws a card with its picture from the duel's cache (TheMatch.screen.cardPictures).
void DrawCardPicture(const Card& card, int x, int y, bool big, int buffer, int tint);
int DuelPictureFailures();
// Buffer 1 takes the screen with the status line cleared: the panel of a box
// without buttons darkens buffer 1, and the line must not show through it.
void SaveScreenWithoutStatus();
// A card's information text in the box without buttons at (5, 180, 230, 115).
void ShowCardInfoBox(int id);
// The card info view; false when no card is selected.
bool OpenCardInfo();
void CloseCardInfo();

// Animations (match_animations.cpp).
void StartAttackBump(CellPos a, CellPos t, MatchState followUp);
bool StepAttackBump();  // true when it has ended
void StartCaptureFlip(CellPos cell, const Card& card, Side loser, Side winner, MatchState followUp);
bool StepCaptureFlip();
void StartDrawFlight(const Card& card, Side side, int slot, MatchState followUp);
bool StepDrawFlight();
void StartFlyIn(const Card& card, Side side, CellPos cell, MatchState followUp);
bool StepFlyIn();
void VersusSlide();
void CoinTossSpin(Side firstSide);
// The attack bump's turning point for an attack from a to t.
PixelPos BumpPoint(CellPos a, CellPos t);

// Sound and music, skipped while sound is off (match_sound.cpp).
void PlayMatchEffect(const wchar_t* path);
void SwitchMatchMusic(const wchar_t* path);

// The modal boxes of the duel (match_boxes.cpp): true for the left button.
bool MatchBox(const std::wstring& text, const std::wstring& left, const std::wstring& right, bool dim, int x, int y,
              int w, int h);
