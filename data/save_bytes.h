// save_bytes.h -- little-endian byte writing and bounded reading for the save files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Appends little-endian values to a byte buffer built in memory.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void U8(std::uint8_t v) { out_.push_back(v); }
  void I16(std::int16_t v);
  void I32(std::int32_t v);
  // An i16 character count, then each character's low byte XOR mask.
  void MaskedText(const std::wstring& text, std::uint8_t mask);
  std::vector<std::uint8_t>& Bytes() { return out_; }

 private:
  std::vector<std::uint8_t>& out_;
};

// Reads little-endian values; reading past the end yields 0 and marks the
// reader failed for good, so a truncated file can be read to its end and
// checked once.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  explicit ByteReader(const std::vector<std::uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

  std::uint8_t U8();
  std::int16_t I16();
  std::int32_t I32();
  // The saved text form; a negative count or one longer than the rest of
  // the data fails (nothing is allocated for it).
  std::wstring MaskedText(std::uint8_t mask);

  bool Ok() const { return ok_; }
  bool AtEnd() const { return pos_ == size_; }
  std::size_t Remaining() const { return size_ - pos_; }
  void Fail() { ok_ = false; }

 private:
  bool Take(std::size_t count);
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};
