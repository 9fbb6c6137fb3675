// card_manager_screen.cpp -- the card manager: grid pages, the strip, dragging cards, zoom, selling one card.
#include "club/card_manager_screen.h"

#include <algorithm>
#include <string>
#include <utility>

#include "club/room_boxes.h"
#include "club/room_report.h"
#include "club/screen_focus.h"
#include "core/decimal_text.h"
#include "core/image.h"
#include "data/card_database.h"
#include "data/deck_building.h"
#include "data/save_bytes.h"
#include "data/save_file.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "match/card_pictures.h"
#include "platform/display.h"
#include "platform/game_state.h"

namespace {

struct ButtonPlace {
  const wchar_t* picture;
  std::int16_t x, y;
};
const ButtonPlace ManagerButtons[ManagerButtonCount] = {
    {L"CollectionFlecheGaucheON.QXJ", 0, 99},   {L"CollectionZoom.QXJ", 0, 232},
    {L"CollectionFlecheDroiteON.QXJ", 221, 99}, {L"CollectionSell.QXJ", 0, 300},
    {L"CollectionBack.QXJ", 202, 304},          {L"CollectionAdd.QXJ", 150, 0},
    {L"CollectionLeft.QXJ", 60, 304},           {L"CollectionRight.QXJ", 159, 304},
};
enum ManagerButton { PreviousPage = 0, ZoomButton, NextPage, Sell, Leave, AddRemove, StripLeft, StripRight };

constexpr int DeckScrollLimit = 9;
constexpr int TradeScrollLimit = 2;

std::wstring ShopPath(const std::wstring& name) { return L"GFX\\MENU\\UI SHOP\\" + name; }

void PresentArea(int x, int y) { platform::PresentRect(x, y, SlotW, SlotH, ScreenBuffer(0)); }

}  // namespace

int GridSlotAt(int x, int y) {
  for (int i = 0; i < GridSlots; ++i) {
    const int sx = GridSlotX(i), sy = GridSlotY(i);
    if (sx < x && x < sx + SlotW && sy < y && y < sy + SlotH) return i;
  }
  return -1;
}

int StripSlotAt(int x, int y) {
  if (!(246 < y && y < 298)) return -1;
  for (int k = 0; k < StripSlots; ++k)
    if (StripSlotX(k) <= x && x <= StripSlotX(k) + 32) return k;
  return -1;
}

int NextPageStart(int pageStart) { return pageStart + GridSlots < CollectionSize ? pageStart + GridSlots : 0; }
int PreviousPageStart(int pageStart) { return pageStart == 0 ? LastPageStart : pageStart - GridSlots; }

CardManagerScreen::CardManagerScreen(bool highlightNew, bool tradeMode, std::function<void()> tradeFrame)
    : highlightNew_(highlightNew), tradeMode_(tradeMode), tradeFrame_(std::move(tradeFrame)) {
  for (int i = 0; i < LastBoosterSize; ++i) newCards_[i] = highlightNew ? CurrentPlayer.lastBooster[i] : -1;
  LoadImageFile(ShopPath(L"CollectionEmpty.QXG"), emptyPicture_, true);
  LoadImageFile(ShopPath(L"CollectionBorder.QXG"), borderPicture_, true);
  Image shopPicture;
  LoadImageFile(ShopPath(L"ShopPIX.QXG"), shopPicture, true);
  for (int i = 0; i < ManagerButtonCount; ++i) {
    Image pressed;
    LoadImageFile(ShopPath(ManagerButtons[i].picture), pressed, true);
    Image normal = CropImage(shopPicture, ManagerButtons[i].x, ManagerButtons[i].y, pressed.Width(), pressed.Height());
    InitButton(buttons_[i], ManagerButtons[i].x, ManagerButtons[i].y, std::move(pressed), std::move(normal), false);
  }
  // A deck or trade box read from elsewhere may name a card that is no longer
  // owned; such an entry would let a card be played or traded that is not there.
  for (Card& slot : CurrentPlayer.deck.slots)
    if (slot.id != -1 && CopiesOf(CurrentPlayer, slot.id) < 1) RemoveFromDeck(CurrentPlayer.deck, slot.id);
  for (int i = TradeBoxCount(CurrentPlayer) - 1; i >= 0; --i)
    if (CopiesOf(CurrentPlayer, TradeBoxAt(CurrentPlayer, i)) < 1) TradeBoxRemoveAt(CurrentPlayer, i);
  highlightSaved_ = Image(SlotW, SlotH);
  dragSaved_ = Image(SlotW, SlotH);
  Redraw(1);
}

