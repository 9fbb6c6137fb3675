// hand.cpp -- hand slots and the draw pile.
#include "engine/hand.h"

void Hand::Clear() {
  for (HandSlot& s : slots) {
    s.empty = 1;
    s.card = Card{};
  }
}

bool Hand::Add(const Card& card) {
  int slot = FirstEmpty();
  if (slot >= HandSize) return false;
  slots[slot].empty = 0;
  slots[slot].card = card;
  return true;
}

bool Hand::Take(int slot, Card& card) {
  if (!Occupied(slot)) return false;
  card = slots[slot].card;
  slots[slot].empty = 1;
  slots[slot].card = Card{};
  return true;
}

bool Hand::Put(int slot, const Card& card) {
  if (slot < 0 || slot >= HandSize || !slots[slot].empty) return false;
  slots[slot].empty = 0;
  slots[slot].card = card;
  return true;
}

const Card& Hand::Get(int slot) const {
  static const Card none;
  return slot >= 0 && slot < HandSize ? slots[slot].card : none;
}

int Hand::FirstEmpty() const {
  for (int i = 0; i < HandSize; ++i)
    if (slots[i].empty) return i;
  return HandSize;
}

int Hand::Count() const {
  int n = 0;
  for (const HandSlot& s : slots) n += s.empty == 0;
  return n;
}

bool Pile::Push(const Card& card) {
  if (count >= PileSize) return false;
  cards[count++] = card;
  return true;
}

bool Pile::Pop(Card& card) {
  if (count == 0) return false;
  card = cards[--count];
  return true;
}
