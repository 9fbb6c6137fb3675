// match_players.cpp -- the career operations the duel needs, read through the duellists' records.
#include "match/match_players.h"

#include "data/card_database.h"
#include "data/roster.h"
#include "engine/random.h"

#if __has_include("data/save_file.h")
#include "data/save_file.h"
#define DUSKHAVEN_MATCH_HAS_SAVE_FILE 1
#else
#define DUSKHAVEN_MATCH_HAS_SAVE_FILE 0
#endif

namespace {

// Until the roster is loaded by the career records, the duel keeps its own
// 45 opponents, numbered and graded as the roster grades them.
PlayerRecord standInRoster[45];
bool standInGraded = false;

void GradeStandInRoster() {
  if (standInGraded) return;
  standInGraded = true;
  for (int c = 0; c < 3; ++c)
    for (int i = 0; i < 15; ++i) {
      PlayerRecord& r = standInRoster[i * 3 + c];
      r.kind = KindComputer;
      r.slot = 0;
      r.levelCode = static_cast<std::uint8_t>(c * 10 + i / 4);
      r.name = L"OPPONENT " + std::to_wstring(c * 15 + i + 1);
    }
}

}  // namespace

PlayerRecord& RosterOpponent(int index, int opponentClass) {
  GradeStandInRoster();
  if (index < 0 || index > 14) index = 0;
  if (opponentClass < 0 || opponentClass > 2) opponentClass = 0;
  return standInRoster[index * 3 + opponentClass];
}

PlayerRecord* FindRosterOpponent(const std::wstring& name) {
  for (int c = 0; c < 3; ++c)
    for (int i = 0; i < 15; ++i)
      if (RosterOpponent(i, c).name == name) return &RosterOpponent(i, c);
  return nullptr;
}

void DealComputerDeck(PlayerRecord& record) {
  BuildOpponentDeck(record.deck, record.levelCode / 10, record.levelCode % 10);
}

void DealFinalDeck(PlayerRecord& record) {
  EmptyDeck(record.deck);
  BuildOpponentDeck(record.deck, 2, 3);
  // Three super cards of icon strength 5, 4 and 3 replace random cards.
  for (int i = 0; i < 3; ++i) {
    const int value = 5 - i;
    Card super;
    for (int d = 0; d < 8; ++d) SetIcon(super.icons, d, value);
    super.level = 5;
    super.name = RandomCardOfLevel(1).name;
    super.id = static_cast<std::int16_t>(CardCount() + Random(10) + 1);
    const int s = Random(16);
    if (record.deck.slots[s].id < 0) ++record.deck.count;
    record.deck.slots[s] = super;
  }
}

void SaveDuelCharacter() {
#if DUSKHAVEN_MATCH_HAS_SAVE_FILE
  SaveCharacter();
#endif
}

int CopiesOwned(const PlayerRecord& record, int id) { return CopiesOf(record, id); }

bool AddCardAutomatically(PlayerRecord& record) {
  if (record.deck.count >= DeckSize) return false;
  const int count = CardCount();
  for (int id = 1; id <= count && id <= CollectionSize; ++id)
    if (CopiesOf(record, id) > 0 && !DeckContains(record.deck, id)) return AddToDeck(record, id, false);
  return false;
}
