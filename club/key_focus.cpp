// key_focus.cpp -- reading order of a screen's focus places and the moves of the arrows between them.
#include "club/key_focus.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

FocusLayout ArrangeFocus(std::vector<FocusPlace> places) {
  std::stable_sort(places.begin(), places.end(), [](const FocusPlace& a, const FocusPlace& b) {
    return a.CentreY() != b.CentreY() ? a.CentreY() < b.CentreY() : a.x < b.x;
  });
  FocusLayout layout;
  std::size_t first = 0;
  while (first < places.size()) {
    const FocusPlace& head = places[first];
    std::size_t end = first + 1;
    while (end < places.size() && places[end].CentreY() < head.y + std::max(head.h, 1)) ++end;
    std::stable_sort(places.begin() + static_cast<std::ptrdiff_t>(first),
                     places.begin() + static_cast<std::ptrdiff_t>(end),
                     [](const FocusPlace& a, const FocusPlace& b) { return a.x < b.x; });
    const int row = layout.rows.empty() ? 0 : layout.rows.back() + 1;
    for (std::size_t i = first; i < end; ++i) {
      layout.places.push_back(places[i]);
      layout.rows.push_back(row);
    }
    first = end;
  }
  return layout;
}

int MoveFocus(const FocusLayout& layout, int current, FocusMove move) {
  const int count = static_cast<int>(layout.places.size());
  if (count == 0) return -1;
  if (current < 0 || current >= count) return 0;
  switch (move) {
    case FocusMove::Previous:
      return (current + count - 1) % count;
    case FocusMove::Next:
      return (current + 1) % count;
    case FocusMove::Up:
    case FocusMove::Down:
      break;
  }
  const int rowCount = layout.rows.back() + 1;
  const int step = move == FocusMove::Up ? rowCount - 1 : 1;
  const int target = (layout.rows[static_cast<std::size_t>(current)] + step) % rowCount;
  const int across = layout.places[static_cast<std::size_t>(current)].CentreX();
  int best = current;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < count; ++i) {
    if (layout.rows[static_cast<std::size_t>(i)] != target) continue;
    const int distance = std::abs(layout.places[static_cast<std::size_t>(i)].CentreX() - across);
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

int FindFocus(const FocusLayout& layout, const FocusPlace& place) {
  int best = -1;
  long bestDistance = std::numeric_limits<long>::max();
  for (std::size_t i = 0; i < layout.places.size(); ++i) {
    const FocusPlace& p = layout.places[i];
    if (p == place) return static_cast<int>(i);
    const long dx = p.CentreX() - place.CentreX(), dy = p.CentreY() - place.CentreY();
    if (dx * dx + dy * dy < bestDistance) {
      best = static_cast<int>(i);
      bestDistance = dx * dx + dy * dy;
    }
  }
  return best;
}
