// link_exchange_test.cpp -- the link over loopback sockets: the confirmed exchange, crossing sends, lost links, create
// and join.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "link/link.h"
#include "platform/display.h"
#include "platform/messages.h"
#include "platform/tcp_socket.h"
#include "tests/link/loopback.h"

namespace {

using link_test::Bytes;
using link_test::LinkPair;
using link_test::RawReceive;
using link_test::RawSend;
using Clock = std::chrono::steady_clock;

long MsSince(Clock::time_point t) {
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count());
}

TEST(LinkExchange, AConfirmedMessageArrivesWholeInEitherDirection) {
  Link server, client;
  ASSERT_TRUE(LinkPair(server, client));
  bool sent = false;
  std::thread partner([&] { sent = SendConfirmed(server, PlayerNameMessage(L"Mireille")); });
  LinkMessage got;
  EXPECT_TRUE(ReceiveConfirmed(client, got, 2000));
  partner.join();
  EXPECT_TRUE(sent);
  EXPECT_EQ(got, PlayerNameMessage(L"Mireille"));

  std::thread back([&] { sent = SendConfirmed(client, PlayCardMessage(42, 3, 1)); });
  EXPECT_TRUE(ReceiveConfirmed(server, got, 2000));
  back.join();
  EXPECT_TRUE(sent);
  EXPECT_EQ(got, PlayCardMessage(42, 3, 1));
  CloseLink(server);
  CloseLink(client);
}

TEST(LinkExchange, AnEchoThatDiffersInAnyFieldOrTheTextIsRefused) {
  for (int field = 0; field < 3; ++field) {
    Link server, client;
    ASSERT_TRUE(LinkPair(server, client));
    const int raw = client.socket;
    std::thread partner([&] {
      LinkMessage m;
      if (!RawReceive(raw, m, 2000)) return;
      LinkMessage echo = EchoOf(m);
      if (field == 0) echo.a = 7;
      if (field == 1) echo.card = 43;
      if (field == 2) echo.text = L"Mireillf";
      RawSend(raw, Bytes(echo));
    });
    EXPECT_FALSE(SendConfirmed(server, PlayerNameMessage(L"Mireille"), 2000)) << field;
    partner.join();
    EXPECT_EQ(server.failure, LinkFailure::Refused) << field;
    LinkMessage verdict;
    ASSERT_TRUE(RawReceive(raw, verdict, 1000)) << field;
    EXPECT_TRUE(verdict.Is(LinkMessageType::Refuse)) << field;
    EXPECT_GE(server.socket, 0) << "a refusal keeps the link";
  }
}

TEST(LinkExchange, APartnerThatNeverEchoesEndsTheWaitInTime) {
  Link server, client;
  ASSERT_TRUE(LinkPair(server, client));
  const auto start = Clock::now();
  EXPECT_FALSE(SendConfirmed(server, FreshMessage(LinkMessageType::StartGame), 200));
  EXPECT_EQ(server.failure, LinkFailure::TimedOut);
  EXPECT_LT(MsSince(start), 2000);
  LinkMessage m;
  EXPECT_FALSE(ReceiveConfirmed(server, m, 100));
  EXPECT_EQ(m.type, 255) << "nothing arrived";
  EXPECT_TRUE(LinkAlive(server));
}

TEST(LinkExchange, WhenBothSendAtOnceTheClientYieldsAndSendsAgainAfterTheServer) {
  Link server, client;
  ASSERT_TRUE(LinkPair(server, client));
  // Both messages are on their way before either side looks for an echo.
  bool serverSent = false;
  std::thread serverSide([&] { serverSent = SendConfirmed(server, TradeCreditsMessage(500)); });
  EXPECT_FALSE(SendConfirmed(client, TradeRemoveMessage(3)));
  EXPECT_EQ(client.failure, LinkFailure::Crossed);
  LinkMessage got;
  ASSERT_TRUE(ReceiveConfirmed(client, got, 2000));
  EXPECT_EQ(got, TradeCreditsMessage(500));
  serverSide.join();
  EXPECT_TRUE(serverSent);

  std::thread again([&] { serverSent = SendConfirmed(client, TradeRemoveMessage(3)); });
  ASSERT_TRUE(ReceiveConfirmed(server, got, 2000));
  again.join();
  EXPECT_TRUE(serverSent);
  EXPECT_EQ(got, TradeRemoveMessage(3));
  EXPECT_EQ(PendingBytes(server), 0u);
  EXPECT_EQ(PendingBytes(client), 0u);
}

