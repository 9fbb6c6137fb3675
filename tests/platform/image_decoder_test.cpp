// image_decoder_test.cpp -- pictures to 24-bit bottom-up bitmaps; sniffing, size limits and damaged files.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <fstream>
#include <iterator>

#include "platform/image_decoder.h"
#include "tests/platform/test_helpers.h"

namespace {

using platform::DecodedBitmap;
using platform::DecodeStatus;

// A w x h picture: top-left red, bottom-left green, everything else blue-grey.
SDL_Surface* TestPicture(int w, int h) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 40, 50, 60));
  SDL_Rect top{0, 0, 1, 1}, bottom{0, h - 1, 1, 1};
  SDL_FillRect(s, &top, SDL_MapRGB(s->format, 255, 0, 0));
  SDL_FillRect(s, &bottom, SDL_MapRGB(s->format, 0, 255, 0));
  return s;
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Encoded(int w, int h, const std::string& kind) {
  const std::string path = testing_platform::ScratchFolder("pictures") + "/p." + kind;
  SDL_Surface* s = TestPicture(w, h);
  if (kind == "png") IMG_SavePNG(s, path.c_str());
  if (kind == "bmp") SDL_SaveBMP(s, path.c_str());
  if (kind == "jpg") IMG_SaveJPG(s, path.c_str(), 100);
  SDL_FreeSurface(s);
  return FileBytes(path);
}

const std::uint8_t* Pixel(const DecodedBitmap& b, int x, int memoryRow) {
  return b.bits.data() + static_cast<std::size_t>(memoryRow) * b.stride + static_cast<std::size_t>(x) * 3;
}

TEST(ImageDecoder, PngBecomesBottomUpBgrWithPaddedRows) {
  DecodedBitmap b;
  std::string why;
  ASSERT_EQ(platform::DecodePictureBytes(Encoded(3, 2, "png"), b, why), DecodeStatus::Decoded) << why;
  EXPECT_EQ(b.width, 3);
  EXPECT_EQ(b.height, 2);
  EXPECT_EQ(b.stride, 12u);  // 9 bytes and 3 of padding
  ASSERT_EQ(b.bits.size(), 24u);
  // Memory row 0 is the bottom row: its first pixel is green.
  EXPECT_EQ(Pixel(b, 0, 0)[0], 0);
  EXPECT_EQ(Pixel(b, 0, 0)[1], 255);
  EXPECT_EQ(Pixel(b, 0, 0)[2], 0);
  // The top row's first pixel is red, stored blue, green, red.
  EXPECT_EQ(Pixel(b, 0, 1)[0], 0);
  EXPECT_EQ(Pixel(b, 0, 1)[2], 255);
  EXPECT_EQ(Pixel(b, 1, 1)[0], 60);
  EXPECT_EQ(Pixel(b, 1, 1)[1], 50);
  EXPECT_EQ(Pixel(b, 1, 1)[2], 40);
}

TEST(ImageDecoder, BmpAndJpegDecodeToo) {
  DecodedBitmap b;
  std::string why;
  ASSERT_EQ(platform::DecodePictureBytes(Encoded(5, 4, "bmp"), b, why), DecodeStatus::Decoded) << why;
  EXPECT_EQ(b.stride, 16u);
  EXPECT_EQ(Pixel(b, 0, 3)[2], 255);
  ASSERT_EQ(platform::DecodePictureBytes(Encoded(16, 8, "jpg"), b, why), DecodeStatus::Decoded) << why;
  EXPECT_EQ(b.width, 16);
  EXPECT_EQ(b.stride, 48u);
}

TEST(ImageDecoder, GifDecodes) {
  // A 1 x 1 GIF whose one pixel is white.
  const std::vector<std::uint8_t> gif = {'G', 'I',  'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 255,  255,  255, 0,   0,
                                         0,   0x2C, 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 0x44, 0x01, 0,   0x3B};
  DecodedBitmap b;
  std::string why;
  ASSERT_EQ(platform::DecodePictureBytes(gif, b, why), DecodeStatus::Decoded) << why;
  EXPECT_EQ(b.width, 1);
  EXPECT_EQ(b.stride, 4u);
  EXPECT_EQ(Pixel(b, 0, 0)[0], 255);
}

// GIFs built here byte by byte, their image data in 9-bit codes with a clear
// code every 100 pixels, so that no code grows wider.
struct GifColour {
  std::uint8_t r, g, b;
};

