// shop_screen.cpp -- the card shop: buying and opening boosters, the quick deck, clearing the deck, selling duplicates.
#include "club/shop_screen.h"

#include <cstring>
#include <string>
#include <utility>

#include "club/room_boxes.h"
#include "club/room_report.h"
#include "club/screen_focus.h"
#include "core/decimal_text.h"
#include "core/image.h"
#include "data/deck_building.h"
#include "data/player_record.h"
#include "data/save_bytes.h"
#include "data/save_file.h"
#include "gfx/animations.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "platform/clock.h"
#include "platform/game_state.h"
#include "platform/waits.h"

const BoosterLot BoosterLots[5] = {{1, 200}, {2, 400}, {3, 600}, {5, 900}, {10, 1700}};

namespace {

const wchar_t* const ShopFolder = L"GFX\\MENU\\UI SHOP\\";

struct ButtonPlace {
  const wchar_t* picture;
  std::int16_t x, y;
};
const ButtonPlace ShopButtons[ShopButtonCount] = {
    {L"Shop1Booster.QXJ", 61, 74},      {L"Shop2Booster.QXJ", 61, 89},   {L"Shop3Booster.QXJ", 61, 104},
    {L"Shop5Booster.QXJ", 61, 120},     {L"Shop10Booster.QXJ", 62, 135}, {L"ShopBack.QXJ", 204, 300},
    {L"ShopEnterManager.QXJ", 31, 189}, {L"ShopClearDeck.QXJ", 31, 211}, {L"ShopSellCards.QXJ", 31, 234},
    {L"ShopQuickDeck.QXJ", 29, 256},
};

enum ShopButton {
  BuyOne = 0,
  BuyTen = 4,
  Back = 5,
  EnterManager = 6,
  ClearDeckButton = 7,
  SellCards = 8,
  QuickDeckButton = 9
};

// The animation's place: the pictures fit 120 x 113 at (0, 90).
constexpr int AnimX = 0, AnimY = 90, AnimW = 120, AnimH = 113;
constexpr std::uint32_t PendingMs = 1000;

std::wstring ShopPath(const std::wstring& name) { return ShopFolder + name; }

void LoadShopPicture(const std::wstring& name, Image& image) { LoadImageFile(ShopPath(name), image, true); }

// The part of the character a purchase changes, to undo one that cannot be saved.
struct PurchaseUndo {
  std::int8_t collection[CollectionSize];
  std::int16_t cardTotal;
  std::int32_t credits;
  std::int16_t lastBooster[LastBoosterSize];

  explicit PurchaseUndo(const PlayerRecord& r) : cardTotal(r.cardTotal), credits(r.credits) {
    std::memcpy(collection, r.collection, sizeof collection);
    std::memcpy(lastBooster, r.lastBooster, sizeof lastBooster);
  }
  void Restore(PlayerRecord& r) const {
    std::memcpy(r.collection, collection, sizeof collection);
    std::memcpy(r.lastBooster, lastBooster, sizeof lastBooster);
    r.cardTotal = cardTotal;
    r.credits = credits;
  }
};

}  // namespace

std::wstring NeedCreditsText(std::int32_t price) {
  return L"You need " + DecimalText(price) + L" Credits to buy this Booster, please come back later.";
}

std::wstring SoldCardsText(int cards, std::int32_t credits) {
  return L"You sold " + DecimalText(cards) + L" cards for " + DecimalText(credits) + L" " + L"Credits";
}

ShopScreen::ShopScreen(OpenManager openManager) : openManager_(std::move(openManager)) {
  LoadShopPicture(L"ShopPIX.QXG", shopPicture_);
  LoadShopPicture(L"ShopEmpty.QXG", emptyPicture_);
  for (int i = 0; i < ShopButtonCount; ++i) {
    Image pressed;
    LoadShopPicture(ShopButtons[i].picture, pressed);
    Image normal = CropImage(shopPicture_, ShopButtons[i].x, ShopButtons[i].y, pressed.Width(), pressed.Height());
    InitButton(buttons_[i], ShopButtons[i].x, ShopButtons[i].y, std::move(pressed), std::move(normal), false);
  }
  DrawImage(0, 0, shopPicture_, 1);
}

ShopScreen::~ShopScreen() { FreeAnimationPictures(); }

void ShopScreen::FreeAnimationPictures() {
  for (Image& p : boosterPictures_) p = Image();
  savedBackground_ = Image();
}

void ShopScreen::Enter() {
  if (!WaitOrTap(500)) {
    Redraw(1);
    Transition(0, 0, 240, 320, 0, 1);
  } else {
    Redraw(0);
  }
}

void ShopScreen::DrawCreditsLine(int buffer) const {
  const std::wstring text = DecimalText(CurrentPlayer.credits) + L" " + L"Credits";
  DrawTextTinted(text, 238 - TextWidth(GameFont, text), 4, GameFont, 3, buffer);
}

void ShopScreen::Redraw(int buffer) {
  if (emptyPicture_.Width() == 240 && emptyPicture_.Height() == 320)
    DrawFullScreen(emptyPicture_.Pixels(), buffer);
  else
    ClearBuffer(buffer);
  DrawCreditsLine(buffer);
}

void ShopScreen::StartAnimation() {
  animating_ = true;
  animFrame_ = 0;
}

