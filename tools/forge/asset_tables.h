// asset_tables.h -- the card, family and opponent tables of assets/, compiled into the forge, parsed and checked.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Strings are UTF-8, exactly as the tables hold them.
struct CardRow {
  int id;
  int level;
  std::string icons;  // eight digits 0..5, direction 0 first
  int value;
  std::string name;
};

struct FamilyRow {
  int family;
  std::string title;
  std::string lines[4];  // the text of levels 1..4
};

struct OpponentRow {
  int opponentClass;
  int index;
  std::string name;
  int profileNumber;
  std::string profileText1, profileText2, description;
};

// Parses and checks the three embedded tables once; false with one line
// naming the table, the line and the fault. Later calls return the first result.
bool LoadAssetTables(std::string& error);
const std::vector<CardRow>& CardRows();
const std::vector<FamilyRow>& FamilyRows();
const std::vector<OpponentRow>& OpponentRows();

// The parsers and checks behind LoadAssetTables, for any table text.
// `source` names the table in messages.
bool ParseCardTable(std::string_view text, std::string_view source, std::vector<CardRow>& rows, std::string& error);
bool ParseFamilyTable(std::string_view text, std::string_view source, std::vector<FamilyRow>& rows, std::string& error);
bool ParseOpponentTable(std::string_view text, std::string_view source, std::vector<OpponentRow>& rows,
                        std::string& error);

// The checks across a whole set: the card count (a multiple of 4, at most
// 344), ids 1..count in order, each level holding one quarter of the ids,
// one family per card of a level, 45 opponents in class-then-index order,
// and unique card names.
bool CheckAssetSet(const std::vector<CardRow>& cards, const std::vector<FamilyRow>& families,
                   const std::vector<OpponentRow>& opponents, std::string& error);

// UTF-8 to the game's one byte per character (Latin-1); false for a
// character the game's font does not have: A-Z a-z 0-9 ç â à é ê è ô ù û,
// space and ! " - ' ? ; , . : ( ) @. '#' is refused (it ends a field).
bool FontText(std::string_view utf8, std::string& bytes, std::string& error);