void PutWord(std::vector<std::uint8_t>& out, int v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutTable(std::vector<std::uint8_t>& out, const std::vector<GifColour>& table) {
  for (const GifColour& c : table) out.insert(out.end(), {c.r, c.g, c.b});
}

// An image descriptor and its data; `rows` are in the order they are sent.
void PutImage(std::vector<std::uint8_t>& out, int left, int top, int w, const std::vector<std::vector<int>>& rows,
              bool interlaced, const std::vector<GifColour>& localTable = {}) {
  out.push_back(0x2C);
  PutWord(out, left);
  PutWord(out, top);
  PutWord(out, w);
  PutWord(out, static_cast<int>(rows.size()));
  out.push_back(static_cast<std::uint8_t>((interlaced ? 0x40 : 0) | (localTable.empty() ? 0 : 0x87)));
  PutTable(out, localTable);
  out.push_back(8);
  std::vector<std::uint8_t> data;
  std::uint32_t bits = 0;
  int used = 0;
  auto code = [&](int c) {
    bits |= static_cast<std::uint32_t>(c) << used;
    for (used += 9; used >= 8; used -= 8, bits >>= 8) data.push_back(static_cast<std::uint8_t>(bits & 0xFF));
  };
  int sent = 0;
  for (const std::vector<int>& row : rows)
    for (int index : row) {
      if (sent++ % 100 == 0) code(256);
      code(index);
    }
  code(257);
  if (used > 0) data.push_back(static_cast<std::uint8_t>(bits & 0xFF));
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<std::uint8_t>(n));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + n));
  }
  out.push_back(0);
}

std::vector<std::uint8_t> GifHeader(int w, int h, const std::vector<GifColour>& globalTable) {
  std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  PutWord(out, w);
  PutWord(out, h);
  out.insert(out.end(), {static_cast<std::uint8_t>(globalTable.empty() ? 0 : 0x87), 0, 0});
  std::vector<GifColour> table = globalTable;
  if (!table.empty()) table.resize(256, GifColour{0, 0, 0});
  PutTable(out, table);
  return out;
}

std::vector<GifColour> Ramp(std::uint8_t green) {
  std::vector<GifColour> table;
  for (int i = 0; i < 256; ++i)
    table.push_back({static_cast<std::uint8_t>(i), green, static_cast<std::uint8_t>(255 - i)});
  return table;
}

TEST(ImageDecoder, GifRowsColoursAndFramesLandWhereTheyBelong) {
  DecodedBitmap b;
  std::string why;
  // 3 x 11, interlaced: row y is colour 10 + y, sent in the order 0 8 | 4 | 2 6 10 | 1 3 5 7 9.
  {
    std::vector<std::uint8_t> gif = GifHeader(3, 11, Ramp(7));
    std::vector<std::vector<int>> rows;
    for (int y : {0, 8, 4, 2, 6, 10, 1, 3, 5, 7, 9}) rows.push_back({10 + y, 10 + y, 10 + y});
    PutImage(gif, 0, 0, 3, rows, true);
    gif.push_back(0x3B);
    ASSERT_EQ(platform::DecodePictureBytes(gif, b, why), DecodeStatus::Decoded) << why;
    ASSERT_EQ(b.width, 3);
    ASSERT_EQ(b.height, 11);
    for (int y = 0; y < 11; ++y)
      for (int x = 0; x < 3; ++x) {
        const std::uint8_t* p = Pixel(b, x, 10 - y);
        EXPECT_EQ(p[2], 10 + y) << "row " << y;
        EXPECT_EQ(p[1], 7);
        EXPECT_EQ(p[0], 255 - (10 + y));
      }
  }
  // A 2 x 300 strip (600 pixels: several clear codes) after a transparency
  // extension: the first frame is the picture at its own size, in its own
  // colour table; a second frame and the screen's size do not count.
  {
    std::vector<std::uint8_t> gif = GifHeader(40, 400, Ramp(0));
    gif.insert(gif.end(), {0x21, 0xF9, 4, 1, 0, 0, 5, 0});
    std::vector<std::vector<int>> rows;
    for (int y = 0; y < 300; ++y) rows.push_back({y % 256, 255 - y % 256});
    PutImage(gif, 3, 4, 2, rows, false, Ramp(99));
    PutImage(gif, 0, 0, 1, {{1}}, false);
    gif.push_back(0x3B);
    ASSERT_EQ(platform::DecodePictureBytes(gif, b, why), DecodeStatus::Decoded) << why;
    ASSERT_EQ(b.width, 2);
    ASSERT_EQ(b.height, 300);
    EXPECT_EQ(b.stride, 8u);
    for (int y = 0; y < 300; ++y) {
      EXPECT_EQ(Pixel(b, 0, 299 - y)[2], y % 256);
      EXPECT_EQ(Pixel(b, 1, 299 - y)[2], 255 - y % 256);
      EXPECT_EQ(Pixel(b, 1, 299 - y)[1], 99);
    }
  }
}

