// close_request.cpp -- the sticky close request and the signal handlers that raise it.
#include "platform/close_request.h"

#include <cerrno>
#include <csignal>

#include <unistd.h>

#include "platform/clock.h"
#include "platform/input_record.h"

namespace platform {
namespace {

volatile std::sig_atomic_t signalled = 0;
volatile std::sig_atomic_t wakeFd = -1;
bool requested = false;
bool honouring = false;
void (*closeHook)() = nullptr;

extern "C" void OnEndSignal(int) {
  signalled = 1;
  const int fd = wakeFd;
  if (fd >= 0) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    errno = saved;
  }
}

}  // namespace

void RequestClose() { requested = true; }

bool CloseRequested() { return requested || signalled != 0; }

void CatchEndSignals() {
  struct sigaction action {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

void SetEndSignalWake(int fd) { wakeFd = fd; }

void SetCloseHook(void (*hook)()) { closeHook = hook; }

void HonourCloseRequest() {
  if (honouring || !closeHook || !CloseRequested()) return;
  // The way out may itself wait or look at the queue: it runs only once.
  honouring = true;
  RecordClose(TickCount());
  closeHook();
}

void ResetCloseRequest() {
  requested = false;
  signalled = 0;
  honouring = false;
}

}  // namespace platform