const Card& CardManagerScreen::CardRecord(int id) {
  static const Card none;
  if (id < 1 || id > CollectionSize) return none;
  if (!cardRead_[id]) {
    cardRead_[id] = true;
    cards_[id] = LoadCard(id);
  }
  return cards_[id];
}

ImageView CardManagerScreen::SmallPicture(int id) {
  if (id < 1 || id > CollectionSize) return {};
  if (!smallTried_[id]) {
    smallTried_[id] = true;
    const Card& card = CardRecord(id);
    // A card the database cannot give has no name, so no picture to ask for.
    if (card.name.length > 0) small_[id] = LoadCardPicture(card, false);
  }
  return small_[id];
}

int CardManagerScreen::GridId(int slot) const {
  const int id = pageStart_ + 1 + slot;
  return slot >= 0 && slot < GridSlots && id <= CollectionSize ? id : -1;
}

bool CardManagerScreen::IsNew(int id) const {
  if (!highlightNew_) return false;
  for (std::int16_t n : newCards_) {
    if (n == -1) break;
    if (n == id) return true;
  }
  return false;
}

int CardManagerScreen::StripId(int index) const {
  if (tradeMode_) return TradeBoxAt(CurrentPlayer, index);
  return index >= 0 && index < DeckSize ? CurrentPlayer.deck.slots[index].id : -1;
}

int CardManagerScreen::StripScrollLimit() const { return tradeMode_ ? TradeScrollLimit : DeckScrollLimit; }

void CardManagerScreen::RecomputeStripScroll() {
  const int filled = tradeMode_ ? TradeBoxCount(CurrentPlayer) : LeadingDeckCards(CurrentPlayer.deck);
  stripScroll_ = static_cast<std::int8_t>(std::clamp(filled - 3, 0, StripScrollLimit()));
}

void CardManagerScreen::DrawSlotCard(int id, int x, int y, int buffer) {
  DrawCard(CardRecord(id), SmallPicture(id), x, y, false, buffer, 2);
}

void CardManagerScreen::DrawGridSlot(int slot, int buffer) {
  const int id = GridId(slot);
  if (id < 0) return;
  const int x = GridSlotX(slot), y = GridSlotY(slot), column = slot % 6;
  const int copies = CopiesOf(CurrentPlayer, id);
  if (copies < 1) {
    DrawText(DecimalText(id), 34 * column + 19, y, GameFont, buffer);
    return;
  }
  DrawSlotCard(id, x, y, buffer);
  const bool marked = tradeMode_ ? TradeBoxContains(CurrentPlayer, id) : DeckContains(CurrentPlayer.deck, id);
  if (marked) DrawKeyed(x - 2, y - 2, borderPicture_, buffer);
  if (copies > 1) {
    const std::wstring count = DecimalText(copies);
    DrawText(count, 34 * column + 35 - TextWidth(GameFont, count) / 2, y, GameFont, buffer);
  }
  if (IsNew(id)) AdjustRect(x, y, SlotW, SlotH, 0, -24, -24, buffer);
}

void CardManagerScreen::DrawStripSlot(int k, int buffer) {
  const int x = StripSlotX(k);
  DrawImageSameRect(x, StripY, SlotW, SlotH, emptyPicture_, buffer);
  const int id = StripId(stripScroll_ + k);
  if (id > 0)
    DrawSlotCard(id, x, StripY, buffer);
  else
    DrawText(DecimalText(stripScroll_ + k + 1), 33 * k + 20, StripY, GameFont, buffer);
}

void CardManagerScreen::DrawStrip(int buffer) {
  for (int k = 0; k < StripSlots; ++k) DrawStripSlot(k, buffer);
}

void CardManagerScreen::DrawCreditsLine(int buffer) {
  const std::wstring text = DecimalText(CurrentPlayer.credits) + L" " + L"Credits";
  DrawTextTinted(text, 190 - TextWidth(GameFont, text), 235, GameFont, 3, buffer);
}

void CardManagerScreen::Redraw(int buffer) {
  if (emptyPicture_.Width() == 240 && emptyPicture_.Height() == 320)
    DrawFullScreen(emptyPicture_.Pixels(), buffer);
  else
    ClearBuffer(buffer);
  DrawCreditsLine(buffer);
  for (int i = 0; i < GridSlots; ++i) DrawGridSlot(i, buffer);
  DrawStrip(buffer);
  if (buffer != 0) return;
  // The highlight is drawn last, over what it highlights, with its pixels kept to undo it.
  highlighted_ = false;
  if (zoomSlot_ >= 0)
    Highlight(GridSlotX(zoomSlot_), GridSlotY(zoomSlot_));
  else if (stripSlot_ >= stripScroll_ && stripSlot_ < stripScroll_ + StripSlots)
    Highlight(StripSlotX(stripSlot_ - stripScroll_), StripY);
}

