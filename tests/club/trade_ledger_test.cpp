// trade_ledger_test.cpp -- two trade ledgers talking through a faithful stand-in for the confirmed link (messages
// delivered in order, the server winning when both send at once): the exchange happens on both sides or on neither,
// conserves cards and credits, and no READY is taken for boxes the other side has already left.
#include <gtest/gtest.h>

#include <algorithm>

#include "club/trade_ledger.h"
#include "data/player_record.h"

namespace {

struct Device {
  PlayerRecord record;
  TradeLedger ledger{record};
  int executed = 0;

  explicit Device(std::int32_t credits, std::initializer_list<int> owned) : ledger(record) {
    record.credits = credits;
    for (int id : owned) AddCopy(record, id);
    ledger = TradeLedger(record);
  }
  void Box(std::initializer_list<int> ids) {
    ledger.ManagerOpened();
    EmptyTradeBox(record);
    for (int id : ids) TradeBoxAdd(record, id);
    ledger.ManagerClosed(record);
  }
  void Run() {
    ledger.Execute(record);
    ++executed;
  }
};

// What the receiving side does with one delivered message.
void Receive(Device& to, const TradeOut& m) {
  TradeEffect e = TradeEffect::Changed;
  switch (m.kind) {
    case TradeSend::Ready:
      e = to.ledger.PartnerReady(m.value == 1);
      break;
    case TradeSend::Remove:
      e = to.ledger.PartnerRemove(m.value);
      break;
    case TradeSend::Clear:
      e = to.ledger.PartnerClear();
      break;
    case TradeSend::Gift:
      e = to.ledger.PartnerGift(m.value);
      break;
    case TradeSend::Credits:
      e = to.ledger.PartnerCredits(static_cast<std::uint32_t>(m.value));
      break;
    case TradeSend::None:
      break;
  }
  ASSERT_NE(e, TradeEffect::Invalid);
  if (e == TradeEffect::Execute) to.Run();
}

// One confirmed message from `from` (offers always due); false when it had nothing to say.
bool SendOne(Device& from, Device& to) {
  const TradeOut m = from.ledger.Next(true);
  if (m.kind == TradeSend::None) return false;
  Receive(to, m);
  if (from.ledger.Delivered(m)) from.Run();
  return true;
}

// Both sides say what they have until both are quiet, the server first when both have something: the client's
// message crosses the server's and is dropped, the client takes the server's and speaks again afterwards.
void Settle(Device& server, Device& client) {
  for (int guard = 0; guard < 200; ++guard) {
    const TradeOut s = server.ledger.Next(true), c = client.ledger.Next(true);
    if (s.kind == TradeSend::None && c.kind == TradeSend::None) return;
    if (s.kind != TradeSend::None && c.kind != TradeSend::None) {
      server.ledger.PartnerCrossed();
      Receive(client, s);
      if (server.ledger.Delivered(s)) server.Run();
    } else if (s.kind != TradeSend::None) {
      SendOne(server, client);
    } else {
      SendOne(client, server);
    }
  }
  FAIL() << "the two sides never fall quiet";
}

int Cards(const PlayerRecord& r) { return r.cardTotal; }

}  // namespace

TEST(TradeLedger, BothReadyExchangeBoxesAndOffersOnBothSidesConservingTotals) {
  Device server(1000, {5, 7, 7}), client(300, {9});
  server.Box({5, 7});
  client.Box({9});
  server.ledger.SetOffer(250, server.record.credits);
  Settle(server, client);
  EXPECT_EQ(client.ledger.PartnerBox(), (std::vector<std::int16_t>{5, 7}));
  EXPECT_EQ(client.ledger.PartnerOffer(), 250);
  server.ledger.PressReady(server.record);
  Settle(server, client);
  EXPECT_TRUE(client.ledger.PartnerIsReady());
  EXPECT_EQ(server.executed + client.executed, 0);
  client.ledger.PressReady(client.record);
  Settle(server, client);
  EXPECT_EQ(server.executed, 1);
  EXPECT_EQ(client.executed, 1);
  EXPECT_EQ(server.record.credits, 750);
  EXPECT_EQ(client.record.credits, 550);
  EXPECT_EQ(CopiesOf(server.record, 9), 1);
  EXPECT_EQ(CopiesOf(server.record, 7), 1);
  EXPECT_EQ(CopiesOf(server.record, 5), 0);
  EXPECT_EQ(CopiesOf(client.record, 5), 1);
  EXPECT_EQ(CopiesOf(client.record, 9), 0);
  EXPECT_EQ(Cards(server.record) + Cards(client.record), 4);
  EXPECT_EQ(TradeBoxCount(server.record), 0);
  // Empty boxes and no offers still trade (and change nothing).
  server.ledger.PressReady(server.record);
  client.ledger.PressReady(client.record);
  Settle(server, client);
  EXPECT_EQ(server.executed, 2);
  EXPECT_EQ(client.executed, 2);
  EXPECT_EQ(server.record.credits + client.record.credits, 1300);
}

