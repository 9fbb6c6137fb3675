// card_manager_test.cpp -- pages, hit tests, dragging into the deck and the trade box, selling one card, zoom, new
// cards, tutorial.
#include <gtest/gtest.h>

#include <algorithm>

#include "club/card_manager_screen.h"
#include "data/card_database.h"
#include "data/deck_building.h"
#include "data/save_bytes.h"
#include "gfx/screen_buffers.h"
#include "platform/game_state.h"
#include "tests/club/room_harness.h"

namespace {

// A point just inside each manager button's corner (hit areas include their edges).
struct Point {
  int x, y;
};
const Point ButtonAt[ManagerButtonCount] = {{1, 100},   {1, 233}, {222, 100}, {1, 301},
                                            {203, 305}, {151, 1}, {61, 305},  {160, 305}};
enum { Previous = 0, ZoomB, Next, SellB, LeaveB, AddB, Left, Right };

int GridCentreX(int slot) { return GridSlotX(slot) + 16; }
int GridCentreY(int slot) { return GridSlotY(slot) + 25; }
int StripCentreX(int k) { return StripSlotX(k) + 16; }
constexpr int StripCentreY = StripY + 25;

class ManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpRoom();
    for (int id = 1; id <= 30; ++id) AddCopy(CurrentPlayer, id);
  }
  void Open(bool highlight = false, bool trade = false) {
    manager = std::make_unique<CardManagerScreen>(highlight, trade);
    manager->Enter();
  }
  bool Drag(int x0, int y0, int x1, int y1) {
    manager->StylusDown(x0, y0);
    manager->StylusMove((x0 + x1) / 2, (y0 + y1) / 2);
    manager->StylusMove(x1, y1);
    return manager->StylusUp(x1, y1);
  }
  bool Press(int button) {
    manager->StylusDown(ButtonAt[button].x, ButtonAt[button].y);
    return manager->StylusUp(ButtonAt[button].x, ButtonAt[button].y);
  }
  void Select(int slot) {
    manager->StylusDown(GridCentreX(slot), GridCentreY(slot));
    manager->StylusUp(GridCentreX(slot), GridCentreY(slot));
  }
  std::unique_ptr<CardManagerScreen> manager;
};

}  // namespace

TEST(ManagerPlaces, HitTestsAreStrictlyInsideTheGridAndInclusiveOnTheStrip) {
  EXPECT_EQ(GridSlotAt(18, 26), -1);
  EXPECT_EQ(GridSlotAt(19, 25), -1);
  EXPECT_EQ(GridSlotAt(19, 26), 0);
  EXPECT_EQ(GridSlotAt(49, 74), 0);
  EXPECT_EQ(GridSlotAt(50, 74), -1);
  EXPECT_EQ(GridSlotAt(49, 75), -1);
  EXPECT_EQ(GridSlotAt(51, 40), -1);  // the two-pixel gap between columns
  EXPECT_EQ(GridSlotAt(53, 40), 1);
  EXPECT_EQ(GridSlotAt(219, 230), 23);
  EXPECT_EQ(StripSlotAt(4, 247), 0);
  EXPECT_EQ(StripSlotAt(36, 297), 0);
  EXPECT_EQ(StripSlotAt(37, 260), 1);
  EXPECT_EQ(StripSlotAt(4, 246), -1);
  EXPECT_EQ(StripSlotAt(4, 298), -1);
  EXPECT_EQ(StripSlotAt(3, 260), -1);
  EXPECT_EQ(StripSlotAt(234, 260), 6);
  EXPECT_EQ(StripSlotAt(235, 260), -1);
  EXPECT_EQ(NextPageStart(312), 336);
  EXPECT_EQ(NextPageStart(336), 0);
  EXPECT_EQ(PreviousPageStart(0), 336);
  EXPECT_EQ(PreviousPageStart(24), 0);
}

TEST_F(ManagerTest, PagesWrapAndTheLastShowsTheEightLastCards) {
  Open();
  Press(Previous);
  EXPECT_EQ(manager->PageStart(), 336);
  EXPECT_EQ(manager->GridId(0), 337);
  EXPECT_EQ(manager->GridId(7), 344);
  EXPECT_EQ(manager->GridId(8), -1);
  Press(Next);
  EXPECT_EQ(manager->PageStart(), 0);
  KeyFlags[KeyRight] = true;
  manager->Frame();
  EXPECT_EQ(manager->PageStart(), 24);
  EXPECT_FALSE(KeyFlags[KeyRight]);
  KeyFlags[KeyLeft] = true;
  manager->Frame();
  EXPECT_EQ(manager->PageStart(), 0);
  // An empty slot of the last page selects nothing.
  Press(Previous);
  Select(20);
  EXPECT_EQ(manager->ZoomSlot(), -1);
  Select(0);  // 337, not owned
  EXPECT_EQ(manager->ZoomSlot(), -1);
}

