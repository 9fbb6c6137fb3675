// stylus_duel_test.cpp -- whole club duels played with the stylus against each class: wins, losses, ties and their
// cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/random.h"
#include "data/card_database.h"
#include "data/quick_save.h"
#include "data/save_file.h"
#include "match/match_internal.h"
#include "match/match_snapshot.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "tests/match/match_harness.h"

namespace {

struct DuelRun {
  std::uint8_t result = 2;
  int count0 = 0, count1 = 0;
  std::vector<int> rewards;  // in hand-over order
  bool perfect = false;
};

// One club duel of the character against roster opponent (index, class), played to the end.
// The caller sets up the table and the character first.
DuelRun PlayClubDuel(std::uint32_t seed, int index, int opponentClass, LocalStyle style) {
  SeedRandom(seed);
  StartClubDuel(index, opponentClass);
  EXPECT_EQ(InClub, 0);
  DuelRun run;
  EXPECT_TRUE(PlayUntil(MatchState::MatchOver, style));
  CountCards(TheMatch.board, run.count0, run.count1);
  run.perfect = IsPerfect(TheMatch.board);
  for (int k = TheMatch.rewardCount; k >= 1; --k) run.rewards.push_back(TheMatch.rewardCards[k]);
  EXPECT_TRUE(PlayToEnd(style));
  run.result = MatchResult;
  return run;
}

int ExpectedRewardCount(const DuelRun& run) {
  if (run.result == 2) return 0;
  if (run.result == 1) return 1;
  return std::min(4, (run.count0 + 3) / (run.count1 + 1));
}

void CheckSettled(const DuelRun& run, const std::map<int, int>& before) {
  EXPECT_EQ(InClub, 1);
  if (run.result == 2) {
    EXPECT_EQ(run.count0, run.count1);
    EXPECT_TRUE(run.rewards.empty());
  } else {
    EXPECT_EQ(run.result == 0, run.count0 > run.count1);
    EXPECT_LE(static_cast<int>(run.rewards.size()), ExpectedRewardCount(run));
    EXPECT_GE(run.rewards.size(), 1u);
  }
  // Each card handed over changes one count by one, and the boxes say so.
  std::map<int, int> expected = before;
  // A lost card the character does not own (one it had captured) leaves the collection as it was.
  for (int id : run.rewards) expected[id] = run.result == 0 ? expected[id] + 1 : std::max(0, expected[id] - 1);
  for (auto [id, count] : expected) EXPECT_EQ(CopiesOwned(CurrentPlayer, id), count) << "card " << id;
  // The save file holds the same collection.
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(platform::ReadWholeFile(CharacterSavePath(CurrentPlayer.slot), bytes));
  const SavedCharacter saved = DecodeCharacterFile(bytes);
  ASSERT_TRUE(saved.valid);
  for (int id = 1; id <= CollectionSize; ++id)
    EXPECT_EQ(CopiesOf(saved.record, id), CopiesOf(CurrentPlayer, id)) << "saved card " << id;
  int added = 0, removed = 0;
  for (const BoxRecord& b : ShownBoxes) {
    if (b.text.rfind(L"This card is added to your Collection.\nYou have now ", 0) == 0) ++added;
    if (b.text.rfind(L"This card is Removed to your Collection.\nYou have now ", 0) == 0) ++removed;
  }
  EXPECT_EQ(added, run.result == 0 ? static_cast<int>(run.rewards.size()) : 0);
  EXPECT_EQ(removed, run.result == 1 ? 1 : 0);
}

std::map<int, int> Owned(const std::vector<int>& ids) {
  std::map<int, int> m;
  for (int id : ids) m[id] = CopiesOwned(CurrentPlayer, id);
  return m;
}

// Plays seeds until the wanted result comes; the cards it handed over are checked.
void PlayUntilResult(int opponentClass, std::uint8_t wanted, LocalStyle style) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    SetUpMatchTable();
    MakeCharacter(CurrentPlayer, L"TESTER");
    DuelRun run = PlayClubDuel(seed, static_cast<int>(seed % 15), opponentClass, style);
    if (run.result != wanted || run.perfect) continue;
    // Replay the same duel from a fresh, saved character and check what changed hands.
    SetUpMatchTable();
    MakeCharacter(CurrentPlayer, L"TESTER");
    CurrentPlayer.slot = 2;
    ASSERT_TRUE(SaveCharacter());
    std::map<int, int> before = Owned(run.rewards);
    DuelRun again = PlayClubDuel(seed, static_cast<int>(seed % 15), opponentClass, style);
    ASSERT_EQ(again.result, run.result);
    CheckSettled(again, before);
    return;
  }
  ADD_FAILURE() << "no duel of class " << opponentClass << " ended with result " << int(wanted);
}

TEST(StylusDuel, WinsAgainstEachClassBringTheirCards) {
  for (int c = 0; c < 3; ++c) PlayUntilResult(c, 0, LocalStyle::Strong);
}

TEST(StylusDuel, LossesAgainstEachClassCostOneCard) {
  for (int c = 0; c < 3; ++c) PlayUntilResult(c, 1, LocalStyle::FirstFree);
}

