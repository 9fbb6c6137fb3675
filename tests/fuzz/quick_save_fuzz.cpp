// quick_save_fuzz.cpp -- fuzzes the quick-save reader with the club's block and the match block, on the headless
// duel table: a damaged file never crashes, a loaded duel refers only to cells, states and duellists that exist
// (and is drawn), the club takes the record, and saving all that again loads again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "club/club.h"
#include "club/room_boxes.h"
#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/quick_save.h"
#include "data/roster.h"
#include "data/save_file.h"
#include "match/match.h"
#include "match/match_snapshot.h"
#include "tests/fuzz/duel_table.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const MatchRecord freshMatch = TheMatch;

// A room that shows a box on resume is answered with its right (or only)
// button, as nobody is there; with DUSKHAVEN_FUZZ_VERBOSE the box is named.
bool AnswerRoomBox(const std::wstring& text, const std::wstring& left, const std::wstring& right) {
  if (std::getenv("DUSKHAVEN_FUZZ_VERBOSE")) std::printf("room box: %ls\n", text.c_str());
  return !left.empty() && right.empty();
}

void CheckLoadedDuel() {
  const Match& m = TheMatch;
  FUZZ_CHECK(m.currentSide <= 1 && m.chainSide <= 1);
  FUZZ_CHECK(m.players[0] != nullptr && m.players[1] != nullptr);
  for (const Pile& p : m.piles) FUZZ_CHECK(p.count <= PileSize);
  for (const Cell& c : m.board.cells) FUZZ_CHECK(c.free <= 1 && c.owner <= NoSide && c.firstOwner <= NoSide);
  FUZZ_CHECK(InBounds(m.attacker.x, m.attacker.y) && InBounds(m.target.x, m.target.y));
  FUZZ_CHECK(m.drawSlot < HandSize);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The forged data set (pictures included: a resumed duel is drawn) with a save folder of this process's own.
  const std::string root = FuzzInstallDir("quicksave");
  if (!SetUpDuelTable(DUSKHAVEN_FORGED_DATA, root)) BrokenProperty("no duel table");
  // The character the quick saves name, in slot 1.
  if (!MakeSavedCharacter(L"TESTER")) BrokenProperty("the character cannot be saved");
  RegisterClubStateBlock();
  SetRoomBoxAnswerer(AnswerRoomBox);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static_cast<MatchRecord&>(TheMatch) = freshMatch;
  InClub = 1;
  const bool loaded = QuickLoadBytes(std::vector<std::uint8_t>(data, data + size));
  FUZZ_CHECK(InClub <= 1);
  if (!loaded) {
    DropClubState();
    return 0;
  }
  CommitClubState();
  if (std::getenv("DUSKHAVEN_FUZZ_VERBOSE")) std::printf("resumed %s\n", InClub ? "in the club" : "in a duel");
  FUZZ_CHECK(CurrentPlayer.slot == 1);
  if (InClub == 0) CheckLoadedDuel();
  // What was resumed is saved on the way out, and that file resumes again.
  const std::uint8_t inClub = InClub;
  const std::vector<std::uint8_t> again = QuickSaveBytes();
  static_cast<MatchRecord&>(TheMatch) = freshMatch;
  FUZZ_CHECK(QuickLoadBytes(again));
  CommitClubState();
  FUZZ_CHECK(InClub == inClub);
  return 0;
}
