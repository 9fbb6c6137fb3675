// character_save_fuzz.cpp -- fuzzes the character save reader: a file either loads a character that saves back
// to the same bytes, or is refused with the character and statistics untouched.
#include <cstdint>
#include <vector>

#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

PlayerRecord before;
DuelStatistics beforeStats;

bool SameCharacter(const PlayerRecord& a, const PlayerRecord& b) {
  if (a.name != b.name || a.profileNumber != b.profileNumber || a.profileText1 != b.profileText1 ||
      a.profileText2 != b.profileText2 || a.slot != b.slot || a.kind != b.kind || a.credits != b.credits ||
      a.cardTotal != b.cardTotal || a.deck.count != b.deck.count)
    return false;
  for (int i = 0; i < CollectionSize; ++i)
    if (a.collection[i] != b.collection[i]) return false;
  for (int i = 0; i < DeckSize; ++i)
    if (a.deck.slots[i].id != b.deck.slots[i].id) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FuzzInstallDir("character");
  if (!InstallForgedCardData(true)) BrokenProperty("the forged card data cannot be installed");
  ResetPlayer(before);
  before.name = L"UNTOUCHED";
  before.kind = KindLocal;
  before.slot = 1;
  beforeStats.perfectsRealised = 3;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  CurrentPlayer = before;
  DuelStats = beforeStats;
  const bool loaded = LoadCharacterBytes(1, bytes);
  if (loaded) {
    // A loaded character is exactly the file: saving it gives the same bytes.
    FUZZ_CHECK(EncodeCharacterFile(CurrentPlayer, DuelStats) == bytes);
  } else {
    FUZZ_CHECK(SameCharacter(CurrentPlayer, before));
    FUZZ_CHECK(DuelStats.perfectsRealised == 3 && DuelStats.perfectsReceived == 0);
  }
  // The character list reads the identity of any file without trusting it.
  PlayerRecord identity;
  ReadSlotIdentityBytes(2, bytes, identity);
  FUZZ_CHECK(identity.slot == 2);
  if (loaded) FUZZ_CHECK(identity.name == CurrentPlayer.name && identity.credits == CurrentPlayer.credits);
  // The record reader on its own (fields 2..12), as the tool uses it.
  if (size > 2) {
    PlayerRecord record;
    ByteReader in(data + 2, size - 2);
    if (ReadPlayerRecord(record, in)) {
      int filled = 0;
      for (const Card& card : record.deck.slots)
        if (card.id != -1) ++filled;
      FUZZ_CHECK(record.deck.count == filled);
    }
  }
  return 0;
}
