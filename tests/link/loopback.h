// loopback.h -- two connected sockets on the loopback address, and a raw partner's bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "link/link.h"

namespace link_test {

// A connected pair: `server` and `client` are open sockets; false when the machine refuses loopback sockets.
bool LoopbackPair(int& server, int& client);
// Both ends as links (the card count fixed at 100).
bool LinkPair(Link& server, Link& client);
// A free TCP port on this machine (for Create and Join).
std::uint16_t FreePort();
// Writes raw bytes to a socket (the partner's side of a test).
void RawSend(int socket, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> Bytes(const LinkMessage& m);
// Reads one whole message from a raw socket within ms; false when none came.
bool RawReceive(int socket, LinkMessage& out, std::uint32_t ms);

}  // namespace link_test
