// save_file.cpp -- writes and reads the character save files, byte for byte.
#include "data/save_file.h"

#include "data/card_database.h"
#include "platform/file_system.h"

std::function<void(std::uint8_t)> RememberLastCharacter;

std::string CharacterSavePath(int slot) { return "SAVE\\Player" + std::to_string(slot) + ".QXP"; }

namespace {

// The first character as the file holds it (its low byte), so that a name
// read back gives the same check value as the name that was written.
std::int32_t FirstCharacter(const std::wstring& name) {
  return name.empty() ? 0 : static_cast<std::int32_t>(static_cast<std::uint32_t>(name[0]) & 0xFFu);
}

std::uint32_t CheckStep(std::uint32_t s, std::int8_t count, int i) {
  return s - static_cast<std::uint32_t>(static_cast<std::int32_t>(count) * i);
}

void WriteStats(const DuelStatistics& stats, ByteWriter& out) {
  for (int c = 0; c < OpponentClasses; ++c) {
    for (int j = 0; j < OpponentsPerClass; ++j) {
      const OpponentResults& r = stats.opponents[c][j];
      out.I16(r.ties);
      out.I16(r.defeats);
      out.I16(r.victories);
    }
    out.I16(stats.tourneysWon[c]);
    out.I16(stats.tourneysPlayed[c]);
  }
  out.I16(stats.perfectsRealised);
  out.I16(stats.perfectsReceived);
}

void ReadStats(DuelStatistics& stats, ByteReader& in) {
  for (int c = 0; c < OpponentClasses; ++c) {
    for (int j = 0; j < OpponentsPerClass; ++j) {
      OpponentResults& r = stats.opponents[c][j];
      r.ties = in.I16();
      r.defeats = in.I16();
      r.victories = in.I16();
    }
    stats.tourneysWon[c] = in.I16();
    stats.tourneysPlayed[c] = in.I16();
  }
  stats.perfectsRealised = in.I16();
  stats.perfectsReceived = in.I16();
}

// Fields 2..12 as stored; the deck ids are kept as numbers.
void ReadStoredRecord(SavedCharacter& saved, ByteReader& in) {
  PlayerRecord& r = saved.record;
  r.name = in.MaskedText(SaveTextMask);
  r.profileNumber = in.I16();
  r.profileText1 = in.MaskedText(SaveTextMask);
  r.profileText2 = in.MaskedText(SaveTextMask);
  r.credits = in.I32() ^ SaveMask;
  r.kind = in.U8();
  r.slot = in.U8();
  auto s = static_cast<std::uint32_t>(FirstCharacter(r.name) + r.credits);
  r.cardTotal = 0;
  for (int i = 0; i < CollectionSize; ++i) {
    r.collection[i] = static_cast<std::int8_t>(in.U8());
    s = CheckStep(s, r.collection[i], i);
    r.cardTotal = static_cast<std::int16_t>(r.cardTotal + r.collection[i]);
  }
  saved.deckCount = in.U8();
  for (std::int16_t& id : saved.deckIds) id = in.I16();
  saved.storedCheck = in.I32() ^ SaveMask;
  saved.computedCheck = static_cast<std::int32_t>(s);
  saved.complete = in.Ok();
}

// Beyond the check value, a record the game wrote has kind Local, no
// negative count (counts stop at 127) and a deck count equal to the slots it
// fills: anything else is damage the check value does not cover, and loading
// it would save back a different file.
bool RecordIsValid(const SavedCharacter& saved) {
  if (!saved.complete || saved.storedCheck != saved.computedCheck || saved.record.kind != KindLocal) return false;
  for (std::int8_t count : saved.record.collection)
    if (count < 0) return false;
  int filled = 0;
  for (std::int16_t id : saved.deckIds)
    if (id != -1) ++filled;
  return saved.deckCount == filled;
}

// The deck from its stored ids: -1 empties a slot, any other id is looked up.
// The count is that of the slots filled, so that a damaged id never leaves
// a counted card that is not there.
void FillDeck(Deck& deck, const std::int16_t (&ids)[DeckSize]) {
  EmptyDeck(deck);
  for (int i = 0; i < DeckSize; ++i) {
    if (ids[i] == -1) continue;
    deck.slots[i] = LoadCard(ids[i]);
    if (deck.slots[i].id != -1) ++deck.count;
  }
}

}  // namespace

std::int32_t SaveCheckValue(const PlayerRecord& record) {
  auto s = static_cast<std::uint32_t>(FirstCharacter(record.name) + record.credits);
  for (int i = 0; i < CollectionSize; ++i) s = CheckStep(s, record.collection[i], i);
  return static_cast<std::int32_t>(s);
}

