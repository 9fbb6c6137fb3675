// present_bench.cpp -- one present of a whole frame under each device profile (headless panel).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/display.h"

namespace {

void BM_PresentFrame(benchmark::State& state, const char* device) {
  platform::BackendOptions options;
  options.headless = true;
  options.device = device;
  std::string error;
  if (!platform::StartBackend(options, error) || !platform::OpenDisplay()) {
    state.SkipWithError(error.c_str());
    return;
  }
  platform::DetectDevice();
  const platform::DisplayProperties p = platform::GetDisplayProperties();
  platform::SetPixelSteps(p.xPitch, p.yPitch);
  platform::SetScreenSize(240, 320);
  std::vector<std::uint16_t> frame(240 * 320);
  for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<std::uint16_t>(i * 2654435761u >> 16);
  for (auto _ : state) {
    platform::PresentFrame(frame.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 76800);
  platform::StopBackend();
}

BENCHMARK_CAPTURE(BM_PresentFrame, portrait565, "portrait565");
BENCHMARK_CAPTURE(BM_PresentFrame, portrait555, "portrait555");
BENCHMARK_CAPTURE(BM_PresentFrame, portrait444, "portrait444");
BENCHMARK_CAPTURE(BM_PresentFrame, landscape565, "landscape565");
BENCHMARK_CAPTURE(BM_PresentFrame, ipaq_h3800, "ipaq-h3800");

}  // namespace
