// image_decoder.cpp -- pictures checked here, then decoded into 24-bit bitmaps: GIFs by giflib, the other
// formats by the picture library.
#include "platform/image_decoder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "platform/file_system.h"
#include "platform/gif_decoder.h"
#include "platform/sdl/picture_library.h"

namespace platform {
namespace {

void (*progressHook)() = nullptr;

// Where the stream's bytes come from: a file read on demand, or bytes in memory.
struct Source {
  const ReadOnlyFile* file = nullptr;
  const std::vector<std::uint8_t>* bytes = nullptr;
  std::uint64_t size = 0;

  std::size_t ReadAt(std::uint64_t offset, void* out, std::size_t count) const {
    if (file) return file->ReadAt(offset, out, count);
    if (offset >= bytes->size()) return 0;
    count = static_cast<std::size_t>(std::min<std::uint64_t>(count, bytes->size() - offset));
    std::memcpy(out, bytes->data() + offset, count);
    return count;
  }
};

// The library's read callback: reads what it can and reports progress.
std::size_t ReadForLibrary(const void* context, std::uint64_t offset, void* out, std::size_t count) {
  if (progressHook) progressHook();
  return static_cast<const Source*>(context)->ReadAt(offset, out, count);
}

enum class Kind { None, Jpeg, Png, Gif, Bmp };

Kind Sniff(const std::uint8_t* b, std::size_t n) {
  static const std::uint8_t png[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (n >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return Kind::Jpeg;
  if (n >= 8 && std::memcmp(b, png, 8) == 0) return Kind::Png;
  if (n >= 6 && (std::memcmp(b, "GIF87a", 6) == 0 || std::memcmp(b, "GIF89a", 6) == 0)) return Kind::Gif;
  if (n >= 2 && b[0] == 'B' && b[1] == 'M') return Kind::Bmp;
  return Kind::None;
}

std::uint32_t Be32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}
std::int32_t Le32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
                                   (std::uint32_t{p[3]} << 24));
}

// The size the header announces, so that an oversized picture is refused
// before any pixel is decoded. False when the header does not say.
bool HeaderSize(Kind kind, const Source& s, long& w, long& h) {
  std::uint8_t head[32] = {};
  std::size_t n = s.ReadAt(0, head, sizeof head);
  if (kind == Kind::Png && n >= 24) {
    w = static_cast<long>(Be32(head + 16));
    h = static_cast<long>(Be32(head + 20));
    return true;
  }
  if (kind == Kind::Gif && n >= 10) {
    w = head[6] | (head[7] << 8);
    h = head[8] | (head[9] << 8);
    return true;
  }
  if (kind == Kind::Bmp && n >= 26) {
    w = Le32(head + 18);
    h = Le32(head + 22);
    if (h < 0) h = -h;
    return true;
  }
  if (kind == Kind::Jpeg) {
    std::uint64_t at = 2;
    for (int guard = 0; guard < 10000; ++guard) {
      std::uint8_t m[9];
      if (s.ReadAt(at, m, 4) != 4 || m[0] != 0xFF) return false;
      const std::uint8_t marker = m[1];
      if (marker == 0xFF) {
        ++at;
        continue;
      }
      if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without a length
        at += 2;
        continue;
      }
      const std::uint32_t length = (std::uint32_t{m[2]} << 8) | m[3];
      if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
        if (s.ReadAt(at + 4, m, 5) != 5) return false;
        h = (m[1] << 8) | m[2];
        w = (m[3] << 8) | m[4];
        return true;
      }
      if (length < 2) return false;
      at += 2 + length;
    }
  }
  return false;
}

// Walks a GIF's blocks and gives the largest frame it places on its screen,
// right and bottom edges included: a header of a few pixels can hide a frame
// that would make the decoder reserve gigabytes. False when the blocks do not
// read as a GIF: such a file is refused as damaged rather than handed to a
// decoder that would have to guess what it means.
bool GifFrameExtent(const Source& s, long& w, long& h) {
  std::uint8_t b[10] = {};
  if (s.ReadAt(0, b, 10) != 10) return false;
  w = b[6] | (b[7] << 8);
  h = b[8] | (b[9] << 8);
  std::uint8_t packed = 0;
  if (s.ReadAt(10, &packed, 1) != 1) return false;
  std::uint64_t at = 13;
  if (packed & 0x80) at += 3u << ((packed & 7) + 1);
  auto skipSubBlocks = [&]() {
    for (int guard = 0; guard < 1 << 20; ++guard) {
      std::uint8_t size = 0;
      if (s.ReadAt(at, &size, 1) != 1) return false;
      at += 1u + size;
      if (size == 0) return true;
    }
    return false;
  };
  for (int guard = 0; guard < 4096; ++guard) {
    std::uint8_t kind = 0;
    if (s.ReadAt(at, &kind, 1) != 1) return false;
    if (kind == 0x3B) return true;
    if (kind == 0x21) {
      at += 2;
      if (!skipSubBlocks()) return false;
    } else if (kind == 0x2C) {
      std::uint8_t d[9] = {};
      if (s.ReadAt(at + 1, d, 9) != 9) return false;
      w = std::max<long>(w, (d[0] | (d[1] << 8)) + (d[4] | (d[5] << 8)));
      h = std::max<long>(h, (d[2] | (d[3] << 8)) + (d[6] | (d[7] << 8)));
      at += 10;
      if (d[8] & 0x80) at += 3u << ((d[8] & 7) + 1);
      std::uint8_t codeSize = 0;
      if (s.ReadAt(at, &codeSize, 1) != 1 || codeSize < 2 || codeSize > 8) return false;
      at += 1;
      if (!skipSubBlocks()) return false;
    } else {
      return false;
    }
  }
  return false;
}

