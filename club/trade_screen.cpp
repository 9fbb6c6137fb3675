// trade_screen.cpp -- the card trade on screen: the boxes, the offers with their held - and +, READY and CANCEL, the
// card manager for the own box, and the messages that keep both devices' ledgers in step.
#include "club/trade_screen.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "club/club.h"
#include "club/club_internal.h"
#include "club/lobby_screen.h"
#include "club/room_boxes.h"
#include "club/room_report.h"
#include "club/screen_focus.h"
#include "core/decimal_text.h"
#include "data/card_database.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "link/link.h"
#include "match/card_pictures.h"
#include "platform/clock.h"
#include "platform/game_state.h"
#include "platform/tcp_socket.h"

namespace {

const wchar_t* const MultiFolder = L"GFX\\MENU\\UI MULTI\\";

struct Place {
  const wchar_t* picture;
  std::int16_t x, y;
};
const Place TradePlaces[TradeButtonCount] = {
    {L"TradeUIADD.QXJ", 21, 278},    {L"TradeUIDEL.QXJ", 79, 280},     {L"MultiplayerBack.QXJ", 202, 301},
    {L"TradeUIREADY.QXJ", 130, 281}, {L"TradeUICANCEL.QXJ", 185, 278}, {L"TradeUIZOOM.QXJ", 201, 0},
    {L"TradeUIMoins.QXJ", 19, 256},  {L"TradeUIPlus.QXJ", 102, 256},
};
constexpr int OwnLightX = 20, OwnLightY = 241, PartnerLightX = 129, PartnerLightY = 240;
constexpr int OwnOfferLeft = 38, PartnerOfferLeft = 147, OfferWidth = 62, OfferY = 258;
constexpr int CreditsBandX = 40, CreditsY = 26;
constexpr int ServiceSteps = 64;          // messages handled per frame at most
constexpr std::uint32_t IdleWaitMs = 16;  // a quiet frame sleeps on the link this long

Image LoadMulti(const wchar_t* name) {
  Image image;
  LoadImageFile(std::wstring(MultiFolder) + name, image, true);
  return image;
}

LinkMessage MessageFor(const TradeOut& out) {
  switch (out.kind) {
    case TradeSend::Ready:
      return TradeReadyMessage(out.value == 1);
    case TradeSend::Remove:
      return TradeRemoveMessage(out.value);
    case TradeSend::Clear:
      return FreshMessage(LinkMessageType::TradeClear);
    case TradeSend::Gift:
      return CardGiftMessage(out.value);
    case TradeSend::Credits:
      return TradeCreditsMessage(static_cast<std::uint32_t>(out.value));
    case TradeSend::None:
      break;
  }
  return FreshMessage(LinkMessageType::Refuse);
}

bool LinkBroken() {
  const LinkFailure f = TheLink.failure;
  return f == LinkFailure::Closed || f == LinkFailure::Protocol || f == LinkFailure::SendFailed ||
         f == LinkFailure::NotConnected;
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c > 31 && c < 127 ? static_cast<char>(c) : '?';
  return out;
}

}  // namespace

int TradeSlotAt(int x, int y) {
  if (y < 83 || y >= 83 + 52 * 3) return -1;
  const int row = (y - 83) / 52;
  if (x >= 19 && x < 19 + 34 * 3) return row * 3 + (x - 19) / 34;
  if (x >= 129 && x < 129 + 34 * 3) return TradeBoxSize + row * 3 + (x - 129) / 34;
  return -1;
}

TradeScreen::TradeScreen(bool withLink) : withLink_(withLink), ledger_(CurrentPlayer) {
  LoadImageFile(std::wstring(MultiFolder) + L"TradeUI.QXG", background_, true);
  ownLight_ = LoadMulti(L"TradeUILightLeftGreen.QXJ");
  partnerLight_ = LoadMulti(L"TradeUILightRightGreen.QXJ");
  for (int i = 0; i < TradeButtonCount; ++i) {
    const Place& p = TradePlaces[i];
    Image pressed = LoadMulti(p.picture);
    Image normal = CropImage(background_, p.x, p.y, pressed.Width(), pressed.Height());
    InitButton(buttons_[i], p.x, p.y, std::move(pressed), std::move(normal), false);
  }
  // A card the character no longer owns cannot stay in the box.
  for (int i = TradeBoxCount(CurrentPlayer) - 1; i >= 0; --i)
    if (CopiesOf(CurrentPlayer, TradeBoxAt(CurrentPlayer, i)) < 1) TradeBoxRemoveAt(CurrentPlayer, i);
  ledger_ = TradeLedger(CurrentPlayer);
  lastSent_ = platform::TickCount();
  Redraw(1);
}

