// settings_store.cpp -- the registry-like settings file: parsing, lookups and atomic rewrites.
#include "platform/settings_store.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/file_system.h"

namespace platform {
namespace {

using Key = StoreImage::Key;
using Value = StoreImage::Value;

constexpr const char* StoreFileName = "settings.reg";
constexpr const char* Header = "; Duskhaven settings: one [key] line per key, one name = value line per value";

std::string configFolder;

std::string StorePath() { return ConfigFolder() + "/" + StoreFileName; }

std::string Trim(std::string_view s) {
  std::size_t a = 0, b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r')) --b;
  return std::string(s.substr(a, b - a));
}

bool SameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

bool ParseValue(const std::string& raw, Value& v) {
  if (raw.rfind("dword:", 0) == 0) {
    std::string digits = raw.substr(6);
    if (digits.empty() || digits.size() > 8) return false;
    std::uint32_t n = 0;
    for (char c : digits) {
      int d = c >= '0' && c <= '9'   ? c - '0'
              : c >= 'a' && c <= 'f' ? c - 'a' + 10
              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                     : -1;
      if (d < 0) return false;
      n = n * 16 + static_cast<std::uint32_t>(d);
    }
    v.isNumber = true;
    v.number = n;
    return true;
  }
  if (raw.size() < 2 || raw.front() != '"' || raw.back() != '"') return false;
  std::string text;
  for (std::size_t i = 1; i + 1 < raw.size(); ++i) {
    char c = raw[i];
    if (c == '\\') {
      if (i + 2 >= raw.size()) return false;
      c = raw[++i];
      if (c != '\\' && c != '"') return false;
    } else if (c == '"') {
      return false;
    }
    text += c;
  }
  v.isNumber = false;
  v.text = std::move(text);
  return true;
}

// Reads the file; a missing file is an empty store. Lines that make no sense
// are reported once each on stderr, not used, and kept: a rewrite puts them
// back where they stood (mended: they used to be dropped), as it does with
// comments. `intact` turns false when the file is there but cannot be read:
// it must then not be rewritten.
StoreImage Load(bool* intact = nullptr) {
  std::vector<std::uint8_t> bytes;
  if (intact) *intact = true;
  if (!ReadWholeFile(StorePath(), bytes, 1u << 20)) {
    if (intact && FileExists(StorePath())) *intact = false;
    return {};
  }
  StoreImage image(bytes);
  // Each damaged file is reported once, not at every read.
  static std::vector<std::uint8_t> reported;
  if (!image.DamagedLines().empty() && bytes != reported) {
    reported = bytes;
    for (int line : image.DamagedLines())
      std::fprintf(stderr, "duskhaven: %s:%d: line ignored\n", StorePath().c_str(), line);
  }
  return image;
}

bool Save(const StoreImage& image) {
  if (!MakeDirectories(ConfigFolder())) return false;
  const std::vector<std::uint8_t> bytes = image.Bytes();
  // A file that already holds these bytes is left alone: the game stores its
  // settings at every exit, and a rewrite waits for the disk twice.
  std::vector<std::uint8_t> current;
  if (ReadWholeFile(StorePath(), current, 1u << 20) && current == bytes) return true;
  return WriteFileAtomically(StorePath(), bytes);
}

// Strings never hold a line break: the file keeps one value a line.
bool Storable(std::string_view text) {
  return text.find('\n') == std::string_view::npos && text.find('\r') == std::string_view::npos;
}

}  // namespace

// Lines before the first key go to a key with no name.
StoreImage::StoreImage(std::span<const std::uint8_t> fileBytes) {
  std::string_view all(reinterpret_cast<const char*>(fileBytes.data()), fileBytes.size());
  std::size_t start = 0;
  int lineNumber = 0;
  while (start <= all.size()) {
    std::size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    std::string line = Trim(all.substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    if (line.empty() || line == Header) continue;
    auto keep = [&] {
      if (keys_.empty()) keys_.push_back({"", {}});
      Value kept;
      kept.raw = line;
      keys_.back().values.push_back(std::move(kept));
    };
    if (line[0] == ';' || line[0] == '#') {
      keep();
      continue;
    }
    auto bad = [&] {
      keep();
      damagedLines_.push_back(lineNumber);
    };
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) {
        bad();
        continue;
      }
      keys_.push_back({line.substr(1, line.size() - 2), {}});
      continue;
    }
    std::size_t eq = line.find('=');
    Value v;
    if (keys_.empty() || eq == std::string::npos || (v.name = Trim(std::string_view(line).substr(0, eq))).empty() ||
        !ParseValue(Trim(std::string_view(line).substr(eq + 1)), v)) {
      bad();
      continue;
    }
    keys_.back().values.push_back(std::move(v));
  }
}

