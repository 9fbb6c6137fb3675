// art_encode.cpp -- PNG (libpng) and JPEG (libjpeg) writers for the forge's pictures, to memory.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>
#include <png.h>

#include <string>

#include "tools/forge/art_canvas.h"
#include "tools/forge/forge.h"

namespace {

void AppendPngBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  bytes->insert(bytes->end(), data, data + length);
}

void FlushPng(png_structp) {}

struct PngFailure {
  std::jmp_buf jump;
  std::string message;
};

void PngError(png_structp png, png_const_charp message) {
  auto* failure = static_cast<PngFailure*>(png_get_error_ptr(png));
  failure->message = message ? message : "unknown libpng error";
  std::longjmp(failure->jump, 1);
}

void PngWarning(png_structp, png_const_charp) {}

bool ValidPicture(const RgbPicture& p, std::string& error) {
  if (p.width <= 0 || p.height <= 0 ||
      p.rgb.size() != static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height) * 3) {
    error = "picture of " + std::to_string(p.width) + "x" + std::to_string(p.height) + " has the wrong pixel count";
    return false;
  }
  return true;
}

struct JpegFailure {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  std::string message;
};

void JpegError(j_common_ptr info) {
  auto* failure = reinterpret_cast<JpegFailure*>(info->err);
  char text[JMSG_LENGTH_MAX];
  (*info->err->format_message)(info, text);
  failure->message = text;
  std::longjmp(failure->jump, 1);
}

}  // namespace

bool EncodePng(const RgbPicture& picture, std::vector<std::uint8_t>& bytes, std::string& error) {
  if (!ValidPicture(picture, error)) return false;
  bytes.clear();
  PngFailure failure;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, PngError, PngWarning);
  if (!png) {
    error = "libpng cannot start";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(failure.jump)) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    error = "libpng: " + failure.message;
    return false;
  }
  png_set_write_fn(png, &bytes, AppendPngBytes, FlushPng);
  png_set_compression_level(png, 6);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
  for (int y = 0; y < picture.height; ++y)
    png_write_row(png, const_cast<png_bytep>(picture.rgb.data() + stride * static_cast<std::size_t>(y)));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

bool EncodeJpeg(const RgbPicture& picture, int quality, std::vector<std::uint8_t>& bytes, std::string& error) {
  if (!ValidPicture(picture, error)) return false;
  jpeg_compress_struct info;
  JpegFailure failure;
  info.err = jpeg_std_error(&failure.manager);
  failure.manager.error_exit = JpegError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(failure.jump)) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    error = "libjpeg: " + failure.message;
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(picture.width);
  info.image_height = static_cast<JDIMENSION>(picture.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(picture.rgb.data() + stride * info.next_scanline);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  bytes.assign(buffer, buffer + size);
  std::free(buffer);
  return true;
}

bool WritePngPicture(ForgeOutput& out, std::string_view gamePath, const RgbPicture& picture) {
  std::vector<std::uint8_t> bytes;
  std::string error;
  if (!EncodePng(picture, bytes, error)) {
    std::fprintf(stderr, "duskhaven-forge: %.*s: %s\n", static_cast<int>(gamePath.size()), gamePath.data(),
                 error.c_str());
    return false;
  }
  return out.Write(gamePath, bytes);
}

bool WriteJpegPicture(ForgeOutput& out, std::string_view gamePath, const RgbPicture& picture) {
  std::vector<std::uint8_t> bytes;
  std::string error;
  if (!EncodeJpeg(picture, 90, bytes, error)) {
    std::fprintf(stderr, "duskhaven-forge: %.*s: %s\n", static_cast<int>(gamePath.size()), gamePath.data(),
                 error.c_str());
    return false;
  }
  return out.Write(gamePath, bytes);
}
