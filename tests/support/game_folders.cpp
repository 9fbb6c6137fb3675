// game_folders.cpp -- a copy of the game for one test run: its install folder, its process.
#include "tests/support/game_folders.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

namespace test_support {

namespace fs = std::filesystem;

namespace {

std::vector<std::string>& FoldersToRemove() {
  static std::vector<std::string> folders;
  return folders;
}

void RemoveFolders() {
  std::error_code ignored;
  for (const std::string& folder : FoldersToRemove()) fs::remove_all(folder, ignored);
}

}  // namespace

std::string FolderRemovedAtExit(const std::string& prefix) {
  std::string name = "/tmp/" + prefix + "-XXXXXX";
  if (::mkdtemp(name.data()) == nullptr) return "";
  if (FoldersToRemove().empty()) std::atexit(RemoveFolders);
  FoldersToRemove().push_back(name);
  return name;
}

void LinkedInstall(const std::string& install, const std::string& data) {
  fs::create_directories(fs::path(install) / "SAVE");
  for (const fs::directory_entry& e : fs::directory_iterator(data))
    if (e.path().filename() != "SAVE") fs::create_symlink(e.path(), fs::path(install) / e.path().filename());
}

pid_t StartShell(const std::string& command) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    std::_Exit(127);
  }
  return pid;
}

int WaitWithin(pid_t pid, int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    int status = 0;
    const pid_t got = ::waitpid(pid, &status, WNOHANG);
    if (got == pid) return status;
    if (got < 0) return -2;
    if (std::chrono::steady_clock::now() > end) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace test_support
