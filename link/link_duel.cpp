// link_duel.cpp -- the duel against the other device: set-up over the link, the remote side's moves, the card handed
// over.
#include "link/link_duel.h"

#include <cstdio>

#include "core/random.h"
#include "data/card_database.h"
#include "engine/duel_flow.h"
#include "engine/fight.h"
#include "gfx/screen_buffers.h"
#include "gfx/text_banners.h"
#include "match/match_events.h"
#include "match/match_internal.h"
#include "match/match_link.h"
#include "match/match_state_change.h"
#include "platform/game_state.h"
#include "platform/messages.h"

LinkLobbyHooks LinkLobby;

namespace {

// A remote move is looked for this long per frame; the frame then goes on
// (status line, window) and the next frame looks again.
constexpr std::uint32_t MoveLookMs = 100;
// The one-shot waits (the toss, the card handed over) and the set-up give the partner this long.
constexpr std::uint32_t PartnerWaitMs = 20000;

const std::wstring SyncHead = L"Error of Synchronization:\n";
const std::wstring Interrupted = L"The connection is interrupted !";
constexpr std::uint8_t NoMatchResult = 255;

Link* DuelLink() { return TheMatch.link; }

bool IsServer() {
  const PlayerRecord* p = TheMatch.players[1];
  return p && p->kind == KindRemoteGuest;
}

std::wstring RemoteName() {
  const PlayerRecord* p = TheMatch.players[1];
  return p ? p->name : std::wstring();
}

bool DuelLeft() { return TheMatch.state == MatchState::Leave; }

// A box of the link duel; its text also goes to stderr, so a run from a terminal (or a test) sees it.
bool LinkBox(const std::wstring& text, const wchar_t* left, const wchar_t* right) {
  std::string line;
  for (wchar_t c : text) line += c == L'\n' ? ' ' : (c >= 32 && c < 127 ? static_cast<char>(c) : '?');
  std::fprintf(stderr, "duskhaven: link duel box: %s\n", line.c_str());
  return MatchBox(text, left, right, true, 40, 120, 160, 80);
}

// "Cancel Game" (left, true) or "Retry".
bool CancelGame(const std::wstring& text) { return LinkBox(text, L"Cancel Game", L"Retry"); }

std::wstring ArrivedName(const LinkMessage& m) {
  switch (m.type) {
    case 0:
      return L"A play card message is received.";
    case 1:
      return L"An Attack message is received.";
    case 2:
      return L"An Multi-hit message is received.";
    case 3:
      return L"Card taken message is received.";
    case 4:
      return L"A Card gift message is received.";
    default:
      return L"An unknow message is received.";
  }
}

// The player's answer to a lost link: Cancel Game leaves the duel; Retry
// re-checks the link (true: go on). False when the duel was left.
bool AnswerLostLink(const std::wstring& text) {
  if (CancelGame(text)) {
    LeaveMatch();
    return false;
  }
  CheckLinkOrReconnect();
  return !DuelLeft();
}

// A message that cannot be meant (a card on a taken cell, an attack from a
// cell that is not the attacker): the partner is out of step; the link closes.
void Misbehaved(Link& link, const std::string& what) {
  std::fprintf(stderr, "duskhaven: link closed: %s\n", what.c_str());
  CloseLink(link);
  link.failure = LinkFailure::Protocol;
}

// One in-duel send, repeated until it succeeds or the duel is left.
void SendUntilDone(const LinkMessage& m, const wchar_t* what) {
  Link* link = DuelLink();
  if (!link) return;
  while (!SendConfirmed(*link, m)) {
    if (!AnswerLostLink(Interrupted + what)) return;
  }
}

void SendPlayCard(int id, int x, int y) {
  SendUntilDone(PlayCardMessage(id, x, y), L"While sending message Card move.");
}

void SendAttack(bool multiHit, CellPos attacker, CellPos target) {
  SendUntilDone(AttackMessage(multiHit, attacker.x, attacker.y, target.x, target.y),
                multiHit ? L"While sending message MultiHit move." : L"While sending message Attack move.");
}

// Sent once, without the loop: a failure is the link check's.
void SendCardTaken() {
  Link* link = DuelLink();
  if (!link) return;
  if (!SendConfirmed(*link, FreshMessage(LinkMessageType::CardTaken))) CheckLinkOrReconnect();
}

void TakeRemoteHandCard() {
  Hand& hand = TheMatch.hands[1];
  for (int i = 0; i < HandSize; ++i) {
    Card c;
    if (hand.Take(i, c)) return;
  }
}

void ReportRemote(MatchEvent::Kind kind, int id = -1, int x = 0, int y = 0) {
  MatchEvent e;
  e.kind = kind;
  e.side = 1;
  e.id = id;
  e.ax = x;
  e.ay = y;
  ReportMatchEvent(e);
}

// A received move, applied; false when it cannot be meant.
bool ApplyRemoteMove(Link& link, const LinkMessage& msg) {
  Match& m = TheMatch;
  if (msg.Is(LinkMessageType::CardTaken)) {
    Card blank;
    // With an empty pile the partner passes.
    if (m.piles[1].Pop(blank)) {
      m.hands[1].Add(blank);
      ReportRemote(MatchEvent::Draw);
      SetStatus(m.status, 0, RemoteName() + L" have taken a card.", L"", L"", 0, true, 0);
      ShowCardTakenBanner();
    } else {
      ReportRemote(MatchEvent::Pass);
    }
    ChangeMatchState(MatchState::EndTurn);
    return true;
  }
  const Card card = LoadCard(msg.card);
  if (card.id != msg.card || !CanPlace(m.board, card, msg.a, msg.b)) {
    Misbehaved(link, "a card put on a cell that is not free: " + DescribeMessage(msg));
    return false;
  }
  TakeRemoteHandCard();
  ReportRemote(MatchEvent::Place, card.id, msg.a, msg.b);
  m.rewardCards[1] = card.id;
  m.animCard = card;
  m.attacker = {static_cast<std::int8_t>(msg.a), static_cast<std::int8_t>(msg.b)};
  StartFlyIn(card, 1, m.attacker, MatchState::RemotePlaced);
  return true;
}

bool ApplyRemoteAttack(Link& link, const LinkMessage& msg, bool multiHit) {
  Match& m = TheMatch;
  if (msg.a != m.attacker.x || msg.b != m.attacker.y || !CanAttack(m.board, msg.a, msg.b, msg.c, msg.d)) {
    Misbehaved(link, "an attack that cannot be made: " + DescribeMessage(msg));
    return false;
  }
  StartAttack(msg.a, msg.b, msg.c, msg.d, multiHit ? MatchState::ResolveMultiHit : MatchState::ResolveAttack);
  return true;
}

// The waiting states: one look for the partner's message per frame.
void RemoteState() {
  Match& m = TheMatch;
  if (m.state == MatchState::RemotePlaced) {
    PlaceAndAttack(m.animCard, m.attacker.x, m.attacker.y);
    return;
  }
  Link* link = DuelLink();
  if (!link) {
    LeaveMatch();
    return;
  }
  const MatchState waiting = m.state;
  const bool move = waiting == MatchState::AwaitRemoteMove;
  const bool multiHit = waiting == MatchState::AwaitRemoteMultiHit;
  static MatchState shownFor = MatchState::TapMove;
  static const void* shownStatus = nullptr;
  // The waiting line is set once per wait, so it blinks instead of restarting every frame.
  if (shownFor != waiting || shownStatus != &m.status || m.status.text1.rfind(L"Waiting for ", 0) != 0) {
    SetStatus(m.status, 0, L"Waiting for " + RemoteName() + (move ? L" move." : L" choose attack."), L"", L"", 0, true,
              0);
    shownFor = waiting;
    shownStatus = &m.status;
    PresentScreen();
  }
  LinkMessage msg;
  if (!ReceiveConfirmed(*link, msg, MoveLookMs)) {
    if (link->failure == LinkFailure::TimedOut && LinkAlive(*link)) return;  // next frame looks again
    if (link->failure == LinkFailure::Refused && LinkAlive(*link)) return;
    AnswerLostLink(Interrupted);
    return;
  }
  shownFor = MatchState::TapMove;
  const bool expected = move ? (msg.Is(LinkMessageType::PlayCard) || msg.Is(LinkMessageType::CardTaken))
                             : msg.Is(multiHit ? LinkMessageType::MultiHit : LinkMessageType::Attack);
  if (!expected) {
    const wchar_t* head = move       ? L"A move is expected when\n"
                          : multiHit ? L"A multihit is expected when\n"
                                     : L"An attack is expected when\n";
    // Cancel Game leaves; Retry checks the link and the state waits again.
    AnswerLostLink(SyncHead + head + ArrivedName(msg));
    return;
  }
  const bool applied = move ? ApplyRemoteMove(*link, msg) : ApplyRemoteAttack(*link, msg, multiHit);
  if (!applied) AnswerLostLink(Interrupted);
}

// A one-shot wait for the partner's message of `type` (the toss, the card
// handed over). True with the message; false when the duel was left or
// something else arrived (the box was shown, the caller goes on regardless).
bool AwaitOneShot(LinkMessageType type, LinkMessage& msg) {
  Link* link = DuelLink();
  if (!link) return false;
  for (;;) {
    if (ReceiveConfirmed(*link, msg, PartnerWaitMs)) {
      if (msg.Is(type)) return true;
      if (!CancelGame(SyncHead)) return false;
      LeaveMatch();
      return false;
    }
    // A partner that is still there is only slow (a player who has not stopped the token yet): wait on.
    const bool slow = link->failure == LinkFailure::Refused || link->failure == LinkFailure::TimedOut;
    if (slow && LinkAlive(*link)) continue;
    if (!AnswerLostLink(Interrupted)) return false;
  }
}

void LinkCoinToss() {
  Match& m = TheMatch;
  Link* link = DuelLink();
  if (IsServer() || !link) {
    CoinTossSpin(m.currentSide);
    SendUntilDone(FreshMessage(LinkMessageType::TossDone), L"While sending message Card taken move.");
    return;
  }
  LinkMessage msg;
  AwaitOneShot(LinkMessageType::TossDone, msg);
}

// A card the loser put down itself: the only kind it can give away.
bool LoserHoldsCard(int id) {
  const Match& m = TheMatch;
  const Side loser = MatchResult == 0 ? 1 : 0;
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y) {
      const Cell& c = m.board.At(x, y);
      if (!c.free && c.card.id == id && c.firstOwner == loser) return true;
    }
  return false;
}

