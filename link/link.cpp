// link.cpp -- the link: create, join, liveness, bounded waits, messages and the confirmed exchange.
#include "link/link.h"

#include <chrono>
#include <cstdio>

#include "data/card_database.h"
#include "platform/close_request.h"
#include "platform/display.h"
#include "platform/messages.h"
#include "platform/tcp_socket.h"
#include "platform/text_utf8.h"
#include "platform/waits.h"
#include "settings/link_settings.h"

Link TheLink;

namespace {

using Clock = std::chrono::steady_clock;

// How long a wait sleeps on the socket between two looks at the queue.
constexpr std::uint32_t SliceMs = 10;
// A send waits this long for room in the socket's buffer.
constexpr std::uint32_t SendWaitMs = 2000;

std::uint16_t portOverride = 0;
std::string peerOverride;

std::uint32_t MsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<std::uint32_t>(left) : 0;
}

Clock::time_point After(std::uint32_t ms) { return Clock::now() + std::chrono::milliseconds(ms); }

bool Fail(Link& link, LinkFailure failure, std::string text = {}) {
  link.failure = failure;
  link.failureText = std::move(text);
  return false;
}

// The link is gone: the socket is closed and its descriptor forgotten.
bool Lose(Link& link, LinkFailure failure, std::string text) {
  if (failure == LinkFailure::Protocol) std::fprintf(stderr, "duskhaven: link closed: %s\n", text.c_str());
  CloseLink(link);
  return Fail(link, failure, std::move(text));
}

// One look at the player between two slices: the music, the stylus (for the
// caller's Cancel) and the close request. False when the wait must end.
bool KeepWaiting(Link& link) {
  SoundTickIfOn();
  if (!link.poll) {
    // Nobody offers a Cancel: the player's taps stay queued for the screen, which takes them after the wait.
    platform::PumpMessages();
    if (platform::CloseRequested()) {
      platform::HonourCloseRequest();
      return Fail(link, LinkFailure::CloseRequested);
    }
    return true;
  }
  platform::Message m;
  bool any = false;
  while (platform::RemoveNextStylusMessage(m)) {
    any = true;
    if (link.poll(m)) return Fail(link, LinkFailure::Cancelled);
  }
  // The action key too: a wait's only button (its Cancel) is pressed by keys as by the stylus.
  while (platform::RemoveNextKeyDown(platform::VkAppA, m)) {
    any = true;
    if (link.poll(m)) return Fail(link, LinkFailure::Cancelled);
  }
  if (!any && link.poll(platform::Message{})) return Fail(link, LinkFailure::Cancelled);
  if (platform::CloseRequested()) {
    platform::HonourCloseRequest();  // the game's way out does not come back
    return Fail(link, LinkFailure::CloseRequested);
  }
  return true;
}

void Opened(Link& link, int socket) {
  link.socket = socket;
  ++link.opened;
  link.framer.Reset();
  link.framer.SetCardCount(link.cardCount > 0 ? link.cardCount : CardCount());
  link.failure = LinkFailure::None;
  link.failureText.clear();
}

bool IsExchangeAnswer(const LinkMessage& m) {
  return m.Is(LinkMessageType::Echo) || m.Is(LinkMessageType::Confirm) || m.Is(LinkMessageType::Refuse);
}

}  // namespace

const char* LinkFailureName(LinkFailure f) {
  switch (f) {
    case LinkFailure::None:
      return "none";
    case LinkFailure::NotConnected:
      return "not connected";
    case LinkFailure::TimedOut:
      return "timed out";
    case LinkFailure::Closed:
      return "closed by the partner";
    case LinkFailure::Protocol:
      return "protocol error";
    case LinkFailure::Refused:
      return "refused";
    case LinkFailure::Crossed:
      return "crossed by the partner's message";
    case LinkFailure::SendFailed:
      return "send failed";
    case LinkFailure::Cancelled:
      return "cancelled";
    case LinkFailure::CloseRequested:
      return "the game is closing";
  }
  return "?";
}

std::uint16_t LinkPort() { return portOverride ? portOverride : ReadLinkPort(); }
std::string LinkPeer() { return peerOverride.empty() ? ReadLinkPeer() : peerOverride; }
void OverrideLinkPort(std::uint16_t port) { portOverride = port; }
void OverrideLinkPeer(const std::string& host) { peerOverride = host; }

std::wstring LinkListenText() {
  return platform::FromUtf8(platform::LocalAddressText()) + L":" + std::to_wstring(LinkPort());
}

bool LinkCreate(Link& link, int seconds) {
  CloseLink(link);
  link.role = RoleServer;
  if (seconds <= 0) seconds = CreateWaitSeconds;
  const std::uint16_t port = LinkPort();
  int listener = platform::TcpListen(port);
  if (listener < 0) {
    std::fprintf(stderr, "duskhaven: cannot listen on port %u\n", static_cast<unsigned>(port));
    return Fail(link, LinkFailure::NotConnected, "cannot listen on port " + std::to_string(port));
  }
  const auto deadline = After(static_cast<std::uint32_t>(seconds) * 1000u);
  bool ok = false;
  for (;;) {
    if (!KeepWaiting(link)) break;
    const std::uint32_t left = MsLeft(deadline);
    if (left == 0) {
      Fail(link, LinkFailure::TimedOut, "nobody joined");
      break;
    }
    const int s = platform::TcpAcceptWithin(listener, std::min(left, SliceMs));
    if (s >= 0) {
      Opened(link, s);
      ok = true;
      break;
    }
  }
  platform::CloseSocket(listener);
  return ok;
}