TEST_F(ManagerTest, GridCardsDropIntoTheDeckByTheirCentre) {
  Open();
  EXPECT_FALSE(Drag(GridCentreX(0), GridCentreY(0), StripCentreX(3), StripCentreY));
  EXPECT_EQ(DeckIds()[3], 1);
  EXPECT_EQ(SavedCurrentCharacter().deckIds[3], 1);
  // Onto a filled slot: the card goes to the first free one.
  Drag(GridCentreX(1), GridCentreY(1), StripCentreX(3), StripCentreY);
  EXPECT_EQ(DeckIds()[0], 2);
  EXPECT_EQ(DeckIds()[3], 1);
  // Once only, however many copies.
  AddCopy(CurrentPlayer, 1);
  Drag(GridCentreX(0), GridCentreY(0), StripCentreX(5), StripCentreY);
  EXPECT_EQ(RoomBoxes.back().text, L"This card is already is your deck !");
  EXPECT_EQ(CurrentPlayer.deck.count, 2);
  // The stylus over the strip with the card held by its bottom edge: the
  // card's centre is still above the strip, so nothing is dropped.
  const int x = GridSlotX(2) + 16, y = GridSlotY(2) + 48;
  Drag(x, y, StripCentreX(4), 262);
  EXPECT_EQ(CurrentPlayer.deck.count, 2);
  // Let go anywhere else: the deck stays as it was.
  Drag(GridCentreX(2), GridCentreY(2), 120, 200);
  EXPECT_EQ(CurrentPlayer.deck.count, 2);
  EXPECT_EQ(CurrentPlayer.cardTotal, 31);
  EXPECT_FALSE(manager->Dragging());
}

TEST_F(ManagerTest, StripCardsSwapPlacesOrLeaveTheDeckAboveTheStrip) {
  PutInDeckSlot(CurrentPlayer, 3, 7);
  PutInDeckSlot(CurrentPlayer, 4, 8);
  Open();
  Drag(StripCentreX(3), StripCentreY, StripCentreX(4), StripCentreY);
  EXPECT_EQ(DeckIds()[3], 8);
  EXPECT_EQ(DeckIds()[4], 7);
  EXPECT_EQ(manager->StripSlot(), 4);
  Drag(StripCentreX(4), StripCentreY, StripCentreX(6), StripCentreY);
  EXPECT_EQ(DeckIds()[6], 7);
  EXPECT_EQ(DeckIds()[4], -1);
  // Back onto its own slot: nothing moves.
  Drag(StripCentreX(6), StripCentreY, StripCentreX(6) + 3, StripCentreY - 5);
  EXPECT_EQ(DeckIds()[6], 7);
  Drag(StripCentreX(6), StripCentreY, StripCentreX(6), 120);
  EXPECT_EQ(DeckIds()[6], -1);
  EXPECT_EQ(CurrentPlayer.deck.count, 1);
  EXPECT_EQ(manager->StripSlot(), -1);
  EXPECT_EQ(SavedCurrentCharacter().deckCount, 1);
  EXPECT_EQ(CopiesOf(CurrentPlayer, 7), 1);
  // An empty strip slot picks nothing up.
  manager->StylusDown(StripCentreX(0), StripCentreY);
  EXPECT_FALSE(manager->Dragging());
  manager->StylusUp(StripCentreX(0), StripCentreY);
}

TEST_F(ManagerTest, AFullDeckRefusesMoreAndTheStripScrollFollowsIt) {
  for (int id = 1; id <= 16; ++id) AddToDeck(CurrentPlayer, id, false);
  Open();
  EXPECT_EQ(manager->StripScroll(), 0);
  Drag(GridCentreX(20), GridCentreY(20), StripCentreX(2), StripCentreY);
  EXPECT_NE(RoomBoxes.back().text.find(L"Your deck is already full of card"), std::wstring::npos);
  EXPECT_EQ(CurrentPlayer.deck.count, 16);
  Select(21);
  Press(AddB);
  EXPECT_EQ(CurrentPlayer.deck.count, 16);
  EXPECT_EQ(RoomBoxes.size(), 2u);
  // The add button takes a deck card out; the scroll is the leading cards less three.
  Select(3);
  Press(AddB);
  EXPECT_EQ(DeckIds()[3], -1);
  EXPECT_EQ(manager->StripScroll(), 0);
  Select(3);
  Press(AddB);
  EXPECT_EQ(DeckIds()[3], 4);
  EXPECT_EQ(manager->StripScroll(), 9);
  Press(Right);
  EXPECT_EQ(manager->StripScroll(), 9);
  for (int i = 0; i < 12; ++i) Press(Left);
  EXPECT_EQ(manager->StripScroll(), 0);
  EXPECT_EQ(CurrentPlayer.cardTotal, 30);
}

