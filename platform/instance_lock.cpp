// instance_lock.cpp -- the one-instance lock: an flock on a file in the configuration folder that names its holder.
#include "platform/instance_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/file_system.h"

namespace platform {
namespace {

int lockFd = -1;
volatile sig_atomic_t raiseRequested = 0;

void OnRaiseSignal(int) { raiseRequested = 1; }

// The running game learns that another start wants it in front.
void ListenForRaise() {
  struct sigaction action {};
  action.sa_handler = OnRaiseSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGUSR1, &action, nullptr);
}

// Asks the holder named in the lock file to come to the front.
void AskHolderToRaise(int fd) {
  char text[32] = {};
  const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
  if (n <= 0) return;
  char* end = nullptr;
  const long pid = std::strtol(text, &end, 10);
  if (pid > 1 && end != text && pid != ::getpid()) ::kill(static_cast<pid_t>(pid), SIGUSR1);
}

}  // namespace

bool AcquireInstanceLock(const std::string& folder) {
  if (lockFd >= 0) return true;
  MakeDirectories(folder);
  const std::string path = folder + "/duskhaven.lock";
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return true;  // a folder we cannot write to cannot hold a lock either: play on
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    AskHolderToRaise(fd);
    ::close(fd);
    return false;
  }
  ListenForRaise();
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) == 0) {
    const ssize_t written = ::pwrite(fd, pid.data(), pid.size(), 0);
    (void)written;
  }
  lockFd = fd;
  return true;
}

void ReleaseInstanceLock() {
  if (lockFd < 0) return;
  const int ignored = ::ftruncate(lockFd, 0);
  (void)ignored;
  ::flock(lockFd, LOCK_UN);
  ::close(lockFd);
  lockFd = -1;
}

bool TakeRaiseRequest() {
  if (!raiseRequested) return false;
  raiseRequested = 0;
  return true;
}

}  // namespace platform
