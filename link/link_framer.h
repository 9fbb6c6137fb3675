// link_framer.h -- cuts the byte stream into messages by their length byte, across split and joined reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "link/link_message.h"

class LinkFramer {
 public:
  // Card ids 1..cardCount are in range (the card database's count).
  explicit LinkFramer(int cardCount = 0) : cardCount_(cardCount) {}
  void SetCardCount(int cardCount) { cardCount_ = cardCount; }

  // Takes the bytes of one read. False on a protocol error: a length outside
  // 9..100, a message not ended by a 0 (or with a 0 inside its text), an
  // unknown type or a value out of range. After an error the framer takes
  // nothing more until Reset; Error() names the fault.
  bool Feed(const std::uint8_t* bytes, std::size_t count);
  // The oldest whole message; false when none is complete.
  bool Next(LinkMessage& out);
  std::size_t Queued() const { return queue_.size(); }
  // Puts a message back in front of the queue (one taken too early).
  void PutBack(LinkMessage m) { queue_.push_front(std::move(m)); }
  // Bytes of a message begun but not complete yet.
  std::size_t Partial() const { return partialLength_; }
  bool Failed() const { return failed_; }
  const std::string& Error() const { return error_; }
  // Forgets queued and partial messages and any error (a new connection).
  void Reset();

 private:
  bool Fail(std::string reason);
  int cardCount_ = 0;
  std::uint8_t partial_[MaxMessageBytes] = {};
  std::size_t partialLength_ = 0;
  std::deque<LinkMessage> queue_;
  bool failed_ = false;
  std::string error_;
};
