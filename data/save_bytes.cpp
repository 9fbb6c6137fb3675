// save_bytes.cpp -- little-endian values and masked texts in memory.
#include "data/save_bytes.h"

void ByteWriter::I16(std::int16_t v) {
  auto u = static_cast<std::uint16_t>(v);
  out_.push_back(static_cast<std::uint8_t>(u & 0xFFu));
  out_.push_back(static_cast<std::uint8_t>(u >> 8));
}

void ByteWriter::I32(std::int32_t v) {
  auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>((u >> (8 * i)) & 0xFFu));
}

void ByteWriter::MaskedText(const std::wstring& text, std::uint8_t mask) {
  std::size_t count = text.size() > 32767 ? 32767 : text.size();
  I16(static_cast<std::int16_t>(count));
  for (std::size_t i = 0; i < count; ++i)
    out_.push_back(static_cast<std::uint8_t>((static_cast<std::uint32_t>(text[i]) & 0xFFu) ^ mask));
}

bool ByteReader::Take(std::size_t count) {
  if (!ok_ || count > size_ - pos_) {
    ok_ = false;
    pos_ = size_;
    return false;
  }
  return true;
}

std::uint8_t ByteReader::U8() {
  if (!Take(1)) return 0;
  return data_[pos_++];
}

std::int16_t ByteReader::I16() {
  if (!Take(2)) return 0;
  auto v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return static_cast<std::int16_t>(v);
}

std::int32_t ByteReader::I32() {
  if (!Take(4)) return 0;
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + static_cast<std::size_t>(i)];
  pos_ += 4;
  return static_cast<std::int32_t>(v);
}

std::wstring ByteReader::MaskedText(std::uint8_t mask) {
  std::int16_t count = I16();
  if (count < 0) {
    ok_ = false;
    pos_ = size_;
    return {};
  }
  if (!Take(static_cast<std::size_t>(count))) return {};
  std::wstring text;
  text.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) text += static_cast<wchar_t>(data_[pos_++] ^ mask);
  return text;
}
