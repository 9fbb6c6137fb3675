// match_tutorial.h -- the duel's tutorial: help pages over the board and scripted examples played on it.
#pragma once

#include <cstdint>

// The tutorial's steps (the match's tutorialStep).
constexpr std::uint8_t TutorialFirstPage = 13;  // 13..18: show help page 1..6
constexpr std::uint8_t TutorialLastPage = 18;
constexpr std::uint8_t TutorialFirstWait = 20;  // 20..24: wait for a tap, then page 2..6
constexpr std::uint8_t TutorialLastWait = 24;
constexpr std::uint8_t TutorialExampleRuns = 25;  // the ordinary duel states run the example
constexpr std::uint8_t TutorialExampleTap = 26;   // the example waits for the player to pick the attacked card

// Turns the duel that was just set up into the tutorial: its first page
// comes up on the next frame, and the duel itself is never played.
void StartDuelTutorial();

// Run by the match while its tutorial is on (the frame only off step 25).
void DuelTutorialFrame();
void DuelTutorialStylusDown(int x, int y);