// Opened, and again whenever the card manager hands the screen back.
void TradeScreen::Enter() {
  if (ledger_.ManagerOpen()) ledger_.ManagerClosed(CurrentPlayer);
  ownSelection_ = partnerSelection_ = 255;
  infoOpen_ = false;
  live_ = true;
}

const Card& TradeScreen::CardRecord(int id) {
  auto it = cards_.find(id);
  if (it == cards_.end()) it = cards_.emplace(id, LoadCard(id)).first;
  return it->second;
}

ImageView TradeScreen::SmallPicture(int id) {
  auto it = small_.find(id);
  if (it == small_.end()) {
    const Card& card = CardRecord(id);
    it = small_.emplace(id, card.name.length > 0 ? LoadCardPicture(card, false) : Image()).first;
  }
  return it->second;
}

void TradeScreen::DrawSlot(int slot, int id, int buffer) {
  const bool own = slot < TradeBoxSize;
  const int i = own ? slot : slot - TradeBoxSize;
  const int x = own ? OwnSlotX(i) : PartnerSlotX(i), y = TradeSlotY(i);
  DrawImageRect(x, y, 32, 50, x, y, background_, buffer);
  if (id < 1) return;
  DrawCard(CardRecord(id), SmallPicture(id), x, y, false, buffer, 2);
  const bool selected = own ? ownSelection_ == i : partnerSelection_ == i;
  if (selected) AdjustRect(x, y, 32, 50, 40, 40, 216, buffer);
}

void TradeScreen::DrawOwnBox(int buffer) {
  for (int i = 0; i < TradeBoxSize; ++i) DrawSlot(i, TradeBoxAt(CurrentPlayer, i), buffer);
}

void TradeScreen::DrawPartnerBox(int buffer) {
  const auto& box = ledger_.PartnerBox();
  for (int i = 0; i < TradeBoxSize; ++i)
    DrawSlot(TradeBoxSize + i, i < static_cast<int>(box.size()) ? box[static_cast<std::size_t>(i)] : -1, buffer);
}

void TradeScreen::DrawLights(int buffer) {
  DrawImageRect(OwnLightX, OwnLightY, ownLight_.Width(), ownLight_.Height(), OwnLightX, OwnLightY, background_, buffer);
  DrawImageRect(PartnerLightX, PartnerLightY, partnerLight_.Width(), partnerLight_.Height(), PartnerLightX,
                PartnerLightY, background_, buffer);
  if (ledger_.Ready()) DrawImage(OwnLightX, OwnLightY, ownLight_, buffer);
  if (ledger_.PartnerIsReady()) DrawImage(PartnerLightX, PartnerLightY, partnerLight_, buffer);
}

void TradeScreen::DrawOffers(int buffer) {
  const int h = LineHeight(GameFont);
  DrawImageRect(OwnOfferLeft, OfferY, OfferWidth, h, OwnOfferLeft, OfferY, background_, buffer);
  DrawImageRect(PartnerOfferLeft, OfferY, OfferWidth, h, PartnerOfferLeft, OfferY, background_, buffer);
  DrawImageRect(CreditsBandX, CreditsY, 240 - CreditsBandX, h, CreditsBandX, CreditsY, background_, buffer);
  const std::wstring own = DecimalText(ledger_.Offer()), partner = DecimalText(ledger_.PartnerOffer());
  DrawText(own, OwnOfferLeft + (OfferWidth - TextWidth(GameFont, own)) / 2, OfferY, GameFont, buffer);
  DrawText(partner, PartnerOfferLeft + (OfferWidth - TextWidth(GameFont, partner)) / 2, OfferY, GameFont, buffer);
  const std::wstring left = DecimalText(CurrentPlayer.credits - ledger_.Offer()) + L" " + L"Credits";
  DrawTextTinted(left, 240 - TextWidth(GameFont, left), CreditsY, GameFont, 3, buffer);
}

