// fight.h -- which cards a card can attack and how one fight is decided.
#pragma once

#include "engine/board.h"

// (tx, ty) is a neighbour of (ax, ay), on the board, occupied by the attacker's
// opponent, and the attacking card has an icon toward it.
bool CanAttack(const Board& board, int ax, int ay, int tx, int ty);
int CountAttackTargets(const Board& board, int x, int y);
// Scans column offsets -1..1 (outer) and row offsets -1..1 (inner).
bool FirstAttackTarget(const Board& board, int x, int y, int& tx, int& ty);
// Changes one owner and returns the winner's side, or NoSide for a draw.
// Callers check CanAttack first.
Side ResolveFight(Board& board, int ax, int ay, int dx, int dy);
bool IconsFaceEachOther(const Board& board, int x1, int y1, int x2, int y2);
bool Contested(const Board& board, int ax, int ay, int dx, int dy);
// For a card not yet placed at (x, y) by side: how many enemy cards it points at.
int ThreatCount(const Board& board, const Card& card, int x, int y, Side side);
