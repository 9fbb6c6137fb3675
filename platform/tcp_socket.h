// tcp_socket.h -- the link's stream sockets over TCP: listen, accept, connect, send, read, liveness.
//
// Every socket is non-blocking; the waits are select calls with a timeout, so
// nothing here blocks longer than it was asked to. A descriptor is an int,
// -1 when none; the closing calls set the caller's copy to -1, so a closed
// descriptor is never closed twice (and never closes a file that reused it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// A listening socket on every local IPv4 address (SO_REUSEADDR, backlog 5); -1 on failure.
int TcpListen(std::uint16_t port);
// Waits up to ms for a partner on the listening socket and accepts it only when
// select reports it ready; the accepted socket, or -1 (nobody came, or an error).
int TcpAcceptWithin(int listenSocket, std::uint32_t ms);
// One connection attempt to host:port, waiting up to ms for it to complete; -1 when refused or timed out.
int TcpConnectWithin(const std::string& host, std::uint16_t port, std::uint32_t ms);
void CloseSocket(int& socket);
// The local port a socket is bound to (0 on an error): a listener made on port 0 got a free one.
std::uint16_t LocalPort(int socket);

// Sends all `length` bytes, waiting up to ms for room; false on an error or
// when not everything was accepted in time (a partial write is a failure).
bool SendAllWithin(int socket, const std::uint8_t* bytes, std::size_t length, std::uint32_t ms);

enum class ReadResult : std::uint8_t { Data, Nothing, Closed, Failed };
// Reads what has arrived, at most `capacity` bytes, without waiting.
// Closed: the partner closed the connection (a read of 0 bytes).
ReadResult ReadAvailable(int socket, std::uint8_t* buffer, std::size_t capacity, std::size_t& count);
// Bytes waiting to be read (FIONREAD); 0 when none or on an error.
std::uint32_t PendingBytes(int socket);
// Waits up to ms until the socket is readable (data or a close); true when it is.
// Real time: the headless clock is moved on by the time spent waiting.
bool WaitReadable(int socket, std::uint32_t ms);
// Sleeps ms of real time with nothing to wait on (between two connection
// attempts); the headless clock is moved on by it.
void WaitRealTime(std::uint32_t ms);

enum class SocketState : std::uint8_t { Alive, Quiet, Closed };
// select on read, write and exception with an ms timeout. Alive: ready and
// not in error. Quiet: nothing ready in time. Closed: an error, an exception,
// or a readable socket whose peek returns 0 bytes (the partner closed).
SocketState CheckSocket(int socket, std::uint32_t ms);

// The host's IPv4 addresses other than the loopback, as "a.b.c.d" joined by
// ", "; "127.0.0.1" when it has none (shown by the lobby while it listens).
std::string LocalAddressText();

}  // namespace platform
