// tournament_screen_test.cpp -- the tournament room in process: joining and its refusals, rounds and duels booked,
// ties replayed, the closing message and prize, surrender, and the room's record in the quick save.
#include <gtest/gtest.h>

#include <deque>

#include "club/tournament_screen.h"
#include "core/random.h"
#include "data/deck_building.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/save_bytes.h"
#include "match/match.h"
#include "match/match_state.h"
#include "tests/club/room_harness.h"

namespace {

constexpr int StartNextX = 4, ButtonY = 310, BackX = 180;

class TournamentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpRoom();
    DuelStats = DuelStatistics{};
    for (int id = 1; id <= 20; ++id) AddCopy(CurrentPlayer, id);
    ASSERT_TRUE(QuickDeck(CurrentPlayer));
    CurrentPlayer.credits = 5000;
    ASSERT_TRUE(SaveCharacter());
    InClub = 1;
    SeedRandom(21);
    screen = std::make_unique<TournamentScreen>(0);
    screen->Enter();
  }
  void TearDown() override { InClub = 1; }

  bool Tap(int x, int y) {
    screen->StylusDown(x, y);
    return screen->StylusUp(x, y);
  }
  bool Next() { return Tap(StartNextX, ButtonY); }
  bool Start() { return Tap(StartNextX, ButtonY); }

  // The duel that Next began ends with this result and the club's next pass runs.
  void EndDuel(std::uint8_t result) {
    ASSERT_EQ(InClub, 0) << "no duel was started";
    MatchResult = result;
    InClub = 1;
    screen->Frame();
  }

  // Plays on from where the screen stands to the closing Next, the character's
  // duels ending with `results` in turn (then losses); the duels played.
  int PlayToTheEnd(std::deque<std::uint8_t> results) {
    int duels = 0;
    for (int guard = 0; guard < 100; ++guard) {
      switch (screen->State()) {
        case ShowBracket:
        case ShowResults:
          screen->Frame();
          break;
        case BracketShown:
        case ResultsShown:
          Next();
          break;
        case DuelRunning: {
          std::uint8_t r = 1;
          if (!results.empty()) {
            r = results.front();
            results.pop_front();
          }
          ++duels;
          EndDuel(r);
          break;
        }
        case WinnerShown:
          Next();
          return duels;
        default:
          ADD_FAILURE() << "state " << static_cast<int>(screen->State());
          return duels;
      }
    }
    ADD_FAILURE() << "the tournament did not end";
    return duels;
  }

  std::vector<std::uint8_t> Record() const {
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    screen->SaveState(out);
    return bytes;
  }

  std::unique_ptr<TournamentScreen> screen;
};

}  // namespace

TEST_F(TournamentTest, TheFeeIsAskedAboutUpToThreeFeesAndKeptAtOnce) {
  CurrentPlayer.credits = 901;
  Start();
  EXPECT_TRUE(RoomBoxes.empty()) << "asked with more than three fees";
  EXPECT_TRUE(screen->Joined());
  EXPECT_EQ(screen->State(), ShowBracket);
  EXPECT_EQ(CurrentPlayer.credits, 601);
  SavedCharacter saved = SavedCurrentCharacter();
  ASSERT_TRUE(saved.valid);
  EXPECT_EQ(saved.record.credits, 601);
  EXPECT_EQ(saved.stats.tourneysPlayed[0], 1);

  SetUp();
  CurrentPlayer.credits = 900;
  RoomBoxAnswers = {true};  // "Cancel"
  Start();
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(RoomBoxes[0].text, L"It will cost me 300 Credits to play this game.");
  EXPECT_EQ(RoomBoxes[0].left, L"Cancel");
  EXPECT_EQ(RoomBoxes[0].right, L"Ok");
  EXPECT_FALSE(screen->Joined());
  EXPECT_EQ(screen->State(), NotEntered);
  EXPECT_EQ(CurrentPlayer.credits, 900);
  EXPECT_EQ(DuelStats.tourneysPlayed[0], 0);
  Start();  // "Ok" this time
  EXPECT_TRUE(screen->Joined());
  EXPECT_EQ(CurrentPlayer.credits, 600);
}