TEST(LinkExchange, MessagesThatArriveTogetherAreTakenFromTheQueueFirst) {
  Link server, client;
  ASSERT_TRUE(LinkPair(server, client));
  std::vector<std::uint8_t> both = Bytes(CardGiftMessage(5));
  const auto second = Bytes(CardGiftMessage(6));
  both.insert(both.end(), second.begin(), second.end());
  RawSend(server.socket, both);
  LinkMessage m;
  ASSERT_TRUE(ReceiveOne(client, m, 1000));
  EXPECT_EQ(m.card, 5);
  EXPECT_GT(PendingBytes(client), 0u) << "the second waits in the queue";
  ASSERT_TRUE(ReceiveOne(client, m, 0));
  EXPECT_EQ(m.card, 6);
}

TEST(LinkExchange, AClosedPartnerIsToldFromALiveOneAndItsDescriptorForgotten) {
  Link server, client;
  ASSERT_TRUE(LinkPair(server, client));
  EXPECT_TRUE(LinkAlive(client));
  // A message sent just before the close is still read.
  RawSend(server.socket, Bytes(FreshMessage(LinkMessageType::TossDone)));
  CloseLink(server);
  CloseLink(server);  // twice: nothing happens
  EXPECT_EQ(server.socket, -1);
  LinkMessage m;
  ASSERT_TRUE(ReceiveOne(client, m, 1000));
  EXPECT_TRUE(m.Is(LinkMessageType::TossDone));
  EXPECT_FALSE(LinkAlive(client));
  EXPECT_EQ(client.socket, -1);
  EXPECT_FALSE(LinkAlive(client));
  EXPECT_FALSE(SendMessage(client, FreshMessage(LinkMessageType::Confirm)));
  EXPECT_EQ(client.failure, LinkFailure::NotConnected);
}

TEST(LinkExchange, AMalformedMessageClosesTheLink) {
  Link server, client;
  ASSERT_TRUE(LinkPair(server, client));
  RawSend(server.socket, {255, 1, 2, 3});
  LinkMessage m;
  EXPECT_FALSE(ReceiveOne(client, m, 1000));
  EXPECT_EQ(client.failure, LinkFailure::Protocol);
  EXPECT_NE(client.failureText.find("255"), std::string::npos) << client.failureText;
  EXPECT_EQ(client.socket, -1);
  EXPECT_FALSE(LinkAlive(client));
  // The other end sees the close.
  EXPECT_FALSE(ReceiveOne(server, m, 1000));
  EXPECT_EQ(server.failure, LinkFailure::Closed);
}

TEST(LinkExchange, AFloodOfTenThousandMessagesIsReadWithABoundedQueue) {
  Link server, client;
  ASSERT_TRUE(LinkPair(server, client));
  std::vector<std::uint8_t> flood;
  for (int i = 0; i < 10000; ++i) EncodeMessage(TradeReadyMessage(i % 2 == 0), flood);
  const int raw = server.socket;
  std::thread partner([&] { platform::SendAllWithin(raw, flood.data(), flood.size(), 5000); });
  int got = 0;
  std::size_t most = 0;
  LinkMessage m;
  while (got < 10000 && ReceiveOne(client, m, 1000)) {
    EXPECT_EQ(m.a, got % 2 == 0 ? 1 : 0);
    ++got;
    most = std::max(most, client.framer.Queued());
  }
  partner.join();
  EXPECT_EQ(got, 10000);
  EXPECT_LE(most, static_cast<std::size_t>(MaxMessageBytes / MinMessageBytes));
}

TEST(LinkExchange, CreateAndJoinMeetOnTheConfiguredPort) {
  OverrideLinkPort(link_test::FreePort());
  OverrideLinkPeer("127.0.0.1");
  Link server, client;
  server.cardCount = client.cardCount = 100;
  bool joined = false;
  std::thread joiner([&] { joined = LinkJoin(client, 10, 100); });
  EXPECT_TRUE(LinkCreate(server, 5));
  joiner.join();
  ASSERT_TRUE(joined);
  EXPECT_EQ(server.role, RoleServer);
  EXPECT_EQ(client.role, RoleClient);
  std::thread partner([&] { SendConfirmed(server, FreshMessage(LinkMessageType::StartGame)); });
  LinkMessage m;
  EXPECT_TRUE(ReceiveConfirmed(client, m, 2000));
  partner.join();
  EXPECT_TRUE(m.Is(LinkMessageType::StartGame));
  // The listening socket is gone: a second partner finds nobody.
  EXPECT_LT(platform::TcpConnectWithin("127.0.0.1", LinkPort(), 200), 0);
  CloseLink(server);
  CloseLink(client);
  OverrideLinkPort(0);
}

