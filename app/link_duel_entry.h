// link_duel_entry.h -- the link duel started from the command line (tests, two copies on one machine).
#pragma once

#include <string>

// Loads the last character, creates ("create") or joins ("join") the link and
// sets the duel up; false with a line on stderr when any of it fails.
bool StartLinkDuelFromCommandLine(const std::string& mode);
