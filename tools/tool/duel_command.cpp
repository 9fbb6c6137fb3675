// duel_command.cpp -- computer-against-computer duels with exact transcripts.
#include <cstdio>
#include <string>

#include "data/card_database.h"
#include "platform/file_system.h"
#include "tools/tool/commands.h"
#include "tools/tool/duel_options.h"
#include "tools/tool/duel_simulator.h"

int RunDuelCommand(Arguments& args) {
  args.AllowValue("data");
  args.AllowValue("seed");
  args.AllowValue("count");
  args.AllowValue("red");
  args.AllowValue("blue");
  args.AllowValue("jobs");
  args.AllowFlag("quiet");
  if (!args.Check(0)) return ToolFailure("duel: " + args.Error());
  if (!args.Has("seed")) return ToolFailure("duel: --seed S is required");
  long long seed = 0, count = 1;
  if (!ParseNumber(args.Value("seed"), 0, 4294967295LL, seed))
    return ToolFailure("duel: --seed wants a number 0..4294967295, not '" + args.Value("seed") + "'");
  if (args.Has("count") && !ParseNumber(args.Value("count"), 1, 4294967296LL, count))
    return ToolFailure("duel: --count wants a number 1..4294967296, not '" + args.Value("count") + "'");
  long long jobs = 1;
  if (args.Has("jobs") && !ParseNumber(args.Value("jobs"), 1, MaxDuelJobs, jobs))
    return ToolFailure("duel: --jobs wants a number 1.." + std::to_string(MaxDuelJobs) + ", not '" +
                       args.Value("jobs") + "'");
  DuelPlan plan;
  const char* names[2] = {"red", "blue"};
  for (int s = 0; s < 2; ++s) {
    if (args.Has(names[s]) && !ParseClassAndTier(args.Value(names[s]), plan.sides[s]))
      return ToolFailure(std::string("duel: --") + names[s] + " wants CLASS:TIER with class 0..2 and tier 0..3, not '" +
                         args.Value(names[s]) + "'");
  }
  plan.transcript = !args.Has("quiet");

  std::string dir = args.Value("data", ".");
  platform::SetInstallDir(dir);
  if (!OpenCardDatabase()) return ToolFailure("duel: no card database under '" + dir + "'");

  DuelTally tally;
  std::string error;
  bool ok = PlayDuels(
      static_cast<std::uint32_t>(seed), static_cast<std::uint64_t>(count), plan,
      [](const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }, tally, error,
      static_cast<int>(jobs));
  CloseCardDatabase();
  std::fflush(stdout);
  if (!ok) return ToolFailure("duel: " + error);
  return 0;
}