TEST(StylusDuel, ATieHandsOverNothingAndLeavesOnATap) {
  for (std::uint32_t seed = 1; seed <= 120; ++seed) {
    for (LocalStyle style : {LocalStyle::Weak, LocalStyle::Strong}) {
      SetUpMatchTable();
      MakeCharacter(CurrentPlayer, L"TESTER");
      SeedRandom(seed);
      StartClubDuel(static_cast<int>(seed % 15), static_cast<int>(seed % 3));
      ASSERT_TRUE(PlayUntil(MatchState::MatchOver, style));
      int c0 = 0, c1 = 0;
      CountCards(TheMatch.board, c0, c1);
      if (c0 != c1) continue;
      EXPECT_EQ(TheMatch.rewardCount, 0);
      MatchFrame();  // the result: draw banner, then the wait for a tap
      EXPECT_EQ(MatchResult, 2);
      EXPECT_EQ(TheMatch.state, MatchState::TieWait);
      MatchFrame();
      EXPECT_EQ(TheMatch.state, MatchState::TieWait) << "waits for the tap";
      Tap(120, 100);
      MatchFrame();
      EXPECT_EQ(InClub, 1);
      EXPECT_TRUE(ShownBoxes.empty());
      return;
    }
  }
  ADD_FAILURE() << "no tie found";
}

// A missing picture would stop the run at its "Not found." box; every card picture shown must load.
TEST(StylusDuel, AFullDuelLoadsEveryPicture) {
  SetUpMatchTable();
  MakeCharacter(CurrentPlayer, L"TESTER");
  PlayClubDuel(5, 3, 1, LocalStyle::Strong);
  for (const BoxRecord& b : ShownBoxes) EXPECT_EQ(b.text.find(L"Not found."), std::wstring::npos);
  EXPECT_EQ(DuelPictureFailures(), 0);
}

bool SameEvent(const MatchEvent& a, const MatchEvent& b) {
  return a.kind == b.kind && a.side == b.side && a.slot == b.slot && a.id == b.id && a.ax == b.ax && a.ay == b.ay &&
         a.tx == b.tx && a.ty == b.ty && a.winner == b.winner && a.score == b.score;
}

TEST(StylusDuel, AQuickSaveMidDuelResumesToTheSameEnd) {
  SetUpMatchTable();
  MakeCharacter(CurrentPlayer, L"TESTER");
  CurrentPlayer.slot = 3;
  SeedRandom(31);
  StartClubDuel(7, 2);
  // Play five local turns; at the sixth, keep the duel as the quick save would.
  for (int turns = 0;; ++turns) {
    ASSERT_TRUE(PlayUntil(MatchState::TapMove, LocalStyle::Strong));
    ASSERT_EQ(InClub, 0) << "the duel ended before the quick save";
    if (turns == 5) break;
    PlayLocalStep(LocalStyle::Strong);
    ASSERT_NE(TheMatch.state, MatchState::TapMove);
  }
  // The program's exit path: the character and the quick save are written.
  ASSERT_TRUE(SaveCharacter());
  ASSERT_TRUE(QuickSave());
  const std::uint32_t generator = RandomState();
  const std::size_t saveIndex = Events.size();

  ASSERT_TRUE(PlayToEnd(LocalStyle::Strong));
  const std::uint8_t result = MatchResult;
  const Board finalBoard = TheMatch.board;
  const std::vector<MatchEvent> tail(Events.begin() + static_cast<std::ptrdiff_t>(saveIndex), Events.end());

  // A later run: the quick save brings back the character and the duel, which goes on.
  ResetPlayer(CurrentPlayer);
  CurrentPlayer.name.clear();
  InClub = 1;
  Events.clear();
  SeedRandom(generator);
  ASSERT_TRUE(QuickLoad());
  EXPECT_EQ(InClub, 0);
  EXPECT_EQ(CurrentPlayer.name, L"TESTER");
  EXPECT_FALSE(platform::FileExists(QuickSavePath)) << "read once, then deleted";
  ASSERT_TRUE(PlayToEnd(LocalStyle::Strong));
  EXPECT_EQ(MatchResult, result);
  ASSERT_EQ(Events.size(), tail.size());
  for (std::size_t i = 0; i < tail.size(); ++i) EXPECT_TRUE(SameEvent(Events[i], tail[i])) << "event " << i;
  for (int i = 0; i < BoardCells; ++i) {
    EXPECT_EQ(TheMatch.board.cells[i].owner, finalBoard.cells[i].owner) << "cell " << i;
    EXPECT_EQ(TheMatch.board.cells[i].card.id, finalBoard.cells[i].card.id) << "cell " << i;
  }
}

}  // namespace

namespace {

TEST(FinalChallenge, TheLocalPlayerIsBlueAgainstTheBoss) {
  SetUpMatchTable();
  MakeCharacter(CurrentPlayer, L"TESTER");
  CurrentPlayer.slot = 1;
  SeedRandom(2024);
  StartFinalChallenge();
  const Match& m = TheMatch;
  EXPECT_EQ(m.finalChallenge, 1);
  EXPECT_EQ(m.players[0], &OtherPlayer);
  EXPECT_EQ(OtherPlayer.name, L"SAINT VIZUD");
  EXPECT_EQ(m.players[1], &CurrentPlayer);
  EXPECT_EQ(LocalSide(), 1);
  int supers = 0;
  for (const Card& c : OtherPlayer.deck.slots) supers += c.id > CardCount();
  EXPECT_GE(supers, 1);
  ASSERT_TRUE(PlayUntil(MatchState::MatchOver, LocalStyle::Strong));
  // Each side placed cards of its own deck: the character's are blue.
  for (const MatchEvent& e : Events)
    if (e.kind == MatchEvent::Place) {
      EXPECT_TRUE(DeckContains(m.players[e.side]->deck, e.id)) << "card " << e.id << " of side " << int(e.side);
    }
  ASSERT_TRUE(PlayToEnd(LocalStyle::Strong));
  EXPECT_EQ(InClub, 1);
  int added = 0;
  for (const BoxRecord& b : ShownBoxes) added += b.text.rfind(L"This card is added", 0) == 0;
  EXPECT_LE(added, 1) << "one card at most changes hands in the final challenge";
}

}  // namespace
