// trade_ledger.h -- the card trade's bookkeeping, apart from its screen and the link: both boxes and offers, the two
// READY flags, what still has to be told to the partner, and the exchange itself.
//
// The exchange must happen on both devices or on neither, so a READY counts
// only while it covers both boxes and both offers as they are now:
// - any change, made here or by the partner, withdraws this player's READY
//   and forgets the partner's;
// - a READY is announced only after every change of this side was delivered;
// - the partner's READY is taken only when this side has nothing undelivered
//   (otherwise it was given for boxes this side has already left).
// The exchange runs when this side's READY is delivered while it holds the
// partner's, or when the partner's READY arrives while this side's own is
// delivered and stands.
#pragma once

#include <cstdint>
#include <vector>

#include "data/player_record.h"

// What the ledger asks to send next.
enum class TradeSend : std::uint8_t { None, Ready, Remove, Clear, Gift, Credits };
struct TradeOut {
  TradeSend kind = TradeSend::None;
  std::int32_t value = 0;  // Ready: 0 or 1; Remove: the slot; Gift: the card id; Credits: the amount
  bool operator==(const TradeOut&) const = default;
};

// What a partner's message did.
enum class TradeEffect : std::uint8_t {
  Changed,  // the partner's box, offer or READY changed (redraw)
  Execute,  // both READYs stand: run the exchange now
  Invalid,  // a message no honest partner sends (a tenth card, a slot it does not have): end the link
};

constexpr std::int32_t MaxOffer = 0x7FFFFFFF;

class TradeLedger {
 public:
  // A fresh trade: this side's box (as the record holds it) is to be sent whole.
  explicit TradeLedger(const PlayerRecord& own);

  // --- this side
  // The box was edited in the card manager and the manager closed again.
  void ManagerOpened();
  void ManagerClosed(const PlayerRecord& own);
  bool ManagerOpen() const { return managerOpen_; }
  // DEL on an own slot: the card leaves the box (not the collection).
  bool RemoveOwn(PlayerRecord& own, int slot);
  // The offer, held within 0 .. credits; a change withdraws READY and waits to be sent.
  void SetOffer(std::int32_t offer, std::int32_t credits);
  // READY: cards no longer held leave the box first (then READY waits for that change to be delivered).
  void PressReady(PlayerRecord& own);
  void PressCancel();
  // After a reconnect: the partner knows nothing, this side tells it everything again.
  void Resync(const PlayerRecord& own);

  // --- towards the partner
  // The next message to send. offerDue: the offer may go now (the screen spaces offers out); a
  // pending READY sends any offer at once.
  TradeOut Next(bool offerDue) const;
  // The message was delivered and confirmed; Execute when it was the READY that completes the trade.
  bool Delivered(const TradeOut& out);
  // The server dropped a message of the client's that crossed its own: the client may have withdrawn.
  void PartnerCrossed() { partnerReady_ = false; }

  // --- from the partner
  TradeEffect PartnerClear();
  TradeEffect PartnerGift(int card);
  TradeEffect PartnerRemove(int slot);
  TradeEffect PartnerCredits(std::uint32_t amount);
  TradeEffect PartnerReady(bool ready);

  // --- the exchange
  // Applies it to the record: the offer and every card of the own box leave, the partner's offer and
  // box arrive; both boxes emptied, offers and READYs cleared. The record's own box must be the one sent.
  void Execute(PlayerRecord& own);

  bool Ready() const { return ready_; }
  bool PartnerIsReady() const { return partnerReady_; }
  std::int32_t Offer() const { return offer_; }
  std::int32_t PartnerOffer() const { return partnerOffer_; }
  const std::vector<std::int16_t>& PartnerBox() const { return partnerBox_; }
  const std::vector<std::int16_t>& SentBox() const { return sentBox_; }
  // Something of this side's is not delivered yet (the READY announcement aside).
  bool ChangesPending() const;

 private:
  void Withdraw();  // this side's READY off (announced later) and the partner's forgotten
  TradeEffect PartnerChanged();
  void BoxFromRecord(const PlayerRecord& own);

  std::vector<std::int16_t> box_;      // the own box as it is to be sent
  std::vector<std::int16_t> sentBox_;  // the own box as the partner has it
  std::vector<int> removals_;          // DEL slots still to be told
  bool boxPending_ = true;             // the whole box is to be sent again ...
  int boxSent_ = -1;                   // ... -1: TradeClear not yet, else cards sent so far
  std::int32_t offer_ = 0;
  bool offerPending_ = false;
  bool ready_ = false;           // this side's wish
  bool announcedReady_ = false;  // what the partner was last told
  bool partnerReady_ = false;
  bool managerOpen_ = false;
  std::vector<std::int16_t> partnerBox_;
  std::int32_t partnerOffer_ = 0;
};
