// match_harness.h -- a headless duel table for the tests: data set, screen, font, the match, and ways to play it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "match/match.h"
#include "match/match_events.h"

// Starts the headless backend and everything the duel screen needs, once per test program.
void SetUpMatchTable();

// Every box the duel showed (text, then the button chosen), and the answer queue.
struct BoxRecord {
  std::wstring text, left, right;
};
extern std::vector<BoxRecord> ShownBoxes;
// Answers given to boxes with buttons, in order; when empty the right button
// (or the only one) is chosen.
extern std::vector<bool> BoxAnswers;

// Every event the duel reported.
extern std::vector<MatchEvent> Events;

// How the local side plays when the harness drives it with the stylus.
enum class LocalStyle { Strong, Weak, FirstFree };

// Runs frames, tapping the coin toss and playing the local side with the
// stylus, until the duel is left (InClub set) or `stopAt` is reached; false
// when the frame limit ran out.
bool PlayUntil(MatchState stopAt, LocalStyle style, int frameLimit = 200000);
bool PlayToEnd(LocalStyle style, int frameLimit = 200000);

// A club duel against the first guest with TESTER's deck, brought to the local side's first move
// (the first seed from 1 on where the local side has placed no card yet); the events so far cleared.
// Failures are the test's: call it inside ASSERT_NO_FATAL_FAILURE.
void StartDuelAtTheLocalFirstMove();

// One stylus gesture for the local side in TapMove / TapAttack / TapMultiHit.
void PlayLocalStep(LocalStyle style);

// Stylus taps as the main loop hands them to the match.
void Tap(int x, int y);

// A character of the harness: name, local kind, the given deck and one copy of each deck card
// (two copies of the ids in `doubles`).
void MakeCharacter(PlayerRecord& record, const std::wstring& name, const std::vector<int>& doubles = {});

// The simulator's transcript lines for the reported events ("1 0 place ..." etc.).
std::string TranscriptOfEvents();

// Runs duskhaven-tool and returns its standard output.
std::string RunTool(const std::string& arguments);
