// corridor_test.cpp -- walking, the rooms, the quick menu, the Hell gate and the screen changes.
#include <gtest/gtest.h>

#include <cwchar>
#include <filesystem>

#include "club/club.h"
#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "platform/game_state.h"
#include "tests/club/club_harness.h"

namespace {

class Corridor : public ::testing::Test {
 protected:
  void SetUp() override { SetUpClub(); }
  Club& c = GameClub;
};

// The shop's Back and the card manager's Leave buttons.
constexpr int ShopBackX = 210, ShopBackY = 305;
constexpr int ManagerLeaveX = 203, ManagerLeaveY = 305;
// The back button of instant play and of the challenge.
constexpr int BackX = 212, BackY = 308;

// Walks one way until the club stands again; the position it stopped at.
int WalkToNextRoom(int direction) {
  StartWalk(direction);
  EXPECT_TRUE(RunClubUntil([] { return GameClub.walkDirection == 0; }));
  return GameClub.position;
}

TEST_F(Corridor, AFreshClubStandsInFrontOfInstantPlay) {
  EXPECT_EQ(c.currentRoom, RoomInstantPlay);
  EXPECT_EQ(c.position, 7);
  EXPECT_EQ(c.currentScreen, ScreenCorridor);
  EXPECT_TRUE(c.ready);
  EXPECT_EQ(OpenClubScreens(), "none");
}

TEST_F(Corridor, WalkingStopsAtEveryRoomAndWrapsBothWays) {
  const int right[] = {10, 14, 23, 27, 31, 38, 44, 47, 1, 7};
  for (int expected : right) {
    EXPECT_EQ(WalkToNextRoom(+1), expected);
    EXPECT_EQ(ClubRooms[c.currentRoom].position, expected);
    EXPECT_TRUE(c.ready);
    EXPECT_TRUE(c.typing);  // the room is presented at once
  }
  const int left[] = {1, 47, 44, 38, 31, 27, 23, 14, 10, 7};
  for (int expected : left) {
    EXPECT_EQ(WalkToNextRoom(-1), expected);
    EXPECT_EQ(ClubRooms[c.currentRoom].position, expected);
  }
}

TEST_F(Corridor, WalkingShowsEveryPositionBetweenRoomsAndTakesNoInput) {
  StartWalk(+1);  // from 7 to the Hell gate at 10
  EXPECT_FALSE(c.ready);
  EXPECT_EQ(c.titleOffset, 0);  // the title slid out before the first step
  int seen[3] = {};
  for (int i = 0; i < 3; ++i) {
    ClubFrameOnce();
    seen[i] = c.position;
  }
  EXPECT_EQ(seen[0], 8);
  EXPECT_EQ(seen[1], 9);
  EXPECT_EQ(seen[2], 10);
  EXPECT_EQ(c.currentRoom, RoomHellGate);
}

TEST_F(Corridor, KeysWalkAndEnterOnlyWhileReady) {
  KeyFlags[KeyRight] = true;
  ClubFrameOnce();
  EXPECT_FALSE(KeyFlags[KeyRight]);
  EXPECT_EQ(c.walkDirection, 1);
  KeyFlags[KeyLeft] = true;
  ClubFrameOnce();  // walking: the key waits
  EXPECT_TRUE(KeyFlags[KeyLeft]);
  // The pass that stops at the Hell gate takes the waiting key: back to 7.
  ASSERT_TRUE(RunClubUntil([] { return GameClub.position == 10; }));
  EXPECT_FALSE(KeyFlags[KeyLeft]);
  EXPECT_EQ(c.walkDirection, -1);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.walkDirection == 0; }));
  EXPECT_EQ(c.position, 7);
  KeyFlags[KeyA] = true;
  ClubFrameOnce();
  EXPECT_TRUE(c.entering);
  EXPECT_TRUE(c.enterRoom);
}

TEST_F(Corridor, ATapWhileTypingCompletesTitleAndText) {
  RunClubFrames(6);
  ASSERT_TRUE(c.typing);
  // Below the picture area and off the arrows: only the completion happens.
  ClubStylusDown(120, 300);
  EXPECT_FALSE(c.typing);
  EXPECT_EQ(c.charIndex, static_cast<int>(std::wcslen(ClubRooms[RoomInstantPlay].description)));
  EXPECT_EQ(c.titleOffset, c.title.Width());
  EXPECT_FALSE(c.entering);
  // The completion breaks lines inside words: every line stays left of x 230.
  EXPECT_LT(c.textX, 230);
  EXPECT_GT(c.textY, 250);
}

TEST_F(Corridor, TheDescriptionIsTypedOneCharacterEveryFourthPass) {
  RunClubFrames(8);
  EXPECT_EQ(c.charIndex, 2);
  ASSERT_TRUE(RunClubUntil([] { return !GameClub.typing; }, 4000));
  EXPECT_TRUE(c.typingDone);
  EXPECT_TRUE(c.slideDone);
  EXPECT_LT(c.textX, 231);
}

