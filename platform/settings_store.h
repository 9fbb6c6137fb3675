// settings_store.h -- the registry-like store: keys with named string and 32-bit values, kept in a text file.
//
// The file (settings.reg in the configuration folder) holds one "[key]" line
// per key and one "name = value" line per value under it: numbers as
// "dword:0000002a", strings in double quotes. Every write replaces the file
// atomically.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The configuration folder: --config DIR, else $XDG_CONFIG_HOME/duskhaven,
// else ~/.config/duskhaven.
void SetConfigFolder(std::string folder);
std::string DefaultConfigFolder();
const std::string& ConfigFolder();

// Creates the key (and its parents); true when it exists afterwards.
bool CreateStoreKey(std::string_view key);
bool StoreKeyExists(std::string_view key);
// False when the key or value is missing, or the value has the other type.
bool ReadStoreNumber(std::string_view key, std::string_view name, std::uint32_t& value);
bool ReadStoreString(std::string_view key, std::string_view name, std::string& value);
// False when the key is missing or the file cannot be written.
bool WriteStoreNumber(std::string_view key, std::string_view name, std::uint32_t value);
bool WriteStoreString(std::string_view key, std::string_view name, std::string_view value);

}  // namespace platform
