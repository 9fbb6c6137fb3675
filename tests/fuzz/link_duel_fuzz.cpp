// link_duel_fuzz.cpp -- fuzzes a link duel's receive side: the duel waits for the partner's move, attack or
// multi-hit on a board the input lays out, and the partner's bytes (moves, echoes, confirms, anything) come over a
// real loopback connection. Whatever arrives, the duel never crashes or hangs: it applies only moves that can be
// made, keeps every card it put down, leaves the player's collection alone before the duel's end and hands over
// one card at most at the end.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/random.h"
#include "data/card_database.h"
#include "data/game_state.h"
#include "engine/board.h"
#include "engine/duel_flow.h"
#include "link/link.h"
#include "link/link_duel.h"
#include "link/link_framer.h"
#include "link/link_message.h"
#include "match/match.h"
#include "match/match_autoplay.h"
#include "match/match_boxes.h"
#include "match/match_state_change.h"
#include "platform/clock.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "platform/tcp_socket.h"
#include "tests/fuzz/duel_table.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/link_duel_input.h"

namespace {

// A duel that goes on past this many frames is cut off here (a computer's turn and its animations take about
// a hundred); the fuzzer looks at the partner's bytes, not at whole duels.
constexpr int FrameLimit = 1500;
constexpr int MaxBoxes = 8;

const MatchRecord freshMatch;
PlayerRecord savedLocal;
int listener = -1;
std::uint8_t answers = 0;
int boxes = 0;

bool AnswerBox(const std::wstring&, const std::wstring& left, const std::wstring& right) {
  if (right.empty()) return !left.empty();
  const bool cancel = boxes >= MaxBoxes || ((answers >> boxes) & 1);
  ++boxes;
  return cancel;
}

// The partner who went away cannot be reached again.
bool NoReconnect() { return false; }
void DuelEnded() {}

LinkDuelSetUp ReadSetUp(const std::uint8_t* data) {
  LinkDuelSetUp s;
  s.wait = static_cast<std::uint8_t>((data[0] & 3) == 3 ? 0 : data[0] & 3);
  s.server = (data[0] & 4) != 0;
  s.autoplay = (data[0] & 8) != 0;
  s.seed = static_cast<std::uint8_t>(data[0] >> 4);
  s.answers = data[1];
  s.attackerX = static_cast<std::uint8_t>(data[2] % BoardColumns);
  s.attackerY = static_cast<std::uint8_t>(data[2] / BoardColumns % BoardRows);
  for (int i = 0; i < BoardCells; ++i) s.cells[i] = data[3 + i];
  return s;
}

void LayOutBoard(const LinkDuelSetUp& s) {
  Board& board = TheMatch.board;
  ClearBoard(board);
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y) {
      const std::uint8_t b = s.cells[x * BoardRows + y];
      if (b == LinkDuelBlocked) {
        BlockCell(board, x, y);
      } else if (b >> 1) {
        const Card card = LoadCard(b >> 1);
        if (card.id > 0) PlaceCard(board, card, x, y, static_cast<Side>(b & 1));
      }
    }
}

bool LocalStylusState(MatchState state) {
  return state == MatchState::TapMove || state == MatchState::DragCard || state == MatchState::TapAttack ||
         state == MatchState::TapMultiHit || state == MatchState::TieWait;
}

int Occupied(const Board& board) {
  int n = 0;
  for (const Cell& c : board.cells) n += c.free == 0;
  return n;
}

void CheckDuel(int occupiedBefore) {
  const Match& m = TheMatch;
  FUZZ_CHECK(m.currentSide <= 1 && m.chainSide <= 1);
  for (const Pile& p : m.piles) FUZZ_CHECK(p.count <= PileSize);
  // Cards once down stay down; every one is a card of the set.
  FUZZ_CHECK(Occupied(m.board) >= occupiedBefore);
  for (const Cell& c : m.board.cells) {
    FUZZ_CHECK(c.free <= 1 && c.owner <= NoSide && c.firstOwner <= NoSide);
    if (c.free == 0 && c.firstOwner != NoSide) FUZZ_CHECK(c.card.id >= 1 && c.card.id <= CardCount());
  }
  FUZZ_CHECK(InBounds(m.attacker.x, m.attacker.y));
}

