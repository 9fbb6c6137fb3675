// club_bench.cpp -- what the card manager costs per frame: a card dragged over the screen, and a page change.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/support/headless_game.h"
#include "club/card_manager_screen.h"
#include "data/card_database.h"
#include "gfx/screen_buffers.h"
#include "match/card_pictures.h"
#include "platform/file_system.h"
#include "platform/game_state.h"

namespace {

bool SetUpRoom() {
  static bool ready = false, ok = false;
  if (ready) return ok;
  ready = true;
  if (!StartHeadlessGame(DUSKHAVEN_CLUB_BENCH_DATA)) return false;
  if (!OpenCardDatabase()) return false;
  // Without the manager's pictures every load would stop on its error box.
  if (!platform::FileExists("GFX\\MENU\\UI SHOP\\CollectionEmpty.QXG")) return false;
  LoadGameFont();
  LoadCardArt();
  ResetPlayer(CurrentPlayer);
  CurrentPlayer.slot = 255;  // nothing is written while measuring
  for (int id = 1; id <= CollectionSize; id += 1 + id % 3) AddCopy(CurrentPlayer, id);
  for (int id = 1; id <= 40; id += 3) AddToDeck(CurrentPlayer, id, false);
  ok = true;
  return ok;
}

// One pass of the main loop while a grid card is dragged: the stylus moves, then the frame runs.
void BM_ManagerFrameWhileDragging(benchmark::State& state) {
  if (!SetUpRoom()) {
    state.SkipWithError("no data set with the card manager's pictures");
    return;
  }
  auto manager = std::make_unique<CardManagerScreen>(true, false);
  manager->Enter();
  // Slot 2 holds card 3: owned and not in the deck, so the press picks it up.
  manager->StylusDown(GridSlotX(2) + 16, GridSlotY(2) + 25);
  int step = 0;
  for (auto _ : state) {
    const int x = 20 + (step * 7) % 200, y = 30 + (step * 5) % 260;
    manager->StylusMove(x, y);
    manager->Frame();
    benchmark::DoNotOptimize(ScreenBuffer(0)[y * 240 + x]);
    ++step;
  }
  manager->StylusUp(120, 150);
}
BENCHMARK(BM_ManagerFrameWhileDragging)->Unit(benchmark::kMicrosecond);

// Next page, redrawn whole; the pictures of all 15 pages were met once already.
void BM_ManagerPageChange(benchmark::State& state) {
  if (!SetUpRoom()) {
    state.SkipWithError("no data set with the card manager's pictures");
    return;
  }
  auto manager = std::make_unique<CardManagerScreen>(true, false);
  manager->Enter();
  for (int i = 0; i < 15; ++i) {
    KeyFlags[KeyRight] = true;
    manager->Frame();
  }
  for (auto _ : state) {
    KeyFlags[KeyRight] = true;
    manager->Frame();
    benchmark::DoNotOptimize(ScreenBuffer(0)[100]);
  }
}
BENCHMARK(BM_ManagerPageChange)->Unit(benchmark::kMicrosecond);

// Next page of a manager just opened: every picture of the page is decoded first.
void BM_ManagerFirstPageChange(benchmark::State& state) {
  if (!SetUpRoom()) {
    state.SkipWithError("no data set with the card manager's pictures");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    auto manager = std::make_unique<CardManagerScreen>(true, false);
    state.ResumeTiming();
    KeyFlags[KeyRight] = true;
    manager->Frame();
    benchmark::DoNotOptimize(ScreenBuffer(0)[100]);
    state.PauseTiming();
    manager.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ManagerFirstPageChange)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
