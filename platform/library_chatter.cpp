// library_chatter.cpp -- stderr pointed at /dev/null around library calls that print their own warnings.
#include "platform/library_chatter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>

namespace platform {

namespace {

std::mutex chatterLock;
bool shown = false;
int depth = 0;
int savedStderr = -1;  // the terminal's stderr while it is pointed away

}  // namespace

void ShowLibraryChatter(bool show) {
  std::lock_guard<std::mutex> hold(chatterLock);
  shown = show;
}

bool LibraryChatterShown() {
  std::lock_guard<std::mutex> hold(chatterLock);
  return shown;
}

QuietLibraries::QuietLibraries() {
  std::lock_guard<std::mutex> hold(chatterLock);
  if (shown || depth++ > 0) return;
  std::fflush(stderr);
  const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (sink < 0) return;  // stderr stays as it is
  savedStderr = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
  if (savedStderr >= 0 && ::dup2(sink, STDERR_FILENO) < 0) {
    ::close(savedStderr);
    savedStderr = -1;
  }
  ::close(sink);
}

QuietLibraries::~QuietLibraries() {
  std::lock_guard<std::mutex> hold(chatterLock);
  if (depth == 0 || --depth > 0) return;
  if (savedStderr < 0) return;
  std::fflush(stderr);
  ::dup2(savedStderr, STDERR_FILENO);
  ::close(savedStderr);
  savedStderr = -1;
}

}  // namespace platform
