// card_data_files.cpp -- writes the hash-sign records, scrambled, one field a line as a person would.
#include "tools/forge/card_data_files.h"

namespace {

constexpr std::uint8_t Mask = 0x5E;

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Appends "#field#" and a CR LF line break, scrambled.
bool PutField(std::vector<std::uint8_t>& out, const std::string& utf8, std::string& error) {
  std::string bytes;
  if (!FontText(utf8, bytes, error)) {
    error = "'" + utf8 + "': " + error;
    return false;
  }
  std::string line = "#" + bytes + "#\r\n";
  for (char c : line) out.push_back(static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) ^ Mask));
  return true;
}

}  // namespace

bool BuildCardDataFiles(const std::vector<CardRow>& cards, const std::vector<FamilyRow>& families,
                        const std::vector<OpponentRow>& opponents, CardDataFiles& files, std::string& error) {
  files = CardDataFiles{};
  PutU32(files.index, static_cast<std::uint32_t>(cards.size()));
  for (const CardRow& c : cards) {
    PutU32(files.index, static_cast<std::uint32_t>(files.records.size()));
    if (!PutField(files.records, c.name, error) || !PutField(files.records, c.icons, error) ||
        !PutField(files.records, std::to_string(c.value), error) ||
        !PutField(files.records, std::to_string(c.level), error))
      return false;
  }
  PutU32(files.index, static_cast<std::uint32_t>(files.records.size()));

  for (const FamilyRow& f : families) {
    if (!PutField(files.infos, f.title, error)) return false;
    for (const std::string& line : f.lines)
      if (!PutField(files.infos, line, error)) return false;
  }

  // Per opponent: name, profile number, first profile line, description, second profile line.
  for (const OpponentRow& o : opponents) {
    if (!PutField(files.opponents, o.name, error) ||
        !PutField(files.opponents, std::to_string(o.profileNumber), error) ||
        !PutField(files.opponents, o.profileText1, error) || !PutField(files.opponents, o.description, error) ||
        !PutField(files.opponents, o.profileText2, error))
      return false;
  }
  return true;
}
