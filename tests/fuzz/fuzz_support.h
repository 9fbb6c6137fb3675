// fuzz_support.h -- what the readers' fuzz targets share: a private install folder and the forged card data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/forge/card_data_files.h"

// A fresh folder of this process's own (on the memory file system when there
// is one), made the install directory and removed at exit.
std::string FuzzInstallDir(const std::string& name);

// The four data files of the game's own card and roster tables.
const CardDataFiles& ForgedCardData();

// Writes the forged data files under the install directory; with `open` the
// card database is opened and the roster loaded too. False on any failure.
bool InstallForgedCardData(bool open);

// Writes one game file as a plain write (no flush: the fuzzers write
// thousands of files a second).
bool PutGameFile(const std::string& gamePath, const std::uint8_t* data, std::size_t size);
bool PutGameFile(const std::string& gamePath, const std::vector<std::uint8_t>& bytes);

// Stops the fuzzer with a message when a property of the reader is broken.
[[noreturn]] void BrokenProperty(const char* what);
#define FUZZ_CHECK(condition)                     \
  do {                                            \
    if (!(condition)) BrokenProperty(#condition); \
  } while (0)
