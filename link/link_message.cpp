// link_message.cpp -- building, encoding, checking and describing link messages.
#include "link/link_message.h"

#include <algorithm>

namespace {

std::uint8_t Byte(int v) { return static_cast<std::uint8_t>(v & 0xFF); }

bool KnownType(std::uint8_t t) { return t <= 16 || t == 20 || t == 255; }

bool CellInRange(int x, int y) { return x >= 0 && x < 6 && y >= 0 && y < 4; }

const char* TypeName(std::uint8_t t) {
  switch (t) {
    case 0:
      return "PlayCard";
    case 1:
      return "Attack";
    case 2:
      return "MultiHit";
    case 3:
      return "CardTaken";
    case 4:
      return "CardGift";
    case 5:
      return "PlayerName";
    case 6:
      return "FirstPlayer";
    case 7:
      return "BlockedCell";
    case 8:
      return "StartGame";
    case 9:
      return "Echo";
    case 10:
      return "Confirm";
    case 11:
      return "StartTrade";
    case 12:
      return "TradeCredits";
    case 13:
      return "TradeCancel";
    case 14:
      return "TradeReady";
    case 15:
      return "TradeClear";
    case 16:
      return "TradeRemove";
    case 20:
      return "TossDone";
    case 255:
      return "Refuse";
    default:
      return "unknown";
  }
}

}  // namespace

LinkMessage FreshMessage(LinkMessageType type) {
  LinkMessage m;
  m.type = static_cast<std::uint8_t>(type);
  return m;
}

LinkMessage PlayCardMessage(int id, int x, int y) {
  LinkMessage m = FreshMessage(LinkMessageType::PlayCard);
  m.card = static_cast<std::int16_t>(id);
  m.a = Byte(x);
  m.b = Byte(y);
  return m;
}

LinkMessage AttackMessage(bool multiHit, int ax, int ay, int tx, int ty) {
  LinkMessage m = FreshMessage(multiHit ? LinkMessageType::MultiHit : LinkMessageType::Attack);
  m.a = Byte(ax);
  m.b = Byte(ay);
  m.c = Byte(tx);
  m.d = Byte(ty);
  return m;
}

LinkMessage CardGiftMessage(int id) {
  LinkMessage m = FreshMessage(LinkMessageType::CardGift);
  m.card = static_cast<std::int16_t>(id);
  return m;
}

LinkMessage PlayerNameMessage(const std::wstring& name) {
  LinkMessage m = FreshMessage(LinkMessageType::PlayerName);
  m.text = name.substr(0, MaxLinkNameLength);
  // Names travel as their 8-bit characters: what arrives is what was sent.
  for (wchar_t& c : m.text) c = static_cast<wchar_t>(static_cast<std::uint8_t>(c & 0xFF));
  return m;
}

LinkMessage FirstPlayerMessage(int side) {
  LinkMessage m = FreshMessage(LinkMessageType::FirstPlayer);
  m.a = Byte(side);
  return m;
}

LinkMessage BlockedCellMessage(int x, int y) {
  LinkMessage m = FreshMessage(LinkMessageType::BlockedCell);
  m.a = Byte(x);
  m.b = Byte(y);
  return m;
}

LinkMessage TradeCreditsMessage(std::uint32_t amount) {
  LinkMessage m = FreshMessage(LinkMessageType::TradeCredits);
  m.a = static_cast<std::uint8_t>(amount >> 24);
  m.b = static_cast<std::uint8_t>(amount >> 16);
  m.c = static_cast<std::uint8_t>(amount >> 8);
  m.d = static_cast<std::uint8_t>(amount);
  return m;
}

LinkMessage TradeReadyMessage(bool ready) {
  LinkMessage m = FreshMessage(LinkMessageType::TradeReady);
  m.a = ready ? 1 : 0;
  return m;
}

LinkMessage TradeRemoveMessage(int slot) {
  LinkMessage m = FreshMessage(LinkMessageType::TradeRemove);
  m.a = Byte(slot);
  return m;
}

std::uint32_t TradeCreditsOf(const LinkMessage& m) {
  return (static_cast<std::uint32_t>(m.a) << 24) | (static_cast<std::uint32_t>(m.b) << 16) |
         (static_cast<std::uint32_t>(m.c) << 8) | m.d;
}

LinkMessage EchoOf(const LinkMessage& m) {
  LinkMessage e = m;
  e.type = static_cast<std::uint8_t>(LinkMessageType::Echo);
  return e;
}

bool EncodeMessage(const LinkMessage& m, std::vector<std::uint8_t>& out) {
  if (m.text.size() > static_cast<std::size_t>(MaxLinkNameLength)) return false;
  out.push_back(static_cast<std::uint8_t>(m.text.size() + MinMessageBytes));
  out.push_back(m.type);
  out.push_back(m.a);
  out.push_back(m.b);
  out.push_back(m.c);
  out.push_back(m.d);
  const auto card = static_cast<std::uint16_t>(m.card);
  out.push_back(static_cast<std::uint8_t>(card & 0xFF));
  out.push_back(static_cast<std::uint8_t>(card >> 8));
  for (wchar_t c : m.text) out.push_back(static_cast<std::uint8_t>(c & 0xFF));
  out.push_back(0);
  return true;
}

bool MessageInRange(const LinkMessage& m, int cardCount, std::string& reason) {
  auto fail = [&](const char* why) {
    reason = std::string(TypeName(m.type)) + ": " + why;
    return false;
  };
  if (!KnownType(m.type)) {
    reason = "unknown type " + std::to_string(m.type);
    return false;
  }
  const auto type = m.Type();
  if (!m.text.empty() && type != LinkMessageType::PlayerName && type != LinkMessageType::Echo)
    return fail("text where none belongs");
  const bool cardOk = m.card >= 1 && m.card <= cardCount;
  switch (type) {
    case LinkMessageType::PlayCard:
      if (!CellInRange(m.a, m.b)) return fail("cell off the board");
      if (!cardOk) return fail("card id out of range");
      break;
    case LinkMessageType::Attack:
    case LinkMessageType::MultiHit:
      if (!CellInRange(m.a, m.b) || !CellInRange(m.c, m.d)) return fail("cell off the board");
      break;
    case LinkMessageType::CardGift:
      if (!cardOk) return fail("card id out of range");
      break;
    case LinkMessageType::FirstPlayer:
      if (m.a > 1) return fail("side out of range");
      break;
    case LinkMessageType::BlockedCell:
      if (!(m.a == CellEndMark && m.b == CellEndMark) && !CellInRange(m.a, m.b)) return fail("cell off the board");
      break;
    case LinkMessageType::TradeCredits:
      if (TradeCreditsOf(m) > MaxTradeOffer) return fail("offer of 2^31 or more");
      break;
    case LinkMessageType::TradeReady:
      if (m.a > 1) return fail("flag out of range");
      break;
    case LinkMessageType::TradeRemove:
      if (m.a > 8) return fail("trade slot out of range");
      break;
    default:
      break;
  }
  return true;
}

std::string DescribeMessage(const LinkMessage& m) {
  std::string s = TypeName(m.type);
  s += "(a " + std::to_string(m.a) + ", b " + std::to_string(m.b) + ", c " + std::to_string(m.c) + ", d " +
       std::to_string(m.d) + ", card " + std::to_string(m.card);
  if (!m.text.empty()) {
    s += ", text \"";
    for (wchar_t c : m.text) s += (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
    s += "\"";
  }
  return s + ")";
}