void TradeScreen::Redraw(int buffer) {
  if (background_.Width() == 240 && background_.Height() == 320)
    DrawFullScreen(background_.Pixels(), buffer);
  else
    ClearBuffer(buffer);
  DrawText(CurrentPlayer.name, 25, 69, GameFont, buffer);
  DrawText(OtherPlayer.name, 135, 69, GameFont, buffer);
  DrawOwnBox(buffer);
  DrawPartnerBox(buffer);
  DrawLights(buffer);
  DrawOffers(buffer);
}

// --- the link

void TradeScreen::Service() {
  for (int step = 0; step < ServiceSteps && !leaving_; ++step) {
    const bool offerDue = offerNow_ || platform::TickCount() - lastSent_ >= OfferSpacingMs;
    const TradeOut out = ledger_.Next(offerDue);
    if (out.kind != TradeSend::None) {
      if (!SendNext(out)) return;
      continue;
    }
    if (PendingBytes(TheLink) == 0) {
      // Nothing to say and nothing heard: sleep a little on the socket instead of spinning (a plain wait on
      // the socket, so the player's taps stay queued for the screen).
      if (step == 0 && TheLink.socket >= 0) platform::WaitReadable(TheLink.socket, IdleWaitMs);
      if (PendingBytes(TheLink) == 0) return;
    }
    ProcessIncoming();
  }
}

bool TradeScreen::SendNext(const TradeOut& out) {
  const std::uint32_t dropped = TheLink.dropped;
  if (!SendConfirmed(TheLink, MessageFor(out))) {
    if (TheLink.failure == LinkFailure::Crossed) {
      // The server spoke at the same moment: its message first, ours again afterwards.
      ProcessIncoming();
      return !leaving_;
    }
    if (resyncing_ && TheLink.failure == LinkFailure::Refused) {
      // The partner on the new link is not in this trade (its game started afresh): nothing was
      // exchanged, and this side goes back to the lobby as well.
      std::fprintf(stderr, "duskhaven: the partner is no longer in the trade\n");
      Leave();
      return false;
    }
    if (LinkBroken())
      LinkLost();
    else
      LinkCheck();
    return false;
  }
  resyncing_ = false;
  // The server dropped a crossing message of the client's: it may have been a withdrawal.
  if (TheLink.role == RoleServer && TheLink.dropped != dropped) ledger_.PartnerCrossed();
  if (out.kind == TradeSend::Credits) {
    lastSent_ = platform::TickCount();
    offerNow_ = false;
  }
  const bool execute = ledger_.Delivered(out);
  if (live_) DrawLights(0);
  if (execute) Execute();
  return true;
}

void TradeScreen::ProcessIncoming() {
  LinkMessage m;
  if (!ReceiveOne(TheLink, m, 0)) {
    if (LinkBroken()) LinkLost();
    return;
  }
  // An echo or a verdict here answers an exchange this side gave up waiting for: the late echo is
  // refused, so the partner does not take a message this side never counted as delivered.
  if (m.Is(LinkMessageType::Echo)) {
    SendMessage(TheLink, FreshMessage(LinkMessageType::Refuse));
    return;
  }
  if (m.Is(LinkMessageType::Confirm) || m.Is(LinkMessageType::Refuse)) return;
  TheLink.framer.PutBack(std::move(m));
  if (!ReceiveConfirmed(TheLink, m, 0)) {
    if (LinkBroken()) LinkLost();
    return;  // not confirmed: the partner sends it again
  }
  resyncing_ = false;
  switch (m.Type()) {
    case LinkMessageType::CardGift:
      return Apply(ledger_.PartnerGift(m.card));
    case LinkMessageType::TradeCredits:
      return Apply(ledger_.PartnerCredits(TradeCreditsOf(m)));
    case LinkMessageType::TradeReady:
      return Apply(ledger_.PartnerReady(m.a == 1));
    case LinkMessageType::TradeClear:
      return Apply(ledger_.PartnerClear());
    case LinkMessageType::TradeRemove:
      return Apply(ledger_.PartnerRemove(m.a));
    case LinkMessageType::TradeCancel:
      // The partner left the trade: nothing was exchanged.
      return Leave();
    default:
      return Apply(TradeEffect::Invalid);
  }
}

