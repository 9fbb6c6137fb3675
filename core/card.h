// card.h -- the card value: number, level, power icons, price and name.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

// PowerIcons: eight 3-bit strengths, direction d at bits 3d..3d+2.
using PowerIcons = std::uint32_t;

inline int IconAt(PowerIcons icons, int direction) { return static_cast<int>((icons >> (3 * direction)) & 7u); }
inline void SetIcon(PowerIcons& icons, int direction, int value) {
  icons |= static_cast<PowerIcons>(value) << (3 * direction);
}

// A card name kept inside the card itself, so that a Card (and a Board full of
// them) copies without touching the heap. Names are stored a byte per
// character: the font and the save files only ever use the low byte.
struct CardName {
  static constexpr std::size_t Capacity = 47;
  std::uint8_t length = 0;
  char text[Capacity] = {};

  std::string_view View() const { return {text, length}; }
  std::wstring Wide() const { return std::wstring(text, text + length); }
  void Assign(std::string_view s) {
    length = static_cast<std::uint8_t>(std::min(s.size(), Capacity));
    std::memcpy(text, s.data(), length);
  }
  bool operator==(const CardName& o) const { return View() == o.View(); }
};

struct Card {
  std::int16_t id = -1;   // 1..CardCount; -1 = empty slot; above CardCount = super card
  std::int8_t level = 0;  // 1..4; 5 for the card master's super cards
  PowerIcons icons = 0;
  std::int16_t price = 0;  // sell value in credits
  CardName name;           // its pictures are found by name (match/card_pictures.h)

  int Icon(int direction) const { return IconAt(icons, direction); }
};

static_assert(std::is_trivially_copyable_v<Card>, "cards are copied by the thousand");
