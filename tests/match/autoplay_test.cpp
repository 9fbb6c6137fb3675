// autoplay_test.cpp -- the computer playing the local side through the stylus: whole duels, their replay, its choices.
#include <gtest/gtest.h>

#include <set>

#include "core/random.h"
#include "data/card_database.h"
#include "engine/computer_opponent.h"
#include "engine/evaluation.h"
#include "match/match_autoplay.h"
#include "match/match_internal.h"
#include "platform/clock.h"
#include "platform/game_state.h"
#include "tests/match/match_harness.h"

namespace {

struct AutoDuel {
  std::string transcript;
  std::uint8_t result = 2;
  int count0 = 0, count1 = 0;
  bool full = false;
  std::set<MatchState> seen;  // every state a frame began in
  std::vector<int> collection;
};

// Runs frames as the main loop would, with no stylus at all, until the duel is left.
bool RunWithoutStylus(AutoDuel& duel, int frameLimit = 60000) {
  for (int i = 0; i < frameLimit; ++i) {
    if (InClub) return true;
    duel.seen.insert(TheMatch.state);
    if (TheMatch.state == MatchState::MatchOver) {
      CountCards(TheMatch.board, duel.count0, duel.count1);
      duel.full = BoardFull(TheMatch.board);
    }
    MatchFrame();
    platform::SleepMs(16);
  }
  return false;
}

AutoDuel PlayClubDuel(const AutoplayPlayer& who, std::uint32_t seed, int index, int opponentClass) {
  SetUpMatchTable();
  MakeCharacter(CurrentPlayer, L"TESTER");
  SetAutoplay(who);
  SeedRandom(seed);
  StartClubDuel(index, opponentClass);
  AutoDuel duel;
  EXPECT_TRUE(RunWithoutStylus(duel)) << "the duel did not end";
  ClearAutoplay();
  duel.transcript = TranscriptOfEvents();
  duel.result = MatchResult;
  for (int id = 1; id <= CardCount(); ++id) duel.collection.push_back(CopiesOwned(CurrentPlayer, id));
  return duel;
}

TEST(Autoplay, AClubDuelPlaysToItsEndAndReplaysIdentically) {
  const AutoplayPlayer elite{2, 3};
  const AutoDuel a = PlayClubDuel(elite, 41, 9, 1);
  const AutoDuel b = PlayClubDuel(elite, 41, 9, 1);
  EXPECT_EQ(a.transcript, b.transcript);
  EXPECT_EQ(a.result, b.result);
  EXPECT_EQ(a.collection, b.collection);
  EXPECT_TRUE(a.full) << "the board filled";
  EXPECT_EQ(a.result, a.count0 > a.count1 ? 0 : a.count0 < a.count1 ? 1 : 2);
  // The local side placed its cards itself, through the coin toss and every turn.
  EXPECT_NE(a.transcript.find(" 0 place "), std::string::npos) << a.transcript;
  EXPECT_TRUE(a.seen.count(MatchState::DragCard)) << "cards are dragged, not put down";
  // Another seed is another duel.
  const AutoDuel c = PlayClubDuel(elite, 42, 9, 1);
  EXPECT_NE(a.transcript, c.transcript);
}

TEST(Autoplay, EveryLocalChoiceIsTheComputersOfThatClass) {
  // The local side's moves, attacks and chain targets are what the search of
  // the class picks from the same random state, seen through the transcript.
  for (int cls = 0; cls < 3; ++cls) {
    SetUpMatchTable();
    MakeCharacter(CurrentPlayer, L"TESTER");
    SetAutoplay({cls, 0});
    SeedRandom(100 + static_cast<std::uint32_t>(cls));
    StartClubDuel(3, 2);
    int checkedMoves = 0, checkedTargets = 0;
    MatchState last = MatchState::Leave;
    for (int i = 0; i < 60000 && !InClub; ++i) {
      Match& m = TheMatch;
      const bool fresh = m.state != last;
      last = m.state;
      if (fresh && m.state == MatchState::TapMove) {
        const std::uint32_t state = RandomState();
        m.duel.aiLevel = static_cast<std::int8_t>(cls);
        MoveChoice expected;
        ASSERT_TRUE(ChooseMove(m.duel, m.board, m.hands[0], m.piles[0].count, 0, expected));
        SeedRandom(state);
        m.duel.aiLevel = static_cast<std::int8_t>(2 - cls);  // a stale skill must not matter
        const std::size_t before = Events.size();
        while (Events.size() == before && !InClub) {
          MatchFrame();
          platform::SleepMs(16);
        }
        ASSERT_GT(Events.size(), before);
        const MatchEvent& e = Events[before];
        if (expected.slot == TakeCardSlot) {
          EXPECT_EQ(e.kind, MatchEvent::Draw);
        } else {
          EXPECT_EQ(e.kind, MatchEvent::Place);
          EXPECT_EQ(e.slot, expected.slot);
          EXPECT_EQ(e.ax, expected.x);
          EXPECT_EQ(e.ay, expected.y);
        }
        EXPECT_EQ(e.side, 0);
        ++checkedMoves;
        last = m.state;
        continue;
      }
      if (fresh && (m.state == MatchState::TapAttack || m.state == MatchState::TapMultiHit)) {
        const bool chain = m.state == MatchState::TapMultiHit;
        const std::uint32_t state = RandomState();
        m.duel.aiLevel = static_cast<std::int8_t>(cls);
        AttackChoice expected;
        ASSERT_TRUE(chain ? ChooseChainAttack(m.duel, m.board, m.chainSide, m.attacker.x, m.attacker.y, expected)
                          : ChooseAttack(m.duel, m.board, 0, m.attacker.x, m.attacker.y, expected));
        SeedRandom(state);
        const std::size_t before = Events.size();
        while (Events.size() == before && !InClub) {
          MatchFrame();
          platform::SleepMs(16);
        }
        ASSERT_GT(Events.size(), before);
        const MatchEvent& e = Events[before];
        EXPECT_EQ(e.kind, chain ? MatchEvent::Chain : MatchEvent::Attack);
        EXPECT_EQ(e.tx, expected.x);
        EXPECT_EQ(e.ty, expected.y);
        ++checkedTargets;
        last = m.state;
        continue;
      }
      MatchFrame();
      platform::SleepMs(16);
    }
    ClearAutoplay();
    EXPECT_EQ(InClub, 1) << "class " << cls;
    EXPECT_GE(checkedMoves, 6) << "class " << cls;
    EXPECT_GE(checkedTargets, 1) << "class " << cls;
  }
}

TEST(Autoplay, ThePlayersStylusWaitsWhileTheComputerPlays) {
  SetUpMatchTable();
  MakeCharacter(CurrentPlayer, L"TESTER");
  SetAutoplay({0, 0});
  // A local first turn.
  for (std::uint32_t seed = 1;; ++seed) {
    ASSERT_LT(seed, 50u);
    SeedRandom(seed);
    StartClubDuel(0, 0);
    if (TheMatch.firstTurnState == MatchState::TapMove) break;
  }
  AutoDuel duel;
  while (TheMatch.state != MatchState::TapMove) {
    MatchFrame();
    platform::SleepMs(16);
  }
  // The player's tap on a hand card and on the pile does nothing.
  Tap(62 + 16, 264 + 25);
  Tap(29, 284);
  EXPECT_EQ(TheMatch.state, MatchState::TapMove);
  EXPECT_EQ(TheMatch.hasDrawn, 0);
  // Autoplay off: the same tap lifts the card again.
  ClearAutoplay();
  MatchStylusDown(62 + 16, 264 + 25);
  EXPECT_EQ(TheMatch.state, MatchState::DragCard);
  MatchStylusUp(62 + 16, 264 + 25);
  EXPECT_EQ(TheMatch.state, MatchState::TapMove);
  // On again in mid-turn: the computer takes over from here and finishes the duel.
  SetAutoplay({1, 1});
  EXPECT_TRUE(RunWithoutStylus(duel));
  ClearAutoplay();
}

TEST(Autoplay, TheFinalChallengePlaysTheBlueSide) {
  SetUpMatchTable();
  MakeCharacter(CurrentPlayer, L"TESTER");
  SetAutoplay({2, 3});
  SeedRandom(5);
  StartFinalChallenge();
  AutoDuel duel;
  EXPECT_TRUE(RunWithoutStylus(duel));
  ClearAutoplay();
  TheMatch.finalChallenge = 0;
  const std::string t = TranscriptOfEvents();
  EXPECT_NE(t.find(" 1 place "), std::string::npos) << t;
  EXPECT_TRUE(duel.full);
}

TEST(Autoplay, ArgumentsNameAClassAndATier) {
  AutoplayPlayer p;
  std::string error;
  ASSERT_TRUE(ParseAutoplayPlayer("Elite:3", p, error));
  EXPECT_EQ(p.opponentClass, 2);
  EXPECT_EQ(p.tier, 3);
  ASSERT_TRUE(ParseAutoplayPlayer("1:0", p, error));
  EXPECT_EQ(AutoplayPlayerText(p), "member:0");
  for (const char* bad : {"", ":", "guest", "guest:-1", "guest:x", "knight:1", "0:1:2", " guest:1"})
    EXPECT_FALSE(ParseAutoplayPlayer(bad, p, error)) << bad;
}

}  // namespace
