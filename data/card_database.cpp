// card_database.cpp -- builds cards from the index and record files, the zoom texts and boosters.
#include "data/card_database.h"

#include <cmath>
#include <vector>

#include "core/decimal_text.h"
#include "core/random.h"
#include "data/field_reader.h"
#include "platform/file_system.h"

const char* const CardIndexPath = "DATA\\CARDS\\SET 1\\CARDS.IND";
const char* const CardRecordPath = "DATA\\CARDS\\SET 1\\CARDS.DAT";
const char* const CardInfoPath = "DATA\\CARDS\\SET 1\\CARDS.INF";

namespace {

// Both files are small (a few dozen kilobytes) and never change while the
// game runs: they are held whole from the opening on.
std::vector<std::uint8_t> indexBytes;
std::vector<std::uint8_t> recordBytes;
std::int16_t cardCount = 0;
std::string problem;

std::uint32_t LittleEndian32(const std::uint8_t* b) {
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

// Entries n and n + 1 of the index, which stand side by side.
bool ReadIndexPair(int n, std::uint32_t& first, std::uint32_t& second) {
  const std::size_t at = 4u * static_cast<std::size_t>(n);
  if (n < 0 || indexBytes.size() < 8 || at > indexBytes.size() - 8) return false;
  first = LittleEndian32(indexBytes.data() + at);
  second = LittleEndian32(indexBytes.data() + at + 4);
  return true;
}

bool Fail(const std::string& why) {
  CloseCardDatabase();
  problem = why;
  return false;
}

}  // namespace

bool OpenCardDatabase() {
  CloseCardDatabase();
  std::vector<std::uint8_t> index, records;
  if (!platform::ReadWholeFile(CardIndexPath, index)) return Fail(std::string("cannot open ") + CardIndexPath);
  if (!platform::ReadWholeFile(CardRecordPath, records)) return Fail(std::string("cannot open ") + CardRecordPath);
  return OpenCardDatabaseBytes(std::move(index), std::move(records));
}

bool OpenCardDatabaseBytes(std::vector<std::uint8_t> index, std::vector<std::uint8_t> records) {
  CloseCardDatabase();
  problem.clear();
  if (index.size() < 4) return Fail(std::string(CardIndexPath) + " is too short to hold the card count");
  auto count = static_cast<std::int16_t>(LittleEndian32(index.data()) & 0xFFFFu);
  // Collections hold one count per card id 1..344: a larger number (or a
  // negative one) would index past them, so such a set is refused.
  if (count < 0 || count > MaxCardCount)
    return Fail(std::string(CardIndexPath) + " announces " + std::to_string(count) + " cards (at most " +
                std::to_string(MaxCardCount) + ")");
  cardCount = count;
  indexBytes = std::move(index);
  recordBytes = std::move(records);
  return true;
}

bool CheckCardDatabase() {
  problem.clear();
  const int count = cardCount;
  if (count < 4) {
    problem = std::string(CardIndexPath) + " holds " + std::to_string(count) + " cards (at least 4, one per level)";
    return false;
  }
  const int q = count / 4;
  for (int id = 1; id <= count; ++id) {
    std::uint32_t start = 0, end = 0;
    if (!ReadIndexPair(id, start, end)) {
      problem = std::string(CardIndexPath) + " ends before the entry of card " + std::to_string(id);
      return false;
    }
    const Card card = LoadCard(id);
    if (card.id != id) {
      problem = std::string(CardRecordPath) + ": the record of card " + std::to_string(id) + " is damaged";
      return false;
    }
    const int level = (id - 1) / q + 1;
    if (level <= 4 && card.level != level) {
      problem = std::string(CardRecordPath) + ": card " + std::to_string(id) + " has level " +
                std::to_string(card.level) + " where level " + std::to_string(level) + " belongs";
      return false;
    }
  }
  std::vector<std::uint8_t> bytes;
  if (!platform::ReadWholeFile(CardInfoPath, bytes)) {
    problem = std::string("cannot read ") + CardInfoPath;
    return false;
  }
  return CheckCardInfoBytes(bytes);
}

bool CheckCardInfoBytes(std::span<const std::uint8_t> bytes) {
  problem.clear();
  const int q = cardCount / 4;
  // Five texts per family (title and the four levels' lines), the last family's included.
  FieldReader fields(bytes.data(), bytes.size(), DataFileMask);
  std::string field;
  for (int f = 0; f < q; ++f)
    for (int k = 0; k < 5; ++k)
      if (!fields.Text(field)) {
        problem = std::string(CardInfoPath) + " ends before the texts of family " + std::to_string(f + 1) + " of " +
                  std::to_string(q);
        return false;
      }
  return true;
}

void CloseCardDatabase() {
  indexBytes.clear();
  recordBytes.clear();
  cardCount = 0;
}

const std::string& CardDatabaseProblem() { return problem; }

std::int16_t CardCount() { return cardCount; }

Card LoadCard(int id) {
  if (id <= 0 || id > cardCount) return Card{};
  std::uint32_t start = 0, end = 0;
  if (!ReadIndexPair(id, start, end)) return Card{};
  // A record must lie inside CARDS.DAT.
  const std::uint64_t fileSize = recordBytes.size();
  if (end < start || start > fileSize || end - start > fileSize - start) return Card{};
  FieldReader fields(recordBytes.data() + start, end - start, DataFileMask);
  std::string name, digits;
  std::int16_t value = 0, level = 0;
  if (!fields.Text(name) || !fields.Text(digits) || !fields.Number(value) || !fields.Number(level)) return Card{};
  if (digits.size() != 8 || level < 1 || level > 4) return Card{};

  Card card;
  for (int d = 0; d < 8; ++d) {
    int v = digits[static_cast<std::size_t>(d)] - '0';
    if (v < 0 || v > 5) return Card{};
    SetIcon(card.icons, d, v);
  }
  card.name.Assign(UpperCaseText(name));
  // The sell value: half the card's value (an arithmetic shift) times 0.74, truncated.
  card.price = static_cast<std::int16_t>(std::trunc(static_cast<double>(value >> 1) * 0.74));
  card.level = static_cast<std::int8_t>(level);
  card.id = static_cast<std::int16_t>(id);
  return card;
}

Card RandomCardOfLevel(int level, RandomStream& random) {
  int q = cardCount / 4;
  return LoadCard(random.Below(q) + q * (level - 1) + 1);
}

std::wstring CardInfoText(int id) {
  if (cardCount / 4 == 0 || id <= 0 || id > cardCount) return {};
  std::vector<std::uint8_t> bytes;
  if (!platform::ReadWholeFile(CardInfoPath, bytes)) return {};
  return CardInfoTextOf(bytes, id);
}

std::wstring CardInfoTextOf(std::span<const std::uint8_t> bytes, int id) {
  int q = cardCount / 4;
  if (q == 0 || id <= 0 || id > cardCount) return {};
  int level = (id - 1) / q + 1;
  FieldReader fields(bytes.data(), bytes.size(), DataFileMask);
  fields.SkipHashes(10u * static_cast<std::size_t>((id - 1) % q));
  std::string field;
  fields.Text(field);
  std::wstring text = WideFromBytes(field);
  text += L"\nLevel " + DecimalText(level) + L"\nNo " + DecimalText(id) + L"\n";
  for (int k = 0; k < level; ++k) {
    fields.Text(field);
    text += L"\n  " + WideFromBytes(field);
  }
  return text;
}

std::array<Card, 8> MakeBooster() {
  std::array<Card, 8> cards;
  for (int i = 0; i < 4; ++i) cards[static_cast<std::size_t>(i)] = RandomCardOfLevel(1);
  for (int i = 4; i < 7; ++i) cards[static_cast<std::size_t>(i)] = RandomCardOfLevel(2);
  cards[7] = RandomCardOfLevel(Random(3) == 0 ? 4 : 3);
  return cards;
}
