// match_autoplay.h -- the computer playing the local side of a duel through the local side's own stylus.
//
// While autoplay is on, the local side's moves are chosen by the computer
// opponent of the given class and tier and carried out as stylus gestures:
// the card is lifted from its hand slot, dragged to its cell and dropped,
// the pile is tapped to draw, attack and multi-hit targets are tapped, the
// coin toss is stopped and a tie is tapped away. Everything after the
// gesture (states, sounds, animations, link messages, snapshots) is what a
// player's stylus gives. The player's own stylus is ignored in the duel
// meanwhile; boxes and the club stay the player's.
//
// Each decision is taken once, on the first frame of the local state that
// asks for it, with the game's random draws of the computer's search, so a
// replayed run decides the same.
#pragma once

#include <string>

struct AutoplayPlayer {
  int opponentClass = 0;  // 0 Guest, 1 Member, 2 Elite: the search's skill
  int tier = 0;           // 0..3: with the class, the level code class * 10 + tier
};

// Turns autoplay on for every following duel (or off). Safe at any time; a
// gesture under way is dropped and the card goes back to its slot.
void SetAutoplay(const AutoplayPlayer& player);
void ClearAutoplay();
bool AutoplayOn();
AutoplayPlayer AutoplaySetting();

// Reads "CLASS:TIER": CLASS is guest, member or elite (any case) or 0..2,
// TIER is 0..3. False with the reason in `error`.
bool ParseAutoplayPlayer(const std::string& text, AutoplayPlayer& player, std::string& error);
// "guest:0" etc.
std::string AutoplayPlayerText(const AutoplayPlayer& player);

// One step of the local side's gesture; MatchFrame calls it before its own
// work. It never waits: states of the other side (computer or remote) are left alone.
void AutoplayFrame();

// True while autoplay is on and the duel is not the tutorial: the duel's
// stylus handlers then take only autoplay's gestures.
bool AutoplayDrivesDuel();
// The coin toss asks whether autoplay stops it now, `spunMs` after it began.
bool AutoplayStopsCoin(unsigned spunMs);
