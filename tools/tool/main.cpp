// main.cpp -- duskhaven-tool: the data set, save files and rules on the command line.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/tool/commands.h"

namespace {

const char* const Usage =
    "usage: duskhaven-tool COMMAND [options]\n"
    "  cards  [--data DIR]              every card: id level icons price name\n"
    "  info   [--data DIR] --id N       the information text of card N\n"
    "  roster [--data DIR]              the 45 opponents\n"
    "  save   [--data DIR] FILE         decode a character save file\n"
    "  duel   [--data DIR] --seed S [--count N] [--red C:T] [--blue C:T] [--quiet] [--jobs J]\n"
    "                                   computer-against-computer duels; --jobs J plays them on J\n"
    "                                   threads (1..64) and prints the same text in the same order\n"
    "  bench  [--data DIR]              the computer opponent's speed\n"
    "  tourney [--data DIR] --class C --seed N [--player C:T] [--balance COUNT]\n"
    "                                   a whole tournament of class C (0..2), the character's duels\n"
    "                                   played by the computer C:T (default 0:0); one line each:\n"
    "                                     tourney class C seed N player C:T\n"
    "                                     bracket P0 .. P15       (slot order; 0..14 roster index, 16 the character)\n"
    "                                     round R players M\n"
    "                                     contest A B scores SA SB redraws K winner W\n"
    "                                     duel OPPONENT blocks B cells C0 C1 result won|lost|tie\n"
    "                                     winner W\n"
    "                                     prize CREDITS roundsWon R\n"
    "                                   --balance COUNT: seeds N..N+COUNT-1 for every computer\n"
    "                                   (or only --player's): tournaments won, second places, rounds won\n"
    "  character [--data DIR] --out FILE [--name NAME] [--slot 1..3] [--credits N] [--gate] [--deck strong|weak] "
    "[--copies N]\n"
    "                                   write a character save file; --gate: every card, a deck, every\n"
    "                                   opponent beaten, every tournament won and 50000 credits\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(Usage, stderr);
    return 2;
  }
  std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(Usage, stdout);
    return 0;
  }
  Arguments args(argc, argv, 2);
  if (command == "cards") return RunCardsCommand(args);
  if (command == "info") return RunInfoCommand(args);
  if (command == "roster") return RunRosterCommand(args);
  if (command == "save") return RunSaveCommand(args);
  if (command == "duel") return RunDuelCommand(args);
  if (command == "bench") return RunBenchCommand(args);
  if (command == "tourney") return RunTourneyCommand(args);
  if (command == "character") return RunCharacterCommand(args);
  return ToolFailure("unknown command '" + command + "' (try --help)");
}
