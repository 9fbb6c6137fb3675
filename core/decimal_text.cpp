// decimal_text.cpp -- number-to-text conversion used by every screen.
#include "core/decimal_text.h"

std::wstring DecimalTextPadded(long long value, int width) {
  unsigned long long magnitude =
      value < 0 ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), L'0');
  if (value < 0) digits.insert(digits.begin(), L'-');
  return digits;
}

std::wstring DecimalText(long long value) { return DecimalTextPadded(value, 1); }
