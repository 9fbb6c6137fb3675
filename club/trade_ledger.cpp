// trade_ledger.cpp -- the trade's two boxes, offers and READYs, and the exchange they lead to.
#include "club/trade_ledger.h"

#include <algorithm>

TradeLedger::TradeLedger(const PlayerRecord& own) { BoxFromRecord(own); }

void TradeLedger::BoxFromRecord(const PlayerRecord& own) {
  box_.clear();
  for (int i = 0; i < TradeBoxCount(own); ++i) box_.push_back(static_cast<std::int16_t>(TradeBoxAt(own, i)));
  removals_.clear();
  boxPending_ = true;
  boxSent_ = -1;
}

void TradeLedger::Withdraw() {
  ready_ = false;
  partnerReady_ = false;
}

bool TradeLedger::ChangesPending() const { return managerOpen_ || boxPending_ || !removals_.empty() || offerPending_; }

void TradeLedger::ManagerOpened() {
  Withdraw();
  managerOpen_ = true;
}

void TradeLedger::ManagerClosed(const PlayerRecord& own) {
  managerOpen_ = false;
  Withdraw();
  BoxFromRecord(own);
}

bool TradeLedger::RemoveOwn(PlayerRecord& own, int slot) {
  if (slot < 0 || slot >= static_cast<int>(box_.size()) || !TradeBoxRemoveAt(own, slot)) return false;
  box_.erase(box_.begin() + slot);
  Withdraw();
  if (boxPending_)
    boxSent_ = -1;  // a box on its way is sent again from the start
  else
    removals_.push_back(slot);
  return true;
}

void TradeLedger::SetOffer(std::int32_t offer, std::int32_t credits) {
  offer = std::clamp(offer, 0, std::max(credits, 0));
  if (offer == offer_) return;
  offer_ = offer;
  offerPending_ = true;
  Withdraw();
}

void TradeLedger::PressReady(PlayerRecord& own) {
  // A card sold or lost since it was put in the box cannot be given away.
  bool dropped = false;
  for (std::size_t i = 0; i < box_.size();) {
    const int id = box_[i];
    const auto copies = std::count(box_.begin(), box_.begin() + static_cast<std::ptrdiff_t>(i) + 1, id);
    if (copies > CopiesOf(own, id)) {
      TradeBoxRemoveAt(own, static_cast<int>(i));
      box_.erase(box_.begin() + static_cast<std::ptrdiff_t>(i));
      dropped = true;
    } else {
      ++i;
    }
  }
  if (dropped) {
    Withdraw();
    removals_.clear();
    boxPending_ = true;
    boxSent_ = -1;
  }
  if (offer_ > own.credits) SetOffer(own.credits, own.credits);
  ready_ = true;
}

void TradeLedger::PressCancel() { ready_ = false; }

void TradeLedger::Resync(const PlayerRecord& own) {
  managerOpen_ = false;
  BoxFromRecord(own);
  sentBox_.clear();
  offerPending_ = true;
  ready_ = announcedReady_ = partnerReady_ = false;
  partnerBox_.clear();
  partnerOffer_ = 0;
}

TradeOut TradeLedger::Next(bool offerDue) const {
  // A withdrawn READY is told first: the partner must not complete on it.
  if (announcedReady_ && !ready_) return {TradeSend::Ready, 0};
  if (managerOpen_) return {};
  if (!removals_.empty()) return {TradeSend::Remove, removals_.front()};
  if (boxPending_) {
    if (boxSent_ < 0) return {TradeSend::Clear, 0};
    if (boxSent_ < static_cast<int>(box_.size())) return {TradeSend::Gift, box_[static_cast<std::size_t>(boxSent_)]};
  }
  if (offerPending_ && (offerDue || ready_)) return {TradeSend::Credits, offer_};
  if (ready_ && !announcedReady_ && !ChangesPending()) return {TradeSend::Ready, 1};
  return {};
}

bool TradeLedger::Delivered(const TradeOut& out) {
  switch (out.kind) {
    case TradeSend::Ready:
      announcedReady_ = out.value == 1;
      return announcedReady_ && ready_ && partnerReady_ && !ChangesPending();
    case TradeSend::Remove:
      if (!removals_.empty()) removals_.erase(removals_.begin());
      if (out.value >= 0 && out.value < static_cast<int>(sentBox_.size())) sentBox_.erase(sentBox_.begin() + out.value);
      return false;
    case TradeSend::Clear:
      sentBox_.clear();
      boxSent_ = 0;
      if (box_.empty()) boxPending_ = false;
      return false;
    case TradeSend::Gift:
      sentBox_.push_back(static_cast<std::int16_t>(out.value));
      if (++boxSent_ >= static_cast<int>(box_.size())) boxPending_ = false;
      return false;
    case TradeSend::Credits:
      if (out.value == offer_) offerPending_ = false;
      return false;
    case TradeSend::None:
      return false;
  }
  return false;
}

TradeEffect TradeLedger::PartnerChanged() {
  // The READYs given so far were for the boxes before this change.
  Withdraw();
  return TradeEffect::Changed;
}

TradeEffect TradeLedger::PartnerClear() {
  partnerBox_.clear();
  return PartnerChanged();
}

TradeEffect TradeLedger::PartnerGift(int card) {
  if (card < 1 || card > CollectionSize || partnerBox_.size() >= static_cast<std::size_t>(TradeBoxSize))
    return TradeEffect::Invalid;
  partnerBox_.push_back(static_cast<std::int16_t>(card));
  return PartnerChanged();
}

TradeEffect TradeLedger::PartnerRemove(int slot) {
  if (slot < 0 || slot >= static_cast<int>(partnerBox_.size())) return TradeEffect::Invalid;
  partnerBox_.erase(partnerBox_.begin() + slot);
  return PartnerChanged();
}

TradeEffect TradeLedger::PartnerCredits(std::uint32_t amount) {
  if (amount > static_cast<std::uint32_t>(MaxOffer)) return TradeEffect::Invalid;
  if (static_cast<std::int32_t>(amount) == partnerOffer_) return TradeEffect::Changed;
  partnerOffer_ = static_cast<std::int32_t>(amount);
  return PartnerChanged();
}

TradeEffect TradeLedger::PartnerReady(bool ready) {
  if (!ready) {
    partnerReady_ = false;
    return TradeEffect::Changed;
  }
  // Given before this side's latest changes reached the partner: it does not cover them.
  if (ChangesPending()) return TradeEffect::Changed;
  partnerReady_ = true;
  return ready_ && announcedReady_ ? TradeEffect::Execute : TradeEffect::Changed;
}

void TradeLedger::Execute(PlayerRecord& own) {
  SubCredits(own, std::min(offer_, own.credits));
  for (std::int16_t id : sentBox_) RemoveCopy(own, id);
  AddCredits(own, partnerOffer_);
  for (std::int16_t id : partnerBox_) AddCopy(own, id);
  EmptyTradeBox(own);
  box_.clear();
  sentBox_.clear();
  removals_.clear();
  boxPending_ = false;
  boxSent_ = 0;
  offer_ = partnerOffer_ = 0;
  offerPending_ = false;
  ready_ = announcedReady_ = partnerReady_ = false;
  partnerBox_.clear();
}
