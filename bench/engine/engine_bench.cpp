// engine_bench.cpp -- ChooseMove per class on crowded boards, and whole duels per pairing.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/engine/synthetic_cards.h"
#include "core/random.h"
#include "engine/computer_opponent.h"
#include "engine/evaluation.h"
#include "tests/engine/literal_search.h"
#include "tools/tool/duel_play.h"

namespace {
// The benchmarks draw from the game's stream.
DuelContext duel(GameRandom());
}  // namespace

namespace {

// 32 seeded mid-game boards with a five-card hand each, shared by the search benchmarks.
struct CrowdedBoards {
  static constexpr int Count = 32;
  Board boards[Count];
  Hand hands[Count];
  CrowdedBoards() {
    for (int i = 0; i < Count; ++i) CrowdedBoard(1000u + static_cast<std::uint32_t>(i), 8 + i % 5, boards[i], hands[i]);
  }
};

// A five-card hand against 8..12 cards already down: the widest searches of a duel.
void BM_ChooseMove(benchmark::State& state) {
  duel.aiLevel = static_cast<std::int8_t>(state.range(0));
  const CrowdedBoards set;
  SeedRandom(1);
  int i = 0;
  for (auto _ : state) {
    MoveChoice m;
    ChooseMove(duel, set.boards[i], set.hands[i], 11, 1, m);
    benchmark::DoNotOptimize(m);
    i = (i + 1) % CrowdedBoards::Count;
  }
}
BENCHMARK(BM_ChooseMove)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The same boards through the step-by-step search on full board copies, for comparison.
void BM_ChooseMoveLiteral(benchmark::State& state) {
  duel.aiLevel = static_cast<std::int8_t>(state.range(0));
  const CrowdedBoards set;
  SeedRandom(1);
  int i = 0;
  for (auto _ : state) {
    LiteralResult r = LiteralChooseMove(duel, set.boards[i], set.hands[i], 11, 1);
    benchmark::DoNotOptimize(r);
    i = (i + 1) % CrowdedBoards::Count;
  }
}
BENCHMARK(BM_ChooseMoveLiteral)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Whole duels between two classes on a made-up card set.
void PlayDuels(benchmark::State& state, const DuelDeciders& deciders) {
  DuelPlan plan;
  plan.deciders = deciders;
  plan.sides[0] = {static_cast<int>(state.range(0)), 3};
  plan.sides[1] = {static_cast<int>(state.range(1)), 3};
  plan.transcript = false;
  std::uint32_t seed = 1;
  std::string transcript, error;
  for (auto _ : state) {
    Deck decks[2] = {SyntheticDeck(seed * 2, plan.sides[0].opponentClass * 4 + 3),
                     SyntheticDeck(seed * 2 + 1, plan.sides[1].opponentClass * 4 + 3)};
    RandomStream random(seed);
    DuelOutcome outcome;
    PlayDealtDuel(seed, decks, 2 + static_cast<int>(seed % 5), 344, plan, random, transcript, outcome, error);
    benchmark::DoNotOptimize(outcome);
    ++seed;
  }
  state.counters["duels/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
void BM_Duel(benchmark::State& state) { PlayDuels(state, DuelDeciders{}); }
BENCHMARK(BM_Duel)->Args({0, 0})->Args({1, 1})->Args({2, 2})->Args({2, 0})->Unit(benchmark::kMillisecond);

// The same duels decided by the step-by-step search.
void BM_DuelLiteral(benchmark::State& state) {
  DuelDeciders literal;
  literal.chooseMove = LiteralMoveDecision;
  literal.chooseAttack = LiteralAttackDecision;
  literal.chooseChainAttack = LiteralChainDecision;
  PlayDuels(state, literal);
}
BENCHMARK(BM_DuelLiteral)->Args({0, 0})->Args({1, 1})->Args({2, 2})->Args({2, 0})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
