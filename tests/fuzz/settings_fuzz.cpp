// settings_fuzz.cpp -- fuzzes the settings file: every read gives a value or nothing, a value written leaves the
// others as they were read, and a rewritten file reads back as the store it was written from.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "settings/settings.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

struct Reading {
  bool has[5] = {};
  std::uint32_t numbers[4] = {};
  std::string dir;
};

Reading Read(const platform::StoreImage& store) {
  Reading r;
  const char* names[4] = {"Gamma", "Volume", "Effects", "Character"};
  for (int i = 0; i < 4; ++i) r.has[i] = store.ReadNumber(GameSettingsKey, names[i], r.numbers[i]);
  r.has[4] = store.ReadString(GameSettingsKey, "Install_Dir", r.dir);
  return r;
}

bool Same(const Reading& a, const Reading& b, int from) {
  for (int i = from; i < 4; ++i)
    if (a.has[i] != b.has[i] || (a.has[i] && a.numbers[i] != b.numbers[i])) return false;
  return a.has[4] == b.has[4] && a.dir == b.dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::StoreImage store({data, size});
  const Reading before = Read(store);
  // Writing back what was read changes nothing a later read sees.
  const std::vector<std::uint8_t> first = store.Bytes();
  const platform::StoreImage reread(first);
  FUZZ_CHECK(Same(Read(reread), before, 0));
  FUZZ_CHECK(reread.Bytes() == first);
  // Writing one value leaves the others as they were read.
  const auto gamma = static_cast<std::uint32_t>(size % (SliderMaximum() + 1u));
  const bool hadKey = store.KeyExists(GameSettingsKey);
  FUZZ_CHECK(store.WriteNumber(GameSettingsKey, "Gamma", gamma) == hadKey);
  platform::StoreImage written(store.Bytes());
  if (hadKey) {
    std::uint32_t read = 0;
    FUZZ_CHECK(written.ReadNumber(GameSettingsKey, "Gamma", read) && read == gamma);
  }
  FUZZ_CHECK(Same(Read(written), before, hadKey ? 1 : 0));
  // A string with a line break is never stored: it would split into two lines.
  FUZZ_CHECK(!written.WriteString(GameSettingsKey, "Install_Dir", "a\nb = dword:1"));
  // The game's keys, made as at the first start, then exist, and the values stay.
  for (const char* sub : {"Gamma", "Volume", "Effects", "Character"})
    written.CreateKey(std::string(GameSettingsKey) + "\\" + sub);
  const platform::StoreImage created(written.Bytes());
  FUZZ_CHECK(created.KeyExists(GameSettingsKey) && created.KeyExists(std::string(GameSettingsKey) + "\\Volume"));
  FUZZ_CHECK(Same(Read(created), before, hadKey ? 1 : 0));
  return 0;
}
