// match_players.h -- the duellists' records as the match sees them, and the career operations it calls.
#pragma once

#include <cstdint>
#include <string>

#include "data/deck.h"

#if __has_include("data/player_record.h")
#include "data/player_record.h"
#include "data/roster.h"
#define DUSKHAVEN_MATCH_PLAYER_STAND_IN 0
#else
// Until the career records exist, the match keeps the smallest record it needs.
#define DUSKHAVEN_MATCH_PLAYER_STAND_IN 1
constexpr int CollectionSize = 344;
struct PlayerRecord {
  std::wstring name;
  std::int16_t profileNumber = -1;
  std::wstring profileText1, profileText2;
  std::uint8_t slot = 255;
  std::uint8_t kind = 2;
  std::int32_t credits = 0;
  std::uint8_t levelCode = 0;
  std::int8_t collection[CollectionSize] = {};
  std::int16_t cardTotal = 0;
  Deck deck;
};
extern PlayerRecord CurrentPlayer;
extern PlayerRecord OtherPlayer;
extern std::int16_t PerfectsRealised;
extern std::int16_t PerfectsReceived;
extern std::uint8_t InClub;
PlayerRecord& RosterOpponent(int index, int opponentClass);
void AddCopy(PlayerRecord& record, int id);
void RemoveCopy(PlayerRecord& record, int id);
void SaveCharacter();
void DealOpponentDeck(PlayerRecord& record);
void BuildFinalDeck(PlayerRecord& record);
void ResetPlayer(PlayerRecord& record);
#endif

// How many copies of the card the record owns (0 for an id outside the collection).
int CopiesOwned(const PlayerRecord& record, int id);
// The perfect counters of the current character.
void CountPerfectRealised();
void CountPerfectReceived();
// The roster opponent named `name`, or null.
PlayerRecord* FindRosterOpponent(const std::wstring& name);
// Puts an owned card that is not in the deck yet into the first empty deck
// slot; false when the deck is full or no owned card is left to add.
bool AddCardAutomatically(PlayerRecord& record);
