// system_box.cpp -- fatal messages: a line on stderr, and the desktop's error box when there is a screen.
#include "platform/system_box.h"

#include <cstdio>

#include "platform/backend_interface.h"
#include "platform/sdl/error_box.h"
#include "platform/text_utf8.h"

namespace platform {

void SystemMessageBox(std::wstring_view text, std::wstring_view caption, std::string_view note) {
  const std::string body = ToUtf8(text);
  const std::string title = ToUtf8(caption);
  std::string line = body;
  for (char& c : line)
    if (c == '\n') c = ' ';
  std::fprintf(stderr, "%s: %s\n", title.c_str(), line.c_str());
  if (!note.empty()) std::fprintf(stderr, "%.*s\n", static_cast<int>(note.size()), note.data());
  std::fflush(stderr);
  Backend* backend = CurrentBackend();
  if (backend && backend->HasScreen()) sdl::ShowErrorBox(title.c_str(), body.c_str());
}

void SystemMessageBox(std::wstring_view text, std::wstring_view caption) { SystemMessageBox(text, caption, {}); }

void SystemMessageBoxStatic(const char* text, const char* caption) {
  Backend* backend = CurrentBackend();
  if (backend && backend->HasScreen()) sdl::ShowErrorBox(caption, text);
}

}  // namespace platform
