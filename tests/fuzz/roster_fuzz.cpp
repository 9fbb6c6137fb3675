// roster_fuzz.cpp -- fuzzes the opponent roster file: loading and descriptions never crash, and every opponent
// keeps its class, tier and kind whatever the file holds.
#include <cstdint>
#include <vector>

#include "data/roster.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> file(data, data + size);
  LoadRosterBytes(file);
  for (int c = 0; c < 3; ++c)
    for (int j = 0; j < 15; ++j) {
      const PlayerRecord& r = RosterOpponent(j, c);
      FUZZ_CHECK(r.kind == KindComputer && r.slot == 0 && r.levelCode == c * 10 + j / 4);
    }
  for (int k : {0, 14, 22, 44}) OpponentDescriptionOf(file, k % 15, k / 15);
  FindRosterOpponent(RosterOpponent(7, 1).name);
  return 0;
}
