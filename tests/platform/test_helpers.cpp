// test_helpers.cpp -- scratch folders and headless start-up for the platform tests.
#include "tests/platform/test_helpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace testing_platform {

std::string ScratchFolder(const std::string& name) {
  const char* tmp = std::getenv("TMPDIR");
  std::filesystem::path dir =
      std::filesystem::path(tmp && *tmp ? tmp : "/tmp") / ("duskhaven-test-" + std::to_string(::getpid())) / name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string();
}

void StartHeadless(const std::string& script, const std::string& device) {
  platform::StopBackend();
  const std::string path = ScratchFolder("script") + "/run.txt";
  std::ofstream(path) << script;
  platform::BackendOptions options;
  options.headless = true;
  options.scriptPath = path;
  options.device = device;
  std::string error;
  ASSERT_TRUE(platform::StartBackend(options, error)) << error;
  ASSERT_TRUE(platform::OpenDisplay());
}

}  // namespace testing_platform