TEST(ImageDecoder, GifWithoutColoursOrWithDamagedDataNeverCrashes) {
  DecodedBitmap b;
  std::string why;
  // No colour table at all: black; an index past a 2-colour table: white.
  std::vector<std::uint8_t> bare = GifHeader(2, 1, {});
  PutImage(bare, 0, 0, 2, {{0, 1}}, false);
  bare.push_back(0x3B);
  ASSERT_EQ(platform::DecodePictureBytes(bare, b, why), DecodeStatus::Decoded) << why;
  EXPECT_EQ(Pixel(b, 1, 0)[0] + Pixel(b, 1, 0)[1] + Pixel(b, 1, 0)[2], 0);
  const std::vector<std::uint8_t> pastTable = {'G', 'I', 'F', '8', '9', 'a', 1, 0,    1,    0, 0x80, 0,
                                               0,   255, 0,   0,   0,   255, 0, 0x2C, 0,    0, 0,    0,
                                               1,   0,   1,   0,   0,   2,   2, 0x5C, 0x01, 0, 0x3B};
  ASSERT_EQ(platform::DecodePictureBytes(pastTable, b, why), DecodeStatus::Decoded) << why;
  EXPECT_EQ(Pixel(b, 0, 0)[0] + Pixel(b, 0, 0)[1] + Pixel(b, 0, 0)[2], 3 * 255);

  // Image data that stops before the last row, codes that are not in the
  // table, and a file with no image: refused with a reason.
  std::vector<std::uint8_t> whole = GifHeader(4, 4, Ramp(1));
  PutImage(whole, 0, 0, 4, {{1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}}, false);
  whole.push_back(0x3B);
  ASSERT_EQ(platform::DecodePictureBytes(whole, b, why), DecodeStatus::Decoded) << why;
  std::vector<std::uint8_t> shortData = GifHeader(4, 4, Ramp(1));
  PutImage(shortData, 0, 0, 4, {{1, 2, 3, 4}, {1, 2, 3, 4}}, false);
  shortData[13 + 768 + 7] = 4;  // the descriptor says 4 rows
  shortData.push_back(0x3B);
  EXPECT_EQ(platform::DecodePictureBytes(shortData, b, why), DecodeStatus::Undecodable);
  EXPECT_EQ(why.rfind("damaged picture: ", 0), 0u) << why;
  std::vector<std::uint8_t> badCodes = whole;
  for (std::size_t i = 13 + 768 + 12; i < badCodes.size() - 3; ++i) badCodes[i] = 0xFF;
  EXPECT_EQ(platform::DecodePictureBytes(badCodes, b, why), DecodeStatus::Undecodable);
  EXPECT_FALSE(why.empty());
  std::vector<std::uint8_t> noImage = GifHeader(4, 4, Ramp(1));
  noImage.push_back(0x3B);
  EXPECT_EQ(platform::DecodePictureBytes(noImage, b, why), DecodeStatus::Undecodable);
  EXPECT_EQ(why, "damaged picture: the GIF holds no image");
}

TEST(ImageDecoder, PicturesOver800x600AreRefusedBeforeDecoding) {
  DecodedBitmap b;
  std::string why;
  // A GIF whose screen is 1 x 1 but whose frame is 60000 x 2: refused before the decoder reserves its rows.
  const std::vector<std::uint8_t> wideFrame = {'G',  'I',  'F', '8', '9', 'a', 1, 0,    1,    0, 0x80, 0,
                                               0,    255,  255, 255, 0,   0,   0, 0x2C, 0,    0, 0,    0,
                                               0x60, 0xEA, 2,   0,   0,   2,   2, 0x44, 0x01, 0, 0x3B};
  EXPECT_EQ(platform::DecodePictureBytes(wideFrame, b, why), DecodeStatus::Undecodable);
  EXPECT_EQ(why, "the picture has a frame of 60000 x 2, over 800 x 600");
  EXPECT_EQ(platform::DecodePictureBytes(Encoded(801, 2, "png"), b, why), DecodeStatus::Undecodable);
  EXPECT_EQ(why, "the picture is 801 x 2, over 800 x 600");
  EXPECT_EQ(platform::DecodePictureBytes(Encoded(2, 601, "jpg"), b, why), DecodeStatus::Undecodable);
  EXPECT_EQ(why, "the picture is 2 x 601, over 800 x 600");
  EXPECT_EQ(platform::DecodePictureBytes(Encoded(800, 600, "bmp"), b, why), DecodeStatus::Decoded) << why;
}

