// asset_tables.cpp -- parses and checks the embedded card, family and opponent tables.
#include "tools/forge/asset_tables.h"

#include <cstddef>
#include <cstdint>
#include <set>

extern const unsigned char CardsTable[];
extern const std::size_t CardsTableSize;
extern const unsigned char CardFamiliesTable[];
extern const std::size_t CardFamiliesTableSize;
extern const unsigned char OpponentsTable[];
extern const std::size_t OpponentsTableSize;

namespace {

std::vector<CardRow> cardRows;
std::vector<FamilyRow> familyRows;
std::vector<OpponentRow> opponentRows;

std::string_view Embedded(const unsigned char* bytes, std::size_t size) {
  return {reinterpret_cast<const char*>(bytes), size};
}

// The table's lines, each split at tabs; a trailing CR is dropped, the last
// empty line is not a row.
std::vector<std::vector<std::string>> SplitTable(std::string_view text) {
  std::vector<std::vector<std::string>> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string> cells;
    std::size_t cellStart = 0;
    while (true) {
      std::size_t tab = line.find('\t', cellStart);
      cells.emplace_back(
          line.substr(cellStart, tab == std::string_view::npos ? line.size() - cellStart : tab - cellStart));
      if (tab == std::string_view::npos) break;
      cellStart = tab + 1;
    }
    lines.push_back(std::move(cells));
    start = end + 1;
  }
  return lines;
}

std::string Where(std::string_view source, std::size_t line) {
  return std::string(source) + " line " + std::to_string(line + 1) + ": ";
}

bool ParseInt(const std::string& text, long lo, long hi, int& out) {
  if (text.empty() || text.size() > 9) return false;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value < lo || value > hi) return false;
  out = static_cast<int>(value);
  return true;
}

// Checks the header and the column count of every row; calls `row` for each data line.
template <typename RowFunction>
bool ReadRows(std::string_view text, std::string_view source, const std::vector<std::string>& header,
              std::string& error, RowFunction row) {
  auto lines = SplitTable(text);
  if (lines.empty() || lines[0] != header) {
    std::string expected;
    for (const auto& h : header) expected += (expected.empty() ? "" : " ") + h;
    error = Where(source, 0) + "the header must be the columns: " + expected;
    return false;
  }
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].size() == 1 && lines[i][0].empty()) {
      error = Where(source, i) + "empty line";
      return false;
    }
    if (lines[i].size() != header.size()) {
      error =
          Where(source, i) + std::to_string(lines[i].size()) + " columns instead of " + std::to_string(header.size());
      return false;
    }
    std::string why;
    if (!row(lines[i], why)) {
      error = Where(source, i) + why;
      return false;
    }
  }
  return true;
}

bool CheckText(const std::string& text, const char* what, bool mayBeEmpty, std::string& why) {
  if (text.empty() && !mayBeEmpty) {
    why = std::string(what) + " is empty";
    return false;
  }
  std::string bytes, fault;
  if (!FontText(text, bytes, fault)) {
    why = std::string(what) + " '" + text + "': " + fault;
    return false;
  }
  return true;
}

// Names are the stems of picture files: letters, digits and single spaces.
bool CheckName(const std::string& name, const char* what, std::string& why) {
  if (!CheckText(name, what, false, why)) return false;
  std::string bytes, fault;
  FontText(name, bytes, fault);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto c = static_cast<std::uint8_t>(bytes[i]);
    bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xE0 || (c >= '0' && c <= '9');
    if (c == ' ' && i > 0 && i + 1 < bytes.size() && bytes[i - 1] != ' ') continue;
    if (!letter) {
      why = std::string(what) + " '" + name + "' may hold only letters, digits and single spaces between words";
      return false;
    }
  }
  if (bytes.size() > 47) {
    why = std::string(what) + " '" + name + "' is longer than 47 characters";
    return false;
  }
  return true;
}

}  // namespace

