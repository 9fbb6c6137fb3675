// match_rewards.cpp -- the end of a duel: result, banners, the cards that change hands, the quick-game question.
#include <string>

#include "core/random.h"
#include "data/card_database.h"
#include "engine/duel_flow.h"
#include "gfx/screen_buffers.h"
#include "gfx/text_banners.h"
#include "match/match_internal.h"
#include "match/match_link.h"
#include "match/match_state_change.h"
#include "match/reward_pick.h"

namespace {

bool OpponentIsRemote() {
  const PlayerRecord* p = TheMatch.players[Opponent(LocalSide())];
  return p && IsRemoteKind(p->kind);
}

bool LocalWon() { return MatchResult == LocalSide(); }
bool LocalLost() { return MatchResult == Opponent(LocalSide()); }

PlayerRecord* LocalRecord() { return TheMatch.players[LocalSide()]; }

// A notice has its one "Ok" on the right, as every one-button box.
void ResultBox(const std::wstring& text) { MatchBox(text, L"", L"Ok", false, 10, 0, 220, 80); }

}  // namespace

void DecideDuelEnd() {
  Match& m = TheMatch;
  const PlayerRecord* side1 = m.players[1];
  const bool single = m.finalChallenge || (side1 && IsRemoteKind(side1->kind));
  const DuelOutcome outcome = DecideOutcome(m.board, single);
  MatchResult = outcome.result;
  for (std::int16_t& r : m.rewardCards) r = 0;
  m.rewardCount = 0;
  if (outcome.result == 2) return;
  const Side loser = outcome.result == 0 ? 1 : 0;
  // Against the other device the card really leaves the loser's collection: it is one the loser put down and
  // still holds (or, when it holds none of its own, one it put down), never a card it captured from the winner,
  // whose giving would make a card from nothing.
  int picked = OpponentIsRemote()
                   ? PickHeldRewardCard(m.board, loser, CardCount(), m.rewardCards, *m.duel.random)
                   : PickRewardCards(m.board, loser, outcome.rewardCount, CardCount(), m.rewardCards, *m.duel.random);
  // A perfect leaves the loser no cell to take a card from; where a perfect
  // hands over a single card (final challenge, link duel) it is one the loser put down.
  if (picked == 0 && (OpponentIsRemote() || (outcome.perfect && single)))
    picked = PickPlacedRewardCard(m.board, loser, CardCount(), m.rewardCards, *m.duel.random);
  m.rewardCount = static_cast<std::uint8_t>(picked);
}

void MatchOverState() {
  Match& m = TheMatch;
  // A perfect hands over the whole deck only when the opponent's deck is on this device.
  const bool perfectDeck = IsPerfect(m.board) && !m.finalChallenge && !OpponentIsRemote();
  if (LocalWon()) {
    PlayMatchEffect(L"SOUNDS\\gagne.QXW");
    if (IsPerfect(m.board)) ShowPerfectBanner();
    ChangeMatchState(perfectDeck ? MatchState::PerfectReward : MatchState::SettleWin);
    ShowWonBanner();
  } else if (LocalLost()) {
    PlayMatchEffect(L"SOUNDS\\perdu.QXW");
    if (IsPerfect(m.board)) ShowPerfectBanner();
    ChangeMatchState(perfectDeck ? MatchState::PerfectReward : MatchState::SettleLoss);
    ShowLostBanner();
  } else {
    PlayMatchEffect(L"SOUNDS\\gagne.QXW");
    ShowDrawBanner();
    m.nextState = MatchState::Leave;
    ChangeMatchState(MatchState::TieWait);
  }
  if (m.quickGame) {
    // Nothing changes hands in a quick game.
    m.rewardCount = 0;
    if (MatchBox(L"Do you want to play another quickgame ?", L"Ok", L"No", true, 40, 120, 160, 80)) {
      StartQuickGame();
    } else {
      LeaveMatch();
    }
  }
}

void SettleState() {
  Match& m = TheMatch;
  // A link duel agrees its card over the link; against the computer nothing is exchanged.
  if (OpponentIsRemote() && MatchLink.agreeRewardCard) {
    MatchLink.agreeRewardCard();
    if (m.state == MatchState::Leave) return;  // the player gave up: nothing is handed over
  }
  ChangeMatchState(m.rewardCount > 0 ? MatchState::ShowReward : MatchState::Leave);
}

void ShowRewardState() {
  Match& m = TheMatch;
  if (m.rewardCount == 0 || m.rewardCount > 4) {
    ChangeMatchState(MatchState::Leave);
    return;
  }
  const Card card = LoadCard(m.rewardCards[m.rewardCount]);
  DrawCardPicture(card, 72, 20, true, 0, 2);
  PresentScreen();
  ChangeMatchState(MatchState::ApplyReward);
}

void ApplyRewardState() {
  Match& m = TheMatch;
  PlayerRecord* local = LocalRecord();
  if (m.rewardCount == 0 || m.rewardCount > 4 || !local) {
    ChangeMatchState(MatchState::Leave);
    return;
  }
  const int id = m.rewardCards[m.rewardCount];
  if (LocalWon()) {
    AddCopy(*local, id);
    const int n = CopiesOwned(*local, id);
    SaveCharacter();
    SaveScreenWithoutStatus();
    ShowCardInfoBox(id);
    ResultBox(L"This card is added to your Collection.\nYou have now " + std::to_wstring(n));
    // A card handed over is struck off, so a resumed duel does not hand it over twice.
    m.rewardCards[m.rewardCount] = 0;
    --m.rewardCount;
    ChangeMatchState(m.rewardCount > 0 ? MatchState::SettleWin : MatchState::Leave);
    if (m.state == MatchState::SettleWin) DrawMatchScreen();
    return;
  }
  RemoveCopy(*local, id);
  m.rewardCards[m.rewardCount] = 0;
  const int n = CopiesOwned(*local, id);
  SaveCharacter();
  SaveScreenWithoutStatus();
  ShowCardInfoBox(id);
  const std::wstring removed = L"This card is Removed to your Collection.\nYou have now " + std::to_wstring(n);
  if (n > 0) {
    ResultBox(removed);
  } else if (!MatchBox(removed + L"\n" + L"Do you want to add a card automatically to the deck ?", L"Cancel", L"Ok",
                       false, 10, 0, 220, 80)) {
    if (AddCardAutomatically(*local))
      SaveCharacter();
    else
      MatchBox(L"Failed. No more cards could be added.", L"", L"Ok", true, 40, 120, 160, 80);
  }
  ChangeMatchState(MatchState::Leave);
}

void PerfectRewardState() {
  Match& m = TheMatch;
  PlayerRecord* local = LocalRecord();
  const PlayerRecord* opponent = m.players[Opponent(LocalSide())];
  if (!local || !opponent) {
    ChangeMatchState(MatchState::Leave);
    return;
  }
  std::wstring text;
  if (LocalWon()) {
    CountPerfectRealised();
    for (const Card& c : opponent->deck.slots)
      if (c.id >= 1 && c.id <= CardCount()) AddCopy(*local, c.id);
    text = L"You won all the cards in your opponents deck !";
  } else {
    CountPerfectReceived();
    // The ids are read first: removing a last copy also empties its deck slot.
    int ids[DeckSize];
    for (int i = 0; i < DeckSize; ++i) ids[i] = local->deck.slots[i].id;
    for (int id : ids)
      if (id >= 1 && id <= CardCount()) RemoveCopy(*local, id);
    text = L"You lost all the cards in your  deck !";
  }
  SaveCharacter();
  ResultBox(text);
  ChangeMatchState(MatchState::Leave);
}