void AgreeRewardCard() {
  Match& m = TheMatch;
  if (m.rewardCount == 0) return;
  if (IsServer()) {
    SendUntilDone(CardGiftMessage(m.rewardCards[1]), L"While sending message Give Card");
    return;
  }
  LinkMessage msg;
  if (!AwaitOneShot(LinkMessageType::CardGift, msg)) return;
  // Only a card that can change hands is taken; otherwise this device's own pick stands.
  if (LoserHoldsCard(msg.card))
    m.rewardCards[1] = msg.card;
  else
    std::fprintf(stderr, "duskhaven: the partner's card %d is not the loser's; keeping %d\n", msg.card,
                 m.rewardCards[1]);
}

void LinkCheckHook() {
  // Only while the local side moves: the remote states look at the link themselves. Once the board is full the
  // link is needed only to agree the card that changes hands, and that exchange looks at it itself: a partner who
  // goes once the card is agreed does not stop this device from handing it over.
  const Match& m = TheMatch;
  if (m.state == MatchState::Leave || !DuelLink() || MatchResult <= 2) return;
  CheckLinkOrReconnect();
}

// What is left of the duel goes to stderr: the result as this device saw it (0 it won, 1 the partner, 2 a tie),
// or that it was left before its end.
void ReportDuelEnd() {
  if (MatchResult <= 2)
    std::fprintf(stderr, "duskhaven: link duel over, result %d\n", static_cast<int>(MatchResult));
  else
    std::fprintf(stderr, "duskhaven: link duel left before its end\n");
}

