// bench_command.cpp -- the computer opponent's speed on fixed seeded duels.
#include <chrono>
#include <cstdio>
#include <string>

#include "data/card_database.h"
#include "platform/file_system.h"
#include "tools/tool/commands.h"
#include "tools/tool/duel_play.h"
#include "tools/tool/duel_simulator.h"

namespace {

const char* const ClassNames[3] = {"Guest", "Member", "Elite"};

}  // namespace

int RunBenchCommand(Arguments& args) {
  args.AllowValue("data");
  args.AllowValue("count");
  if (!args.Check(0)) return ToolFailure("bench: " + args.Error());
  long long count = 200;
  if (args.Has("count") && !ParseNumber(args.Value("count"), 1, 1000000, count))
    return ToolFailure("bench: --count wants a number 1..1000000, not '" + args.Value("count") + "'");
  std::string dir = args.Value("data", ".");
  platform::SetInstallDir(dir);
  if (!OpenCardDatabase()) return ToolFailure("bench: no card database under '" + dir + "'");

  std::printf("%lld duels per class, both sides of that class at tier 3, seeds 1..%lld\n", count, count);
  std::printf("decision times are processor time; duels/s includes dealing and deck generation\n\n");
  std::printf("%-7s %10s %12s %10s %13s %12s %10s\n", "class", "decisions", "decisions/s", "mean (us)", "slowest (us)",
              "duels/s cpu", "duels/s");
  for (int c = 0; c < 3; ++c) {
    DecisionTimes times;
    DuelPlan plan;
    plan.sides[0] = {c, 3};
    plan.sides[1] = {c, 3};
    plan.transcript = false;
    plan.times = &times;
    DuelTally tally;
    std::string error;
    auto start = std::chrono::steady_clock::now();
    double cpuStart = ThreadCpuSeconds();
    if (!PlayDuels(1, static_cast<std::uint64_t>(count), plan, nullptr, tally, error)) {
      CloseCardDatabase();
      return ToolFailure("bench: " + error);
    }
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    double cpu = ThreadCpuSeconds() - cpuStart;
    std::uint64_t n = times.decisions[c];
    double total = times.totalSeconds[c];
    std::printf("%-7s %10llu %12.0f %10.2f %13.1f %12.0f %10.0f\n", ClassNames[c], static_cast<unsigned long long>(n),
                total > 0 ? static_cast<double>(n) / total : 0.0, n ? total * 1e6 / static_cast<double>(n) : 0.0,
                times.slowestSeconds[c] * 1e6, cpu > 0 ? static_cast<double>(count) / cpu : 0.0,
                wall > 0 ? static_cast<double>(count) / wall : 0.0);
  }
  CloseCardDatabase();
  return 0;
}
