// link.h -- the one link between two devices: create or join it, send and receive messages, the confirmed exchange.
//
// Every wait here is bounded: it sleeps on the socket in slices of 10 ms,
// keeps the music running, leaves the player's taps queued for the screen
// (unless the caller's poll takes them, which may cancel the wait) and ends
// the game at once on a close request. A protocol error from the partner closes the link.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "link/link_framer.h"
#include "link/link_message.h"
#include "platform/messages.h"

enum LinkRole : std::uint32_t { RoleClient = 0, RoleServer = 1 };

// Why the last operation failed.
enum class LinkFailure : std::uint8_t {
  None,
  NotConnected,    // no socket (never opened, closed, or lost)
  TimedOut,        // nothing came in time; the link may still be alive
  Closed,          // the partner closed the connection (or it broke)
  Protocol,        // the partner sent something malformed: the link was closed
  Refused,         // the partner refused, or its echo differed from what was sent
  Crossed,         // client only: the server's own message crossed ours; it waits in the
                   // queue (ReceiveConfirmed takes it), then the message is sent again
  SendFailed,      // the bytes could not be sent: the link was closed
  Cancelled,       // the caller's poll ended the wait
  CloseRequested,  // the player closed the game during the wait
};
const char* LinkFailureName(LinkFailure f);

// Called about every 10 ms during a wait, with each stylus message taken from
// the queue (kind Paint when none came); true cancels the wait.
using LinkPoll = std::function<bool(const platform::Message& stylus)>;

constexpr std::uint32_t LinkAliveMs = 500;      // the liveness check's wait
constexpr int CreateWaitSeconds = 20;           // Create waits this long for a partner
constexpr int JoinAttempts = 6;                 // Join tries this often ...
constexpr std::uint32_t JoinSpacingMs = 1000;   // ... this far apart
constexpr std::uint32_t ExchangeStepMs = 5000;  // an echo or a confirm must come within this
constexpr std::uint32_t StartWaitMs = 20000;    // the lobby's start buttons wait this long for the partner

struct Link {
  std::uint32_t role = RoleClient;
  std::uint8_t connected = 0;  // the lobby's belief that a partner is connected
  int socket = -1;
  LinkFramer framer;
  LinkFailure failure = LinkFailure::None;
  std::string failureText;    // the protocol error or the system's reason, for stderr
  LinkPoll poll;              // used by every wait while set (the lobby's Cancel)
  int cardCount = 0;          // card ids 1..cardCount are in range; 0 = the card database's count
  std::uint32_t dropped = 0;  // server: client messages SendConfirmed dropped because they crossed its own
  std::uint32_t opened = 0;   // connections made so far: a new one means the partner's game may have restarted
};

// The program's one link (the lobby's).
extern Link TheLink;

// Create: listens on Link_Port on every local address, waits up to `seconds`
// for one partner, accepts it and closes the listening socket. Join: up to
// `attempts` connection attempts to Link_Peer on Link_Port, `spacingMs` apart;
// a connection made in an attempt is used at once. Both close the old socket first.
bool LinkCreate(Link& link, int seconds = CreateWaitSeconds);
bool LinkJoin(Link& link, int attempts = JoinAttempts, std::uint32_t spacingMs = JoinSpacingMs);
// Takes over a connected socket in the role (a partner connected some other way; tests).
void LinkAdopt(Link& link, int socket, std::uint32_t role);
// Closes the socket (the descriptor is forgotten) and forgets queued messages.
void CloseLink(Link& link);
// Open socket, partner not known to have closed: select on read, write and
// exception within ms; a readable socket whose peek returns 0 is closed (and the link closed).
bool LinkAlive(Link& link, std::uint32_t ms = LinkAliveMs);
// Bytes that arrived and were not read yet, plus messages already framed
// (so "drain while PendingBytes() > 0" also empties the queue).
std::uint32_t PendingBytes(Link& link);

// Sends one message as it is (no confirmation).
bool SendMessage(Link& link, const LinkMessage& m);
// The oldest message; reads the socket only when none is queued; waits up to ms (0: look once).
bool ReceiveOne(Link& link, LinkMessage& out, std::uint32_t ms);
// message -> Echo -> Confirm. False when the send fails, no echo comes within
// stepMs, or the echo differs (then Refuse is sent and failure is Refused).
// When both devices send at once the client yields: the server drops the
// client's message and keeps waiting for its echo; the client keeps the
// server's message queued and fails with Crossed, to send again after it.
bool SendConfirmed(Link& link, const LinkMessage& m, std::uint32_t stepMs = ExchangeStepMs);
// Waits up to ms for a message, echoes it, and is true when a Confirm follows
// within stepMs. On failure `out` still holds what arrived (type 255 when nothing did).
bool ReceiveConfirmed(Link& link, LinkMessage& out, std::uint32_t ms, std::uint32_t stepMs = ExchangeStepMs);

// Port and peer: the settings Link_Port (default 7373) and Link_Peer (default
// 127.0.0.1), unless the command line overrode them for this run.
std::uint16_t LinkPort();
std::string LinkPeer();
void OverrideLinkPort(std::uint16_t port);
void OverrideLinkPeer(const std::string& host);
// "a.b.c.d:port" of this device, for the lobby's line while it listens.
std::wstring LinkListenText();
