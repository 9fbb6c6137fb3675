// picture_load.cpp -- opening, decoding and converting one picture; a missing or broken file gives an empty picture and
// a box.
#include "gfx/picture_load.h"

#include <string>

#include "core/image.h"
#include "gfx/font.h"
#include "gfx/message_box.h"
#include "gfx/picture_convert.h"
#include "platform/file_system.h"
#include "platform/image_decoder.h"
#include "platform/system_box.h"
#include "platform/text_utf8.h"
#include "platform/waits.h"

namespace {

bool FailWithBox(std::wstring_view path, Image& image) {
  // Until the font is cut, the game's own box would be a blank panel with an
  // invisible button: the system's box (and a line on stderr) says it instead.
  if (LineHeight(GameFont) == 0)
    platform::SystemMessageBox(NotFoundText(path), L"Duskhaven");
  else
    StandardMessageBox(NotFoundBoxText(path), L"", L"Ok");
  image = Image(0, 0);
  return false;
}

}  // namespace

std::wstring GameLines(std::wstring_view text) {
  // The game's texts write some line breaks as "/n".
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'/' && i + 1 < text.size() && text[i + 1] == L'n') {
      out += L'\n';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::wstring ShownPath(std::wstring_view path) {
  // The file as the player's file system names it ('\' read as '/').
  return platform::FromUtf8(platform::HostPath(platform::ToUtf8(path)));
}

namespace {

std::wstring NotFoundWith(std::wstring_view shownPath) {
  return GameLines(L"Duskhaven/n/nError : ") + std::wstring(shownPath) + L" Not found.";
}

}  // namespace

std::wstring NotFoundText(std::wstring_view path) { return NotFoundWith(ShownPath(path)); }

std::wstring NotFoundBoxText(std::wstring_view path) {
  // A long install folder would push the file's own name out of the box:
  // leading folders give way to "..." until the text fits.
  std::wstring shown = ShownPath(path);
  std::wstring text = NotFoundWith(shown);
  const MessageBoxLayout box{};
  std::size_t from = 0;
  while (!FitsMessageBox(text, L"", L"Ok", box)) {
    const std::size_t slash = shown.find(L'/', from + 1);
    if (slash == std::wstring::npos) break;  // the file name itself: the box cuts it
    from = slash;
    text = NotFoundWith(L"..." + shown.substr(from));
  }
  return text;
}

bool LoadImageFile(std::wstring_view path, Image& image, bool dither) {
  if (path.empty()) return false;
  // Music keeps playing while a long picture decodes.
  platform::SetDecodeProgressHook(SoundTickIfOn);
  platform::DecodedBitmap bitmap;
  std::string why;
  switch (platform::DecodePicture(platform::ToUtf8(path), bitmap, why)) {
    case platform::DecodeStatus::NotFound:
      return FailWithBox(path, image);
    case platform::DecodeStatus::Undecodable:
      // Mended: a file that opens but does not decode (empty, cut short,
      // garbage) gives the empty picture and the same box as a missing one,
      // instead of converting whatever the decoder left behind.
      return FailWithBox(path, image);
    case platform::DecodeStatus::Decoded:
      break;
  }
  if (!ConvertBitmap(bitmap, image, dither)) return FailWithBox(path, image);
  return true;
}
