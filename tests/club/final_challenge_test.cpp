// final_challenge_test.cpp -- the card master's lair in process: the scene, the duel it starts, the dismissal, the
// ending with its shake and credits, the phase kept by the quick save, and the credits' page slides.
#include <gtest/gtest.h>

#include <filesystem>

#include "club/club.h"
#include "club/end_credits.h"
#include "club/final_challenge_screen.h"
#include "club/typed_speech.h"
#include "core/random.h"
#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/save_bytes.h"
#include "gfx/font.h"
#include "gfx/screen_buffers.h"
#include "match/match.h"
#include "platform/clock.h"
#include "platform/game_state.h"
#include "tests/club/club_harness.h"

namespace {

namespace fs = std::filesystem;

class FinalChallenge : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpClub();
    for (int id = 1; id <= CardCount(); ++id) AddCopy(CurrentPlayer, id);
    for (int i = 0; i < DeckSize; ++i) AddToDeck(CurrentPlayer, CardCount() - i, false);
    for (auto& opponents : DuelStats.opponents)
      for (OpponentResults& r : opponents) r.victories = 1;
    for (std::int16_t& won : DuelStats.tourneysWon) won = 1;
    CurrentPlayer.credits = 50000;
  }
  void TearDown() override { InClub = 1; }

  // Through the gate (paying) and the fade, to the lair waiting for its first tap.
  FinalChallengeScreen& EnterLair() {
    Club& c = GameClub;
    c.currentRoom = RoomHellGate;
    c.position = 10;
    KeyFlags[KeyA] = true;
    ClubFrameOnce();
    EXPECT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenFinalChallenge && GameClub.ready; }));
    return *static_cast<FinalChallengeScreen*>(c.finalChallengeScreen.get());
  }
  // The first tap: the scene runs through and the duel begins.
  void RunScene() {
    ClubStylusDown(120, 160);
    ClubStylusUp(120, 160);
  }
  // The duel hands back with a result (the main loop's redraw, then the club's pass).
  void DuelEnds(std::uint8_t result) {
    MatchResult = result;
    InClub = 1;
    RedrawCurrentScreen(0);
    ClubFrameOnce();
  }
};

TEST_F(FinalChallenge, TheSceneStartsTheBossDuelWithThePlayerAsBlue) {
  FinalChallengeScreen& lair = EnterLair();
  EXPECT_EQ(CurrentPlayer.credits, 0);
  EXPECT_EQ(lair.Phase(), FinalBeforeDuel);
  const std::uint32_t before = platform::TickCount();
  RunScene();
  // Four speeches of about 150 to 200 characters typed at 50 ms each, and the waits between them.
  EXPECT_GT(platform::TickCount() - before, 25000u);
  EXPECT_EQ(lair.Phase(), FinalDuelLaunched);
  EXPECT_EQ(InClub, 0);
  EXPECT_EQ(TheMatch.finalChallenge, 1);
  EXPECT_EQ(TheMatch.players[0], &OtherPlayer);
  EXPECT_EQ(OtherPlayer.name, L"SAINT VIZUD");
  EXPECT_EQ(TheMatch.players[1], &CurrentPlayer);
  int super = 0;
  for (const Card& card : OtherPlayer.deck.slots) super += card.id > CardCount();
  EXPECT_GE(super, 1);
}

TEST_F(FinalChallenge, ALostDuelIsDismissedToTheCorridorAndTheFeeIsGone) {
  FinalChallengeScreen& lair = EnterLair();
  RunScene();
  ASSERT_EQ(lair.Phase(), FinalDuelLaunched);
  DuelEnds(0);
  Club& c = GameClub;
  EXPECT_EQ(c.currentScreen, ScreenCorridor);
  EXPECT_EQ(c.currentRoom, RoomHellGate);
  ClubFrameOnce();  // the closed screen is freed on the next pass
  EXPECT_EQ(OpenClubScreens(), "none");
  EXPECT_EQ(CurrentPlayer.credits, 0);
  // A tie is no win either.
  SetUp();
  EnterLair();
  RunScene();
  DuelEnds(2);
  EXPECT_EQ(GameClub.currentScreen, ScreenCorridor);
  EXPECT_FALSE(GameClub.opening);
}

