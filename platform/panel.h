// panel.h -- the emulated panel memory both backends show: the device's frame buffer in its own layout.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/backend.h"

namespace platform {

class Panel {
 public:
  void Configure(const DeviceProfile& profile);
  const DeviceProfile& Profile() const { return profile_; }
  std::uint16_t* BeginDrawAddress() { return memory_.data() + profile_.beginDrawOrigin; }
  std::uint16_t* FixedAddress() { return memory_.data() + profile_.panelOrigin; }
  bool Contains(const std::uint16_t* p) const {
    return !memory_.empty() && p >= memory_.data() && p < memory_.data() + memory_.size();
  }
  // The panel memory now becomes what the player sees; false when it shows
  // the same picture as before.
  bool Show() {
    if (shown_ == memory_) return false;
    shown_ = memory_;
    return true;
  }
  // The screen as the player sees it (the frame shown last), row-major, width x height.
  void Upright(std::vector<std::uint16_t>& out) const;
  // Upright pixels as 8-bit R, G, B (each channel widened to 0..255).
  void UprightRgb(std::vector<std::uint8_t>& rgb) const;
  std::uint32_t Width() const { return profile_.properties.width; }
  std::uint32_t Height() const { return profile_.properties.height; }

 private:
  DeviceProfile profile_;
  std::vector<std::uint16_t> memory_;
  std::vector<std::uint16_t> shown_;
};

Panel& ThePanel();

// One 16-bit pixel of the profile's format as 8-bit channels.
void PixelToRgb(std::uint16_t pixel, std::uint32_t formatFlags, std::uint8_t& r, std::uint8_t& g, std::uint8_t& b);

}  // namespace platform
