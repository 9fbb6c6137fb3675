// instant_play_rules.h -- the instant-play tables: bets and payouts by class, which tables are open, booking a result.
#pragma once

#include <cstdint>
#include <string>

// What a duel at a class's table costs and brings back. The bet is paid when
// the duel starts; a loss brings nothing back.
struct InstantStakes {
  std::int32_t bet;
  std::int32_t paidOnWin;
  std::int32_t paidOnTie;
};
extern const InstantStakes InstantPlayStakes[3];  // Guest, Member, Elite

// The stakes of a class (0 Guest, 1 Member, 2 Elite); the Guest's for any other number.
const InstantStakes& StakesOf(int opponentClass);

// The Guest table is always open; the Member table once every Guest has been
// beaten and the Guest tournament won, the Elite table likewise after the Member.
bool ClassOpen(int opponentClass);

// The refusal of a closed table (classes 1 and 2).
const wchar_t* ClosedTableText(int opponentClass);
// The refusal when the credits do not cover the bet.
std::wstring NeedBetText(std::int32_t bet);

// The opponent number 1..45 of a class and row, and back.
inline int OpponentNumber(int opponentClass, int row) { return 15 * opponentClass + row + 1; }
inline int ClassOfOpponent(int number) { return (number - 1) / 15; }
inline int RowOfOpponent(int number) { return number - 1 - 15 * ClassOfOpponent(number); }

// Books a finished duel against opponent (row, class) by its result (0 the
// character won, 1 it lost, 2 a tie): one more victory, defeat or tie, and
// the payout added to the character's credits. Returns the payout.
std::int32_t BookInstantResult(int row, int opponentClass, std::uint8_t result);
