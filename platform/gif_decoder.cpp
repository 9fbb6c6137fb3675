// gif_decoder.cpp -- GIF pictures through giflib's record reader: extensions skipped, the first image decoded
// line by line (interlaced ones in their four passes) and mapped through its colour table.
#include "platform/gif_decoder.h"

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace platform {
namespace {

struct Reader {
  const StreamReader* read = nullptr;
  std::uint64_t at = 0;
};

int ReadGif(GifFileType* gif, GifByteType* out, int count) {
  auto* reader = static_cast<Reader*>(gif->UserData);
  if (count <= 0) return 0;
  const std::size_t got = (*reader->read)(reader->at, out, static_cast<std::size_t>(count));
  reader->at += got;
  return static_cast<int>(got);
}

struct CloseGif {
  void operator()(GifFileType* gif) const {
    int ignored = 0;
    DGifCloseFile(gif, &ignored);
  }
};
using GifHandle = std::unique_ptr<GifFileType, CloseGif>;

DecodeStatus Damaged(int error, std::string& why) {
  const char* text = GifErrorString(error);
  why = std::string("damaged picture: ") + (text ? text : "the GIF does not read");
  return DecodeStatus::Undecodable;
}

// Moves on to the first image descriptor, skipping every extension block.
bool ReachFirstImage(GifFileType* gif, std::string& why) {
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &record) == GIF_ERROR) return Damaged(gif->Error, why), false;
    if (record == IMAGE_DESC_RECORD_TYPE) {
      if (DGifGetImageDesc(gif) == GIF_ERROR) return Damaged(gif->Error, why), false;
      return true;
    }
    if (record != EXTENSION_RECORD_TYPE) {
      why = "damaged picture: the GIF holds no image";
      return false;
    }
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return Damaged(gif->Error, why), false;
    while (block)
      if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return Damaged(gif->Error, why), false;
  }
}

}  // namespace

DecodeStatus DecodeGif(const StreamReader& read, DecodedBitmap& bitmap, std::string& why) {
  Reader reader;
  reader.read = &read;
  int error = 0;
  GifHandle gif(DGifOpen(&reader, ReadGif, &error));
  if (!gif) return Damaged(error, why);
  if (!ReachFirstImage(gif.get(), why)) return DecodeStatus::Undecodable;

  const GifImageDesc& image = gif->Image;
  const int w = image.Width, h = image.Height;
  if (w <= 0 || h <= 0) {
    why = "the picture is " + std::to_string(w) + " x " + std::to_string(h) + ", empty";
    return DecodeStatus::Undecodable;
  }
  if (w > MaxPictureWidth || h > MaxPictureHeight) {
    why = "the picture is " + std::to_string(w) + " x " + std::to_string(h) + ", over 800 x 600";
    return DecodeStatus::Undecodable;
  }
  // Without any colour table every pixel is black; a colour index past the
  // end of the table is drawn white.
  const ColorMapObject* colours = image.ColorMap ? image.ColorMap : gif->SColorMap;
  const int colourCount = colours && colours->Colors ? colours->ColorCount : 0;

  // An interlaced image sends every 8th row from row 0, then every 8th from
  // row 4, every 4th from row 2 and every 2nd from row 1.
  std::vector<int> order;
  order.reserve(static_cast<std::size_t>(h));
  if (image.Interlace) {
    static const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
      for (int y = start[pass]; y < h; y += step[pass]) order.push_back(y);
  } else {
    for (int y = 0; y < h; ++y) order.push_back(y);
  }

  DecodedBitmap out;
  out.width = static_cast<std::uint16_t>(w);
  out.height = static_cast<std::uint16_t>(h);
  out.stride = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
  out.bits.assign(static_cast<std::size_t>(out.stride) * out.height, 0);
  std::vector<GifPixelType> line(static_cast<std::size_t>(w));
  for (int y : order) {
    if (DGifGetLine(gif.get(), line.data(), w) == GIF_ERROR) return Damaged(gif->Error, why);
    // Bottom-up: memory row 0 is the picture's last row.
    std::uint8_t* row = out.bits.data() + static_cast<std::size_t>(h - 1 - y) * out.stride;
    if (!colours) continue;
    for (int x = 0; x < w; ++x, row += 3) {
      const int index = line[static_cast<std::size_t>(x)];
      if (index >= colourCount) {
        row[0] = row[1] = row[2] = 255;
        continue;
      }
      const GifColorType& c = colours->Colors[index];
      row[0] = c.Blue;
      row[1] = c.Green;
      row[2] = c.Red;
    }
  }
  bitmap = std::move(out);
  return DecodeStatus::Decoded;
}

}  // namespace platform