bool SameCollection(const PlayerRecord& a, const PlayerRecord& b) {
  for (int i = 0; i < CollectionSize; ++i)
    if (a.collection[i] != b.collection[i]) return false;
  return a.credits == b.credits && a.cardTotal == b.cardTotal;
}

// The partner's end, connected to this process's listener. It sends the first FIN, so it waits a minute in
// TIME_WAIT on its port after every input; with SO_REUSEADDR that port stays free for anyone's listener (the
// game's listeners set it too), so hundreds of inputs a second do not block other programs' ports.
int PartnerSocket(std::uint16_t port) {
  const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (s < 0) return -1;
  const int one = 1;
  ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(s);
    return -1;
  }
  return s;
}

// A fresh connection to this process's listener: the partner's end and the duel's end. Now and then one attempt
// fails (the system still holds the port it picked for the partner's end); a few more are made before giving up.
bool Connect(int& partner, int& own) {
  constexpr int Attempts = 5;
  const std::uint16_t port = platform::LocalPort(listener);
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    partner = PartnerSocket(port);
    own = partner >= 0 ? platform::TcpAcceptWithin(listener, 1000) : -1;
    if (partner >= 0 && own >= 0) return true;
    if (partner >= 0) platform::CloseSocket(partner);
    // Whatever is still queued on the listener belongs to the failed attempt, not to the next.
    for (int stale = platform::TcpAcceptWithin(listener, 0); stale >= 0; stale = platform::TcpAcceptWithin(listener, 0))
      platform::CloseSocket(stale);
  }
  return false;
}

// What this device sent, as the partner received it.
std::vector<LinkMessage> WhatWasSent(int partner) {
  LinkFramer framer(CardCount());
  std::uint8_t buffer[512];
  std::size_t count = 0;
  while (platform::ReadAvailable(partner, buffer, sizeof buffer, count) == platform::ReadResult::Data)
    if (!framer.Feed(buffer, count)) break;
  std::vector<LinkMessage> sent;
  LinkMessage m;
  while (framer.Next(m)) sent.push_back(m);
  return sent;
}

