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

int Run(const std::string& command, std::string* output = nullptr) {
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return -1;
  char chunk[1024];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe))
    if (output) output->append(chunk, n);
  int status = ::pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_HeadlessStartupToFinalWait(benchmark::State& state) {
  const fs::path dir = fs::temp_directory_path() / ("duskhaven-bench-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "config");
  // DUSKHAVEN_BENCH_DATA=DIR uses a data set made elsewhere.
  std::string install = (dir / "install").string();
  if (const char* given = std::getenv("DUSKHAVEN_BENCH_DATA"); given && *given) {
    install = given;
  } else if (Run(std::string("'") + DUSKHAVEN_FORGE + "' --out '" + install + "' 2>&1") != 0) {
    state.SkipWithError("the forge failed");
    return;
  }
  std::ofstream(dir / "config" / "settings.reg") << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << install << "\"\n";
  const std::string command =
      std::string("'") + DUSKHAVEN_GAME + "' --headless --config '" + (dir / "config").string() + "' 2>&1";
  for (auto _ : state) {
    std::string output;
    // Exit code 3 naming WaitForTap: the run stopped at the loading screen's wait for a tap.
    if (Run(command, &output) != 3 || output.find("(WaitForTap)") == std::string::npos) {
      state.SkipWithError(("start-up did not reach the loading screen's wait: " + output).c_str());
      break;
    }
  }
  fs::remove_all(dir);
}

BENCHMARK(BM_HeadlessStartupToFinalWait)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
