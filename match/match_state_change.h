// match_state_change.h -- the one way the duel's state changes, and the trace of its changes.
#pragma once

#include <string>

#include "match/match_state.h"

// Puts the duel into `next`. Every change of TheMatch.state goes through
// here; with the trace on, each change is printed on standard error as
// "state <ticks> <from> -> <to>".
void ChangeMatchState(MatchState next);

// The state's name ("TapMove", "CoinToss", ...); "state N" for a byte that is no state.
std::string MatchStateName(MatchState state);

// The trace of state changes (--trace-states), off by default.
void SetMatchStateTrace(bool on);

// A quick-save read back puts the duel into its stored state at once: the
// trace shows it as "state <ticks> resumed <state>".
void TraceResumedMatchState();
