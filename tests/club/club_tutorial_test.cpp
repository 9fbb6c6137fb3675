// club_tutorial_test.cpp -- the club's first-play tutorial in process: what each step lets through and refuses,
// the hand-over to the duel's tutorial, and the character and sound setting it leaves behind.
#include <gtest/gtest.h>

#include <memory>

#include "club/club.h"
#include "club/club_internal.h"
#include "club/club_tutorial.h"
#include "club/room_boxes.h"
#include "club/shop_screen.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/save_bytes.h"
#include "match/match.h"
#include "match/match_tutorial.h"
#include "platform/game_state.h"
#include "tests/club/club_harness.h"

namespace {

// A room screen standing in for a room of the tutorial: it counts the calls
// and, on a stylus-up, runs `onUp` and reports what it returns.
class StandInScreen : public ClubScreenBase {
 public:
  std::function<bool()> onUp = [] { return false; };
  bool tutorial = false;
  int stage = 0;
  void Enter() override {}
  void Frame() override {}
  void StylusDown(int, int) override {}
  bool StylusUp(int, int) override { return onUp(); }
  void Redraw(int) override {}
  void SaveState(ByteWriter&) const override {}
  bool LoadState(ByteReader&) override { return true; }
  void SetTutorial(bool on) override { tutorial = on; }
  void SetTutorialStage(std::uint8_t s) override { stage = s; }
};

class ClubTutorial : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpClub();
    CurrentPlayer.slot = 1;
    SoundOff = true;
  }
  void TearDown() override {
    GameClub.tutorialActive = false;
    SoundOff = true;
    TheMatch.tutorial = 0;
    InClub = 1;
  }
  // The tutorial started as the character screen starts it, the corridor fading in.
  void Start() {
    StartTutorial();
    BeginEnterRoom(false);
  }
  static bool Step(int s) { return GameClub.tutorialStep == s; }
  static std::wstring LastBox() { return RoomBoxes.empty() ? L"" : RoomBoxes.back().text; }
  static void Tap(int x, int y) {
    ClubStylusDown(x, y);
    ClubStylusUp(x, y);
  }
  static void Key(int key) {
    KeyFlags[key] = true;
    ClubFrameOnce();
  }
};

TEST_F(ClubTutorial, TheCorridorStepsLetThroughOnlyTheNextAction) {
  Club& c = GameClub;
  Start();
  ASSERT_TRUE(RunClubUntil([] { return Step(1); }));
  EXPECT_EQ(LastBox().substr(0, 24), L"To start with, you'll ne");
  EXPECT_FALSE(c.typing) << "the description was finished";

  // A tap beside the arrows and the action key are refused and change nothing.
  const std::vector<std::uint8_t> before = ClubStateBytes();
  Tap(120, 100);
  EXPECT_EQ(LastBox().substr(0, 24), L"You can't enter here, st");
  Key(KeyA);
  EXPECT_EQ(LastBox().substr(0, 24), L"You can't enter here, st");
  EXPECT_EQ(ClubStateBytes(), before);
  EXPECT_EQ(c.currentScreen, ScreenCorridor);

  // Walking right stops at the Hell gate first: no hint there, still step 1.
  Key(KeyRight);
  ASSERT_TRUE(RunClubUntil([&] { return c.walkDirection == 0; }));
  EXPECT_EQ(c.currentRoom, RoomHellGate);
  EXPECT_TRUE(Step(1));
  Key(KeyRight);
  ASSERT_TRUE(RunClubUntil([&] { return c.walkDirection == 0; }));
  EXPECT_EQ(c.currentRoom, RoomCardShop);
  EXPECT_TRUE(Step(2));
  EXPECT_EQ(LastBox().substr(0, 24), L"This is the Cardshop, Wh");

  // In front of the shop the arrows only explain; the picture enters.
  Key(KeyLeft);
  EXPECT_EQ(c.walkDirection, 0);
  EXPECT_EQ(c.currentRoom, RoomCardShop);
  EXPECT_EQ(LastBox().substr(0, 24), L"Click on the picture to ");
  const int boxes = static_cast<int>(RoomBoxes.size());
  Tap(230, 140);  // the right arrow: pressed and released on itself
  EXPECT_EQ(static_cast<int>(RoomBoxes.size()), boxes + 1);
  EXPECT_EQ(c.walkDirection, 0);
  Tap(120, 100);
  EXPECT_TRUE(Step(3));
  ASSERT_TRUE(RunClubUntil([] { return Step(4); }));
  EXPECT_EQ(c.currentScreen, ScreenShop);
  auto* shop = dynamic_cast<ShopScreen*>(c.shopScreen.get());
  ASSERT_NE(shop, nullptr);
  EXPECT_TRUE(shop->Tutorial());
  EXPECT_EQ(shop->TutorialStage(), 4);
  EXPECT_EQ(LastBox().substr(0, 24), L"Click on the button to b");
}

TEST_F(ClubTutorial, TheQuickMenuIsRefusedAndOnTheWayToInstantPlayItsCornerIsJustATap) {
  Club& c = GameClub;
  Start();
  ASSERT_TRUE(RunClubUntil([] { return Step(1); }));
  const int left = 240 - c.quickMenuPanel.Width();
  QueueTap(left + 10, 2 + 12 * 5 + 4);  // the card shop's item
  ClubStylusDown(left + 10, 5);
  EXPECT_EQ(LastBox(), L"The QuickMenu is not accessible in the tutorial.");
  EXPECT_EQ(c.currentRoom, RoomInstantPlay);
  EXPECT_FALSE(c.entering);

  c.tutorialStep = 6;
  ClubStylusDown(left + 10, 5);
  EXPECT_EQ(LastBox().substr(0, 24), L"No you can't enter here,");
}

