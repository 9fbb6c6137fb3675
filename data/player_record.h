// player_record.h -- one duellist: identity, credits, collection, deck, last booster and trade box.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/deck.h"

constexpr int CollectionSize = 344;
constexpr int LastBoosterSize = 80;  // ten boosters of eight cards
constexpr int TradeBoxSize = 9;
constexpr int MaxBoostersAtOnce = LastBoosterSize / 8;
constexpr int NewCharacterCredits = 700;

// PlayerKind: who drives a side.
enum PlayerKind : std::uint8_t { KindComputer = 1, KindLocal = 2, KindRemoteHost = 3, KindRemoteGuest = 4 };

struct PlayerRecord {
  // The identity block: the first eight members, copied as a unit.
  std::wstring name;                // empty for an empty slot
  std::int16_t profileNumber = -1;  // -1 = none
  std::wstring profileText1;
  std::wstring profileText2;
  std::uint8_t slot = 255;  // save slot 1..3; 255 = never saved; 0 for roster opponents
  std::uint8_t kind = KindLocal;
  std::int32_t credits = 0;
  std::uint8_t levelCode = 0;  // opponents: class * 10 + tier

  std::int8_t collection[CollectionSize] = {};  // element k counts card id k + 1
  std::int16_t cardTotal = 0;                   // the sum of the collection counts
  Deck deck;
  // In memory only, never saved; -1 after the last entry.
  std::int16_t lastBooster[LastBoosterSize];
  std::int16_t tradeBox[TradeBoxSize];

  PlayerRecord();
};

// The character being played, and the record of the final opponent or the
// infrared opponent.
extern PlayerRecord CurrentPlayer;
extern PlayerRecord OtherPlayer;

// Copies the identity block (name .. levelCode).
void CopyIdentity(const PlayerRecord& from, PlayerRecord& to);

// New-character state: no cards, empty deck, 700 credits, slot 255; the
// identity strings, last booster and trade box are left alone.
void ResetPlayer(PlayerRecord& record);

// One more copy of the card; a count already at 127 (the most a signed byte
// holds) stays there and cardTotal with it. False, changing nothing, for an
// id outside 1..344 or a full count.
bool AddCopy(PlayerRecord& record, int id);
// One copy less; when the last copy goes the card also leaves the deck and
// the trade box. False, changing nothing, when no copy is owned.
bool RemoveCopy(PlayerRecord& record, int id);
int CopiesOf(const PlayerRecord& record, int id);

// Opens n boosters (at most 10) into the collection and lastBooster, the rest
// of which is set to -1. False, drawing nothing, for n above 10.
bool OpenBoosters(PlayerRecord& record, int n);

// Credits plus or minus the amount, held at the ends of the i32 range instead
// of wrapping round (a rich character must not turn poor by earning more).
void AddCredits(PlayerRecord& record, std::int32_t amount);
void SubCredits(PlayerRecord& record, std::int32_t amount);
std::int32_t SaturatedSum(std::int32_t a, std::int32_t b);
// The number of different cards owned.
int DistinctCards(const PlayerRecord& record);

// Called for a card added to a deck with its picture (registered by the
// layer that loads pictures; nothing is loaded while it is unset).
extern std::function<void(Card&)> DeckPictureLoader;

// Puts the card into the first empty deck slot when the deck holds at most
// 15 cards; false when it is full or the card cannot be loaded.
bool AddToDeck(PlayerRecord& record, int id, bool withImage);
void ClearDeck(PlayerRecord& record);

// The trade box: ids in order, -1 after the last, full at 9.
bool TradeBoxAdd(PlayerRecord& record, int id);
bool TradeBoxRemove(PlayerRecord& record, int id);
bool TradeBoxRemoveAt(PlayerRecord& record, int index);
bool TradeBoxContains(const PlayerRecord& record, int id);
int TradeBoxCount(const PlayerRecord& record);
int TradeBoxAt(const PlayerRecord& record, int index);  // -1 outside 0..count-1
void EmptyTradeBox(PlayerRecord& record);
// Removes one copy of every card the trade box held when the call began.
void GiveAwayTradeBox(PlayerRecord& record);