TEST_F(FinalChallenge, AWonDuelShakesWithTwoDrawsAStepAndEndsAtTheCharacters) {
  FinalChallengeScreen& lair = EnterLair();
  RunScene();
  SeedRandom(99);
  for (int i = 0; i < 2 * 255; ++i) RawRandom();
  const std::uint32_t afterShake = RandomState();
  SeedRandom(99);
  const std::uint32_t before = platform::TickCount();
  DuelEnds(1);
  // The speech, two 10 s waits and the twelve slides.
  EXPECT_GT(platform::TickCount() - before, 20000u);
  EXPECT_EQ(RandomState(), afterShake);
  (void)lair;
  Club& c = GameClub;
  EXPECT_EQ(c.currentRoom, RoomCharacters);
  EXPECT_EQ(c.position, 44);
  EXPECT_EQ(c.nextScreen, ScreenCharacter);
  EXPECT_TRUE(c.opening);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenCharacter && GameClub.ready; }));
  EXPECT_EQ(OpenClubScreens(), "character");
  // The shake's amplitude: s as a signed byte, shifted right by three.
  EXPECT_EQ(ShakeAmplitude(1), 0);
  EXPECT_EQ(ShakeAmplitude(127), 15);
  EXPECT_EQ(ShakeAmplitude(128), -16);
  EXPECT_EQ(ShakeAmplitude(255), -1);
}

TEST_F(FinalChallenge, TheQuickSaveKeepsThePhaseSoTheResultIsBookedAndNoFreeDuelFollows) {
  EnterLair();
  RunScene();
  // Quick-saved during the duel, read back by a new start.
  const std::vector<std::uint8_t> saved = ClubStateBytes();
  ResetClubState();
  ByteReader in(saved.data(), saved.size());
  ASSERT_TRUE(ReadClubState(in));
  CommitClubState();
  auto* lair = static_cast<FinalChallengeScreen*>(GameClub.finalChallengeScreen.get());
  ASSERT_NE(lair, nullptr);
  EXPECT_EQ(lair->Phase(), FinalDuelLaunched);
  // A tap on the resumed lair starts nothing: the duel was paid for once and played.
  InClub = 1;
  ClubStylusDown(120, 160);
  ClubStylusUp(120, 160);
  EXPECT_EQ(InClub, 1);
  EXPECT_EQ(lair->Phase(), FinalDuelLaunched);
  // The resumed duel's result is booked by the next pass.
  DuelEnds(0);
  EXPECT_EQ(GameClub.currentScreen, ScreenCorridor);

  // A record with a phase the lair does not have makes the quick save unreadable.
  std::vector<std::uint8_t> damaged = saved;
  ASSERT_FALSE(damaged.empty());
  damaged[damaged.size() - 1] = 3;
  ResetClubState();
  ByteReader bad(damaged.data(), damaged.size());
  EXPECT_FALSE(ReadClubState(bad));
  // A booked lair left open by a quick save only leads back to the corridor.
  std::vector<std::uint8_t> booked = saved;
  booked.back() = FinalDone;
  ByteReader done(booked.data(), booked.size());
  ASSERT_TRUE(ReadClubState(done));
  CommitClubState();
  ClubFrameOnce();
  EXPECT_EQ(GameClub.currentScreen, ScreenCorridor);
  EXPECT_EQ(InClub, 1);
}

TEST(CreditsSlides, PagesStopExactlyWhereTheyBelongAndAMissingPageHasNoFrames) {
  for (int width : {1, 20, 83, 144, 230, 240, 300}) {
    for (bool fromLeft : {true, false}) {
      const std::vector<int> path = PageSlidePath(width, fromLeft);
      ASSERT_FALSE(path.empty()) << width;
      const int target = fromLeft ? 10 : 240 - width;
      EXPECT_EQ(path.back(), target) << width << " " << fromLeft;
      int x = fromLeft ? -width : 240;
      int previousStep = 7;
      for (int next : path) {
        const int step = std::abs(next - x);
        // Moving towards the target every frame, never faster than before (the last step may be cut short).
        EXPECT_GE(step, 1);
        EXPECT_LE(step, previousStep);
        EXPECT_EQ(next > x, fromLeft);
        previousStep = step;
        x = next;
      }
    }
  }
  // A 40-wide person page: k = (40 / 6) / 2 = 3, and the speed drops by one at each multiple of 3.
  EXPECT_EQ(PageSlidePath(40, false), (std::vector<int>{234, 229, 224, 219, 215, 211, 207, 204, 202, 200}));
  // A 100-wide role page never stands on a multiple of k = 9: full speed, the last step cut to 2.
  const std::vector<int> role = PageSlidePath(100, true);
  ASSERT_EQ(role.size(), 19u);
  EXPECT_EQ(role[17], 8);
  // Mended: a page that did not load (width 0) slides nowhere, so the credits go on.
  EXPECT_TRUE(PageSlidePath(0, true).empty());
  EXPECT_TRUE(PageSlidePath(0, false).empty());
}

