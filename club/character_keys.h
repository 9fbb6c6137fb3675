// character_keys.h -- where the character screen's slot rows, field rows and keyboard keys are, and what a key does to
// a field.
#pragma once

#include <cstdint>
#include <string>

// The on-screen keyboard: 13 x 3 keys at a pitch of 17 x 19 from (13, 257);
// each key is 15 x 15 and the gaps between keys are dead, except key (11, 2),
// a delete key, which takes its whole 17-wide cell.
constexpr int KeyboardLeft = 13;
constexpr int KeyboardTop = 257;
constexpr int KeyboardRight = 230;   // exclusive
constexpr int KeyboardBottom = 310;  // exclusive
constexpr int KeyPitchX = 17;
constexpr int KeyPitchY = 19;
constexpr int KeyColumns = 13;
constexpr int KeyRows = 3;
constexpr int KeyCount = KeyColumns * KeyRows;
constexpr int KeySpace = 36;
constexpr int KeyDeleteFirst = 37;
constexpr int KeyDeleteSecond = 38;

// The widest a typed text may be: a character is taken only while the text
// with it stays narrower.
constexpr int FieldTextLimit = 158;
// The profile number takes digits while it is below this (four digits at most).
constexpr std::int16_t ProfileNumberTyping = 1000;

// The fields: 1 name, 2 profile number, 3 and 4 the profile lines.
enum CharacterField : int { FieldName = 1, FieldProfileNumber = 2, FieldProfileLine1 = 3, FieldProfileLine2 = 4 };

// The key under the stylus (k = column + 13 x row), or -1 outside the
// keyboard or in a gap between keys.
int CharacterKeyAt(int x, int y);
// The character a key types: 'A'..'Z', '1'..'9', '0', a space; 0 for a delete key.
wchar_t KeyCharacter(int key);
inline bool KeyDeletes(int key) { return key == KeyDeleteFirst || key == KeyDeleteSecond; }
// The top-left corner of a key's live area.
int KeyLiveLeft(int key);
int KeyLiveTop(int key);

// The save slot row under the stylus (0..2), or -1.
int SlotRowAt(int x, int y);
// The field row under the stylus (1..4), or 0.
int FieldRowAt(int x, int y);
// Rows of the field texts and of the field bars, by field 1..4.
int FieldTextRow(int field);
int FieldBarRow(int field);
constexpr int FieldLeft = 68;
constexpr int SlotListLeft = 28;
constexpr int SlotCreditsRight = 218;
int SlotTextRow(int slot);
int SlotBarRow(int slot);

// The profile number after a digit key; `accepted` says whether it was taken.
// A number that is not a typed one (-1, or a negative one from a damaged
// file) starts again from the digit.
std::int16_t TypeProfileDigit(std::int16_t number, int digit, bool& accepted);
// The profile number after a delete key: one digit less, -1 (no number) when none is left.
std::int16_t DeleteProfileDigit(std::int16_t number);
// The text of the profile number as it is shown: empty for -1.
std::wstring ProfileNumberText(std::int16_t number);
