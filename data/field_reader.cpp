// field_reader.cpp -- hash-sign fields, unscrambling and the font's upper case.
#include "data/field_reader.h"

#include <cstring>

void Unscramble(std::vector<std::uint8_t>& bytes, std::uint8_t mask) {
  for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(b ^ mask);
}

std::uint8_t UpperCaseByte(std::uint8_t c) {
  if (c >= 'a' && c <= 'z') return static_cast<std::uint8_t>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<std::uint8_t>(c - 0x20);
  return c;
}

std::string UpperCaseText(std::string text) {
  for (char& c : text) c = static_cast<char>(UpperCaseByte(static_cast<std::uint8_t>(c)));
  return text;
}

std::wstring WideFromBytes(const std::string& bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (char c : bytes) text += static_cast<wchar_t>(static_cast<std::uint8_t>(c));
  return text;
}

std::string BytesFromWide(const std::wstring& text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (wchar_t c : text) bytes += static_cast<char>(static_cast<std::uint8_t>(static_cast<std::uint32_t>(c) & 0xFFu));
  return bytes;
}

std::size_t FieldReader::NextHash(std::size_t from) const {
  if (from >= size_) return size_;
  const void* hash = std::memchr(data_ + from, '#' ^ mask_, size_ - from);
  return hash ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(hash) - data_) : size_;
}

bool FieldReader::Text(std::string& out) {
  out.clear();
  const std::size_t open = NextHash(pos_);
  const std::size_t close = NextHash(open + 1);
  if (close >= size_) {
    pos_ = size_;
    return false;
  }
  out.assign(reinterpret_cast<const char*>(data_ + open + 1), close - open - 1);
  if (mask_ != 0)
    for (char& c : out) c = static_cast<char>(static_cast<std::uint8_t>(c) ^ mask_);
  pos_ = close + 1;
  return true;
}

bool FieldReader::Number(std::int16_t& out) {
  std::string digits;
  if (!Text(digits)) return false;
  // Unsigned arithmetic wraps like the game's 16-bit value did, modulo 2^16.
  std::uint32_t value = 0;
  for (char c : digits) value = value * 10u + static_cast<std::uint32_t>(static_cast<std::uint8_t>(c)) - 48u;
  out = static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFFu));
  return true;
}

bool FieldReader::SkipHashes(std::size_t count) {
  while (count > 0) {
    pos_ = NextHash(pos_);
    if (pos_ >= size_) return false;
    ++pos_;
    --count;
  }
  return true;
}
