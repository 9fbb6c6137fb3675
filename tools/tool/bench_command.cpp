// bench_command.cpp -- the computer opponent's speed on fixed seeded duels.
#include "tools/tool/commands.h"

int RunBenchCommand(Arguments&) { return ToolFailure("bench: not built yet"); }