void WritePlayerRecord(const PlayerRecord& record, ByteWriter& out) {
  out.MaskedText(record.name, SaveTextMask);
  out.I16(record.profileNumber);
  out.MaskedText(record.profileText1, SaveTextMask);
  out.MaskedText(record.profileText2, SaveTextMask);
  out.I32(record.credits ^ SaveMask);
  out.U8(KindLocal);  // only the player's own characters are saved
  out.U8(record.slot);
  for (std::int8_t count : record.collection) out.U8(static_cast<std::uint8_t>(count));
  out.U8(record.deck.count);
  for (const Card& card : record.deck.slots) out.I16(card.id);
  out.I32(SaveCheckValue(record) ^ SaveMask);
}

bool ReadPlayerRecord(PlayerRecord& record, ByteReader& in) {
  SavedCharacter saved;
  saved.record = record;
  ReadStoredRecord(saved, in);
  CopyIdentity(saved.record, record);
  for (int i = 0; i < CollectionSize; ++i) record.collection[i] = saved.record.collection[i];
  record.cardTotal = saved.record.cardTotal;
  FillDeck(record.deck, saved.deckIds);
  return RecordIsValid(saved);
}

SavedCharacter DecodeCharacterFile(const std::vector<std::uint8_t>& bytes) {
  SavedCharacter saved;
  ByteReader in(bytes);
  saved.version = in.I16();
  ReadStoredRecord(saved, in);
  if (saved.version != SaveVersionStamp || !RecordIsValid(saved)) return saved;
  ReadStats(saved.stats, in);
  saved.statsRead = in.Ok();
  saved.valid = in.Ok() && in.AtEnd();
  return saved;
}

std::vector<std::uint8_t> EncodeCharacterFile(const PlayerRecord& record, const DuelStatistics& stats) {
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  out.I16(SaveVersionStamp);
  WritePlayerRecord(record, out);
  WriteStats(stats, out);
  return bytes;
}

bool ReadSlotIdentity(int slot, PlayerRecord& identity) {
  std::vector<std::uint8_t> bytes;
  if (!platform::ReadWholeFile(CharacterSavePath(slot), bytes, 1u << 20)) bytes.clear();
  return ReadSlotIdentityBytes(slot, bytes, identity);
}

bool ReadSlotIdentityBytes(int slot, const std::vector<std::uint8_t>& bytes, PlayerRecord& identity) {
  PlayerRecord read;
  ByteReader in(bytes);
  in.I16();  // version stamp
  read.name = in.MaskedText(SaveTextMask);
  read.profileNumber = in.I16();
  read.profileText1 = in.MaskedText(SaveTextMask);
  read.profileText2 = in.MaskedText(SaveTextMask);
  read.credits = in.I32() ^ SaveMask;
  read.kind = in.U8();
  const bool ok = in.Ok();
  if (!ok) {
    read = PlayerRecord{};
    read.credits = NewCharacterCredits;
    read.kind = KindLocal;
  }
  read.slot = static_cast<std::uint8_t>(slot);
  read.levelCode = identity.levelCode;
  CopyIdentity(read, identity);
  return ok;
}

bool SaveCharacter() {
  if (CurrentPlayer.slot == 255) return true;
  // The whole file is built in memory and replaces the old one in one step.
  if (!platform::WriteFileAtomically(CharacterSavePath(CurrentPlayer.slot),
                                     EncodeCharacterFile(CurrentPlayer, DuelStats)))
    return false;
  if (RememberLastCharacter) RememberLastCharacter(CurrentPlayer.slot);
  return true;
}

bool LoadCharacter(int slot) {
  if (slot < 1 || slot > 3) return false;
  std::vector<std::uint8_t> bytes;
  if (!platform::ReadWholeFile(CharacterSavePath(slot), bytes, 1u << 20)) return false;
  return LoadCharacterBytes(slot, bytes);
}

bool LoadCharacterBytes(int slot, const std::vector<std::uint8_t>& bytes) {
  SavedCharacter saved = DecodeCharacterFile(bytes);
  if (!saved.valid) return false;
  // The file of another slot would make every later save overwrite that
  // slot's character; a deck card missing from the card set would leave the
  // deck short of the count the file holds.
  if (saved.record.slot != slot) return false;
  for (std::int16_t id : saved.deckIds)
    if (id != -1 && LoadCard(id).id != id) return false;
  std::uint8_t levelCode = CurrentPlayer.levelCode;  // not part of the file
  CopyIdentity(saved.record, CurrentPlayer);
  CurrentPlayer.levelCode = levelCode;
  for (int i = 0; i < CollectionSize; ++i) CurrentPlayer.collection[i] = saved.record.collection[i];
  CurrentPlayer.cardTotal = saved.record.cardTotal;
  FillDeck(CurrentPlayer.deck, saved.deckIds);
  DuelStats = saved.stats;
  return true;
}
