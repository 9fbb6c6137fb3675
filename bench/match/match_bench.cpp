// match_bench.cpp -- what a duel costs on screen: whole computer duels through every state and animation, headless.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/support/headless_game.h"
#include "core/random.h"
#include "data/card_database.h"
#include "data/roster.h"
#include "match/card_pictures.h"
#include "match/match.h"
#include "platform/clock.h"
#include "platform/messages.h"

namespace {

bool SetUpTable() {
  static bool ready = false, ok = false;
  if (ready) return ok;
  ready = true;
  if (!StartHeadlessGame(DUSKHAVEN_MATCH_BENCH_DATA)) return false;
  if (!OpenCardDatabase()) return false;
  LoadRoster();
  LoadGameFont();
  LoadCardArt();
  SetUpMatchScreen();
  ok = true;
  return ok;
}

// One computer-against-computer duel from its set-up to the full board; the frames it took.
long PlayOneDuel(std::uint32_t seed, PlayerRecord& red, PlayerRecord& blue) {
  SeedRandom(seed);
  BeginDuel(red, blue, Random(5) + 2);
  long frames = 0;
  while (TheMatch.state != MatchState::MatchOver && frames < 100000) {
    if (TheMatch.state == MatchState::CoinToss) {
      platform::Message tap;
      tap.kind = platform::MessageKind::StylusDown;
      platform::PostMessage(tap);
    }
    MatchFrame();
    platform::SleepMs(16);  // the main loop's present waits for the next 1/60 s
    ++frames;
  }
  if (frames >= 100000) std::fprintf(stderr, "stuck in state %d\n", static_cast<int>(TheMatch.state));
  return frames;
}

void BM_WholeDuelOnScreen(benchmark::State& state) {
  if (!SetUpTable()) {
    state.SkipWithError("no forged data set");
    return;
  }
  static PlayerRecord red, blue;
  red.kind = blue.kind = KindComputer;
  red.levelCode = blue.levelCode = static_cast<std::uint8_t>(state.range(0) * 10);
  std::uint32_t seed = 1;
  long frames = 0;
  for (auto _ : state) frames += PlayOneDuel(seed++, red, blue);
  state.counters["frames/duel"] =
      benchmark::Counter(static_cast<double>(frames) / static_cast<double>(state.iterations()));
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeDuelOnScreen)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