TEST(CreditsSlides, EveryPictureAndTuneOfTheLairAndTheCreditsIsInTheDataSet) {
  const fs::path root = DUSKHAVEN_CLUB_TEST_DATA;
  auto exists = [&root](std::wstring path) {
    std::string host(path.begin(), path.end());
    for (char& ch : host)
      if (ch == '\\') ch = '/';
    return fs::exists(root / host);
  };
  for (const CreditsPage& page : CreditsPages) EXPECT_TRUE(exists(page.path)) << fs::path(page.path);
  for (const wchar_t* person : CreditsPersonPaths) EXPECT_TRUE(exists(person)) << fs::path(person);
  for (const wchar_t* path : {L"GFX\\MENU\\HELL\\Dazorar1.QXJ", L"GFX\\MENU\\HELL\\Dazorar2.QXJ",
                              L"GFX\\CREDITS\\end credits.QXG", L"SOUNDS\\Boss.QXX", L"SOUNDS\\End credits.QXX"})
    EXPECT_TRUE(exists(path)) << fs::path(path);
  // The person pages in order of the slides: 1, 2, 3, 4, 1, 3, 5.
  const int persons[] = {1, 2, 4, 5, 7, 9, 11};
  const int expected[] = {0, 1, 2, 3, 0, 2, 4};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(std::wstring(CreditsPages[persons[k]].path), CreditsPersonPaths[expected[k]]);
}

// The rectangle that typing inked in buffer 0, from a cleared buffer.
struct Inked {
  int left = 240, right = -1, top = 320, bottom = -1;
};
Inked TypeOnClearedScreen(const std::wstring& text, int x, int row, int width, int colour) {
  ClearBuffer(0);
  const std::vector<std::uint16_t> blank = ScreenPixels(0);
  TypeSpeech(text, x, row, width, colour);
  const std::vector<std::uint16_t> typed = ScreenPixels(0);
  Inked r;
  for (int y = 0; y < 320; ++y)
    for (int px = 0; px < 240; ++px)
      if (typed[static_cast<std::size_t>(y * 240 + px)] != blank[static_cast<std::size_t>(y * 240 + px)]) {
        r.left = std::min(r.left, px);
        r.right = std::max(r.right, px);
        r.top = std::min(r.top, y);
        r.bottom = std::max(r.bottom, y);
      }
  return r;
}

TEST(TypedSpeech, WordsWrapInsideTheWidthAndEveryCharacterIsTyped) {
  SetUpClub();
  const std::wstring text =
      L"But soon you'll understand why they call me the card master. I'm not only a player, I'm also the essence of "
      L"the card universe.";
  const std::uint32_t before = platform::TickCount();
  const Inked r = TypeOnClearedScreen(text, 20, 260, 200, 5);
  EXPECT_GE(platform::TickCount() - before, 50u * text.size());
  EXPECT_GE(r.left, 20);
  EXPECT_LT(r.right, 220);
  EXPECT_GE(r.top, 260);
  // Wider than one line: it took several lines, LineHeight + 2 apart.
  const int lines = (r.bottom - 260) / (LineHeight(GameFont) + 2) + 1;
  EXPECT_GE(lines, 3);
  EXPECT_LE(r.bottom, 260 + lines * (LineHeight(GameFont) + 2));
}

TEST(TypedSpeech, AWordWiderThanTheLineBreaksAtTheEdgeInsteadOfOneLineACharacter) {
  SetUpClub();
  const std::wstring scream = L"AAAAARRRRRRRRRRHHHHHHHAAAARRRRHHHH!!";
  ASSERT_GT(TextWidth(GameFont, scream), 150);
  const Inked r = TypeOnClearedScreen(L"What are you doing to us all? " + scream, 50, 240, 150, 11);
  EXPECT_GE(r.left, 50);
  EXPECT_LT(r.right, 200);
  // Two or three lines, all on the screen (one line a letter would run past row 600).
  EXPECT_LT(r.bottom, 240 + 4 * (LineHeight(GameFont) + 2));
}

}  // namespace
