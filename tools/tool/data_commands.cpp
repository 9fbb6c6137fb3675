// data_commands.cpp -- cards, info, roster and save.
#include "tools/tool/commands.h"

int RunCardsCommand(Arguments&) { return ToolFailure("cards: not built yet"); }
int RunInfoCommand(Arguments&) { return ToolFailure("info: not built yet"); }
int RunRosterCommand(Arguments&) { return ToolFailure("roster: not built yet"); }
int RunSaveCommand(Arguments&) { return ToolFailure("save: not built yet"); }