// Whether the file holds the whole picture: the decoders turn a cut-off JPEG
// or GIF into a picture with grey or missing rows, without an error.
bool Complete(Kind kind, const Source& s) {
  std::uint8_t tail[32] = {};
  const std::uint64_t n = std::min<std::uint64_t>(s.size, sizeof tail);
  if (s.ReadAt(s.size - n, tail, static_cast<std::size_t>(n)) != n) return false;
  auto endsWith = [&](std::initializer_list<std::uint8_t> bytes, std::size_t slack) {
    // The marker may be followed by a few padding bytes.
    for (std::size_t end = n; end + slack >= n && end >= bytes.size(); --end)
      if (std::equal(bytes.begin(), bytes.end(), tail + end - bytes.size())) return true;
    return false;
  };
  switch (kind) {
    case Kind::Png: {
      if (!endsWith({'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82}, 0)) return false;
      // Every chunk must lie inside the file: the decoder would otherwise read
      // on past its end for as long as a damaged length says.
      std::uint64_t at = 8;
      while (at + 12 <= s.size) {
        std::uint8_t c[8];
        if (s.ReadAt(at, c, 8) != 8) return false;
        const std::uint64_t length = Be32(c);
        if (length > s.size - at - 12) return false;
        at += 12 + length;
        if (std::memcmp(c + 4, "IEND", 4) == 0) return at == s.size;
      }
      return false;
    }
    case Kind::Jpeg:
      return endsWith({0xFF, 0xD9}, 16);
    case Kind::Gif:
      return endsWith({0x3B}, 16);
    case Kind::Bmp: {
      std::uint8_t h[34] = {};
      if (s.ReadAt(0, h, sizeof h) != sizeof h) return false;
      const std::uint32_t offset = static_cast<std::uint32_t>(Le32(h + 10));
      const std::int64_t w = Le32(h + 18), rows = std::abs(static_cast<std::int64_t>(Le32(h + 22)));
      const int bits = h[28] | (h[29] << 8);
      const std::uint32_t compression = static_cast<std::uint32_t>(Le32(h + 30));
      if (compression != 0 || w <= 0 || bits <= 0) return true;  // the decoder checks the rest
      const std::uint64_t stride = (static_cast<std::uint64_t>(w) * static_cast<std::uint64_t>(bits) + 31) / 32 * 4;
      return offset + stride * static_cast<std::uint64_t>(rows) <= s.size;
    }
    case Kind::None:
      break;
  }
  return false;
}

DecodeStatus Decode(Source& source, DecodedBitmap& bitmap, std::string& why) {
  std::uint8_t head[8] = {};
  const std::size_t n = source.ReadAt(0, head, sizeof head);
  const Kind kind = Sniff(head, n);
  if (kind == Kind::None) {
    why = n == 0 ? "the file is empty" : "not a JPEG, PNG, GIF or BMP picture";
    return DecodeStatus::Undecodable;
  }
  long w = 0, h = 0;
  const bool sized = HeaderSize(kind, source, w, h);
  if (sized && (w > MaxPictureWidth || h > MaxPictureHeight)) {
    why = "the picture is " + std::to_string(w) + " x " + std::to_string(h) + ", over 800 x 600";
    return DecodeStatus::Undecodable;
  }
  // The JPEG decoder reserves its rows from the frame header: without one
  // that can be read here, the size limit could not hold.
  if (kind == Kind::Jpeg && !sized) {
    why = "damaged picture: no readable JPEG frame header";
    return DecodeStatus::Undecodable;
  }
  if (!Complete(kind, source)) {
    why = "the picture is cut short";
    return DecodeStatus::Undecodable;
  }
  if (kind == Kind::Gif) {
    if (!GifFrameExtent(source, w, h)) {
      why = "damaged picture: its GIF blocks do not read";
      return DecodeStatus::Undecodable;
    }
    if (w > MaxPictureWidth || h > MaxPictureHeight) {
      why = "the picture has a frame of " + std::to_string(w) + " x " + std::to_string(h) + ", over 800 x 600";
      return DecodeStatus::Undecodable;
    }
    return DecodeGif(
        [&source](std::uint64_t offset, void* out, std::size_t count) {
          if (progressHook) progressHook();
          return source.ReadAt(offset, out, count);
        },
        bitmap, why);
  }
  sdl::PictureFormat format = sdl::PictureFormat::Bmp;
  switch (kind) {
    case Kind::Jpeg:
      format = sdl::PictureFormat::Jpeg;
      break;
    case Kind::Png:
      format = sdl::PictureFormat::Png;
      break;
    case Kind::Bmp:
      format = sdl::PictureFormat::Bmp;
      break;
    case Kind::Gif:  // decoded above
    case Kind::None:
      return DecodeStatus::Undecodable;
  }
  sdl::PictureBytes bytes;
  bytes.size = source.size;
  bytes.read = ReadForLibrary;
  bytes.context = &source;
  return sdl::DecodeWithLibrary(format, bytes, bitmap, why);
}

}  // namespace

DecodeStatus DecodePicture(std::string_view path, DecodedBitmap& bitmap, std::string& why) {
  ReadOnlyFile file;
  if (!file.Open(path)) {
    why = "not found";
    return DecodeStatus::NotFound;
  }
  Source source;
  source.file = &file;
  source.size = file.Size();
  return Decode(source, bitmap, why);
}

DecodeStatus DecodePictureBytes(const std::vector<std::uint8_t>& bytes, DecodedBitmap& bitmap, std::string& why) {
  Source source;
  source.bytes = &bytes;
  source.size = bytes.size();
  return Decode(source, bitmap, why);
}

void SetDecodeProgressHook(void (*hook)()) { progressHook = hook; }

}  // namespace platform
