// field_reader.h -- reads the hash-sign fields of the unscrambled card and roster files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Flips every byte with the one-byte mask of a scrambled file.
void Unscramble(std::vector<std::uint8_t>& bytes, std::uint8_t mask);

// Upper case as the game's font has it: ASCII a-z and the Latin-1 lower-case
// letters (à .. þ, not the division sign).
std::uint8_t UpperCaseByte(std::uint8_t c);
std::string UpperCaseText(std::string text);

// Bytes widened to wide characters unchanged (Latin-1), and back to their low bytes.
std::wstring WideFromBytes(const std::string& bytes);
std::string BytesFromWide(const std::wstring& text);

// A cursor over a buffer of fields, each field enclosed in a pair of '#'.
// Bytes between the closing '#' of one field and the opening '#' of the next
// are ignored. Reading never leaves the buffer: a field without both of its
// hash signs is reported missing. With a mask the buffer is read as a
// scrambled file: every byte is flipped with it as it is read.
class FieldReader {
 public:
  FieldReader(const std::uint8_t* data, std::size_t size, std::uint8_t mask = 0)
      : data_(data), size_(size), mask_(mask) {}
  explicit FieldReader(const std::vector<std::uint8_t>& bytes, std::uint8_t mask = 0)
      : FieldReader(bytes.data(), bytes.size(), mask) {}

  // The bytes of the next field, one character each; false when it is missing.
  bool Text(std::string& out);
  // The next field as value * 10 + (byte - '0') for every byte, with no other
  // check, kept to its low 16 bits as a signed number (the game's arithmetic).
  bool Number(std::int16_t& out);
  // Moves past `count` hash signs; false when the buffer holds fewer.
  bool SkipHashes(std::size_t count);

 private:
  // The position of the next hash sign at or after `from`, or size_.
  std::size_t NextHash(std::size_t from) const;

  const std::uint8_t* data_;
  std::size_t size_;
  std::uint8_t mask_;
  std::size_t pos_ = 0;
};
