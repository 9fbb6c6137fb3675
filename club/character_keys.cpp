// character_keys.cpp -- hit tests of the character screen and the profile number's typing rules.
#include "club/character_keys.h"

#include "core/decimal_text.h"

int CharacterKeyAt(int x, int y) {
  if (x < KeyboardLeft || x >= KeyboardRight || y < KeyboardTop || y >= KeyboardBottom) return -1;
  const int column = (x - KeyboardLeft) / KeyPitchX;
  const int row = (y - KeyboardTop) / KeyPitchY;
  const int key = column + KeyColumns * row;
  if (column == 11 && row == 2) return key;  // this delete key fills its cell
  if (x >= KeyPitchX * column + KeyboardLeft + 15 || y >= KeyPitchY * row + KeyboardTop + 15) return -1;
  return key;
}

wchar_t KeyCharacter(int key) {
  if (key >= 0 && key < 26) return static_cast<wchar_t>(L'A' + key);
  if (key >= 26 && key < 35) return static_cast<wchar_t>(L'1' + (key - 26));
  if (key == 35) return L'0';
  if (key == KeySpace) return L' ';
  return 0;
}

int KeyLiveLeft(int key) { return KeyboardLeft + KeyPitchX * (key % KeyColumns); }
int KeyLiveTop(int key) { return KeyboardTop + KeyPitchY * (key / KeyColumns); }

int SlotRowAt(int x, int y) {
  if (x < SlotListLeft || x > SlotCreditsRight) return -1;
  for (int slot = 0; slot < 3; ++slot)
    if (y >= SlotBarRow(slot) && y <= SlotBarRow(slot) + 10) return slot;
  return -1;
}

int FieldRowAt(int x, int y) {
  if (x > 232) return 0;
  if (y >= 34 && y <= 60) return FieldName;
  if (y >= 68 && y <= 94) return FieldProfileNumber;
  if (y >= 100 && y <= 126) return FieldProfileLine1;
  if (y >= 134 && y <= 160) return FieldProfileLine2;
  return 0;
}

int FieldTextRow(int field) {
  static constexpr int rows[5] = {46, 46, 79, 112, 146};
  return rows[field >= 1 && field <= 4 ? field : 0];
}
int FieldBarRow(int field) { return FieldTextRow(field) - 1; }
int SlotTextRow(int slot) { return 186 + 15 * slot; }
int SlotBarRow(int slot) { return 185 + 15 * slot; }

std::int16_t TypeProfileDigit(std::int16_t number, int digit, bool& accepted) {
  accepted = false;
  if (digit < 0 || digit > 9) return number;
  if (number < 0) {
    accepted = true;
    return static_cast<std::int16_t>(digit);
  }
  if (number >= ProfileNumberTyping) return number;
  accepted = true;
  return static_cast<std::int16_t>(number * 10 + digit);
}

std::int16_t DeleteProfileDigit(std::int16_t number) {
  const int rest = number / 10;
  return rest == 0 ? std::int16_t{-1} : static_cast<std::int16_t>(rest);
}

std::wstring ProfileNumberText(std::int16_t number) { return number == -1 ? std::wstring() : DecimalText(number); }