void TradeScreen::Apply(TradeEffect effect) {
  if (effect == TradeEffect::Invalid) {
    // No honest partner says this: the link is ended, nothing changes here.
    TheLink.connected = 0;
    CloseLink(TheLink);
    return LinkLost();
  }
  for (int i = 0; i < TradeBoxSize; ++i) {
    const auto& box = ledger_.PartnerBox();
    OtherPlayer.tradeBox[i] = i < static_cast<int>(box.size()) ? box[static_cast<std::size_t>(i)] : -1;
  }
  if (partnerSelection_ != 255 && partnerSelection_ >= ledger_.PartnerBox().size()) partnerSelection_ = 255;
  if (live_) {
    DrawPartnerBox(0);
    DrawLights(0);
    DrawOffers(0);
  }
  if (effect == TradeEffect::Execute) Execute();
}

void TradeScreen::Execute() {
  PresentScreen();
  ledger_.Execute(CurrentPlayer);
  EmptyTradeBox(OtherPlayer);
  ++trades_;
  ownSelection_ = partnerSelection_ = 255;
  const bool saved = SaveCharacter();
  Redraw(0);
  RoomOkBox(L"Trade Finished");
  if (!saved) RoomOkBox(L"Error !\n\nThe character could not be saved.");
  Redraw(0);
}

void TradeScreen::LinkCheck() {
  if (!LinkAlive(TheLink)) LinkLost();
}

void TradeScreen::LinkLost() {
  if (leaving_) return;
  TheLink.connected = 0;
  if (!LobbyReconnect()) return Leave();
  // Both sides tell each other everything again; nothing from before stands.
  ledger_.Resync(CurrentPlayer);
  resyncing_ = true;
  ownSelection_ = partnerSelection_ = 255;
  if (live_) Redraw(0);
}

void TradeScreen::Leave() {
  if (leaving_) return;
  leaving_ = true;
  EmptyTradeBox(OtherPlayer);
  CloseTradeScreen();
}

void TradeScreen::Frame() {
  if (!withLink_ || leaving_) return;
  Service();
  if (leaving_) return;
  const std::uint32_t now = platform::TickCount();
  if (creditStep_ != 0 && now - lastRepeat_ > CreditRepeatMs) {
    lastRepeat_ = now;
    const std::int64_t credits = CurrentPlayer.credits;
    std::int64_t next = static_cast<std::int64_t>(ledger_.Offer()) + creditStep_;
    if (next < 0 || next > credits) {
      next = std::clamp<std::int64_t>(next, 0, std::max<std::int64_t>(credits, 0));
      creditStep_ = 0;
    }
    ledger_.SetOffer(static_cast<std::int32_t>(next), CurrentPlayer.credits);
    if (live_) {
      DrawOffers(0);
      DrawLights(0);
    }
    if (++repeatCount_ % 5 == 0) creditStep_ = static_cast<std::int16_t>(creditStep_ * 2);
  }
  LinkCheck();
}

// --- the stylus

void TradeScreen::Select(int slot) {
  const bool own = slot < TradeBoxSize;
  const int i = own ? slot : slot - TradeBoxSize;
  const int oldOwn = ownSelection_, oldPartner = partnerSelection_;
  ownSelection_ = own ? static_cast<std::uint8_t>(i) : 255;
  partnerSelection_ = own ? 255 : static_cast<std::uint8_t>(i);
  if (oldOwn != 255) DrawSlot(oldOwn, TradeBoxAt(CurrentPlayer, oldOwn), 0);
  const auto& box = ledger_.PartnerBox();
  if (oldPartner != 255 && oldPartner < static_cast<int>(box.size()))
    DrawSlot(TradeBoxSize + oldPartner, box[static_cast<std::size_t>(oldPartner)], 0);
  DrawSlot(slot, own ? TradeBoxAt(CurrentPlayer, i) : box[static_cast<std::size_t>(i)], 0);
}

void TradeScreen::ShowInfo(int id) {
  if (id < 1) return;
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
  infoOpen_ = true;
  live_ = false;
}

