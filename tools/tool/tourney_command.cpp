// tourney_command.cpp -- one tournament played through from a seed, or the win rates of every computer over many.
#include <cstdio>
#include <string>

#include "data/card_database.h"
#include "data/roster.h"
#include "platform/file_system.h"
#include "tools/tool/commands.h"
#include "tools/tool/duel_options.h"
#include "tools/tool/tourney_play.h"

namespace {

const char* const ClassNames[3] = {"Guest", "Member", "Elite"};

void PrintLine(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

// Tournaments seed .. seed + count - 1 for each computer asked for, one line each.
bool Balance(std::uint32_t seed, long long count, int opponentClass, const DuelSidePlan* only, std::string& error) {
  std::printf("balance %s tournaments %lld seeds %u..%llu\n", ClassNames[opponentClass], count, seed,
              static_cast<unsigned long long>(seed) + static_cast<unsigned long long>(count) - 1);
  std::printf("%-6s %6s %8s %8s %8s %9s %7s\n", "player", "won", "winRate", "second", "rounds", "prize", "ties");
  for (int c = 0; c < 3; ++c)
    for (int t = 0; t < 4; ++t) {
      if (only && (only->opponentClass != c || only->tier != t)) continue;
      TourneyPlan plan;
      plan.opponentClass = opponentClass;
      plan.player = {c, t};
      long long won = 0, second = 0, rounds = 0, prize = 0, ties = 0;
      for (long long k = 0; k < count; ++k) {
        TourneyResult r;
        if (!PlayTournament(static_cast<std::uint32_t>(seed + static_cast<std::uint32_t>(k)), plan, nullptr, r, error))
          return false;
        won += r.roundsWon == 4 ? 1 : 0;
        second += r.roundsWon == 3 ? 1 : 0;
        rounds += r.roundsWon;
        prize += r.prize;
        ties += r.ties;
      }
      const double n = static_cast<double>(count);
      std::printf("%d:%d    %6lld %7.1f%% %7.1f%% %8.2f %9.0f %7lld\n", c, t, won, 100.0 * static_cast<double>(won) / n,
                  100.0 * static_cast<double>(second) / n, static_cast<double>(rounds) / n,
                  static_cast<double>(prize) / n, ties);
      std::fflush(stdout);
    }
  return true;
}

}  // namespace

int RunTourneyCommand(Arguments& args) {
  args.AllowValue("data");
  args.AllowValue("class");
  args.AllowValue("seed");
  args.AllowValue("player");
  args.AllowValue("balance");
  if (!args.Check(0)) return ToolFailure("tourney: " + args.Error());
  if (!args.Has("seed")) return ToolFailure("tourney: --seed N is required");
  long long seed = 0, opponentClass = 0, count = 0;
  if (!ParseNumber(args.Value("seed"), 0, 4294967295LL, seed))
    return ToolFailure("tourney: --seed wants a number 0..4294967295, not '" + args.Value("seed") + "'");
  if (!args.Has("class") || !ParseNumber(args.Value("class"), 0, 2, opponentClass))
    return ToolFailure("tourney: --class wants 0 (Guest), 1 (Member) or 2 (Elite), not '" + args.Value("class") + "'");
  DuelSidePlan player;
  if (args.Has("player") && !ParseClassAndTier(args.Value("player"), player))
    return ToolFailure("tourney: --player wants CLASS:TIER with class 0..2 and tier 0..3, not '" +
                       args.Value("player") + "'");
  if (args.Has("balance") && !ParseNumber(args.Value("balance"), 1, 1000000, count))
    return ToolFailure("tourney: --balance wants a number 1..1000000, not '" + args.Value("balance") + "'");

  const std::string dir = args.Value("data", ".");
  platform::SetInstallDir(dir);
  if (!OpenCardDatabase()) return ToolFailure("tourney: no card database under '" + dir + "'");
  std::string error;
  bool ok = true;
  if (count > 0) {
    ok = Balance(static_cast<std::uint32_t>(seed), count, static_cast<int>(opponentClass),
                 args.Has("player") ? &player : nullptr, error);
  } else {
    TourneyPlan plan;
    plan.opponentClass = static_cast<int>(opponentClass);
    plan.player = player;
    PrintLine("tourney class " + std::to_string(opponentClass) + " seed " + std::to_string(seed) + " player " +
              std::to_string(player.opponentClass) + ":" + std::to_string(player.tier));
    TourneyResult result;
    ok = PlayTournament(static_cast<std::uint32_t>(seed), plan, PrintLine, result, error);
  }
  CloseCardDatabase();
  std::fflush(stdout);
  if (!ok) return ToolFailure("tourney: " + error);
  return 0;
}
