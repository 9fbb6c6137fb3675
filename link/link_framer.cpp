// link_framer.cpp -- framing by the length byte; every malformed message is a protocol error.
#include "link/link_framer.h"

#include <algorithm>
#include <cstring>

bool LinkFramer::Fail(std::string reason) {
  failed_ = true;
  error_ = std::move(reason);
  partialLength_ = 0;
  return false;
}

bool LinkFramer::Feed(const std::uint8_t* bytes, std::size_t count) {
  if (failed_) return false;
  std::size_t at = 0;
  while (at < count) {
    // The first byte of a message is its whole length.
    const std::size_t length = partialLength_ == 0 ? bytes[at] : partial_[0];
    if (length < MinMessageBytes || length > MaxMessageBytes)
      return Fail("length byte " + std::to_string(length) + " outside 9..100");
    const std::size_t take = std::min(length - partialLength_, count - at);
    std::memcpy(partial_ + partialLength_, bytes + at, take);
    partialLength_ += take;
    at += take;
    if (partialLength_ < length) break;  // the rest comes with a later read
    partialLength_ = 0;
    if (partial_[length - 1] != 0) return Fail("message of " + std::to_string(length) + " bytes not ended by 0");
    LinkMessage m;
    m.type = partial_[1];
    m.a = partial_[2];
    m.b = partial_[3];
    m.c = partial_[4];
    m.d = partial_[5];
    m.card = static_cast<std::int16_t>(static_cast<std::uint16_t>(partial_[6] | (partial_[7] << 8)));
    for (std::size_t i = 8; i + 1 < length; ++i) {
      if (partial_[i] == 0) return Fail("a 0 inside the text");
      m.text.push_back(static_cast<wchar_t>(partial_[i]));
    }
    std::string reason;
    if (!MessageInRange(m, cardCount_, reason)) return Fail(reason);
    queue_.push_back(std::move(m));
  }
  return true;
}

bool LinkFramer::Next(LinkMessage& out) {
  if (queue_.empty()) return false;
  out = std::move(queue_.front());
  queue_.pop_front();
  return true;
}

void LinkFramer::Reset() {
  partialLength_ = 0;
  queue_.clear();
  failed_ = false;
  error_.clear();
}
