// test_helpers.h -- a headless backend with a script written for the test, and a scratch folder.
#pragma once

#include <string>

#include "platform/backend.h"

namespace testing_platform {

// A fresh folder under the test's temporary directory.
std::string ScratchFolder(const std::string& name);
// Starts the headless backend on `device` with the script text; fails the test on error.
void StartHeadless(const std::string& script, const std::string& device = "portrait565");

}  // namespace testing_platform
