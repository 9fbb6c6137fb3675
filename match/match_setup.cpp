// match_setup.cpp -- the duel set-ups: decks, dealing, blocked cells, the first side, and the match screen at start-up.
#include <string>

#include "core/random.h"
#include "data/card_database.h"
#include "data/roster.h"
#include "engine/duel_flow.h"
#include "gfx/draw_image.h"
#include "gfx/picture_load.h"
#include "match/card_pictures.h"
#include "match/coin_token.h"
#include "match/match_internal.h"
#include "match/match_snapshot.h"
#include "match/match_state_change.h"
#include "platform/clock.h"
#include "platform/game_state.h"

namespace {

// A deck with empty slots deals empty cards: they are taken out of the hand
// and the pile, so no side ever plays a card that is not there.
void DropEmptyCards(Hand& hand, Pile& pile) {
  for (HandSlot& slot : hand.slots)
    if (!slot.empty && slot.card.id < 0) {
      slot.empty = 1;
      slot.card = Card{};
    }
  std::uint8_t kept = 0;
  for (std::uint8_t i = 0; i < pile.count; ++i)
    if (pile.cards[i].id >= 0) pile.cards[kept++] = pile.cards[i];
  pile.count = kept;
}

void CommonSetUp(PlayerRecord& side0, PlayerRecord& side1, int blocks, bool dealSide1First) {
  Match& m = TheMatch;
  m.screen.cardPictures.Clear();
  m.players[0] = &side0;
  m.players[1] = &side1;
  m.link = nullptr;
  if (!SoundOff) SwitchMatchMusic(L"SOUNDS\\Avant une partie.QXX");
  if (dealSide1First) {
    DealSide(side1.deck, m.hands[1], m.piles[1], *m.duel.random);
    DealSide(side0.deck, m.hands[0], m.piles[0], *m.duel.random);
  } else {
    DealSide(side0.deck, m.hands[0], m.piles[0], *m.duel.random);
    DealSide(side1.deck, m.hands[1], m.piles[1], *m.duel.random);
  }
  for (int side = 0; side < 2; ++side) DropEmptyCards(m.hands[side], m.piles[side]);
  m.selectedSlot = 255;
  m.currentSide = static_cast<Side>(m.duel.Draw(2));
  ResetBoard(m.board, blocks, *m.duel.random);
  m.tutorial = 0;
  for (std::int16_t& r : m.rewardCards) r = 0;
  m.rewardCount = 0;
  // The turn change hands the turn to the other side and sets its first state.
  TurnChange();
  m.firstTurnState = m.state;
  ChangeMatchState(MatchState::Versus);
}

}  // namespace

void BeginDuel(PlayerRecord& side0, PlayerRecord& side1, int blocks) {
  if (side0.kind == KindComputer) DealOpponentDeck(side0);
  if (side1.kind == KindComputer) DealOpponentDeck(side1);
  TheMatch.finalChallenge = 0;
  TheMatch.quickGame = 0;
  CommonSetUp(side0, side1, blocks, false);
}

void BeginQuickGame(PlayerRecord& side0, PlayerRecord& side1, int blocks) {
  BuildOpponentDeck(side0.deck, 0, 0);
  if (side1.kind == KindComputer) DealOpponentDeck(side1);
  TheMatch.finalChallenge = 0;
  TheMatch.quickGame = 1;
  CommonSetUp(side0, side1, blocks, false);
}

void BeginFinalChallenge(PlayerRecord& boss, PlayerRecord& local, int blocks) {
  BuildFinalDeck(boss);
  TheMatch.finalChallenge = 1;
  TheMatch.quickGame = 0;
  CommonSetUp(boss, local, blocks, true);
}

void StartClubDuel(int index, int opponentClass) {
  InClub = 0;
  int blocks = Random(5) + 2;
  BeginDuel(CurrentPlayer, RosterOpponent(index, opponentClass), blocks);
}

void StartQuickGame() {
  CurrentPlayer.name = L"Player 1";
  InClub = 0;
  int blocks = Random(5) + 2;
  int index = Random(15);
  int opponentClass = Random(3);
  BeginQuickGame(CurrentPlayer, RosterOpponent(index, opponentClass), blocks);
}

void StartFinalChallenge() {
  InClub = 0;
  OtherPlayer.name = L"SAINT VIZUD";
  OtherPlayer.kind = KindComputer;
  int blocks = Random(5) + 2;
  BeginFinalChallenge(OtherPlayer, CurrentPlayer, blocks);
}

void SetUpMatchScreen() {
  Match& m = TheMatch;
  LoadImageFile(L"GFX\\GENERAL\\BoardUI.QXG", m.screen.frameImage, true);
  Image zoomOn;
  LoadImageFile(L"GFX\\GENERAL\\BoardUIZoomON.QXG", zoomOn, true);
  InitButton(m.screen.zoomButton, 2, 231, CropImage(zoomOn, 2, 231, 32, 16),
             CropImage(m.screen.frameImage, 2, 231, 32, 16), false);
  m.screen.slotSave = Image(32, 50);
  m.screen.cardSave = Image(32, 50);
  SetStatus(m.status, 2, L"", L"", L"", 0, false, 0);
  m.status.bounce = 1;
  LoadCoinToken();
  RegisterMatchSnapshot();
}