TEST_F(ManagerTest, TheTradeBoxTakesNineDistinctCardsAndIgnoresATenth) {
  Open(false, true);
  for (int i = 0; i < 9; ++i) Drag(GridCentreX(i), GridCentreY(i), StripCentreX(i % 7), StripCentreY);
  EXPECT_EQ(TradeBoxCount(CurrentPlayer), 9);
  EXPECT_EQ(manager->StripScroll(), 2);
  Drag(GridCentreX(12), GridCentreY(12), StripCentreX(1), StripCentreY);
  EXPECT_EQ(TradeBoxCount(CurrentPlayer), 9);
  EXPECT_FALSE(TradeBoxContains(CurrentPlayer, 13));
  Drag(GridCentreX(3), GridCentreY(3), StripCentreX(1), StripCentreY);
  EXPECT_EQ(RoomBoxes.back().text, L"This card is already is your TradeBox !");
  // Strip slot 0 shows box entry 2 at scroll 2: dragged up, it leaves the box.
  Drag(StripCentreX(0), StripCentreY, StripCentreX(0), 100);
  EXPECT_EQ(TradeBoxCount(CurrentPlayer), 8);
  EXPECT_FALSE(TradeBoxContains(CurrentPlayer, 3));
  EXPECT_EQ(CurrentPlayer.deck.count, 0);
  EXPECT_EQ(CurrentPlayer.cardTotal, 30);
}

TEST_F(ManagerTest, SellingOneCardKeepsTheDeckAndTradeBoxHonest) {
  // Cards 1..3 in the deck, 4..6 in the trade box, 7..9 in neither; with 1, 2 and 3 copies.
  for (int i = 0; i < 9; ++i)
    for (int k = 0; k < i % 3; ++k) AddCopy(CurrentPlayer, i + 1);
  for (int id = 1; id <= 3; ++id) AddToDeck(CurrentPlayer, id, false);
  for (int id = 4; id <= 6; ++id) TradeBoxAdd(CurrentPlayer, id);
  Open();
  for (int i = 0; i < 9; ++i) {
    const int id = i + 1, before = CopiesOf(CurrentPlayer, id);
    const std::int32_t credits = CurrentPlayer.credits;
    Select(i);
    Press(SellB);
    const Card card = LoadCard(id);
    EXPECT_EQ(RoomBoxes.back().text,
              L"Do you want to sell : " + card.name.Wide() + L" for " + std::to_wstring(card.price) + L" Credits");
    EXPECT_EQ(RoomBoxes.back().left, L"Cancel");
    EXPECT_EQ(CopiesOf(CurrentPlayer, id), before - 1);
    EXPECT_EQ(CurrentPlayer.credits, credits + card.price);
    const bool gone = before == 1;
    EXPECT_EQ(DeckContains(CurrentPlayer.deck, id), !gone && id <= 3);
    EXPECT_EQ(TradeBoxContains(CurrentPlayer, id), !gone && id >= 4 && id <= 6);
    EXPECT_EQ(manager->ZoomSlot(), gone ? -1 : i);
    EXPECT_EQ(SavedCurrentCharacter().record.credits, CurrentPlayer.credits);
  }
  for (const Card& c : CurrentPlayer.deck.slots) {
    if (c.id != -1) {
      EXPECT_GT(CopiesOf(CurrentPlayer, c.id), 0);
    }
  }
  EXPECT_EQ(CurrentPlayer.deck.count, 2);
  // "Cancel" sells nothing.
  const std::int32_t credits = CurrentPlayer.credits;
  Select(11);
  RoomBoxAnswers = {true};
  Press(SellB);
  EXPECT_EQ(CurrentPlayer.credits, credits);
  EXPECT_EQ(CopiesOf(CurrentPlayer, 12), 1);
  // A strip card can be sold too.
  Drag(StripCentreX(1), StripCentreY, StripCentreX(1), StripCentreY);
  EXPECT_EQ(manager->StripSlot(), 1);
  Press(SellB);
  EXPECT_EQ(CopiesOf(CurrentPlayer, 2), 0);
  EXPECT_EQ(DeckIds()[1], -1);
  EXPECT_EQ(manager->StripSlot(), -1);
}