TEST(TradeLedger, AnyChangeWithdrawsBothReadysSoOnlyTheBoxesSeenAreTraded) {
  Device server(500, {1, 2, 3}), client(500, {4});
  server.Box({1});
  client.Box({4});
  Settle(server, client);
  client.ledger.PressReady(client.record);
  Settle(server, client);
  ASSERT_TRUE(server.ledger.PartnerIsReady());
  // The server adds a card after the client's READY: the client must see it and agree again.
  server.Box({1, 2});
  EXPECT_FALSE(server.ledger.PartnerIsReady());
  server.ledger.PressReady(server.record);
  Settle(server, client);
  EXPECT_EQ(server.executed + client.executed, 0);
  EXPECT_FALSE(client.ledger.Ready()) << "the partner's new card withdrew the client's READY";
  // An offer change by the partner withdraws the READY that was given before it, and so does a removal.
  ASSERT_TRUE(server.ledger.Ready());
  client.ledger.SetOffer(10, client.record.credits);
  Settle(server, client);
  EXPECT_FALSE(server.ledger.Ready());
  client.ledger.PressReady(client.record);
  Settle(server, client);
  ASSERT_EQ(server.executed + client.executed, 0);
  EXPECT_TRUE(server.ledger.PartnerIsReady());
  ASSERT_TRUE(server.ledger.RemoveOwn(server.record, 0));
  Settle(server, client);
  EXPECT_FALSE(client.ledger.Ready());
  EXPECT_EQ(client.ledger.PartnerBox(), (std::vector<std::int16_t>{2}));
  // Opening the card manager withdraws too, and a READY received while it is open does not count.
  server.ledger.PressReady(server.record);
  Settle(server, client);
  server.ledger.ManagerOpened();
  client.ledger.PressReady(client.record);
  Settle(server, client);
  EXPECT_EQ(server.executed + client.executed, 0);
  EXPECT_FALSE(server.ledger.PartnerIsReady());
  server.ledger.ManagerClosed(server.record);
  Settle(server, client);
  EXPECT_FALSE(client.ledger.Ready()) << "the box sent again after the manager is a change";
  server.ledger.PressReady(server.record);
  client.ledger.PressReady(client.record);
  Settle(server, client);
  EXPECT_EQ(server.executed, 1);
  EXPECT_EQ(client.executed, 1);
  EXPECT_EQ(CopiesOf(client.record, 2), 1);
  EXPECT_EQ(CopiesOf(server.record, 4), 1);
  EXPECT_EQ(server.record.credits, 510);
  EXPECT_EQ(server.record.credits + client.record.credits, 1000);
}

TEST(TradeLedger, CrossingMessagesNeverCompleteOnAWithdrawnReady) {
  // The client is ready; the server presses READY at the moment the client changes its offer. The server's READY
  // wins the crossing, but the client's withdrawal was on its way: neither side may trade.
  Device server(500, {1}), client(500, {2});
  server.Box({1});
  client.Box({2});
  Settle(server, client);
  client.ledger.PressReady(client.record);
  Settle(server, client);
  ASSERT_TRUE(server.ledger.PartnerIsReady());
  server.ledger.PressReady(server.record);
  client.ledger.SetOffer(40, client.record.credits);
  Settle(server, client);
  EXPECT_EQ(server.executed + client.executed, 0);
  EXPECT_EQ(server.ledger.PartnerOffer(), 40);
  EXPECT_FALSE(server.ledger.Ready());
  // The other way round: the server withdraws while the client's READY is on its way.
  server.ledger.PressReady(server.record);
  Settle(server, client);
  server.ledger.PressCancel();
  client.ledger.PressReady(client.record);
  Settle(server, client);
  EXPECT_EQ(server.executed + client.executed, 0);
  // The client's READY still stands: the server's own READY completes the trade.
  server.ledger.PressReady(server.record);
  Settle(server, client);
  EXPECT_EQ(server.executed, 1);
  EXPECT_EQ(client.executed, 1);
  EXPECT_EQ(server.record.credits, 540);
  EXPECT_EQ(client.record.credits, 460);
  EXPECT_EQ(CopiesOf(server.record, 2), 1);
  EXPECT_EQ(CopiesOf(client.record, 1), 1);
  // Both press READY at once: one READY crosses the other and is sent again; each side trades exactly once.
  client.Box({1});
  Settle(server, client);
  server.ledger.PressReady(server.record);
  client.ledger.PressReady(client.record);
  Settle(server, client);
  EXPECT_EQ(server.executed, 2);
  EXPECT_EQ(client.executed, 2);
  EXPECT_EQ(CopiesOf(server.record, 1), 1);
  EXPECT_EQ(CopiesOf(client.record, 1), 0);
}

