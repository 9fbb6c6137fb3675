// leak_check.cpp -- asks the leak checker for a look before a quick exit.
#include "platform/leak_check.h"

#if defined(__SANITIZE_ADDRESS__)
#define DUSKHAVEN_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DUSKHAVEN_LEAK_CHECK 1
#endif
#endif

#ifdef DUSKHAVEN_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace platform {

void CheckLeaksNow() {
#ifdef DUSKHAVEN_LEAK_CHECK
  // Memory the game still reaches (its stack, its globals) is not a leak, so
  // checking in the middle of a run reports only what was really lost.
  __lsan_do_leak_check();
#endif
}

}  // namespace platform
