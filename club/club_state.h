// club_state.h -- the club's stored record: the fields the quick save keeps, in their stored order.
#pragma once

#include <cstdint>

#include "club/club_screen.h"

class ByteReader;
class ByteWriter;
struct Club;

struct ClubRecord {
  std::uint8_t ready = 1;
  std::uint8_t entering = 0;
  std::uint8_t opening = 0;
  std::int8_t fadeCounter = 0;
  std::uint8_t enterRoom = 0;
  std::uint8_t typing = 0;
  std::int16_t charIndex = 0;
  std::int16_t textX = 0;
  std::int16_t textY = 0;
  std::uint8_t textBuffer = 0;
  std::int8_t typeCounter = 0;
  std::uint8_t nextScreen = ScreenCorridor;
  std::uint8_t currentScreen = ScreenCorridor;
  std::int16_t currentRoom = 1;
  std::int16_t position = 7;
  std::int8_t walkDirection = 0;
  std::int16_t titleOffset = 0;
  std::int8_t titleSpeed = 0;
  std::uint8_t shown = 0;
  std::uint8_t typingDone = 0;
  std::uint8_t slideDone = 0;
  std::int8_t slideCounter = 0;
  std::uint8_t returnFromChallenge = 0;
  std::uint8_t spare = 0;
  std::uint8_t returnFromCardManager = 0;
  std::uint8_t returnFromShop = 0;
  std::uint8_t returnFromTrade = 0;
  std::uint8_t tutorialStep = 0;
  std::uint8_t tutorialActive = 0;

  bool operator==(const ClubRecord&) const = default;
};

// The stored size of the record, before the screens' flags and records.
constexpr int ClubRecordBytes = 35;

ClubRecord TakeRecord(const Club& club);
void ApplyRecord(const ClubRecord& record, Club& club);
void WriteClubRecord(const ClubRecord& record, ByteWriter& out);
// Reads the bytes as stored; false when the reader ran out.
bool ReadClubRecord(ByteReader& in, ClubRecord& record);
// A record the club can run from: known screen ids, a room and a position
// on the corridor, a buffer that exists, a description pen inside the text.
bool ClubRecordUsable(const ClubRecord& record);
// A screen id of the table (0..8, 10, 12, 13, 14).
bool KnownClubScreen(std::uint8_t id);
