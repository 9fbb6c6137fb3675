// text_utf8.h -- the game's wide strings as UTF-8 for the host, and back.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string ToUtf8(std::wstring_view text);
// Reads UTF-8; bytes that are not valid UTF-8 are taken as Latin-1 characters.
std::wstring FromUtf8(std::string_view text);

}  // namespace platform
