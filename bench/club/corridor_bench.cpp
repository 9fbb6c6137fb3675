// corridor_bench.cpp -- what a corridor pass costs: a walking step between rooms, and a pass of the typed description.
#include <benchmark/benchmark.h>

#include "bench/support/headless_game.h"
#include "club/club.h"
#include "data/card_database.h"
#include "data/player_record.h"
#include "gfx/screen_buffers.h"
#include "platform/file_system.h"

namespace {

bool SetUpCorridor() {
  static bool ready = false, ok = false;
  if (ready) return ok;
  ready = true;
  if (!StartHeadlessGame(DUSKHAVEN_CLUB_BENCH_DATA)) return false;
  // Without the corridor's pictures every load would stop on its error box.
  if (!platform::FileExists("GFX\\MENU\\MENU\\MENU0050.QXG")) return false;
  LoadGameFont();
  LoadCorridorPictures();
  LoadClubControls();
  ResetPlayer(CurrentPlayer);
  CurrentPlayer.slot = 255;
  DrawCorridor(0);
  ok = true;
  return ok;
}

// One walking step between two rooms: the corridor picture and the arrows
// (the 50 ms pacing wait runs on the virtual clock and costs no CPU here).
void BM_CorridorWalkingStep(benchmark::State& state) {
  if (!SetUpCorridor()) {
    state.SkipWithError("no data set with the corridor's pictures");
    return;
  }
  Club& c = GameClub;
  for (auto _ : state) {
    c.position = 15;  // 16 .. 22 hold no room
    c.walkDirection = 1;
    WalkStep();
    benchmark::DoNotOptimize(ScreenBuffer(0)[120 * 240 + 120]);
  }
  c.walkDirection = 0;
  c.position = 7;
}
BENCHMARK(BM_CorridorWalkingStep);

// One pass of the room presentation: the arrows, the title sliding in, a
// character typed every fourth pass (started again when the text is done).
void BM_CorridorTypingPass(benchmark::State& state) {
  if (!SetUpCorridor()) {
    state.SkipWithError("no data set with the corridor's pictures");
    return;
  }
  Club& c = GameClub;
  for (auto _ : state) {
    if (!c.typing) {
      c.charIndex = 0;
      c.textX = 10;
      c.textY = 250;
      c.typingDone = c.slideDone = false;
      c.titleOffset = 0;
      c.titleSpeed = 10;
      c.typing = true;
    }
    TypeDescription();
    benchmark::DoNotOptimize(ScreenBuffer(0)[260 * 240 + 20]);
  }
}
BENCHMARK(BM_CorridorTypingPass);

}  // namespace

BENCHMARK_MAIN();