TEST_F(Corridor, TheArrowsWalkOnReleaseInsideThem) {
  ClubStylusDown(5, 135);
  ClubStylusUp(100, 135);  // released outside: nothing
  EXPECT_EQ(c.walkDirection, 0);
  EXPECT_TRUE(c.ready);
  ClubStylusDown(225, 135);
  ClubStylusUp(225, 135);
  EXPECT_EQ(c.walkDirection, 1);
}

// The quick menu's tab, and an item's row in the open panel.
int TabX() { return 239; }
int ItemRow(int item) { return 12 * item + 2 + 5; }

TEST_F(Corridor, QuickMenuItemsLeadIntoTheirRooms) {
  ASSERT_GT(c.quickMenuPanel.Width(), 0) << "no quick menu picture";
  const int rooms[] = {RoomCharacters,      RoomOptions,  RoomGuestTournament, RoomMemberTournament,
                       RoomEliteTournament, RoomCardShop, RoomInstantPlay,     RoomMultiplayer};
  for (int item = 0; item < 8; ++item) {
    SetUpClub();
    QueueTap(TabX(), ItemRow(item));
    ClubStylusDown(TabX(), 5);
    EXPECT_EQ(c.currentRoom, rooms[item]) << item;
    EXPECT_EQ(c.position, ClubRooms[rooms[item]].position) << item;
    EXPECT_TRUE(c.entering) << item;
    EXPECT_TRUE(c.enterRoom) << item;
  }
}

TEST_F(Corridor, QuickMenuClosesWithoutActingOnAnotherItemOrOutside) {
  ASSERT_GT(c.quickMenuPanel.Width(), 0);
  QueueGesture(TabX(), ItemRow(2), TabX(), ItemRow(3));  // released on another item
  ClubStylusDown(TabX(), 5);
  EXPECT_EQ(c.position, 7);
  EXPECT_FALSE(c.entering);
  QueueTap(10, 200);  // outside the panel
  ClubStylusDown(TabX(), 5);
  EXPECT_EQ(c.position, 7);
  EXPECT_FALSE(c.entering);
  // Below the nine items (the tab itself) only closes the menu too.
  if (c.quickMenuPanel.Height() > ItemRow(9)) {
    QueueTap(TabX(), ItemRow(9));
    ClubStylusDown(TabX(), 5);
    EXPECT_FALSE(c.entering);
  }
  EXPECT_TRUE(c.ready);
}

TEST_F(Corridor, QuickMenuQuitAsksTheProgramToQuit) {
  ASSERT_GT(c.quickMenuPanel.Width(), 0);
  int quits = 0;
  ClubQuitGame = [&quits] { ++quits; };
  QueueTap(TabX(), ItemRow(8));
  ClubStylusDown(TabX(), 5);
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(c.position, 7);
  ClubQuitGame = nullptr;
}

// A character that meets every condition of the Hell gate but the money.
void MakeChampion(std::int32_t credits) {
  for (int id = 1; id <= CardCount(); ++id) AddCopy(CurrentPlayer, id);
  for (int i = 0; i < DeckSize; ++i) AddToDeck(CurrentPlayer, i + 1, false);
  for (auto& opponents : DuelStats.opponents)
    for (OpponentResults& r : opponents) r.victories = 1;
  for (std::int16_t& won : DuelStats.tourneysWon) won = 1;
  CurrentPlayer.credits = credits;
}

TEST_F(Corridor, HellGateChecksInOrderAndRefusesWithItsBoxes) {
  EXPECT_FALSE(CanEnterFinalChallenge());
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(RoomBoxes[0].text.rfind(L"You don't have enough card to pretend", 0), 0u);
  MakeChampion(49999);
  DuelStats.opponents[2][14].victories = 0;
  EXPECT_FALSE(CanEnterFinalChallenge());
  EXPECT_EQ(RoomBoxes.back().text, L"You need to beat all the opponents before hoping to enter here !");
  DuelStats.opponents[2][14].victories = 1;
  DuelStats.tourneysWon[1] = 0;
  EXPECT_FALSE(CanEnterFinalChallenge());
  EXPECT_EQ(RoomBoxes.back().text, L"You need to have won all the tournaments to enter here ! \nCome back later ...");
  DuelStats.tourneysWon[1] = 1;
  EXPECT_FALSE(CanEnterFinalChallenge());
  EXPECT_EQ(RoomBoxes.back().text, L"You don't have enough money to enter here, you need 50000 Credits!");
  EXPECT_EQ(CurrentPlayer.credits, 49999);
}