TEST(LinkExchange, CreateAndJoinWithoutAPartnerFailWithinTheirLimits) {
  OverrideLinkPort(link_test::FreePort());
  Link link;
  auto start = Clock::now();
  EXPECT_FALSE(LinkJoin(link, 3, 100));
  EXPECT_EQ(link.failure, LinkFailure::TimedOut);
  EXPECT_GE(MsSince(start), 190) << "three attempts, 100 ms apart";
  EXPECT_LT(MsSince(start), 2000);
  EXPECT_EQ(link.socket, -1);
  start = Clock::now();
  EXPECT_FALSE(LinkCreate(link, 1));
  EXPECT_EQ(link.failure, LinkFailure::TimedOut);
  EXPECT_GE(MsSince(start), 950);
  EXPECT_LT(MsSince(start), 3000);
  EXPECT_EQ(link.socket, -1);
  OverrideLinkPort(0);
}

TEST(LinkExchange, TheCallersPollCancelsAWait) {
  Link server, client;
  ASSERT_TRUE(LinkPair(server, client));
  int looks = 0;
  client.poll = [&](const platform::Message&) { return ++looks >= 3; };
  const auto start = Clock::now();
  LinkMessage m;
  EXPECT_FALSE(ReceiveConfirmed(client, m, StartWaitMs));
  EXPECT_EQ(client.failure, LinkFailure::Cancelled);
  EXPECT_LT(MsSince(start), 1000);
  EXPECT_GE(client.socket, 0) << "a cancelled wait keeps the link";
}

TEST(LinkExchange, TheActionKeyReachesTheCallersPollOtherKeysStayQueued) {
  Link server, client;
  ASSERT_TRUE(LinkPair(server, client));
  platform::ResetMessageQueue();
  platform::Message key;
  key.kind = platform::MessageKind::KeyDown;
  key.key = platform::VkDown;
  platform::PostMessage(key);
  key.key = platform::VkAppA;
  platform::PostMessage(key);
  key.kind = platform::MessageKind::KeyUp;
  platform::PostMessage(key);
  std::vector<std::int32_t> seen;
  client.poll = [&](const platform::Message& m) {
    if (m.kind == platform::MessageKind::KeyDown) seen.push_back(m.key);
    return m.kind == platform::MessageKind::KeyDown;
  };
  LinkMessage m;
  EXPECT_FALSE(ReceiveConfirmed(client, m, StartWaitMs));
  EXPECT_EQ(client.failure, LinkFailure::Cancelled);
  EXPECT_EQ(seen, std::vector<std::int32_t>{platform::VkAppA});
  // The arrow and the action key's release are still there for the screen.
  platform::Message left;
  ASSERT_TRUE(platform::RemoveNextMessage(left));
  EXPECT_EQ(left.key, platform::VkDown);
  ASSERT_TRUE(platform::RemoveNextMessage(left));
  EXPECT_EQ(left.kind, platform::MessageKind::KeyUp);
  EXPECT_FALSE(platform::RemoveNextMessage(left));
}

TEST(LinkExchange, ATapMadeWhileASendWaitsForItsEchoStaysQueuedForTheScreen) {
  Link server, client;
  ASSERT_TRUE(LinkPair(server, client));
  platform::ResetMessageQueue();
  platform::Message tap;
  tap.kind = platform::MessageKind::StylusDown;
  tap.x = 156;
  tap.y = 290;
  platform::PostMessage(tap);
  LinkMessage got;
  std::thread partner([&] {
    // The echo comes only after a while: the sender waits for it with the tap queued.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ReceiveConfirmed(server, got, 2000);
  });
  EXPECT_TRUE(SendConfirmed(client, TradeReadyMessage(true)));
  partner.join();
  EXPECT_TRUE(got.Is(LinkMessageType::TradeReady));
  platform::Message kept;
  ASSERT_TRUE(platform::RemoveNextStylusMessage(kept)) << "the tap was swallowed by the wait";
  EXPECT_EQ(kept.kind, platform::MessageKind::StylusDown);
  EXPECT_EQ(kept.x, 156);
  EXPECT_EQ(kept.y, 290);
  platform::ResetMessageQueue();
}

}  // namespace