TEST_F(TournamentTest, RefusalsComeInOrderAndChargeNothing) {
  CurrentPlayer.credits = 299;
  Start();
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(RoomBoxes[0].text, L"I can't join this tournament. I need 300 Credits");
  CurrentPlayer.credits = 5000;
  ClearDeck(CurrentPlayer);
  Start();
  ASSERT_EQ(RoomBoxes.size(), 2u);
  EXPECT_EQ(RoomBoxes[1].text, L"Not enough cards in my selected deck.");
  EXPECT_FALSE(screen->Joined());
  EXPECT_EQ(CurrentPlayer.credits, 5000);

  // The Member table needs every Guest beaten and the Guest tournament won.
  screen = std::make_unique<TournamentScreen>(1);
  for (auto& r : DuelStats.opponents[0]) r.victories = 1;
  Start();
  ASSERT_EQ(RoomBoxes.size(), 3u);
  EXPECT_EQ(RoomBoxes[2].text,
            L"I can't play on this table, I need to have beaten all guests players, and won the guest's tourney.");
  DuelStats.tourneysWon[0] = 1;
  ASSERT_TRUE(QuickDeck(CurrentPlayer));
  Start();
  EXPECT_TRUE(screen->Joined());
  EXPECT_EQ(CurrentPlayer.credits, 4000);

  // An entry that cannot be saved is not taken.
  screen = std::make_unique<TournamentScreen>(0);
  BlockSaving(true);
  Start();
  BlockSaving(false);
  EXPECT_FALSE(screen->Joined());
  EXPECT_EQ(CurrentPlayer.credits, 4000);
  EXPECT_EQ(DuelStats.tourneysPlayed[0], 0);
}

TEST_F(TournamentTest, AWholeGuestTournamentWonPaysThePrizeAndCountsAtTheClosingNext) {
  Start();
  ASSERT_TRUE(screen->Joined());
  const int duels = PlayToTheEnd({0, 0, 0, 0});
  EXPECT_EQ(duels, 4);
  ASSERT_FALSE(RoomBoxes.empty());
  EXPECT_EQ(RoomBoxes.back().text, L"Woohooo! I won the tournament, and 2000 Credits!");
  EXPECT_EQ(CurrentPlayer.credits, 5000 - 300 + 2000);
  EXPECT_EQ(DuelStats.tourneysWon[0], 1);
  EXPECT_EQ(DuelStats.tourneysPlayed[0], 1);
  int victories = 0;
  for (const auto& r : DuelStats.opponents[0]) victories += r.victories;
  EXPECT_EQ(victories, 4);
  const SavedCharacter saved = SavedCurrentCharacter();
  ASSERT_TRUE(saved.valid);
  EXPECT_EQ(saved.record.credits, 6700);
  EXPECT_EQ(saved.stats.tourneysWon[0], 1);
  // A new bracket waits for the next tournament.
  EXPECT_EQ(screen->State(), NotEntered);
  EXPECT_EQ(screen->Round(), 0);
  EXPECT_EQ(screen->RoundsWon(), 0);
  EXPECT_EQ(PlayersIn(screen->CurrentBracket()), 16);
}

TEST_F(TournamentTest, EachPlaceHasItsMessageAndOnlyTheFinalistsArePaid) {
  struct Case {
    std::deque<std::uint8_t> results;
    const wchar_t* text;
    int paid;
  };
  const Case cases[] = {
      {{}, L"Well, it seems that I REALLY need some training.", 0},
      {{0}, L"Looks like I need some more practice.", 0},
      {{0, 0}, L"Not that bad, maybe next time I'll reach the final. ", 0},
      {{0, 0, 0}, L"Yeahhh! I finished 2nd, little bit work and I'll be the champion. I won 1000 Credits!", 1000},
  };
  for (const Case& c : cases) {
    SetUp();
    Start();
    const int duels = PlayToTheEnd(c.results);
    EXPECT_EQ(duels, static_cast<int>(c.results.size()) + 1);
    ASSERT_FALSE(RoomBoxes.empty());
    EXPECT_EQ(RoomBoxes.back().text, c.text);
    EXPECT_EQ(CurrentPlayer.credits, 4700 + c.paid);
    EXPECT_EQ(DuelStats.tourneysWon[0], 0);
    EXPECT_EQ(SavedCurrentCharacter().record.credits, 4700 + c.paid);
  }
}

