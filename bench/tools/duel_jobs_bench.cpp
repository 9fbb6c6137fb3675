// duel_jobs_bench.cpp -- a thousand duels between the strongest computers, on one thread and on more.
// `duskhaven-tool duel --red 2:3 --blue 2:3 --seed 1 --count 1000 --jobs N` in process: every duel's transcript
// is made and handed over in seed order, so the threads' cost of keeping that order is counted too.
#include <benchmark/benchmark.h>

#include <string>

#include "data/card_database.h"
#include "platform/file_system.h"
#include "tools/tool/duel_simulator.h"

namespace {

bool OpenForgedCards() {
  static const bool open = [] {
    platform::SetInstallDir(DUSKHAVEN_TOOLS_BENCH_DATA);
    return OpenCardDatabase();
  }();
  return open;
}

void BM_EliteDuels(benchmark::State& state) {
  if (!OpenForgedCards()) {
    state.SkipWithError("no card database in the forged data set");
    return;
  }
  DuelPlan plan;
  plan.sides[0] = plan.sides[1] = DuelSidePlan{2, 3};
  const auto jobs = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::size_t bytes = 0;
    DuelTally tally;
    std::string error;
    if (!PlayDuels(
            1, 1000, plan, [&](const std::string& text) { bytes += text.size(); }, tally, error, jobs)) {
      state.SkipWithError(error.c_str());
      return;
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["duels"] = benchmark::Counter(1000, benchmark::Counter::kIsIterationInvariantRate);
}
// Wall time: the point is what the second thread saves.
BENCHMARK(BM_EliteDuels)->ArgName("jobs")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
