// roster.cpp -- the opponent roster from DATA\OPPONENTS.DAT, descriptions, and the final opponent's deck.
#include "data/roster.h"

#include <vector>

#include "core/random.h"
#include "data/card_database.h"
#include "data/field_reader.h"
#include "platform/file_system.h"

const char* const RosterPath = "DATA\\OPPONENTS.DAT";

namespace {

// Gives every roster record its constructed state before anything runs.
struct RosterBuilder {
  explicit RosterBuilder(PlayerRecord (&roster)[RosterSize]) {
    for (int c = 0; c < 3; ++c)
      for (int j = 0; j < 15; ++j) Construct(roster[j * 3 + c], c, j);
  }
  static void Construct(PlayerRecord& r, int opponentClass, int index) {
    r.kind = KindComputer;
    r.slot = 0;
    r.levelCode = static_cast<std::uint8_t>(opponentClass * 10 + index / 4);
  }
};

// One entry of the file: name, profile number, first line, description, second line.
struct RosterEntry {
  std::string name, text1, description, text2;
  std::int16_t profileNumber = 0;
};

bool ReadEntry(FieldReader& fields, RosterEntry& e) {
  return fields.Text(e.name) && fields.Number(e.profileNumber) && fields.Text(e.text1) && fields.Text(e.description) &&
         fields.Text(e.text2);
}

}  // namespace

PlayerRecord OpponentRoster[RosterSize];
static RosterBuilder constructRoster(OpponentRoster);

PlayerRecord& RosterOpponent(int index, int opponentClass) {
  if (index < 0 || index > 14 || opponentClass < 0 || opponentClass > 2) index = opponentClass = 0;
  return OpponentRoster[index * 3 + opponentClass];
}

PlayerRecord* FindRosterOpponent(const std::wstring& name) {
  for (PlayerRecord& r : OpponentRoster)
    if (r.name == name) return &r;
  return nullptr;
}

bool LoadRoster() {
  std::vector<std::uint8_t> bytes;
  if (!platform::ReadWholeFile(RosterPath, bytes, MaxRosterFileSize)) return false;
  return LoadRosterBytes(bytes);
}

bool LoadRosterBytes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > MaxRosterFileSize) return false;
  FieldReader fields(bytes.data(), bytes.size(), DataFileMask);
  for (int c = 0; c < 3; ++c) {
    for (int j = 0; j < 15; ++j) {
      RosterEntry e;
      if (!ReadEntry(fields, e)) return false;
      PlayerRecord& r = OpponentRoster[j * 3 + c];
      ResetPlayer(r);
      r.name = WideFromBytes(UpperCaseText(e.name));
      r.profileNumber = e.profileNumber;
      r.profileText1 = WideFromBytes(e.text1);
      r.profileText2 = WideFromBytes(e.text2);
      RosterBuilder::Construct(r, c, j);
    }
  }
  return true;
}

std::wstring OpponentDescription(int index, int opponentClass) {
  if (index < 0 || index > 14 || opponentClass < 0 || opponentClass > 2) return {};
  std::vector<std::uint8_t> bytes;
  if (!platform::ReadWholeFile(RosterPath, bytes, MaxRosterFileSize)) return {};
  return OpponentDescriptionOf(bytes, index, opponentClass);
}

std::wstring OpponentDescriptionOf(std::span<const std::uint8_t> bytes, int index, int opponentClass) {
  if (index < 0 || index > 14 || opponentClass < 0 || opponentClass > 2 || bytes.size() > MaxRosterFileSize) return {};
  FieldReader fields(bytes.data(), bytes.size(), DataFileMask);
  int wanted = opponentClass * 15 + index;
  // Whole entries up to the wanted one, then its first four fields only.
  RosterEntry e;
  for (int k = 0; k < wanted; ++k)
    if (!ReadEntry(fields, e)) return {};
  if (!fields.Text(e.name) || !fields.Number(e.profileNumber) || !fields.Text(e.text1) || !fields.Text(e.description))
    return {};
  return WideFromBytes(e.description);
}

bool DealOpponentDeck(PlayerRecord& record) {
  return BuildOpponentDeck(record.deck, record.levelCode / 10, record.levelCode % 10);
}

Card MakeSuperCard(int value) {
  Card card;
  for (int d = 0; d < 8; ++d) SetIcon(card.icons, d, value);
  card.level = 5;
  card.name = RandomCardOfLevel(1).name;
  card.id = static_cast<std::int16_t>(CardCount() + Random(10) + 1);
  return card;
}

bool BuildFinalDeck(PlayerRecord& record) {
  EmptyDeck(record.deck);
  if (!BuildOpponentDeck(record.deck, 2, 3)) return false;
  for (int i = 0; i < 3; ++i) {
    Card card = MakeSuperCard(5 - i);
    int s = Random(16);
    record.deck.slots[s] = card;  // the slot is emptied and refilled: the count stays 16
  }
  return true;
}
