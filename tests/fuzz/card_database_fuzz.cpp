// card_database_fuzz.cpp -- fuzzes the card index and record files together: the input is a two-byte length,
// that many bytes of CARDS.IND, and CARDS.DAT as the rest. Every card either loads whole or is the default card.
#include <cstdint>
#include <vector>

#include "data/card_database.h"
#include "data/roster.h"
#include "tests/fuzz/fuzz_support.h"

// The files are handed over as bytes: the readers behind OpenCardDatabase, without the file system.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  std::size_t indexSize = static_cast<std::size_t>(data[0] | (data[1] << 8));
  if (indexSize > size - 2) indexSize = size - 2;
  const std::uint8_t* index = data + 2;
  if (!OpenCardDatabaseBytes({index, index + indexSize}, {index + indexSize, data + size})) {
    FUZZ_CHECK(CardCount() == 0);
    FUZZ_CHECK(!CardDatabaseProblem().empty());
    return 0;
  }
  const int count = CardCount();
  FUZZ_CHECK(count >= 0 && count <= MaxCardCount);
  for (int id = 0; id <= count + 1; ++id) {
    const Card card = LoadCard(id);
    if (card.id == -1) continue;
    FUZZ_CHECK(card.id == id && id >= 1 && id <= count);
    FUZZ_CHECK(card.level >= 1 && card.level <= 4);
    for (int d = 0; d < 8; ++d) FUZZ_CHECK(IconAt(card.icons, d) <= 5);
  }
  // The deck draw must end (or refuse) whatever the records hold.
  if (count >= 4) {
    Deck deck;
    BuildOpponentDeck(deck, 2, 3);
  }
  CloseCardDatabase();
  return 0;
}