void ShopScreen::Buy(int lot) {
  const BoosterLot& l = BoosterLots[lot];
  if (CurrentPlayer.credits < l.price) {
    RoomOkBox(NeedCreditsText(l.price));
    return;
  }
  const PurchaseUndo undo(CurrentPlayer);
  StartAnimation();
  OpenBoosters(CurrentPlayer, l.boosters);
  DrawImage(0, 0, shopPicture_, 0);
  SubCredits(CurrentPlayer, l.price);
  DrawCreditsLine(0);
  Greyscale(0);
  if (!SaveCharacter()) {
    // Cards that were paid for but not written down would be lost at the next
    // start, or the credits with them: nothing is bought instead.
    undo.Restore(CurrentPlayer);
    animating_ = false;
    Redraw(0);
    RoomOkBox(L"Error !\n\nThe purchase could not be saved.\nNothing was bought.");
  }
}

void ShopScreen::AnimationStep() {
  if (animFrame_ == 0) {
    LoadShopPicture(L"Booster0.QXG", boosterPictures_[0]);
    DrawKeyed(AnimX, AnimY, boosterPictures_[0], 0);
  } else if (animFrame_ == 1) {
    for (int n = 1; n < BoosterPictureCount; ++n)
      LoadShopPicture(L"Booster" + DecimalText(n) + L".QXG", boosterPictures_[n]);
    savedBackground_ = CropBuffer(AnimX, AnimY, AnimW, AnimH, 0);
  } else {
    DrawImage(AnimX, AnimY, savedBackground_, 0);
    DrawKeyed(AnimX, AnimY, boosterPictures_[animFrame_ - 1], 0);
  }
  ++animFrame_;
  if (animFrame_ == BoosterPictureCount + 1) {
    FreeAnimationPictures();
    animating_ = false;
    toManagerPending_ = true;
    pendingSince_ = platform::TickCount();
  }
}

void ShopScreen::TutorialGift() {
  DrawCreditsLine(0);
  RoomTutorialBox(
      L"Click on the Enter Manager button to see your new cards, and you'll be able to prepare your first deck. In a "
      L"real game, you can speed up the deck cration by using the Quick deck fonction.\n\n HINT: The cards you just "
      L"aquired will be highlighed in red in the card manager.");
  AddTutorialSpread(CurrentPlayer);
  SaveCharacter();
  tutorialStage_ = 5;
}

void ShopScreen::EndPending() {
  toManagerPending_ = false;
  if (tutorial_)
    TutorialGift();
  else if (openManager_)
    openManager_(true);
}

void ShopScreen::Frame() {
  if (animating_) AnimationStep();
  if (toManagerPending_ && platform::TickCount() - pendingSince_ > PendingMs) EndPending();
}

void ShopScreen::StylusDown(int x, int y) {
  if (toManagerPending_) {
    EndPending();
    return;
  }
  if (animating_) return;
  for (ScreenButton& b : buttons_) PressButton(b, x, y);
}

bool ShopScreen::StylusUp(int x, int y) {
  if (animating_ || toManagerPending_) return false;
  int released = -1;
  for (int i = 0; i < ShopButtonCount; ++i) {
    const bool hit = ReleaseButton(buttons_[i], x, y);
    DrawButton(buttons_[i], 0);
    if (hit && released < 0) released = i;
  }
  if (released < 0) return false;

  if (tutorial_ && tutorialStage_ == 4) {
    if (released <= BuyTen) {
      // The tutorial's booster is free; its cards come as a spread afterwards.
      StartAnimation();
      DrawImage(0, 0, shopPicture_, 0);
      DrawCreditsLine(0);
      Greyscale(0);
    } else {
      RoomTutorialBox(
          L"You have to buy a booster to continue the turorial !\n\nHINT: A rare card is a card level 3 or more.");
    }
    return false;
  }
  if (tutorial_ && tutorialStage_ == 5) {
    if (released == EnterManager) {
      if (openManager_) openManager_(false);
      return true;
    }
    RoomTutorialBox(
        L"You have go to the Card Manager !\n\n HINT: The card manager is not shared by all your characters. ");
    return false;
  }

  switch (released) {
    case Back:
      return true;
    case EnterManager:
      if (openManager_) openManager_(false);
      break;
    case ClearDeckButton:
      ClearDeck(CurrentPlayer);
      RoomOkBox(L"Deck Cleared.");
      SaveCharacter();
      break;
    case SellCards: {
      const DuplicateSale sale = SellDuplicates(CurrentPlayer);
      RoomOkBox(SoldCardsText(sale.cards, sale.credits));
      Redraw(0);
      SaveCharacter();
      break;
    }
    case QuickDeckButton:
      if (QuickDeck(CurrentPlayer))
        RoomOkBox(L"Your deck is done !");
      else
        RoomOkBox(L"Error ! \n\nCards are mising to make a full deck !");
      SaveCharacter();
      break;
    default:
      Buy(released);
      break;
  }
  return false;
}

void ShopScreen::FocusPlaces(std::vector<FocusPlace>& places) const {
  for (const ScreenButton& b : buttons_) AddButtonPlace(places, b);
}

void ShopScreen::SaveState(ByteWriter& out) const {
  out.U8(tutorial_ ? 1 : 0);
  out.U8(tutorialStage_);
}

bool ShopScreen::LoadState(ByteReader& in) {
  const std::uint8_t on = in.U8();
  const std::uint8_t stage = in.U8();
  if (!in.Ok() || on > 1) return false;
  tutorial_ = on == 1;
  tutorialStage_ = stage;
  // A resumed shop shows no animation and opens nothing by itself.
  animating_ = false;
  toManagerPending_ = false;
  FreeAnimationPictures();
  return true;
}

std::string ShopScreen::Report() const {
  std::string out = "shop = animating " + std::to_string(animating_ ? 1 : 0) + ", frame " + std::to_string(animFrame_) +
                    ", pending " + std::to_string(toManagerPending_ ? 1 : 0) + ", tutorial " +
                    std::to_string(tutorial_ ? 1 : 0) + " stage " + std::to_string(tutorialStage_) + "\n";
  return out + CollectionReport();
}
