// roster.h -- the 45 computer opponents and their generated decks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/deck.h"
#include "core/random.h"

// Generates a 16-card deck for an opponent of that class (0 Guest, 1 Member,
// 2 Elite) and tier (0..3), drawn from `random`, ordered by level, with no id twice. False (and
// an empty deck) for a class or tier out of range, or a card set too small
// to give the deck distinct cards (or holding a damaged record): the draw
// would otherwise never end.
bool BuildOpponentDeck(Deck& deck, int opponentClass, int tier, RandomStream& random = GameRandom());

// Why a deck of that class and tier cannot be built from the open card set
// (one line), or empty when it can.
std::string OpponentDeckProblem(int opponentClass, int tier);

#include "data/player_record.h"

constexpr int RosterSize = 45;
extern const char* const RosterPath;  // "DATA\OPPONENTS.DAT"

// The 45 opponents, index-major: element index * 3 + class. Before LoadRoster
// (or when the file is missing) each has an empty name, kind Computer, slot 0
// and its level code.
extern PlayerRecord OpponentRoster[RosterSize];

// The opponent (index 0..14, class 0..2); out-of-range numbers give opponent (0, 0).
PlayerRecord& RosterOpponent(int index, int opponentClass);
// The roster opponent with that name, or null.
PlayerRecord* FindRosterOpponent(const std::wstring& name);

// Fills the roster from the data file; false when it is missing, or damaged
// (entries after the damage keep their constructed state).
bool LoadRoster();
// The same from the file's (scrambled) bytes; false too for more than MaxRosterFileSize bytes.
constexpr std::size_t MaxRosterFileSize = 4u << 20;
bool LoadRosterBytes(std::span<const std::uint8_t> bytes);

// The opponent's description, re-read from the file; empty when it cannot be read.
std::wstring OpponentDescription(int index, int opponentClass);
std::wstring OpponentDescriptionOf(std::span<const std::uint8_t> bytes, int index, int opponentClass);

// BuildOpponentDeck(record.deck, levelCode div 10, levelCode mod 10).
bool DealOpponentDeck(PlayerRecord& record);
// The final opponent's deck: an Elite tier-3 deck in which three super cards
// (icons 5, 4, 3 all round) replace random slots.
bool BuildFinalDeck(PlayerRecord& record);
// A level-5 card with `value` in all eight directions, the name (and so the
// picture) of a random level-1 card and an id above CardCount.
Card MakeSuperCard(int value);
