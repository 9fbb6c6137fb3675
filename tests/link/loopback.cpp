// loopback.cpp -- loopback pairs and raw partner bytes for the link tests.
#include "tests/link/loopback.h"

#include "platform/tcp_socket.h"

namespace link_test {

bool LoopbackPair(int& server, int& client) {
  int listener = platform::TcpListen(0);
  if (listener < 0) return false;
  const std::uint16_t port = platform::LocalPort(listener);
  client = platform::TcpConnectWithin("127.0.0.1", port, 1000);
  server = platform::TcpAcceptWithin(listener, 1000);
  platform::CloseSocket(listener);
  return server >= 0 && client >= 0;
}

bool LinkPair(Link& server, Link& client) {
  int s = -1, c = -1;
  if (!LoopbackPair(s, c)) return false;
  server.cardCount = client.cardCount = 100;
  LinkAdopt(server, s, RoleServer);
  LinkAdopt(client, c, RoleClient);
  return true;
}

std::uint16_t FreePort() {
  int listener = platform::TcpListen(0);
  const std::uint16_t port = platform::LocalPort(listener);
  platform::CloseSocket(listener);
  return port;
}

void RawSend(int socket, const std::vector<std::uint8_t>& bytes) {
  platform::SendAllWithin(socket, bytes.data(), bytes.size(), 2000);
}

std::vector<std::uint8_t> Bytes(const LinkMessage& m) {
  std::vector<std::uint8_t> out;
  EncodeMessage(m, out);
  return out;
}

bool RawReceive(int socket, LinkMessage& out, std::uint32_t ms) {
  LinkFramer framer(1000);
  std::uint8_t buffer[MaxMessageBytes];
  for (std::uint32_t waited = 0; waited <= ms; waited += 10) {
    std::size_t n = 0;
    // One byte at a time, so nothing after this message is taken from the socket.
    while (platform::ReadAvailable(socket, buffer, 1, n) == platform::ReadResult::Data) {
      framer.Feed(buffer, n);
      if (framer.Next(out)) return true;
    }
    platform::WaitReadable(socket, 10);
  }
  return false;
}

}  // namespace link_test
