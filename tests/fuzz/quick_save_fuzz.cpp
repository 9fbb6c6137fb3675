// quick_save_fuzz.cpp -- fuzzes the quick-save reader with its match block: a damaged file never crashes, a
// loaded duel refers only to cells, states and duellists that exist, and saving it again loads again.
#include <cstdint>
#include <vector>

#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/quick_save.h"
#include "data/roster.h"
#include "data/save_file.h"
#include "match/match.h"
#include "match/match_snapshot.h"
#include "platform/file_system.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const MatchRecord freshMatch = TheMatch;

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
  FuzzInstallDir("quicksave");
  if (!InstallForgedCardData(true)) BrokenProperty("the forged card data cannot be installed");
  // The character the quick saves name: slot 1, a deck of the first cards of each level.
  ResetPlayer(CurrentPlayer);
  CurrentPlayer.name = L"TESTER";
  CurrentPlayer.kind = KindLocal;
  CurrentPlayer.slot = 1;
  const int q = CardCount() / 4;
  for (int i = 0; i < DeckSize; ++i) {
    const int id = (i % 4) * q + 1 + i / 4 * 3;
    AddCopy(CurrentPlayer, id);
    AddToDeck(CurrentPlayer, id, false);
  }
  if (!SaveCharacter()) BrokenProperty("the character cannot be saved");
  RegisterMatchSnapshot();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static_cast<MatchRecord&>(TheMatch) = freshMatch;
  InClub = 1;
  PutGameFile(QuickSavePath, data, size);
  const bool loaded = QuickLoad();
  FUZZ_CHECK(!platform::FileExists(QuickSavePath));
  FUZZ_CHECK(InClub <= 1);
  if (!loaded) return 0;
  FUZZ_CHECK(CurrentPlayer.slot == 1);
  if (InClub == 0) CheckLoadedDuel();
  // What was resumed is saved on the way out, and that file resumes again.
  const std::uint8_t inClub = InClub;
  FUZZ_CHECK(QuickSave());
  static_cast<MatchRecord&>(TheMatch) = freshMatch;
  FUZZ_CHECK(QuickLoad());
  FUZZ_CHECK(InClub == inClub);
  return 0;
}