bool LinkJoin(Link& link, int attempts, std::uint32_t spacingMs) {
  CloseLink(link);
  link.role = RoleClient;
  const std::string peer = LinkPeer();
  const std::uint16_t port = LinkPort();
  for (int k = 1; k <= attempts; ++k) {
    if (!KeepWaiting(link)) return false;
    const auto next = After(spacingMs);
    const int s = platform::TcpConnectWithin(peer, port, std::min(spacingMs, SliceMs * 50));
    if (s >= 0) {
      Opened(link, s);
      return true;
    }
    if (k == attempts) break;
    while (const std::uint32_t left = MsLeft(next)) {
      if (!KeepWaiting(link)) return false;
      platform::WaitRealTime(std::min(left, SliceMs));
    }
  }
  return Fail(link, LinkFailure::TimedOut, "no partner at " + peer + ":" + std::to_string(port));
}

void LinkAdopt(Link& link, int socket, std::uint32_t role) {
  CloseLink(link);
  link.role = role;
  Opened(link, socket);
}

void CloseLink(Link& link) {
  platform::CloseSocket(link.socket);
  link.framer.Reset();
}

bool LinkAlive(Link& link, std::uint32_t ms) {
  if (link.socket < 0) return Fail(link, LinkFailure::NotConnected);
  // Messages already read still count: the partner may have sent them and then closed.
  if (link.framer.Queued() > 0) return true;
  switch (platform::CheckSocket(link.socket, ms)) {
    case platform::SocketState::Alive:
      return true;
    case platform::SocketState::Quiet:
      return Fail(link, LinkFailure::TimedOut);
    case platform::SocketState::Closed:
      break;
  }
  return Lose(link, LinkFailure::Closed, "the partner closed the link");
}

std::uint32_t PendingBytes(Link& link) {
  if (link.socket < 0) return static_cast<std::uint32_t>(link.framer.Queued());
  return platform::PendingBytes(link.socket) + static_cast<std::uint32_t>(link.framer.Queued());
}

bool SendMessage(Link& link, const LinkMessage& m) {
  if (link.socket < 0) return Fail(link, LinkFailure::NotConnected);
  std::vector<std::uint8_t> bytes;
  if (!EncodeMessage(m, bytes)) return Fail(link, LinkFailure::SendFailed, "text too long to send");
  if (!platform::SendAllWithin(link.socket, bytes.data(), bytes.size(), SendWaitMs))
    return Lose(link, LinkFailure::SendFailed, "the message could not be sent");
  return true;
}

bool ReceiveOne(Link& link, LinkMessage& out, std::uint32_t ms) {
  const auto deadline = After(ms);
  for (;;) {
    // A queued message first: the socket is read only when none waits.
    if (link.framer.Next(out)) return true;
    if (link.socket < 0) return Fail(link, LinkFailure::NotConnected);
    std::uint8_t buffer[MaxMessageBytes];
    std::size_t count = 0;
    switch (platform::ReadAvailable(link.socket, buffer, sizeof buffer, count)) {
      case platform::ReadResult::Data:
        if (!link.framer.Feed(buffer, count)) return Lose(link, LinkFailure::Protocol, link.framer.Error());
        continue;
      case platform::ReadResult::Closed:
        return Lose(link, LinkFailure::Closed, "the partner closed the link");
      case platform::ReadResult::Failed:
        return Lose(link, LinkFailure::Closed, "the link broke");
      case platform::ReadResult::Nothing:
        break;
    }
    const std::uint32_t left = MsLeft(deadline);
    if (left == 0) return Fail(link, LinkFailure::TimedOut);
    if (!KeepWaiting(link)) return false;
    platform::WaitReadable(link.socket, std::min(left, SliceMs));
  }
}

bool SendConfirmed(Link& link, const LinkMessage& m, std::uint32_t stepMs) {
  if (!SendMessage(link, m)) return false;
  const LinkMessage expected = EchoOf(m);
  const auto deadline = After(stepMs);
  for (;;) {
    LinkMessage reply;
    if (!ReceiveOne(link, reply, MsLeft(deadline))) return false;
    if (!IsExchangeAnswer(reply)) {
      // Both devices sent at once. The client yields: the server's message
      // stays queued for the caller. The server drops the client's message,
      // which the client sends again, and waits on for its echo.
      if (link.role == RoleClient) {
        link.framer.PutBack(std::move(reply));
        return Fail(link, LinkFailure::Crossed);
      }
      ++link.dropped;
      continue;
    }
    if (reply == expected) return SendMessage(link, FreshMessage(LinkMessageType::Confirm));
    SendMessage(link, FreshMessage(LinkMessageType::Refuse));
    return Fail(link, LinkFailure::Refused, "the echo differed: " + DescribeMessage(reply));
  }
}

bool ReceiveConfirmed(Link& link, LinkMessage& out, std::uint32_t ms, std::uint32_t stepMs) {
  out = LinkMessage{};
  if (!ReceiveOne(link, out, ms)) {
    out = LinkMessage{};
    return false;
  }
  if (!SendMessage(link, EchoOf(out))) return false;
  LinkMessage reply;
  if (!ReceiveOne(link, reply, stepMs)) return false;
  if (reply.Is(LinkMessageType::Confirm)) return true;
  // Anything but the partner's verdict is kept for the next receive.
  if (!IsExchangeAnswer(reply)) link.framer.PutBack(std::move(reply));
  return Fail(link, LinkFailure::Refused, "not confirmed");
}
