// fuzz_support.cpp -- private install folders, the forged data files and plain game-file writes for the fuzzers.
#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "data/card_database.h"
#include "data/roster.h"
#include "platform/file_system.h"
#include "tools/forge/asset_tables.h"

namespace {

std::string folder;

void RemoveFolder() {
  std::error_code ignored;
  if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
}

}  // namespace

std::string FuzzInstallDir(const std::string& name) {
  std::error_code error;
  std::string base = std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : "";
  if (base.empty()) {
    const char* tmp = std::getenv("TMPDIR");
    base = tmp && *tmp ? tmp : "/tmp";
  }
  if (folder.empty()) std::atexit(RemoveFolder);
  RemoveFolder();
  folder = base + "/duskhaven-fuzz-" + name + "-" + std::to_string(getpid());
  std::filesystem::create_directories(folder, error);
  platform::SetInstallDir(folder);
  platform::MakeDirectories("SAVE");
  platform::MakeDirectories("DATA\\CARDS\\SET 1");
  return folder;
}

const CardDataFiles& ForgedCardData() {
  static CardDataFiles files;
  static bool built = false;
  if (!built) {
    built = true;
    std::string error;
    if (!LoadAssetTables(error) || !BuildCardDataFiles(CardRows(), FamilyRows(), OpponentRows(), files, error)) {
      std::fprintf(stderr, "fuzz: cannot build the card data: %s\n", error.c_str());
      std::abort();
    }
  }
  return files;
}

bool InstallForgedCardData(bool open) {
  const CardDataFiles& files = ForgedCardData();
  if (!PutGameFile(CardIndexPath, files.index) || !PutGameFile(CardRecordPath, files.records) ||
      !PutGameFile(CardInfoPath, files.infos) || !PutGameFile(RosterPath, files.opponents))
    return false;
  if (!open) return true;
  return OpenCardDatabase() && LoadRoster();
}

bool PutGameFile(const std::string& gamePath, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(platform::HostPath(gamePath), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

bool PutGameFile(const std::string& gamePath, const std::vector<std::uint8_t>& bytes) {
  return PutGameFile(gamePath, bytes.data(), bytes.size());
}

void BrokenProperty(const char* what) {
  std::fprintf(stderr, "fuzz: broken property: %s\n", what);
  std::abort();
}
