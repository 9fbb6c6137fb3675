// challenge_bench.cpp -- what the challenge screen's opponent description costs: the word wrap into its box, and
// the whole screen drawn again (as after each opponent browsed with the keys).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/support/headless_game.h"
#include "club/challenge_screen.h"
#include "data/card_database.h"
#include "data/roster.h"
#include "gfx/screen_buffers.h"

namespace {

bool SetUpChallenge() {
  static bool ready = false, ok = false;
  if (ready) return ok;
  ready = true;
  if (!StartHeadlessGame(DUSKHAVEN_CLUB_BENCH_DATA)) return false;
  if (!OpenCardDatabase() || !LoadRoster()) return false;
  LoadGameFont();
  ok = true;
  return ok;
}

// The longest of the 45 descriptions.
std::wstring LongestDescription() {
  std::wstring longest;
  for (int k = 0; k < 3; ++k)
    for (int r = 0; r < 15; ++r) {
      std::wstring d = OpponentDescription(r, k);
      if (d.size() > longest.size()) longest = std::move(d);
    }
  return longest;
}

void BM_ChallengeDescriptionWrap(benchmark::State& state) {
  if (!SetUpChallenge()) {
    state.SkipWithError("no data set");
    return;
  }
  const std::wstring text = LongestDescription();
  for (auto _ : state) {
    DrawOpponentDescription(text, 0);
    benchmark::DoNotOptimize(ScreenBuffer(0)[250 * 240 + 20]);
  }
  state.counters["characters"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ChallengeDescriptionWrap)->Unit(benchmark::kMicrosecond);

// Every one of the 45 descriptions wrapped once per iteration.
void BM_ChallengeEveryDescriptionWrap(benchmark::State& state) {
  if (!SetUpChallenge()) {
    state.SkipWithError("no data set");
    return;
  }
  std::wstring texts[45];
  for (int n = 0; n < 45; ++n) texts[n] = OpponentDescription(n % 15, n / 15);
  for (auto _ : state) {
    for (const std::wstring& t : texts) DrawOpponentDescription(t, 0);
    benchmark::DoNotOptimize(ScreenBuffer(0)[250 * 240 + 20]);
  }
}
BENCHMARK(BM_ChallengeEveryDescriptionWrap)->Unit(benchmark::kMicrosecond);

void BM_ChallengeRedraw(benchmark::State& state) {
  if (!SetUpChallenge()) {
    state.SkipWithError("no data set");
    return;
  }
  auto screen = std::make_unique<ChallengeScreen>(45);
  for (auto _ : state) {
    screen->Redraw(0);
    benchmark::DoNotOptimize(ScreenBuffer(0)[100]);
  }
}
BENCHMARK(BM_ChallengeRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