TEST_F(TournamentTest, ATieIsCountedOnceAndTheSameMatchIsPlayedAgainAtOnce) {
  Start();
  screen->Frame();
  Next();
  ASSERT_EQ(screen->State(), DuelRunning);
  const int opponent = screen->Opponent();
  EndDuel(2);
  EXPECT_EQ(screen->State(), DuelRunning);
  EXPECT_EQ(InClub, 0) << "the replay did not start";
  EXPECT_EQ(DuelStats.opponents[0][opponent].ties, 1);
  EXPECT_EQ(SavedCurrentCharacter().stats.opponents[0][opponent].ties, 1);
  EndDuel(0);
  EXPECT_EQ(screen->State(), ShowResults);
  EXPECT_EQ(DuelStats.opponents[0][opponent].ties, 1);
  EXPECT_EQ(DuelStats.opponents[0][opponent].victories, 1);
  EXPECT_EQ(screen->RoundsWon(), 1);
  EXPECT_EQ(SavedCurrentCharacter().stats.opponents[0][opponent].victories, 1);
}

TEST_F(TournamentTest, SurrenderAsksAndBackLeavesWithoutTheFee) {
  EXPECT_TRUE(Tap(BackX, ButtonY)) << "Back does not leave";
  Start();
  RoomBoxAnswers = {true};  // "No"
  EXPECT_FALSE(Tap(BackX, ButtonY));
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(RoomBoxes[0].text, L"Do you really want to leave this tournament ?");
  EXPECT_EQ(RoomBoxes[0].left, L"No");
  EXPECT_EQ(RoomBoxes[0].right, L"Ok");
  EXPECT_TRUE(Tap(BackX, ButtonY));
  EXPECT_EQ(CurrentPlayer.credits, 4700);
}

TEST_F(TournamentTest, AQuickSaveBetweenRoundsResumesToTheSamePrize) {
  Start();
  PlayToTheEnd({});  // a first tournament, lost: the room's state is not fresh
  Start();
  // Through the second round's results.
  for (int k = 0; k < 2; ++k) {
    while (screen->State() != ResultsShown) {
      if (screen->State() == DuelRunning)
        EndDuel(0);
      else if (screen->State() == BracketShown)
        Next();
      else
        screen->Frame();
    }
    if (k == 0) Next();
  }
  const std::vector<std::uint8_t> record = Record();
  ASSERT_EQ(record.size(), 2u + 32u + 6u + 4u);
  EXPECT_EQ(record[1], 1);  // round
  EXPECT_EQ(record[34], ResultsShown);

  // The uninterrupted tournament and the resumed one, from the same draws.
  const PlayerRecord before = CurrentPlayer;
  const DuelStatistics statsBefore = DuelStats;
  SeedRandom(77);
  PlayToTheEnd({0, 1});
  const std::int32_t straight = CurrentPlayer.credits;
  const std::vector<std::uint8_t> straightEnd = Record();

  CurrentPlayer = before;
  DuelStats = statsBefore;
  screen = std::make_unique<TournamentScreen>(2);  // as the club makes it, then reads the record
  ByteReader in(record);
  ASSERT_TRUE(screen->LoadState(in));
  EXPECT_EQ(screen->OpponentClass(), 0);
  EXPECT_EQ(Record(), record);
  SeedRandom(77);
  screen->ResumeFrame();
  PlayToTheEnd({0, 1});
  EXPECT_EQ(CurrentPlayer.credits, straight);
  EXPECT_EQ(straight, 4700 - 300 + 1000);  // runner-up
  EXPECT_EQ(Record(), straightEnd);
}

