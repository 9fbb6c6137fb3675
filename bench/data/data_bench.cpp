// data_bench.cpp -- the cost of one card read from disk, one generated deck, one save file and the roster.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdlib>

#include "core/random.h"
#include "data/card_database.h"
#include "data/roster.h"
#include "data/save_file.h"
#include "platform/file_system.h"
#include "tools/forge/asset_tables.h"
#include "tools/forge/card_data_files.h"

namespace {

// The full card set of the tables, written once into a temporary install folder.
bool OpenBenchData() {
  static bool ready = false;
  if (ready) return true;
  std::string dir = "/tmp/duskhaven-data-bench-" + std::to_string(getpid());
  std::string error;
  CardDataFiles files;
  if (!LoadAssetTables(error) || !BuildCardDataFiles(CardRows(), FamilyRows(), OpponentRows(), files, error))
    return false;
  platform::SetInstallDir(dir);
  ready = platform::MakeDirectories("DATA\\CARDS\\SET 1") &&
          platform::WriteFileAtomically("DATA\\CARDS\\SET 1\\CARDS.IND", files.index) &&
          platform::WriteFileAtomically("DATA\\CARDS\\SET 1\\CARDS.DAT", files.records) &&
          platform::WriteFileAtomically("DATA\\CARDS\\SET 1\\CARDS.INF", files.infos) &&
          platform::WriteFileAtomically("DATA\\OPPONENTS.DAT", files.opponents) && OpenCardDatabase();
  return ready;
}

void BM_LoadCard(benchmark::State& state) {
  if (!OpenBenchData()) return state.SkipWithError("no data set");
  int id = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LoadCard(id));
    id = id % 344 + 1;
  }
}
BENCHMARK(BM_LoadCard);

void BM_BuildOpponentDeck(benchmark::State& state) {
  if (!OpenBenchData()) return state.SkipWithError("no data set");
  SeedRandom(1);
  Deck deck;
  const int opponentClass = static_cast<int>(state.range(0)), tier = static_cast<int>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(BuildOpponentDeck(deck, opponentClass, tier));
}
BENCHMARK(BM_BuildOpponentDeck)->Args({0, 0})->Args({2, 3});

void BM_CardInfoText(benchmark::State& state) {
  if (!OpenBenchData()) return state.SkipWithError("no data set");
  for (auto _ : state) benchmark::DoNotOptimize(CardInfoText(300));
}
BENCHMARK(BM_CardInfoText);

void BM_SaveFileRoundTrip(benchmark::State& state) {
  if (!OpenBenchData()) return state.SkipWithError("no data set");
  PlayerRecord record;
  record.name = L"BENCH";
  for (int id = 1; id <= 344; ++id) AddCopy(record, id);
  BuildOpponentDeck(record.deck, 1, 1);
  for (auto _ : state) {
    auto bytes = EncodeCharacterFile(record, DuelStats);
    benchmark::DoNotOptimize(DecodeCharacterFile(bytes).valid);
  }
}
BENCHMARK(BM_SaveFileRoundTrip);

void BM_LoadRoster(benchmark::State& state) {
  if (!OpenBenchData()) return state.SkipWithError("no data set");
  for (auto _ : state) benchmark::DoNotOptimize(LoadRoster());
}
BENCHMARK(BM_LoadRoster);

}  // namespace

BENCHMARK_MAIN();