TEST(TradeLedger, ALinkLostBeforeBothReadysChangesNothing) {
  Device server(500, {1}), client(500, {2});
  server.Box({1});
  client.Box({2});
  server.ledger.SetOffer(100, 500);
  Settle(server, client);
  server.ledger.PressReady(server.record);
  client.ledger.PressReady(client.record);
  // The client's READY never arrives: the link is gone before anything more is said.
  SendOne(server, client);
  EXPECT_EQ(server.executed + client.executed, 0);
  EXPECT_EQ(server.record.credits, 500);
  EXPECT_EQ(CopiesOf(server.record, 1), 1);
  // Reconnected, both sides tell everything again and nothing stands from before.
  server.ledger.Resync(server.record);
  client.ledger.Resync(client.record);
  EXPECT_FALSE(client.ledger.PartnerIsReady());
  Settle(server, client);
  EXPECT_EQ(client.ledger.PartnerBox(), (std::vector<std::int16_t>{1}));
  EXPECT_EQ(client.ledger.PartnerOffer(), 100);
  EXPECT_EQ(server.ledger.PartnerBox(), (std::vector<std::int16_t>{2}));
  EXPECT_EQ(server.executed + client.executed, 0);
}

TEST(TradeLedger, OnlyCardsHeldAreGivenAndNoMoreThanNineReceived) {
  Device server(100, {3, 4}), client(100, {});
  Settle(server, client);
  server.Box({3, 4, 4});  // the second 4 is not owned
  server.ledger.SetOffer(5000, server.record.credits);
  EXPECT_EQ(server.ledger.Offer(), 100) << "an offer stays within the credits";
  server.ledger.PressReady(server.record);
  EXPECT_EQ(TradeBoxCount(server.record), 2);
  Settle(server, client);
  client.ledger.PressReady(client.record);
  Settle(server, client);
  EXPECT_EQ(server.executed, 1);
  EXPECT_EQ(client.executed, 1);
  EXPECT_EQ(CopiesOf(client.record, 4), 1);
  EXPECT_EQ(client.record.cardTotal, 2);
  EXPECT_EQ(server.record.cardTotal, 0);
  EXPECT_EQ(client.record.credits, 200);

  // What no honest partner sends.
  Device d(0, {});
  for (int i = 0; i < TradeBoxSize; ++i) EXPECT_EQ(d.ledger.PartnerGift(10 + i), TradeEffect::Changed);
  EXPECT_EQ(d.ledger.PartnerGift(30), TradeEffect::Invalid) << "a tenth card";
  EXPECT_EQ(d.ledger.PartnerBox().size(), 9u);
  EXPECT_EQ(d.ledger.PartnerRemove(9), TradeEffect::Invalid);
  EXPECT_EQ(d.ledger.PartnerRemove(-1), TradeEffect::Invalid);
  EXPECT_EQ(d.ledger.PartnerGift(0), TradeEffect::Invalid);
  EXPECT_EQ(d.ledger.PartnerGift(CollectionSize + 1), TradeEffect::Invalid);
  EXPECT_EQ(d.ledger.PartnerCredits(0x80000000u), TradeEffect::Invalid);
  EXPECT_EQ(d.ledger.PartnerCredits(0x7FFFFFFFu), TradeEffect::Changed);
  // A rich partner's offer saturates the credits instead of wrapping them.
  d.record.credits = 10;
  d.ledger.Delivered({TradeSend::Clear, 0});
  d.ledger.PressReady(d.record);
  EXPECT_EQ(d.ledger.Next(false), (TradeOut{TradeSend::Ready, 1}));
  d.ledger.Delivered({TradeSend::Ready, 1});
  ASSERT_EQ(d.ledger.PartnerReady(true), TradeEffect::Execute);
  d.ledger.Execute(d.record);
  EXPECT_EQ(d.record.credits, 0x7FFFFFFF);
  EXPECT_EQ(d.record.cardTotal, 9);
}
