// match_frame.cpp -- MatchFrame: one pass of the duel's state machine, and leaving the duel.
#include "core/random.h"
#include "gfx/draw_image.h"
#include "gfx/screen_buffers.h"
#include "gfx/text_banners.h"
#include "match/duel_cursor.h"
#include "match/match_autoplay.h"
#include "match/match_internal.h"
#include "match/match_link.h"
#include "match/match_state_change.h"
#include "match/match_tutorial.h"
#include "platform/clock.h"
#include "platform/game_state.h"
#include "platform/messages.h"

Match TheMatch;
std::uint8_t MatchResult = 2;
void (*MatchTutorialFrame)() = DuelTutorialFrame;
void (*MatchTutorialStylusDown)(int x, int y) = DuelTutorialStylusDown;
MatchLinkHooks MatchLink;

bool OtherSideRemote(Side side) {
  const PlayerRecord* p = TheMatch.players[Opponent(side)];
  return p && IsRemoteKind(p->kind);
}

namespace {

void StartPlayState() {
  Match& m = TheMatch;
  DrawMatchScreen();
  ShowStartBanner();
  ChangeMatchState(m.firstTurnState);
  if (!SoundOff) {
    if (m.finalChallenge) {
      SwitchMatchMusic(L"SOUNDS\\Boss.QXX");
    } else {
      static const wchar_t* const Tunes[5] = {L"SOUNDS\\Partie1.QXX", L"SOUNDS\\Partie2.QXX", L"SOUNDS\\Partie3.QXX",
                                              L"SOUNDS\\Partie4.QXX", L"SOUNDS\\Partie5.QXM"};
      SwitchMatchMusic(Tunes[Random(5)]);
    }
  }
}

void Finish(bool ended) {
  if (ended) ChangeMatchState(TheMatch.nextState);
}

}  // namespace

void MatchFrame() {
  Match& m = TheMatch;
  HideDuelCursor();
  // The computer's stylus for the local side comes first, as a person's stylus messages would.
  AutoplayFrame();
  if (m.state == MatchState::CardInfo) return;
  if (m.tutorial && m.tutorialStep != 25 && MatchTutorialFrame) {
    MatchTutorialFrame();
    return;
  }
  StatusTick(m.status);
  if (m.status.mode != 0 && m.state == MatchState::DragCard && m.dragPos.y >= 185 && m.dragPos.y <= 248)
    DrawImage(m.dragPos.x, m.dragPos.y, m.screen.cardSave, 0);
  switch (m.state) {
    case MatchState::EndTurn:
      TurnChange();
      break;
    case MatchState::AttackMove:
      Finish(StepAttackBump());
      break;
    case MatchState::ResolveAttack:
      ResolveAttackState(false);
      break;
    case MatchState::ResolveMultiHit:
      ResolveAttackState(true);
      break;
    case MatchState::CaptureFlip:
      Finish(StepCaptureFlip());
      break;
    case MatchState::MultiHitStart:
      MultiHitStartState();
      break;
    case MatchState::CardFlyIn:
      Finish(StepFlyIn());
      break;
    case MatchState::DrawFromPile:
      Finish(StepDrawFlight());
      break;
    case MatchState::ComputerTurn:
      ComputerTurnState();
      break;
    case MatchState::ComputerPlaced:
      // The landing sound played when the flight ended.
      PlaceAndAttack(m.animCard, m.attacker.x, m.attacker.y);
      break;
    case MatchState::ComputerAttack:
      ComputerAttackState(false);
      break;
    case MatchState::ComputerMultiHit:
      ComputerAttackState(true);
      break;
    case MatchState::MatchOver:
      MatchOverState();
      break;
    case MatchState::SettleWin:
    case MatchState::SettleLoss:
      SettleState();
      break;
    case MatchState::ShowReward:
      ShowRewardState();
      break;
    case MatchState::ApplyReward:
      ApplyRewardState();
      break;
    case MatchState::PerfectReward:
      PerfectRewardState();
      break;
    case MatchState::Leave:
      LeaveMatch();
      break;
    case MatchState::Versus:
      DrawMatchScreen();
      VersusSlide();
      m.nextState = MatchState::CoinToss;
      m.pauseUntil = platform::TickCount() + 300;
      ChangeMatchState(MatchState::Pause);
      break;
    case MatchState::Pause:
      if (platform::TickCount() > m.pauseUntil) ChangeMatchState(m.nextState);
      break;
    case MatchState::CoinToss:
      if (OtherSideRemote(LocalSide()) && MatchLink.coinToss)
        MatchLink.coinToss();
      else
        CoinTossSpin(m.currentSide);
      if (m.state != MatchState::Leave) ChangeMatchState(MatchState::StartPlay);
      break;
    case MatchState::StartPlay:
      StartPlayState();
      break;
    case MatchState::AwaitRemoteMove:
    case MatchState::AwaitRemoteAttack:
    case MatchState::AwaitRemoteMultiHit:
    case MatchState::RemotePlaced:
      // Without the link there is nothing to wait for: the duel is left.
      if (MatchLink.remoteState)
        MatchLink.remoteState();
      else
        ChangeMatchState(MatchState::Leave);
      break;
    default:
      break;  // the stylus states act on stylus events only
  }
  if (OtherSideRemote(m.currentSide) && MatchLink.linkCheck) MatchLink.linkCheck();
  ShowDuelCursor();
}

void LeaveMatch() {
  Match& m = TheMatch;
  ChangeMatchState(MatchState::Leave);
  InClub = 1;
  m.screen.cardPictures.Clear();
  if (OtherSideRemote(LocalSide()) && MatchLink.backToLobby)
    MatchLink.backToLobby();
  else
    platform::PostUserMessage(1);
}
