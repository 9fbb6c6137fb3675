// match_players.cpp -- the career operations the duel needs, read through the duellists' records.
#include "match/match_players.h"

#include "data/card_database.h"

#if DUSKHAVEN_MATCH_PLAYER_STAND_IN
#include "data/roster.h"

PlayerRecord CurrentPlayer;
PlayerRecord OtherPlayer;
std::int16_t PerfectsRealised = 0;
std::int16_t PerfectsReceived = 0;
std::uint8_t InClub = 1;

namespace {
PlayerRecord roster[45];
bool rosterNamed = false;
}  // namespace

PlayerRecord& RosterOpponent(int index, int opponentClass) {
  if (!rosterNamed) {
    rosterNamed = true;
    for (int c = 0; c < 3; ++c)
      for (int i = 0; i < 15; ++i) {
        PlayerRecord& r = roster[i * 3 + c];
        r.kind = 1;
        r.slot = 0;
        r.levelCode = static_cast<std::uint8_t>(c * 10 + i / 4);
      }
  }
  if (index < 0 || index > 14) index = 0;
  if (opponentClass < 0 || opponentClass > 2) opponentClass = 0;
  return roster[index * 3 + opponentClass];
}

void AddCopy(PlayerRecord& record, int id) {
  if (id < 1 || id > CollectionSize) return;
  if (record.collection[id - 1] < 127) {
    ++record.collection[id - 1];
    ++record.cardTotal;
  }
}

void RemoveCopy(PlayerRecord& record, int id) {
  if (id < 1 || id > CollectionSize) return;
  --record.collection[id - 1];
  --record.cardTotal;
  if (record.collection[id - 1] <= 0) RemoveFromDeck(record.deck, id);
}

void SaveCharacter() {}

void DealOpponentDeck(PlayerRecord& record) {
  BuildOpponentDeck(record.deck, record.levelCode / 10, record.levelCode % 10);
}

void BuildFinalDeck(PlayerRecord& record) {
  EmptyDeck(record.deck);
  BuildOpponentDeck(record.deck, 2, 3);
}

void ResetPlayer(PlayerRecord& record) {
  record.cardTotal = 0;
  EmptyDeck(record.deck);
  record.credits = 700;
  record.slot = 255;
  for (std::int8_t& c : record.collection) c = 0;
}

void CountPerfectRealised() { ++PerfectsRealised; }
void CountPerfectReceived() { ++PerfectsReceived; }

PlayerRecord* FindRosterOpponent(const std::wstring& name) {
  for (int c = 0; c < 3; ++c)
    for (int i = 0; i < 15; ++i)
      if (RosterOpponent(i, c).name == name) return &RosterOpponent(i, c);
  return nullptr;
}
#endif

int CopiesOwned(const PlayerRecord& record, int id) {
  if (id < 1 || id > CollectionSize) return 0;
  return record.collection[id - 1];
}

bool AddCardAutomatically(PlayerRecord& record) {
  Deck& deck = record.deck;
  int empty = -1;
  for (int i = 0; i < DeckSize; ++i)
    if (deck.slots[i].id < 0) {
      empty = i;
      break;
    }
  if (empty < 0) return false;
  const int count = CardCount();
  for (int id = 1; id <= count && id <= CollectionSize; ++id) {
    if (record.collection[id - 1] > 0 && !DeckContains(deck, id)) {
      deck.slots[empty] = LoadCard(id);
      ++deck.count;
      return true;
    }
  }
  return false;
}
