// remote_waits_test.cpp -- the duel in this process waiting for the partner's choice of attack or of multi-hit
// target, against a partner on a loopback socket that sends a message out of step, garbage, an attack that cannot
// be made, or goes silent and then away: each time a clear box, Cancel Game back out of the duel, nothing handed over.
#include <gtest/gtest.h>

#include <functional>

#include "data/card_database.h"
#include "engine/board.h"
#include "link/link.h"
#include "link/link_duel.h"
#include "match/match.h"
#include "match/match_internal.h"
#include "match/match_state_change.h"
#include "platform/game_state.h"
#include "tests/link/loopback.h"
#include "tests/match/match_harness.h"

namespace {

using namespace link_test;

Card Fierce(int id) {
  Card card = LoadCard(id);
  card.icons = 0;
  for (int d = 0; d < 8; ++d) SetIcon(card.icons, d, 3);
  return card;
}

struct Wait {
  const char* name;
  MatchState state;
  std::function<void(Link& partner)> act;
  const wchar_t* box;
  bool linkClosed;
};

// A duel with this device as the client (side 0) and the partner's card at (1, 1) facing two of ours: the
// partner is to choose its target (or the next one of its chain).
void RunWait(const Wait& w) {
  SetUpMatchTable();
  PlayerRecord local, remote;
  MakeCharacter(local, L"LOCAL");
  ResetPlayer(remote);
  remote.name = L"HOST";
  remote.kind = KindRemoteHost;
  const PlayerRecord before = local;
  Link partner, link;
  ASSERT_TRUE(LinkPair(partner, link));
  InstallLinkDuel();
  Match& m = TheMatch;
  m.players[0] = &local;
  m.players[1] = &remote;
  m.link = &link;
  m.quickGame = m.tutorial = m.finalChallenge = 0;
  ClearBoard(m.board);
  PlaceCard(m.board, Fierce(1), 1, 1, 1);
  PlaceCard(m.board, Fierce(2), 2, 1, 0);
  PlaceCard(m.board, Fierce(3), 2, 2, 0);
  m.attacker = {1, 1};
  m.currentSide = 1;
  m.chainSide = 1;
  InClub = 0;
  MatchResult = 255;  // no result yet, as at the start of every link duel
  ChangeMatchState(w.state);
  w.act(partner);
  BoxAnswers = {true};  // Cancel Game
  for (int pass = 0; pass < 200 && m.state != MatchState::Leave && ShownBoxes.empty(); ++pass) MatchFrame();
  ASSERT_EQ(ShownBoxes.size(), 1u) << w.name;
  EXPECT_EQ(ShownBoxes[0].text, w.box) << w.name;
  EXPECT_EQ(ShownBoxes[0].left, L"Cancel Game") << w.name;
  EXPECT_EQ(m.state, MatchState::Leave) << w.name;
  EXPECT_EQ(InClub, 1) << w.name;
  EXPECT_EQ(link.socket < 0, w.linkClosed) << w.name;
  EXPECT_EQ(local.cardTotal, before.cardTotal) << w.name;
  for (int k = 0; k < CollectionSize; ++k) ASSERT_EQ(local.collection[k], before.collection[k]) << w.name;
  CloseLink(partner);
  CloseLink(link);
  m.link = nullptr;
}

// The message, confirmed at once (the partner need not wait for the echo).
void Confirmed(Link& partner, const LinkMessage& msg) {
  std::vector<std::uint8_t> bytes;
  EncodeMessage(msg, bytes);
  EncodeMessage(FreshMessage(LinkMessageType::Confirm), bytes);
  RawSend(partner.socket, bytes);
}

const wchar_t* const Lost = L"The connection is interrupted !";

TEST(RemoteWaits, AHostilePartnerInTheAttackAndMultiHitWaitsEndsTheDuelWithABox) {
  const Wait waits[] = {
      {"a multi-hit while an attack is awaited", MatchState::AwaitRemoteAttack,
       [](Link& p) { Confirmed(p, AttackMessage(true, 1, 1, 2, 1)); },
       L"Error of Synchronization:\nAn attack is expected when\nAn Multi-hit message is received.", false},
      {"a move while an attack is awaited", MatchState::AwaitRemoteAttack,
       [](Link& p) { Confirmed(p, PlayCardMessage(4, 3, 3)); },
       L"Error of Synchronization:\nAn attack is expected when\nA play card message is received.", false},
      {"an attack while a multi-hit is awaited", MatchState::AwaitRemoteMultiHit,
       [](Link& p) { Confirmed(p, AttackMessage(false, 1, 1, 2, 2)); },
       L"Error of Synchronization:\nA multihit is expected when\nAn Attack message is received.", false},
      {"a trade message while a multi-hit is awaited", MatchState::AwaitRemoteMultiHit,
       [](Link& p) { Confirmed(p, TradeReadyMessage(true)); },
       L"Error of Synchronization:\nA multihit is expected when\nAn unknow message is received.", false},
      {"garbage while a multi-hit is awaited", MatchState::AwaitRemoteMultiHit,
       [](Link& p) { RawSend(p.socket, std::vector<std::uint8_t>(255, 255)); }, Lost, true},
      {"an attack from a cell that is not the attacker's", MatchState::AwaitRemoteAttack,
       [](Link& p) { Confirmed(p, AttackMessage(false, 2, 1, 1, 1)); }, Lost, true},
      {"a multi-hit on a cell it cannot reach", MatchState::AwaitRemoteMultiHit,
       [](Link& p) { Confirmed(p, AttackMessage(true, 1, 1, 4, 3)); }, Lost, true},
  };
  for (const Wait& w : waits) RunWait(w);
}

TEST(RemoteWaits, ASilentPartnerIsWaitedForUntilItGoesAway) {
  const Wait silent = {"silent, then gone", MatchState::AwaitRemoteAttack,
                       [](Link& p) {
                         // A few frames of silence: the duel waits, frame after frame, without a box.
                         for (int pass = 0; pass < 5; ++pass) MatchFrame();
                         EXPECT_EQ(TheMatch.state, MatchState::AwaitRemoteAttack);
                         EXPECT_TRUE(ShownBoxes.empty());
                         CloseLink(p);
                       },
                       Lost, true};
  RunWait(silent);
}

}  // namespace

