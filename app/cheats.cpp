// cheats.cpp -- what a completed hidden key sequence does in the club's corridor.
#include "app/pending_parts.h"
#include "app/shell.h"
#include "gfx/message_box.h"

bool CheatMode = false;

namespace {

constexpr int CorridorScreen = 13;

void Notice(const wchar_t* text) { GameMessageBox(text, L"", L"Ok", true, 40, 120, 160, 80, 20, 3, 3); }

void Victories() {
  if (CheatAddVictories()) Notice(L"Stats changed, you have defeated all players once more.");
}
void Tourneys() {
  if (CheatAddTourneys()) Notice(L"Stats changed, you have won all tourneys once more.");
}
void Collection() {
  if (CheatAddCollection()) Notice(L"You have found a complete collection of cards!");
}

}  // namespace

void RunCheat(int index) {
  if (!ClubActive() || CurrentClubScreen() != CorridorScreen) return;
  if (index == 0) {
    Notice(CheatMode ? L"Cheat Code OFF !" : L"Cheat Code ON !");
    CheatMode = !CheatMode;
    return;
  }
  if (!CheatMode) return;
  switch (index) {
    case 1:
      if (CheatAddCredits(10000)) RedrawCreditsCounter();
      break;
    case 2:
      Victories();
      break;
    case 3:
      Tourneys();
      break;
    case 4:
      Collection();
      break;
    case 5:
      CheatAddCredits(50000);
      Collection();
      Tourneys();
      Victories();
      RedrawCreditsCounter();
      break;
    default:
      break;
  }
}
