// decimal_text.h -- number-to-text conversion used by every screen.
#pragma once

#include <string>

// Decimal digits without leading zeros, a minus sign for negative values.
std::wstring DecimalText(long long value);

// The same, zero-padded to at least `width` digits (the sign is not counted).
std::wstring DecimalTextPadded(long long value, int width);
