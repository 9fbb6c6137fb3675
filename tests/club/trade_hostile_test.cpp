// trade_hostile_test.cpp -- the trade screen in this process against a partner on a loopback socket that sends a
// tenth card for the box: the link is ended with the lost-link box, the trade closes and nothing is exchanged.
#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

#include "club/club.h"
#include "club/club_internal.h"
#include "club/lobby_screen.h"
#include "club/trade_screen.h"
#include "data/player_record.h"
#include "link/link.h"
#include "platform/tcp_socket.h"
#include "tests/club/room_harness.h"

TEST(TradeHostile, ATenthCardEndsTheLinkAndChangesNothing) {
  SetUpRoom();
  CurrentPlayer.credits = 800;
  AddCopy(CurrentPlayer, 4);
  const std::uint16_t port = static_cast<std::uint16_t>(40000 + ::getpid() % 20000);
  int listener = platform::TcpListen(port);
  ASSERT_GE(listener, 0);
  OverrideLinkPort(port);
  OverrideLinkPeer("127.0.0.1");
  ASSERT_TRUE(LinkJoin(TheLink, 1, 0));
  TheLink.connected = 1;
  int partner = platform::TcpAcceptWithin(listener, 2000);
  ASSERT_GE(partner, 0);
  // Ten confirmed cards, each followed at once by its Confirm.
  std::vector<std::uint8_t> bytes;
  for (int k = 0; k < 10; ++k) {
    EncodeMessage(CardGiftMessage(k + 1), bytes);
    EncodeMessage(FreshMessage(LinkMessageType::Confirm), bytes);
  }
  ASSERT_TRUE(platform::SendAllWithin(partner, bytes.data(), bytes.size(), 1000));

  ResetClubState();
  OpenTradeScreen(ScreenLobby);
  ASSERT_NE(ScreenFor(ScreenTrade), nullptr);
  RoomBoxAnswers = {true};  // the lost-link box: Cancel
  for (int pass = 0; pass < 20 && GameClub.currentScreen == ScreenTrade; ++pass) ClubFrame();
  // Back towards the lobby (not open in this test, so the club falls back to the corridor).
  EXPECT_NE(GameClub.currentScreen, ScreenTrade) << "the trade was left";
  ASSERT_FALSE(RoomBoxes.empty());
  EXPECT_EQ(RoomBoxes.back().text, std::wstring(LostLinkText));
  EXPECT_EQ(TheLink.socket, -1) << "the link was closed";
  EXPECT_EQ(CurrentPlayer.credits, 800);
  EXPECT_EQ(CurrentPlayer.cardTotal, 1);
  EXPECT_EQ(CopiesOf(CurrentPlayer, 4), 1);
  platform::CloseSocket(partner);
  platform::CloseSocket(listener);
  CloseAllScreens();
}