TEST(ImageDecoder, OtherAndDamagedFilesAreUndecodableNotFatal) {
  DecodedBitmap b;
  std::string why;
  EXPECT_EQ(platform::DecodePictureBytes({}, b, why), DecodeStatus::Undecodable);
  EXPECT_EQ(why, "the file is empty");
  const std::vector<std::uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 24, 0, 1, 2, 3};
  EXPECT_EQ(platform::DecodePictureBytes(tga, b, why), DecodeStatus::Undecodable);
  EXPECT_EQ(why, "not a JPEG, PNG, GIF or BMP picture");
  std::vector<std::uint8_t> png = Encoded(20, 20, "png");
  png.resize(png.size() / 2);
  EXPECT_EQ(platform::DecodePictureBytes(png, b, why), DecodeStatus::Undecodable);
  std::vector<std::uint8_t> jpg = Encoded(20, 20, "jpg");
  for (std::size_t i = 200; i < jpg.size(); ++i) jpg[i] = static_cast<std::uint8_t>(i * 37);
  DecodeStatus s = platform::DecodePictureBytes(jpg, b, why);  // a damaged stream may decode to noise, never crash
  EXPECT_TRUE(s == DecodeStatus::Undecodable || s == DecodeStatus::Decoded);
  std::vector<std::uint8_t> bmp = {'B', 'M', 0, 0};
  EXPECT_EQ(platform::DecodePictureBytes(bmp, b, why), DecodeStatus::Undecodable);
}

TEST(ImageDecoder, APictureCutShortIsRefusedInEveryFormat) {
  DecodedBitmap b;
  std::string why;
  for (const char* kind : {"png", "jpg", "bmp"}) {
    const std::vector<std::uint8_t> whole = Encoded(64, 48, kind);
    ASSERT_EQ(platform::DecodePictureBytes(whole, b, why), DecodeStatus::Decoded) << kind << ": " << why;
    for (std::size_t keep : {whole.size() - 1, whole.size() * 3 / 4, whole.size() / 2}) {
      std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep));
      EXPECT_EQ(platform::DecodePictureBytes(cut, b, why), DecodeStatus::Undecodable) << kind << " cut to " << keep;
    }
  }
  // A GIF ends with its trailer byte; without it the picture is cut short.
  const std::vector<std::uint8_t> gif = {'G', 'I',  'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0,    0,    0, 255, 255,
                                         255, 0x2C, 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 0x44, 0x01, 0, 0x3B};
  EXPECT_EQ(platform::DecodePictureBytes(gif, b, why), DecodeStatus::Decoded) << why;
  const std::vector<std::uint8_t> cutGif(gif.begin(), gif.end() - 3);
  EXPECT_EQ(platform::DecodePictureBytes(cutGif, b, why), DecodeStatus::Undecodable);
  EXPECT_EQ(why, "the picture is cut short");
}

TEST(ImageDecoder, MissingFileIsNotFoundAndReadsReportProgress) {
  DecodedBitmap b;
  std::string why;
  EXPECT_EQ(platform::DecodePicture("/nonexistent/GFX/x.QXJ", b, why), DecodeStatus::NotFound);
  static int progress = 0;
  progress = 0;
  platform::SetDecodeProgressHook([] { ++progress; });
  const std::string path = testing_platform::ScratchFolder("decode-file") + "/p.QXG";
  const std::vector<std::uint8_t> bytes = Encoded(30, 30, "png");
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  ASSERT_EQ(platform::DecodePicture(path, b, why), DecodeStatus::Decoded) << why;
  EXPECT_GT(progress, 0);
  platform::SetDecodeProgressHook(nullptr);
}

}  // namespace
