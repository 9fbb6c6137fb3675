// script_fuzz.cpp -- fuzzes the timed script of a headless run: any text is read or refused with a line number,
// and a script that is read plays its input in time order to the end.
#include <cstdint>
#include <string>

#include "platform/messages.h"
#include "platform/script.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  platform::Script script;
  std::string error;
  if (!script.Parse(text, "fuzz.txt", error)) {
    FUZZ_CHECK(error.rfind("fuzz.txt:", 0) == 0);
    return 0;
  }
  std::uint32_t time = 0, last = 0;
  int steps = 0;
  while (script.NextInputTime(time)) {
    FUZZ_CHECK(time >= last);
    last = time;
    script.PostDue(time);
    platform::ResetMessageQueue();
    FUZZ_CHECK(++steps <= 1 << 20);
  }
  return 0;
}
