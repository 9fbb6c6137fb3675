// card_database.h -- the card database: CARDS.IND, CARDS.DAT and CARDS.INF.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/card.h"
#include "core/random.h"

// The one-byte mask that scrambles the card and roster data files.
constexpr std::uint8_t DataFileMask = 0x5E;

// Opens the index and record files under the install directory; false (and
// CardCount 0) when either is missing.
bool OpenCardDatabase();
// The same from the two files' bytes, which the database keeps: false (and
// CardCount 0) when the index holds no card count or announces too many.
bool OpenCardDatabaseBytes(std::vector<std::uint8_t> index, std::vector<std::uint8_t> records);
void CloseCardDatabase();

// Why the last OpenCardDatabase or CheckCardDatabase failed, as one line;
// empty after a success.
const std::string& CardDatabaseProblem();

// The start-up's look at the whole open set: at least four cards, every
// record readable and of its number's level, and a CARDS.INF that holds
// the texts of every family. False (the reason in CardDatabaseProblem) for a
// damaged set, which would otherwise deal empty hands and blank zoom texts.
bool CheckCardDatabase();
// The CARDS.INF part of that check, on the file's (scrambled) bytes.
bool CheckCardInfoBytes(std::span<const std::uint8_t> bytes);

// The game's paths of the three files, under the install directory.
extern const char* const CardIndexPath;
extern const char* const CardRecordPath;
extern const char* const CardInfoPath;

// The most cards a data set may hold: one collection count per card.
constexpr int MaxCardCount = 344;

// The number of cards; q = CardCount() / 4 cards per level.
std::int16_t CardCount();

// The card of that number, without pictures; the default card (empty name,
// id -1) for a number outside 1..CardCount or a damaged record: an index
// entry outside CARDS.DAT, a negative length, a missing field, icon digits
// other than eight of 0..5, or a level outside 1..4.
Card LoadCard(int id);

// LoadCard(Random(q) + q * (level - 1) + 1), drawn from `random`.
Card RandomCardOfLevel(int level, RandomStream& random = GameRandom());

// The zoom text: title, level, number and the lines of levels 1..level;
// empty when CARDS.INF cannot be read or the id is outside 1..CardCount.
std::wstring CardInfoText(int id);
// The same from the (scrambled) bytes of a CARDS.INF.
std::wstring CardInfoTextOf(std::span<const std::uint8_t> bytes, int id);

// One booster: four level-1 cards, three level-2, then one level-4 card
// when Random(3) = 0, else a level-3 card.
std::array<Card, 8> MakeBooster();