TEST_F(ManagerTest, ZoomShowsTheCardTextAndATapPutsTheScreenBack) {
  Open();
  Select(4);
  std::vector<std::uint16_t> before(ScreenBuffer(0), ScreenBuffer(0) + ScreenPixelCount());
  Press(ZoomB);
  EXPECT_TRUE(manager->ZoomShown());
  ASSERT_FALSE(RoomBoxes.empty());
  EXPECT_EQ(RoomBoxes.back().text, CardInfoText(5));
  EXPECT_TRUE(RoomBoxes.back().left.empty());
  manager->StylusDown(120, 160);
  manager->StylusUp(120, 160);
  EXPECT_FALSE(manager->ZoomShown());
  EXPECT_TRUE(std::equal(before.begin(), before.end(), ScreenBuffer(0)));
  // Nothing selected: no zoom.
  Select(20);
  Press(Previous);
  Press(ZoomB);
  EXPECT_FALSE(manager->ZoomShown());
}

TEST_F(ManagerTest, TheLastPurchaseIsTintedRedOnlyWhenAsked) {
  CurrentPlayer.lastBooster[0] = 5;
  CurrentPlayer.lastBooster[1] = 9;
  Open(false);
  EXPECT_FALSE(manager->IsNew(5));
  const std::uint16_t plain = ScreenBuffer(0)[(GridSlotY(4) + 20) * 240 + GridSlotX(4) + 10];
  Open(true);
  EXPECT_TRUE(manager->IsNew(5));
  EXPECT_TRUE(manager->IsNew(9));
  EXPECT_FALSE(manager->IsNew(6));
  const std::uint16_t tinted = ScreenBuffer(0)[(GridSlotY(4) + 20) * 240 + GridSlotX(4) + 10];
  EXPECT_NE(plain, tinted);
  EXPECT_LE(tinted & 0x07E0, plain & 0x07E0);  // less green, red left alone
  EXPECT_EQ(tinted & 0xF800, plain & 0xF800);
}

TEST_F(ManagerTest, TheTutorialRefusesSaleAndLeavingAndEndsWithAFullDeck) {
  Open();
  manager->SetTutorial(true);
  Select(0);
  Press(SellB);
  EXPECT_NE(RoomBoxes.back().text.find(L"You can't sell card in the tutorial"), std::wstring::npos);
  EXPECT_EQ(CopiesOf(CurrentPlayer, 1), 1);
  EXPECT_FALSE(Press(LeaveB));
  EXPECT_NE(RoomBoxes.back().text.find(L"You have to create your Deck before leaving"), std::wstring::npos);
  for (int id = 1; id <= 15; ++id) AddToDeck(CurrentPlayer, id, false);
  EXPECT_FALSE(Drag(GridCentreX(20), GridCentreY(20), GridCentreX(20), GridCentreY(20)));
  EXPECT_TRUE(Drag(GridCentreX(15), GridCentreY(15), StripCentreX(2), StripCentreY));
  EXPECT_NE(RoomBoxes.back().text.find(L"Now that you have finished your first deck"), std::wstring::npos);
}

TEST_F(ManagerTest, OpeningDropsDeckAndTradeBoxEntriesOfCardsNoLongerOwned) {
  AddToDeck(CurrentPlayer, 40, false);  // never owned
  AddToDeck(CurrentPlayer, 3, false);
  TradeBoxAdd(CurrentPlayer, 41);
  TradeBoxAdd(CurrentPlayer, 4);
  Open();
  EXPECT_FALSE(DeckContains(CurrentPlayer.deck, 40));
  EXPECT_TRUE(DeckContains(CurrentPlayer.deck, 3));
  EXPECT_EQ(CurrentPlayer.deck.count, 1);
  EXPECT_EQ(TradeBoxCount(CurrentPlayer), 1);
  EXPECT_EQ(TradeBoxAt(CurrentPlayer, 0), 4);
}

TEST_F(ManagerTest, LeavingSavesAndTheRecordIsTwoBytes) {
  Open();
  AddToDeck(CurrentPlayer, 6, false);
  EXPECT_TRUE(Press(LeaveB));
  EXPECT_EQ(SavedCurrentCharacter().deckIds[0], 6);
  manager->SetTutorial(true);
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  manager->SaveState(out);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 0}));
  CardManagerScreen again(false, false);
  ByteReader in(bytes);
  ASSERT_TRUE(again.LoadState(in));
  EXPECT_TRUE(again.Tutorial());
  const std::vector<std::uint8_t> bad{7, 0};
  ByteReader badIn(bad);
  EXPECT_FALSE(again.LoadState(badIn));
}
