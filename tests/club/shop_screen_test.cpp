// shop_screen_test.cpp -- buying boosters, their animation and pause, the deck services, the tutorial shop and its
// record.
#include <gtest/gtest.h>

#include "club/shop_screen.h"
#include "core/random.h"
#include "data/card_database.h"
#include "data/save_bytes.h"
#include "gfx/screen_buffers.h"
#include "tests/club/room_harness.h"

namespace {

// The centre of each shop button's place.
struct Point {
  int x, y;
};
const Point ButtonAt[ShopButtonCount] = {{63, 76},   {63, 91},  {63, 106}, {63, 122}, {64, 137},
                                         {206, 302}, {33, 191}, {33, 213}, {33, 236}, {31, 258}};

class ShopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpRoom();
    shop = std::make_unique<ShopScreen>([this](bool highlight) { opened.push_back(highlight); });
  }
  bool Press(int button) {
    shop->StylusDown(ButtonAt[button].x, ButtonAt[button].y);
    return shop->StylusUp(ButtonAt[button].x, ButtonAt[button].y);
  }
  // Frames until the animation has run; the number of passes it took.
  int RunAnimation() {
    int passes = 0;
    while (shop->Animating() && passes < 50) {
      shop->Frame();
      ++passes;
    }
    return passes;
  }
  std::unique_ptr<ShopScreen> shop;
  std::vector<bool> opened;
};

int CountLevel(const PlayerRecord& r, int level) {
  const int q = CardCount() / 4;
  int n = 0;
  for (int id = (level - 1) * q + 1; id <= level * q; ++id) n += CopiesOf(r, id);
  return n;
}

}  // namespace

TEST_F(ShopTest, TenBoostersForSeventeenHundredAreEightyCardsFortyThirtyTen) {
  CurrentPlayer.credits = 1700;
  SeedRandom(11);
  EXPECT_FALSE(Press(4));
  EXPECT_TRUE(shop->Animating());
  EXPECT_EQ(CurrentPlayer.credits, 0);
  EXPECT_EQ(CurrentPlayer.cardTotal, 80);
  EXPECT_EQ(CountLevel(CurrentPlayer, 1), 40);
  EXPECT_EQ(CountLevel(CurrentPlayer, 2), 30);
  EXPECT_EQ(CountLevel(CurrentPlayer, 3) + CountLevel(CurrentPlayer, 4), 10);
  for (int i = 0; i < LastBoosterSize; ++i) EXPECT_GE(CurrentPlayer.lastBooster[i], 1);
  const SavedCharacter saved = SavedCurrentCharacter();
  ASSERT_TRUE(saved.valid);
  EXPECT_EQ(saved.record.credits, 0);
  EXPECT_EQ(saved.record.cardTotal, 80);
  EXPECT_TRUE(RoomBoxes.empty());
}

TEST_F(ShopTest, ThePriceIsTheLimitAndAShortPurseChangesNothing) {
  CurrentPlayer.credits = 199;
  Press(0);
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(RoomBoxes[0].text, L"You need 200 Credits to buy this Booster, please come back later.");
  EXPECT_FALSE(shop->Animating());
  EXPECT_EQ(CurrentPlayer.cardTotal, 0);
  EXPECT_EQ(CurrentPlayer.credits, 199);
  Press(3);
  EXPECT_EQ(RoomBoxes[1].text, NeedCreditsText(900));

  CurrentPlayer.credits = 200;
  Press(0);
  EXPECT_TRUE(shop->Animating());
  EXPECT_EQ(CurrentPlayer.credits, 0);
  EXPECT_EQ(CurrentPlayer.cardTotal, 8);
  for (int i = 8; i < LastBoosterSize; ++i) EXPECT_EQ(CurrentPlayer.lastBooster[i], -1);
  // Nothing answers the buttons while the boosters open.
  Press(5);
  EXPECT_TRUE(shop->Animating());
}

TEST_F(ShopTest, APurchaseThatCannotBeSavedIsUndoneAndSaysSo) {
  CurrentPlayer.credits = 700;
  AddCopy(CurrentPlayer, 3);
  CurrentPlayer.lastBooster[0] = 3;
  BlockSaving(true);
  Press(2);
  BlockSaving(false);
  EXPECT_FALSE(shop->Animating());
  EXPECT_EQ(CurrentPlayer.credits, 700);
  EXPECT_EQ(CurrentPlayer.cardTotal, 1);
  EXPECT_EQ(CopiesOf(CurrentPlayer, 3), 1);
  EXPECT_EQ(CurrentPlayer.lastBooster[0], 3);
  EXPECT_EQ(CurrentPlayer.lastBooster[1], -1);
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_NE(RoomBoxes[0].text.find(L"could not be saved"), std::wstring::npos);
}

