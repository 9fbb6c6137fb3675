// picture_library.cpp -- SDL2_image reading through a callback stream, and PNG writing.
#include "platform/sdl/picture_library.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

#include "platform/library_chatter.h"

namespace platform::sdl {
namespace {

// The stream's read position over the caller's bytes.
struct Stream {
  const PictureBytes* bytes = nullptr;
  std::uint64_t at = 0;
};

Stream* StreamOf(SDL_RWops* rw) { return static_cast<Stream*>(rw->hidden.unknown.data1); }

Sint64 StreamSize(SDL_RWops* rw) { return static_cast<Sint64>(StreamOf(rw)->bytes->size); }

Sint64 StreamSeek(SDL_RWops* rw, Sint64 offset, int whence) {
  Stream* s = StreamOf(rw);
  Sint64 base = whence == RW_SEEK_SET   ? 0
                : whence == RW_SEEK_CUR ? static_cast<Sint64>(s->at)
                                        : static_cast<Sint64>(s->bytes->size);
  Sint64 to = base + offset;
  if (to < 0) return SDL_SetError("seek before the start");
  s->at = static_cast<std::uint64_t>(to);
  return to;
}

size_t StreamRead(SDL_RWops* rw, void* out, size_t size, size_t count) {
  Stream* s = StreamOf(rw);
  if (size == 0 || count == 0) return 0;
  std::size_t got = s->bytes->read(s->bytes->context, s->at, out, size * count);
  s->at += got;
  return got / size;
}

size_t StreamWrite(SDL_RWops*, const void*, size_t, size_t) { return 0; }
int StreamClose(SDL_RWops*) { return 0; }

}  // namespace

DecodeStatus DecodeWithLibrary(PictureFormat format, const PictureBytes& bytes, DecodedBitmap& bitmap,
                               std::string& why) {
  SDL_RWops* rw = SDL_AllocRW();
  if (!rw) {
    why = "out of memory";
    return DecodeStatus::Undecodable;
  }
  Stream stream;
  stream.bytes = &bytes;
  rw->size = StreamSize;
  rw->seek = StreamSeek;
  rw->read = StreamRead;
  rw->write = StreamWrite;
  rw->close = StreamClose;
  rw->type = SDL_RWOPS_UNKNOWN;
  rw->hidden.unknown.data1 = &stream;
  SDL_Surface* decoded = nullptr;
  const QuietLibraries quiet;  // the decoders' warnings about odd files
  switch (format) {
    case PictureFormat::Jpeg:
      decoded = IMG_LoadJPG_RW(rw);
      break;
    case PictureFormat::Png:
      decoded = IMG_LoadPNG_RW(rw);
      break;
    case PictureFormat::Bmp:
      decoded = IMG_LoadBMP_RW(rw);
      break;
  }
  SDL_FreeRW(rw);
  if (!decoded) {
    why = std::string("damaged picture: ") + IMG_GetError();
    return DecodeStatus::Undecodable;
  }
  if (decoded->w <= 0 || decoded->h <= 0 || decoded->w > MaxPictureWidth || decoded->h > MaxPictureHeight) {
    why = "the picture is " + std::to_string(decoded->w) + " x " + std::to_string(decoded->h) +
          (decoded->w <= 0 || decoded->h <= 0 ? ", empty" : ", over 800 x 600");
    SDL_FreeSurface(decoded);
    return DecodeStatus::Undecodable;
  }
  SDL_Surface* bgr = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_BGR24, 0);
  SDL_FreeSurface(decoded);
  if (!bgr) {
    why = std::string("cannot convert the picture: ") + SDL_GetError();
    return DecodeStatus::Undecodable;
  }
  bitmap.width = static_cast<std::uint16_t>(bgr->w);
  bitmap.height = static_cast<std::uint16_t>(bgr->h);
  bitmap.stride = (static_cast<std::uint32_t>(bgr->w) * 3 + 3) & ~3u;
  bitmap.bits.assign(static_cast<std::size_t>(bitmap.stride) * bitmap.height, 0);
  SDL_LockSurface(bgr);
  const auto* pixels = static_cast<const std::uint8_t*>(bgr->pixels);
  // Bottom-up: memory row 0 is the picture's last row.
  for (int row = 0; row < bgr->h; ++row)
    std::memcpy(bitmap.bits.data() + static_cast<std::size_t>(bgr->h - 1 - row) * bitmap.stride,
                pixels + static_cast<std::size_t>(row) * static_cast<std::size_t>(bgr->pitch),
                static_cast<std::size_t>(bgr->w) * 3);
  SDL_UnlockSurface(bgr);
  SDL_FreeSurface(bgr);
  return DecodeStatus::Decoded;
}

bool WriteRgbPng(const std::string& path, const std::uint8_t* rgb, int width, int height, std::string& why) {
  // The surface only borrows the pixels; SDL never writes through it here.
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(rgb), width, height, 24,
                                                            width * 3, SDL_PIXELFORMAT_RGB24);
  if (!surface) {
    why = std::string("cannot capture ") + path + ": " + SDL_GetError();
    return false;
  }
  const bool ok = IMG_SavePNG(surface, path.c_str()) == 0;
  if (!ok) why = std::string("cannot write ") + path + ": " + IMG_GetError();
  SDL_FreeSurface(surface);
  return ok;
}

}  // namespace platform::sdl
