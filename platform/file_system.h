// file_system.h -- the game's files under the install directory, and safe saving.
//
// Game paths are written as the game writes them ("DATA\CARDS\SET 1\CARDS.IND"):
// relative to the install directory, with '\' as the separator. Nothing
// outside platform/ opens a file itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The install directory every game path is relative to.
void SetInstallDir(std::string_view dir);
const std::string& InstallDir();

// Where the game paths "SAVE\..." lead: "" (the default) keeps them under the
// install directory; an installed game whose data set is read-only puts them
// in the player's own folder (the folder given stands for "SAVE").
void SetSaveFolder(std::string_view dir);
const std::string& SaveFolder();

// The host path of a game path: InstallDir + "/" + path with '\' read as '/'
// (the save folder for "SAVE" and what lies in it, when one is set).
// A path that is already absolute (starts with '/') is used as it is.
std::string HostPath(std::string_view gamePath);

// A host path made absolute against the folder the program was started in.
std::string AbsoluteHostPath(std::string_view path);

// A read-only file with explicit seeks, for the card database's on-demand reads.
class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
  ReadOnlyFile(ReadOnlyFile&& other) noexcept;
  ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;

  bool Open(std::string_view gamePath);  // false when missing or unreadable
  bool IsOpen() const { return fd_ >= 0; }
  void Close();
  std::uint64_t Size() const;
  // Reads up to `count` bytes at `offset`; returns the number read (0 at the end or on error).
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const;

 private:
  int fd_ = -1;
};

// Reads a whole file; false when it is missing, unreadable or larger than maxBytes.
bool ReadWholeFile(std::string_view gamePath, std::vector<std::uint8_t>& bytes, std::size_t maxBytes = 64u << 20);

// Writes a whole file so that it is never seen half-written: a temporary file
// in the same folder is written, flushed to disk, renamed over the old one and
// the folder is flushed. On any failure the old file is left as it was.
bool WriteFileAtomically(std::string_view gamePath, const std::vector<std::uint8_t>& bytes);

bool FileExists(std::string_view gamePath);
// True when the path names an existing folder.
bool DirectoryExists(std::string_view gamePath);
bool RemoveFile(std::string_view gamePath);
// Creates the folder and its parents; true when it exists afterwards.
bool MakeDirectories(std::string_view gamePath);

}  // namespace platform
