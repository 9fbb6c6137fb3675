// text_utf8.cpp -- wide string and UTF-8 conversion.
#include "platform/text_utf8.h"

#include <cstdint>

namespace platform {

std::string ToUtf8(std::wstring_view text) {
  std::string out;
  for (wchar_t wc : text) {
    auto c = static_cast<std::uint32_t>(wc);
    if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) c = 0xFFFD;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::wstring FromUtf8(std::string_view text) {
  std::wstring out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t extra = (b >= 0xC2 && b < 0xE0)   ? 1
                              : (b >= 0xE0 && b < 0xF0) ? 2
                              : (b >= 0xF0 && b < 0xF5) ? 3
                                                        : 0;
    std::uint32_t c = b;
    bool valid = extra > 0 && i + extra < text.size();
    if (valid) {
      c = b & (0x3Fu >> extra);
      for (std::size_t k = 1; k <= extra; ++k) {
        const auto n = static_cast<unsigned char>(text[i + k]);
        if ((n & 0xC0) != 0x80) {
          valid = false;
          break;
        }
        c = (c << 6) | (n & 0x3Fu);
      }
    }
    if (valid) {
      out += static_cast<wchar_t>(c);
      i += extra + 1;
    } else {
      out += static_cast<wchar_t>(b);  // plain ASCII, or a Latin-1 byte
      ++i;
    }
  }
  return out;
}

}  // namespace platform
