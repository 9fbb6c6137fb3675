// commands.h -- the commands of duskhaven-tool. Each returns the process exit code.
#pragma once

#include "tools/tool/arguments.h"

int RunCardsCommand(Arguments& args);      // cards
int RunInfoCommand(Arguments& args);       // info --id N
int RunRosterCommand(Arguments& args);     // roster
int RunSaveCommand(Arguments& args);       // save FILE
int RunDuelCommand(Arguments& args);       // duel --seed S ...
int RunBenchCommand(Arguments& args);      // bench
int RunTourneyCommand(Arguments& args);    // tourney --class C --seed N ...
int RunCharacterCommand(Arguments& args);  // character --out FILE [--gate] ...
