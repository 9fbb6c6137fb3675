// instance_lock.cpp -- the one-instance lock: an flock on a file in the configuration folder.
#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/file_system.h"

namespace platform {
namespace {
int lockFd = -1;
}

bool AcquireInstanceLock(const std::string& folder) {
  if (lockFd >= 0) return true;
  MakeDirectories(folder);
  const std::string path = folder + "/duskhaven.lock";
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return true;  // a folder we cannot write to cannot hold a lock either: play on
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  lockFd = fd;
  return true;
}

void ReleaseInstanceLock() {
  if (lockFd < 0) return;
  ::flock(lockFd, LOCK_UN);
  ::close(lockFd);
  lockFd = -1;
}

}  // namespace platform
