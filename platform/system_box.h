// system_box.h -- the system message box of fatal errors (stop icon), and its line on stderr.
#pragma once

#include <string_view>

namespace platform {

// Always writes "caption: text" on one line of stderr; shows the desktop's error
// box too when a window is open.
// `note` (when not empty) follows the box's line on stderr only: what the player can do about it.
void SystemMessageBox(std::wstring_view text, std::wstring_view caption, std::string_view note);
void SystemMessageBox(std::wstring_view text, std::wstring_view caption);
// The same without allocating (the out-of-memory handler); no stderr line.
void SystemMessageBoxStatic(const char* text, const char* caption);

}  // namespace platform
