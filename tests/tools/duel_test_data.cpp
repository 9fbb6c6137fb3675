// duel_test_data.cpp -- a small card database written by the tests themselves.
#include "tests/tools/duel_test_data.h"

#include <unistd.h>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "data/card_database.h"
#include "platform/file_system.h"

namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Icons that grow with the level: a fixed pattern per card number.
std::string IconDigits(int id, int level) {
  std::string digits(8, '0');
  std::uint32_t h = static_cast<std::uint32_t>(id) * 2654435761u;
  int count = 2 + level;
  for (int i = 0; i < count; ++i) {
    int d = static_cast<int>((h >> (3 * i)) % 8);
    int v = 1 + static_cast<int>((h >> (4 + 2 * i)) % static_cast<std::uint32_t>(level + 1));
    if (v > 5) v = 5;
    digits[static_cast<std::size_t>(d)] = static_cast<char>('0' + v);
  }
  return digits;
}

}  // namespace

std::string TestFolder(const std::string& name) {
  const char* tmp = std::getenv("TMPDIR");
  std::string base = tmp && *tmp ? tmp : "/tmp";
  return base + "/duskhaven-duel-test-" + std::to_string(getpid()) + "-" + name;
}

bool OpenTinyCardSet(const std::string& dir, int cardCount) {
  CloseCardDatabase();
  platform::SetInstallDir(dir);
  if (!platform::MakeDirectories("DATA\\CARDS\\SET 1")) return false;
  int q = cardCount / 4;
  std::vector<std::uint8_t> index, records;
  PutU32(index, static_cast<std::uint32_t>(cardCount));
  for (int id = 1; id <= cardCount; ++id) {
    PutU32(index, static_cast<std::uint32_t>(records.size()));
    int level = q > 0 ? (id - 1) / q + 1 : 1;
    if (level > 4) level = 4;
    int value = 40 * level + (id * 37) % 60;
    std::string text = "#CARD " + std::to_string(id) + "#\r\n#" + IconDigits(id, level) + "#\r\n#" +
                       std::to_string(value) + "#\r\n#" + std::to_string(level) + "#\r\n";
    for (char ch : text) records.push_back(static_cast<std::uint8_t>(static_cast<std::uint8_t>(ch) ^ DataFileMask));
  }
  PutU32(index, static_cast<std::uint32_t>(records.size()));
  if (!platform::WriteFileAtomically("DATA\\CARDS\\SET 1\\CARDS.IND", index)) return false;
  if (!platform::WriteFileAtomically("DATA\\CARDS\\SET 1\\CARDS.DAT", records)) return false;
  return OpenCardDatabase();
}
