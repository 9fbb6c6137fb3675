// settings_store.h -- the registry-like store: keys with named string and 32-bit values, kept in a text file.
//
// The file (settings.reg in the configuration folder) holds one "[key]" line
// per key and one "name = value" line per value under it: numbers as
// "dword:0000002a", strings in double quotes. Every write replaces the file
// atomically.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// The store's file held in memory: what every call above does between reading
// settings.reg and replacing it. Lines that make no sense (and comments) are
// kept where they stood and written back as they were.
class StoreImage {
 public:
  struct Value {
    std::string name;  // empty for a kept line
    std::string raw;   // a line the game cannot read (or a comment), written back as it was
    bool isNumber = false;
    std::uint32_t number = 0;
    std::string text;
  };
  struct Key {
    std::string name;
    std::vector<Value> values;
  };

  StoreImage() = default;
  explicit StoreImage(std::span<const std::uint8_t> fileBytes);

  bool KeyExists(std::string_view key) const;
  bool ReadNumber(std::string_view key, std::string_view name, std::uint32_t& value) const;
  bool ReadString(std::string_view key, std::string_view name, std::string& value) const;
  // Creates the key and its parents; false when it was there already.
  bool CreateKey(std::string_view key);
  // False when the key is missing (or a string holds a line break).
  bool WriteNumber(std::string_view key, std::string_view name, std::uint32_t value);
  bool WriteString(std::string_view key, std::string_view name, std::string_view value);
  // The file's text for this store.
  std::vector<std::uint8_t> Bytes() const;
  // The numbers (from 1) of the lines that made no sense.
  const std::vector<int>& DamagedLines() const { return damagedLines_; }

 private:
  Key* Find(std::string_view name);
  const Value* FindValue(std::string_view key, std::string_view name) const;
  bool Write(std::string_view key, std::string_view name, const Value& value);

  std::vector<Key> keys_;
  std::vector<int> damagedLines_;
};

}  // namespace platform
