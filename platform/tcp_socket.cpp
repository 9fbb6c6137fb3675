// tcp_socket.cpp -- the link's TCP sockets: non-blocking, every wait a select with a timeout.
#include "platform/tcp_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>

#include "platform/backend_interface.h"

namespace platform {
namespace {

using SteadyClock = std::chrono::steady_clock;

bool MakeNonBlocking(int s) {
  const int flags = fcntl(s, F_GETFL, 0);
  return flags >= 0 && fcntl(s, F_SETFL, flags | O_NONBLOCK) == 0;
}

void TuneStream(int s) {
  // Small messages go out at once: a move waits for no timer.
  int one = 1;
  setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

timeval TimeoutOf(std::uint32_t ms) {
  timeval tv{};
  tv.tv_sec = static_cast<time_t>(ms / 1000);
  tv.tv_usec = static_cast<suseconds_t>((ms % 1000) * 1000);
  return tv;
}

// The real time a wait took, told to the backend (the headless clock moves on by it).
class SpentTime {
 public:
  SpentTime() : start_(SteadyClock::now()) {}
  ~SpentTime() {
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start_).count();
    if (Backend* backend = CurrentBackend(); backend && spent > 0)
      backend->RealTimeSpent(static_cast<std::uint32_t>(spent));
  }
  SpentTime(const SpentTime&) = delete;
  SpentTime& operator=(const SpentTime&) = delete;

 private:
  SteadyClock::time_point start_;
};

// select on one socket; the number of ready sets (0 on a timeout, -1 on an error).
int SelectOne(int s, bool read, bool write, bool except, std::uint32_t ms, bool* readable = nullptr,
              bool* writable = nullptr, bool* failed = nullptr) {
  if (s < 0 || s >= FD_SETSIZE) return -1;
  fd_set r, w, e;
  FD_ZERO(&r);
  FD_ZERO(&w);
  FD_ZERO(&e);
  if (read) FD_SET(s, &r);
  if (write) FD_SET(s, &w);
  if (except) FD_SET(s, &e);
  timeval tv = TimeoutOf(ms);
  int n = 0;
  {
    SpentTime spent;
    do {
      n = select(s + 1, read ? &r : nullptr, write ? &w : nullptr, except ? &e : nullptr, &tv);
    } while (n < 0 && errno == EINTR && tv.tv_sec + tv.tv_usec > 0);
  }
  if (n < 0 && errno == EINTR) n = 0;
  if (n <= 0) return n;
  if (readable) *readable = read && FD_ISSET(s, &r);
  if (writable) *writable = write && FD_ISSET(s, &w);
  if (failed) *failed = except && FD_ISSET(s, &e);
  return n;
}

}  // namespace

int TcpListen(std::uint16_t port) {
  int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (s < 0) return -1;
  int one = 1;
  setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  address.sin_port = htons(port);
  if (bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || listen(s, 5) != 0 ||
      !MakeNonBlocking(s)) {
    CloseSocket(s);
    return -1;
  }
  return s;
}

int TcpAcceptWithin(int listenSocket, std::uint32_t ms) {
  bool readable = false, failed = false;
  if (SelectOne(listenSocket, true, false, true, ms, &readable, nullptr, &failed) <= 0 || failed || !readable)
    return -1;
  int s = accept4(listenSocket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
  if (s < 0) return -1;
  TuneStream(s);
  return s;
}

int TcpConnectWithin(const std::string& host, std::uint16_t port, std::uint32_t ms) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  if (getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0 || !found) return -1;
  int result = -1;
  for (addrinfo* a = found; a && result < 0; a = a->ai_next) {
    int s = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (s < 0) continue;
    if (!MakeNonBlocking(s)) {
      CloseSocket(s);
      continue;
    }
    if (connect(s, a->ai_addr, a->ai_addrlen) == 0) {
      result = s;
      break;
    }
    if (errno == EINPROGRESS) {
      bool writable = false;
      if (SelectOne(s, false, true, false, ms, nullptr, &writable) > 0 && writable) {
        int error = 0;
        socklen_t length = sizeof error;
        if (getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) {
          result = s;
          break;
        }
      }
    }
    CloseSocket(s);
  }
  freeaddrinfo(found);
  if (result >= 0) TuneStream(result);
  return result;
}

void CloseSocket(int& socket) {
  if (socket >= 0) close(socket);
  socket = -1;
}

std::uint16_t LocalPort(int socket) {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  if (socket < 0 || getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
  return ntohs(address.sin_port);
}

bool SendAllWithin(int socket, const std::uint8_t* bytes, std::size_t length, std::uint32_t ms) {
  if (socket < 0) return false;
  std::size_t sent = 0;
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(ms);
  while (sent < length) {
    const ssize_t n = send(socket, bytes + sent, length - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
    if (left <= 0) return false;
    bool writable = false;
    if (SelectOne(socket, false, true, false, static_cast<std::uint32_t>(left), nullptr, &writable) <= 0) return false;
  }
  return true;
}

ReadResult ReadAvailable(int socket, std::uint8_t* buffer, std::size_t capacity, std::size_t& count) {
  count = 0;
  if (socket < 0) return ReadResult::Failed;
  for (;;) {
    const ssize_t n = recv(socket, buffer, capacity, MSG_DONTWAIT);
    if (n > 0) {
      count = static_cast<std::size_t>(n);
      return ReadResult::Data;
    }
    if (n == 0) return ReadResult::Closed;
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) return ReadResult::Nothing;
    return ReadResult::Failed;
  }
}

std::uint32_t PendingBytes(int socket) {
  if (socket < 0) return 0;
  int n = 0;
  if (ioctl(socket, FIONREAD, &n) != 0 || n < 0) return 0;
  return static_cast<std::uint32_t>(n);
}

bool WaitReadable(int socket, std::uint32_t ms) {
  bool readable = false, failed = false;
  return SelectOne(socket, true, false, true, ms, &readable, nullptr, &failed) > 0 && (readable || failed);
}

void WaitRealTime(std::uint32_t ms) {
  timeval tv = TimeoutOf(ms);
  SpentTime spent;
  select(0, nullptr, nullptr, nullptr, &tv);
}

SocketState CheckSocket(int socket, std::uint32_t ms) {
  bool readable = false, writable = false, failed = false;
  const int n = SelectOne(socket, true, true, true, ms, &readable, &writable, &failed);
  if (n == 0) return SocketState::Quiet;
  if (n < 0 || failed) return SocketState::Closed;
  int error = 0;
  socklen_t length = sizeof error;
  if (getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) return SocketState::Closed;
  if (readable) {
    std::uint8_t byte = 0;
    ssize_t got = 0;
    do {
      got = recv(socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    } while (got < 0 && errno == EINTR);
    if (got == 0) return SocketState::Closed;  // the partner closed
    if (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return SocketState::Closed;
  }
  return SocketState::Alive;
}

std::string LocalAddressText() {
  std::string text;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) == 0) {
    for (ifaddrs* i = list; i; i = i->ifa_next) {
      if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) continue;
      const auto* in = reinterpret_cast<const sockaddr_in*>(i->ifa_addr);
      if ((ntohl(in->sin_addr.s_addr) >> 24) == 127) continue;
      char buffer[INET_ADDRSTRLEN] = {};
      if (!inet_ntop(AF_INET, &in->sin_addr, buffer, sizeof buffer)) continue;
      if (!text.empty()) text += ", ";
      text += buffer;
    }
    freeifaddrs(list);
  }
  return text.empty() ? "127.0.0.1" : text;
}

}  // namespace platform
