// art_bench.cpp -- drawing and encoding the forge's pictures: one card, all cards, the whole duel and start-up art.
#include <benchmark/benchmark.h>

#include "tools/forge/art_board.h"
#include "tools/forge/art_cards.h"
#include "tools/forge/forge.h"

// The forge's file writer, counted instead of written: the benchmark measures drawing and encoding only.
bool ForgeOutput::Write(std::string_view, const std::vector<std::uint8_t>& bytes) {
  benchmark::DoNotOptimize(bytes.data());
  ++files_;
  return true;
}

bool ForgeOutput::Write(std::string_view gamePath, std::string_view bytes) {
  return Write(gamePath, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

static void BM_DrawSmallCard(benchmark::State& state) {
  const CardArt card{"CHROME BAT SOVEREIGN", 4, 2, "Chrome Bat"};
  for (auto _ : state) benchmark::DoNotOptimize(DrawCardPicture(card, false));
}
BENCHMARK(BM_DrawSmallCard);

static void BM_DrawBigCard(benchmark::State& state) {
  const CardArt card{"CHROME BAT SOVEREIGN", 4, 2, "Chrome Bat"};
  for (auto _ : state) benchmark::DoNotOptimize(DrawCardPicture(card, true));
}
BENCHMARK(BM_DrawBigCard);

static void BM_EncodeBoardFramePng(benchmark::State& state) {
  const RgbPicture frame = DrawBoardFrame(false);
  std::vector<std::uint8_t> bytes;
  std::string error;
  for (auto _ : state) benchmark::DoNotOptimize(EncodePng(frame, bytes, error));
}
BENCHMARK(BM_EncodeBoardFramePng);

static void BM_ForgeAllCardPictures(benchmark::State& state) {
  for (auto _ : state) {
    ForgeOutput out("memory");
    if (!ForgeCardPictures(out)) state.SkipWithError("card pictures failed");
    state.counters["files"] = out.FilesWritten();
  }
}
BENCHMARK(BM_ForgeAllCardPictures)->Unit(benchmark::kMillisecond);

static void BM_ForgeDuelAndStartUpArt(benchmark::State& state) {
  for (auto _ : state) {
    ForgeOutput out("memory");
    if (!ForgeMatchArt(out) || !ForgeShellArt(out)) state.SkipWithError("art failed");
  }
}
BENCHMARK(BM_ForgeDuelAndStartUpArt)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