void TradeScreen::StylusDown(int x, int y) {
  if (infoOpen_) {
    infoOpen_ = false;
    live_ = true;
    Redraw(0);
    return;
  }
  for (ScreenButton& b : buttons_) PressButton(b, x, y);
  if (ButtonHit(buttons_[TradeMinus], x, y) || ButtonHit(buttons_[TradePlus], x, y)) {
    creditStep_ = ButtonHit(buttons_[TradeMinus], x, y) ? -1 : 1;
    repeatCount_ = 0;
    lastRepeat_ = 0;
    return;
  }
  const int slot = TradeSlotAt(x, y);
  if (slot < 0) return;
  const bool own = slot < TradeBoxSize;
  const int i = own ? slot : slot - TradeBoxSize;
  const int id =
      own ? TradeBoxAt(CurrentPlayer, i)
          : (i < static_cast<int>(ledger_.PartnerBox().size()) ? ledger_.PartnerBox()[static_cast<std::size_t>(i)]
                                                               : -1);
  if (id < 1) return;
  if ((own && ownSelection_ == i) || (!own && partnerSelection_ == i))
    ShowInfo(id);
  else
    Select(slot);
}

void TradeScreen::FocusPlaces(std::vector<FocusPlace>& places) const {
  for (int left : {19, 129})
    for (int k = 0; k < 9; ++k) places.push_back({left + 34 * (k % 3) + 1, 83 + 52 * (k / 3) + 1, 32, 50});
  for (const ScreenButton& b : buttons_) AddButtonPlace(places, b);
}

bool TradeScreen::FocusHolds(const FocusPlace& place) const {
  for (const int b : {TradeMinus, TradePlus})
    if (place.x == buttons_[b].x && place.y == buttons_[b].y) return true;
  return false;
}

bool TradeScreen::StylusUp(int x, int y) {
  if (infoOpen_) {
    for (ScreenButton& b : buttons_) b.pressed = 0;
    return false;
  }
  if (creditStep_ != 0) {
    creditStep_ = 0;
    if (platform::TickCount() - lastSent_ >= OfferSpacingMs - 1) offerNow_ = true;
  }
  int released = -1;
  for (int i = 0; i < TradeButtonCount; ++i)
    if (ReleaseButton(buttons_[i], x, y) && released < 0) released = i;
  switch (released) {
    case TradeAdd:
      ledger_.ManagerOpened();
      if (withLink_) Service();  // the withdrawn READY goes out before the manager opens
      if (leaving_) return false;
      live_ = false;
      OpenCardManager(ScreenTrade, false, true);
      return false;
    case TradeDel:
      if (ownSelection_ != 255 && ledger_.RemoveOwn(CurrentPlayer, ownSelection_)) {
        ownSelection_ = 255;
        DrawOwnBox(0);
        DrawLights(0);
      }
      break;
    case TradeBack:
      if (withLink_) SendConfirmed(TheLink, FreshMessage(LinkMessageType::TradeCancel));
      EmptyTradeBox(OtherPlayer);
      leaving_ = true;
      return true;
    case TradeReadyButton:
      ledger_.PressReady(CurrentPlayer);
      DrawOwnBox(0);
      DrawOffers(0);
      break;
    case TradeCancelButton:
      ledger_.PressCancel();
      DrawLights(0);
      break;
    case TradeZoom:
      if (ownSelection_ != 255)
        ShowInfo(TradeBoxAt(CurrentPlayer, ownSelection_));
      else if (partnerSelection_ != 255 && partnerSelection_ < ledger_.PartnerBox().size())
        ShowInfo(ledger_.PartnerBox()[partnerSelection_]);
      return false;
    default:
      break;
  }
  if (withLink_) Service();
  if (!leaving_ && live_) DrawLights(0);
  return false;
}

void TradeScreen::SaveState(ByteWriter&) const {}
bool TradeScreen::LoadState(ByteReader&) { return true; }

std::string TradeScreen::Report() const {
  std::string box;
  for (std::int16_t id : ledger_.PartnerBox()) {
    box += ' ';
    box += std::to_string(id);
  }
  return "trade = partner " + Narrow(OtherPlayer.name) + ", ready " + std::to_string(ledger_.Ready() ? 1 : 0) +
         ", partnerReady " + std::to_string(ledger_.PartnerIsReady() ? 1 : 0) + ", offer " +
         std::to_string(ledger_.Offer()) + ", partnerOffer " + std::to_string(ledger_.PartnerOffer()) + ", trades " +
         std::to_string(trades_) + "\npartnerBox = " + std::to_string(ledger_.PartnerBox().size()) + ":" + box + "\n" +
         CollectionReport();
}
