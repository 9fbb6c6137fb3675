// link_framer_test.cpp -- the byte form, and framing across split and joined reads with every malformed case refused.
#include <gtest/gtest.h>

#include "link/link_framer.h"
#include "link/link_message.h"

namespace {

std::vector<std::uint8_t> Encoded(const LinkMessage& m) {
  std::vector<std::uint8_t> out;
  EXPECT_TRUE(EncodeMessage(m, out));
  return out;
}

TEST(LinkMessageForm, FieldsTravelInTheirPlacesWithTheLengthByteCountingTheText) {
  const auto name = Encoded(PlayerNameMessage(L"NIGHTOWL"));
  ASSERT_EQ(name.size(), 17u);
  EXPECT_EQ(name[0], 17);
  EXPECT_EQ(name[1], 5);
  EXPECT_EQ(name[2], 255);  // fields a sender does not use stay fresh
  EXPECT_EQ(name[8], 'N');
  EXPECT_EQ(name[16], 0);

  const auto card = Encoded(PlayCardMessage(0x0123, 4, 2));
  ASSERT_EQ(card.size(), 9u);
  EXPECT_EQ(card[2], 4);
  EXPECT_EQ(card[3], 2);
  EXPECT_EQ(card[6], 0x23);  // low byte first
  EXPECT_EQ(card[7], 0x01);

  const LinkMessage credits = TradeCreditsMessage(0x01020304u);
  EXPECT_EQ(credits.a, 1);
  EXPECT_EQ(credits.d, 4);
  EXPECT_EQ(TradeCreditsOf(credits), 0x01020304u);

  // Names travel as their 8-bit characters; one too long for the buffer is cut, never sent whole.
  EXPECT_EQ(PlayerNameMessage(std::wstring(200, L'x')).text.size(), 91u);
  EXPECT_EQ(PlayerNameMessage(L"\u0141a").text, std::wstring(L"\u0041a"));
  LinkMessage tooLong = FreshMessage(LinkMessageType::PlayerName);
  tooLong.text.assign(92, L'y');
  std::vector<std::uint8_t> out;
  EXPECT_FALSE(EncodeMessage(tooLong, out));
  EXPECT_TRUE(out.empty());
}

TEST(LinkFramer, JoinedAndSplitReadsGiveTheSameMessagesInOrder) {
  std::vector<std::uint8_t> stream;
  const LinkMessage sent[] = {PlayerNameMessage(L"Ann"),    FirstPlayerMessage(1), BlockedCellMessage(5, 3),
                              BlockedCellMessage(255, 255), CardGiftMessage(100),  TradeCreditsMessage(MaxTradeOffer)};
  for (const LinkMessage& m : sent) EncodeMessage(m, stream);

  LinkFramer joined(100);
  ASSERT_TRUE(joined.Feed(stream.data(), stream.size()));
  LinkFramer split(100);
  for (std::uint8_t byte : stream) ASSERT_TRUE(split.Feed(&byte, 1));
  for (const LinkMessage& m : sent) {
    LinkMessage a, b;
    ASSERT_TRUE(joined.Next(a));
    ASSERT_TRUE(split.Next(b));
    EXPECT_EQ(a, m);
    EXPECT_EQ(b, m);
  }
  LinkMessage none;
  EXPECT_FALSE(joined.Next(none));

  // Half a message waits for the rest.
  LinkFramer half(100);
  ASSERT_TRUE(half.Feed(stream.data(), 5));
  EXPECT_EQ(half.Queued(), 0u);
  EXPECT_EQ(half.Partial(), 5u);
  ASSERT_TRUE(half.Feed(stream.data() + 5, stream.size() - 5));
  EXPECT_EQ(half.Queued(), 6u);
}

struct Malformed {
  const char* what;
  std::vector<std::uint8_t> bytes;
};

TEST(LinkFramer, EveryMalformedMessageIsAProtocolErrorAndNothingFollowsIt) {
  const std::vector<Malformed> cases = {
      {"zero length", {0, 8, 255, 255, 255, 255, 255, 255, 0}},
      {"length 8", {8, 8, 255, 255, 255, 255, 255, 255}},
      {"length 255", {255, 8, 255, 255, 255, 255, 255, 255, 0}},
      {"length 101", {101, 8, 255, 255, 255, 255, 255, 255, 0}},
      {"no terminator", {9, 8, 255, 255, 255, 255, 255, 255, 7}},
      {"a 0 inside the name", {12, 5, 255, 255, 255, 255, 255, 255, 'A', 0, 'B', 0}},
      {"unknown type 17", {9, 17, 255, 255, 255, 255, 255, 255, 0}},
      {"unknown type 200", {9, 200, 255, 255, 255, 255, 255, 255, 0}},
      {"PlayCard off the board", {9, 0, 6, 0, 255, 255, 1, 0, 0}},
      {"PlayCard card 0", {9, 0, 1, 1, 255, 255, 0, 0, 0}},
      {"PlayCard card 101", {9, 0, 1, 1, 255, 255, 101, 0, 0}},
      {"PlayCard card -1", {9, 0, 1, 1, 255, 255, 255, 255, 0}},
      {"Attack target off the board", {9, 1, 0, 0, 0, 4, 255, 255, 0}},
      {"CardGift card 32767", {9, 4, 255, 255, 255, 255, 255, 127, 0}},
      {"FirstPlayer 2", {9, 6, 2, 255, 255, 255, 255, 255, 0}},
      {"BlockedCell half an end mark", {9, 7, 255, 0, 255, 255, 255, 255, 0}},
      {"an offer of 2^31", {9, 12, 128, 0, 0, 0, 255, 255, 0}},
      {"an offer of 2^32 - 1", {9, 12, 255, 255, 255, 255, 255, 255, 0}},
      {"TradeReady 2", {9, 14, 2, 255, 255, 255, 255, 255, 0}},
      {"TradeRemove slot 9", {9, 16, 9, 255, 255, 255, 255, 255, 0}},
      {"text in a CardGift", {10, 4, 255, 255, 255, 255, 5, 0, 'x', 0}},
  };
  const auto good = Encoded(FreshMessage(LinkMessageType::StartGame));
  for (const Malformed& c : cases) {
    LinkFramer f(100);
    std::vector<std::uint8_t> bytes = good;  // a good message first: it stays readable
    bytes.insert(bytes.end(), c.bytes.begin(), c.bytes.end());
    bytes.insert(bytes.end(), good.begin(), good.end());
    EXPECT_FALSE(f.Feed(bytes.data(), bytes.size())) << c.what;
    EXPECT_TRUE(f.Failed()) << c.what;
    EXPECT_FALSE(f.Error().empty()) << c.what;
    EXPECT_EQ(f.Queued(), 1u) << c.what << ": nothing after the fault is taken";
    EXPECT_FALSE(f.Feed(good.data(), good.size())) << c.what << ": a failed framer takes nothing more";
    f.Reset();
    EXPECT_TRUE(f.Feed(good.data(), good.size())) << c.what;
  }
}

TEST(LinkFramer, ValuesAtTheEdgesOfTheirRangesPass) {
  const LinkMessage edges[] = {PlayCardMessage(1, 0, 0),
                               PlayCardMessage(100, 5, 3),
                               AttackMessage(true, 5, 3, 4, 2),
                               TradeRemoveMessage(8),
                               TradeReadyMessage(true),
                               TradeCreditsMessage(0),
                               FreshMessage(LinkMessageType::TossDone),
                               FreshMessage(LinkMessageType::Refuse),
                               EchoOf(PlayerNameMessage(L"Zed"))};
  for (const LinkMessage& m : edges) {
    LinkFramer f(100);
    const auto bytes = Encoded(m);
    EXPECT_TRUE(f.Feed(bytes.data(), bytes.size())) << DescribeMessage(m) << ": " << f.Error();
  }
}

}  // namespace
