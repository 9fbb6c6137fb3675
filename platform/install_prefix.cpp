// install_prefix.cpp -- the installed game's data folder from /proc/self/exe, and its saves' folder.
#include "platform/install_prefix.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/settings_store.h"

#ifndef DUSKHAVEN_DATA_FROM_BIN
#define DUSKHAVEN_DATA_FROM_BIN "../share/duskhaven"
#endif

namespace platform {

std::string DataFolderBeside(std::string_view executable, std::string_view relative) {
  const auto slash = executable.find_last_of('/');
  if (slash == std::string_view::npos || relative.empty()) return "";
  std::string folder(executable.substr(0, slash == 0 ? 1 : slash));
  if (relative.front() == '/') {
    folder = std::string(relative);
  } else {
    if (folder.back() != '/') folder += '/';
    folder += relative;
  }
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return "";
  // "/opt/dh/bin/../share/duskhaven" reads better as "/opt/dh/share/duskhaven".
  if (char* real = ::realpath(folder.c_str(), nullptr)) {
    folder = real;
    std::free(real);
  }
  return folder;
}

std::string PrefixDataFolder() {
  char path[4096];
  const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "";
  return DataFolderBeside(std::string_view(path, static_cast<std::size_t>(n)), DUSKHAVEN_DATA_FROM_BIN);
}

std::string PlayerSaveFolder() {
  // A second configuration keeps its own saves, as it keeps its own lock.
  if (ConfigFolder() != DefaultConfigFolder()) return ConfigFolder() + "/SAVE";
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/duskhaven/SAVE";
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.local/share/duskhaven/SAVE";
  return ConfigFolder() + "/SAVE";
}

}  // namespace platform
