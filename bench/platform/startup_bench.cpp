// startup_bench.cpp -- the whole headless start-up, process and all, up to the loading screen's last wait.
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

int Run(const std::string& command) {
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_HeadlessStartupToFinalWait(benchmark::State& state) {
  const fs::path dir = fs::temp_directory_path() / ("duskhaven-bench-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "config");
  if (Run(std::string("'") + DUSKHAVEN_FORGE + "' --out '" + (dir / "install").string() + "' >/dev/null") != 0) {
    state.SkipWithError("the forge failed");
    return;
  }
  std::ofstream(dir / "config" / "settings.reg") << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << (dir / "install").string()
                                                 << "\"\n";
  const std::string command = std::string("'") + DUSKHAVEN_GAME + "' --headless --config '" + (dir / "config").string() +
                              "' 2>/dev/null";
  for (auto _ : state) {
    // Exit code 3: the run stopped at the loading screen's wait for a tap.
    if (Run(command) != 3) {
      state.SkipWithError("start-up did not reach the loading screen's wait (is the data set complete?)");
      break;
    }
  }
  fs::remove_all(dir);
}

BENCHMARK(BM_HeadlessStartupToFinalWait)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