TEST_F(ClubTutorial, InstantPlayAndTheChallengeHandTheBoardToTheDuelsTutorial) {
  Club& c = GameClub;
  Start();
  AddCopy(CurrentPlayer, 5);
  // Instant play faded in at step 8: it is put into its tutorial mode.
  auto list = std::make_unique<StandInScreen>();
  StandInScreen* listScreen = list.get();
  c.instantPlayScreen = std::move(list);
  c.currentScreen = ScreenInstantPlay;
  c.tutorialStep = 8;
  c.ready = true;
  TutorialAfterFadeIn(ScreenInstantPlay);
  EXPECT_TRUE(Step(9));
  EXPECT_TRUE(listScreen->tutorial);
  EXPECT_EQ(listScreen->stage, 9);
  EXPECT_EQ(LastBox().substr(0, 24), L"You start the game in th");

  // Choosing an opponent opens the challenge on top; the list closes.
  listScreen->onUp = [] {
    auto challenge = std::make_unique<StandInScreen>();
    challenge->onUp = [] {
      StartClubDuel(0, 0);
      return true;
    };
    GameClub.challengeScreen = std::move(challenge);
    GameClub.currentScreen = ScreenChallenge;
    return true;
  };
  Tap(100, 60);
  EXPECT_TRUE(Step(10));
  EXPECT_EQ(c.instantPlayScreen, nullptr);
  ASSERT_NE(c.challengeScreen, nullptr);

  // Ok starts the duel: the duel's tutorial has it, the club waits at instant play.
  c.position = 14;
  Tap(10, 305);
  EXPECT_TRUE(Step(11));
  EXPECT_FALSE(c.tutorialActive);
  EXPECT_EQ(c.challengeScreen, nullptr);
  EXPECT_EQ(InClub, 0);
  EXPECT_EQ(TheMatch.tutorial, 1);
  EXPECT_EQ(TheMatch.tutorialStep, TutorialFirstPage);
  EXPECT_EQ(c.currentRoom, RoomInstantPlay);
  EXPECT_EQ(c.position, 7);
  EXPECT_EQ(c.currentScreen, ScreenCorridor);
  EXPECT_EQ(CurrentPlayer.cardTotal, 0);
}

TEST_F(ClubTutorial, ARoomThatFinishesWithoutLeadingOnEndsTheTutorialInTheCorridor) {
  Club& c = GameClub;
  Start();
  auto list = std::make_unique<StandInScreen>();
  list->onUp = [] { return true; };  // no challenge opened
  c.instantPlayScreen = std::move(list);
  c.currentScreen = ScreenInstantPlay;
  c.tutorialStep = 9;
  c.ready = true;
  Tap(100, 60);
  EXPECT_FALSE(c.tutorialActive);
  EXPECT_EQ(c.currentScreen, ScreenCorridor);
  EXPECT_TRUE(c.entering) << "the corridor fades back in";
}

TEST_F(ClubTutorial, EndingKeepsTheSlotSavesTheFreshCharacterAndRestoresTheSoundSetting) {
  for (bool soundOff : {true, false}) {
    SetUp();
    SoundOff = soundOff;
    CurrentPlayer.credits = 900;
    for (int id = 1; id <= 20; ++id) AddCopy(CurrentPlayer, id);
    TradeBoxAdd(CurrentPlayer, 3);
    StartTutorial();
    EXPECT_TRUE(SoundOff) << "the tutorial runs silent";
    EndTutorial();
    EXPECT_FALSE(GameClub.tutorialActive);
    EXPECT_EQ(SoundOff, soundOff);
    EXPECT_EQ(CurrentPlayer.slot, 1);
    EXPECT_EQ(CurrentPlayer.name, L"Tess");
    EXPECT_EQ(CurrentPlayer.credits, NewCharacterCredits);
    EXPECT_EQ(CurrentPlayer.cardTotal, 0);
    EXPECT_EQ(TradeBoxCount(CurrentPlayer), 0);
    const SavedCharacter saved = SavedCurrentCharacter();
    EXPECT_TRUE(saved.valid);
    EXPECT_EQ(saved.record.credits, NewCharacterCredits);
    EXPECT_EQ(saved.record.cardTotal, 0);
    SoundOff = true;
  }
}

TEST_F(ClubTutorial, AQuickSaveResumedInsideTheTutorialRunsItSilentAgain) {
  Start();
  ASSERT_TRUE(RunClubUntil([] { return Step(1); }));
  const std::vector<std::uint8_t> bytes = ClubStateBytes();
  ResetClubState();
  SoundOff = false;  // the sound setting of the new start
  ByteReader in(bytes);
  ASSERT_TRUE(ReadClubState(in));
  CommitClubState();
  EXPECT_TRUE(GameClub.tutorialActive);
  EXPECT_TRUE(Step(1));
  EXPECT_TRUE(SoundOff);
  EndTutorial();
  EXPECT_FALSE(SoundOff) << "the setting of the new start comes back";
}

}  // namespace
