// save_file.h -- the character save files "SAVE\Player<slot>.QXP": layout, check value, saving and loading.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/duel_stats.h"
#include "data/player_record.h"
#include "data/save_bytes.h"

constexpr std::int32_t SaveMask = 0x2E71C94A;  // credits and the check value
constexpr std::uint8_t SaveTextMask = 0x6C;    // every byte of a saved text
constexpr std::int16_t SaveVersionStamp = 0x010D;

// "SAVE\Player" + slot + ".QXP".
std::string CharacterSavePath(int slot);

// The check value over name, credits and collection (the deck is not covered).
std::int32_t SaveCheckValue(const PlayerRecord& record);

// A save file's fields exactly as stored, before any card is looked up.
struct SavedCharacter {
  bool complete = false;  // every field up to the check value was present
  std::int16_t version = 0;
  PlayerRecord record;  // identity block and collection (cardTotal rebuilt); deck not filled
  std::uint8_t deckCount = 0;
  std::int16_t deckIds[DeckSize] = {};
  std::int32_t storedCheck = 0;  // unmasked
  std::int32_t computedCheck = 0;
  bool statsRead = false;  // the statistics were read (only for a valid record)
  DuelStatistics stats;
  bool valid = false;  // the version stamp, the check value, kind Local, no negative count, the deck
                       // count matching its filled slots, nothing missing or left over
};

// Decodes a whole character file; garbage, truncated or over-long data
// comes back invalid, never read out of bounds.
SavedCharacter DecodeCharacterFile(const std::vector<std::uint8_t>& bytes);
// The bytes of a character file for this record and statistics.
std::vector<std::uint8_t> EncodeCharacterFile(const PlayerRecord& record, const DuelStatistics& stats);

// Fields 2..12 of the save file (name .. check value).
void WritePlayerRecord(const PlayerRecord& record, ByteWriter& out);
// Reads them into the record: identity as written, collection (cardTotal
// rebuilt), the deck's cards from the database; true when the check value
// matches, the kind is Local, no count is negative and the deck count is
// that of the filled slots.
bool ReadPlayerRecord(PlayerRecord& record, ByteReader& in);

// The identity block of a slot's file for the character list, read without
// checking the file: name, profileNumber, profile lines, credits and kind,
// with slot set to `slot`. A file that cannot be read (or stops inside those
// fields) gives an empty slot: empty name, profileNumber -1, empty lines, 700
// credits, kind 2; the result says whether the file was read.
bool ReadSlotIdentity(int slot, PlayerRecord& identity);
// The same from the file's bytes (none: a file that cannot be read).
bool ReadSlotIdentityBytes(int slot, const std::vector<std::uint8_t>& bytes, PlayerRecord& identity);

// Stores the slot as the last character used; registered by the settings layer.
extern std::function<void(std::uint8_t slot)> RememberLastCharacter;

// Writes CurrentPlayer and DuelStats to its slot's file in one atomic step
// (the previous save survives any failure). Nothing (and true) for slot 255.
bool SaveCharacter();
// Reads the slot's file into CurrentPlayer and DuelStats; false, changing
// neither, when the file is missing or invalid.
bool LoadCharacter(int slot);
// The same from the file's bytes; also false for a file whose slot byte is
// not `slot` or whose deck names a card the card set does not hold.
bool LoadCharacterBytes(int slot, const std::vector<std::uint8_t>& bytes);
