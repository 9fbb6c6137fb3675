// tutorial_boards.cpp -- the tutorial's scripted board positions.
#include "engine/tutorial_boards.h"

namespace {

struct Placement {
  int id, x, y;
};

constexpr Placement Board1[] = {{38, 3, 3}};
constexpr Placement Board2[] = {{17, 3, 2}};
constexpr Placement Board3[] = {{13, 2, 2}, {18, 3, 2}, {33, 4, 2}};
constexpr Placement Board4[] = {{149, 1, 0}, {177, 2, 0}, {254, 3, 0}, {73, 4, 0}, {242, 3, 1}, {247, 4, 2}};

template <std::size_t N>
void PlaceAll(Board& board, const Placement (&cards)[N], const std::function<Card(int)>& loadCard) {
  for (const Placement& p : cards) PlaceCard(board, loadCard(p.id), p.x, p.y, 0);
}

}  // namespace

bool SetUpTutorialBoard(Board& board, int number, const std::function<Card(int)>& loadCard) {
  if (number < 1 || number > TutorialBoardCount || !loadCard) return false;
  ClearBoard(board);
  switch (number) {
    case 1:
      PlaceAll(board, Board1, loadCard);
      break;
    case 2:
      PlaceAll(board, Board2, loadCard);
      break;
    case 3:
      PlaceAll(board, Board3, loadCard);
      break;
    default:
      PlaceAll(board, Board4, loadCard);
      break;
  }
  return true;
}