bool FontText(std::string_view utf8, std::string& bytes, std::string& error) {
  static const std::string plain = " !\"-'?;,.:()@";
  static const std::set<std::uint32_t> accented = {0xE7, 0xE2, 0xE0, 0xE9, 0xEA, 0xE8, 0xF4, 0xF9, 0xFB};
  bytes.clear();
  for (std::size_t i = 0; i < utf8.size();) {
    auto c = static_cast<std::uint8_t>(utf8[i]);
    std::uint32_t code = c;
    std::size_t length = 1;
    if (c >= 0x80) {
      if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size() && (static_cast<std::uint8_t>(utf8[i + 1]) & 0xC0) == 0x80) {
        code = (static_cast<std::uint32_t>(c & 0x1F) << 6) | (static_cast<std::uint8_t>(utf8[i + 1]) & 0x3Fu);
        length = 2;
      } else {
        error = "a character the game's font does not have (or broken UTF-8) at byte " + std::to_string(i);
        return false;
      }
    }
    bool known = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || (code >= '0' && code <= '9') ||
                 (code < 0x80 && plain.find(static_cast<char>(code)) != std::string::npos) || accented.count(code) > 0;
    if (!known) {
      error = code == '#' ? std::string("'#' would end the field early")
                          : "a character the game's font does not have at byte " + std::to_string(i);
      return false;
    }
    bytes += static_cast<char>(static_cast<std::uint8_t>(code));
    i += length;
  }
  return true;
}

bool ParseCardTable(std::string_view text, std::string_view source, std::vector<CardRow>& rows, std::string& error) {
  rows.clear();
  return ReadRows(text, source, {"id", "level", "icons", "value", "name"}, error,
                  [&](const std::vector<std::string>& cells, std::string& why) {
                    CardRow row{};
                    if (!ParseInt(cells[0], 1, 344, row.id)) return why = "id '" + cells[0] + "' is not 1..344", false;
                    if (!ParseInt(cells[1], 1, 4, row.level))
                      return why = "level '" + cells[1] + "' is not 1..4", false;
                    row.icons = cells[2];
                    bool digits = row.icons.size() == 8;
                    for (char c : row.icons) digits = digits && c >= '0' && c <= '5';
                    if (!digits) return why = "icons '" + cells[2] + "' are not eight digits 0..5", false;
                    if (!ParseInt(cells[3], 0, 32767, row.value))
                      return why = "value '" + cells[3] + "' is not 0..32767", false;
                    row.name = cells[4];
                    if (!CheckName(row.name, "name", why)) return false;
                    rows.push_back(row);
                    return true;
                  });
}

bool ParseFamilyTable(std::string_view text, std::string_view source, std::vector<FamilyRow>& rows,
                      std::string& error) {
  rows.clear();
  return ReadRows(text, source, {"family", "title", "level1", "level2", "level3", "level4"}, error,
                  [&](const std::vector<std::string>& cells, std::string& why) {
                    FamilyRow row{};
                    if (!ParseInt(cells[0], 0, 85, row.family))
                      return why = "family '" + cells[0] + "' is not 0..85", false;
                    row.title = cells[1];
                    if (!CheckText(row.title, "title", false, why)) return false;
                    for (int k = 0; k < 4; ++k) {
                      row.lines[k] = cells[static_cast<std::size_t>(k) + 2];
                      if (!CheckText(row.lines[k], "level text", true, why)) return false;
                    }
                    rows.push_back(row);
                    return true;
                  });
}

bool ParseOpponentTable(std::string_view text, std::string_view source, std::vector<OpponentRow>& rows,
                        std::string& error) {
  rows.clear();
  return ReadRows(text, source,
                  {"class", "index", "name", "profileNumber", "profileText1", "profileText2", "description"}, error,
                  [&](const std::vector<std::string>& cells, std::string& why) {
                    OpponentRow row{};
                    if (!ParseInt(cells[0], 0, 2, row.opponentClass))
                      return why = "class '" + cells[0] + "' is not 0..2", false;
                    if (!ParseInt(cells[1], 0, 14, row.index))
                      return why = "index '" + cells[1] + "' is not 0..14", false;
                    row.name = cells[2];
                    if (!CheckName(row.name, "name", why)) return false;
                    if (!ParseInt(cells[3], 0, 9999, row.profileNumber))
                      return why = "profileNumber '" + cells[3] + "' is not 0..9999", false;
                    row.profileText1 = cells[4];
                    row.profileText2 = cells[5];
                    row.description = cells[6];
                    if (!CheckText(row.profileText1, "profileText1", true, why) ||
                        !CheckText(row.profileText2, "profileText2", true, why) ||
                        !CheckText(row.description, "description", true, why))
                      return false;
                    rows.push_back(row);
                    return true;
                  });
}