void BackToLobby() {
  ReportDuelEnd();
  if (LinkLobby.duelEnded)
    LinkLobby.duelEnded();
  else
    platform::PostUserMessage(1);
}

// The duel's own question when no lobby lends its Reconnect.
bool OwnReconnect() {
  Link* link = DuelLink();
  if (!link) return false;
  if (LinkAlive(*link)) return true;
  link->connected = 0;
  if (LinkBox(SyncHead, L"Cancel", L"Retry")) return false;
  const bool ok = link->role == RoleServer ? LinkCreate(*link) : LinkJoin(*link);
  link->connected = ok ? 1 : 0;
  return ok;
}

bool ServerSetUp(PlayerRecord& local, PlayerRecord& remote, int blocks, Link& link) {
  Match& m = TheMatch;
  m.currentSide = static_cast<Side>(m.duel.Draw(2));
  ResetBoard(m.board, blocks, *m.duel.random);
  if (!SendConfirmed(link, PlayerNameMessage(local.name))) return false;
  if (!SendConfirmed(link, FirstPlayerMessage(m.currentSide ^ 1))) return false;
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y)
      if (!m.board.At(x, y).free)
        if (!SendConfirmed(link, BlockedCellMessage(x, y))) return false;
  if (!SendConfirmed(link, BlockedCellMessage(CellEndMark, CellEndMark))) return false;
  LinkMessage msg;
  if (!ReceiveConfirmed(link, msg, PartnerWaitMs) || !msg.Is(LinkMessageType::PlayerName)) return false;
  remote.name = msg.text;
  return true;
}