void CardManagerScreen::Highlight(int x, int y) {
  GrabBuffer(x, y, 0, highlightSaved_);
  highlightX_ = x;
  highlightY_ = y;
  highlighted_ = true;
  AdjustRect(x, y, SlotW, SlotH, 40, 40, -40, 0);
  PresentArea(x, y);
}

void CardManagerScreen::RemoveHighlight() {
  if (!highlighted_) return;
  highlighted_ = false;
  DrawImage(highlightX_, highlightY_, highlightSaved_, 0);
  PresentArea(highlightX_, highlightY_);
}

void CardManagerScreen::ClearSelection() {
  RemoveHighlight();
  zoomSlot_ = -1;
  stripSlot_ = -1;
  selectedSlot_ = -1;
}

void CardManagerScreen::ChangePage(int pageStart) {
  ClearSelection();
  pageStart_ = static_cast<std::int16_t>(pageStart);
  Redraw(0);
}

void CardManagerScreen::Enter() {
  if (emptyPicture_.Width() == 240 && emptyPicture_.Height() == 320) DrawFullScreen(emptyPicture_.Pixels(), 0);
  Redraw(0);
}

void CardManagerScreen::Frame() {
  if (tradeMode_ && tradeFrame_) tradeFrame_();
  // Keys wait while a card is held: a new page under a held card would keep
  // pixels of the old one.
  if (zoomShown_ || dragging_) return;
  if (KeyFlags[KeyRight]) {
    KeyFlags[KeyRight] = false;
    ChangePage(NextPageStart(pageStart_));
  } else if (KeyFlags[KeyLeft]) {
    KeyFlags[KeyLeft] = false;
    ChangePage(PreviousPageStart(pageStart_));
  }
}

void CardManagerScreen::StylusDown(int x, int y) {
  if (zoomShown_) {
    CopyBuffer(1, 0);
    zoomShown_ = false;
    return;
  }
  for (ScreenButton& b : buttons_) PressButton(b, x, y);

  const int slot = GridSlotAt(x, y);
  if (slot >= 0) {
    selectedSlot_ = static_cast<std::int8_t>(slot);
    RemoveHighlight();
    stripSlot_ = -1;
    const int id = GridId(slot);
    if (id < 0 || CopiesOf(CurrentPlayer, id) < 1) {
      zoomSlot_ = -1;
      return;
    }
    zoomSlot_ = static_cast<std::int8_t>(slot);
    const int sx = GridSlotX(slot), sy = GridSlotY(slot);
    Highlight(sx, sy);
    dragging_ = true;
    dragFromStrip_ = false;
    dragId_ = id;
    dragIndex_ = -1;
    grabX_ = x - sx;
    grabY_ = y - sy;
    dragX_ = sx;
    dragY_ = sy;
    GrabBuffer(sx, sy, 0, dragSaved_);
    return;
  }

  const int k = StripSlotAt(x, y);
  if (k < 0) return;
  const int index = stripScroll_ + k;
  const int id = StripId(index);
  if (id < 1) return;
  RemoveHighlight();
  zoomSlot_ = -1;
  stripSlot_ = static_cast<std::int8_t>(index);
  // The card is picked up: its slot shows empty under it.
  const int sx = StripSlotX(k);
  DrawImageSameRect(sx, StripY, SlotW, SlotH, emptyPicture_, 0);
  DrawText(DecimalText(index + 1), 33 * k + 20, StripY, GameFont, 0);
  dragging_ = true;
  dragFromStrip_ = true;
  dragId_ = id;
  dragIndex_ = index;
  grabX_ = x - sx;
  grabY_ = y - StripY;
  dragX_ = sx;
  dragY_ = StripY;
  GrabBuffer(sx, StripY, 0, dragSaved_);
  DrawSlotCard(id, sx, StripY, 0);
}

void CardManagerScreen::StylusMove(int x, int y) {
  if (!dragging_) return;
  const int nx = std::clamp(x - grabX_, 0, 240 - SlotW);
  const int ny = std::clamp(y - grabY_, 0, 320 - SlotH);
  DrawImage(dragX_, dragY_, dragSaved_, 0);
  dragX_ = nx;
  dragY_ = ny;
  GrabBuffer(nx, ny, 0, dragSaved_);
  DrawSlotCard(dragId_, nx, ny, 0);
}