namespace {

// The loser (the partner, side 1) holds ten cells at the end, nine of them captured from this device's side:
// whatever the draw, the card it hands over is the one it put down itself, never a copy of the winner's own card.
TEST(LinkReward, TheLoserHandsOverACardItPutDownNeverOneItCaptured) {
  SetUpMatchTable();
  PlayerRecord local, remote;
  MakeCharacter(local, L"LOCAL");
  ResetPlayer(remote);
  remote.kind = KindRemoteHost;
  Match& m = TheMatch;
  m.players[0] = &local;
  m.players[1] = &remote;
  m.quickGame = m.tutorial = m.finalChallenge = 0;
  RandomStream* const was = m.duel.random;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    RandomStream stream(seed);
    m.duel.random = &stream;
    ClearBoard(m.board);
    for (int i = 0; i < BoardColumns * BoardRows; ++i) {
      const int x = i / BoardRows, y = i % BoardRows;
      PlaceCard(m.board, LoadCard(i + 1), x, y, i == 7 ? 1 : 0);
      if (i >= 14 && i != 7) m.board.At(x, y).owner = 1;  // captured by the partner
    }
    DecideDuelEnd();
    ASSERT_EQ(MatchResult, 0) << seed;
    ASSERT_EQ(m.rewardCount, 1) << seed;
    EXPECT_EQ(m.rewardCards[1], 8) << "seed " << seed;
  }
  m.duel.random = was;
}

}  // namespace
