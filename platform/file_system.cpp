// file_system.cpp -- POSIX implementation of the game's file access and atomic saves.
#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include <string>

namespace platform {
namespace {

std::string installDir = ".";
std::string saveFolder;

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

std::string ParentOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

void SetInstallDir(std::string_view dir) {
  // Trailing slashes are cut from the view before one assignment (trimming the
  // string in place and then assigning "." trips GCC 12's -Wrestrict at -O3).
  while (dir.size() > 1 && dir.back() == '/') dir.remove_suffix(1);
  installDir = dir.empty() ? std::string(".") : std::string(dir);
}

const std::string& InstallDir() { return installDir; }

void SetSaveFolder(std::string_view dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.remove_suffix(1);
  saveFolder = std::string(dir);
}

const std::string& SaveFolder() { return saveFolder; }

std::string HostPath(std::string_view gamePath) {
  std::string rel(gamePath);
  for (char& c : rel)
    if (c == '\\') c = '/';
  if (!rel.empty() && rel.front() == '/') return rel;
  if (!saveFolder.empty() && rel.compare(0, 4, "SAVE") == 0 && (rel.size() == 4 || rel[4] == '/'))
    return saveFolder + rel.substr(4);
  return installDir + "/" + rel;
}

std::string AbsoluteHostPath(std::string_view path) {
  std::string p(path);
  if (!p.empty() && p.front() == '/') return p;
  char folder[4096];
  if (!::getcwd(folder, sizeof folder)) return p;
  return p.empty() ? std::string(folder) : std::string(folder) + "/" + p;
}

ReadOnlyFile::~ReadOnlyFile() { Close(); }

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

bool ReadOnlyFile::Open(std::string_view gamePath) {
  Close();
  std::string path = HostPath(gamePath);
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return false;
  struct stat st {};
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    Close();
    return false;
  }
  return true;
}

void ReadOnlyFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::uint64_t ReadOnlyFile::Size() const {
  struct stat st {};
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
  return static_cast<std::uint64_t>(st.st_size);
}

std::size_t ReadOnlyFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const {
  if (fd_ < 0) return 0;
  std::size_t done = 0;
  auto* out = static_cast<std::uint8_t*>(buffer);
  while (done < count) {
    ssize_t n = ::pread(fd_, out + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

bool ReadWholeFile(std::string_view gamePath, std::vector<std::uint8_t>& bytes, std::size_t maxBytes) {
  bytes.clear();
  ReadOnlyFile file;
  if (!file.Open(gamePath)) return false;
  std::uint64_t size = file.Size();
  if (size > maxBytes) return false;
  bytes.resize(static_cast<std::size_t>(size));
  if (file.ReadAt(0, bytes.data(), bytes.size()) != bytes.size()) {
    bytes.clear();
    return false;
  }
  return true;
}

bool WriteFileAtomically(std::string_view gamePath, const std::vector<std::uint8_t>& bytes) {
  std::string path = HostPath(gamePath);
  std::string temp = path + ".tmp";
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  int dir = ::open(ParentOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool FileExists(std::string_view gamePath) {
  struct stat st {};
  return ::stat(HostPath(gamePath).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RemoveFile(std::string_view gamePath) { return ::unlink(HostPath(gamePath).c_str()) == 0; }

bool DirectoryExists(std::string_view gamePath) {
  struct stat st {};
  return ::stat(HostPath(gamePath).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeDirectories(std::string_view gamePath) {
  std::string path = HostPath(gamePath);
  for (std::size_t i = 1; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '/') {
      std::string part = path.substr(0, i);
      if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
  }
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace platform