void CardManagerScreen::Saved() {
  if (!SaveCharacter()) RoomOkBox(L"Error !\n\nThe character could not be saved.");
}

void CardManagerScreen::DropOnStripFromGrid(int k) {
  PlayerRecord& p = CurrentPlayer;
  if (tradeMode_) {
    if (TradeBoxContains(p, dragId_)) {
      RoomOkBox(L"This card is already is your TradeBox !");
      return;
    }
    // A full box takes no tenth card; nothing is overwritten.
    if (TradeBoxAdd(p, dragId_)) RecomputeStripScroll();
    return;
  }
  if (DeckContains(p.deck, dragId_)) {
    RoomOkBox(L"This card is already is your deck !");
    return;
  }
  const int target = stripScroll_ + k;
  bool added = p.deck.slots[target].id == -1 ? PutInDeckSlot(p, target, dragId_) : AddToDeck(p, dragId_, false);
  if (!added && p.deck.count >= DeckSize)
    RoomOkBox(
        L"Your deck is already full of card, you can't add more cards, if you want to add this one remove 1 card from "
        L"the deck first.");
  if (added) {
    RecomputeStripScroll();
    Saved();
  }
}

void CardManagerScreen::DropCard() {
  const int cx = dragX_ + 16, cy = dragY_ + 25;
  const int k = StripSlotAt(cx, cy);
  PlayerRecord& p = CurrentPlayer;
  if (!dragFromStrip_) {
    if (k >= 0) DropOnStripFromGrid(k);
  } else if (tradeMode_) {
    if (k < 0 && cy < StripY) {
      TradeBoxRemoveAt(p, dragIndex_);
      stripSlot_ = -1;
      RecomputeStripScroll();
    }
  } else if (k >= 0) {
    const int target = stripScroll_ + k;
    if (target != dragIndex_) {
      SwapDeckSlots(p.deck, dragIndex_, target);
      stripSlot_ = static_cast<std::int8_t>(target);
      Saved();
    }
  } else if (cy < StripY) {
    if (p.deck.slots[dragIndex_].id == dragId_) {
      p.deck.slots[dragIndex_] = Card{};
      if (p.deck.count > 0) --p.deck.count;
    }
    stripSlot_ = -1;
    RecomputeStripScroll();
    Saved();
  }
  // Anywhere else the card goes back where it came from.
  Redraw(0);
}

int CardManagerScreen::SelectedId() const {
  if (zoomSlot_ >= 0) return GridId(zoomSlot_);
  if (stripSlot_ >= 0) return StripId(stripSlot_);
  return -1;
}

void CardManagerScreen::Zoom() {
  const int id = SelectedId();
  if (id < 1 || CopiesOf(CurrentPlayer, id) < 1) return;
  CopyBuffer(0, 1);
  Greyscale(0);
  MessageBoxLayout layout;
  layout.dim = false;
  layout.x = 5;
  layout.y = 180;
  layout.w = 230;
  layout.h = 115;
  RoomBox(CardInfoText(id), L"", L"", layout);
  const Card& card = CardRecord(id);
  if (card.name.length > 0) {
    const Image big = LoadCardPicture(card, true);
    if (!big.Empty()) DrawCard(card, big, 72, 20, true, 0, 2);
  }
  zoomShown_ = true;
}

void CardManagerScreen::SellSelected() {
  if (tutorial_) {
    RoomOkBox(
        L"You can't sell card in the tutorial !\nPlease complete your deck.\n\nHINT: Selling double cards is another "
        L"way "
        L"to earn cash in Duskhaven.");
    return;
  }
  const int id = SelectedId();
  if (id < 1 || CopiesOf(CurrentPlayer, id) < 1) return;
  const Card& card = CardRecord(id);
  const std::wstring question =
      L"Do you want to sell : " + card.name.Wide() + L" for " + DecimalText(card.price) + L" " + L"Credits";
  if (!RoomOkCancelBox(question)) return;
  AddCredits(CurrentPlayer, card.price);
  RemoveCopy(CurrentPlayer, id);
  if (CopiesOf(CurrentPlayer, id) == 0) ClearSelection();
  RecomputeStripScroll();
  Redraw(0);
  Saved();
}

