// panel.cpp -- the emulated panel memory, its upright reading and its colours.
#include "platform/panel.h"

#include <cstring>

namespace platform {

void Panel::Configure(const DeviceProfile& profile) {
  profile_ = profile;
  memory_.assign(static_cast<std::size_t>(profile.properties.width) * profile.properties.height, 0);
  shown_ = memory_;
}

void Panel::Upright(std::vector<std::uint16_t>& out) const {
  const std::int32_t w = static_cast<std::int32_t>(Width());
  const std::int32_t h = static_cast<std::int32_t>(Height());
  out.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  if (shown_.empty()) return;
  const std::int64_t size = static_cast<std::int64_t>(shown_.size());
  // A panel laid out as the screen (rows of the screen's width, left to right)
  // is read row by row; a rotated or mirrored one pixel by pixel.
  const std::int64_t last = profile_.panelOrigin + static_cast<std::int64_t>(h - 1) * w + (w - 1);
  if (profile_.panelStepX == 1 && profile_.panelStepY == w && profile_.panelOrigin >= 0 && last < size && h > 0) {
    std::memcpy(out.data(), shown_.data() + profile_.panelOrigin, out.size() * sizeof(std::uint16_t));
    return;
  }
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) {
      std::int64_t at = profile_.panelOrigin + static_cast<std::int64_t>(x) * profile_.panelStepX +
                        static_cast<std::int64_t>(y) * profile_.panelStepY;
      if (at >= 0 && at < size) out[static_cast<std::size_t>(y * w + x)] = shown_[static_cast<std::size_t>(at)];
    }
}

void PixelToRgb(std::uint16_t p, std::uint32_t flags, std::uint8_t& r, std::uint8_t& g, std::uint8_t& b) {
  // v * 255 / max rounded down: the same widening SDL applies when it shows the texture.
  auto widen5 = [](unsigned v) { return static_cast<std::uint8_t>(v * 255 / 31); };
  auto widen6 = [](unsigned v) { return static_cast<std::uint8_t>(v * 255 / 63); };
  auto widen4 = [](unsigned v) { return static_cast<std::uint8_t>(v * 17); };
  if (flags & FormatDirect555) {
    r = widen5((p >> 10) & 31u);
    g = widen5((p >> 5) & 31u);
    b = widen5(p & 31u);
  } else if (flags & FormatDirect565) {
    r = widen5((p >> 11) & 31u);
    g = widen6((p >> 5) & 63u);
    b = widen5(p & 31u);
  } else {
    r = widen4((p >> 8) & 15u);
    g = widen4((p >> 4) & 15u);
    b = widen4(p & 15u);
  }
}

void Panel::UprightRgb(std::vector<std::uint8_t>& rgb) const {
  std::vector<std::uint16_t> pixels;
  Upright(pixels);
  rgb.resize(pixels.size() * 3);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    PixelToRgb(pixels[i], profile_.properties.formatFlags, rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
}

Panel& ThePanel() {
  static Panel panel;
  return panel;
}

}  // namespace platform
