// message_queue.cpp -- the platform's window message queue and its callback timers.
#include <deque>
#include <vector>

#include "platform/backend_interface.h"
#include "platform/clock.h"
#include "platform/close_request.h"
#include "platform/input_record.h"
#include "platform/messages.h"

namespace platform {
namespace {

struct Timer {
  int id = 0;
  std::uint32_t interval = 0;
  std::uint32_t due = 0;
  void (*callback)() = nullptr;
  bool pending = false;
};

std::deque<Message> queue;
std::vector<Timer> timers;
int nextTimerId = 1;

// Brings arrived input into the queue and posts due timers (one pending at a
// time per timer, as a system timer does).
void Pump() {
  if (Backend* backend = CurrentBackend()) backend->PumpInput();
  // A close request ends the game here, in whichever screen, wait or box is looking at the queue.
  HonourCloseRequest();
  if (timers.empty()) return;
  const std::uint32_t now = TickCount();
  for (Timer& t : timers) {
    if (t.pending || static_cast<std::int32_t>(now - t.due) < 0) continue;
    t.pending = true;
    t.due = now + t.interval;
    Message m;
    m.kind = MessageKind::Timer;
    m.param = static_cast<std::uint32_t>(t.id);
    queue.push_back(m);
  }
}

template <typename Pred>
bool RemoveFirst(Message& out, Pred pred) {
  Pump();
  for (auto it = queue.begin(); it != queue.end(); ++it) {
    if (!pred(*it)) continue;
    out = *it;
    queue.erase(it);
    return true;
  }
  return false;
}

}  // namespace

bool RemoveNextMessage(Message& message) {
  bool got = RemoveFirst(message, [](const Message&) { return true; });
  if (got && message.kind == MessageKind::Timer)
    for (Timer& t : timers)
      if (static_cast<std::uint32_t>(t.id) == message.param) t.pending = false;
  return got;
}

bool RemoveNextStylusMessage(Message& message) {
  return RemoveFirst(message, [](const Message& m) { return IsStylus(m); });
}

bool RemoveNextKeyMessage(Message& message) {
  return RemoveFirst(message, [](const Message& m) { return IsKey(m); });
}

bool RemoveNextKeyDown(std::int16_t code, Message& message) {
  return RemoveFirst(message, [code](const Message& m) {
    return m.kind == MessageKind::KeyDown && static_cast<std::int16_t>(m.key & 0xFFFF) == code;
  });
}

void PumpMessages() { Pump(); }

void PostMessage(const Message& message) {
  if (Recording()) RecordInput(message, TickCount());
  if (message.kind == MessageKind::Destroy) RequestClose();
  queue.push_back(message);
}

void PostQuitMessage(std::uint32_t exitCode) {
  Message m;
  m.kind = MessageKind::Quit;
  m.param = exitCode;
  queue.push_back(m);
}

void PostUserMessage(std::uint32_t param) {
  Message m;
  m.kind = MessageKind::User;
  m.param = param;
  queue.push_back(m);
}

int StartTimer(std::uint32_t intervalMs, void (*callback)()) {
  Timer t;
  t.id = nextTimerId++;
  t.interval = intervalMs == 0 ? 1 : intervalMs;
  t.due = TickCount() + t.interval;
  t.callback = callback;
  timers.push_back(t);
  return t.id;
}

void StopTimer(int id) {
  std::erase_if(timers, [id](const Timer& t) { return t.id == id; });
  std::erase_if(queue, [id](const Message& m) {
    return m.kind == MessageKind::Timer && m.param == static_cast<std::uint32_t>(id);
  });
}

bool NextTimerDue(std::uint32_t& ms) {
  const std::uint32_t now = TickCount();
  bool any = false;
  for (const Timer& t : timers) {
    if (t.pending) continue;
    const std::int32_t left = static_cast<std::int32_t>(t.due - now);
    const std::uint32_t wait = left > 0 ? static_cast<std::uint32_t>(left) : 0;
    if (!any || wait < ms) ms = wait;
    any = true;
  }
  return any;
}

void RunTimer(const Message& message) {
  if (message.kind != MessageKind::Timer) return;
  for (const Timer& t : timers)
    if (static_cast<std::uint32_t>(t.id) == message.param && t.callback) {
      t.callback();
      return;
    }
}

void ResetMessageQueue() {
  queue.clear();
  timers.clear();
}

}  // namespace platform
