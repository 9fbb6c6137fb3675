// messages.h -- the window message queue: stylus, keys, timer, quit and the game's private messages.
#pragma once

#include <cstdint>

namespace platform {

enum class MessageKind : std::uint8_t {
  StylusDown,
  StylusMove,
  StylusUp,
  KeyDown,
  KeyUp,
  Timer,    // param = the timer's id; RunTimer calls its callback
  Quit,     // param = the exit code
  User,     // WM_USER (0x400) with param
  Destroy,  // the window was closed
  Activate,
  SetFocus,
  KillFocus,
  Paint,
  Suspend,  // the private message 0x3FF
};

struct Message {
  MessageKind kind = MessageKind::Paint;
  std::int16_t x = 0;  // stylus position in screen pixels
  std::int16_t y = 0;
  std::int32_t key = 0;  // key messages: the virtual-key code
  std::uint32_t param = 0;
};

inline bool IsStylus(const Message& m) {
  return m.kind == MessageKind::StylusDown || m.kind == MessageKind::StylusMove || m.kind == MessageKind::StylusUp;
}
inline bool IsKey(const Message& m) { return m.kind == MessageKind::KeyDown || m.kind == MessageKind::KeyUp; }

// Takes the oldest message without waiting; false when the queue is empty.
bool RemoveNextMessage(Message& message);
// Takes the oldest stylus message, leaving every other message queued.
bool RemoveNextStylusMessage(Message& message);
// Takes the oldest key message, leaving every other message queued.
bool RemoveNextKeyMessage(Message& message);
// Takes the oldest press of the key with that virtual-key code (its low 16
// bits), leaving every other message queued, its release too.
bool RemoveNextKeyDown(std::int16_t code, Message& message);
// Brings arrived input into the queue (and honours a close request) without taking anything.
void PumpMessages();
void PostMessage(const Message& message);
void PostQuitMessage(std::uint32_t exitCode);
void PostUserMessage(std::uint32_t param);

// A timer whose messages come through the queue every intervalMs of tick
// time (at most one pending per timer). Returns its id (> 0).
int StartTimer(std::uint32_t intervalMs, void (*callback)());
void StopTimer(int id);
// Milliseconds until the next timer is due (0 when one is due now); false
// when no timer runs or every one waits in the queue already.
bool NextTimerDue(std::uint32_t& ms);
// Runs the callback of a Timer message.
void RunTimer(const Message& message);

// Drops every queued message and timer (tests; the backend's shut-down).
void ResetMessageQueue();

}  // namespace platform