std::vector<std::uint8_t> StoreImage::Bytes() const {
  std::string out = std::string(Header) + "\n";
  for (const Key& k : keys_) {
    if (!k.name.empty()) out += "[" + k.name + "]\n";
    for (const Value& v : k.values) {
      if (v.name.empty()) {
        out += v.raw + "\n";
        continue;
      }
      out += v.name + " = ";
      if (v.isNumber) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "dword:%08x", v.number);
        out += hex;
      } else {
        out += '"';
        for (char c : v.text) {
          if (c == '\\' || c == '"') out += '\\';
          out += c;
        }
        out += '"';
      }
      out += '\n';
    }
  }
  return std::vector<std::uint8_t>(out.begin(), out.end());
}

StoreImage::Key* StoreImage::Find(std::string_view name) {
  if (name.empty()) return nullptr;  // the kept lines before the first key
  for (Key& k : keys_)
    if (SameKey(k.name, name)) return &k;
  return nullptr;
}

const StoreImage::Value* StoreImage::FindValue(std::string_view key, std::string_view name) const {
  const Key* k = const_cast<StoreImage*>(this)->Find(key);
  if (!k) return nullptr;
  for (const Value& v : k->values)
    if (SameKey(v.name, name)) return &v;
  return nullptr;
}

bool StoreImage::KeyExists(std::string_view key) const { return const_cast<StoreImage*>(this)->Find(key) != nullptr; }

bool StoreImage::ReadNumber(std::string_view key, std::string_view name, std::uint32_t& value) const {
  const Value* v = FindValue(key, name);
  if (!v || !v->isNumber) return false;
  value = v->number;
  return true;
}

bool StoreImage::ReadString(std::string_view key, std::string_view name, std::string& value) const {
  const Value* v = FindValue(key, name);
  if (!v || v->isNumber) return false;
  value = v->text;
  return true;
}

bool StoreImage::CreateKey(std::string_view key) {
  bool changed = false;
  // Each parent first, as the registry makes them.
  for (std::size_t at = key.find('\\');; at = key.find('\\', at + 1)) {
    std::string_view part = at == std::string_view::npos ? key : key.substr(0, at);
    if (!part.empty() && !Find(part)) {
      keys_.push_back({std::string(part), {}});
      changed = true;
    }
    if (at == std::string_view::npos) break;
  }
  return changed;
}

bool StoreImage::Write(std::string_view key, std::string_view name, const Value& value) {
  Key* k = Find(key);
  if (!k) return false;
  for (Value& v : k->values)
    if (SameKey(v.name, name)) {
      std::string keep = v.name;
      v = value;
      v.name = keep;
      return true;
    }
  Value fresh = value;
  fresh.name = std::string(name);
  k->values.push_back(std::move(fresh));
  return true;
}

bool StoreImage::WriteNumber(std::string_view key, std::string_view name, std::uint32_t value) {
  Value v;
  v.isNumber = true;
  v.number = value;
  return Write(key, name, v);
}

bool StoreImage::WriteString(std::string_view key, std::string_view name, std::string_view value) {
  if (!Storable(value)) return false;
  Value v;
  v.text = std::string(value);
  return Write(key, name, v);
}

void SetConfigFolder(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  configFolder = std::move(folder);
}

std::string DefaultConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/duskhaven";
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.config/duskhaven";
  return "/tmp/duskhaven";
}

const std::string& ConfigFolder() {
  if (configFolder.empty()) configFolder = DefaultConfigFolder();
  return configFolder;
}

bool CreateStoreKey(std::string_view key) {
  bool intact = true;
  StoreImage image = Load(&intact);
  if (!intact) return false;
  return !image.CreateKey(key) || Save(image);
}

bool StoreKeyExists(std::string_view key) { return Load().KeyExists(key); }

bool ReadStoreNumber(std::string_view key, std::string_view name, std::uint32_t& value) {
  return Load().ReadNumber(key, name, value);
}

bool ReadStoreString(std::string_view key, std::string_view name, std::string& value) {
  return Load().ReadString(key, name, value);
}

bool WriteStoreNumber(std::string_view key, std::string_view name, std::uint32_t value) {
  bool intact = true;
  StoreImage image = Load(&intact);
  return intact && image.WriteNumber(key, name, value) && Save(image);
}

bool WriteStoreString(std::string_view key, std::string_view name, std::string_view value) {
  bool intact = true;
  StoreImage image = Load(&intact);
  return intact && image.WriteString(key, name, value) && Save(image);
}

}  // namespace platform
