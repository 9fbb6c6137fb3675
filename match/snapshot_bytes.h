// snapshot_bytes.h -- little-endian values and masked texts written into and read back from a byte block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Saved texts: an i16 character count, then each character's low byte XOR this mask.
constexpr std::uint8_t SavedTextMask = 0x6C;

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void U8(std::uint32_t v) { out_.push_back(static_cast<std::uint8_t>(v)); }
  void I16(std::int32_t v) {
    U8(static_cast<std::uint32_t>(v) & 0xFF);
    U8((static_cast<std::uint32_t>(v) >> 8) & 0xFF);
  }
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) U8((v >> (8 * i)) & 0xFF);
  }
  void Text(const std::wstring& s) {
    I16(static_cast<std::int32_t>(s.size()));
    for (wchar_t c : s) U8((static_cast<std::uint32_t>(c) & 0xFF) ^ SavedTextMask);
  }

 private:
  std::vector<std::uint8_t>& out_;
};

// Reads stop at the end of the block: every later read gives 0 and Ok() turns false.
class ByteReader {
 public:
  ByteReader(const std::vector<std::uint8_t>& in, std::size_t pos) : in_(in), pos_(pos) {}
  std::uint8_t U8() {
    if (pos_ >= in_.size()) {
      ok_ = false;
      return 0;
    }
    return in_[pos_++];
  }
  std::int16_t I16() {
    std::uint32_t lo = U8(), hi = U8();
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
  }
  std::uint32_t U32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(U8()) << (8 * i);
    return v;
  }
  // A count outside 0..maxLength, or one longer than what is left, marks the block damaged.
  std::wstring Text(std::size_t maxLength = 4096) {
    const std::int16_t n = I16();
    if (n < 0 || static_cast<std::size_t>(n) > maxLength || pos_ + static_cast<std::size_t>(n) > in_.size()) {
      ok_ = false;
      return {};
    }
    std::wstring s;
    for (int i = 0; i < n; ++i) s.push_back(static_cast<wchar_t>(U8() ^ SavedTextMask));
    return s;
  }
  bool Ok() const { return ok_; }
  std::size_t Position() const { return pos_; }
  void Fail() { ok_ = false; }

 private:
  const std::vector<std::uint8_t>& in_;
  std::size_t pos_;
  bool ok_ = true;
};
