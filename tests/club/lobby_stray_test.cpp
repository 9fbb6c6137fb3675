// lobby_stray_test.cpp -- the lobby against a partner still in a duel or a trade: its moves, cards and trade
// messages are refused in place of their echo (so the partner never counts them delivered), while a start request
// waits for the player's button.
#include <gtest/gtest.h>

#include <unistd.h>

#include "club/lobby_screen.h"
#include "link/link.h"
#include "platform/tcp_socket.h"
#include "tests/club/room_harness.h"

TEST(LobbyStray, MovesCardsAndTradeMessagesAreRefusedAndAStartRequestWaits) {
  SetUpRoom();
  const std::uint16_t port = static_cast<std::uint16_t>(42000 + ::getpid() % 20000);
  int listener = platform::TcpListen(port);
  ASSERT_GE(listener, 0);
  OverrideLinkPort(port);
  OverrideLinkPeer("127.0.0.1");
  LobbyScreen lobby;
  ASSERT_TRUE(LinkJoin(TheLink, 1, 0));
  TheLink.connected = 1;
  Link partner;
  partner.cardCount = 100;
  const int accepted = platform::TcpAcceptWithin(listener, 2000);
  ASSERT_GE(accepted, 0);
  LinkAdopt(partner, accepted, RoleServer);

  const LinkMessage strays[] = {
      PlayCardMessage(7, 1, 2), AttackMessage(false, 1, 2, 1, 3),          CardGiftMessage(5),
      TradeReadyMessage(true),  FreshMessage(LinkMessageType::TradeClear), FreshMessage(LinkMessageType::TossDone)};
  for (const LinkMessage& stray : strays) {
    ASSERT_TRUE(SendMessage(partner, stray));
    for (int pass = 0; pass < 50 && PendingBytes(partner) == 0; ++pass) {
      lobby.Frame();
      platform::WaitReadable(partner.socket, 10);
    }
    LinkMessage answer;
    ASSERT_TRUE(ReceiveOne(partner, answer, 1000)) << DescribeMessage(stray);
    EXPECT_TRUE(answer.Is(LinkMessageType::Refuse)) << DescribeMessage(stray) << " got " << DescribeMessage(answer);
    // The partner's own verdict on the refused exchange is taken and dropped.
    ASSERT_TRUE(SendMessage(partner, FreshMessage(LinkMessageType::Refuse)));
  }
  ASSERT_TRUE(SendMessage(partner, FreshMessage(LinkMessageType::StartGame)));
  for (int pass = 0; pass < 20; ++pass) {
    lobby.Frame();
    platform::WaitReadable(TheLink.socket, 5);
  }
  EXPECT_EQ(PendingBytes(partner), 0u) << "nothing answers a start request before the player presses Game";
  LinkMessage waiting;
  ASSERT_TRUE(ReceiveOne(TheLink, waiting, 0));
  EXPECT_TRUE(waiting.Is(LinkMessageType::StartGame));
  EXPECT_EQ(TheLink.connected, 1);
  CloseLink(partner);
  CloseLink(TheLink);
  platform::CloseSocket(listener);
}
