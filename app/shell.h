// shell.h -- the program's entry, start-up, main loop, window procedure and ways out.
#pragma once

#include <cstdint>

#include "app/command_line.h"
#include "platform/display.h"
#include "platform/messages.h"

// The hidden cheat mode; off at start, never stored.
extern bool CheatMode;
// The key list copied at start-up: up, down, left, right, A, B, C, start.
extern platform::DefaultKeyList GameKeys;

// The whole program after its command line: returns the exit code.
int ProgramEntry(const CommandLine& line);

// Start-up, in the game's order; ends the process with code 1 on a fatal problem.
void RunStartup();
// Runs until the quit message; returns its parameter.
std::uint32_t RunMainLoop();
// One pass's application-button check: the first of KeyB, KeyC, KeyStart set.
void CheckApplicationButtons();
void WindowProcedure(const platform::Message& message);
// The cheat with that index (a completed key sequence).
void RunCheat(int index);

// kind 3 contacts, 4 calendar, 2 plain quit: saves, closes and ends with 0.
[[noreturn]] void LaunchAndExit(int kind);
// A close request (window, SIGTERM, SIGINT): quick save, character saved, code 0.
[[noreturn]] void CloseGame();
// The allocation-failure handler.
void OnOutOfMemory();
// A fatal start-up problem: box, keys and display closed (and the card data
// files when asked), exit code 1.
// `note` goes to stderr after the box's own line (see platform::SystemMessageBox).
[[noreturn]] void FatalExit(const wchar_t* text, bool closeCardData, const char* note = "");
void CloseKeysAndDisplay();

// What a scripted run's "dump" lines write.
std::string ReportGameState();
