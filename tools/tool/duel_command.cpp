// duel_command.cpp -- computer-against-computer duels with exact transcripts.
#include "tools/tool/commands.h"

int RunDuelCommand(Arguments&) { return ToolFailure("duel: not built yet"); }