TEST_F(Corridor, HellGateChargesOnceAndKeepsTheFeeSaved) {
  MakeChampion(60000);
  CurrentPlayer.slot = 3;
  std::filesystem::remove(ClubInstallDir() + "/SAVE/Player3.QXP");
  c.currentRoom = RoomHellGate;
  c.position = 10;
  RoomBoxAnswers = {true};  // "Cancel"
  KeyFlags[KeyA] = true;
  ClubFrameOnce();
  EXPECT_EQ(CurrentPlayer.credits, 60000);
  EXPECT_FALSE(c.entering);
  RoomBoxes.clear();
  KeyFlags[KeyA] = true;  // "Ok" this time
  ClubFrameOnce();
  EXPECT_EQ(CurrentPlayer.credits, 10000);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenFinalChallenge; }));
  // One question only: the room did not ask (or charge) again on opening.
  EXPECT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(CurrentPlayer.credits, 10000);
  ASSERT_TRUE(LoadCharacter(3));
  EXPECT_EQ(CurrentPlayer.credits, 10000);
  std::filesystem::remove(ClubInstallDir() + "/SAVE/Player3.QXP");
}

TEST_F(Corridor, EnteringARoomDarkensOpensAndBrightensInEightPassesEach) {
  BeginEnterRoom(true);
  RunClubFrames(8);
  EXPECT_TRUE(c.entering);
  EXPECT_EQ(OpenClubScreens(), "none");
  ClubFrameOnce();  // the ninth pass opens the room's screen
  EXPECT_FALSE(c.entering);
  EXPECT_TRUE(c.opening);
  EXPECT_EQ(OpenClubScreens(), "instantPlay");
  EXPECT_EQ(c.currentScreen, ScreenCorridor);
  RunClubFrames(9);
  EXPECT_EQ(c.currentScreen, ScreenInstantPlay);
  EXPECT_TRUE(c.ready);
  // Leaving by its back button: the screen is closed and the corridor fades back in.
  ClubStylusDown(BackX, BackY);
  ClubStylusUp(BackX, BackY);
  EXPECT_EQ(OpenClubScreens(), "none");
  EXPECT_EQ(c.currentScreen, ScreenCorridor);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.ready; }));
  EXPECT_TRUE(c.typing);
  EXPECT_EQ(c.position, 7);
}

TEST_F(Corridor, ATournamentWithoutSixteenCardsLeadsToTheShopAndBack) {
  c.currentRoom = RoomGuestTournament;
  c.position = 23;
  BeginEnterRoom(true);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenShop; }));
  ASSERT_FALSE(RoomBoxes.empty());
  EXPECT_EQ(RoomBoxes[0].text,
            L"I don't have enough cards to play a game, I should buy some more.\nLet's go to the shop.");
  EXPECT_EQ(OpenClubScreens(), "shop");
  EXPECT_EQ(c.returnFromShop, ScreenCorridor);
  ClubStylusDown(ShopBackX, ShopBackY);
  ClubStylusUp(ShopBackX, ShopBackY);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.ready && GameClub.currentScreen == ScreenCorridor; }));
  EXPECT_EQ(c.position, 23);
  EXPECT_EQ(OpenClubScreens(), "none");
}

TEST_F(Corridor, ScreensOpenedOnTopReturnWhereTheyCameFrom) {
  OpenCardShop(ScreenCorridor);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenShop; }));
  OpenCardManager(ScreenShop);
  EXPECT_EQ(c.currentScreen, ScreenCardManager);
  EXPECT_EQ(OpenClubScreens(), "shop cardManager");
  ClubStylusDown(ManagerLeaveX, ManagerLeaveY);
  ClubStylusUp(ManagerLeaveX, ManagerLeaveY);
  EXPECT_EQ(c.currentScreen, ScreenShop);
  EXPECT_EQ(OpenClubScreens(), "shop");
  OpenChallenge(ScreenShop, 3);
  EXPECT_EQ(c.currentScreen, ScreenChallenge);
  ClubStylusDown(BackX, BackY);
  ClubStylusUp(BackX, BackY);
  EXPECT_EQ(c.currentScreen, ScreenShop);
}

TEST_F(Corridor, TheCharacterScreenLeftForAQuickGameComesBackAfterIt) {
  OpenCharacterSelection();
  ASSERT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenCharacter && GameClub.ready; }));
  // QUICKGAME: its release starts the duel.
  ClubStylusDown(120, 240);
  ClubStylusUp(120, 240);
  EXPECT_EQ(InClub, 0);
  EXPECT_EQ(c.currentScreen, ScreenCharacter);
  EXPECT_EQ(OpenClubScreens(), "none");
  InClub = 1;  // the duel handed back
  RedrawCurrentScreen(0);
  EXPECT_EQ(c.currentScreen, ScreenCharacter);
  EXPECT_EQ(OpenClubScreens(), "character");
}

}  // namespace