TEST_F(TournamentTest, AResumedWinnerStillHasItsNextAndPaysOnce) {
  Start();
  PlayToTheEnd({0, 0, 0});
  // Again, stopped with the winner shown.
  Start();
  std::deque<std::uint8_t> wins = {0, 0, 0, 0};
  while (screen->State() != WinnerShown) {
    if (screen->State() == DuelRunning) {
      EndDuel(wins.front());
      wins.pop_front();
    } else if (screen->State() == BracketShown || screen->State() == ResultsShown) {
      Next();
    } else {
      screen->Frame();
    }
  }
  const std::vector<std::uint8_t> record = Record();
  const std::int32_t credits = CurrentPlayer.credits;
  screen = std::make_unique<TournamentScreen>(0);
  ByteReader in(record);
  ASSERT_TRUE(screen->LoadState(in));
  screen->ResumeFrame();
  // Next and Surrender are there (Start and Back are not): the closing Next pays.
  RoomBoxes.clear();
  RoomBoxAnswers = {true};  // "No"
  EXPECT_FALSE(Tap(BackX, ButtonY)) << "Back is shown instead of Surrender";
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(RoomBoxes[0].text, L"Do you really want to leave this tournament ?");
  Next();
  ASSERT_FALSE(RoomBoxes.empty());
  EXPECT_EQ(RoomBoxes.back().text, L"Woohooo! I won the tournament, and 2000 Credits!");
  EXPECT_EQ(CurrentPlayer.credits, credits + 2000);
  EXPECT_EQ(DuelStats.tourneysWon[0], 1);
  // What a quick save holds from then on is a tournament not entered: nothing to pay again.
  const std::vector<std::uint8_t> after = Record();
  EXPECT_EQ(after[34], NotEntered);
  screen = std::make_unique<TournamentScreen>(0);
  ByteReader again(after);
  ASSERT_TRUE(screen->LoadState(again));
  screen->ResumeFrame();
  Next();  // Start stands there now: a new entry, no second prize
  EXPECT_TRUE(screen->Joined());
  EXPECT_EQ(CurrentPlayer.credits, credits + 2000 - 300);
  EXPECT_EQ(DuelStats.tourneysWon[0], 1);
}

TEST_F(TournamentTest, ADuelSavedUnbookedIsPlayedAgainNotBookedFromAStaleResult) {
  Start();
  screen->Frame();
  Next();
  ASSERT_EQ(screen->State(), DuelRunning);
  const int opponent = screen->Opponent();
  const std::vector<std::uint8_t> record = Record();
  // The duel ended and the club was back, but the save came before its pass.
  InClub = 1;
  MatchResult = 0;
  screen = std::make_unique<TournamentScreen>(0);
  ByteReader in(record);
  ASSERT_TRUE(screen->LoadState(in));
  screen->ResumeFrame();
  EXPECT_EQ(InClub, 0) << "the duel was not played again";
  EXPECT_EQ(screen->State(), DuelRunning);
  EXPECT_EQ(DuelStats.opponents[0][opponent].victories, 0);
  EXPECT_EQ(DuelStats.opponents[0][opponent].ties, 0);
  EXPECT_EQ(screen->RoundsWon(), 0);
  EndDuel(0);
  EXPECT_EQ(DuelStats.opponents[0][opponent].victories, 1);
}

TEST_F(TournamentTest, DamagedRecordsAreRefused) {
  Start();
  screen->Frame();
  Next();
  const std::vector<std::uint8_t> good = Record();
  const auto refused = [this](std::vector<std::uint8_t> bytes) {
    TournamentScreen other(0);
    ByteReader in(bytes);
    return !other.LoadState(in);
  };
  EXPECT_FALSE(refused(good));
  std::vector<std::uint8_t> b = good;
  b[0] = 3;  // class
  EXPECT_TRUE(refused(b));
  b = good;
  b[1] = 5;  // round
  EXPECT_TRUE(refused(b));
  b = good;
  b[2] = 15;  // no such participant
  EXPECT_TRUE(refused(b));
  b = good;
  b[2] = b[4];  // one participant twice among those still in
  b[3] = 0;
  b[5] = 0;
  EXPECT_TRUE(refused(b));
  b = good;
  b[35] = static_cast<std::uint8_t>((good[35] + 2) % 16);  // the duel is not the character's
  EXPECT_TRUE(refused(b));
  b = good;
  b[37] = 2;  // joined
  EXPECT_TRUE(refused(b));
  b = good;
  b.resize(b.size() - 1);
  EXPECT_TRUE(refused(b));
}
