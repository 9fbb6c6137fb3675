// headless_table.h -- the game in process on the headless backend, as the club and duel tests play it.
#pragma once

#include <string>

namespace test_support {

// Starts the headless backend on the data set in `installDir`, silent, on a 565 screen of 240 x 320,
// with the card database, a SAVE folder, the game's font and the card pictures loaded. Failures are
// the test's (wrap the call in ASSERT_NO_FATAL_FAILURE to stop there).
void StartHeadlessTable(const std::string& installDir);

}  // namespace test_support
