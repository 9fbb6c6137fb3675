// drawing_bench.cpp -- speed of a full-screen fade step, the message-box panel and a full-screen panel, and keyed text.
#include <benchmark/benchmark.h>

#include "gfx/animations.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/panel.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"

namespace {

void Prepare(std::uint16_t mode) {
  SetPixelFormat(mode, 0);
  AllocateBuffers(240, 320);
  for (int y = 0; y < 320; ++y) {
    FillRect(0, y, 240, 1, PackRgb(y, 255 - y / 2, 128), 0);
    FillRect(0, y, 240, 1, PackRgb(255 - y / 2, y / 3, 40), 1);
  }
}

void BM_TransitionStepFullScreen(benchmark::State& state) {
  Prepare(static_cast<std::uint16_t>(state.range(0)));
  for (auto _ : state) {
    // Restart the fade now and then so that every step has pixels to move.
    state.PauseTiming();
    CopyBuffer(2, 0);
    state.ResumeTiming();
    TransitionStep(0, 0, 240, 320, 0, 1);
    benchmark::DoNotOptimize(ScreenBuffer(0)[1000]);
  }
  state.SetItemsProcessed(state.iterations() * 240 * 320);
}
BENCHMARK(BM_TransitionStepFullScreen)->Arg(Rgb565)->Arg(Rgb555)->Arg(Rgb444);

void BM_DrawPanelMessageBox(benchmark::State& state) {
  Prepare(Rgb565);
  for (auto _ : state) {
    DrawPanel(40, 120, 160, 80, 20, 3, 0);
    benchmark::DoNotOptimize(ScreenBuffer(0)[130 * 240 + 60]);
  }
}
BENCHMARK(BM_DrawPanelMessageBox);

void BM_DrawPanelFullScreen(benchmark::State& state) {
  Prepare(Rgb565);
  for (auto _ : state) {
    DrawPanel(0, 0, 240, 320, 20, 3, 0);
    benchmark::DoNotOptimize(ScreenBuffer(0)[130 * 240 + 60]);
  }
  state.SetItemsProcessed(state.iterations() * 240 * 320);
}
BENCHMARK(BM_DrawPanelFullScreen);

void BM_DrawKeyedFullScreen(benchmark::State& state) {
  Prepare(Rgb565);
  const ImageView picture{320, 240, ScreenBuffer(1)};
  for (auto _ : state) {
    DrawKeyed(0, 0, picture, 0);
    benchmark::DoNotOptimize(ScreenBuffer(0)[500]);
  }
}
BENCHMARK(BM_DrawKeyedFullScreen);

}  // namespace

BENCHMARK_MAIN();
