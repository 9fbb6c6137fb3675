// match_tutorial.cpp -- the duel's tutorial: six help pages, four of them followed by an example played out on the
// board by the ordinary duel states, side 1 placing one card from its hand.
#include "match/match_tutorial.h"

#include "data/card_database.h"
#include "engine/fight.h"
#include "engine/tutorial_boards.h"
#include "match/match_internal.h"

namespace {

const wchar_t* const Pages[6] = {
    // page 1
    L"This is the board of the game. You'll have to place your cards in the empty slots in order to "
    L"obtain more slots than the opponent at the end of the match.\n\n You can see five cards of your "
    L"deck in the lower part of the screen, the other cards are in the pile. At your turn of play, you "
    L"can either place a card on the board or take a card from the pile.\nClose this box, to see the "
    L"board, and then click on the screen to continue the tutorial.\n\nHINT: Blocks are randomly places "
    L"on the Board to add a little more strategy in each match.",
    // page 2
    L"To attack an opponent's card, make sure it has a PowerIcon placed towards the card you want to "
    L"take.\n The power icons are constantly displayed on the interface so that you always know what kind "
    L"of card you are playing (YELLOW -weakest- to BLUE -strongest).\nWhen a card attack another one : \n "
    L"    - If the defending card doesen't have any Powericon in the direction of the attack, the card "
    L"will turn to the color of the attacking player.\n See the example, and then click on the screen to "
    L"continue.\n\n HINT: Those Dots-Powericons are the most important thing to understand in the game.",
    // page 3
    L"\n     - The defender has a PowerIcon in the direction of the attacking card, the card having the "
    L"best PowerIcon will win the fight, if their PowerIcon are the same, there is a draw and no card "
    L"changes color.\n  See the example, and then click on the screen to continue.\n\n HINT: Be careful "
    L"not no attack with less power than the other card or you will lose your card.",
    // page 4
    L"\n     - When your card can attack multiple cards, you have to choose which one will be attacked.\n "
    L"See the example, and then click on the screen to continue.\n\n HINT: Always check carefully the "
    L"diagonals dots.",
    // page 5
    L"MULTI-HITS : \n\n When you win a card battle, the card you just obtain will attack automatically "
    L"with every dots it has, meaning that if other cards in attackable position around the newly "
    L"obtained cards there will be another fight. This is called a Multihit\n\n  See the example, and "
    L"then click on the screen to continue. \n\nHINT: If you win a multihit fight, try to think to "
    L"protect the string of card obtained, otherwise you could suffer a counter attack.",
    // page 6
    L"The match ends when there is no more free place on the board, the winner is the one having the more "
    L"cards on the board. When you win a game, you'll win randomly a card from the opponent, same if you "
    L"lose, you'll lose one of your card. If there is a perfect (all the cards are the same color at the "
    L"end of the match) all the cards are lost or won.\n\n Now that you have completed the tutorial, you "
    L"can start the game yourself by applying what you just learned in this tutorial.\n\n\n         Good "
    L"Luck !!!\n\nHINT: All the cards in the tutorial have been removed from your deck."};

// One example: the scripted board, the card side 1 plays, where it lands,
// the target set beforehand, and the step that follows the example.
struct Example {
  int board;
  int cardId;
  CellPos lands;
  CellPos target;
  std::uint8_t resume;
};
constexpr Example Examples[4] = {
    {1, 16, {3, 2}, {3, 3}, 21},
    {2, 2, {2, 2}, {3, 2}, 22},
    {3, 158, {3, 3}, {3, 2}, 23},
    {4, 2, {0, 0}, {1, 0}, 24},
};

// The pages: a box over the freshly drawn board, not dimmed, "Ok" only.
void ShowPage(int page) {
  DrawMatchScreen();
  MatchBox(Pages[page], L"", L"Ok", false, 20, 20, 200, 260);
}

void StartExample(const Example& e) {
  Match& m = TheMatch;
  m.tutorialStep = TutorialExampleRuns;
  m.tutorialResume = e.resume;
  SetUpTutorialBoard(m.board, e.board, LoadCard);
  DrawMatchScreen();
  m.currentSide = m.chainSide = 1;
  m.chainActive = 0;
  m.attacker = e.lands;
  m.target = e.target;
  // Side 1 plays the example's card from its hand slot 0, as the computer
  // plays its own: taken from the hand, flown in from the big view.
  Hand& hand = m.hands[1];
  Card old;
  hand.Take(0, old);
  hand.Put(0, LoadCard(e.cardId));
  m.selectedSlot = 0;
  Card card;
  hand.Take(0, card);
  StartFlyIn(card, 1, m.attacker, MatchState::ComputerPlaced);
}

}  // namespace

void StartDuelTutorial() {
  Match& m = TheMatch;
  m.tutorial = 1;
  m.tutorialStep = TutorialFirstPage;
  m.tutorialResume = 0;
}

void DuelTutorialFrame() {
  Match& m = TheMatch;
  if (m.tutorialStep < TutorialFirstPage || m.tutorialStep > TutorialLastPage) return;
  const int page = m.tutorialStep - TutorialFirstPage;
  ShowPage(page);
  if (page == 0) {
    m.tutorialStep = TutorialFirstWait;
  } else if (page <= 4) {
    StartExample(Examples[page - 1]);
  } else {
    m.tutorial = 0;
    LeaveMatch();
  }
}

void DuelTutorialStylusDown(int x, int y) {
  Match& m = TheMatch;
  if (m.tutorialStep >= TutorialFirstWait && m.tutorialStep <= TutorialLastWait) {
    m.tutorialStep = static_cast<std::uint8_t>(m.tutorialStep - TutorialFirstWait + TutorialFirstPage + 1);
    return;
  }
  if (m.tutorialStep != TutorialExampleTap) return;
  const bool multiHit = m.state == MatchState::TapMultiHit;
  if (!multiHit && m.state != MatchState::TapAttack) return;
  if (x < 4 || y < 4) return;
  const int tx = (x - 4) / 40, ty = (y - 4) / 58;
  if (!InBounds(tx, ty) || !CanAttack(m.board, m.attacker.x, m.attacker.y, tx, ty)) return;
  m.tutorialStep = TutorialExampleRuns;
  ClearHighlight();
  // A multi-hit target is fought as a multi-hit, whichever side's chain it is.
  StartAttack(m.attacker.x, m.attacker.y, tx, ty, multiHit ? MatchState::ResolveMultiHit : MatchState::ResolveAttack);
}
