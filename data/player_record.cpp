// player_record.cpp -- collection, boosters, credits, deck and trade box of a duellist.
#include "data/player_record.h"

#include <climits>
#include <cstdint>

#include "data/card_database.h"

PlayerRecord CurrentPlayer;
PlayerRecord OtherPlayer;
std::function<void(Card&)> DeckPictureLoader;

PlayerRecord::PlayerRecord() {
  for (std::int16_t& id : lastBooster) id = -1;
  for (std::int16_t& id : tradeBox) id = -1;
}

void CopyIdentity(const PlayerRecord& from, PlayerRecord& to) {
  to.name = from.name;
  to.profileNumber = from.profileNumber;
  to.profileText1 = from.profileText1;
  to.profileText2 = from.profileText2;
  to.slot = from.slot;
  to.kind = from.kind;
  to.credits = from.credits;
  to.levelCode = from.levelCode;
}

void ResetPlayer(PlayerRecord& record) {
  record.cardTotal = 0;
  EmptyDeck(record.deck);
  record.credits = NewCharacterCredits;
  record.slot = 255;
  for (std::int8_t& count : record.collection) count = 0;
}

namespace {
bool InCollection(int id) { return id >= 1 && id <= CollectionSize; }
}  // namespace

bool AddCopy(PlayerRecord& record, int id) {
  if (!InCollection(id)) return false;
  std::int8_t& count = record.collection[id - 1];
  // A signed byte: a 128th copy would wrap the count to -128.
  if (count == 127) return false;
  ++count;
  ++record.cardTotal;
  return true;
}

bool RemoveCopy(PlayerRecord& record, int id) {
  if (!InCollection(id)) return false;
  std::int8_t& count = record.collection[id - 1];
  // Nothing to give: the count would go negative.
  if (count <= 0) return false;
  --count;
  --record.cardTotal;
  if (count == 0) {
    while (DeckContains(record.deck, id)) RemoveFromDeck(record.deck, id);
    while (TradeBoxRemove(record, id)) {
    }
  }
  return true;
}

int CopiesOf(const PlayerRecord& record, int id) { return InCollection(id) ? record.collection[id - 1] : 0; }

bool OpenBoosters(PlayerRecord& record, int n) {
  if (n > MaxBoostersAtOnce) return false;
  int filled = 0;
  for (int k = 0; k < n; ++k) {
    std::array<Card, 8> booster = MakeBooster();
    for (const Card& card : booster) {
      AddCopy(record, card.id);
      record.lastBooster[filled++] = card.id;
    }
  }
  for (int i = filled; i < LastBoosterSize; ++i) record.lastBooster[i] = -1;
  return true;
}

std::int32_t SaturatedSum(std::int32_t a, std::int32_t b) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + b;
  if (sum > INT32_MAX) return INT32_MAX;
  if (sum < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(sum);
}

void AddCredits(PlayerRecord& record, std::int32_t amount) { record.credits = SaturatedSum(record.credits, amount); }

void SubCredits(PlayerRecord& record, std::int32_t amount) {
  // Subtracting INT32_MIN cannot be negated; it adds the most there is.
  record.credits =
      amount == INT32_MIN ? SaturatedSum(record.credits, INT32_MAX) : SaturatedSum(record.credits, -amount);
}

int DistinctCards(const PlayerRecord& record) {
  int n = 0;
  for (std::int8_t count : record.collection)
    if (count > 0) ++n;
  return n;
}

bool AddToDeck(PlayerRecord& record, int id, bool withImage) {
  Deck& deck = record.deck;
  if (deck.count > DeckSize - 1) return false;
  Card card = LoadCard(id);
  // A card the database cannot give would sit in the deck as an empty slot.
  if (card.id < 1) return false;
  for (Card& slot : deck.slots) {
    if (slot.id == -1) {
      if (withImage && DeckPictureLoader) DeckPictureLoader(card);
      slot = card;
      ++deck.count;
      return true;
    }
  }
  return false;
}

void ClearDeck(PlayerRecord& record) { EmptyDeck(record.deck); }

int TradeBoxCount(const PlayerRecord& record) {
  int n = 0;
  while (n < TradeBoxSize && record.tradeBox[n] != -1) ++n;
  return n;
}

bool TradeBoxAdd(PlayerRecord& record, int id) {
  int n = TradeBoxCount(record);
  if (n == TradeBoxSize) return false;
  record.tradeBox[n] = static_cast<std::int16_t>(id);
  if (n + 1 < TradeBoxSize) record.tradeBox[n + 1] = -1;
  return true;
}

bool TradeBoxRemoveAt(PlayerRecord& record, int index) {
  int n = TradeBoxCount(record);
  if (index < 0 || index >= n) return false;
  for (int i = index; i + 1 < n; ++i) record.tradeBox[i] = record.tradeBox[i + 1];
  record.tradeBox[n - 1] = -1;
  return true;
}

bool TradeBoxRemove(PlayerRecord& record, int id) {
  int n = TradeBoxCount(record);
  for (int i = 0; i < n; ++i)
    if (record.tradeBox[i] == id) return TradeBoxRemoveAt(record, i);
  return false;
}

bool TradeBoxContains(const PlayerRecord& record, int id) {
  int n = TradeBoxCount(record);
  for (int i = 0; i < n; ++i)
    if (record.tradeBox[i] == id) return true;
  return false;
}

int TradeBoxAt(const PlayerRecord& record, int index) {
  if (index < 0 || index >= TradeBoxCount(record)) return -1;
  return record.tradeBox[index];
}

void EmptyTradeBox(PlayerRecord& record) {
  for (std::int16_t& id : record.tradeBox) id = -1;
}

void GiveAwayTradeBox(PlayerRecord& record) {
  // Removing a last copy also takes the card out of the box: work from a copy.
  std::int16_t held[TradeBoxSize];
  int n = TradeBoxCount(record);
  for (int i = 0; i < n; ++i) held[i] = record.tradeBox[i];
  for (int i = 0; i < n; ++i) RemoveCopy(record, held[i]);
}