TEST_F(ShopTest, TheAnimationTakesTwelvePassesThenTheManagerOpensAfterASecondOrATap) {
  CurrentPlayer.credits = 800;
  Press(1);
  EXPECT_EQ(RunAnimation(), 12);
  EXPECT_TRUE(shop->ManagerPending());
  shop->Frame();
  EXPECT_TRUE(opened.empty());
  PassTime(1001);
  shop->Frame();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_TRUE(opened[0]);  // the new cards are highlighted
  EXPECT_FALSE(shop->ManagerPending());

  // A tap during the pause opens it at once, and the release does nothing more.
  Press(1);
  RunAnimation();
  shop->StylusDown(ButtonAt[5].x, ButtonAt[5].y);
  EXPECT_EQ(opened.size(), 2u);
  EXPECT_FALSE(shop->StylusUp(ButtonAt[5].x, ButtonAt[5].y));
}

TEST_F(ShopTest, DeckServicesShowTheirBoxesAndAreSaved) {
  for (int id = 1; id <= 20; ++id) AddCopy(CurrentPlayer, id);
  AddCopy(CurrentPlayer, 2);
  AddCopy(CurrentPlayer, 2);
  AddCopy(CurrentPlayer, 7);
  CurrentPlayer.credits = 10;
  Press(9);
  EXPECT_EQ(RoomBoxes.back().text, L"Your deck is done !");
  EXPECT_EQ(CurrentPlayer.deck.count, 16);
  EXPECT_EQ(SavedCurrentCharacter().deckCount, 16);

  const std::int32_t expected = 10 + 2 * LoadCard(2).price + LoadCard(7).price;
  Press(8);
  EXPECT_EQ(RoomBoxes.back().text, SoldCardsText(3, expected - 10));
  EXPECT_EQ(CurrentPlayer.credits, expected);
  EXPECT_EQ(SavedCurrentCharacter().record.credits, expected);
  EXPECT_EQ(CurrentPlayer.deck.count, 16);
  Press(8);
  EXPECT_EQ(RoomBoxes.back().text, L"You sold 0 cards for 0 Credits");

  Press(7);
  EXPECT_EQ(RoomBoxes.back().text, L"Deck Cleared.");
  EXPECT_EQ(CurrentPlayer.deck.count, 0);
  EXPECT_EQ(SavedCurrentCharacter().deckCount, 0);

  for (int id = 3; id <= 20; ++id) RemoveCopy(CurrentPlayer, id);
  Press(9);
  EXPECT_EQ(RoomBoxes.back().text, L"Error ! \n\nCards are mising to make a full deck !");
  EXPECT_EQ(CurrentPlayer.deck.count, 2);

  Press(6);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_FALSE(opened[0]);
  EXPECT_TRUE(Press(5));
}

TEST_F(ShopTest, TheTutorialShopGivesAFreeBoosterThenASpreadAndSendsToTheManager) {
  shop->SetTutorial(true);
  shop->SetTutorialStage(4);
  Press(7);
  EXPECT_EQ(RoomBoxes.back().text,
            L"You have to buy a booster to continue the turorial !\n\nHINT: A rare card is a card level 3 or more.");
  EXPECT_EQ(RoomBoxes.back().left, L"Ok");
  const std::int32_t credits = CurrentPlayer.credits;
  Press(0);
  EXPECT_TRUE(shop->Animating());
  EXPECT_EQ(CurrentPlayer.credits, credits);
  EXPECT_EQ(CurrentPlayer.cardTotal, 0);
  RunAnimation();
  shop->StylusDown(10, 10);  // the tap ends the pause
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(shop->TutorialStage(), 5);
  EXPECT_NE(RoomBoxes.back().text.find(L"Click on the Enter Manager button"), std::wstring::npos);
  EXPECT_GT(CurrentPlayer.cardTotal, CardCount() / 4);
  EXPECT_EQ(SavedCurrentCharacter().record.cardTotal, CurrentPlayer.cardTotal);
  shop->StylusUp(10, 10);

  Press(9);
  EXPECT_EQ(RoomBoxes.back().text,
            L"You have go to the Card Manager !\n\n HINT: The card manager is not shared by all your characters. ");
  EXPECT_TRUE(Press(6));
  ASSERT_EQ(opened.size(), 1u);
}

TEST_F(ShopTest, ItsRecordIsTheTutorialFlagAndStage) {
  shop->SetTutorial(true);
  shop->SetTutorialStage(5);
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  shop->SaveState(out);
  ASSERT_EQ(bytes, (std::vector<std::uint8_t>{1, 5}));
  ShopScreen again({});
  ByteReader in(bytes);
  ASSERT_TRUE(again.LoadState(in));
  EXPECT_TRUE(again.Tutorial());
  EXPECT_EQ(again.TutorialStage(), 5);
  EXPECT_FALSE(again.Animating());

  const std::vector<std::uint8_t> shortRecord{1};
  ByteReader bad(shortRecord);
  EXPECT_FALSE(again.LoadState(bad));
}
