// trade_ledger_fuzz.cpp -- fuzzes the card trade's bookkeeping against a partner that sends anything in any order,
// mixed with this side's own taps: a message no honest partner sends is refused, the partner's box never holds
// more than nine cards, and an exchange gives away only cards and credits this side has and takes in exactly
// what the partner's box and offer held.
#include <algorithm>
#include <array>
#include <cstdint>

#include "club/trade_ledger.h"
#include "data/player_record.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The character: a few copies of a handful of cards, some of them in the trade box.
PlayerRecord StartingRecord() {
  PlayerRecord r;
  ResetPlayer(r);
  r.slot = 1;
  for (int id : {1, 1, 2, 5, 5, 5, 17, 100, 344}) AddCopy(r, id);
  for (int i = 0; i < 126; ++i) AddCopy(r, 7);  // near the top of a count
  EmptyTradeBox(r);
  for (int id : {1, 5, 5, 344}) TradeBoxAdd(r, id);
  return r;
}

void ExecuteChecked(TradeLedger& ledger, PlayerRecord& own) {
  const PlayerRecord before = own;
  std::array<int, CollectionSize + 1> given{}, taken{};
  for (std::int16_t id : ledger.SentBox()) {
    FUZZ_CHECK(id >= 1 && id <= CollectionSize);
    ++given[static_cast<std::size_t>(id)];
  }
  for (std::int16_t id : ledger.PartnerBox()) {
    FUZZ_CHECK(id >= 1 && id <= CollectionSize);
    ++taken[static_cast<std::size_t>(id)];
  }
  FUZZ_CHECK(ledger.PartnerBox().size() <= static_cast<std::size_t>(TradeBoxSize));
  const std::int32_t offer = ledger.Offer(), partnerOffer = ledger.PartnerOffer();
  FUZZ_CHECK(offer >= 0 && offer <= before.credits && partnerOffer >= 0);
  ledger.Execute(own);
  for (int id = 1; id <= CollectionSize; ++id) {
    const auto i = static_cast<std::size_t>(id);
    // Only cards that are owned leave.
    FUZZ_CHECK(given[i] <= CopiesOf(before, id));
    const int expected = std::min(127, CopiesOf(before, id) - given[i] + taken[i]);
    FUZZ_CHECK(CopiesOf(own, id) == expected);
  }
  FUZZ_CHECK(own.credits == SaturatedSum(before.credits - offer, partnerOffer));
  FUZZ_CHECK(TradeBoxCount(own) == 0);
  FUZZ_CHECK(ledger.SentBox().empty() && ledger.PartnerBox().empty() && !ledger.Ready());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  PlayerRecord own = StartingRecord();
  TradeLedger ledger(own);
  for (std::size_t at = 0; at + 1 < size; at += 2) {
    const std::uint8_t op = data[at], arg = data[at + 1];
    const std::int32_t creditsBefore = own.credits;
    const std::int32_t partnerOffer = ledger.PartnerOffer();
    TradeEffect effect = TradeEffect::Changed;
    switch (op % 12) {
      // This side.
      case 0:
        ledger.RemoveOwn(own, arg % 11);
        break;
      case 1:
        ledger.SetOffer(arg * 37, own.credits);
        break;
      case 2:
        ledger.PressReady(own);
        break;
      case 3:
        ledger.PressCancel();
        break;
      case 4:  // the card manager: a card put into the box (or a card sold meanwhile)
        ledger.ManagerOpened();
        if (arg & 1)
          TradeBoxAdd(own, arg % 20);
        else
          RemoveCopy(own, arg % 20);
        ledger.ManagerClosed(own);
        break;
      case 5:
        ledger.Resync(own);
        break;
      // Towards the partner: the next message is delivered.
      case 6: {
        const TradeOut out = ledger.Next(arg & 1);
        if (out.kind != TradeSend::None && ledger.Delivered(out)) ExecuteChecked(ledger, own);
        break;
      }
      // From the partner.
      case 7:
        effect = ledger.PartnerClear();
        break;
      case 8:
        effect = ledger.PartnerGift(arg * 2 - 20);
        break;
      case 9:
        effect = ledger.PartnerRemove(arg % 12 - 1);
        break;
      case 10:
        effect = ledger.PartnerCredits(arg > 250 ? 0x80000000u + arg : arg * 1000u);
        break;
      case 11:
        if (arg & 2)
          ledger.PartnerCrossed();
        else
          effect = ledger.PartnerReady(arg & 1);
        break;
    }
    FUZZ_CHECK(ledger.PartnerBox().size() <= static_cast<std::size_t>(TradeBoxSize));
    FUZZ_CHECK(ledger.Offer() >= 0);
    if (effect == TradeEffect::Invalid) {
      // The link ends; what was refused changed nothing that counts.
      FUZZ_CHECK(own.credits == creditsBefore && ledger.PartnerOffer() == partnerOffer);
      return 0;
    }
    if (effect == TradeEffect::Execute) ExecuteChecked(ledger, own);
  }
  return 0;
}
