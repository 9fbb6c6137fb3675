// picture_load.cpp -- opening, decoding and converting one picture; a missing or broken file gives an empty picture and a box.
#include "gfx/picture_load.h"

#include <string>

#include "core/image.h"
#include "gfx/message_box.h"
#include "gfx/picture_convert.h"
#include "platform/image_decoder.h"
#include "platform/text_utf8.h"
#include "platform/waits.h"

namespace {

bool FailWithBox(const std::wstring& text, Image& image) {
  StandardMessageBox(text, L"", L"Ok");
  image = Image(0, 0);
  return false;
}

}  // namespace

std::wstring NotFoundText(std::wstring_view path) {
  return L"Duskhaven/n/nError : " + std::wstring(path) + L" Not found.";
}

std::wstring UndecodableText(std::wstring_view path) {
  return L"Duskhaven/n/nError : " + std::wstring(path) + L" is not a readable picture.";
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
      // Mended: a file that opens but does not decode gives the empty picture
      // and says so, instead of converting whatever the decoder left behind.
      return FailWithBox(UndecodableText(path), image);
    case platform::DecodeStatus::Decoded:
      break;
  }
  if (!ConvertBitmap(bitmap, image, dither)) return FailWithBox(UndecodableText(path), image);
  return true;
}
