// link_framer_fuzz.cpp -- fuzzes the link's framing of what a partner sends: however the bytes are cut into
// reads, the same messages come out, each within its ranges and encoding back to the bytes it came from.
#include <cstdint>
#include <vector>

#include "link/link_framer.h"
#include "link/link_message.h"
#include "tests/fuzz/fuzz_support.h"

namespace {
constexpr int FuzzCardCount = 344;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks how the rest is cut into reads.
  const std::uint8_t cut = data[0];
  const std::uint8_t* stream = data + 1;
  const std::size_t length = size - 1;

  LinkFramer joined(FuzzCardCount);
  const bool joinedOk = joined.Feed(stream, length);
  LinkFramer split(FuzzCardCount);
  bool splitOk = true;
  std::size_t at = 0, step = 0;
  while (at < length && splitOk) {
    const std::size_t n = std::min<std::size_t>(length - at, 1 + ((cut >> (step % 8)) & 0x1F) + step % 3);
    splitOk = split.Feed(stream + at, n);
    at += n;
    ++step;
  }
  FUZZ_CHECK(joinedOk == splitOk);
  FUZZ_CHECK(joined.Failed() == !joinedOk && joined.Queued() == split.Queued());
  FUZZ_CHECK(joined.Partial() < MaxMessageBytes);

  std::vector<std::uint8_t> again;
  LinkMessage a, b;
  while (joined.Next(a)) {
    FUZZ_CHECK(split.Next(b) && a == b);
    std::string reason;
    FUZZ_CHECK(MessageInRange(a, FuzzCardCount, reason));
    FUZZ_CHECK(EncodeMessage(a, again));
  }
  // The messages taken are exactly the bytes they came from.
  FUZZ_CHECK(again.size() <= length);
  for (std::size_t i = 0; i < again.size(); ++i) FUZZ_CHECK(again[i] == stream[i]);
  if (joinedOk) FUZZ_CHECK(again.size() + joined.Partial() == length);
  return 0;
}
