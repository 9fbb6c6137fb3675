// card_database.h -- the card database: CARDS.IND, CARDS.DAT and CARDS.INF.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/card.h"

// The one-byte mask that scrambles the card and roster data files.
constexpr std::uint8_t DataFileMask = 0x5E;

// Opens the index and record files under the install directory; false (and
// CardCount 0) when either is missing.
bool OpenCardDatabase();
void CloseCardDatabase();

// The number of cards; q = CardCount() / 4 cards per level.
std::int16_t CardCount();

// The card of that number, without pictures; the default card (empty name)
// for a number outside 1..CardCount or a damaged record.
Card LoadCard(int id);

// LoadCard(Random(q) + q * (level - 1) + 1).
Card RandomCardOfLevel(int level);

// The zoom text: title, level, number and the lines of levels 1..level.
std::wstring CardInfoText(int id);

// One booster: four level-1 cards, three level-2, then one level-4 card
// when Random(3) = 0, else a level-3 card.
std::array<Card, 8> MakeBooster();