bool CheckAssetSet(const std::vector<CardRow>& cards, const std::vector<FamilyRow>& families,
                   const std::vector<OpponentRow>& opponents, std::string& error) {
  const std::size_t count = cards.size();
  if (count == 0 || count % 4 != 0 || count > 344) {
    error = "cards.tsv: " + std::to_string(count) + " cards; the set needs a multiple of 4, at most 344";
    return false;
  }
  const int q = static_cast<int>(count / 4);
  std::set<std::string> names;
  for (std::size_t i = 0; i < count; ++i) {
    const CardRow& c = cards[i];
    if (c.id != static_cast<int>(i) + 1) {
      error = "cards.tsv: row " + std::to_string(i + 1) + " holds id " + std::to_string(c.id) + ", expected " +
              std::to_string(i + 1) + " (ids in order)";
      return false;
    }
    if (c.level != (c.id - 1) / q + 1) {
      error = "cards.tsv: card " + std::to_string(c.id) + " has level " + std::to_string(c.level) +
              ", its number needs " + std::to_string((c.id - 1) / q + 1);
      return false;
    }
    std::string bytes, fault;
    FontText(c.name, bytes, fault);
    for (char& ch : bytes) {
      auto b = static_cast<std::uint8_t>(ch);
      if ((b >= 'a' && b <= 'z') || b >= 0xE0) ch = static_cast<char>(b - 0x20);
    }
    if (!names.insert(bytes).second) {
      error = "cards.tsv: card " + std::to_string(c.id) + " repeats the name '" + c.name + "'";
      return false;
    }
  }
  if (families.size() != static_cast<std::size_t>(q)) {
    error =
        "card_families.tsv: " + std::to_string(families.size()) + " families, the card set needs " + std::to_string(q);
    return false;
  }
  for (std::size_t p = 0; p < families.size(); ++p)
    if (families[p].family != static_cast<int>(p)) {
      error = "card_families.tsv: row " + std::to_string(p + 1) + " holds family " +
              std::to_string(families[p].family) + ", expected " + std::to_string(p);
      return false;
    }
  if (opponents.size() != 45) {
    error = "opponents.tsv: " + std::to_string(opponents.size()) + " opponents instead of 45";
    return false;
  }
  for (std::size_t k = 0; k < opponents.size(); ++k) {
    int c = static_cast<int>(k) / 15, j = static_cast<int>(k) % 15;
    if (opponents[k].opponentClass != c || opponents[k].index != j) {
      error = "opponents.tsv: row " + std::to_string(k + 1) + " holds class " +
              std::to_string(opponents[k].opponentClass) + " index " + std::to_string(opponents[k].index) +
              ", expected class " + std::to_string(c) + " index " + std::to_string(j);
      return false;
    }
  }
  return true;
}

bool LoadAssetTables(std::string& error) {
  static bool done = false, ok = false;
  static std::string firstError;
  if (!done) {
    done = true;
    ok = ParseCardTable(Embedded(CardsTable, CardsTableSize), "assets/cards.tsv", cardRows, firstError) &&
         ParseFamilyTable(Embedded(CardFamiliesTable, CardFamiliesTableSize), "assets/card_families.tsv", familyRows,
                          firstError) &&
         ParseOpponentTable(Embedded(OpponentsTable, OpponentsTableSize), "assets/opponents.tsv", opponentRows,
                            firstError) &&
         CheckAssetSet(cardRows, familyRows, opponentRows, firstError);
    if (!ok) {
      cardRows.clear();
      familyRows.clear();
      opponentRows.clear();
    }
  }
  error = firstError;
  return ok;
}

const std::vector<CardRow>& CardRows() { return cardRows; }
const std::vector<FamilyRow>& FamilyRows() { return familyRows; }
const std::vector<OpponentRow>& OpponentRows() { return opponentRows; }
