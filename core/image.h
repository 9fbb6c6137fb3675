// image.h -- decoded pictures: Image owns its pixels, ImageView is what drawing reads.
//
// How a screen holds and draws pictures:
//   - keep each picture in an Image member (or a local); it frees its pixels
//     when the screen (or the scope) ends, or when it is assigned a new one;
//   - fill it with LoadImageFile(L"GFX\\...", picture, true),
//     CropBuffer/CropImage, or Image(width, height) for a blank one;
//   - draw it with DrawImage(x, y, picture, buffer) and the other Draw*
//     operations: they take an ImageView, which an Image converts to;
//   - hand a picture over with std::move (a ScreenButton takes its two
//     pictures that way); an Image cannot be copied by accident.
// An ImageView never owns anything and must not outlive the Image it shows.
#pragma once

#include <cstdint>
#include <memory>

// A picture in the display's 16-bit layout, owned by someone else.
struct ImageView {
  std::uint16_t height = 0;
  std::uint16_t width = 0;
  const std::uint16_t* pixels = nullptr;

  bool Empty() const { return pixels == nullptr || width == 0 || height == 0; }
};

// A picture in the display's 16-bit layout that owns its pixels. Move-only.
class Image {
 public:
  Image() = default;
  // width x height black pixels; a 0 x 0 picture still owns one pixel's block
  // (an empty picture that was loaded, as the game's empty pictures always were).
  Image(std::uint16_t width, std::uint16_t height);
  Image(Image&& other) noexcept;
  Image& operator=(Image&& other) noexcept;
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  ~Image() = default;

  std::uint16_t Width() const { return width_; }
  std::uint16_t Height() const { return height_; }
  std::uint16_t* Pixels() { return pixels_.get(); }
  const std::uint16_t* Pixels() const { return pixels_.get(); }
  // No pixels, or a 0-pixel size.
  bool Empty() const { return !pixels_ || width_ == 0 || height_ == 0; }

  ImageView View() const { return {height_, width_, pixels_.get()}; }
  operator ImageView() const { return View(); }  // NOLINT(google-explicit-constructor): drawing takes either

 private:
  std::unique_ptr<std::uint16_t[]> pixels_;
  std::uint16_t width_ = 0;
  std::uint16_t height_ = 0;
};