bool ClientSetUp(PlayerRecord& local, PlayerRecord& remote, Link& link) {
  Match& m = TheMatch;
  ClearBoard(m.board);
  LinkMessage msg;
  if (!ReceiveConfirmed(link, msg, PartnerWaitMs) || !msg.Is(LinkMessageType::PlayerName)) return false;
  remote.name = msg.text;
  if (!ReceiveConfirmed(link, msg, PartnerWaitMs) || !msg.Is(LinkMessageType::FirstPlayer)) return false;
  m.currentSide = msg.a;
  // At most every cell once, then the end mark.
  for (int n = 0; n <= BoardColumns * BoardRows; ++n) {
    if (!ReceiveConfirmed(link, msg, PartnerWaitMs) || !msg.Is(LinkMessageType::BlockedCell)) return false;
    if (msg.a == CellEndMark && msg.b == CellEndMark) return SendConfirmed(link, PlayerNameMessage(local.name));
    if (msg.a >= BoardColumns || msg.b >= BoardRows) return false;
    BlockCell(m.board, msg.a, msg.b);
  }
  return false;
}

}  // namespace

void DealRemotePlaceholders() {
  Match& m = TheMatch;
  m.hands[1].Clear();
  m.piles[1].Clear();
  Card blank;
  blank.id = 0;
  for (int i = 0; i < HandSize; ++i) m.hands[1].Add(blank);
  for (int i = 0; i < PileSize; ++i) m.piles[1].Push(blank);
}

void InstallLinkDuel() {
  MatchLink.remoteState = RemoteState;
  MatchLink.sendPlayCard = SendPlayCard;
  MatchLink.sendAttack = SendAttack;
  MatchLink.sendCardTaken = SendCardTaken;
  MatchLink.linkCheck = LinkCheckHook;
  MatchLink.agreeRewardCard = AgreeRewardCard;
  MatchLink.backToLobby = BackToLobby;
  MatchLink.coinToss = LinkCoinToss;
}

void CheckLinkOrReconnect() {
  Link* link = DuelLink();
  if (!link) return;
  if (LinkAlive(*link)) return;
  CopyBuffer(0, 2);
  const std::uint32_t before = link->opened;
  const bool ok = LinkLobby.reconnect ? LinkLobby.reconnect() : OwnReconnect();
  if (ok && link->opened == before) {
    CopyBuffer(2, 0);
    PresentScreen();
    return;
  }
  // A link made again is a new connection: the partner's game may have started afresh and know
  // nothing of this duel. The duel ends here with nothing handed over, and the players meet in the lobby.
  if (ok) std::fprintf(stderr, "duskhaven: the link was made again; the duel ends without a result\n");
  LeaveMatch();
}

bool BeginLinkDuel(PlayerRecord& local, PlayerRecord& remote, int blocks, Link& link) {
  InstallLinkDuel();
  Match& m = TheMatch;
  m.screen.cardPictures.Clear();
  m.players[0] = &local;
  m.players[1] = &remote;
  m.link = &link;
  m.finalChallenge = 0;
  m.quickGame = 0;
  m.tutorial = 0;
  DealSide(local.deck, m.hands[0], m.piles[0], *m.duel.random);
  DealRemotePlaceholders();
  m.selectedSlot = 255;
  for (std::int16_t& r : m.rewardCards) r = 0;
  m.rewardCount = 0;
  MatchResult = NoMatchResult;  // until the board is full
  for (;;) {
    const bool ok =
        remote.kind == KindRemoteGuest ? ServerSetUp(local, remote, blocks, link) : ClientSetUp(local, remote, link);
    if (ok) break;
    std::fprintf(stderr, "duskhaven: the link duel's set-up failed (%s)\n", LinkFailureName(link.failure));
    if (CancelGame(L"Game Initialisation via Infra-Red failed !")) {
      LeaveMatch();
      return false;
    }
    CheckLinkOrReconnect();
    if (DuelLeft()) return false;
  }
  TurnChange();
  m.firstTurnState = m.state;
  ChangeMatchState(MatchState::Versus);
  return true;
}

bool StartLinkDuel(Link& link, PlayerRecord& local, PlayerRecord& remote) {
  remote.kind = link.role == RoleServer ? KindRemoteGuest : KindRemoteHost;
  InClub = 0;
  const int blocks = Random(5) + 2;
  if (BeginLinkDuel(local, remote, blocks, link)) return true;
  InClub = 1;
  return false;
}
