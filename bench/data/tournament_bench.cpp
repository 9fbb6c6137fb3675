// tournament_bench.cpp -- what a tournament round's simulation costs: the contests of a round, and the bracket drawn
// up.
#include <benchmark/benchmark.h>

#include "core/random.h"
#include "data/tournament.h"

namespace {

// The first round: seven simulated contests and the character's pair noted.
void BM_TournamentFirstRound(benchmark::State& state) {
  SeedRandom(1);
  Bracket drawn;
  DrawUpBracket(drawn);
  for (auto _ : state) {
    Bracket b = drawn;
    RoundPlay play = PlayBracketRound(b, 1);
    benchmark::DoNotOptimize(play);
    benchmark::DoNotOptimize(b);
  }
}
BENCHMARK(BM_TournamentFirstRound)->Unit(benchmark::kMicrosecond);

// A whole bracket without the character's duels: drawn up, four rounds played and packed.
void BM_TournamentBracketThrough(benchmark::State& state) {
  SeedRandom(1);
  for (auto _ : state) {
    Bracket b;
    DrawUpBracket(b);
    for (int round = 0; round < FinishedRound; ++round) {
      RoundPlay play = PlayBracketRound(b, 0);
      if (play.playerPair >= 0) {
        const int mine = b.slots[play.playerPair].participant == BracketPlayer ? play.playerPair : play.playerPair + 1;
        b.slots[mine].out = 1;
      }
      AdvanceBracket(b);
    }
    benchmark::DoNotOptimize(b);
  }
}
BENCHMARK(BM_TournamentBracketThrough)->Unit(benchmark::kMicrosecond);

}  // namespace
