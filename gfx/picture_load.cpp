// picture_load.cpp -- opening, decoding and converting one picture; a missing or broken file gives an empty picture and a box.
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

bool FailWithBox(const std::wstring& text, Image& image) {
  // Until the font is cut, the game's own box would be a blank panel with an
  // invisible button: the system's box (and a line on stderr) says it instead.
  if (LineHeight(GameFont) == 0) platform::SystemMessageBox(text, L"Duskhaven");
  else StandardMessageBox(text, L"", L"Ok");
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

std::wstring NotFoundText(std::wstring_view path) {
  return GameLines(L"Duskhaven/n/nError : ") + ShownPath(path) + L" Not found.";
}

bool LoadImageFile(std::wstring_view path, Image& image, bool dither) {
  if (path.empty()) return false;
  // Music keeps playing while a long picture decodes.
  platform::SetDecodeProgressHook(SoundTickIfOn);
  platform::DecodedBitmap bitmap;
  std::string why;
  switch (platform::DecodePicture(platform::ToUtf8(path), bitmap, why)) {
    case platform::DecodeStatus::NotFound:
      return FailWithBox(NotFoundText(path), image);
    case platform::DecodeStatus::Undecodable:
      // Mended: a file that opens but does not decode (empty, cut short,
      // garbage) gives the empty picture and the same box as a missing one,
      // instead of converting whatever the decoder left behind.
      return FailWithBox(NotFoundText(path), image);
    case platform::DecodeStatus::Decoded:
      break;
  }
  if (!ConvertBitmap(bitmap, image, dither)) return FailWithBox(NotFoundText(path), image);
  return true;
}