// The server confirmed the partner's echo of its card gift: both devices have agreed on the card.
bool GiftAgreed(const std::vector<LinkMessage>& sent) {
  for (std::size_t i = 0; i + 1 < sent.size(); ++i)
    if (sent[i].Is(LinkMessageType::CardGift) && sent[i + 1].Is(LinkMessageType::Confirm)) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string root = FuzzInstallDir("linkduel");
  if (!SetUpDuelTable(DUSKHAVEN_FORGED_DATA, root)) BrokenProperty("no duel table");
  if (!MakeSavedCharacter(L"LOCAL")) BrokenProperty("the character cannot be saved");
  savedLocal = CurrentPlayer;
  SetMatchBoxAnswerer(AnswerBox);
  LinkLobby.reconnect = NoReconnect;
  LinkLobby.duelEnded = DuelEnded;
  InstallLinkDuel();
  listener = platform::TcpListen(0);
  if (listener < 0) BrokenProperty("no loopback listener");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < LinkDuelHeaderBytes) return 0;
  const LinkDuelSetUp s = ReadSetUp(data);
  answers = s.answers;
  boxes = 0;

  // The partner's end writes the bytes and then closes its sending side: a duel that waits for more sees the
  // partner gone, not a silence.
  int partner = -1, own = -1;
  if (!Connect(partner, own)) BrokenProperty("no loopback connection");
  const std::uint8_t* stream = data + LinkDuelHeaderBytes;
  const std::size_t length = size - LinkDuelHeaderBytes;
  if (length > 0 && !platform::SendAllWithin(partner, stream, length, 2000)) BrokenProperty("the bytes were not sent");
  ::shutdown(partner, SHUT_WR);
  static Link link;
  link.cardCount = 0;
  LinkAdopt(link, own, s.server ? RoleServer : RoleClient);

  static_cast<MatchRecord&>(TheMatch) = freshMatch;
  Match& m = TheMatch;
  SeedRandom(s.seed);
  PlayerRecord local = savedLocal;
  PlayerRecord remote;
  ResetPlayer(remote);
  remote.name = L"PARTNER";
  remote.kind = s.server ? KindRemoteGuest : KindRemoteHost;
  m.players[0] = &local;
  m.players[1] = &remote;
  m.link = &link;
  m.quickGame = m.tutorial = m.finalChallenge = 0;
  DealSide(local.deck, m.hands[0], m.piles[0], *m.duel.random);
  DealRemotePlaceholders();
  LayOutBoard(s);
  m.attacker = {static_cast<std::int8_t>(s.attackerX), static_cast<std::int8_t>(s.attackerY)};
  m.currentSide = m.chainSide = 1;
  InClub = 0;
  MatchResult = 255;
  if (s.autoplay)
    SetAutoplay(AutoplayPlayer{1, 2});
  else
    ClearAutoplay();
  ChangeMatchState(s.wait == 0   ? MatchState::AwaitRemoteMove
                   : s.wait == 1 ? MatchState::AwaitRemoteAttack
                                 : MatchState::AwaitRemoteMultiHit);

  bool ended = false;
  int occupied = Occupied(m.board);
  int frame = 0, idle = 0;
  for (; frame < FrameLimit && InClub == 0; ++frame) {
    MatchFrame();
    // The board is full: the result is set and the card that changes hands may change the collection.
    if (MatchResult <= 2) ended = true;
    if (!ended && InClub == 0) {
      CheckDuel(occupied);
      occupied = Occupied(m.board);
    }
    // The clock runs on only where something waits for it (a pause, the computer thinking over this side's
    // move), so that a long campaign does not run it round.
    const bool localTurn = LocalStylusState(m.state);
    if (m.state == MatchState::Pause || (s.autoplay && localTurn)) platform::SleepMs(16);
    // Nobody plays this side: once it is its turn, the partner's bytes have had their say.
    idle = localTurn && !s.autoplay ? idle + 1 : 0;
    if (idle > 3) break;
  }
  if (!ended) FUZZ_CHECK(SameCollection(local, savedLocal));
  // At the end one card at most changes hands, whatever the partner sent; credits never do. A card both
  // devices agreed on changes hands even when the partner goes right after.
  const std::vector<LinkMessage> sent = WhatWasSent(partner);
  if (ended) {
    FUZZ_CHECK(std::abs(local.cardTotal - savedLocal.cardTotal) <= 1 && local.credits == savedLocal.credits);
    if (s.server && MatchResult <= 1 && GiftAgreed(sent)) FUZZ_CHECK(local.cardTotal != savedLocal.cardTotal);
  }
  if (std::getenv("DUSKHAVEN_FUZZ_VERBOSE")) {
    std::printf("after %d frames: state %d, %d cards down, %d boxes, link %s, result %d, collection %d -> %d\n", frame,
                static_cast<int>(m.state), Occupied(m.board), boxes, LinkFailureName(link.failure), MatchResult,
                savedLocal.cardTotal, local.cardTotal);
    for (const LinkMessage& msg : sent) std::printf("sent %s\n", DescribeMessage(msg).c_str());
  }

  ClearAutoplay();
  platform::Message left;
  while (platform::RemoveNextMessage(left)) {
  }
  // The partner's end goes first and, when the duel has not closed its side yet, with a reset: no TIME_WAIT then.
  const linger reset{1, 0};
  ::setsockopt(partner, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
  platform::CloseSocket(partner);
  CloseLink(link);
  m.link = nullptr;
  m.players[0] = m.players[1] = nullptr;
  return 0;
}
