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
  const std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 255, 255, 255, 0, 0, 0,
                                         0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B};
  DecodedBitmap b;
  std::string why;
  ASSERT_EQ(platform::DecodePictureBytes(gif, b, why), DecodeStatus::Decoded) << why;
  EXPECT_EQ(b.width, 1);
  EXPECT_EQ(b.stride, 4u);
  EXPECT_EQ(Pixel(b, 0, 0)[0], 255);
}

TEST(ImageDecoder, PicturesOver800x600AreRefusedBeforeDecoding) {
  DecodedBitmap b;
  std::string why;
  // A GIF whose screen is 1 x 1 but whose frame is 60000 x 2: refused before the decoder reserves its rows.
  const std::vector<std::uint8_t> wideFrame = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 255, 255, 255,
                                               0, 0, 0, 0x2C, 0, 0, 0, 0, 0x60, 0xEA, 2, 0, 0, 2, 2, 0x44, 0x01, 0,
                                               0x3B};
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
  const std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255,
                                         255, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B};
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
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
  ASSERT_EQ(platform::DecodePicture(path, b, why), DecodeStatus::Decoded) << why;
  EXPECT_GT(progress, 0);
  platform::SetDecodeProgressHook(nullptr);
}

}  // namespace