void CardManagerScreen::AddOrRemoveSelected() {
  PlayerRecord& p = CurrentPlayer;
  if (zoomSlot_ >= 0) {
    const int id = GridId(zoomSlot_);
    if (tradeMode_) {
      if (!TradeBoxRemove(p, id)) TradeBoxAdd(p, id);
    } else if (DeckContains(p.deck, id)) {
      RemoveFromDeck(p.deck, id);
    } else if (!AddToDeck(p, id, false) && p.deck.count >= DeckSize) {
      RoomOkBox(
          L"Your deck is already full of card, you can't add more cards, if you want to add this one remove 1 card "
          L"from the deck first.");
    }
  } else if (stripSlot_ >= 0) {
    if (tradeMode_) {
      TradeBoxRemoveAt(p, stripSlot_);
    } else if (p.deck.slots[stripSlot_].id != -1) {
      p.deck.slots[stripSlot_] = Card{};
      if (p.deck.count > 0) --p.deck.count;
    }
    stripSlot_ = -1;
  } else {
    return;
  }
  RecomputeStripScroll();
  Redraw(0);
  if (!tradeMode_) Saved();
}

void CardManagerScreen::FocusPlaces(std::vector<FocusPlace>& places) const {
  for (int slot = 0; slot < GridSlots; ++slot) places.push_back({GridSlotX(slot), GridSlotY(slot), SlotW, SlotH});
  for (int k = 0; k < StripSlots; ++k) places.push_back({StripSlotX(k), StripY, SlotW, SlotH});
  for (const ScreenButton& b : buttons_) AddButtonPlace(places, b);
}

bool CardManagerScreen::StylusUp(int x, int y) {
  if (dragging_) {
    dragging_ = false;
    DrawImage(dragX_, dragY_, dragSaved_, 0);
    for (ScreenButton& b : buttons_) ReleaseButton(b, -1, -1);
    const bool fromGrid = !dragFromStrip_;
    DropCard();
    if (tutorial_ && fromGrid && !tradeMode_ && CurrentPlayer.deck.count >= DeckSize) {
      RoomOkBox(
          L"Now that you have finished your first deck, you have to go to the Instant Play menu, and choose a partner "
          L"to play a game, and then we'll see the rules.\n\n HINT: The instant play and tounaments are the places to "
          L"go to earn cash and reputation.");
      return true;
    }
    return false;
  }
  int released = -1;
  for (int i = 0; i < ManagerButtonCount; ++i)
    if (ReleaseButton(buttons_[i], x, y) && released < 0) released = i;
  switch (released) {
    case PreviousPage:
      ChangePage(PreviousPageStart(pageStart_));
      break;
    case NextPage:
      ChangePage(NextPageStart(pageStart_));
      break;
    case ZoomButton:
      Zoom();
      break;
    case Sell:
      SellSelected();
      break;
    case Leave:
      if (tutorial_) {
        RoomOkBox(
            L"You have to create your Deck before leaving the collection\n\nHINT: The blue color is the strongest.");
        break;
      }
      Saved();
      return true;
    case AddRemove:
      AddOrRemoveSelected();
      break;
    case StripLeft:
      stripScroll_ = static_cast<std::int8_t>(std::max(0, stripScroll_ - 1));
      Redraw(0);
      break;
    case StripRight:
      stripScroll_ = static_cast<std::int8_t>(std::min(StripScrollLimit(), stripScroll_ + 1));
      Redraw(0);
      break;
    default:
      break;
  }
  return false;
}

void CardManagerScreen::SaveState(ByteWriter& out) const {
  out.U8(tutorial_ ? 1 : 0);
  out.U8(0);
}

bool CardManagerScreen::LoadState(ByteReader& in) {
  const std::uint8_t on = in.U8();
  in.U8();
  if (!in.Ok() || on > 1) return false;
  tutorial_ = on == 1;
  return true;
}

std::string CardManagerScreen::Report() const {
  std::string out = "manager = page " + std::to_string(pageStart_) + ", zoom slot " + std::to_string(zoomSlot_) +
                    ", strip slot " + std::to_string(stripSlot_) + ", scroll " + std::to_string(stripScroll_) +
                    ", dragging " + std::to_string(dragging_ ? 1 : 0) + ", zoom shown " +
                    std::to_string(zoomShown_ ? 1 : 0) + ", new cards " + std::to_string(highlightNew_ ? 1 : 0) +
                    ", trade " + std::to_string(tradeMode_ ? 1 : 0) + ", tutorial " +
                    std::to_string(tutorial_ ? 1 : 0) + "\n";
  return out + CollectionReport();
}
