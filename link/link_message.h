// link_message.h -- the message two devices exchange, its types and its byte form.
//
// Byte form, one message after another in the stream:
//   length (= text length + 9), type, a, b, c, d, card (i16, low byte first), text bytes, 0
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class LinkMessageType : std::uint8_t {
  PlayCard = 0,     // card = id, a = x, b = y
  Attack = 1,       // a, b = attacker x, y; c, d = target x, y
  MultiHit = 2,     // as Attack
  CardTaken = 3,    // the sender drew from its pile (or, with an empty pile, passed)
  CardGift = 4,     // card = id (duel: the card that changes hands; trade: one card of the sender's box)
  PlayerName = 5,   // text = name
  FirstPlayer = 6,  // a = the side that does not move first, numbered as the receiver sees it
  BlockedCell = 7,  // a = x, b = y; (255, 255) ends the list
  StartGame = 8,
  Echo = 9,  // the received message with its type replaced by 9
  Confirm = 10,
  StartTrade = 11,
  TradeCredits = 12,  // amount: a = bits 24..31, b = 16..23, c = 8..15, d = 0..7
  TradeCancel = 13,
  TradeReady = 14,  // a = 1 ready, 0 not ready
  TradeClear = 15,
  TradeRemove = 16,  // a = trade-box slot removed
  TossDone = 20,
  Refuse = 255,
};

struct LinkMessage {
  std::uint8_t type = 255;
  std::uint8_t a = 255, b = 255, c = 255, d = 255;
  std::int16_t card = -1;
  std::wstring text;  // a player name; travels as its 8-bit characters

  LinkMessageType Type() const { return static_cast<LinkMessageType>(type); }
  bool Is(LinkMessageType t) const { return type == static_cast<std::uint8_t>(t); }
  bool operator==(const LinkMessage&) const = default;
};

constexpr int MinMessageBytes = 9;                                    // a message without text
constexpr int MaxMessageBytes = 100;                                  // the receive buffer: a whole message must fit it
constexpr int MaxLinkNameLength = MaxMessageBytes - MinMessageBytes;  // 91
constexpr int CellEndMark = 255;                                      // BlockedCell (255, 255)
constexpr std::uint32_t MaxTradeOffer = 0x7FFFFFFFu;                  // an offer of 2^31 or more is refused

// A fresh message of the type: a, b, c, d = 255, card = -1, no text.
LinkMessage FreshMessage(LinkMessageType type);
// Builders for the messages with fields (the others are FreshMessage).
LinkMessage PlayCardMessage(int id, int x, int y);
LinkMessage AttackMessage(bool multiHit, int ax, int ay, int tx, int ty);
LinkMessage CardGiftMessage(int id);
LinkMessage PlayerNameMessage(const std::wstring& name);  // cut to MaxLinkNameLength characters
LinkMessage FirstPlayerMessage(int side);
LinkMessage BlockedCellMessage(int x, int y);  // (255, 255) for the end mark
LinkMessage TradeCreditsMessage(std::uint32_t amount);
LinkMessage TradeReadyMessage(bool ready);
LinkMessage TradeRemoveMessage(int slot);
// The amount a TradeCredits message carries.
std::uint32_t TradeCreditsOf(const LinkMessage& m);
// The message with its type replaced by Echo.
LinkMessage EchoOf(const LinkMessage& m);

// Appends the byte form; false (nothing appended) for a text over MaxLinkNameLength characters.
bool EncodeMessage(const LinkMessage& m, std::vector<std::uint8_t>& out);

// Whether a decoded message's fields are within their ranges: known type,
// cells on the board, card ids 1..cardCount, trade slots 0..8, offers under
// 2^31, flags 0/1, text only in PlayerName. Echo, Confirm and Refuse are
// compared or ignored by the exchange, so only their type is checked.
// False with a short reason.
bool MessageInRange(const LinkMessage& m, int cardCount, std::string& reason);

// "PlayCard(x 1, y 2, card 17)" and the like, for diagnostics.
std::string DescribeMessage(const LinkMessage& m);
