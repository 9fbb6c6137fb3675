// card_data_files.h -- the bytes of the card index, records, family texts and roster file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/forge/asset_tables.h"

struct CardDataFiles {
  std::vector<std::uint8_t> index;      // CARDS.IND: count, then CardCount + 1 little-endian offsets
  std::vector<std::uint8_t> records;    // CARDS.DAT: scrambled records
  std::vector<std::uint8_t> infos;      // CARDS.INF: scrambled family texts
  std::vector<std::uint8_t> opponents;  // OPPONENTS.DAT: scrambled roster
};

// Builds all four files from checked tables; false with one line when a text
// cannot be written in the game's one byte per character.
bool BuildCardDataFiles(const std::vector<CardRow>& cards, const std::vector<FamilyRow>& families,
                        const std::vector<OpponentRow>& opponents, CardDataFiles& files, std::string& error);
