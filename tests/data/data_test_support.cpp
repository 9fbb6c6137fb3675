// data_test_support.cpp -- writes test card sets through the forge's own file builder.
#include "tests/data/data_test_support.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>

#include "data/card_database.h"
#include "platform/file_system.h"
#include "tools/forge/card_data_files.h"

namespace {

std::string TestRoot() {
  const char* tmp = std::getenv("TMPDIR");
  return std::string(tmp && *tmp ? tmp : "/tmp") + "/duskhaven-data-test-" + std::to_string(getpid());
}

// Removes this run's folders once every test has run.
class RemoveTestFolders : public ::testing::Environment {
 public:
  void TearDown() override {
    std::string command = "rm -rf '" + TestRoot() + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "cannot remove %s\n", TestRoot().c_str());
  }
};
const auto* const removeFolders = ::testing::AddGlobalTestEnvironment(new RemoveTestFolders);

}  // namespace

std::string FreshInstallDir(const std::string& name) {
  std::string dir = TestRoot() + "/" + name;
  std::string command = "rm -rf '" + dir + "'";
  if (std::system(command.c_str()) != 0) return dir;
  platform::MakeDirectories(dir);
  platform::SetInstallDir(dir);
  return dir;
}

std::vector<CardRow> SmallCardRows(int perLevel) {
  std::vector<CardRow> rows;
  for (int id = 1; id <= 4 * perLevel; ++id) {
    int level = (id - 1) / perLevel + 1;
    std::string icons(8, '0');
    for (int d = 0; d < 8; ++d)
      if ((id + d) % 3 == 0) icons[static_cast<std::size_t>(d)] = static_cast<char>('0' + (id + d) % 5 + 1);
    rows.push_back({id, level, icons, 100 + 7 * (id % 13) + 300 * level, "Card " + std::to_string(id)});
  }
  return rows;
}

std::vector<FamilyRow> SmallFamilyRows(int perLevel) {
  std::vector<FamilyRow> rows;
  for (int p = 0; p < perLevel; ++p)
    rows.push_back(
        {p, "Family " + std::to_string(p), {"one " + std::to_string(p), "two " + std::to_string(p), "three", "four"}});
  return rows;
}

std::vector<OpponentRow> SmallOpponentRows() {
  std::vector<OpponentRow> rows;
  for (int c = 0; c < 3; ++c)
    for (int j = 0; j < 15; ++j)
      rows.push_back({c, j, "Rival " + std::to_string(c) + " " + std::to_string(j), 100 * c + j,
                      "likes " + std::to_string(j), "drinks tea", "description " + std::to_string(c * 15 + j)});
  return rows;
}

bool WriteCardSet(const std::vector<CardRow>& cards, const std::vector<FamilyRow>& families,
                  const std::vector<OpponentRow>& opponents) {
  CardDataFiles files;
  std::string error;
  if (!BuildCardDataFiles(cards, families, opponents, files, error)) return false;
  if (!platform::MakeDirectories("DATA\\CARDS\\SET 1") || !platform::MakeDirectories("SAVE")) return false;
  if (!platform::WriteFileAtomically("DATA\\CARDS\\SET 1\\CARDS.IND", files.index) ||
      !platform::WriteFileAtomically("DATA\\CARDS\\SET 1\\CARDS.DAT", files.records) ||
      !platform::WriteFileAtomically("DATA\\CARDS\\SET 1\\CARDS.INF", files.infos) ||
      !platform::WriteFileAtomically("DATA\\OPPONENTS.DAT", files.opponents))
    return false;
  return OpenCardDatabase();
}

bool WriteSmallCardSet(int perLevel) {
  return WriteCardSet(SmallCardRows(perLevel), SmallFamilyRows(perLevel), SmallOpponentRows());
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::vector<std::uint8_t> Scrambled(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  for (char c : text) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) ^ 0x5E));
  return bytes;
}

bool WriteGameFile(const std::string& gamePath, const std::vector<std::uint8_t>& bytes) {
  return platform::WriteFileAtomically(gamePath, bytes);
}

std::vector<std::uint8_t> ReadGameFile(const std::string& gamePath) {
  std::vector<std::uint8_t> bytes;
  platform::ReadWholeFile(gamePath, bytes);
  return bytes;
}
