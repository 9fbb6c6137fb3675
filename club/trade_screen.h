// trade_screen.h -- the card trade: both boxes and offers, READY on both sides, and the exchange over the link.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "club/club_screen.h"
#include "club/trade_ledger.h"
#include "core/card.h"
#include "core/image.h"
#include "gfx/screen_button.h"

constexpr int TradeButtonCount = 8;
enum TradeButton {
  TradeAdd = 0,
  TradeDel,
  TradeBack,
  TradeReadyButton,
  TradeCancelButton,
  TradeZoom,
  TradeMinus,
  TradePlus
};

// Where the own box's slot i and the partner's stand (32 x 50; hit 34 x 52 from the same corner).
inline int OwnSlotX(int i) { return 19 + 34 * (i % 3); }
inline int PartnerSlotX(int i) { return 129 + 34 * (i % 3); }
inline int TradeSlotY(int i) { return 83 + 52 * (i / 3); }
// The slot under the point: 0..8 own, 9..17 the partner's, -1 none.
int TradeSlotAt(int x, int y);

constexpr std::uint32_t CreditRepeatMs = 200;   // the offer moves once per this while - or + is held
constexpr std::uint32_t OfferSpacingMs = 1501;  // offers are sent at most this often

class TradeScreen : public ClubScreenBase {
 public:
  explicit TradeScreen(bool withLink);
  ~TradeScreen() override = default;

  void Enter() override;
  void Frame() override;
  void StylusDown(int x, int y) override;
  bool StylusUp(int x, int y) override;
  void Redraw(int buffer) override;
  void SaveState(ByteWriter& out) const override;
  bool LoadState(ByteReader& in) override;
  std::string Report() const override;
  // Both boxes' nine cards and the buttons.
  void FocusPlaces(std::vector<FocusPlace>& places) const override;
  // - and + repeat while held.
  bool FocusHolds(const FocusPlace& place) const override;

  const TradeLedger& Ledger() const { return ledger_; }
  int Trades() const { return trades_; }

 private:
  // Tells the partner what it does not know yet and takes what it sent.
  void Service();
  bool SendNext(const TradeOut& out);
  void ProcessIncoming();
  void Apply(TradeEffect effect);
  void Execute();
  void LinkCheck();
  void LinkLost();
  void Leave();

  void DrawOwnBox(int buffer);
  void DrawPartnerBox(int buffer);
  void DrawSlot(int slot, int id, int buffer);
  void DrawLights(int buffer);
  void DrawOffers(int buffer);
  void Select(int slot);
  void ShowInfo(int id);
  const Card& CardRecord(int id);
  ImageView SmallPicture(int id);

  bool withLink_;
  TradeLedger ledger_;
  ScreenButton buttons_[TradeButtonCount];
  Image background_;
  Image ownLight_, partnerLight_;
  std::uint8_t ownSelection_ = 255, partnerSelection_ = 255;
  std::int16_t creditStep_ = 0;
  std::int16_t repeatCount_ = 0;
  std::uint32_t lastRepeat_ = 0, lastSent_ = 0;
  bool offerNow_ = false;
  bool infoOpen_ = false;
  bool live_ = true;
  bool leaving_ = false;
  bool resyncing_ = false;  // the link was made again and the partner has not yet taken a message
  int trades_ = 0;
  std::map<int, Card> cards_;
  std::map<int, Image> small_;
};
